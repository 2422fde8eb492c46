// axisfit.cpp - matching the field's stars between RA positions and fitting their common rotation
// (see axisfit.h).
#include "axisfit.h"

#include "staralgorithms.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace axisfit {

namespace {

constexpr int maxIterations = 30;
constexpr int maxRejectionRounds = 8;
constexpr double rejectionSigmas = 4.0;
// A centre known worse than this (root-mean-square, px) is no centre: the turns or the stars do not
// determine it.
constexpr double maxCentreSigmaPx = 10.0;

// p turned by `angle` radians about centre.
cv::Point2d rotated(const cv::Point2d &p, double angle, const cv::Point2d &centre)
{
    cv::Point2d turned = p;
    starAlgorithms.RotatePoint(angle * 180 / CV_PI, p.x, p.y, centre.x, centre.y, &turned.x, &turned.y);
    return turned;
}

bool finite(const cv::Point2d &p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// For each point of `from` (at angle fromAngle), the index of its one clear counterpart in `to`
// (at angle toAngle), or -1.
std::vector<int> matchPositions(const std::vector<cv::Point2d> &from, double fromAngle,
    const std::vector<cv::Point2d> &to, double toAngle, const cv::Point2d &centre, double tolerancePx)
{
    std::vector<int> match(from.size(), -1);
    std::vector<int> claims(to.size(), 0);
    for (size_t i = 0; i < from.size(); ++i) {
        if (!finite(from[i]))
            continue;
        const cv::Point2d predicted = rotated(from[i], toAngle - fromAngle, centre);
        double nearest = std::numeric_limits<double>::infinity(), second = nearest;
        int best = -1;
        for (size_t j = 0; j < to.size(); ++j) {
            const double d = cv::norm(to[j] - predicted);
            if (d < nearest) {
                second = nearest;
                nearest = d;
                best = int(j);
            } else if (d < second) {
                second = d;
            }
        }
        if (best >= 0 && nearest <= tolerancePx && second > 2 * tolerancePx) {
            match[i] = best;
            ++claims[size_t(best)];
        }
    }
    for (int &m : match)
        if (m >= 0 && claims[size_t(m)] > 1)
            m = -1;
    return match;
}

// The Gauss-Newton least-squares solution of the common rotation. Parameters: the centre, the
// angles of positions 1 and 2, then each star's place at position 0.
struct Solution
{
    bool ok = false;
    cv::Point2d centre;
    double angles[positionCount] = {};
    std::vector<double> residualNorms;      // per track: its largest residual, px
    std::vector<double> absoluteComponents; // every residual coordinate, without its sign
    double rss = 0;
    int observations = 0;
    cv::Matx22d centreBlock = cv::Matx22d::zeros(); // of the inverse normal matrix
};

Solution solve(const std::vector<StarTrack> &tracks, const Rotation &start)
{
    using Matx42d = cv::Matx<double, 4, 2>;
    const size_t stars = tracks.size();
    cv::Vec4d global(start.centre.x, start.centre.y, start.angles[1], start.angles[2]);
    std::vector<cv::Vec2d> places(stars); // each star's place at position 0
    for (size_t j = 0; j < stars; ++j) {
        const StarTrack &t = tracks[j];
        const size_t k = t.seen[0] ? 0 : t.seen[1] ? 1 : 2;
        const cv::Point2d q = rotated(t.at[k], -start.angles[k], start.centre);
        places[j] = cv::Vec2d(q.x, q.y);
    }

    // Walks every observation with its residual, its Jacobian by the global parameters (centre,
    // angles of positions 1 and 2) and by its star's place, which is the rotation itself.
    const auto forEachObservation = [&](auto &&visit) {
        const cv::Vec2d c(global[0], global[1]);
        for (size_t j = 0; j < stars; ++j) {
            const cv::Vec2d d = places[j] - c;
            for (size_t k = 0; k < positionCount; ++k) {
                if (!tracks[j].seen[k])
                    continue;
                const double a = k == 0 ? 0.0 : global[1 + k];
                const cv::Matx22d rotation(std::cos(a), -std::sin(a), std::sin(a), std::cos(a));
                const cv::Vec2d r = c + rotation * d - cv::Vec2d(tracks[j].at[k].x, tracks[j].at[k].y);
                cv::Matx<double, 2, 4> byGlobal = cv::Matx<double, 2, 4>::zeros();
                const cv::Matx22d centre = cv::Matx22d::eye() - rotation;
                byGlobal(0, 0) = centre(0, 0);
                byGlobal(0, 1) = centre(0, 1);
                byGlobal(1, 0) = centre(1, 0);
                byGlobal(1, 1) = centre(1, 1);
                if (k > 0) {
                    const cv::Vec2d turned = rotation * d; // d/da of R(a) d is R(a + 90 deg) d
                    byGlobal(0, 1 + k) = -turned[1];
                    byGlobal(1, 1 + k) = turned[0];
                }
                visit(j, r, byGlobal, rotation);
            }
        }
    };

    // Gauss-Newton steps. The normal equations [A B; B' D] have a block-diagonal D: each star's
    // place enters only its own observations, and D_j = n_j I because a rotation's columns are
    // orthonormal. Eliminating the places leaves four equations in the global parameters,
    // S = A - sum B_j B_j' / n_j, whose inverse is also their covariance (up to the noise variance).
    Solution s;
    cv::Matx44d reduced;
    bool converged = false;
    for (int iteration = 0;; ++iteration) {
        cv::Matx44d a = cv::Matx44d::zeros();
        cv::Vec4d g = cv::Vec4d::all(0);
        std::vector<Matx42d> b(stars, Matx42d::zeros());
        std::vector<cv::Vec2d> h(stars, cv::Vec2d::all(0));
        std::vector<int> n(stars, 0);
        forEachObservation([&](size_t j, const cv::Vec2d &r, const cv::Matx<double, 2, 4> &byGlobal,
                               const cv::Matx22d &byPlace) {
            a += byGlobal.t() * byGlobal;
            g += byGlobal.t() * r;
            b[j] += byGlobal.t() * byPlace;
            h[j] += byPlace.t() * r;
            ++n[j];
        });
        reduced = a;
        cv::Vec4d reducedGradient = g;
        for (size_t j = 0; j < stars; ++j) {
            reduced -= b[j] * b[j].t() * (1.0 / n[j]);
            reducedGradient -= b[j] * h[j] * (1.0 / n[j]);
        }
        // The last pass only sets up the normal equations at the solution, for its covariance.
        if (converged || iteration == maxIterations)
            break;
        cv::Vec4d step;
        if (!cv::solve(reduced, -reducedGradient, step, cv::DECOMP_CHOLESKY))
            return s;
        double largest = cv::norm(step, cv::NORM_INF);
        global += step;
        for (size_t j = 0; j < stars; ++j) {
            const cv::Vec2d placeStep = -(h[j] + b[j].t() * step) * (1.0 / n[j]);
            places[j] += placeStep;
            largest = std::max(largest, cv::norm(placeStep, cv::NORM_INF));
        }
        if (!std::isfinite(largest))
            return s;
        converged = largest < 1e-9;
    }

    cv::Matx44d inverse;
    if (cv::invert(reduced, inverse, cv::DECOMP_CHOLESKY) == 0)
        return s;
    s.centreBlock = inverse.get_minor<2, 2>(0, 0);
    s.centre = cv::Point2d(global[0], global[1]);
    s.angles[1] = global[2];
    s.angles[2] = global[3];
    s.residualNorms.assign(stars, 0.0);
    forEachObservation([&](size_t j, const cv::Vec2d &r, const auto &, const auto &) {
        s.residualNorms[j] = std::max(s.residualNorms[j], cv::norm(r));
        s.absoluteComponents.push_back(std::abs(r[0]));
        s.absoluteComponents.push_back(std::abs(r[1]));
        s.rss += r.dot(r);
        ++s.observations;
    });
    s.ok = finite(s.centre) && std::isfinite(s.rss);
    return s;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// The centre of the rotation that best takes the stars seen at position `from` to their places at
// position `to` (two-dimensional Procrustes: the angle from the centred points' summed cross and
// dot products, then the rotation's fixed point). False with fewer than three stars or no turn.
bool pairCentre(const std::vector<StarTrack> &tracks, size_t from, size_t to, cv::Point2d *centre)
{
    cv::Point2d meanFrom, meanTo;
    int n = 0;
    for (const StarTrack &t : tracks)
        if (t.seen[from] && t.seen[to]) {
            meanFrom += t.at[from];
            meanTo += t.at[to];
            ++n;
        }
    if (n < 3)
        return false;
    meanFrom /= n;
    meanTo /= n;
    double cross = 0, dot = 0;
    for (const StarTrack &t : tracks)
        if (t.seen[from] && t.seen[to]) {
            const cv::Point2d a = t.at[from] - meanFrom, b = t.at[to] - meanTo;
            cross += a.x * b.y - a.y * b.x;
            dot += a.dot(b);
        }
    const double angle = std::atan2(cross, dot);
    const cv::Matx22d rotation(std::cos(angle), -std::sin(angle), std::sin(angle), std::cos(angle));
    const cv::Vec2d shift = cv::Vec2d(meanTo.x, meanTo.y) - rotation * cv::Vec2d(meanFrom.x, meanFrom.y);
    cv::Vec2d fixed;
    if (std::abs(angle) < 1e-3 || !cv::solve(cv::Matx22d::eye() - rotation, shift, fixed))
        return false;
    *centre = cv::Point2d(fixed[0], fixed[1]);
    return finite(*centre);
}

double pairSpread(const std::vector<StarTrack> &tracks, const cv::Point2d &common)
{
    double sum = 0;
    int pairs = 0;
    for (size_t from = 0; from < positionCount; ++from)
        for (size_t to = from + 1; to < positionCount; ++to) {
            cv::Point2d c;
            if (pairCentre(tracks, from, to, &c)) {
                sum += (c - common).dot(c - common);
                ++pairs;
            }
        }
    return pairs > 0 ? std::sqrt(sum / pairs) : 0.0;
}

CentreFit failed(const char *why)
{
    CentreFit fit;
    fit.failure = why;
    return fit;
}

} // namespace

Rotation rotationOfPickedStar(const std::array<cv::Point2d, positionCount> &picked, const cv::Point2d &centre)
{
    Rotation r;
    r.centre = centre;
    const double first = std::atan2(picked[0].y - centre.y, picked[0].x - centre.x);
    for (int k = 1; k < positionCount; ++k) {
        const double a = std::atan2(picked[size_t(k)].y - centre.y, picked[size_t(k)].x - centre.x) - first;
        r.angles[size_t(k)] = std::isfinite(a) ? std::remainder(a, 2 * CV_PI) : 0.0;
    }
    return r;
}

Rotation refineRotation(
    const std::array<std::vector<cv::Point2d>, positionCount> &fields, const Rotation &rough)
{
    // Distances from a rough centre agree within its error; angles nearer the centre than
    // minRadiusPx are too poorly defined to vote.
    const double radiusTolerancePx = 1.5, minRadiusPx = 60, agreementRad = 0.25 * CV_PI / 180;
    const int minVotes = 3;
    Rotation refined = rough;
    if (!finite(rough.centre))
        return refined;
    const auto polar = [&](const cv::Point2d &p) {
        const cv::Point2d d = p - rough.centre;
        return cv::Point2d(std::hypot(d.x, d.y), std::atan2(d.y, d.x));
    };
    for (int k = 1; k < positionCount; ++k) {
        std::vector<double> votes;
        for (const cv::Point2d &from : fields[0]) {
            const cv::Point2d a = polar(from);
            for (const cv::Point2d &to : fields[size_t(k)]) {
                const cv::Point2d b = polar(to);
                if (a.x >= minRadiusPx && std::abs(a.x - b.x) <= radiusTolerancePx
                    && std::isfinite(b.y - a.y))
                    votes.push_back(std::remainder(b.y - a.y, 2 * CV_PI));
            }
        }
        // The vote with the most others within the agreement; their mean is the angle.
        int bestCount = 0;
        double bestAngle = 0;
        for (double v : votes) {
            int count = 0;
            double sum = 0;
            for (double w : votes) {
                const double d = std::remainder(w - v, 2 * CV_PI);
                if (std::abs(d) <= agreementRad) {
                    ++count;
                    sum += d;
                }
            }
            if (count > bestCount) {
                bestCount = count;
                bestAngle = v + sum / count;
            }
        }
        if (bestCount >= minVotes)
            refined.angles[size_t(k)] = std::remainder(bestAngle, 2 * CV_PI);
    }
    return refined;
}

std::vector<StarTrack> matchStars(const std::array<std::vector<cv::Point2d>, positionCount> &fields,
    const Rotation &rough, double tolerancePx)
{
    std::vector<StarTrack> tracks;
    if (!finite(rough.centre))
        return tracks;
    const auto &a = rough.angles;
    const std::vector<int> to1 = matchPositions(fields[0], a[0], fields[1], a[1], rough.centre, tolerancePx);
    const std::vector<int> to2 = matchPositions(fields[0], a[0], fields[2], a[2], rough.centre, tolerancePx);
    const std::vector<int> from1
        = matchPositions(fields[1], a[1], fields[2], a[2], rough.centre, tolerancePx);
    std::vector<bool> followed(fields[1].size(), false);
    for (size_t i = 0; i < fields[0].size(); ++i) {
        StarTrack t;
        t.at[0] = fields[0][i];
        t.seen[0] = finite(t.at[0]);
        if (to1[i] >= 0) {
            t.at[1] = fields[1][size_t(to1[i])];
            t.seen[1] = true;
            followed[size_t(to1[i])] = true;
        }
        if (to2[i] >= 0) {
            t.at[2] = fields[2][size_t(to2[i])];
            t.seen[2] = true;
        }
        // The second and the third position must agree about the star they both saw.
        if (t.seen[1] && t.seen[2] && from1[size_t(to1[i])] != to2[i])
            continue;
        if (t.seen[0] + t.seen[1] + t.seen[2] >= 2)
            tracks.push_back(t);
    }
    // Stars that entered the field only at the second position.
    for (size_t i = 0; i < fields[1].size(); ++i) {
        if (followed[i] || from1[i] < 0 || !finite(fields[1][i]))
            continue;
        StarTrack t;
        t.at[1] = fields[1][i];
        t.at[2] = fields[2][size_t(from1[i])];
        t.seen = {false, true, true};
        tracks.push_back(t);
    }
    return tracks;
}

// The common rotation of tracks in a plane in which it is rigid.
CentreFit fitInPlane(std::vector<StarTrack> tracks, const Rotation &rough)
{
    int rejected = 0;
    for (int round = 0; round < maxRejectionRounds; ++round) {
        if (tracks.size() < 3)
            return failed("fewer than three stars followed through the turns");
        const Solution s = solve(tracks, rough);
        if (!s.ok)
            return failed("the turns do not determine a centre");
        const int freedom = 2 * s.observations - (4 + 2 * int(tracks.size()));
        if (freedom < 6)
            return failed("too few star positions for a fit");
        // A residual of a star that follows the common rotation scatters like the others; the median
        // absolute coordinate gives that scatter undisturbed by the stars that do not.
        // The floor keeps noise-free positions from rejecting stars for rounding errors.
        const double threshold = std::max(rejectionSigmas * 1.4826 * median(s.absoluteComponents), 1e-6);
        std::vector<StarTrack> kept;
        for (size_t j = 0; j < tracks.size(); ++j)
            if (s.residualNorms[j] <= threshold)
                kept.push_back(tracks[j]);
        if (kept.size() == tracks.size()) {
            CentreFit fit;
            const double variance = s.rss / freedom;
            fit.covariance = s.centreBlock * variance;
            fit.noisePx = std::sqrt(variance);
            if (!(radialSigma(fit.covariance) <= maxCentreSigmaPx) || !std::isfinite(fit.noisePx))
                return failed("the turns do not determine a centre");
            fit.ok = true;
            fit.centre = s.centre;
            fit.angles = {0.0, s.angles[1], s.angles[2]};
            fit.starsUsed = int(tracks.size());
            fit.starsRejected = rejected;
            fit.pairSpreadPx = pairSpread(tracks, s.centre);
            return fit;
        }
        rejected += int(tracks.size() - kept.size());
        tracks = std::move(kept);
    }
    return failed("the stars do not agree on one rotation");
}

// The plane tangent to the sky at the direction of one image point, in pixels of the lens's focal
// length, its axes along the image's near there. The RA axis turns the sky rigidly in the plane
// tangent at the axis; the camera sees that plane in perspective when its optical axis is tilted
// against the RA axis.
class TangentPlane
{
public:
    TangentPlane(const Lens &lens, const cv::Point2d &touching) : m_lens(lens), m_normal(direction(touching))
    {
        const cv::Vec3d x(1, 0, 0);
        m_east = cv::normalize(x - m_normal * m_normal.dot(x));
        m_south = m_normal.cross(m_east);
    }

    cv::Point2d fromImage(const cv::Point2d &p) const
    {
        const cv::Vec3d v = direction(p);
        return cv::Point2d(v.dot(m_east), v.dot(m_south)) * (m_lens.focalPx / v.dot(m_normal));
    }

    cv::Point2d toImage(const cv::Point2d &u) const
    {
        const cv::Vec3d v = m_normal + m_east * (u.x / m_lens.focalPx) + m_south * (u.y / m_lens.focalPx);
        return m_lens.opticalCentre + cv::Point2d(v[0], v[1]) * (m_lens.focalPx / v[2]);
    }

private:
    cv::Vec3d direction(const cv::Point2d &p) const
    {
        const cv::Point2d d = (p - m_lens.opticalCentre) / m_lens.focalPx;
        return cv::normalize(cv::Vec3d(d.x, d.y, 1.0));
    }

    Lens m_lens;
    cv::Vec3d m_normal, m_east, m_south;
};

constexpr int maxPerspectivePasses = 4;

CentreFit fitRotationCentre(const std::vector<StarTrack> &tracks, const Rotation &rough, const Lens &lens)
{
    if (!finite(rough.centre) || !std::isfinite(rough.angles[1]) || !std::isfinite(rough.angles[2]))
        return failed("no rough rotation to start from");
    for (const StarTrack &t : tracks)
        for (int k = 0; k < positionCount; ++k)
            if (t.seen[size_t(k)] && !finite(t.at[size_t(k)]))
                return failed("a star position is not a number");
    if (!(lens.focalPx > 0) || !std::isfinite(lens.focalPx) || !finite(lens.opticalCentre))
        return fitInPlane(tracks, rough);

    // Each pass fits in the plane tangent at the centre found so far; the centre moves by far less
    // than a pixel, so the next pass's plane differs from the true one by nothing measurable. Near
    // the optical axis the plane's pixels are the image's to a few parts in 10^5, and so is the
    // covariance.
    Rotation current = rough;
    CentreFit fit;
    for (int pass = 0; pass < maxPerspectivePasses; ++pass) {
        const TangentPlane plane(lens, current.centre);
        std::vector<StarTrack> inPlane = tracks;
        for (StarTrack &t : inPlane)
            for (cv::Point2d &p : t.at)
                p = plane.fromImage(p);
        fit = fitInPlane(std::move(inPlane), {cv::Point2d(0, 0), current.angles});
        if (!fit.ok)
            return fit;
        fit.centre = plane.toImage(fit.centre);
        if (!finite(fit.centre))
            return failed("the turns do not determine a centre");
        const bool settled = cv::norm(fit.centre - current.centre) < 1e-6;
        current = {fit.centre, fit.angles};
        if (settled)
            break;
    }
    return fit;
}

Lens cameraLens(const cv::Size &frameSize)
{
    const double arcsecPerRadian = 206264.80624709636;
    return {cv::Point2d((frameSize.width - 1) / 2.0, (frameSize.height - 1) / 2.0),
        arcsecPerRadian / cameraArcsecPerPixel};
}

bool threePointCovariance(
    const std::array<cv::Point2d, positionCount> &picked, double noisePx, cv::Matx22d *covariance)
{
    double p[6] = {picked[0].x, picked[0].y, picked[1].x, picked[1].y, picked[2].x, picked[2].y};
    const auto centreOf = [&](cv::Point2d *c) {
        int radius = 0;
        return starAlgorithms.CalcAxisCenter(p[0], p[1], p[2], p[3], p[4], p[5], &c->x, &c->y, &radius) == 0;
    };
    // Central differences; the centre is a smooth function of the points wherever it is defined.
    const double h = 1e-3;
    cv::Matx<double, 2, 6> jacobian;
    for (int i = 0; i < 6; ++i) {
        const double kept = p[i];
        cv::Point2d plus, minus;
        p[i] = kept + h;
        const bool upOk = centreOf(&plus);
        p[i] = kept - h;
        const bool downOk = centreOf(&minus);
        p[i] = kept;
        if (!upOk || !downOk)
            return false;
        jacobian(0, i) = (plus.x - minus.x) / (2 * h);
        jacobian(1, i) = (plus.y - minus.y) / (2 * h);
    }
    const cv::Matx22d result = jacobian * jacobian.t() * (noisePx * noisePx);
    if (!std::isfinite(radialSigma(result)))
        return false;
    *covariance = result;
    return true;
}

bool chooseAxisCentre(const std::array<cv::Point2d, positionCount> &picked,
    const cv::Point2d &threePointCentre, const CentreFit &fit, AxisCentre *chosen)
{
    cv::Matx22d threePoint;
    const bool circle = finite(threePointCentre)
        && threePointCovariance(picked, fit.ok ? fit.noisePx : typicalStarNoisePx, &threePoint);
    if (fit.ok && (!circle || cv::trace(fit.covariance) < cv::trace(threePoint))) {
        *chosen = {fit.centre, fit.covariance, true};
        return true;
    }
    if (!circle)
        return false;
    *chosen = {threePointCentre, threePoint, false};
    return true;
}

double radialSigma(const cv::Matx22d &covariance)
{
    return std::sqrt(std::max(cv::trace(covariance), 0.0));
}

} // namespace axisfit
