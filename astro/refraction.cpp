// refraction.cpp - the physical refraction at the pole, from ERFA's refraction constants.
#include "refraction.h"

#include <algorithm>
#include <cmath>
#include <erfa.h>
#include <erfam.h>

namespace {

constexpr double relativeHumidity = 0.5;
constexpr double wavelengthUm = 0.55;
// ERFA's floor for the sine of the altitude, where A tan z + B tan^3 z stops being usable.
constexpr double minimumSinAltitude = 0.05;

} // namespace

double physicalPoleRefractionArcsec(double latitudeDeg, double pressureKPa, double temperatureC)
{
    double a = 0, b = 0;
    eraRefco(pressureKPa * 10, temperatureC, relativeHumidity, wavelengthUm, &a, &b);
    const double altitude = std::min(std::fabs(latitudeDeg), 90.0) * ERFA_DD2R;
    const double cosZ = std::max(std::sin(altitude), minimumSinAltitude);
    const double tanZ = std::cos(altitude) / cosZ;
    // A and B belong to the observed zenith distance, the pole's is the true one: one Newton step
    // from the true one finds the refraction, as ERFA's own CIRS-to-observed transformation does.
    const double w = b * tanZ * tanZ;
    return (a + w) * tanZ / (1 + (a + 3 * w) / (cosZ * cosZ)) * ERFA_DR2AS;
}
