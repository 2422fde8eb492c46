#include "catalog.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <erfam.h>
#include <string_view>

extern "C" const char karvixCatalogBegin[];
extern "C" const char karvixCatalogEnd[];

namespace karvix::sim {
namespace {

// Splits one CSV line (no field contains a comma, see the catalogue's README).
std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (;;) {
        const size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

// Locale-independent number parsing: the program's locale may use a decimal comma.
// An empty field (no proper motion known) reads as 0.
double number(std::string_view text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return std::isfinite(value) ? value : 0.0;
}

std::vector<CatalogStar> parseCatalog(std::string_view text)
{
    enum { Id, Ra, Dec, Epoch, PmRa, PmDec, Parallax, Vmag, Name, FieldCount };
    std::vector<CatalogStar> stars;
    // One row a line: sized once, rather than left at the next power of two by push_back
    // (some 17,600 stars of 104 bytes).
    stars.reserve(size_t(std::count(text.begin(), text.end(), '\n')));
    bool header = true;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (header || line.empty()) {
            header = false;
            continue;
        }
        const auto f = splitFields(line);
        if (f.size() != FieldCount)
            continue;
        CatalogStar s;
        s.id = std::string(f[Id]);
        s.name = std::string(f[Name]);
        s.raRad = number(f[Ra]) * ERFA_DD2R;
        s.decRad = number(f[Dec]) * ERFA_DD2R;
        // The file gives mu_alpha* = mu_alpha cos(dec); ERFA wants dRA/dt itself. No catalogue
        // star is closer than a few arcminutes to the pole, so cos(dec) is never zero.
        s.pmRaRadYr = number(f[PmRa]) * ERFA_DMAS2R / std::cos(s.decRad);
        s.pmDecRadYr = number(f[PmDec]) * ERFA_DMAS2R;
        s.vmag = number(f[Vmag]);
        stars.push_back(std::move(s));
    }
    return stars;
}

} // namespace

const std::vector<CatalogStar> &polarCatalog()
{
    static const std::vector<CatalogStar> stars
        = parseCatalog(std::string_view(karvixCatalogBegin, size_t(karvixCatalogEnd - karvixCatalogBegin)));
    return stars;
}

int findCatalogStar(const std::string &key)
{
    const auto &stars = polarCatalog();
    for (size_t i = 0; i < stars.size(); ++i) {
        if (stars[i].id == key || stars[i].name == key)
            return int(i);
    }
    return -1;
}

} // namespace karvix::sim
