#include "camerabackend.h"

#include <cmath>
#include <cstring>
#include <sstream>

namespace karvix {
namespace {

template <typename... Args> std::string callText(const char *name, Args... args)
{
    std::ostringstream text;
    text << name;
    ((text << ' ' << args), ...);
    return text.str();
}

} // namespace

const CameraBackend::CameraState *CameraBackend::cameraState(KarvixHandle handle) const
{
    const auto it = m_cameras.find(handle);
    return it == m_cameras.end() ? nullptr : &it->second;
}

CameraBackend::CameraState *CameraBackend::state(KarvixHandle handle)
{
    return const_cast<CameraState *>(cameraState(handle));
}

int CameraBackend::initResource()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    called("InitKARVIXResource");
    return initialiseResource() ? 0 : -1;
}

int CameraBackend::scan()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    called("ScanKARVIX");
    return int(cameraIds().size());
}

int CameraBackend::getId(int index, char *id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    called(callText("GetKARVIXId", index));
    const std::vector<std::string> ids = cameraIds();
    if (!id || index < 0 || size_t(index) >= ids.size())
        return -1;
    std::strncpy(id, ids[size_t(index)].c_str(), KARVIX_ID_BUFFER_SIZE - 1);
    id[KARVIX_ID_BUFFER_SIZE - 1] = '\0';
    return 0;
}

KarvixHandle CameraBackend::open(const char *id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    called(callText("OpenKARVIX", id ? id : "(null)"));
    if (!id)
        return 0;
    const std::vector<std::string> ids = cameraIds();
    for (size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] != id)
            continue;
        const KarvixHandle handle = m_handleBase + KarvixHandle(i) + 1;
        if (state(handle))
            return handle;
        if (!openCamera(handle))
            return 0;
        m_problem.clear();
        m_cameras[handle] = CameraState();
        return handle;
    }
    return 0;
}

int CameraBackend::setStreamMode(KarvixHandle handle, unsigned char mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    called(callText("SetKARVIXStreamMode", int(mode)));
    CameraState *camera = state(handle);
    if (!camera || mode != KARVIX_STREAM_LIVE || !setLiveStreamMode(handle))
        return -1;
    camera->streamMode = true;
    return 0;
}

int CameraBackend::init(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    called("InitKARVIX");
    CameraState *camera = state(handle);
    if (!camera || !initialiseCamera(handle))
        return -1;
    camera->initialised = true;
    return 0;
}

int CameraBackend::setParam(KarvixHandle handle, int control, double value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    called(callText("SetKARVIXParam", control, value));
    if (!state(handle) || !std::isfinite(value))
        return -1;
    switch (control) {
    case KARVIX_CONTROL_EXPOSURE:
        return setExposure(handle, value) ? 0 : -1;
    case KARVIX_CONTROL_GAIN:
        return setGain(handle, value) ? 0 : -1;
    case KARVIX_CONTROL_9:
    case KARVIX_CONTROL_12:
        return 0; // accepted; no back end has anything they would change
    default:
        return -1;
    }
}

int CameraBackend::setBitsMode(KarvixHandle handle, int bits)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    called(callText("SetKARVIXBitsMode", bits));
    return state(handle) && bits == 8 ? 0 : -1;
}

int CameraBackend::setBinMode(KarvixHandle handle, int binX, int binY)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    called(callText("SetKARVIXBinMode", binX, binY));
    return state(handle) && binX == 1 && binY == 1 ? 0 : -1;
}

int CameraBackend::setResolution(KarvixHandle handle, int startX, int startY, int width, int height)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    called(callText("SetKARVIXResolution", startX, startY, width, height));
    return state(handle) && startX == 0 && startY == 0 && width == KARVIX_FRAME_WIDTH
            && height == KARVIX_FRAME_HEIGHT
        ? 0
        : -1;
}

int CameraBackend::beginLive(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    called("BeginKARVIXLive");
    CameraState *camera = state(handle);
    if (!camera || !camera->initialised || !camera->streamMode || !startLive(handle))
        return -1;
    camera->live = true;
    return 0;
}

int CameraBackend::getLiveFrame(
    KarvixHandle handle, int *width, int *height, int *bitsPerPixel, int *channels, unsigned char *buffer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const CameraState *camera = state(handle);
    if (!camera || !camera->live || !width || !height || !bitsPerPixel || !channels || !buffer)
        return -1;
    const int result = readFrame(handle, buffer);
    if (result == 0) {
        *width = KARVIX_FRAME_WIDTH;
        *height = KARVIX_FRAME_HEIGHT;
        *bitsPerPixel = 8;
        *channels = 1;
    }
    return result;
}

int CameraBackend::stopLive(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    called("StopKARVIXLive");
    CameraState *camera = state(handle);
    if (!camera)
        return -1;
    stopStreaming(handle);
    camera->live = false;
    return 0;
}

int CameraBackend::close(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    called("CloseKARVIX");
    if (!state(handle) || !closeCamera(handle))
        return -1;
    m_cameras.erase(handle);
    return 0;
}

std::string CameraBackend::problem()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_problem;
}

} // namespace karvix
