#include "indibackend.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace karvix::indi {
namespace {
constexpr KarvixHandle kHandle = 0x494E0001;
} // namespace

IndiBackend::IndiBackend(const SourceChoice &choice, IndiLink::ProblemLog log)
    : m_link(IndiLink::start(choice, log)), m_frameUtc(std::numeric_limits<double>::quiet_NaN())
{ }

// The link disconnects in a few milliseconds unless it is waiting for an unreachable server; it is
// given as long as the GUI thread may wait, and otherwise finishes on its own.
IndiBackend::~IndiBackend()
{
    m_link->stopAndWait(kOpenWait);
}

bool IndiBackend::isOpen(KarvixHandle handle) const
{
    return m_open && handle == kHandle;
}

int IndiBackend::initResource()
{
    return 0;
}

int IndiBackend::scan()
{
    return 1;
}

int IndiBackend::getId(int index, char *id)
{
    return onlyCameraId(kCameraId, index, id);
}

KarvixHandle IndiBackend::open(const char *id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!id || std::strcmp(id, kCameraId) != 0)
        return 0;
    if (m_open)
        return kHandle;
    if (!m_link->waitReady(kOpenWait)) {
        m_problem = m_link->problem();
        return 0;
    }
    m_problem.clear();
    m_open = true;
    return kHandle;
}

int IndiBackend::setStreamMode(KarvixHandle handle, unsigned char mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isOpen(handle) || mode != KARVIX_STREAM_LIVE)
        return -1;
    m_streamMode = true;
    return 0;
}

int IndiBackend::init(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isOpen(handle))
        return -1;
    m_initialised = true;
    return 0;
}

int IndiBackend::setParam(KarvixHandle handle, int control, double value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isOpen(handle) || !std::isfinite(value))
        return -1;
    switch (control) {
    case KARVIX_CONTROL_EXPOSURE:
        return m_link->setExposure(value / 1e6) ? 0 : -1;
    case KARVIX_CONTROL_GAIN:
        m_link->setGain(value);
        return 0;
    case KARVIX_CONTROL_9:
    case KARVIX_CONTROL_12:
        return 0;
    default:
        return -1;
    }
}

// The conversion always delivers 8-bit, unbinned, full frames; anything else is refused.
int IndiBackend::setBitsMode(KarvixHandle handle, int bits)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return isOpen(handle) && bits == 8 ? 0 : -1;
}

int IndiBackend::setBinMode(KarvixHandle handle, int binX, int binY)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return isOpen(handle) && binX == 1 && binY == 1 ? 0 : -1;
}

int IndiBackend::setResolution(KarvixHandle handle, int startX, int startY, int width, int height)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return isOpen(handle) && startX == 0 && startY == 0 && width == KARVIX_FRAME_WIDTH
            && height == KARVIX_FRAME_HEIGHT
        ? 0
        : -1;
}

int IndiBackend::beginLive(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isOpen(handle) || !m_initialised || !m_streamMode)
        return -1;
    m_live = true;
    m_link->setLive(true);
    return 0;
}

int IndiBackend::getLiveFrame(
    KarvixHandle handle, int *width, int *height, int *bitsPerPixel, int *channels, unsigned char *buffer)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!isOpen(handle) || !m_live || !width || !height || !bitsPerPixel || !channels || !buffer)
            return -1;
    }
    double utc = 0;
    if (!m_link->takeFrame(buffer, &utc))
        return 1;
    m_frameUtc = utc;
    *width = KARVIX_FRAME_WIDTH;
    *height = KARVIX_FRAME_HEIGHT;
    *bitsPerPixel = 8;
    *channels = 1;
    return 0;
}

int IndiBackend::stopLive(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isOpen(handle))
        return -1;
    m_live = false;
    m_link->setLive(false);
    return 0;
}

int IndiBackend::close(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isOpen(handle))
        return -1;
    if (m_live)
        m_link->setLive(false);
    m_open = m_streamMode = m_initialised = m_live = false;
    return 0;
}

std::string IndiBackend::problem()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_problem;
}

} // namespace karvix::indi
