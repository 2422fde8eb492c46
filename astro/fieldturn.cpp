// fieldturn.cpp - the field's turn between two frames by the votes of equal star pairs.
#include "fieldturn.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The brightest stars carry the vote: enough pairs to outvote chance, few enough to stay cheap.
constexpr std::size_t votingStars = 30;
// Pairs shorter than this tell the angle too poorly (a star's place is good to a few tenths of a px).
constexpr double minPairPx = 40;
// Two pairs are the same when their lengths agree this well.
constexpr double lengthTolerancePx = 1.5;
// A star found again lies this close to where the turn puts it.
constexpr double matchTolerancePx = 3.0;
constexpr int minStarsMatched = 6;
constexpr double maxResidualPx = 1.5;
constexpr int angleBins = 720; // half a degree each

struct Pair
{
    double length;
    double angle; // of the vector from the first star to the second
    int first, second;
};

std::vector<Pair> pairsOf(const std::vector<cv::Point2d> &stars)
{
    const int n = int(std::min(stars.size(), votingStars));
    std::vector<Pair> pairs;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const cv::Point2d d = stars[j] - stars[i];
            const double length = std::hypot(d.x, d.y);
            if (length >= minPairPx)
                pairs.push_back({length, std::atan2(d.y, d.x), i, j});
        }
    std::sort(pairs.begin(), pairs.end(), [](const Pair &a, const Pair &b) { return a.length < b.length; });
    return pairs;
}

int binOf(double angle)
{
    const double turns = angle / (2 * CV_PI) - std::floor(angle / (2 * CV_PI));
    return std::min(angleBins - 1, int(turns * angleBins));
}

cv::Matx22d rotation(double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    return {c, -s, s, c};
}

// One star of `before` and its partner in `now`, as a vote names them.
struct Correspondence
{
    int before, now;
};

struct Vote
{
    double angle;
    Correspondence first, second;
};

// Every pair of `before` against every pair of the same length in `now`: a vote for the angle
// between them, in both orders of the pair.
std::vector<Vote> pairVotes(const std::vector<cv::Point2d> &before, const std::vector<cv::Point2d> &now)
{
    const std::vector<Pair> a = pairsOf(before), b = pairsOf(now);
    std::vector<Vote> votes;
    auto shorter = [](const Pair &p, double length) { return p.length < length; };
    for (const Pair &p : a) {
        auto q = std::lower_bound(b.begin(), b.end(), p.length - lengthTolerancePx, shorter);
        for (; q != b.end() && q->length <= p.length + lengthTolerancePx; ++q) {
            votes.push_back(
                {std::remainder(q->angle - p.angle, 2 * CV_PI), {p.first, q->first}, {p.second, q->second}});
            votes.push_back({std::remainder(q->angle + CV_PI - p.angle, 2 * CV_PI), {p.first, q->second},
                {p.second, q->first}});
        }
    }
    return votes;
}

// The angle with the most votes within a bin either side. A pair has no direction of its own, so
// the angle half a turn away gets as many votes: the shift decides between the two.
double peakAngle(const std::vector<Vote> &votes, int *count)
{
    std::array<int, angleBins> histogram {};
    for (const Vote &v : votes)
        ++histogram[binOf(v.angle)];
    int best = 0;
    *count = 0;
    for (int i = 0; i < angleBins; ++i) {
        const int c
            = histogram[(i + angleBins - 1) % angleBins] + histogram[i] + histogram[(i + 1) % angleBins];
        if (c > *count) {
            *count = c;
            best = i;
        }
    }
    return (best + 0.5) * 2 * CV_PI / angleBins;
}

// The mean angle of the votes near `peak`, and the star correspondences they name.
double votersNear(const std::vector<Vote> &votes, double peak, std::vector<Correspondence> *voters)
{
    double sumSin = 0, sumCos = 0;
    for (const Vote &v : votes)
        if (std::fabs(std::remainder(v.angle - peak, 2 * CV_PI)) <= 1.5 * 2 * CV_PI / angleBins) {
            sumSin += std::sin(v.angle);
            sumCos += std::cos(v.angle);
            voters->push_back(v.first);
            voters->push_back(v.second);
        }
    return std::atan2(sumSin, sumCos);
}

