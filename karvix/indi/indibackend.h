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

#include "camerabackend.h"
#include "indilink.h"
#include "source.h"

#include <atomic>
#include <memory>

namespace karvix::indi {

class IndiBackend : public CameraBackend
{
public:
    static constexpr const char *kCameraId = "NORDVANE-INDI";
    // The longest the GUI thread waits in OpenKARVIX for the device.
    static constexpr std::chrono::milliseconds kOpenWait {100};

    // Faults while it streams go to `log` (indilink.h).
    IndiBackend(const SourceChoice &choice, IndiLink::ProblemLog log);
    ~IndiBackend() override;

    double frameUtc() override { return m_frameUtc; }
    std::string outage() override { return m_link->outage(); }
    bool connecting() override { return m_link->connecting(); }
    bool reconnecting() override { return m_link->reconnecting(); }
    void reach() override { m_link->reach(); }
    double adoptPlateScale(double arcsecPerPixel) override { return m_link->adoptPlateScale(arcsecPerPixel); }

private:
    std::vector<std::string> cameraIds() override { return {kCameraId}; }
    bool openCamera(KarvixHandle handle) override;
    bool setExposure(KarvixHandle handle, double exposureUs) override;
    bool setGain(KarvixHandle handle, double gain) override;
    bool startLive(KarvixHandle handle) override;
    int readFrame(KarvixHandle handle, unsigned char *buffer) override;
    void stopStreaming(KarvixHandle handle) override;
    bool closeCamera(KarvixHandle handle) override;

    const std::shared_ptr<IndiLink> m_link;
    std::atomic<double> m_frameUtc;
};

} // namespace karvix::indi

#endif // KARVIX_INDI_INDIBACKEND_H
