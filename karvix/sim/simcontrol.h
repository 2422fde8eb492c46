// simcontrol.h - test and tool access to the simulated camera behind the karvix C functions.
//
// The library presents simulated cameras (by default one, id "NORDVANE-SIM0001") that all show
// the sky of one SkySimulator. Tests use these functions to inject faults and to see what the
// program asked of the camera; the Virtual Mount window uses cameraSimulator() to turn the mount.
//
// Faults stay in force until changed or until resetCameraBus(). Every function is thread-safe.
#ifndef KARVIX_SIM_SIMCONTROL_H
#define KARVIX_SIM_SIMCONTROL_H

#include "karvix.h"
#include "simexport.h"
#include "skysimulator.h"

#include <string>
#include <vector>

namespace karvix::sim {

// The sky every simulated camera shows.
KARVIX_SIM_EXPORT SkySimulator &cameraSimulator();

// Operations that can be made to fail (return non-zero, or handle 0 for OpenKARVIX).
enum class CameraOperation { InitResource, Open, StreamMode, Init, BeginLive, Close };

// What a camera has been told, for tests.
struct CameraStatus
{
    bool open = false;
    bool initialised = false;
    bool live = false;
    double exposureUs = 0;
    double gain = 0;
    long framesDelivered = 0;
};

// Back to one camera "NORDVANE-SIM0001", no faults, every camera closed, call log empty.
// The simulator's sky and mount are left as they are.
KARVIX_SIM_EXPORT void resetCameraBus();
// The attached cameras' ids, by index (empty: no camera). Closes every open camera.
KARVIX_SIM_EXPORT void setCameraIds(const std::vector<std::string> &ids);
KARVIX_SIM_EXPORT void setOperationFails(CameraOperation operation, bool fails);
// After this many more frames no camera delivers another one (-1: frames never stop).
KARVIX_SIM_EXPORT void stopFramesAfter(long frames);
// The next `times` exposure (control 8) or gain (control 6) settings are refused.
KARVIX_SIM_EXPORT void rejectExposure(int times);
KARVIX_SIM_EXPORT void rejectGain(int times);

KARVIX_SIM_EXPORT CameraStatus cameraStatus(KarvixHandle handle);
// Every call made through karvix.h except GetKARVIXLiveFrame, oldest first, as the function
// name and its arguments separated by blanks, e.g. "SetKARVIXParam 8 50000" (the last 10,000).
KARVIX_SIM_EXPORT std::vector<std::string> cameraCallLog();
KARVIX_SIM_EXPORT void clearCameraCallLog();

} // namespace karvix::sim

#endif // KARVIX_SIM_SIMCONTROL_H
