// staralgorithms.cpp - the numeric routines of the alignment (see staralgorithms.h).
#include "staralgorithms.h"

#include "starmeasure.h"

#include <QtGlobal>
#include <climits>
#include <cmath>
#include <initializer_list>

const StarAlgorithms starAlgorithms;

namespace {

constexpr double pi = 3.141592653589793;

double radians(double degrees)
{
    return degrees * pi / 180;
}

bool allFinite(std::initializer_list<double> values)
{
    for (double v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

// The apexes P of a triangle A-B-P with the angles alpha at A and beta at B (degrees). The two
// circles around A and B with the lengths of the sides AP and BP (law of sines) meet in the two
// mirror-image apexes, which lie on their common chord 2 dx x + 2 dy y = K; substituting that line
// into the circle around A gives N y^2 + M y + Q = 0.
struct Apexes
{
    enum Kind { Two, One, InvalidInput, NoApex, Undefined } kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

Apexes solveTriangle(double ax, double ay, double alpha, double bx, double by, double beta)
{
    const double sinAlpha = std::sin(radians(alpha));
    const double sinBeta = std::sin(radians(beta));
    const double sinGamma = std::sin(radians(180 - alpha - beta));
    // The chord is solved for x, which divides by bx - ax: stars in one pixel column are refused.
    if (sinGamma == 0 || ax == bx) {
        return {Apexes::InvalidInput};
    }
    const double distanceAB = std::sqrt((ax - bx) * (ax - bx) + (ay - by) * (ay - by));
    const double k = distanceAB / sinGamma;
    const double rA2 = (k * sinBeta) * (k * sinBeta);
    const double rB2 = (k * sinAlpha) * (k * sinAlpha);
    const double dx = bx - ax;
    const double dy = by - ay;
    const double K = rA2 - rB2 + bx * bx - ax * ax + by * by - ay * ay;
    const double L = dy / dx;
    const double N = L * L + 1;
    const double M = L * (2 * ax - K / dx) - 2 * ay;
    const double v = ax - K / (2 * dx);
    const double Q = ay * ay + v * v - rA2;
    const double delta = M * M - 4 * N * Q;
    const auto xOnChord = [&](double y) { return (K - 2 * dy * y) / (2 * dx); };

    if (std::isnan(delta)) {
        return {Apexes::Undefined};
    }
    if (delta < 0) {
        return {Apexes::NoApex};
    }
    Apexes result {delta == 0 ? Apexes::One : Apexes::Two};
    if (result.kind == Apexes::One) {
        result.y1 = -M / (2 * N);
    } else {
        result.y1 = (std::sqrt(delta) - M) / (2 * N);
        result.y2 = (-std::sqrt(delta) - M) / (2 * N);
        result.x2 = xOnChord(result.y2);
    }
    result.x1 = xOnChord(result.y1);
    // Extreme but finite inputs can overflow; such an apex is as undefined as a NaN discriminant.
    if (!allFinite({result.x1, result.y1, result.x2, result.y2})) {
        return {Apexes::Undefined};
    }
    return result;
}

// Bennett (1982): refraction in arcminutes for the apparent altitude h in degrees,
// R = cot(h + 7.31 / (h + 4.4)); the pole's altitude is the site's latitude. Returned in arcseconds.
double bennettRefractionArcsec(double latitude, double pressureKPa, double temperature)
{
    double refraction
        = std::tan(1.5707963267948966 - (latitude + 7.31 / (latitude + 4.4)) * 0.017453292519943295);
    if (refraction < 0) {
        refraction = 0; // the formula dips just below zero near the zenith
    }
    // Scaled to the air's density relative to 101 kPa and 10 deg C (Meeus, Astronomical Algorithms,
    // ch. 16).
    const double factor = temperature + 273 != 0 ? (pressureKPa / 101) * (283 / (temperature + 273)) : 1;
    return refraction * factor * 60;
}

} // namespace

int StarAlgorithms::GetPreciseStarPos(
    const cv::Mat &image, double x, double y, double *outX, double *outY) const
{
    return starmeasure::preciseStarPos(image, x, y, outX, outY, starmeasure::medianOfRegion);
}

int StarAlgorithms::GetGravityCenter(
    const cv::Mat &image, double x, double y, double *outX, double *outY) const
{
    return starmeasure::gravityCenter(image, x, y, outX, outY, starmeasure::medianOfRegion);
}

int StarAlgorithms::CalcAxisCenter(double x1, double y1, double x2, double y2, double x3, double y3,
    double *centerX, double *centerY, int *radius) const
{
    if (!allFinite({x1, y1, x2, y2, x3, y3})) {
        return -1;
    }
    if (y1 == y2 && y2 == y3) {
        qCritical("Point in a straight line,Can not calculate center of cricle.");
        return -1;
    }
    // Two equal rows are refused although such points are not on one line; the user picks again.
    if (y1 == y2 || y2 == y3) {
        return -1;
    }
    // Only exactly equal slopes count as a straight line.
    if ((x1 - x2) / (y1 - y2) == (x2 - x3) / (y2 - y3)) {
        qCritical("Point in a straight line,Can not calculate center of cricle.");
        return -1;
    }
    // The centre is where the perpendicular bisectors a1 x + b1 y = c1 and a2 x + b2 y = c2 meet.
    const double a1 = 2 * (x1 - x2);
    const double b1 = 2 * (y1 - y2);
    const double c1 = x1 * x1 + y1 * y1 - x2 * x2 - y2 * y2;
    const double a2 = 2 * (x2 - x3);
    const double b2 = 2 * (y2 - y3);
    const double c2 = x2 * x2 + y2 * y2 - x3 * x3 - y3 * y3;
    const double F = a2 * b1;
    const double G = a1 * b2;
    if (F == G) {
        return -1;
    }
    const double cx = (c2 * b1 - b2 * c1) / (F - G);
    const double cy = (a2 * c1 - c2 * a1) / (F - G);
    const double r = std::sqrt((cx - x1) * (cx - x1) + (cy - y1) * (cy - y1));
    // Nearly collinear points put the centre arbitrarily far away; a radius beyond int is no circle.
    if (!std::isfinite(cx) || !std::isfinite(cy) || !(r <= INT_MAX)) {
        return -1;
    }
    *centerX = cx;
    *centerY = cy;
    *radius = static_cast<int>(r);
    return 0;
}

void StarAlgorithms::RotatePoint(
    double angle, double px, double py, double cx, double cy, double *outX, double *outY) const
{
    const double a = radians(angle);
    const double x = cx + (px - cx) * std::cos(a) - (py - cy) * std::sin(a);
    const double y = cy + (px - cx) * std::sin(a) + (py - cy) * std::cos(a);
    if (allFinite({x, y})) {
        *outX = x;
        *outY = y;
    }
}

int StarAlgorithms::CalcPoleCOOR(double ax, double ay, double angleA, double bx, double by, double angleB,
    double *outX, double *outY, double refX, double refY) const
{
    const Apexes apexes = allFinite({ax, ay, angleA, bx, by, angleB, refX, refY})
        ? solveTriangle(ax, ay, angleA, bx, by, angleB)
        : Apexes {Apexes::InvalidInput};
    switch (apexes.kind) {
    case Apexes::InvalidInput:
        qCritical("CalcPoleCOOR - Calculate pole failed as invalid value.");
        break;
    case Apexes::NoApex:
        qCritical("CalcPoleCOOR - Calculate pole failed.");
        break;
    case Apexes::Undefined:
        break;
    case Apexes::One:
        *outX = apexes.x1;
        *outY = apexes.y1;
        return 0;
    case Apexes::Two: {
        // The apex nearer to the reference point; an exact tie goes to the second.
        const double d1 = (apexes.x1 - refX) * (apexes.x1 - refX) + (apexes.y1 - refY) * (apexes.y1 - refY);
        const double d2 = (apexes.x2 - refX) * (apexes.x2 - refX) + (apexes.y2 - refY) * (apexes.y2 - refY);
        const bool second = d2 <= d1;
        *outX = second ? apexes.x2 : apexes.x1;
        *outY = second ? apexes.y2 : apexes.y1;
        return 0;
    }
    }
    *outX = 0;
    *outY = 0;
    return -1;
}

int StarAlgorithms::CalcTemplatePole(double ax, double ay, double angleA, double bx, double by, double angleB,
    double *outX, double *outY, double dx, double dy, double angleDBP) const
{
    const Apexes apexes = allFinite({ax, ay, angleA, bx, by, angleB, dx, dy, angleDBP})
        ? solveTriangle(ax, ay, angleA, bx, by, angleB)
        : Apexes {Apexes::InvalidInput};
    switch (apexes.kind) {
    case Apexes::InvalidInput:
        qCritical("invalid points, can not calculate pole.");
        break;
    case Apexes::NoApex:
    case Apexes::Undefined:
        qCritical("did not calculate the appropriate pole");
        break;
    case Apexes::One:
        *outX = apexes.x1;
        *outY = apexes.y1;
        return 0;
    case Apexes::Two:
        SelectApexByAngle(apexes.x1, apexes.y1, apexes.x2, apexes.y2, dx, dy, bx, by, angleDBP, outX, outY);
        return 0;
    }
    *outX = 0;
    *outY = 0;
    return -1;
}

void StarAlgorithms::SelectApexByAngle(double x1, double y1, double x2, double y2, double dx, double dy,
    double bx, double by, double targetAngle, double *outX, double *outY) const
{
    // Angle at B between D and the candidate T, by the law of cosines, in degrees. It is NaN when T or
    // D lies on B, and a NaN never wins the comparison below.
    const double bd2 = (dx - bx) * (dx - bx) + (dy - by) * (dy - by);
    const auto angleAtB = [&](double tx, double ty) {
        const double bt2 = (tx - bx) * (tx - bx) + (ty - by) * (ty - by);
        const double dt2 = (tx - dx) * (tx - dx) + (ty - dy) * (ty - dy);
        return std::acos((bd2 + bt2 - dt2) / (2 * std::sqrt(bt2) * std::sqrt(bd2))) * 180 / pi;
    };
    const bool first = std::fabs(angleAtB(x2, y2) - targetAngle) > std::fabs(angleAtB(x1, y1) - targetAngle);
    const double x = first ? x1 : x2;
    const double y = first ? y1 : y2;
    if (allFinite({x, y})) {
        *outX = x;
        *outY = y;
    }
}

int StarAlgorithms::CorrectRefraction(double y, double latitude, double pressureKPa, double temperature,
    double *outY, RefractionModel model) const
{
    if (!allFinite({y, latitude, pressureKPa, temperature})) {
        return -1;
    }
    const double refractionArcsec = model == RefractionModel::Physical
        ? physicalPoleRefractionArcsec(latitude, pressureKPa, temperature)
        : bennettRefractionArcsec(latitude, pressureKPa, temperature);
    // Arcseconds on the sky to pixels. The camera sits in its holder with the image's top edge
    // towards the horizon below the pole (RA axis at home), so moving the star up the image undoes
    // the refraction's lift towards the zenith.
    const double corrected = y - refractionArcsec / cameraArcsecPerPixel;
    if (!std::isfinite(corrected)) {
        return -1;
    }
    *outY = corrected;
    return 0;
}
