#include "replaybackend.h"

#include <limits>

namespace karvix::replay {
namespace {

constexpr KarvixHandle kHandleBase = 0x52500000;
// A recording of one frame has no interval of its own.
constexpr auto kDefaultHoldInterval = std::chrono::milliseconds(100);

} // namespace

ReplayBackend::ReplayBackend(std::string path)
    : CameraBackend(kHandleBase), m_path(std::move(path)),
      m_frameUtc(std::numeric_limits<double>::quiet_NaN())
{ }

ReplayBackend::Clock::duration ReplayBackend::sinceFirstFrame(int64_t index) const
{
    const double seconds = m_reader.frameUtcSeconds(index) - m_reader.frameUtcSeconds(0);
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

bool ReplayBackend::openCamera(KarvixHandle)
{
    std::string problem;
    if (!m_reader.open(m_path, KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT, &problem)) {
        setProblem("recording " + m_path + ": " + problem);
        return false;
    }
    const int64_t count = m_reader.frameCount();
    m_frameCount = count;
    m_holdInterval = count > 1 ? sinceFirstFrame(count - 1) / (count - 1) : kDefaultHoldInterval;
    if (m_holdInterval <= Clock::duration::zero())
        m_holdInterval = kDefaultHoldInterval;
    m_frameUtc = m_reader.frameUtcSeconds(0);
    return true;
}

bool ReplayBackend::startLive(KarvixHandle)
{
    m_nextFrame = 0;
    m_framesDelivered = 0;
    m_liveStart = Clock::now();
    m_frameUtc = m_reader.frameUtcSeconds(0);
    return true;
}

int ReplayBackend::readFrame(KarvixHandle, unsigned char *buffer)
{
    const auto now = Clock::now();
    const int64_t count = m_reader.frameCount();
    int64_t index = m_nextFrame;
    if (index < count) {
        if (now < m_liveStart + sinceFirstFrame(index))
            return 1;
    } else {
        if (now < m_nextHeldFrame)
            return 1;
        index = count - 1;
    }
    std::string problem;
    if (!m_reader.readFrame(index, buffer, &problem)) {
        setProblem("recording " + m_path + ": " + problem);
        return -1;
    }
    if (m_nextFrame < count) {
        m_frameUtc = m_reader.frameUtcSeconds(index);
        m_framesDelivered = ++m_nextFrame;
    }
    if (m_nextFrame == count)
        m_nextHeldFrame = now + m_holdInterval;
    return 0;
}

// Read by the window while the capture thread delivers: only the atomic count.
std::string ReplayBackend::outage()
{
    const int64_t delivered = m_framesDelivered;
    if (delivered == 0 || delivered < m_frameCount)
        return std::string();
    return "the recording has ended after its " + std::to_string(delivered) + " frames; its last frame stays";
}

bool ReplayBackend::closeCamera(KarvixHandle)
{
    m_reader.close();
    return true;
}

} // namespace karvix::replay
