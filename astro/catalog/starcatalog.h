// starcatalog.h - the rows of the star catalogue (resources/catalog/polar_stars.csv), read by one
// set of rules for every user: the pattern stars' geometry (astro), the refinement of a plate
// solution (solve) and the simulated sky (karvix).
//
// It is a static library of its own beside astro, in plain C++ without Qt: libkarvix has no Qt
// and must not link astro, so it links this too. It is built position-independent with hidden
// symbols and stays inside libkarvix (karvix.map exports none of it).
#ifndef STARCATALOG_H
#define STARCATALOG_H

#include <limits>
#include <string>
#include <string_view>
#include <vector>

struct CatalogStar
{
    double raDeg = 0, decDeg = 0;               // ICRS, epoch J2000.0
    double pmRaCosDecMasYr = 0, pmDecMasYr = 0; // proper motion, mu_alpha* = mu_alpha cos(dec)
    double vmag = std::numeric_limits<double>::quiet_NaN();
    std::string id;   // "HIP 11767" or "TYC a-b-c"
    std::string name; // "Polaris (alpha UMi)", often empty
};

// The proper motion as ERFA wants it, radians per Julian year: the rate of RA itself (not times
// cos dec; no catalogue star is at a pole) and of Dec.
double pmRaRadPerYear(const CatalogStar &star);
double pmDecRadPerYear(const CatalogStar &star);

// The stars of the catalogue's CSV text, in file order. The first line is the header; then one
// star a line with the columns id, ra_deg, dec_deg, epoch, pmra_mas_yr, pmdec_mas_yr,
// parallax_mas, vmag, name (no field holds a comma; a line may end in CR LF). Numbers are read
// without the locale (which may use a decimal comma). A line is a star when it has an id, a
// readable RA, a Dec between -90 and 90 degrees (exclusive) and a readable magnitude; empty proper
// motions (unknown) read as 0. Any other line is left out; the ids of those that have one go to
// `unusableIds`.
std::vector<CatalogStar> parseCatalog(std::string_view text, std::vector<std::string> *unusableIds = nullptr);

#endif // STARCATALOG_H
