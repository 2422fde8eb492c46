// stargeometry.h - the angles of the pattern triangles for the instant of the program's clock.
//
// The pattern stars A, B and D of both hemispheres are read once from the catalogue table embedded
// with the star data (the six stars' rows of resources/catalog/polar_stars.csv, written by
// tools/stardata), and their apparent places give the angles of any instant (poletriangles.h).
// Without that table the yearly mean angles of the star data files serve instead, as they did
// before the program computed its own; they lack the annual aberration (up to 20" on the sky), and
// one critical line says so when the table is read.
#ifndef STARGEOMETRY_H
#define STARGEOMETRY_H

#include "hemispherestardata.h"
#include "poletriangles.h"
#include "zenithdirection.h"

#include <QString>
#include <QVector>

class StarGeometry
{
public:
    explicit StarGeometry(const QString &catalogPath = QStringLiteral(":/starData/PatternStars.csv"));

    bool hasCatalogue() const;

    // The angles of the hemisphere's triangles at utcSeconds (as utcNow() gives them), or those of
    // `shipped` when the catalogue could not be read.
    PoleTriangleAngles angles(
        Hemisphere hemisphere, double utcSeconds, const HemisphereStarData &shipped) const;

    // The turn from the zenith direction to the line from star A to star B (zenithdirection.h) at
    // utcSeconds and the site (latitude north positive, longitude east, degrees), the image's
    // handedness taken from the pole, A and B of a picture of the pattern (the template); NaN
    // without the catalogue or when the inputs are unusable. `eastTurn`, when given, receives the
    // handedness (eastTurnInImage), 0 with NaN.
    double zenithToLineTurnDeg(Hemisphere hemisphere, double utcSeconds, double latitudeDeg,
        double longitudeDeg, const ImagePosition &patternPole, const ImagePosition &patternA,
        const ImagePosition &patternB, int *eastTurn = nullptr) const;

private:
    QVector<CatalogStar> m_north; // A, B, D; empty without the catalogue
    QVector<CatalogStar> m_south;
};

#endif // STARGEOMETRY_H
