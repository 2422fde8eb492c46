#include "catalog.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

extern "C" const char karvixCatalogBegin[];
extern "C" const char karvixCatalogEnd[];

namespace karvix::sim {
namespace {

struct Catalog
{
    std::vector<SkyStar> stars;
    std::string names; // "id\0name\0" for each star in turn
};

// The embedded text is read once, into the stars: its pages go back to the system, so the text
// does not stay resident beside them (they are the library file's own, read from it again if ever
// touched). Only pages wholly inside the text.
void releaseEmbeddedText()
{
    const auto page = uintptr_t(sysconf(_SC_PAGESIZE));
    const uintptr_t first = (uintptr_t(karvixCatalogBegin) + page - 1) / page * page;
    const uintptr_t last = uintptr_t(karvixCatalogEnd) / page * page;
    if (last > first)
        madvise(reinterpret_cast<void *>(first), last - first, MADV_DONTNEED);
}

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
        releaseEmbeddedText();
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
