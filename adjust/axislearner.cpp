#include "axislearner.h"

#include <algorithm>
#include <cmath>

namespace {
// A gear or a count per degree outside these is a wrong setting, not something to follow.
constexpr double minGain = 0.2, maxGain = 5.0;
constexpr double maxBacklashArcsec = 3600, backlashStepArcsec = 1;
// Where the moves cannot tell (one move explains a gain of 0.5 without slack as well as a gain of
// 1 with slack the size of the move), the simpler motor is taken: a gain near 1 and little slack.
// Each weighs against the moves' misfit as (ln g)^2 and (B / 10')^2 times this many arcsec^2:
// little, so that they decide only where the moves do not.
constexpr double preference = 100, usualBacklashArcsec = 600;

// The motion that reaches the bolt when the motor moves by `command` with slack `backlash`, the
// motor at `*offset` from the slack's middle (updated).
double throughSlack(double command, double backlash, double *offset)
{
    const double half = backlash / 2;
    const double free = command > 0 ? half - *offset : *offset + half;
    *offset = std::clamp(*offset + command, -half, half);
    return std::copysign(std::max(0.0, std::fabs(command) - free), command);
}
} // namespace

double AxisLearner::commandFor(double changeArcsec) const
{
    double motion = changeArcsec / m_gain;
    if (motion == 0 || !std::isfinite(motion))
        return 0;
    const double direction = motion > 0 ? 1 : -1;
    if (m_moves.empty())
        motion += direction * probeArcsec;
    const double free
        = direction > 0 ? m_backlashArcsec / 2 - m_offsetArcsec : m_offsetArcsec + m_backlashArcsec / 2;
    return (motion + direction * free) / 3600.0;
}

void AxisLearner::learn(double commandDeg, double observedArcsec)
{
    if (commandDeg == 0 || !std::isfinite(commandDeg) || !std::isfinite(observedArcsec))
        return;
    m_moves.push_back({commandDeg * 3600.0, observedArcsec});
    fit();
}

void AxisLearner::fit()
{
    double best = INFINITY;
    for (double backlash = 0; backlash <= maxBacklashArcsec; backlash += backlashStepArcsec) {
        std::vector<double> motions;
        double offset = 0, mm = 0, md = 0;
        for (const Move &m : m_moves) {
            motions.push_back(throughSlack(m.commandArcsec, backlash, &offset));
            mm += motions.back() * motions.back();
            md += motions.back() * m.observedArcsec;
        }
        if (mm == 0 || md == 0)
            continue; // no motion reached the bolt: the gain is not told
        const double gain = std::copysign(std::clamp(std::fabs(md / mm), minGain, maxGain), md);
        double misfit = preference
            * (std::pow(std::log(std::fabs(gain)), 2) + std::pow(backlash / usualBacklashArcsec, 2));
        for (size_t i = 0; i < m_moves.size(); ++i)
            misfit += std::pow(m_moves[i].observedArcsec - gain * motions[i], 2);
        if (misfit < best) {
            best = misfit;
            m_gain = gain;
            m_backlashArcsec = backlash;
            m_offsetArcsec = offset;
        }
    }
}
