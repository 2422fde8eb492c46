// skyorientation.h - how the sky lies in a solved image: where the pole of date is, which way the
// zenith and the east are, and how far the RA axis is off the pole in altitude and azimuth.
//
// Usage: poleReferences() gives three astrometric places (the pole and points one degree from it
// towards the zenith and towards the east point). A plate solution's WCS, which is fitted to the
// catalogue places of refracted stars, puts them into the image where refraction shows them; from
// those pixels the caller fills PoleInImage, corrects the pole with poleWithoutRefraction() and
// then reads the axis error with axisErrorArcsec(). Pixels: x right, y down; image angles are
// counter-clockwise from +x, atan2(-dy, dx).
#ifndef SKYORIENTATION_H
#define SKYORIENTATION_H

struct SkyPlace
{
    double raDeg = 0;
    double decDeg = 0;
};

// The visible celestial pole of date (the CIP; the northern one for a northern latitude) and two
// points one degree from it, on the meridian towards the zenith and towards the east point, as
// astrometric (ICRS) places: aberration and precession-nutation taken back, so that a WCS fitted
// to catalogue places puts them where the sky shows them.
struct PoleReferences
{
    SkyPlace pole;
    SkyPlace towardsZenith;
    SkyPlace towardsEast;
    double poleAltitudeDeg = 0; // the true pole's altitude, |geodetic latitude|
};

// UTC seconds since 1970, geodetic latitude and east longitude in degrees. False (and a logged fault)
// when the values are not finite or ERFA rejects the date.
bool poleReferences(double utcSeconds, double latitudeDeg, double longitudeDeg, PoleReferences *references);

struct ImagePosition
{
    double x = 0;
    double y = 0;
};

// Image angle of a pixel offset, degrees in (-180, 180].
double imageAngleDeg(double dx, double dy);

// The pole in the image with the directions that tell altitude from azimuth.
struct PoleInImage
{
    ImagePosition pole;           // the true pole
    double zenithAngleDeg = 90;   // from the pole towards the zenith
    double eastAngleDeg = 0;      // from the pole towards the east point
    double zenithArcsecPerPx = 0; // plate scale along those two directions
    double eastArcsecPerPx = 0;
    double poleAltitudeDeg = 0;
};

// Refraction lifts the pole towards the zenith by refractionArcsec; this takes the lift back.
ImagePosition poleWithoutRefraction(const ImagePosition &refractedPole, double zenithAngleDeg,
    double zenithArcsecPerPx, double refractionArcsec);

// How far the RA axis (the pixel the image turns about) is from the true pole, as a person behind
// the mount facing the pole sees it: altitude positive when the axis points above the pole, azimuth
// positive when east of it, in arcseconds of altitude and of azimuth (the sky's angle divided by the
// cosine of the pole's altitude, what the azimuth bolt turns). The plate scales of a WCS fitted to
// refracted stars are larger than the camera's (most along the vertical, as refraction falls with
// altitude); with the site's pressure (kPa, 0 for none) and temperature that is taken back.
struct AxisErrorArcsec
{
    double altitude = 0;
    double azimuth = 0;
};
AxisErrorArcsec axisErrorArcsec(
    const PoleInImage &pole, const ImagePosition &axis, double pressureKPa, double temperatureC);

#endif // SKYORIENTATION_H
