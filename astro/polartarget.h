// polartarget.h - how close to the pole the mount's axis must be for the user's own imaging: the
// largest polar error whose effects stay under one pixel of the imaging camera within one exposure.
//
// A polar error p (the RA axis p off the true pole) does two things to an exposure of t seconds:
//  (a) the stars drift, at most omega*p*t on the sky (omega the sidereal rate): the sky turns about
//      the true pole and the mount about its own axis, and the two turns differ by a shift of that
//      size; the hour angle decides how much of it goes into declination.
//  (b) the field turns about the guided point by at most omega*p*t/cos(dec) radians, which moves the
//      sensor's corner, half a diagonal from the centre, by that angle times the half-diagonal.
// The target is the p that keeps both under one imaging pixel, never below what the pole camera
// can measure.
#ifndef POLARTARGET_H
#define POLARTARGET_H

#include <optional>

namespace polartarget {

// The pole camera (about 30.5" a pixel, its pole averaged over frames) tells the axis no finer
// than this; a stricter target could never be reached, so the target is held there.
constexpr double measurableArcsec = 5.0;
// "Anywhere": declinations up to this far from the equator. The field's turn grows as 1/cos(dec)
// and without end at the pole; targets closer to it than 10 degrees are imaged rarely.
constexpr double anywhereDeclinationDeg = 80.0;

struct ImagingSetup
{
    double focalLengthMm = 0;
    double pixelSizeUm = 0;
    int sensorWidthPx = 0;
    int sensorHeightPx = 0;
    double exposureS = 0;                 // the longest exposure
    std::optional<double> declinationDeg; // of the target; none: anywhere
};

// The largest polar error in arcseconds the setup allows (at least measurableArcsec); 0, no
// target, when any value is missing, not a number, zero or negative, or a declination beyond 90.
double targetArcsec(const ImagingSetup &setup);

} // namespace polartarget

#endif // POLARTARGET_H
