// indibackend.h - a camera on an INDI server as the camera behind the karvix C functions.
//
// It presents one camera, "NORDVANE-INDI", the device chosen in the source (source.h). The
// connection (indilink.h) starts when the source is selected, so that by the time the program
// opens the camera the server and the device are usually ready: OpenKARVIX waits at most 100 ms
// for them (it runs on the GUI thread) and otherwise fails, with problem() saying why (server not
// reachable, device missing, still connecting). Frames are the driver's FITS frames converted to
// the program's 8-bit 1280 x 960 frame at 30.5"/px (fitsframe.h); frameUtc() is the middle of the
// delivered frame's exposure. Exposure goes to CCD_EXPOSURE, gain to CCD_GAIN or CCD_CONTROLS;
// controls 9 and 12 are accepted and change nothing.
#ifndef KARVIX_INDI_INDIBACKEND_H
#define KARVIX_INDI_INDIBACKEND_H

#include "backend.h"
#include "indilink.h"
#include "source.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace karvix::indi {

class IndiBackend : public Backend
{
public:
    static constexpr const char *kCameraId = "NORDVANE-INDI";
    // The longest the GUI thread waits in OpenKARVIX for the device.
    static constexpr std::chrono::milliseconds kOpenWait {100};

    // Faults while it streams go to `log` (indilink.h).
    IndiBackend(const SourceChoice &choice, IndiLink::ProblemLog log);
    ~IndiBackend() override;

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
    double frameUtc() override { return m_frameUtc; }
    std::string problem() override;
    std::string outage() override { return m_link->outage(); }
    bool connecting() override { return m_link->connecting(); }
    double adoptPlateScale(double arcsecPerPixel) override { return m_link->adoptPlateScale(arcsecPerPixel); }

private:
    bool isOpen(KarvixHandle handle) const;

    const std::shared_ptr<IndiLink> m_link;
    std::mutex m_mutex;
    bool m_open = false;
    bool m_streamMode = false;
    bool m_initialised = false;
    bool m_live = false;
    std::string m_problem;
    std::atomic<double> m_frameUtc;
};

} // namespace karvix::indi

#endif // KARVIX_INDI_INDIBACKEND_H
