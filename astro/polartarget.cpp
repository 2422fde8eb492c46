// polartarget.cpp - the polar error an imaging setup allows (see polartarget.h).
#include "polartarget.h"

#include <algorithm>
#include <cmath>

namespace polartarget {
namespace {

constexpr double siderealRadPerS = 7.2921159e-5; // the Earth's turn against the stars
constexpr double arcsecPerRad = 206264.806;
constexpr double pi = 3.14159265358979323846;

bool positive(double value)
{
    return std::isfinite(value) && value > 0;
}

} // namespace

// With p in radians, s = pixel / focal length the imaging pixel's angle and h the half-diagonal
// in pixels, one exposure of t seconds keeps
//  (a) the drift   omega*t*p         <= s, so p <= s / (omega*t);
//  (b) the corner  omega*t*p/cos(dec) * h <= 1 pixel, so p <= cos(dec) / (omega*t*h).
// (a) is Barrett's bound, "Determining Polar Axis Alignment Accuracy" (2008): E = 3.81*D/(t*cos dec)
// arcmin for a drift of D arcsec in t minutes (3.81 = 1/(60*omega), omega = 4.375e-3 radians a
// minute). Its 1/cos(dec) is left out: the shift on the sky is at most omega*p*t at every
// declination, so the bound here is the stricter one, and the declination acts through (b).
// (b) is the field rotation of Barrett's "On Polar Axis Alignment" (celestialwonders.com),
// F = E*t*d*f / (45000*cos dec) microns at d degrees from the guided point (E arcmin, t minutes,
// f mm): the same omega*t*p/cos(dec) turn, as 3437.75*57.30/(4.375e-3*1000) = 45024. The cos(dec)
// gives the largest turn over the hour angles.
double targetArcsec(const ImagingSetup &setup)
{
    const double dec = setup.declinationDeg.value_or(anywhereDeclinationDeg);
    if (!positive(setup.focalLengthMm) || !positive(setup.pixelSizeUm) || setup.sensorWidthPx <= 0
        || setup.sensorHeightPx <= 0 || !positive(setup.exposureS) || !std::isfinite(dec)
        || std::fabs(dec) > 90.0)
        return 0.0;
    const double turn = siderealRadPerS * setup.exposureS; // the sky's turn in one exposure, radians
    const double pixelRad = setup.pixelSizeUm * 1e-3 / setup.focalLengthMm;
    const double halfDiagonalPx = 0.5 * std::hypot(double(setup.sensorWidthPx), double(setup.sensorHeightPx));
    const double drift = pixelRad / turn;
    const double rotation = std::cos(std::fabs(dec) * pi / 180.0) / (turn * halfDiagonalPx);
    return std::max(std::min(drift, rotation) * arcsecPerRad, measurableArcsec);
}

} // namespace polartarget
