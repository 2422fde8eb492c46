// camerabus.h - the simulated cameras behind the karvix C functions, the library's default back end.
//
// One instance per process (CameraBus::instance()) holds the attached cameras, their open and
// streaming state, their exposure and gain, and the faults tests inject. Every member is
// thread-safe: the capture thread reads frames while the GUI thread connects, disconnects and
// injects faults. A frame is rendered while the bus is locked, so a camera is never stopped or
// closed in the middle of one.
#ifndef KARVIX_SIM_CAMERABUS_H
#define KARVIX_SIM_CAMERABUS_H

#include "backend.h"
#include "simcontrol.h"

#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <set>

namespace karvix::sim {

class CameraBus : public Backend
{
public:
    static CameraBus &instance();

    // The C functions of karvix.h, same arguments and results.
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
    struct Camera
    {
        CameraStatus status;
        bool streamMode = false;
        Clock::time_point nextFrame;
    };

    CameraBus() = default;
    Camera *camera(KarvixHandle handle);
    bool fails(CameraOperation operation) const { return m_failing.count(operation) != 0; }
    void log(const std::string &call);

    std::mutex m_mutex;
    std::vector<std::string> m_ids {"NORDVANE-SIM0001"};
    std::map<KarvixHandle, Camera> m_open; // by handle; a handle is the camera's index plus a base
    std::set<CameraOperation> m_failing;
    long m_framesLeft = -1;
    int m_exposureRejections = 0;
    int m_gainRejections = 0;
    std::deque<std::string> m_log;
};

} // namespace karvix::sim

#endif // KARVIX_SIM_CAMERABUS_H
