// freshness.h - whether the picture, and every figure measured on it, is live.
//
// Whoever shows frames tells it when a frame arrived, which exposure the camera runs at and, while
// it lasts, why frames cannot come (the camera disconnected, its server gone); it answers whether
// the last frame is still fresh, how old it is and, when it is not, a note in words for the user:
// "stale: no frame for 4 s — camera lost (INDI server localhost:7624 closed the connection)".
//
// Ages are the steady clock's, never the program's clock: a test steps the sky's clock and a
// replayed night runs on its recorded instants, while a figure is live only when its frame came
// moments ago in the room's time.
//
// A frame is late after a few frame intervals (the exposure, or the pace the frames really came
// at, whichever is slower), but never sooner than minimumLimit, so a slow exposure or a camera on a
// network is not called stale between two ordinary frames. A known loss makes the figures stale at
// once. Widget-free: the window and the phone view read the same verdict. One thread (the GUI's).
#ifndef FRESHNESS_H
#define FRESHNESS_H

#include <QCoreApplication>
#include <QString>
#include <array>
#include <chrono>
#include <optional>

// "4 s", "2 min 05 s", "1 h 10 min": a duration as the program writes it (a frame's age, the
// length of an alignment), truncated to its last unit.
QString durationText(std::chrono::milliseconds duration);

class FrameFreshness
{
    Q_DECLARE_TR_FUNCTIONS(FrameFreshness)

public:
    using Clock = std::chrono::steady_clock;

    enum class State {
        Idle,  // nothing shown: no frame since the start or since clear()
        Fresh, // the last frame is recent and nothing is known to be lost
        Stale  // the last frame is late, or frames cannot come
    };

    static constexpr int lateFrames = 3;
    static constexpr std::chrono::milliseconds minimumLimit {1500};

    void frameArrived(Clock::time_point at);
    void setExposure(std::chrono::microseconds exposure);
    // Why frames cannot come now, in words; empty while nothing is known to stand in the way.
    void setLost(const QString &reason);
    // The picture is gone (another camera source, a failed connect): nothing left to be stale.
    void clear();

    State state(Clock::time_point now) const;
    // Since the last frame; zero while Idle.
    std::chrono::milliseconds age(Clock::time_point now) const;
    // How late the next frame may be before the last one is stale.
    std::chrono::milliseconds limit() const;
    QString lostReason() const { return m_lost; }
    // The user's note while Stale, empty otherwise.
    QString note(Clock::time_point now) const;

private:
    std::optional<Clock::time_point> m_lastFrame;
    // The latest intervals between frames; their median is the pace frames come at, so one
    // outage does not stretch the limit after frames are back.
    std::array<Clock::duration, 8> m_intervals {};
    size_t m_intervalCount = 0;
    std::chrono::microseconds m_exposure {0};
    QString m_lost;
};

#endif // FRESHNESS_H
