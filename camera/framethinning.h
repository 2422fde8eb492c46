// framethinning.h - which frames a recording keeps when it does not keep them all.
//
// A replay needs the frames the program worked on when something happened (a step, a star picked,
// an RA position taken, Done): every frame from kAroundActionS before each action to kAroundActionS
// after it. Between actions a frame every kQuietIntervalS shows how the sky went on. At 1.2 MB a
// frame that keeps an hour of an alignment under 4 GB: 1800 quiet frames and some forty actions'
// worth of frames at ten a second.
//
// Frames are judged in the order they came, each once every action up to kAroundActionS after it is
// known (the recorder holds the newest frames back for that long). Plain C++, one thread at a time.
#ifndef FRAMETHINNING_H
#define FRAMETHINNING_H

#include <deque>

class FrameThinning
{
public:
    static constexpr double kAroundActionS = 2.0;
    static constexpr double kQuietIntervalS = 2.0;

    // Every frame kept (the user's choice): keep() says yes to all.
    explicit FrameThinning(bool everyFrame = false) : m_everyFrame(everyFrame) { }

    bool everyFrame() const { return m_everyFrame; }
    // An action at utcSeconds (the program's clock, as the frames' times).
    void markAction(double utcSeconds);
    // Whether the frame taken at utcSeconds is written; the frames are asked in their order.
    bool keep(double frameUtcSeconds);

private:
    bool m_everyFrame;
    std::deque<double> m_actions; // those still near enough to a frame to come
    double m_lastKept = 0;
    bool m_keptAny = false;
};

#endif // FRAMETHINNING_H
