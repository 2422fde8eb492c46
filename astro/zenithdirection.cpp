// zenithdirection.cpp - star places around the pole with ERFA, and the image turn they give.
#include "zenithdirection.h"

#include "utcclock.h"

#include <QtGlobal>
#include <cmath>
#include <erfa.h>
#include <erfam.h>

namespace {

double cross(double ax, double ay, double bx, double by)
{
    return ax * by - ay * bx;
}

} // namespace

std::optional<AroundPole> starAroundPole(
    const CatalogStar &star, double utcSeconds, double latitudeDeg, double longitudeDeg)
{
    if (!std::isfinite(utcSeconds) || !std::isfinite(latitudeDeg) || !std::isfinite(longitudeDeg)
        || std::fabs(latitudeDeg) > 90 || !std::isfinite(star.raDeg) || !std::isfinite(star.decDeg)) {
        qCritical("Zenith direction: unusable star, instant or site (utc %g s, latitude %g, longitude %g)",
            utcSeconds, latitudeDeg, longitudeDeg);
        return std::nullopt;
    }
    const UtcJulianDate utc = utcJulianDate(utcSeconds);
    double azimuth = 0, zenithDistance = 0, hourAngle = 0, declination = 0, ra = 0, eo = 0;
    // UT1 taken as UTC and no polar motion, as the pole of date is elsewhere in the program;
    // pressure 0: the place without refraction, which is what the correction is measured against.
    if (eraAtco13(star.raDeg * ERFA_DD2R, star.decDeg * ERFA_DD2R, pmRaRadPerYear(star),
            pmDecRadPerYear(star), 0, 0, utc.day, utc.fraction, 0, longitudeDeg * ERFA_DD2R,
            latitudeDeg * ERFA_DD2R, 0, 0, 0, 0, 10, 0.5, 0.55, &azimuth, &zenithDistance, &hourAngle,
            &declination, &ra, &eo)
        < 0) {
        qCritical("Zenith direction: ERFA rejects the instant %g s", utcSeconds);
        return std::nullopt;
    }
    // The star and the directions at the pole in the horizon frame (x east, y north, z up).
    const double sz = std::sin(zenithDistance);
    double starDir[3] = {sz * std::sin(azimuth), sz * std::cos(azimuth), std::cos(zenithDistance)};
    const double latitude = latitudeDeg * ERFA_DD2R;
    const double north = latitudeDeg < 0 ? -1.0 : 1.0;
    double poleDir[3] = {0, north * std::cos(latitude), north * std::sin(latitude)};
    // Up along the meridian from the pole: the pole's altitude grows.
    double zenithward[3] = {0, -north * std::sin(std::fabs(latitude)), std::cos(latitude)};
    double eastward[3] = {1, 0, 0};
    const double alongPole = eraPdp(starDir, poleDir);
    if (!(alongPole > 0)) {
        qCritical("Zenith direction: the star is not on the side of the visible pole");
        return std::nullopt;
    }
    // Gnomonic, as the camera projects: the angles on the plane tangent at the pole.
    return AroundPole {std::atan(eraPdp(starDir, zenithward) / alongPole) * ERFA_DR2D,
        std::atan(eraPdp(starDir, eastward) / alongPole) * ERFA_DR2D};
}

int eastTurnInImage(const AroundPole &a, const AroundPole &b, const ImagePosition &poleInImage,
    const ImagePosition &aInImage, const ImagePosition &bInImage)
{
    // Image: y grows downwards, so counter-clockwise is positive with -y. Sky: east a quarter turn
    // from the zenith counts positive in (zenith, east) coordinates.
    const double image = cross(aInImage.x - poleInImage.x, -(aInImage.y - poleInImage.y),
        bInImage.x - poleInImage.x, -(bInImage.y - poleInImage.y));
    const double sky = cross(a.towardsZenithDeg, a.towardsEastDeg, b.towardsZenithDeg, b.towardsEastDeg);
    if (image == 0 || sky == 0 || !std::isfinite(image) || !std::isfinite(sky))
        return 0;
    return (image > 0) == (sky > 0) ? 1 : -1;
}

double zenithToLineTurnDeg(const AroundPole &a, const AroundPole &b, int eastTurn)
{
    return std::atan2(
               eastTurn * (b.towardsEastDeg - a.towardsEastDeg), b.towardsZenithDeg - a.towardsZenithDeg)
        * ERFA_DR2D;
}
