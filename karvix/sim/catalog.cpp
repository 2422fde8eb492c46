#include "catalog.h"

#include <string_view>

extern "C" const char karvixCatalogBegin[];
extern "C" const char karvixCatalogEnd[];

namespace karvix::sim {

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
