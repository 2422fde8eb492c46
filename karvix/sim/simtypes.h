// simtypes.h - plain values of the simulated sky camera's C++ interface.
#ifndef KARVIX_SIM_SIMTYPES_H
#define KARVIX_SIM_SIMTYPES_H

#include <string>

namespace karvix::sim {

// The observer. Pressure 0 switches atmospheric refraction off.
struct Site
{
    double latitudeDeg = 39.9;   // geodetic, north positive; the visible pole is the one on this side
    double longitudeDeg = 116.3; // east positive
    double heightM = 50;
    double pressureHpa = 1010;
    double temperatureC = 10;
};

// A point of the 1280 x 960 frame in pixels: x to the right, y downwards, the centre of pixel
// (i, j) is the point (i, j).
struct ImagePoint
{
    double x = 0;
    double y = 0;
};

// How far the mount's polar axis is from the true celestial pole, in arcseconds. Altitude and
// azimuth are the axis's altitude minus the pole's and its azimuth minus the pole's (azimuth
// measured from north through east, in degrees of azimuth, so what the azimuth bolt changes);
// total is the angle on the sky between the axis and the pole.
struct PolarError
{
    double altitudeArcsec = 0;
    double azimuthArcsec = 0;
    double totalArcsec = 0;
};

// The night's conditions at the camera. A thin cloud dims the starlight in a patch of the frame
// (a Gaussian profile: full dimming at its centre, half at the radius); the sky background is the
// suburban site's times `skyBrightness` (moonlight or a town's glow: 5 to 20).
struct Conditions
{
    double seeingFwhmPx = 2.5;
    double skyBrightness = 1.0;
    ImagePoint cloudCentre;
    double cloudRadiusPx = 0;       // 0: a clear sky
    double cloudTransmission = 1.0; // of the starlight at the cloud's centre
};

// A catalogue star as it appears in the current frame.
struct StarTruth
{
    int catalogIndex = -1;
    std::string id;
    double vmag = 0;
    ImagePoint position;
};

} // namespace karvix::sim

#endif // KARVIX_SIM_SIMTYPES_H
