// polestatistics.cpp - the averaged pole and its uncertainty (see polestatistics.h).
#include "polestatistics.h"

#include "axisfit.h"
#include "staralgorithms.h"

#include <algorithm>
#include <cmath>

namespace polestatistics {

namespace {

// A pole further than this many of its frame sigmas from the average has moved: a new average.
constexpr double jumpSigmas = 5.0;
// The recent moves a star's scatter is measured from, and how many are needed before the
// measurement is trusted below the typical scatter.
constexpr size_t movesKept = 64;
constexpr size_t movesTrusted = 8;
// The median of chi-square with two degrees of freedom: a move of a star whose coordinates scatter
// by sigma has a median squared length of 2 * sigma^2 * 2 ln 2.
const double medianMoveFactor = 4 * std::log(2.0);

} // namespace

bool poleJacobian(const cv::Point2d &a, double angleA, const cv::Point2d &b, double angleB,
    const cv::Point2d &reference, cv::Matx<double, 2, 4> *jacobian)
{
    double p[4] = {a.x, a.y, b.x, b.y};
    const auto poleOf = [&](cv::Point2d *pole) {
        return starAlgorithms.CalcPoleCOOR(
                   p[0], p[1], angleA, p[2], p[3], angleB, &pole->x, &pole->y, reference.x, reference.y)
            == 0;
    };
    const double h = 0.01; // px; the pole is smooth on the scale of the stars' scatter
    cv::Matx<double, 2, 4> result;
    for (int i = 0; i < 4; ++i) {
        const double kept = p[i];
        cv::Point2d plus, minus;
        p[i] = kept + h;
        const bool upOk = poleOf(&plus);
        p[i] = kept - h;
        const bool downOk = poleOf(&minus);
        p[i] = kept;
        // Both sides must be the same apex; a switch would show as a huge derivative.
        if (!upOk || !downOk || cv::norm(plus - minus) > 1e3 * h)
            return false;
        result(0, i) = (plus.x - minus.x) / (2 * h);
        result(1, i) = (plus.y - minus.y) / (2 * h);
    }
    *jacobian = result;
    return true;
}

double offsetSigmaPx(const cv::Matx22d &poleCovariance, const cv::Matx22d &axisCovariance, double unseenPx)
{
    const double variance = cv::trace(poleCovariance) + cv::trace(axisCovariance) + unseenPx * unseenPx;
    return std::isfinite(variance) && variance > 0 ? std::sqrt(variance) : 0.0;
}

int windowFrames(double exposureUs)
{
    if (!(exposureUs > 0))
        return maxFrames;
    return int(std::clamp(std::lround(1e6 / exposureUs), 2L, long(maxFrames)));
}

void PoleAverager::add(const cv::Point2d &starA, const cv::Point2d &starB, const cv::Point2d &pole,
    const cv::Matx<double, 2, 4> &jacobian, int windowFrames)
{
    noteMove(&m_movesA, &m_lastAKnown, &m_lastA, starA);
    noteMove(&m_movesB, &m_lastBKnown, &m_lastB, starB);
    m_jacobian = jacobian;
    if (!m_frames.empty()) {
        const double n = double(m_frames.size());
        const double limit = jumpSigmas * std::sqrt(cv::trace(frameCovariance()) * (1 + 1 / n));
        if (!(cv::norm(pole - this->pole()) <= limit))
            m_frames.clear();
    }
    m_frames.push_back(pole);
    while (int(m_frames.size()) > std::clamp(windowFrames, 1, maxFrames))
        m_frames.pop_front();
}

void PoleAverager::restart()
{
    m_frames.clear();
    m_lastAKnown = m_lastBKnown = false;
}

cv::Point2d PoleAverager::pole() const
{
    cv::Point2d sum;
    for (const cv::Point2d &p : m_frames)
        sum += p;
    return m_frames.empty() ? sum : sum / double(m_frames.size());
}

cv::Matx22d PoleAverager::frameCovariance() const
{
    const double a = starVariance(m_movesA), b = starVariance(m_movesB);
    const cv::Matx44d stars(a, 0, 0, 0, 0, a, 0, 0, 0, 0, b, 0, 0, 0, 0, b);
    return m_jacobian * stars * m_jacobian.t();
}

cv::Matx22d PoleAverager::covariance() const
{
    return m_frames.empty() ? frameCovariance() : frameCovariance() * (1.0 / double(m_frames.size()));
}

double PoleAverager::starVariance(const std::deque<double> &squaredMoves) const
{
    const double typical = axisfit::typicalStarNoisePx * axisfit::typicalStarNoisePx;
    if (squaredMoves.empty())
        return typical;
    std::vector<double> moves(squaredMoves.begin(), squaredMoves.end());
    const auto middle = moves.begin() + std::ptrdiff_t(moves.size() / 2);
    std::nth_element(moves.begin(), middle, moves.end());
    const double measured = *middle / medianMoveFactor;
    return moves.size() >= movesTrusted ? measured : std::max(measured, typical);
}

void PoleAverager::noteMove(std::deque<double> *moves, bool *known, cv::Point2d *last, const cv::Point2d &now)
{
    if (*known) {
        const cv::Point2d d = now - *last;
        const double squared = d.dot(d);
        if (std::isfinite(squared))
            moves->push_back(squared);
        while (moves->size() > movesKept)
            moves->pop_front();
    }
    *last = now;
    *known = true;
}

} // namespace polestatistics
