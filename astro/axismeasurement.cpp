// axismeasurement.cpp - the axis centre with the sky's turn between the RA positions taken out
// (see axismeasurement.h).
#include "axismeasurement.h"

#include "staralgorithms.h"

#include <algorithm>
#include <cmath>

namespace axismeasurement {

namespace {

using axisfit::positionCount;

// Each pass turns the places back about the pole's image where the previous pass's rotation puts
// it; the second pass moves the centre by hundredths of a pixel, the third by nothing measurable.
constexpr int skyTurnPasses = 3;

bool finite(const cv::Point2d &p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

cv::Vec3d direction(const cv::Point2d &p, const axisfit::Lens &lens)
{
    const cv::Point2d d = (p - lens.opticalCentre) / lens.focalPx;
    return cv::normalize(cv::Vec3d(d.x, d.y, 1.0));
}

// p turned by `angle` radians (clockwise on the screen) about `centre` in the image plane.
cv::Point2d turnedInPlane(const cv::Point2d &p, double angle, const cv::Point2d &centre)
{
    const cv::Point2d d = p - centre;
    return centre
        + cv::Point2d(
            d.x * std::cos(angle) - d.y * std::sin(angle), d.x * std::sin(angle) + d.y * std::cos(angle));
}

Measurement failed(const char *why)
{
    Measurement m;
    m.failure = why;
    return m;
}

bool circle(const std::array<cv::Point2d, positionCount> &p, cv::Point2d *centre, int *radius)
{
    return starAlgorithms.CalcAxisCenter(
               p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, &centre->x, &centre->y, radius)
        == 0
        && finite(*centre);
}

// The largest distance of one of the picked star's places from the mean distance to `centre`:
// a star that turned about the centre keeps its distance.
double radiusSpread(const std::array<cv::Point2d, positionCount> &picked, const cv::Point2d &centre)
{
    std::array<double, positionCount> r {};
    double mean = 0;
    for (int k = 0; k < positionCount; ++k) {
        r[size_t(k)] = cv::norm(picked[size_t(k)] - centre);
        mean += r[size_t(k)] / positionCount;
    }
    double spread = 0;
    for (double radius : r)
        spread = std::max(spread, std::abs(radius - mean));
    return spread;
}

} // namespace

double skyTurnRad(const SkyTurn &sky, int k)
{
    const double seconds = sky.utc[size_t(k)] - sky.utc[0];
    if (sky.hemisphere == 0 || !std::isfinite(seconds))
        return 0.0;
    return -sky.hemisphere * siderealRadPerSec * seconds;
}

cv::Point2d turnedBack(const cv::Point2d &p, const cv::Point2d &pole, double angle, const axisfit::Lens &lens)
{
    if (!(lens.focalPx > 0) || !std::isfinite(lens.focalPx))
        return turnedInPlane(p, -angle, pole);
    // Rodrigues' turn of p's direction about the pole's direction; a turn clockwise on the screen
    // is right-handed about the direction into the picture (x right, y down, z forward).
    const cv::Vec3d axis = direction(pole, lens), v = direction(p, lens);
    const double c = std::cos(-angle), s = std::sin(-angle);
    const cv::Vec3d turned = v * c + axis.cross(v) * s + axis * (axis.dot(v) * (1 - c));
    if (!(turned[2] > 0))
        return p;
    return lens.opticalCentre + cv::Point2d(turned[0], turned[1]) * (lens.focalPx / turned[2]);
}

cv::Point2d poleAtFirstPosition(const PoleSighting &seen, const std::array<cv::Point2d, positionCount> &picked,
    const std::vector<cv::Point2d> &firstField, const SkyTurn &sky, const axisfit::Lens &lens)
{
    cv::Point2d centre;
    int radius = 0;
    if (!finite(seen.pole) || seen.field.empty() || firstField.empty() || !circle(picked, &centre, &radius))
        return seen.pole;
    // The sighting's stars as they would stand at the first position's time, the RA axis unturned.
    const double skyTurn = sky.hemisphere == 0 || !std::isfinite(seen.utc - sky.utc[0])
        ? 0.0
        : -sky.hemisphere * siderealRadPerSec * (seen.utc - sky.utc[0]);
    std::array<std::vector<cv::Point2d>, positionCount> fields;
    for (const cv::Point2d &p : seen.field)
        fields[0].push_back(turnedBack(p, seen.pole, skyTurn, lens));
    fields[1] = firstField;
    const axisfit::Rotation raTurn = axisfit::refineRotation(fields, {centre, {}});
    return turnedInPlane(seen.pole, raTurn.angles[1], centre);
}

Measurement measureAxis(const std::array<cv::Point2d, positionCount> &picked,
    const std::array<std::vector<cv::Point2d>, positionCount> &fields, const SkyTurn &sky,
    const axisfit::Lens &lens, bool useField)
{
    for (const cv::Point2d &p : picked)
        if (!finite(p))
            return failed("a position of the picked star is not a number");
    const bool turnOut = sky.hemisphere != 0 && finite(sky.poleAtFirst);

    Measurement m;
    cv::Point2d centre;
    if (!circle(picked, &centre, &m.threePointRadius))
        return failed("the picked star's three places define no circle");
    axisfit::Rotation rotation = axisfit::rotationOfPickedStar(picked, centre);
    std::array<cv::Point2d, positionCount> still = picked; // the places without the sky's turn
    for (int pass = 0; pass < (turnOut ? skyTurnPasses : 1); ++pass) {
        std::array<std::vector<cv::Point2d>, positionCount> field = fields;
        still = picked;
        if (turnOut) {
            for (int k = 1; k < positionCount; ++k) {
                const cv::Point2d pole
                    = turnedInPlane(sky.poleAtFirst, rotation.angles[size_t(k)], rotation.centre);
                const double angle = skyTurnRad(sky, k);
                still[size_t(k)] = turnedBack(picked[size_t(k)], pole, angle, lens);
                for (cv::Point2d &p : field[size_t(k)])
                    p = turnedBack(p, pole, angle, lens);
            }
        }
        if (!circle(still, &m.threePointCentre, &m.threePointRadius))
            return failed("the picked star's three places define no circle");
        rotation = axisfit::rotationOfPickedStar(still, m.threePointCentre);
        m.fit = axisfit::CentreFit();
        if (useField) {
            const axisfit::Rotation rough = axisfit::refineRotation(field, rotation);
            m.fit = axisfit::fitRotationCentre(axisfit::matchStars(field, rough), rough, lens);
            if (m.fit.ok)
                rotation = {m.fit.centre, m.fit.angles};
        }
    }
    if (!axisfit::chooseAxisCentre(still, m.threePointCentre, m.fit, &m.centre))
        return failed("neither the circle nor the field defines a centre");

    // What the rotation model leaves: the positions' disagreement about one centre (measured only
    // where the field was fitted), and the sky's turn about a pole known to poleUncertaintyPx.
    m.inconsistencyPx = std::max(m.fit.ok ? m.fit.pairSpreadPx : 0.0,
        m.centre.fromAllStars ? radiusSpread(still, m.centre.centre) : 0.0);
    double largestTurn = 0;
    for (int k = 1; k < positionCount; ++k)
        largestTurn = std::max(largestTurn, std::abs(skyTurnRad(sky, k)));
    const double modelPx = turnOut ? largestTurn * poleUncertaintyPx : 0.0;
    const double movedPx = std::max(0.0, m.inconsistencyPx - pairNoisePx);
    m.centre.covariance += cv::Matx22d::eye() * ((movedPx * movedPx + modelPx * modelPx) / 2);
    m.consistent = m.inconsistencyPx <= maxInconsistencyPx;
    m.ok = true;
    return m;
}

} // namespace axismeasurement
