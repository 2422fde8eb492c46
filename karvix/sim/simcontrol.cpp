#include "simcontrol.h"

#include "camerabus.h"

namespace karvix::sim {

SkySimulator &cameraSimulator()
{
    static SkySimulator sky;
    return sky;
}

void resetCameraBus()
{
    CameraBus::instance().reset();
}
void setCameraIds(const std::vector<std::string> &ids)
{
    CameraBus::instance().setIds(ids);
}
void setOperationFails(CameraOperation operation, bool fails)
{
    CameraBus::instance().setFails(operation, fails);
}
void stopFramesAfter(long frames)
{
    CameraBus::instance().stopFramesAfter(frames);
}
void rejectExposure(int times)
{
    CameraBus::instance().rejectExposure(times);
}
void rejectGain(int times)
{
    CameraBus::instance().rejectGain(times);
}
CameraStatus cameraStatus(KarvixHandle handle)
{
    return CameraBus::instance().status(handle);
}
std::vector<std::string> cameraCallLog()
{
    return CameraBus::instance().callLog();
}
void clearCameraCallLog()
{
    CameraBus::instance().clearCallLog();
}

} // namespace karvix::sim
