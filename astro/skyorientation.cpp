// skyorientation.cpp - the pole of date with ERFA and the image geometry around it.
#include "skyorientation.h"

#include "refraction.h"
#include "utcclock.h"

#include <QtGlobal>
#include <cmath>
#include <erfa.h>
#include <erfam.h>

namespace {

constexpr double referenceOffsetRad = 1.0 * ERFA_DD2R;

SkyPlace astrometricOfCirs(double ri, double di, eraASTROM *astrom)
{
    double rc = 0, dc = 0;
    eraAticq(ri, di, astrom, &rc, &dc);
    return {eraAnp(rc) * ERFA_DR2D, dc * ERFA_DR2D};
}

} // namespace

bool poleReferences(double utcSeconds, double latitudeDeg, double longitudeDeg, PoleReferences *references)
{
    if (!std::isfinite(utcSeconds) || !std::isfinite(latitudeDeg) || !std::isfinite(longitudeDeg)
        || std::fabs(latitudeDeg) > 90) {
        qCritical("Pole of date: unusable instant or site (utc %g s, latitude %g, longitude %g)", utcSeconds,
            latitudeDeg, longitudeDeg);
        return false;
    }
    const UtcJulianDate utc = utcJulianDate(utcSeconds);
    eraASTROM astrom;
    double equationOfOrigins = 0;
    // UT1 is taken as UTC and polar motion as zero; no refraction here (pressure 0): the caller's
    // WCS carries it. The site's velocity enters the aberration taken back (diurnal aberration).
    if (eraApco13(utc.day, utc.fraction, 0.0, longitudeDeg * ERFA_DD2R, latitudeDeg * ERFA_DD2R, 0.0, 0.0,
            0.0, 0.0, 10.0, 0.5, 0.55, &astrom, &equationOfOrigins)
        < 0) {
        qCritical("Pole of date: ERFA rejects the instant %g s", utcSeconds);
        return false;
    }
    // In the CIRS the visible pole is at declination +-90 degrees; the zenith lies on the meridian,
    // hour angle 0, so at right ascension equal to the local Earth rotation angle; the east point at
    // hour angle -6 h.
    const double sign = latitudeDeg < 0 ? -1.0 : 1.0;
    const double nearPole = sign * (ERFA_DPI / 2 - referenceOffsetRad);
    references->pole = astrometricOfCirs(0.0, sign * ERFA_DPI / 2, &astrom);
    references->towardsZenith = astrometricOfCirs(astrom.eral, nearPole, &astrom);
    references->towardsEast = astrometricOfCirs(astrom.eral + ERFA_DPI / 2, nearPole, &astrom);
    references->poleAltitudeDeg = std::fabs(latitudeDeg);
    return true;
}

double imageAngleDeg(double dx, double dy)
{
    return std::atan2(-dy, dx) * ERFA_DR2D;
}

ImagePosition poleWithoutRefraction(const ImagePosition &refractedPole, double zenithAngleDeg,
    double zenithArcsecPerPx, double refractionArcsec)
{
    const double liftPx = refractionArcsec / zenithArcsecPerPx;
    const double angle = zenithAngleDeg * ERFA_DD2R;
    return {refractedPole.x - liftPx * std::cos(angle), refractedPole.y + liftPx * std::sin(angle)};
}

AxisErrorArcsec axisErrorArcsec(
    const PoleInImage &pole, const ImagePosition &axis, double pressureKPa, double temperatureC)
{
    // The offset in pixels as a sum of the zenith and east directions (a mirrored image has them
    // the other way round, which solving the 2 x 2 system handles).
    const double z = pole.zenithAngleDeg * ERFA_DD2R, e = pole.eastAngleDeg * ERFA_DD2R;
    const double ux = std::cos(z), uy = -std::sin(z), ex = std::cos(e), ey = -std::sin(e);
    const double dx = axis.x - pole.pole.x, dy = axis.y - pole.pole.y;
    const double det = ux * ey - uy * ex;
    if (std::fabs(det) < 1e-6 || !(pole.zenithArcsecPerPx > 0) || !(pole.eastArcsecPerPx > 0)) {
        qCritical("Axis error: the zenith (%g deg) and east (%g deg) directions do not span the image",
            pole.zenithAngleDeg, pole.eastAngleDeg);
        return {};
    }
    const double alongZenithPx = (dx * ey - dy * ex) / det;
    const double alongEastPx = (ux * dy - uy * dx) / det;
    // The pixels lie on the sky's geometry, the WCS's scales on the catalogue's angles between
    // refracted stars. Refraction falls with altitude, so two stars one above the other appear
    // closer by the factor 1 - dR/dh, and it lifts every star towards the zenith, so two side by
    // side converge by 1 - R cot z: a pixel spans that much less of the sky's geometry than the WCS
    // says.
    const double stepDeg = 0.05;
    const double refractionRate
        = (physicalPoleRefractionArcsec(pole.poleAltitudeDeg - stepDeg, pressureKPa, temperatureC)
              - physicalPoleRefractionArcsec(pole.poleAltitudeDeg + stepDeg, pressureKPa, temperatureC))
        / (2 * stepDeg * 3600);
    // The axis's direction from its tangent-plane offsets at the pole, in the horizon frame (x
    // east, y towards the pole's azimuth, z up), and its altitude and azimuth from that: for an
    // axis a degree off, the offsets alone would be wrong by arcseconds to tens of them.
    const double altitude = pole.poleAltitudeDeg * ERFA_DD2R;
    const double convergence = physicalPoleRefractionArcsec(pole.poleAltitudeDeg, pressureKPa, temperatureC)
        * ERFA_DAS2R * std::tan(altitude);
    const double up = alongZenithPx * pole.zenithArcsecPerPx * (1 - refractionRate) * ERFA_DAS2R;
    const double east = alongEastPx * pole.eastArcsecPerPx * (1 - convergence) * ERFA_DAS2R;
    double axisDirection[3]
        = {east, std::cos(altitude) - up * std::sin(altitude), std::sin(altitude) + up * std::cos(altitude)};
    double norm = 0;
    eraPn(axisDirection, &norm, axisDirection);
    const double axisAltitude = std::asin(axisDirection[2]);
    // Facing the pole, east is to the right in the north and to the left in the south; both ways
    // the angle from the pole's azimuth towards x is the turn towards east.
    const double eastwardAzimuth = std::atan2(axisDirection[0], axisDirection[1]);
    return {(axisAltitude - altitude) * ERFA_DR2AS, eastwardAzimuth * ERFA_DR2AS};
}
