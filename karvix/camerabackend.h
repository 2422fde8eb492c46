// camerabackend.h - what every back end's C functions have in common, with hooks for what differs.
//
// As INDI::CCD checks a client's requests and then calls its driver's hooks, CameraBackend answers
// the karvix C functions: it keeps which cameras are open and, for each, whether its stream mode is
// set, whether it is initialised and whether it streams; it refuses a call the camera's state does
// not allow, a non-finite or unknown control, and any mode but 8 bits, no binning and the full
// frame (the program ignores those results; frames are always 8-bit 1280 x 960 mono). A back end
// names its cameras and does its work in the hooks.
//
// The order the calls must come in: OpenKARVIX; SetKARVIXStreamMode (live only) and InitKARVIX,
// either first; BeginKARVIXLive; GetKARVIXLiveFrame while live; StopKARVIXLive and CloseKARVIX at any
// time while open. Opening an open camera hands out its handle again; a camera's handle is the
// back end's handle base plus its index plus one.
//
// Every public member takes one lock and calls the hooks under it, so the capture thread's frame
// and the GUI thread's stop or close never overlap; the hooks must not call the public members.
#ifndef KARVIX_CAMERABACKEND_H
#define KARVIX_CAMERABACKEND_H

#include "backend.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace karvix {

class CameraBackend : public Backend
{
public:
    explicit CameraBackend(KarvixHandle handleBase) : m_handleBase(handleBase) { }

    int initResource() final;
    int scan() final;
    int getId(int index, char *id) final;
    KarvixHandle open(const char *id) final;
    int setStreamMode(KarvixHandle handle, unsigned char mode) final;
    int init(KarvixHandle handle) final;
    int setParam(KarvixHandle handle, int control, double value) final;
    int setBitsMode(KarvixHandle handle, int bits) final;
    int setBinMode(KarvixHandle handle, int binX, int binY) final;
    int setResolution(KarvixHandle handle, int startX, int startY, int width, int height) final;
    int beginLive(KarvixHandle handle) final;
    int getLiveFrame(KarvixHandle handle, int *width, int *height, int *bitsPerPixel, int *channels,
        unsigned char *buffer) final;
    int stopLive(KarvixHandle handle) final;
    int close(KarvixHandle handle) final;
    std::string problem() final;

protected:
    struct CameraState
    {
        bool streamMode = false;
        bool initialised = false;
        bool live = false;
    };

    // The hooks, called with the lock held. Those returning bool refuse the call with false.
    // The attached cameras' ids, by index.
    virtual std::vector<std::string> cameraIds() = 0;
    virtual bool initialiseResource() { return true; }
    // Opens a closed camera; on failure problem() says why if the back end called setProblem.
    virtual bool openCamera(KarvixHandle handle) = 0;
    virtual bool setLiveStreamMode(KarvixHandle) { return true; }
    virtual bool initialiseCamera(KarvixHandle) { return true; }
    // Exposure in microseconds and gain; by default accepted and without effect.
    virtual bool setExposure(KarvixHandle, double) { return true; }
    virtual bool setGain(KarvixHandle, double) { return true; }
    virtual bool startLive(KarvixHandle) { return true; }
    // The next frame into `buffer` (KARVIX_FRAME_WIDTH x KARVIX_FRAME_HEIGHT bytes): 0 when written,
    // 1 when none is ready yet, -1 on failure (GetKARVIXLiveFrame's results).
    virtual int readFrame(KarvixHandle handle, unsigned char *buffer) = 0;
    virtual void stopStreaming(KarvixHandle) { }
    // The camera's state is still there while it closes.
    virtual bool closeCamera(KarvixHandle) { return true; }
    // Every call but GetKARVIXLiveFrame as its function name and arguments separated by blanks,
    // e.g. "SetKARVIXParam 8 50000", before it is checked: for a back end that keeps a call log.
    virtual void called(const std::string &) { }

    // For the back end's own members, which take the lock themselves.
    std::mutex &mutex() { return m_mutex; }
    // The open camera's state, or nullptr; with the lock held.
    const CameraState *cameraState(KarvixHandle handle) const;
    // Closes every camera without a hook (the cameras are gone); with the lock held.
    void forgetCameras() { m_cameras.clear(); }
    // What problem() says; with the lock held.
    void setProblem(std::string problem) { m_problem = std::move(problem); }

private:
    CameraState *state(KarvixHandle handle);

    const KarvixHandle m_handleBase;
    std::mutex m_mutex;
    std::map<KarvixHandle, CameraState> m_cameras; // the open ones
    std::string m_problem;
};

} // namespace karvix

#endif // KARVIX_CAMERABACKEND_H
