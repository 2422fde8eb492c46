#include "catalog.h"

extern "C" const char karvixCatalogBegin[];
extern "C" const char karvixCatalogEnd[];

namespace karvix::sim {
namespace {

struct Catalog
{
    std::vector<SkyStar> stars;
    std::string names; // "id\0name\0" for each star in turn
};

const Catalog &catalog()
{
    static const Catalog compact = [] {
        Catalog c;
        const std::vector<CatalogStar> parsed = parseCatalog(
            std::string_view(karvixCatalogBegin, size_t(karvixCatalogEnd - karvixCatalogBegin)));
        c.stars.reserve(parsed.size());
        for (const CatalogStar &star : parsed) {
            c.stars.push_back({star.raDeg, star.decDeg, star.pmRaCosDecMasYr, star.pmDecMasYr, star.vmag,
                uint32_t(c.names.size())});
            c.names.append(star.id).append(1, '\0').append(star.name).append(1, '\0');
        }
        c.names.shrink_to_fit();
        return c;
    }();
    return compact;
}

} // namespace

CatalogStar SkyStar::place() const
{
    CatalogStar star;
    star.raDeg = raDeg;
    star.decDeg = decDeg;
    star.pmRaCosDecMasYr = pmRaCosDecMasYr;
    star.pmDecMasYr = pmDecMasYr;
    star.vmag = vmag;
    return star;
}

std::string_view SkyStar::id() const
{
    return catalog().names.c_str() + namesAt;
}

std::string_view SkyStar::name() const
{
    return catalog().names.c_str() + namesAt + id().size() + 1;
}

const std::vector<SkyStar> &polarCatalog()
{
    return catalog().stars;
}

int findCatalogStar(const std::string &key)
{
    const auto &stars = polarCatalog();
    for (size_t i = 0; i < stars.size(); ++i) {
        if (stars[i].id() == key || stars[i].name() == key)
            return int(i);
    }
    return -1;
}

} // namespace karvix::sim
