// replaybackend.h - a recorded night (a SER file) as the camera behind the karvix C functions.
//
// It presents one camera, "NORDVANE-REPLAY". Opening it reads and checks the whole file; a damaged
// file does not open and problem() says what is wrong with it. Once live, frame i is ready when as
// much time has passed since BeginKARVIXLive as passed between the recording's first frame and
// frame i (by the trailer's time stamps). After the last frame the camera holds it: it delivers the
// last frame again at the recording's mean frame interval, frameUtc() stays at its time and
// outage() says the recording has ended.
// Exposure, gain and the other controls are accepted and change nothing.
#ifndef KARVIX_REPLAY_REPLAYBACKEND_H
#define KARVIX_REPLAY_REPLAYBACKEND_H

#include "camerabackend.h"
#include "serfile.h"

#include <atomic>
#include <chrono>

namespace karvix::replay {

class ReplayBackend : public CameraBackend
{
public:
    static constexpr const char *kCameraId = "NORDVANE-REPLAY";

    explicit ReplayBackend(std::string path);

    double frameUtc() override { return m_frameUtc; }
    std::string outage() override;

private:
    using Clock = std::chrono::steady_clock;

    std::vector<std::string> cameraIds() override { return {kCameraId}; }
    bool openCamera(KarvixHandle handle) override;
    bool startLive(KarvixHandle handle) override;
    int readFrame(KarvixHandle handle, unsigned char *buffer) override;
    bool closeCamera(KarvixHandle handle) override;
    Clock::duration sinceFirstFrame(int64_t index) const;

    const std::string m_path;
    ser::Reader m_reader;
    int64_t m_nextFrame = 0;           // index of the next frame to deliver; frameCount once held
    Clock::time_point m_liveStart;     // when the first frame was due
    Clock::time_point m_nextHeldFrame; // when the last frame is delivered again
    Clock::duration m_holdInterval {};
    std::atomic<double> m_frameUtc;
    std::atomic<int64_t> m_frameCount {0};      // of the open recording
    std::atomic<int64_t> m_framesDelivered {0}; // of the recording, the held frame not counted
};

} // namespace karvix::replay

#endif // KARVIX_REPLAY_REPLAYBACKEND_H
