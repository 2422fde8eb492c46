// camerabus.h - the simulated cameras behind the karvix C functions, the library's default back end.
//
// One instance per process (CameraBus::instance()) holds the attached cameras, their open and
// streaming state, their exposure and gain, and the faults tests inject. Every member is
// thread-safe: the capture thread reads frames while the GUI thread connects, disconnects and
// injects faults. A frame is rendered while the bus is locked, so a camera is never stopped or
// closed in the middle of one.
#ifndef KARVIX_SIM_CAMERABUS_H
#define KARVIX_SIM_CAMERABUS_H

#include "camerabackend.h"
#include "simcontrol.h"

#include <chrono>
#include <deque>
#include <map>
#include <set>

namespace karvix::sim {

class CameraBus : public CameraBackend
{
public:
    static CameraBus &instance();

    // simcontrol.h
    void reset();
    void setIds(const std::vector<std::string> &ids);
    void setFails(CameraOperation operation, bool fails);
    void stopFramesAfter(long frames);
    void rejectExposure(int times);
    void rejectGain(int times);
    CameraStatus status(KarvixHandle handle);
    std::vector<std::string> callLog();
    void clearCallLog();

private:
    using Clock = std::chrono::steady_clock;
    // What an open camera has been told, beside the state the base keeps.
    struct Camera
    {
        double exposureUs = 0;
        double gain = 0;
        long framesDelivered = 0;
        Clock::time_point nextFrame;
    };

    CameraBus();
    std::vector<std::string> cameraIds() override { return m_ids; }
    bool initialiseResource() override { return !fails(CameraOperation::InitResource); }
    bool openCamera(KarvixHandle handle) override;
    bool setLiveStreamMode(KarvixHandle) override { return !fails(CameraOperation::StreamMode); }
    bool initialiseCamera(KarvixHandle) override { return !fails(CameraOperation::Init); }
    bool setExposure(KarvixHandle handle, double exposureUs) override;
    bool setGain(KarvixHandle handle, double gain) override;
    bool startLive(KarvixHandle handle) override;
    int readFrame(KarvixHandle handle, unsigned char *buffer) override;
    bool closeCamera(KarvixHandle handle) override;
    void called(const std::string &call) override;
    bool fails(CameraOperation operation) const { return m_failing.count(operation) != 0; }

    std::vector<std::string> m_ids {"NORDVANE-SIM0001"};
    std::map<KarvixHandle, Camera> m_cameras; // the open ones, by handle
    std::set<CameraOperation> m_failing;
    long m_framesLeft = -1;
    int m_exposureRejections = 0;
    int m_gainRejections = 0;
    std::deque<std::string> m_log;
};

} // namespace karvix::sim

#endif // KARVIX_SIM_CAMERABUS_H
