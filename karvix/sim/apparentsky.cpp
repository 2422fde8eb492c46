#include "apparentsky.h"

#include <cmath>

namespace karvix::sim {
namespace {

constexpr double kUnixEpochJd = 2440587.5;
// Refraction constants are for this humidity and wavelength (the middle of a mono sensor's
// sensitivity); they change the refraction near the pole by well under an arcsecond.
constexpr double kRelativeHumidity = 0.5;
constexpr double kWavelengthUm = 0.55;

// Two-part Julian date of a Unix time, the fraction kept small for precision. Unix time has
// 86,400 s in every day, as ERFA's quasi-JD UTC has on days without a leap second.
void julianDate(double unixSeconds, double &jd1, double &jd2)
{
    const double days = unixSeconds / 86400.0;
    const double wholeDays = std::floor(days);
    jd1 = kUnixEpochJd + wholeDays;
    jd2 = days - wholeDays;
}

} // namespace

bool prepareAstrom(const Site &site, double unixSeconds, bool annualAberration, eraASTROM &astrom)
{
    double utc1, utc2, eo;
    julianDate(unixSeconds, utc1, utc2);
    if (eraApco13(utc1, utc2, 0.0, site.longitudeDeg * ERFA_DD2R, site.latitudeDeg * ERFA_DD2R, site.heightM,
            0.0, 0.0, site.pressureHpa, site.temperatureC, kRelativeHumidity, kWavelengthUm, &astrom, &eo)
        < 0)
        return false;
    if (!annualAberration) {
        // eraAtciq aberrates with the observer's barycentric velocity v (the Earth's orbit plus the
        // site's rotation, as eraApco13 sets it) and its Lorentz factor.
        astrom.v[0] = astrom.v[1] = astrom.v[2] = 0.0;
        astrom.bm1 = 1.0;
    }
    return true;
}

void updateEarthRotation(double unixSeconds, eraASTROM &astrom)
{
    double ut1, ut2;
    julianDate(unixSeconds, ut1, ut2);
    eraAper13(ut1, ut2, &astrom);
}

Vec3 horizonVector(double azimuthRad, double altitudeRad)
{
    const double c = std::cos(altitudeRad);
    return {std::sin(azimuthRad) * c, std::cos(azimuthRad) * c, std::sin(altitudeRad)};
}

Vec3 cirsToHorizon(double ri, double di, eraASTROM &astrom)
{
    double aob, zob, hob, dob, rob;
    eraAtioq(ri, di, &astrom, &aob, &zob, &hob, &dob, &rob);
    return horizonVector(aob, M_PI / 2 - zob);
}

void catalogToCirs(const CatalogStar &star, eraASTROM &astrom, double &ri, double &di)
{
    eraAtciq(star.raDeg * ERFA_DD2R, star.decDeg * ERFA_DD2R, pmRaRadPerYear(star), pmDecRadPerYear(star),
        0.0, 0.0, &astrom, &ri, &di);
}

Vec3 catalogToHorizon(const CatalogStar &star, eraASTROM &astrom)
{
    double ri, di;
    catalogToCirs(star, astrom, ri, di);
    return cirsToHorizon(ri, di, astrom);
}

Vec3 truePoleHorizon(const Site &site)
{
    const double phi = site.latitudeDeg * ERFA_DD2R;
    const Vec3 north(0.0, std::cos(phi), std::sin(phi));
    return hemisphereSign(site) > 0 ? north : -north;
}

Vec3 refractedPoleHorizon(const Site &site, eraASTROM &astrom)
{
    return cirsToHorizon(0.0, hemisphereSign(site) * M_PI / 2, astrom);
}

cv::Matx33d cirsToHorizonRotation(const eraASTROM &astrom)
{
    // CIRS -> local equatorial frame (x at the meridian on the equator, y east, z the pole):
    // a rotation by the local Earth rotation angle about z. Then local equatorial -> horizon.
    const double c = std::cos(astrom.eral), s = std::sin(astrom.eral);
    const cv::Matx33d toLocal(c, s, 0, -s, c, 0, 0, 0, 1);
    const double sp = astrom.sphi, cp = astrom.cphi; // eraApco13 leaves astrom.phi unset
    const cv::Matx33d toHorizon(0, 1, 0, -sp, 0, cp, cp, 0, sp);
    return toHorizon * toLocal;
}

} // namespace karvix::sim
