#include "starcatalog.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <erfam.h>
#include <optional>

namespace {

enum Column { Id, Ra, Dec, Epoch, PmRa, PmDec, Parallax, Vmag, Name, ColumnCount };

// The fields of one line; lines with fewer have their last fields empty. Empty when the line has
// more, which would put every value after the extra comma in the wrong column.
std::optional<std::vector<std::string_view>> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const size_t comma = line.find(',');
        fields.push_back(line.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        line.remove_prefix(comma + 1);
    }
    if (fields.size() > ColumnCount)
        return std::nullopt;
    fields.resize(ColumnCount);
    return fields;
}

// A finite number that is the whole field, or `empty` for an empty field; nullopt otherwise.
std::optional<double> number(std::string_view field, std::optional<double> empty = std::nullopt)
{
    if (field.empty())
        return empty;
    double value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<CatalogStar> parseStar(const std::vector<std::string_view> &f)
{
    const auto ra = number(f[Ra]), dec = number(f[Dec]), vmag = number(f[Vmag]);
    const auto pmRa = number(f[PmRa], 0.0), pmDec = number(f[PmDec], 0.0);
    if (f[Id].empty() || !ra || !dec || !(std::fabs(*dec) < 90) || !vmag || !pmRa || !pmDec)
        return std::nullopt;
    return CatalogStar {*ra, *dec, *pmRa, *pmDec, *vmag, std::string(f[Id]), std::string(f[Name])};
}

} // namespace

double pmRaRadPerYear(const CatalogStar &star)
{
    return star.pmRaCosDecMasYr * ERFA_DMAS2R / std::cos(star.decDeg * ERFA_DD2R);
}

double pmDecRadPerYear(const CatalogStar &star)
{
    return star.pmDecMasYr * ERFA_DMAS2R;
}

std::vector<CatalogStar> parseCatalog(std::string_view text, std::vector<std::string> *unusableIds)
{
    std::vector<CatalogStar> stars;
    // One row a line: sized once, rather than left at the next power of two by push_back
    // (some 17,600 stars).
    stars.reserve(size_t(std::count(text.begin(), text.end(), '\n')));
    bool header = true;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (header || line.empty()) {
            header = false;
            continue;
        }
        const auto fields = splitFields(line);
        auto star = fields ? parseStar(*fields) : std::nullopt;
        if (star)
            stars.push_back(std::move(*star));
        else if (unusableIds && line.front() != ',')
            unusableIds->emplace_back(line.substr(0, line.find(',')));
    }
    return stars;
}
