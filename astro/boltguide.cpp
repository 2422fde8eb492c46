// boltguide.cpp - learning the bolts' directions from the pole's moves.
#include "boltguide.h"

#include <cmath>

namespace {

// A move shorter than this may be the averaged pole's noise (tenths of a pixel) or the sky's slow
// turn; one longer is a bolt's.
constexpr double learningMovePx = 3.0;
// A move further than this (cosine) from both bolts' lines is both bolts at once: not learnt.
constexpr double sameLineCosine = 0.87; // 30 degrees
// Every pole of a straight move lies this close to the line from its start to its end.
constexpr double straightPx = 0.5;

cv::Vec2d unit(const cv::Vec2d &v)
{
    const double n = cv::norm(v);
    return n > 0 ? v / n : cv::Vec2d(0, 0);
}

} // namespace

void BoltGuide::setExpected(const cv::Vec2d &altitude, const cv::Vec2d &azimuth)
{
    const cv::Vec2d a = unit(altitude), z = unit(azimuth);
    if (!(cv::norm(a) > 0) || !(cv::norm(z) > 0)) {
        m_known = false;
        return;
    }
    // The orientation follows the sky's slow turn; a different expectation (a new alignment, a
    // turned RA axis) starts the learning again.
    if (m_known && std::abs(a.dot(m_expectedAltitude)) > 0.999 && std::abs(z.dot(m_expectedAzimuth)) > 0.999)
        return;
    m_expectedAltitude = m_altitude = a;
    m_expectedAzimuth = m_azimuth = z;
    m_known = true;
}

void BoltGuide::restart()
{
    m_anchored = false;
    m_track.clear();
    m_runBolt = -1;
}

void BoltGuide::addPole(const cv::Point2d &pole)
{
    if (!std::isfinite(pole.x) || !std::isfinite(pole.y))
        return;
    if (!m_anchored) {
        m_anchor = pole;
        m_anchored = true;
        return;
    }
    const cv::Vec2d move(pole.x - m_anchor.x, pole.y - m_anchor.y);
    if (!m_known || cv::norm(move) < learningMovePx) {
        m_track.push_back(pole);
        return;
    }
    const cv::Vec2d d = unit(move);
    bool straight = true;
    for (const cv::Point2d &p : m_track)
        straight = straight && std::abs((p.x - m_anchor.x) * d[1] - (p.y - m_anchor.y) * d[0]) <= straightPx;
    const cv::Point2d start = m_anchor;
    m_anchor = pole;
    m_track.clear();
    const double alongAltitude = std::abs(d.dot(m_altitude)), alongAzimuth = std::abs(d.dot(m_azimuth));
    if (!straight || std::max(alongAltitude, alongAzimuth) < sameLineCosine) {
        m_runBolt = -1;
        return;
    }
    const int bolt = alongAltitude >= alongAzimuth ? 0 : 1;
    if (bolt != m_runBolt) {
        m_runBolt = bolt;
        m_runStart = start;
    }
    const cv::Vec2d run = unit(cv::Vec2d(pole.x - m_runStart.x, pole.y - m_runStart.y));
    cv::Vec2d &learnt = bolt == 0 ? m_altitude : m_azimuth;
    learnt = run.dot(learnt) < 0 ? -run : run;
}

bool BoltGuide::stops(const cv::Point2d &pole, const cv::Point2d &axis, cv::Point2d *altitudeStop,
    cv::Point2d *azimuthStop) const
{
    const double det = m_altitude[0] * m_azimuth[1] - m_altitude[1] * m_azimuth[0];
    if (!m_known || std::abs(det) < 0.2) // closer than about 12 degrees
        return false;
    // axis - pole = a * altitude + b * azimuth
    const double dx = axis.x - pole.x, dy = axis.y - pole.y;
    const double a = (dx * m_azimuth[1] - dy * m_azimuth[0]) / det;
    const double b = (m_altitude[0] * dy - m_altitude[1] * dx) / det;
    *altitudeStop = pole + cv::Point2d(a * m_altitude[0], a * m_altitude[1]);
    *azimuthStop = pole + cv::Point2d(b * m_azimuth[0], b * m_azimuth[1]);
    return true;
}
