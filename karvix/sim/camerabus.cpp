#include "camerabus.h"

#include "sensormodel.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>

namespace karvix::sim {
namespace {

constexpr KarvixHandle kHandleBase = 0x51370000;
constexpr size_t kMaxLogEntries = 10000;
constexpr double kDefaultExposureUs = 50000;
constexpr double kDefaultGain = 50;

template <typename... Args> std::string callText(const char *name, Args... args)
{
    std::ostringstream text;
    text << name;
    ((text << ' ' << args), ...);
    return text.str();
}

} // namespace

CameraBus &CameraBus::instance()
{
    static CameraBus bus;
    return bus;
}

CameraBus::Camera *CameraBus::camera(KarvixHandle handle)
{
    const auto it = m_open.find(handle);
    return it == m_open.end() ? nullptr : &it->second;
}

void CameraBus::log(const std::string &call)
{
    m_log.push_back(call);
    if (m_log.size() > kMaxLogEntries)
        m_log.pop_front();
}

int CameraBus::initResource()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    log("InitKARVIXResource");
    return fails(CameraOperation::InitResource) ? -1 : 0;
}

int CameraBus::scan()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    log("ScanKARVIX");
    return int(m_ids.size());
}

int CameraBus::getId(int index, char *id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    log(callText("GetKARVIXId", index));
    if (!id || index < 0 || size_t(index) >= m_ids.size())
        return -1;
    std::strncpy(id, m_ids[size_t(index)].c_str(), KARVIX_ID_BUFFER_SIZE - 1);
    id[KARVIX_ID_BUFFER_SIZE - 1] = '\0';
    return 0;
}

KarvixHandle CameraBus::open(const char *id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    log(callText("OpenKARVIX", id ? id : "(null)"));
    if (!id || fails(CameraOperation::Open))
        return 0;
    for (size_t i = 0; i < m_ids.size(); ++i) {
        if (m_ids[i] != id)
            continue;
        const KarvixHandle handle = kHandleBase + KarvixHandle(i) + 1;
        // The sky (with its sensor's noise and frame buffers, some 5 MB) is built when a camera
        // first opens, rather than at the first frame, and not before: the program initialises
        // the library while the simulated sky is still the default source, also when a recording
        // or an INDI camera is about to take its place. The catalogue is parsed at the first frame.
        cameraSimulator();
        // Opening an open camera hands out the same handle again.
        if (!camera(handle)) {
            Camera &c = m_open[handle];
            c.status.open = true;
            c.status.exposureUs = kDefaultExposureUs;
            c.status.gain = kDefaultGain;
        }
        return handle;
    }
    return 0;
}

int CameraBus::setStreamMode(KarvixHandle handle, unsigned char mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    log(callText("SetKARVIXStreamMode", int(mode)));
    Camera *c = camera(handle);
    if (!c || mode != KARVIX_STREAM_LIVE || fails(CameraOperation::StreamMode))
        return -1;
    c->streamMode = true;
    return 0;
}

int CameraBus::init(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    log("InitKARVIX");
    Camera *c = camera(handle);
    if (!c || fails(CameraOperation::Init))
        return -1;
    c->status.initialised = true;
    return 0;
}

int CameraBus::setParam(KarvixHandle handle, int control, double value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    log(callText("SetKARVIXParam", control, value));
    Camera *c = camera(handle);
    if (!c || !std::isfinite(value))
        return -1;
    switch (control) {
    case KARVIX_CONTROL_EXPOSURE:
        if (value < kMinExposureUs || value > kMaxExposureUs)
            return -1;
        if (m_exposureRejections > 0) {
            --m_exposureRejections;
            return -1;
        }
        c->status.exposureUs = value;
        return 0;
    case KARVIX_CONTROL_GAIN:
        if (value < 0 || value > kMaxGain)
            return -1;
        if (m_gainRejections > 0) {
            --m_gainRejections;
            return -1;
        }
        c->status.gain = value;
        return 0;
    case KARVIX_CONTROL_9:
    case KARVIX_CONTROL_12:
        return 0; // accepted; they do not change the simulated image
    default:
        return -1;
    }
}

