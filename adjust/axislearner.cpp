#include "axislearner.h"

#include <algorithm>
#include <cmath>

namespace {
// A gear or a count per degree outside these is a wrong setting, not something to follow.
constexpr double minGain = 0.2, maxGain = 5.0;
constexpr double maxBacklashArcsec = 3600;
int directionOf(double value)
{
    return value > 0 ? 1 : (value < 0 ? -1 : 0);
}
} // namespace

double AxisLearner::slackShare(int direction) const
{
    if (m_lastDirection == 0)
        return 0.5;
    return direction == m_lastDirection ? 0.0 : 1.0;
}

double AxisLearner::commandFor(double changeArcsec) const
{
    const double motion = changeArcsec / m_gain;
    const int direction = directionOf(motion);
    if (direction == 0)
        return 0;
    return (motion + direction * slackShare(direction) * m_backlashArcsec) / 3600.0;
}

void AxisLearner::learn(double commandDeg, double observedArcsec)
{
    const int direction = directionOf(commandDeg);
    if (direction == 0 || !std::isfinite(observedArcsec))
        return;
    m_moves.push_back({commandDeg * 3600.0, -direction * slackShare(direction), observedArcsec});
    m_lastDirection = direction;
    fit();
}

void AxisLearner::fit()
{
    // Normal equations of d = g C + K x.
    double cc = 0, cx = 0, xx = 0, cd = 0, xd = 0;
    for (const Move &m : m_moves) {
        cc += m.commandArcsec * m.commandArcsec;
        cx += m.commandArcsec * m.slack;
        xx += m.slack * m.slack;
        cd += m.commandArcsec * m.observedArcsec;
        xd += m.slack * m.observedArcsec;
    }
    const double det = cc * xx - cx * cx;
    double gain = cd / cc, backlash = 0;
    if (m_moves.size() >= 2 && det > 1e-9 * cc * xx) {
        gain = (cd * xx - xd * cx) / det;
        backlash = (cc * xd - cx * cd) / det / gain;
    }
    // A slack the fit cannot tell (or says is negative) is taken as the nearest sensible one, and
    // the gain fitted again with it.
    const double clamped = std::clamp(std::isfinite(backlash) ? backlash : 0.0, 0.0, maxBacklashArcsec);
    if (clamped != backlash) {
        double num = 0, den = 0;
        for (const Move &m : m_moves) {
            const double effective = m.commandArcsec + clamped * m.slack;
            num += effective * m.observedArcsec;
            den += effective * effective;
        }
        gain = den > 0 ? num / den : gain;
    }
    if (!std::isfinite(gain) || gain == 0)
        return;
    m_gain = std::copysign(std::clamp(std::fabs(gain), minGain, maxGain), gain);
    m_backlashArcsec = clamped;
}
