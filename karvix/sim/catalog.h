// catalog.h - the star catalogue the simulated sky is made of.
//
// The rows of resources/catalog/polar_stars.csv (Tycho-2 around both celestial poles, ICRS at
// epoch J2000.0), embedded into the library at build time so that it works wherever it is loaded
// from. The file is parsed once, on first use.
#ifndef KARVIX_SIM_CATALOG_H
#define KARVIX_SIM_CATALOG_H

#include "starcatalog.h"

#include <string>
#include <vector>

namespace karvix::sim {

// Every catalogue star, in file order (north by magnitude, then south by magnitude).
const std::vector<CatalogStar> &polarCatalog();

// Index of the star whose id or name equals `key`, or -1.
int findCatalogStar(const std::string &key);

} // namespace karvix::sim

#endif // KARVIX_SIM_CATALOG_H
