// catalogrefinement.h - sharpening a plate solution with the Tycho-2 stars around the poles.
//
// The solver's WCS is fitted to the few index stars it matched, with second-order distortion
// terms; on a wide field around the pole that leaves errors of half a pixel at the edges and a
// twist of a tenth of a degree. Matching every bright extracted star to the catalogue at the
// frame's instant (proper motion applied) and fitting the TAN projection to all of them removes
// both. The catalogue is the embedded resources/catalog/polar_stars.csv (catalog_resources).
#ifndef CATALOGREFINEMENT_H
#define CATALOGREFINEMENT_H

#include "platesolution.h"

// Refines `solution` in place; leaves it as it was (and logs why) when the catalogue
// is missing or too few stars match. Returns the number of stars the refined WCS rests on (0 when
// not refined).
int refineWithCatalogue(PlateSolution *solution, double utcSeconds,
    const QString &catalogPath = QStringLiteral(":/catalog/polar_stars.csv"));

#endif // CATALOGREFINEMENT_H