// The shift most correspondences agree on once `before` is turned by `angle`.
cv::Point2d voteShift(const std::vector<cv::Point2d> &before, const std::vector<cv::Point2d> &now,
    double angle, const std::vector<Correspondence> &voters, int *agreeing)
{
    const cv::Matx22d r = rotation(angle);
    std::vector<cv::Point2d> shifts;
    shifts.reserve(voters.size());
    for (const Correspondence &c : voters)
        shifts.push_back(now[c.now] - r * before[c.before]);
    cv::Point2d best;
    *agreeing = 0;
    for (const cv::Point2d &s : shifts) {
        int count = 0;
        for (const cv::Point2d &t : shifts)
            count += cv::norm(s - t) <= matchTolerancePx;
        if (count > *agreeing) {
            *agreeing = count;
            best = s;
        }
    }
    return best;
}

// The least-squares turn and shift of matched star places (a two-dimensional Procrustes fit).
void fitTurn(const std::vector<cv::Point2d> &from, const std::vector<cv::Point2d> &to, double *angle,
    cv::Point2d *shift)
{
    cv::Point2d meanFrom, meanTo;
    for (std::size_t i = 0; i < from.size(); ++i) {
        meanFrom += from[i];
        meanTo += to[i];
    }
    meanFrom /= double(from.size());
    meanTo /= double(from.size());
    double cross = 0, dot = 0;
    for (std::size_t i = 0; i < from.size(); ++i) {
        const cv::Point2d p = from[i] - meanFrom, q = to[i] - meanTo;
        dot += p.x * q.x + p.y * q.y;
        cross += p.x * q.y - p.y * q.x;
    }
    *angle = std::atan2(cross, dot);
    *shift = meanTo - rotation(*angle) * meanFrom;
}

} // namespace

std::optional<cv::Point2d> loneStarNear(
    const std::vector<cv::Point2d> &stars, const cv::Point2d &near, double tolerancePx)
{
    std::optional<cv::Point2d> found;
    int nearby = 0;
    for (const cv::Point2d &s : stars) {
        const double d = cv::norm(s - near);
        if (d <= 2 * tolerancePx && ++nearby > 1)
            return std::nullopt;
        if (d <= tolerancePx)
            found = s;
    }
    return found;
}

cv::Point2d FieldTurn::apply(const cv::Point2d &before) const
{
    return rotation(angleRad) * before + shift;
}

bool FieldTurn::centre(cv::Point2d *fixedPoint) const
{
    // (I - R) c = shift; I - R is singular for no turn at all.
    const cv::Matx22d m = cv::Matx22d::eye() - rotation(angleRad);
    if (std::fabs(cv::determinant(m)) < 1e-6)
        return false;
    *fixedPoint = m.inv() * shift;
    return true;
}

FieldTurn fieldTurnBetween(const std::vector<cv::Point2d> &before, const std::vector<cv::Point2d> &now)
{
    FieldTurn turn;
    const std::vector<Vote> votes = pairVotes(before, now);
    int peakVotes = 0;
    const double peak = peakAngle(votes, &peakVotes);
    if (peakVotes < minStarsMatched)
        return turn;
    int agreeing = 0;
    for (const double candidate : {peak, peak + CV_PI}) {
        std::vector<Correspondence> voters;
        const double angle = votersNear(votes, candidate, &voters);
        int agree = 0;
        const cv::Point2d shift = voteShift(before, now, angle, voters, &agree);
        if (agree > agreeing) {
            agreeing = agree;
            turn.angleRad = angle;
            turn.shift = shift;
        }
    }
    if (agreeing < minStarsMatched)
        return turn;
    // Every star of the first frame that now has exactly one partner where the turn puts it refines
    // the turn; twice, as the first refinement may bring more stars in.
    for (int round = 0; round < 2; ++round) {
        std::vector<cv::Point2d> from, to;
        for (const cv::Point2d &star : before)
            if (const auto partner = loneStarNear(now, turn.apply(star), matchTolerancePx)) {
                from.push_back(star);
                to.push_back(*partner);
            }
        if (int(from.size()) < minStarsMatched)
            return turn;
        fitTurn(from, to, &turn.angleRad, &turn.shift);
        double sum = 0;
        for (std::size_t i = 0; i < from.size(); ++i) {
            const cv::Point2d d = turn.apply(from[i]) - to[i];
            sum += d.dot(d);
        }
        turn.starsMatched = int(from.size());
        turn.residualPx = std::sqrt(sum / double(from.size()));
    }
    turn.ok = turn.residualPx <= maxResidualPx;
    return turn;
}
