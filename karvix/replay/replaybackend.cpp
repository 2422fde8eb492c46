#include "replaybackend.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace karvix::replay {
namespace {

constexpr KarvixHandle kHandle = 0x52500001;
// A recording of one frame has no interval of its own.
constexpr auto kDefaultHoldInterval = std::chrono::milliseconds(100);

} // namespace

ReplayBackend::ReplayBackend(std::string path)
    : m_path(std::move(path)), m_frameUtc(std::numeric_limits<double>::quiet_NaN())
{ }

bool ReplayBackend::isOpen(KarvixHandle handle) const
{
    return m_open && handle == kHandle;
}

ReplayBackend::Clock::duration ReplayBackend::sinceFirstFrame(int64_t index) const
{
    const double seconds = m_reader.frameUtcSeconds(index) - m_reader.frameUtcSeconds(0);
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

int ReplayBackend::initResource()
{
    return 0;
}

int ReplayBackend::scan()
{
    return 1;
}

int ReplayBackend::getId(int index, char *id)
{
    return onlyCameraId(kCameraId, index, id);
}

KarvixHandle ReplayBackend::open(const char *id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!id || std::strcmp(id, kCameraId) != 0)
        return 0;
    if (m_open)
        return kHandle;
    std::string problem;
    if (!m_reader.open(m_path, KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT, &problem)) {
        m_problem = "recording " + m_path + ": " + problem;
        return 0;
    }
    m_problem.clear();
    const int64_t count = m_reader.frameCount();
    m_holdInterval = count > 1 ? sinceFirstFrame(count - 1) / (count - 1) : kDefaultHoldInterval;
    if (m_holdInterval <= Clock::duration::zero())
        m_holdInterval = kDefaultHoldInterval;
    m_open = true;
    m_frameUtc = m_reader.frameUtcSeconds(0);
    return kHandle;
}

int ReplayBackend::setStreamMode(KarvixHandle handle, unsigned char mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isOpen(handle) || mode != KARVIX_STREAM_LIVE)
        return -1;
    m_streamMode = true;
    return 0;
}

int ReplayBackend::init(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isOpen(handle))
        return -1;
    m_initialised = true;
    return 0;
}

int ReplayBackend::setParam(KarvixHandle handle, int control, double value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isOpen(handle) || !std::isfinite(value))
        return -1;
    switch (control) {
    case KARVIX_CONTROL_EXPOSURE:
    case KARVIX_CONTROL_GAIN:
    case KARVIX_CONTROL_9:
    case KARVIX_CONTROL_12:
        return 0; // the recorded frames are what they are
    default:
        return -1;
    }
}

int ReplayBackend::setBitsMode(KarvixHandle handle, int bits)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return isOpen(handle) && bits == 8 ? 0 : -1;
}

int ReplayBackend::setBinMode(KarvixHandle handle, int binX, int binY)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return isOpen(handle) && binX == 1 && binY == 1 ? 0 : -1;
}

int ReplayBackend::setResolution(KarvixHandle handle, int startX, int startY, int width, int height)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return isOpen(handle) && startX == 0 && startY == 0 && width == KARVIX_FRAME_WIDTH
            && height == KARVIX_FRAME_HEIGHT
        ? 0
        : -1;
}

int ReplayBackend::beginLive(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isOpen(handle) || !m_initialised || !m_streamMode)
        return -1;
    m_live = true;
    m_nextFrame = 0;
    m_liveStart = Clock::now();
    m_frameUtc = m_reader.frameUtcSeconds(0);
    return 0;
}

int ReplayBackend::getLiveFrame(
    KarvixHandle handle, int *width, int *height, int *bitsPerPixel, int *channels, unsigned char *buffer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isOpen(handle) || !m_live || !width || !height || !bitsPerPixel || !channels || !buffer)
        return -1;
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
        m_problem = "recording " + m_path + ": " + problem;
        return -1;
    }
    if (m_nextFrame < count) {
        m_frameUtc = m_reader.frameUtcSeconds(index);
        ++m_nextFrame;
    }
    if (m_nextFrame == count)
        m_nextHeldFrame = now + m_holdInterval;
    *width = KARVIX_FRAME_WIDTH;
    *height = KARVIX_FRAME_HEIGHT;
    *bitsPerPixel = 8;
    *channels = 1;
    return 0;
}

int ReplayBackend::stopLive(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isOpen(handle))
        return -1;
    m_live = false;
    return 0;
}

int ReplayBackend::close(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isOpen(handle))
        return -1;
    m_open = m_streamMode = m_initialised = m_live = false;
    m_reader.close();
    return 0;
}

std::string ReplayBackend::problem()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_problem;
}

} // namespace karvix::replay
