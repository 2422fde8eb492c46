// indilink.h - the connection to one camera on an INDI server, kept up by a thread of its own.
//
// The thread connects to the server (with a timeout), waits for the device, asks for its BLOBs and
// switches its CONNECTION on. A camera lost while live (its server gone, its driver failed or
// restarted) is reached again every few seconds, and the gain asked for goes to it again; a camera
// that was not live is tried once, and again only when asked (reach()): a wrong port or a server
// not started yet costs one logged line, not one every few seconds. A camera another client
// switched off on purpose stays off until asked. While live it keeps one CCD_EXPOSURE
// armed: the next is asked for as soon as a frame arrives, and again when an exposure has not
// come back long after it should have. Frames arrive on libindi's thread, which decodes and
// converts them (fitsframe.h) and keeps the newest; the lock is held there only to swap buffers, and
// in takeFrame for one copy of the frame (1.2 MB, a fraction of a millisecond). Every fault is logged once,
// when it begins (to the log it was started with), and stays readable through problem() while it
// lasts.
//
// A driver that offers a video stream (webcams, planetary cameras) streams instead of exposing at
// short exposures (kStreamMaxExposure); its frames (streamframe.h) go the same way.
//
// The link outlives whoever started it until its thread has finished: stop() returns at once,
// even while a connection attempt to an unreachable server is still waiting for its timeout.
#ifndef KARVIX_INDI_INDILINK_H
#define KARVIX_INDI_INDILINK_H

#include "karvix.h"
#include "source.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace INDI {
class Property;
}

namespace karvix::indi {

class IndiLink : public std::enable_shared_from_this<IndiLink>
{
public:
    using Clock = std::chrono::steady_clock;

    // How long a connection attempt waits for the server, and how long before the next one.
    static constexpr std::chrono::seconds kConnectTimeout {3};
    static constexpr std::chrono::seconds kRetryInterval {2};
    // An exposure not back this long after its end is asked for again.
    static constexpr std::chrono::seconds kExposureGrace {10};
    // The longest exposure streamed, where the driver offers a video stream (CCD_VIDEO_STREAM with
    // the RAW encoder); longer ones loop CCD_EXPOSURE. A stream is what such drivers are built for
    // at video rates: frames come back to back, without the round trip and FITS header of every
    // exposure. At long exposures that saving is nothing, while exposures give the sensor's full
    // depth (libindi reduces streamed frames to 8 bits) and the driver's own time stamps. A stream
    // the driver refuses or that brings no frame falls back to exposures until it reconnects.
    static constexpr double kStreamMaxExposure = 0.5;

    // Where faults go, one line each: libkarvix's logProblem (backend.h), handed over by the module's
    // entry point (indimodule.h).
    using ProblemLog = void (*)(const std::string &text);

    // Starts the link's thread, which connects at once.
    static std::shared_ptr<IndiLink> start(const SourceChoice &choice, ProblemLog log);
    ~IndiLink();

    // Asks the thread to disconnect and finish; returns at once.
    void stop();
    // The same, then waits up to `wait` for the thread to have disconnected: true when it has.
    bool stopAndWait(std::chrono::milliseconds wait);
    // Waits up to `wait` for the device to be connected and ready to expose.
    bool waitReady(std::chrono::milliseconds wait);
    // What stands in the way now, in one line; empty while all is well.
    std::string problem();
    // While the server or the device is not ready (gone, reconnecting), what stands in the way, in
    // one line; empty while frames may come. Faults that leave frames coming are not outages.
    std::string outage();
    // Not ready yet, and no fault so far.
    bool connecting();
    // While live and not ready: whether the camera is being reached again by itself (false for one
    // another client switched off).
    bool reconnecting();
    // A server or device given up (not reachable, refused, switched off by another client) is tried
    // once more; nothing changes while it is connected or being reached.
    void reach();

    // Exposures loop while live. Leaving live aborts the exposure under way and drops any frame
    // not yet taken.
    void setLive(bool live);
    // False when the driver's exposure range does not include it.
    bool setExposure(double seconds);
    // Sent with the next exposure; a gain outside the driver's range is brought into it.
    void setGain(double gain);
    // Copies the newest frame not taken yet (1280 x 960, 8 bit) into buffer and gives its UTC;
    // false when there is none.
    static constexpr size_t kFrameBytes = size_t(KARVIX_FRAME_WIDTH) * KARVIX_FRAME_HEIGHT;
    bool takeFrame(unsigned char *buffer, double *utcSeconds);
    // The plate scale a solve measured on the delivered frames: the lens's focal length follows from
    // it and the scale the frames were converted with; it is used from the next frame on and
    // returned (mm). NaN, changing nothing, before the driver told the pixel size or for a scale
    // that is not a positive number.
    double adoptPlateScale(double programArcsecPerPixel);

private:
    class Client;
    struct Work;

