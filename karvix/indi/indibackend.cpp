#include "indibackend.h"

#include <limits>

namespace karvix::indi {
namespace {
constexpr KarvixHandle kHandleBase = 0x494E0000;
} // namespace

IndiBackend::IndiBackend(const SourceChoice &choice, IndiLink::ProblemLog log)
    : CameraBackend(kHandleBase), m_link(IndiLink::start(choice, log)),
      m_frameUtc(std::numeric_limits<double>::quiet_NaN())
{ }

// The link disconnects in a few milliseconds unless it is waiting for an unreachable server; it is
// given as long as the GUI thread may wait, and otherwise finishes on its own.
IndiBackend::~IndiBackend()
{
    m_link->stopAndWait(kOpenWait);
}

bool IndiBackend::openCamera(KarvixHandle)
{
    if (m_link->waitReady(kOpenWait))
        return true;
    setProblem(m_link->problem());
    return false;
}

bool IndiBackend::setExposure(KarvixHandle, double exposureUs)
{
    return m_link->setExposure(exposureUs / 1e6);
}

bool IndiBackend::setGain(KarvixHandle, double gain)
{
    m_link->setGain(gain);
    return true;
}

bool IndiBackend::startLive(KarvixHandle)
{
    m_link->setLive(true);
    return true;
}

int IndiBackend::readFrame(KarvixHandle, unsigned char *buffer)
{
    double utc = 0;
    if (!m_link->takeFrame(buffer, &utc))
        return 1;
    m_frameUtc = utc;
    return 0;
}

void IndiBackend::stopStreaming(KarvixHandle)
{
    m_link->setLive(false);
}

bool IndiBackend::closeCamera(KarvixHandle handle)
{
    if (cameraState(handle)->live)
        m_link->setLive(false);
    return true;
}

} // namespace karvix::indi
