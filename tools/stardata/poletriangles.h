// poletriangles.h - the angles of the triangles A-B-P and D-B-P on the sky, P being the celestial
// pole of date, from catalogue positions with ERFA.
//
// Star places: the catalogue's ICRS J2000 positions carried to the date with their proper motion
// (ERFA pmsafe; the catalogue has no parallaxes or radial velocities), without aberration or
// refraction: these shift stars and pole nearly alike over a field of a few degrees. P is the
// celestial intermediate pole of the IAU 2006 precession and IAU 2000A nutation (ERFA pn06 with
// nut06a), expressed in the GCRS, or its opposite for the southern pole. The date is 23 May, 0h UTC.
#ifndef POLETRIANGLES_H
#define POLETRIANGLES_H

#include <QString>
#include <QStringList>
#include <QVector>

struct CatalogStar
{
    double raDeg = 0, decDeg = 0;               // ICRS, epoch J2000.0
    double pmRaCosDecMasYr = 0, pmDecMasYr = 0; // proper motion
};

// The stars with the given ids ("HIP 11767") from the catalogue CSV (resources/catalog), in the order
// of `ids`. Returns false and says why when the file cannot be read or a star is missing.
bool readCatalogStars(
    const QString &csvPath, const QStringList &ids, QVector<CatalogStar> *stars, QString *error);

struct PoleTriangleAngles
{
    double bap = 0; // degrees: at A between B and P
    double abp = 0; // at B between A and P
    double dbp = 0; // at B between D and P
};

// The sign of the nutation in longitude. The older epochs of the shipped tables were computed with
// it reversed, which moves the pole by up to 15"; Reversed reproduces them.
enum class NutationInLongitude { Correct, Reversed };

enum class Hemisphere { North, South };

PoleTriangleAngles poleTriangleAngles(Hemisphere hemisphere, const CatalogStar &a, const CatalogStar &b,
    const CatalogStar &d, int year, NutationInLongitude nutation = NutationInLongitude::Correct);

#endif // POLETRIANGLES_H
