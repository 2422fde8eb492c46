// poletriangles.h - the angles of the triangles A-B-P and D-B-P on the sky, P being the celestial
// pole, from catalogue positions with ERFA.
//
// Two kinds of star places:
// - Mean places of a yearly epoch (poleTriangleAngles, the star data files): the catalogue's ICRS
//   J2000 positions carried to 23 May, 0h UTC, with their proper motion (ERFA pmsafe; the catalogue
//   has no parallaxes or radial velocities), without aberration or light deflection. P is the
//   celestial intermediate pole of the IAU 2006 precession and IAU 2000A nutation (ERFA pn06 with
//   nut06a), expressed in the GCRS.
// - Apparent places of an instant (apparentPoleTriangleAngles, the program at run time): proper
//   motion, light deflection by the Sun, annual aberration and the same precession-nutation, that is
//   the places in the CIRS seen from the Earth's centre (ERFA apci13 and atciq), whose pole is P.
//   Annual aberration moves every star near the pole by up to 20" in nearly the same direction but
//   leaves P where it is, so the angles at A and B change by tenths of a degree.
// Refraction is in neither: it is corrected on the measured stars. For the southern pole P is the
// opposite of the northern one.
#ifndef POLETRIANGLES_H
#define POLETRIANGLES_H

#include "starcatalog.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The stars with the given ids ("HIP 11767") from a catalogue CSV in the format of
// resources/catalog/polar_stars.csv (read as starcatalog.h reads it), in the order of `ids`. Returns
// false and says why when the file cannot be read or a star is missing or unusable.
bool readCatalogStars(
    const QString &csvPath, const QStringList &ids, QVector<CatalogStar> *stars, QString *error);

enum class Hemisphere { North, South };

// The catalogue ids of the hemisphere's pattern stars A, B (the pole star) and D.
QStringList patternStarIds(Hemisphere hemisphere);

struct PoleTriangleAngles
{
    double bap = 0; // degrees: at A between B and P
    double abp = 0; // at B between A and P
    double dbp = 0; // at B between D and P
};

// The sign of the nutation in longitude. The older epochs of the shipped tables were computed with
// it reversed, which moves the pole by up to 15"; Reversed reproduces them.
enum class NutationInLongitude { Correct, Reversed };

// Mean places on 23 May of `year`, 0h UTC.
PoleTriangleAngles poleTriangleAngles(Hemisphere hemisphere, const CatalogStar &a, const CatalogStar &b,
    const CatalogStar &d, int year, NutationInLongitude nutation = NutationInLongitude::Correct);

// Apparent places at an instant, UTC seconds since 1970 as utcNow() gives them.
PoleTriangleAngles apparentPoleTriangleAngles(Hemisphere hemisphere, const CatalogStar &a,
    const CatalogStar &b, const CatalogStar &d, double utcSeconds);

// The astrometric place of a catalogue star at an instant (UTC seconds since 1970): its ICRS
// direction carried along by its proper motion, without aberration or precession, as a plate
// solution's sky coordinates have it. Degrees.
void astrometricPlace(const CatalogStar &star, double utcSeconds, double *raDeg, double *decDeg);

#endif // POLETRIANGLES_H
