// catalog.h - the star catalogue the simulated sky is made of.
//
// The rows of resources/catalog/polar_stars.csv (Tycho-2 around both celestial poles, ICRS at
// epoch J2000.0), embedded into the library at build time so that it works wherever it is loaded
// from. The file is parsed once, on first use.
#ifndef KARVIX_SIM_CATALOG_H
#define KARVIX_SIM_CATALOG_H

#include "starcatalog.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace karvix::sim {

// A catalogue star as the simulated sky keeps it: its place and brightness in 48 bytes, where a
// CatalogStar takes 104, and its id and name in one text shared by all (the sky stays resident
// while the pole is monitored, so its 17 000 stars take 0.8 MB instead of 1.8).
struct SkyStar
{
    double raDeg = 0, decDeg = 0;
    double pmRaCosDecMasYr = 0, pmDecMasYr = 0;
    double vmag = 0;
    uint32_t namesAt = 0; // where "id\0name\0" starts in the names text

    // The star as the astrometry takes it (without id and name).
    CatalogStar place() const;
    std::string_view id() const;
    std::string_view name() const;
};

// Every catalogue star, in file order (north by magnitude, then south by magnitude).
const std::vector<SkyStar> &polarCatalog();

// Index of the star whose id or name equals `key`, or -1.
int findCatalogStar(const std::string &key);

} // namespace karvix::sim

#endif // KARVIX_SIM_CATALOG_H
