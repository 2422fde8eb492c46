#include "framethinning.h"

#include <cmath>

void FrameThinning::markAction(double utcSeconds)
{
    if (std::isfinite(utcSeconds))
        m_actions.push_back(utcSeconds);
}

bool FrameThinning::keep(double frameUtcSeconds)
{
    while (!m_actions.empty() && m_actions.front() < frameUtcSeconds - kAroundActionS)
        m_actions.pop_front();
    bool kept = m_everyFrame || !m_keptAny || frameUtcSeconds - m_lastKept >= kQuietIntervalS;
    // Actions may come a little out of order (the window's clock against the frames'): any of
    // those left is near enough.
    for (double action : m_actions)
        kept = kept || action <= frameUtcSeconds + kAroundActionS;
    if (kept) {
        m_lastKept = frameUtcSeconds;
        m_keptAny = true;
    }
    return kept;
}