    IndiLink(const SourceChoice &choice, ProblemLog log);
    void run();
    Work nextWork(Clock::time_point now);
    void connectServer();
    void propertyChanged(const INDI::Property &property);
    void frameArrived(const void *data, size_t size, const char *format);
    void streamFrameArrived(const void *data, size_t size, const char *format);
    // With the lock held: the camera's plate scale the frames are converted with (NaN while not
    // known), and keeping a converted frame as the newest, with what its scale says.
    double conversionScaleLocked() const;
    void keepFrame(std::vector<unsigned char> *frame, double utcSeconds, double scale);
    void serverLost(int exitCode);
    void deviceGone();
    // With the lock held: the device's CONNECTION switched on or off; failed: in Alert.
    void connectionChanged(bool on, bool failed);
    // With the lock held: what was sent to the camera goes to it again once it is back.
    void forgetDeviceState();
    // With the lock held: when the server is tried next after a failed or lost connection.
    Clock::time_point nextServerAttemptAfter(Clock::time_point now) const;
    // With the lock held: the driver's gain as it says it is now, and its step.
    void gainChanged(const INDI::Property &property, double value, double step);
    void armExposure();
    // With the lock held: the gain to send with the next exposure or stream, if any is due.
    bool takeGainToSend(std::string *property, std::string *element, double *gain);
    void sendGain();
    // With the lock held: when a frame asked for at `start` is late, exposure and grace after it.
    Clock::time_point frameDueAfter(Clock::time_point start) const;
    bool streamWanted() const;
    void startStream();
    void sendStreamExposure();
    void sendNumber(const char *property, const char *element, double value);
    void sendSwitch(const char *property, const char *element);
    // Whether BLOBs are to be asked for now: at the device's first property since it appeared.
    bool blobsToAsk(const INDI::Property &property);
    bool ready() const;
    // With the lock held: a fault begins, logged once; clearing its slot ends it.
    void report(std::string *slot, const std::string &text);
    std::string where() const;

    const SourceChoice m_choice;
    const ProblemLog m_log;
    std::unique_ptr<Client> m_client;

    // Requests go out from the link's thread and from libindi's (the next exposure as a frame
    // arrives); one at a time, so their XML never interleaves. Never taken with m_mutex held.
    std::mutex m_sendMutex;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_stopping = false;
    bool m_finished = false; // the thread has disconnected
    // What the server and driver said last (written on libindi's thread).
    bool m_serverUp = false;
    unsigned m_serverLosses = 0; // connections that ended, ours included
    bool m_deviceSeen = false;
    bool m_blobsAsked = false;
    bool m_deviceConnected = false;
    bool m_switchedOff = false; // by another client while the server lives: left off until reach()
    bool m_canExpose = false;
    std::string m_gainProperty, m_gainElement; // empty: the driver has no gain
    double m_gainMin = 0, m_gainMax = 0;
    double m_exposureMin = 0, m_exposureMax = 0; // 0, 0: not known yet
    double m_pixelSizeUm = 0;                    // 0: not known yet
    int m_binning = 1;
    double m_focalLengthMm; // as chosen, until a plate solve measures it; 0: not known
    // What the program asked for.
    bool m_live = false;
    double m_exposureSeconds = 0.05;
    double m_gain = -1; // -1: none asked for
    bool m_gainSent = true;
    double m_gainApplied = -1; // what the driver was last sent (m_gain within its range); -1: nothing
    // The exposure loop.
    bool m_armed = false;
    bool m_frameSinceLive = false;
    Clock::time_point m_armedAt;
    Clock::time_point m_serverUpAt;
    Clock::time_point m_nextServerAttempt;
    Clock::time_point m_nextDeviceConnect;
    // The video stream, where the driver offers one.
    bool m_streamOffered = false; // CCD_VIDEO_STREAM defined
    bool m_rawEncoder = false;    // CCD_STREAM_ENCODER offers RAW
    bool m_streamRefused = false; // refused or silent: exposures loop until the device reconnects
    bool m_streamOn = false;      // STREAM_ON asked for and not switched off since
    int m_streamWidth = 0, m_streamHeight = 0; // CCD_STREAM_FRAME; 0: not known yet
    double m_streamExposureSent = 0;
    Clock::time_point m_streamFrameDue;
    // The newest frame.
    std::vector<unsigned char> m_frame;
    double m_frameUtc = 0;
    bool m_frameNew = false;
    // The faults in force, one slot each so that each is logged once, when it begins.
    std::string m_serverProblem, m_deviceProblem, m_exposureProblem, m_frameProblem, m_gainProblem,
        m_scaleProblem;
    // A stream that fell back to exposures: logged, but nothing stands in the way (not in problem()).
    std::string m_streamProblem;
};

} // namespace karvix::indi

#endif // KARVIX_INDI_INDILINK_H
