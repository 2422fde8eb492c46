// boltturns.cpp - quarter turns and the way back past a stop (see boltturns.h).
#include "boltturns.h"

#include <cmath>

namespace boltturns {
namespace {

// Coming forward by a quarter turn takes up the play of a common adjuster screw.
constexpr double playTurns = 0.25;

} // namespace

std::pair<double, double> neededMoves(const AxisErrorArcsec &error, double poleAltitudeDeg)
{
    // The axis above the pole is lowered, east of it moved west; the azimuth shrinks on the sky
    // with the pole's altitude, as in the total.
    constexpr double radPerDeg = 3.14159265358979323846 / 180.0;
    return {-error.altitude, -error.azimuth * std::cos(poleAltitudeDeg * radPerDeg)};
}

double quarterTurns(double turns)
{
    const double size = std::fabs(turns);
    return size < 0.25 ? 0.0 : std::round(size * 4.0) / 4.0;
}

std::optional<Knob> learntKnob(double neededBefore, double neededAfter, double noiseArcsec)
{
    const double moved = neededBefore - neededAfter; // positive: raised, or moved east
    if (!std::isfinite(moved) || !(std::fabs(moved) > std::fabs(noiseArcsec)))
        return std::nullopt;
    return Knob {std::fabs(moved), moved < 0};
}

void TurnAdvisor::setKnob(const Knob &knob)
{
    m_knob = knob;
    restart();
}

void TurnAdvisor::restart()
{
    m_anchored = false;
    m_lastTurn = m_side = m_working = 0;
    m_wentPast = false;
}

Advice TurnAdvisor::advise(double neededArcsec, double noiseArcsec)
{
    if (!std::isfinite(neededArcsec))
        return {};
    const double noise = std::isfinite(noiseArcsec) ? std::fabs(noiseArcsec) : 0.0;
    if (!m_anchored || std::fabs(neededArcsec - m_anchor) > noise) {
        if (m_anchored)
            m_lastTurn = neededArcsec < m_anchor ? 1 : -1;
        m_anchor = neededArcsec;
        m_anchored = true;
    }
    if (std::fabs(neededArcsec) > noise) {
        const int side = neededArcsec > 0 ? 1 : -1;
        // Back on the working side after passing the stop: done as advised, not another pass.
        // Else turned towards the stop from one side and now clearly on the other: passed it.
        if (m_wentPast && side == m_working) {
            m_wentPast = false;
        } else if (side == -m_side && m_lastTurn == m_side) {
            m_wentPast = true;
            m_working = m_side;
        }
        m_side = side;
    }
    if (!(m_knob.arcsecPerTurn > 0) || !std::isfinite(m_knob.arcsecPerTurn))
        return {};
    Advice advice;
    advice.known = true;
    advice.clockwise = (neededArcsec > 0) != m_knob.reversed;
    const double turns = std::fabs(neededArcsec) / m_knob.arcsecPerTurn;
    if (m_wentPast) {
        advice.wentPast = true;
        advice.turns = std::ceil(turns * 4.0) / 4.0 + playTurns;
        advice.forwardTurns = playTurns;
    } else {
        advice.turns = quarterTurns(turns);
    }
    return advice;
}

} // namespace boltturns