// The sensor only streams 8-bit, unbinned, full frames; anything else is refused (the program
// ignores these results) and the frames stay as they are.
int CameraBus::setBitsMode(KarvixHandle handle, int bits)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    log(callText("SetKARVIXBitsMode", bits));
    return camera(handle) && bits == 8 ? 0 : -1;
}

int CameraBus::setBinMode(KarvixHandle handle, int binX, int binY)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    log(callText("SetKARVIXBinMode", binX, binY));
    return camera(handle) && binX == 1 && binY == 1 ? 0 : -1;
}

int CameraBus::setResolution(KarvixHandle handle, int startX, int startY, int width, int height)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    log(callText("SetKARVIXResolution", startX, startY, width, height));
    return camera(handle) && startX == 0 && startY == 0 && width == KARVIX_FRAME_WIDTH
            && height == KARVIX_FRAME_HEIGHT
        ? 0
        : -1;
}

int CameraBus::beginLive(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    log("BeginKARVIXLive");
    Camera *c = camera(handle);
    if (!c || !c->status.initialised || !c->streamMode || fails(CameraOperation::BeginLive))
        return -1;
    c->status.live = true;
    c->nextFrame = Clock::now() + std::chrono::microseconds(long(c->status.exposureUs));
    return 0;
}

int CameraBus::getLiveFrame(
    KarvixHandle handle, int *width, int *height, int *bitsPerPixel, int *channels, unsigned char *buffer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Camera *c = camera(handle);
    if (!c || !c->status.live || !width || !height || !bitsPerPixel || !channels || !buffer
        || m_framesLeft == 0)
        return -1;
    SkySimulator &sky = cameraSimulator();
    // With a test clock frames come on demand; otherwise a frame is ready one exposure after
    // the previous one was read (or after streaming began).
    if (!sky.usesTestClock()) {
        const auto now = Clock::now();
        if (now < c->nextFrame)
            return 1;
        c->nextFrame = now + std::chrono::microseconds(long(c->status.exposureUs));
    }
    cv::Mat frame(KARVIX_FRAME_HEIGHT, KARVIX_FRAME_WIDTH, CV_8UC1, buffer);
    sky.renderFrame(c->status.exposureUs, c->status.gain, frame);
    *width = KARVIX_FRAME_WIDTH;
    *height = KARVIX_FRAME_HEIGHT;
    *bitsPerPixel = 8;
    *channels = 1;
    ++c->status.framesDelivered;
    if (m_framesLeft > 0)
        --m_framesLeft;
    return 0;
}

int CameraBus::stopLive(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    log("StopKARVIXLive");
    Camera *c = camera(handle);
    if (!c)
        return -1;
    c->status.live = false;
    return 0;
}

int CameraBus::close(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    log("CloseKARVIX");
    if (!camera(handle) || fails(CameraOperation::Close))
        return -1;
    m_open.erase(handle);
    return 0;
}

void CameraBus::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_ids = {"NORDVANE-SIM0001"};
    m_open.clear();
    m_failing.clear();
    m_framesLeft = -1;
    m_exposureRejections = 0;
    m_gainRejections = 0;
    m_log.clear();
}

void CameraBus::setIds(const std::vector<std::string> &ids)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_ids = ids;
    m_open.clear();
}

void CameraBus::setFails(CameraOperation operation, bool fails)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (fails)
        m_failing.insert(operation);
    else
        m_failing.erase(operation);
}

void CameraBus::stopFramesAfter(long frames)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_framesLeft = frames < 0 ? -1 : frames;
}

void CameraBus::rejectExposure(int times)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_exposureRejections = std::max(times, 0);
}

void CameraBus::rejectGain(int times)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_gainRejections = std::max(times, 0);
}

CameraStatus CameraBus::status(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Camera *c = camera(handle);
    return c ? c->status : CameraStatus();
}

std::vector<std::string> CameraBus::callLog()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return {m_log.begin(), m_log.end()};
}

void CameraBus::clearCallLog()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_log.clear();
}

} // namespace karvix::sim
