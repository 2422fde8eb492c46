// apparentsky.h - where the catalogue stars and the pole are seen from the site, with ERFA.
//
// Star-independent parameters come from eraApco13 (precession-nutation, Earth's position and
// velocity, site, refraction constants). A star goes catalogue -> CIRS with eraAtciq (proper
// motion, light deflection, annual aberration, frame bias, precession-nutation) and CIRS ->
// observed with eraAtioq (Earth rotation, diurnal aberration, refraction). The CIRS places change
// slowly, so a caller may keep them and only redo the CIRS -> observed step as the Earth turns
// (eraAper13 updates the Earth rotation angle in place).
//
// Directions are unit vectors of the site's horizon frame: x east, y north, z up.
// UT1 is taken equal to UTC (DUT1 = 0) and polar motion as zero.
#ifndef KARVIX_SIM_APPARENTSKY_H
#define KARVIX_SIM_APPARENTSKY_H

#include "catalog.h"
#include "simtypes.h"

#include <erfa.h>
#include <erfam.h> // ERFA_DD2R and the other angle units
#include <opencv2/core/matx.hpp>

namespace karvix::sim {

using Vec3 = cv::Vec3d;

// +1 when the north celestial pole is the visible one, -1 for the south.
inline int hemisphereSign(const Site &site)
{
    return site.latitudeDeg < 0 ? -1 : 1;
}

// Fills `astrom` for the site at the given UTC (seconds since 1970-01-01T00:00:00 UTC).
// Without aberration the stars keep their mean places of date (the observer's velocity, orbital and
// diurnal, taken as zero). False when ERFA rejects the date.
bool prepareAstrom(const Site &site, double unixSeconds, bool annualAberration, eraASTROM &astrom);

// Brings the Earth rotation angle of prepared parameters to the given time.
void updateEarthRotation(double unixSeconds, eraASTROM &astrom);

// Observed direction of a star given by its CIRS place.
Vec3 cirsToHorizon(double ri, double di, eraASTROM &astrom);

// CIRS place of a catalogue star.
void catalogToCirs(const CatalogStar &star, eraASTROM &astrom, double &ri, double &di);

// Observed direction of a catalogue star (both steps above).
Vec3 catalogToHorizon(const CatalogStar &star, eraASTROM &astrom);

// The visible celestial pole (the Earth's rotation axis), without refraction.
Vec3 truePoleHorizon(const Site &site);

// Where the visible pole appears through the atmosphere (and diurnal aberration).
Vec3 refractedPoleHorizon(const Site &site, eraASTROM &astrom);

// The rotation CIRS -> horizon without refraction or aberration, good to a few arcminutes, for
// deciding cheaply which stars can be in the field.
cv::Matx33d cirsToHorizonRotation(const eraASTROM &astrom);

// Unit vector of a direction given by azimuth (from north through east) and altitude, radians.
Vec3 horizonVector(double azimuthRad, double altitudeRad);

// Sidereal turn of the sky in the given time: the Earth rotation angle's rate, radians per second.
constexpr double kEarthRotationRadPerSec = 2.0 * M_PI * 1.00273781191135448 / 86400.0;

} // namespace karvix::sim

#endif // KARVIX_SIM_APPARENTSKY_H
