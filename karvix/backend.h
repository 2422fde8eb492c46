// backend.h - what a source of frames implements to stand behind the C functions of karvix.h.
//
// The simulated sky (sim/camerabus.h), a recorded night (replay/replaybackend.h) and a camera on an
// INDI server (indi/indibackend.h) are back ends; karvix.cpp hands every C call to the one selected
// in source.h. The members have the C functions' arguments and results and must be thread-safe:
// the capture thread reads frames while the GUI thread opens, stops and closes. Each back end
// derives from CameraBackend (camerabackend.h), which answers them by the same rules for all.
#ifndef KARVIX_BACKEND_H
#define KARVIX_BACKEND_H

#include "karvix.h"

#include <limits>
#include <memory>
#include <string>

namespace karvix {

class Backend
{
public:
    virtual ~Backend() = default;

    virtual int initResource() = 0;
    virtual int scan() = 0;
    virtual int getId(int index, char *id) = 0;
    virtual KarvixHandle open(const char *id) = 0;
    virtual int setStreamMode(KarvixHandle handle, unsigned char mode) = 0;
    virtual int init(KarvixHandle handle) = 0;
    virtual int setParam(KarvixHandle handle, int control, double value) = 0;
    virtual int setBitsMode(KarvixHandle handle, int bits) = 0;
    virtual int setBinMode(KarvixHandle handle, int binX, int binY) = 0;
    virtual int setResolution(KarvixHandle handle, int startX, int startY, int width, int height) = 0;
    virtual int beginLive(KarvixHandle handle) = 0;
    virtual int getLiveFrame(
        KarvixHandle handle, int *width, int *height, int *bitsPerPixel, int *channels, unsigned char *buffer)
        = 0;
    virtual int stopLive(KarvixHandle handle) = 0;
    virtual int close(KarvixHandle handle) = 0;

    // The UTC (seconds since 1970) of the frame last delivered, for back ends whose frames carry
    // their own time; NaN for those that show the present.
    virtual double frameUtc() { return std::numeric_limits<double>::quiet_NaN(); }
    // Why the last open failed, in words; empty when it did not or when there is nothing to say.
    virtual std::string problem() { return std::string(); }
    // What keeps the open camera's frames from coming now; empty while they may come.
    virtual std::string outage() { return std::string(); }
    // Whether the camera is still being reached (a network camera) with nothing gone wrong yet.
    virtual bool connecting() { return false; }
    // Whether the open camera, lost, is being reached again by itself.
    virtual bool reconnecting() { return false; }
    // A camera given up (a network camera not reached) is tried once more.
    virtual void reach() { }
    // For a camera whose frames are scaled from its lens (INDI): the scale a plate solve measured
    // on the delivered frames. Returns the focal length used from now on (mm); NaN for back ends
    // without a lens or when the figure cannot be used.
    virtual double adoptPlateScale(double) { return std::numeric_limits<double>::quiet_NaN(); }
};

// The back end the C functions talk to now (source.cpp). Callers keep the pointer for the length of
// one call, so a source changed meanwhile is destroyed only when that call has returned.
std::shared_ptr<Backend> selectedBackend();

// Hands one line about a fault to the log the program installed (source.h, setProblemLog).
void logProblem(const std::string &text);

} // namespace karvix

#endif // KARVIX_BACKEND_H
