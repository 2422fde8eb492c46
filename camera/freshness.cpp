#include "freshness.h"

#include <algorithm>

using std::chrono::duration_cast;
using std::chrono::milliseconds;

void FrameFreshness::frameArrived(Clock::time_point at)
{
    if (m_lastFrame && at > *m_lastFrame) {
        m_intervals[m_intervalCount % m_intervals.size()] = at - *m_lastFrame;
        ++m_intervalCount;
    }
    m_lastFrame = at;
}

void FrameFreshness::setExposure(std::chrono::microseconds exposure)
{
    m_exposure = std::max(exposure, std::chrono::microseconds(0));
}

void FrameFreshness::setLost(const QString &reason)
{
    m_lost = reason;
}

void FrameFreshness::clear()
{
    m_lastFrame.reset();
    m_intervalCount = 0;
}

milliseconds FrameFreshness::limit() const
{
    Clock::duration pace = m_exposure;
    const size_t known = std::min(m_intervalCount, m_intervals.size());
    if (known > 0) {
        std::array<Clock::duration, 8> sorted = m_intervals;
        std::nth_element(sorted.begin(), sorted.begin() + known / 2, sorted.begin() + known);
        pace = std::max(pace, sorted[known / 2]);
    }
    return std::max(minimumLimit, duration_cast<milliseconds>(lateFrames * pace));
}

FrameFreshness::State FrameFreshness::state(Clock::time_point now) const
{
    if (!m_lastFrame)
        return State::Idle;
    return !m_lost.isEmpty() || now - *m_lastFrame > limit() ? State::Stale : State::Fresh;
}

milliseconds FrameFreshness::age(Clock::time_point now) const
{
    return m_lastFrame ? std::max(milliseconds(0), duration_cast<milliseconds>(now - *m_lastFrame))
                       : milliseconds(0);
}

QString FrameFreshness::note(Clock::time_point now) const
{
    if (state(now) != State::Stale)
        return QString();
    const QString age = durationText(this->age(now));
    return m_lost.isEmpty() ? tr("stale: no frame for %1").arg(age)
                            : tr("stale: no frame for %1 — %2").arg(age, m_lost);
}

QString durationText(milliseconds duration)
{
    const long long seconds = std::max(0LL, static_cast<long long>(duration.count() / 1000));
    if (seconds < 60)
        return QCoreApplication::translate("Duration", "%1 s").arg(seconds);
    if (seconds < 3600)
        return QCoreApplication::translate("Duration", "%1 min %2 s")
            .arg(seconds / 60)
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QCoreApplication::translate("Duration", "%1 h %2 min")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
}
