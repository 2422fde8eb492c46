// replaybackend.h - a recorded night (a SER file) as the camera behind the karvix C functions.
//
// It presents one camera, "NORDVANE-REPLAY". Opening it reads and checks the whole file; a damaged
// file does not open and problem() says what is wrong with it. Once live, frame i is ready when as
// much time has passed since BeginKARVIXLive as passed between the recording's first frame and
// frame i (by the trailer's time stamps). After the last frame the camera holds it: it delivers the
// last frame again at the recording's mean frame interval, and frameUtc() stays at its time.
// Exposure, gain and the other controls are accepted and change nothing.
#ifndef KARVIX_REPLAY_REPLAYBACKEND_H
#define KARVIX_REPLAY_REPLAYBACKEND_H

#include "backend.h"
#include "serfile.h"

#include <atomic>
#include <chrono>
#include <mutex>

namespace karvix::replay {

class ReplayBackend : public Backend
{
public:
    static constexpr const char *kCameraId = "NORDVANE-REPLAY";

    explicit ReplayBackend(std::string path);

    int initResource() override;
    int scan() override;
    int getId(int index, char *id) override;
    KarvixHandle open(const char *id) override;
    int setStreamMode(KarvixHandle handle, unsigned char mode) override;
    int init(KarvixHandle handle) override;
    int setParam(KarvixHandle handle, int control, double value) override;
    int setBitsMode(KarvixHandle handle, int bits) override;
    int setBinMode(KarvixHandle handle, int binX, int binY) override;
    int setResolution(KarvixHandle handle, int startX, int startY, int width, int height) override;
    int beginLive(KarvixHandle handle) override;
    int getLiveFrame(KarvixHandle handle, int *width, int *height, int *bitsPerPixel, int *channels,
        unsigned char *buffer) override;
    int stopLive(KarvixHandle handle) override;
    int close(KarvixHandle handle) override;
    double frameUtc() override { return m_frameUtc; }
    std::string problem() override;

private:
    using Clock = std::chrono::steady_clock;
    bool isOpen(KarvixHandle handle) const;
    Clock::duration sinceFirstFrame(int64_t index) const;

    const std::string m_path;
    std::mutex m_mutex;
    ser::Reader m_reader;
    bool m_open = false;
    bool m_streamMode = false;
    bool m_initialised = false;
    bool m_live = false;
    int64_t m_nextFrame = 0;           // index of the next frame to deliver; frameCount once held
    Clock::time_point m_liveStart;     // when the first frame was due
    Clock::time_point m_nextHeldFrame; // when the last frame is delivered again
    Clock::duration m_holdInterval {};
    std::string m_problem;
    std::atomic<double> m_frameUtc;
};

} // namespace karvix::replay

#endif // KARVIX_REPLAY_REPLAYBACKEND_H
