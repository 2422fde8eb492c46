#include "camerabus.h"

#include "sensormodel.h"

#include <algorithm>

namespace karvix::sim {
namespace {

constexpr KarvixHandle kHandleBase = 0x51370000;
constexpr size_t kMaxLogEntries = 10000;
constexpr double kDefaultExposureUs = 50000;
constexpr double kDefaultGain = 50;

// Whether a setting in [min, max] is taken: not while tests have `rejections` left to refuse.
bool accepts(double value, double min, double max, int *rejections)
{
    if (value < min || value > max)
        return false;
    if (*rejections > 0) {
        --*rejections;
        return false;
    }
    return true;
}

} // namespace

CameraBus &CameraBus::instance()
{
    static CameraBus bus;
    return bus;
}

CameraBus::CameraBus() : CameraBackend(kHandleBase)
{ }

void CameraBus::called(const std::string &call)
{
    m_log.push_back(call);
    if (m_log.size() > kMaxLogEntries)
        m_log.pop_front();
}

bool CameraBus::openCamera(KarvixHandle handle)
{
    if (fails(CameraOperation::Open))
        return false;
    // The sky (with its sensor's noise and frame buffers, some 5 MB) is built when a camera first
    // opens, rather than at the first frame, and not before: the program initialises the library
    // while the simulated sky is still the default source, also when a recording or an INDI camera
    // is about to take its place. The catalogue is parsed at the first frame.
    cameraSimulator();
    m_cameras[handle] = {kDefaultExposureUs, kDefaultGain, 0, {}};
    return true;
}

bool CameraBus::setExposure(KarvixHandle handle, double exposureUs)
{
    if (!accepts(exposureUs, kMinExposureUs, kMaxExposureUs, &m_exposureRejections))
        return false;
    m_cameras[handle].exposureUs = exposureUs;
    return true;
}

bool CameraBus::setGain(KarvixHandle handle, double gain)
{
    if (!accepts(gain, 0, kMaxGain, &m_gainRejections))
        return false;
    m_cameras[handle].gain = gain;
    return true;
}

bool CameraBus::startLive(KarvixHandle handle)
{
    if (fails(CameraOperation::BeginLive))
        return false;
    Camera &c = m_cameras[handle];
    c.nextFrame = Clock::now() + std::chrono::microseconds(long(c.exposureUs));
    return true;
}

int CameraBus::readFrame(KarvixHandle handle, unsigned char *buffer)
{
    if (m_framesLeft == 0)
        return -1;
    Camera &c = m_cameras[handle];
    SkySimulator &sky = cameraSimulator();
    // With a test clock frames come on demand; otherwise a frame is ready one exposure after
    // the previous one was read (or after streaming began).
    if (!sky.usesTestClock()) {
        const auto now = Clock::now();
        if (now < c.nextFrame)
            return 1;
        c.nextFrame = now + std::chrono::microseconds(long(c.exposureUs));
    }
    cv::Mat frame(KARVIX_FRAME_HEIGHT, KARVIX_FRAME_WIDTH, CV_8UC1, buffer);
    sky.renderFrame(c.exposureUs, c.gain, frame);
    ++c.framesDelivered;
    if (m_framesLeft > 0)
        --m_framesLeft;
    return 0;
}

bool CameraBus::closeCamera(KarvixHandle handle)
{
    if (fails(CameraOperation::Close))
        return false;
    m_cameras.erase(handle);
    return true;
}

void CameraBus::reset()
{
    std::lock_guard<std::mutex> lock(mutex());
    m_ids = {"NORDVANE-SIM0001"};
    forgetCameras();
    m_cameras.clear();
    m_failing.clear();
    m_framesLeft = -1;
    m_exposureRejections = 0;
    m_gainRejections = 0;
    m_log.clear();
}

void CameraBus::setIds(const std::vector<std::string> &ids)
{
    std::lock_guard<std::mutex> lock(mutex());
    m_ids = ids;
    forgetCameras();
    m_cameras.clear();
}

void CameraBus::setFails(CameraOperation operation, bool fails)
{
    std::lock_guard<std::mutex> lock(mutex());
    if (fails)
        m_failing.insert(operation);
    else
        m_failing.erase(operation);
}

void CameraBus::stopFramesAfter(long frames)
{
    std::lock_guard<std::mutex> lock(mutex());
    m_framesLeft = frames < 0 ? -1 : frames;
}

void CameraBus::rejectExposure(int times)
{
    std::lock_guard<std::mutex> lock(mutex());
    m_exposureRejections = std::max(times, 0);
}

void CameraBus::rejectGain(int times)
{
    std::lock_guard<std::mutex> lock(mutex());
    m_gainRejections = std::max(times, 0);
}

CameraStatus CameraBus::status(KarvixHandle handle)
{
    std::lock_guard<std::mutex> lock(mutex());
    const CameraState *state = cameraState(handle);
    const auto c = m_cameras.find(handle);
    if (!state || c == m_cameras.end())
        return CameraStatus();
    return {true, state->initialised, state->live, c->second.exposureUs, c->second.gain,
        c->second.framesDelivered};
}

std::vector<std::string> CameraBus::callLog()
{
    std::lock_guard<std::mutex> lock(mutex());
    return {m_log.begin(), m_log.end()};
}

void CameraBus::clearCallLog()
{
    std::lock_guard<std::mutex> lock(mutex());
    m_log.clear();
}

} // namespace karvix::sim
