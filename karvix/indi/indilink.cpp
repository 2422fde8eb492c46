#include "indilink.h"

#include "fitsframe.h"
#include "streamframe.h"

#include <baseclient.h>
#include <basedevice.h>
#include <indidevapi.h>
#include <indiproperty.h>
#include <indipropertyblob.h>
#include <indipropertynumber.h>
#include <indipropertyswitch.h>

#include <cmath>
#include <cstring>
#include <list>
#include <strings.h>
#include <thread>

namespace karvix::indi {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(100);
// A device not defined this long after the server answered is taken to be missing.
constexpr auto kDeviceWait = std::chrono::seconds(5);
constexpr auto kDeviceConnectInterval = std::chrono::seconds(5);

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

double systemUtcSeconds()
{
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

// The program's frame from a camera's luminance at its scale (NaN: not known), as bytes prepared
// outside the lock, to be swapped in under it.
std::vector<unsigned char> programFrame(const cv::Mat &luminance, double scale)
{
    const cv::Mat program = toProgramFrame(luminance, std::isfinite(scale) ? scale : kProgramArcsecPerPixel);
    return std::vector<unsigned char>(program.datastart, program.dataend);
}

} // namespace

// libindi's client; its callbacks run on libindi's thread and go straight to the link.
class IndiLink::Client : public INDI::BaseClient
{
public:
    explicit Client(IndiLink &link) : m_link(link) { }

protected:
    void serverConnected() override
    {
        std::lock_guard<std::mutex> lock(m_link.m_mutex);
        m_link.m_serverUp = true;
        m_link.m_serverUpAt = Clock::now();
    }
    void serverDisconnected(int exitCode) override { m_link.serverLost(exitCode); }
    void newProperty(INDI::Property property) override
    {
        m_link.propertyChanged(property);
        // Asked from this thread, which alone reads the client's BLOB modes.
        if (m_link.blobsToAsk(property)) {
            std::lock_guard<std::mutex> sending(m_link.m_sendMutex);
            setBLOBMode(B_ALSO, m_link.m_choice.device.c_str(), nullptr);
        }
    }
    void updateProperty(INDI::Property property) override
    {
        if (property.getType() == INDI_BLOB) {
            if (std::strcmp(property.getName(), "CCD1") != 0
                || m_link.m_choice.device != property.getDeviceName())
                return;
            INDI::PropertyBlob blob(property);
            if (blob.size() == 0)
                return;
            const size_t size = size_t(std::max(0, blob[0].bloblen));
            // Any video frame (".stream", ".stream.z", ".stream_jpg", ...) is the stream's, never
            // the exposure's the link waits for.
            if (std::strncmp(blob[0].format, ".stream", 7) == 0)
                m_link.streamFrameArrived(blob[0].blob, size, blob[0].format);
            else
                m_link.frameArrived(blob[0].blob, size, blob[0].format);
            return;
        }
        m_link.propertyChanged(property);
    }
    void removeProperty(INDI::Property property) override
    {
        if (m_link.m_choice.device != property.getDeviceName())
            return;
        std::lock_guard<std::mutex> lock(m_link.m_mutex);
        if (std::strcmp(property.getName(), "CCD_EXPOSURE") == 0)
            m_link.m_canExpose = false, m_link.m_armed = false;
        else if (std::strcmp(property.getName(), "CCD_VIDEO_STREAM") == 0)
            m_link.m_streamOffered = false, m_link.m_streamOn = false;
    }
    void removeDevice(INDI::BaseDevice device) override
    {
        if (m_link.m_choice.device == device.getDeviceName())
            m_link.deviceGone();
    }

private:
    IndiLink &m_link;
};

namespace {

// The links whose threads still run. When the library unloads (the program ends) it stops them and
// waits for them, as libindi's own statics, which their threads use, go right after.
class RunningLinks
{
public:
    ~RunningLinks()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (const std::weak_ptr<IndiLink> &running : m_links)
            if (const std::shared_ptr<IndiLink> link = running.lock())
                link->stop();
        m_finished.wait_for(lock, 2 * IndiLink::kConnectTimeout, [this] { return m_links.empty(); });
    }
    void add(const std::shared_ptr<IndiLink> &link)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_links.push_back(link);
    }
    void remove(const IndiLink *link)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_links.remove_if([link](const std::weak_ptr<IndiLink> &running) {
            const std::shared_ptr<IndiLink> held = running.lock();
            return !held || held.get() == link;
        });
        m_finished.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_finished;
    std::list<std::weak_ptr<IndiLink>> m_links;
};

RunningLinks runningLinks;

} // namespace

std::shared_ptr<IndiLink> IndiLink::start(const SourceChoice &choice, ProblemLog log)
{
    std::shared_ptr<IndiLink> link(new IndiLink(choice, log));
    runningLinks.add(link);
    // The thread holds the link until it has disconnected, so stop() need not wait for it.
    std::thread([link]() mutable {
        link->run();
        // Let go of the link (and its libindi client) before saying it is done.
        const IndiLink *finished = link.get();
        link.reset();
        runningLinks.remove(finished);
    }).detach();
    return link;
}

IndiLink::IndiLink(const SourceChoice &choice, ProblemLog log)
    : m_choice(choice), m_log(log), m_client(new Client(*this)), m_focalLengthMm(choice.focalLengthMm)
{
    m_client->setServer(m_choice.host.c_str(), unsigned(m_choice.port));
    m_client->setConnectionTimeout(uint32_t(kConnectTimeout.count()), 0);
    m_client->watchDevice(m_choice.device.c_str());
}

IndiLink::~IndiLink() = default;

std::string IndiLink::where() const
{
    return "camera \"" + m_choice.device + "\" on INDI server " + m_choice.host + ":"
        + std::to_string(m_choice.port);
}

void IndiLink::report(std::string *slot, const std::string &text)
{
    // A link being stopped has no one left to tell.
    if (*slot == text || m_stopping)
        return;
    *slot = text;
    m_log("INDI: " + text);
}

bool IndiLink::ready() const
{
    return m_serverUp && m_deviceConnected && m_canExpose;
}

void IndiLink::stop()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stopping = true;
    m_changed.notify_all();
}

bool IndiLink::stopAndWait(std::chrono::milliseconds wait)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_stopping = true;
    m_changed.notify_all();
    return m_changed.wait_for(lock, wait, [this] { return m_finished; });
}

bool IndiLink::waitReady(std::chrono::milliseconds wait)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, wait, [this] { return ready(); });
}

bool IndiLink::connecting()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return !ready() && m_serverProblem.empty() && m_deviceProblem.empty();
}

bool IndiLink::reconnecting()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_live && !ready() && !m_switchedOff;
}

void IndiLink::reach()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto now = Clock::now();
    if (!m_serverUp) {
        if (m_nextServerAttempt == Clock::time_point::max()) {
            m_nextServerAttempt = now;
            m_serverProblem.clear();
        }
    } else if (m_deviceSeen && !m_deviceConnected && m_nextDeviceConnect == Clock::time_point::max()) {
        m_switchedOff = false;
        m_nextDeviceConnect = now;
        m_deviceProblem.clear();
    }
    m_changed.notify_all();
}

std::string IndiLink::outage()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (ready())
        return std::string();
    for (const std::string *slot : {&m_serverProblem, &m_deviceProblem})
        if (!slot->empty())
            return *slot;
    return "still connecting to " + where();
}

std::string IndiLink::problem()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const std::string *slot : {&m_serverProblem, &m_deviceProblem, &m_exposureProblem, &m_frameProblem,
             &m_gainProblem, &m_scaleProblem})
        if (!slot->empty())
            return *slot;
    return ready() ? std::string() : "still connecting to " + where();
}

struct IndiLink::Work
{
    bool connectServer = false;
    bool connectDevice = false;
    bool arm = false;
    bool startStream = false;
    bool stopStream = false;
    // Changed while streaming.
    bool streamExposure = false;
    bool gain = false;
};

void IndiLink::run()
{
    for (;;) {
        Work work;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait_for(lock, kPollInterval);
            if (m_stopping)
                break;
            work = nextWork(Clock::now());
        }
        if (work.connectServer)
            connectServer();
        if (work.connectDevice)
            sendSwitch("CONNECTION", "CONNECT");
        // The stream goes off before exposures take its place: drivers expose only when it is off.
        if (work.stopStream)
            sendSwitch("CCD_VIDEO_STREAM", "STREAM_OFF");
        if (work.arm)
            armExposure();
        if (work.startStream)
            startStream();
        if (work.gain)
            sendGain();
        if (work.streamExposure)
            sendStreamExposure();
    }
    m_client->disconnectServer();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_finished = true;
    m_changed.notify_all();
}

IndiLink::Work IndiLink::nextWork(Clock::time_point now)
{
    Work work;
    if (!m_serverUp) {
        work.connectServer = now >= m_nextServerAttempt;
        return work;
    }
    if (!m_deviceSeen) {
        if (now - m_serverUpAt > kDeviceWait)
            report(&m_deviceProblem, "no " + where());
        return work;
    }
    if (!m_deviceConnected) {
        if (now >= m_nextDeviceConnect) {
            work.connectDevice = true;
            // Asked again only for a camera lost while live; the driver says when it fails.
            m_nextDeviceConnect = m_live ? now + kDeviceConnectInterval : Clock::time_point::max();
        }
        return work;
    }
    if (!m_live || !m_canExpose)
        return work;
    if (streamWanted()) {
        if (!m_streamOn) {
            work.startStream = true;
        } else if (now > m_streamFrameDue) {
            report(&m_streamProblem,
                "the video stream of " + where() + " brought no frame; exposing frame by frame");
            m_streamRefused = true;
            m_streamOn = false;
            work.stopStream = true;
        } else {
            work.streamExposure = m_streamExposureSent != m_exposureSeconds;
            work.gain = !m_gainSent;
        }
        return work;
    }
    if (m_streamOn) {
        m_streamOn = false;
        work.stopStream = true;
    }
    // A gain control the driver defines after its exposure goes out before the next frame.
    work.gain = !m_gainSent && !m_gainProperty.empty();
    const auto due = frameDueAfter(m_armedAt);
    if (!m_armed) {
        work.arm = true;
    } else if (now > due) {
        report(&m_exposureProblem,
            "the " + number(m_exposureSeconds) + " s exposure of " + where()
                + " did not come back; exposing again");
        work.arm = true;
    }
    return work;
}

void IndiLink::connectServer()
{
    // After the server went away libindi still counts the connection as open until it is closed.
    if (m_client->isServerConnected())
        m_client->disconnectServer();
    unsigned lossesBefore = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        lossesBefore = m_serverLosses;
    }
    // Blocks for up to kConnectTimeout when nothing answers.
    const bool connected = m_client->connectServer();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nextServerAttempt = nextServerAttemptAfter(Clock::now());
    if (!connected) {
        report(&m_serverProblem,
            "INDI server " + m_choice.host + ":" + std::to_string(m_choice.port) + " not reachable");
        return;
    }
    if (m_serverLosses != lossesBefore)
        return; // lost again before this thread got here: the next attempt follows
    m_serverUp = true;
    m_serverUpAt = Clock::now();
    m_nextDeviceConnect = m_serverUpAt;
    m_serverProblem.clear();
    m_changed.notify_all();
}

IndiLink::Clock::time_point IndiLink::nextServerAttemptAfter(Clock::time_point now) const
{
    return m_live ? now + kRetryInterval : Clock::time_point::max();
}

void IndiLink::forgetDeviceState()
{
    m_canExpose = m_armed = false;
    m_streamOffered = m_rawEncoder = m_streamOn = m_streamRefused = false;
    // A driver that comes back starts from its defaults (its gain among them), and may define its
    // controls only after its exposure: the gain waits for its control or a frame, as at the start.
    m_gainSent = m_gain < 0;
    m_gainApplied = -1;
    m_gainProperty.clear();
    m_frameSinceLive = false;
}

void IndiLink::serverLost(int exitCode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const bool wasUp = m_serverUp;
    ++m_serverLosses;
    m_serverUp = m_deviceSeen = m_blobsAsked = m_deviceConnected = m_switchedOff = false;
    forgetDeviceState();
    m_nextServerAttempt = nextServerAttemptAfter(Clock::now());
    // exitCode 0: we asked for the disconnection.
    if (wasUp && exitCode != 0 && !m_stopping)
        report(&m_serverProblem,
            "INDI server " + m_choice.host + ":" + std::to_string(m_choice.port) + " closed the connection");
    m_changed.notify_all();
}

void IndiLink::deviceGone()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_deviceSeen = m_blobsAsked = m_deviceConnected = m_switchedOff = false;
    forgetDeviceState();
    // A driver restarted by its server defines the device anew, switched off.
    m_nextDeviceConnect = Clock::now();
    report(&m_deviceProblem, where() + " is gone");
    m_changed.notify_all();
}

void IndiLink::connectionChanged(bool on, bool failed)
{
    const bool was = m_deviceConnected;
    m_deviceConnected = on;
    if (on) {
        m_deviceProblem.clear();
        m_switchedOff = false;
        return;
    }
    forgetDeviceState();
    const auto now = Clock::now();
    if (failed) {
        // The driver failed to reach its camera: lost, and asked again only while live.
        report(&m_deviceProblem,
            where() + (was ? " failed" : " does not connect") + (m_live ? "; connecting it again" : ""));
        m_nextDeviceConnect = m_live ? now + kDeviceConnectInterval : Clock::time_point::max();
    } else if (was) {
        // Only a client switches a working device off: someone means it, and it stays off.
        m_switchedOff = true;
        m_nextDeviceConnect = Clock::time_point::max();
        report(&m_deviceProblem, where() + " was switched off by another INDI client; not connecting it again");
    }
}

void IndiLink::propertyChanged(const INDI::Property &property)
{
    if (m_choice.device != property.getDeviceName())
        return;
    const std::string name = property.getName();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_deviceSeen = true;
    if (name == "CONNECTION") {
        INDI::PropertySwitch connection(property);
        const auto *connect = connection.findWidgetByName("CONNECT");
        connectionChanged(connect && connect->getState() == ISS_ON, property.getState() == IPS_ALERT);
    } else if (name == "CCD_EXPOSURE") {
        m_canExpose = true;
        INDI::PropertyNumber exposure(property);
        if (const auto *value = exposure.findWidgetByName("CCD_EXPOSURE_VALUE")) {
            m_exposureMin = value->getMin();
            m_exposureMax = value->getMax();
        }
        if (property.getState() == IPS_ALERT && m_armed) {
            report(&m_exposureProblem, "the exposure of " + where() + " failed; exposing again");
            m_armed = false;
        }
    } else if (name == "CCD_VIDEO_STREAM") {
        m_streamOffered = true;
        INDI::PropertySwitch stream(property);
        const auto *streamOn = stream.findWidgetByName("STREAM_ON");
        if (m_streamOn && !(streamOn && streamOn->getState() == ISS_ON)) {
            // Refused (ALERT) it falls back to exposures; switched off by another client it starts again.
            m_streamOn = false;
            if (property.getState() == IPS_ALERT) {
                m_streamRefused = true;
                report(
                    &m_streamProblem, where() + " did not start its video stream; exposing frame by frame");
            }
        }
    } else if (name == "CCD_STREAM_ENCODER") {
        INDI::PropertySwitch encoders(property);
        m_rawEncoder = encoders.findWidgetByName("RAW") != nullptr;
    } else if (name == "CCD_STREAM_FRAME") {
        INDI::PropertyNumber frame(property);
        const auto *width = frame.findWidgetByName("WIDTH");
        const auto *height = frame.findWidgetByName("HEIGHT");
        m_streamWidth = width ? int(std::lround(width->getValue())) : 0;
        m_streamHeight = height ? int(std::lround(height->getValue())) : 0;
    } else if (name == "CCD_INFO") {
        INDI::PropertyNumber info(property);
        const auto *size = info.findWidgetByName("CCD_PIXEL_SIZE");
        if (!size || !(size->getValue() > 0))
            size = info.findWidgetByName("CCD_PIXEL_SIZE_X");
        if (size && size->getValue() > 0)
            m_pixelSizeUm = size->getValue();
    } else if (name == "CCD_BINNING") {
        INDI::PropertyNumber binning(property);
        if (const auto *horizontal = binning.findWidgetByName("HOR_BIN"))
            m_binning = std::max(1, int(std::lround(horizontal->getValue())));
    } else if (name == "CCD_GAIN" || name == "CCD_CONTROLS") {
        INDI::PropertyNumber controls(property);
        for (size_t i = 0; i < controls.size(); ++i) {
            const auto &element = controls[i];
            if (strcasecmp(element.getName(), "GAIN") != 0)
                continue;
            m_gainProperty = name;
            m_gainElement = element.getName();
            m_gainMin = element.getMin();
            m_gainMax = element.getMax();
            gainChanged(property, element.getValue(), element.getStep());
        }
    }
    m_changed.notify_all();
}

void IndiLink::gainChanged(const INDI::Property &property, double value, double step)
{
    if (property.getState() == IPS_ALERT && m_gainSent && m_gain >= 0) {
        report(&m_gainProblem, where() + " rejected gain " + number(value));
        return;
    }
    if (property.getState() != IPS_OK)
        return;
    // Another client (a planetarium, a second instance) changed the gain the frames are judged at:
    // the user's choice in this program stands, and is sent again with the next frame. A driver
    // that rounds to its steps has not been overruled.
    if (m_gainSent && m_gainApplied >= 0 && std::fabs(value - m_gainApplied) > step / 2 + 1e-6) {
        report(&m_gainProblem,
            "the gain of " + where() + " was set to " + number(value) + " by another INDI client; setting "
                + number(m_gainApplied) + " again");
        m_gainSent = false;
        return;
    }
    m_gainProblem.clear();
}

void IndiLink::setLive(bool live)
{
    bool abort = false, stopStream = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        abort = m_live && !live && m_armed && ready();
        stopStream = m_streamOn && !live && ready();
        if (!live)
            m_streamOn = false;
        m_live = live;
        m_armed = false;
        m_frameSinceLive = false;
        m_frameNew = false;
        m_frame.clear();
        m_changed.notify_all();
    }
    if (abort)
        sendSwitch("CCD_ABORT_EXPOSURE", "ABORT");
    if (stopStream)
        sendSwitch("CCD_VIDEO_STREAM", "STREAM_OFF");
}

bool IndiLink::setExposure(double seconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!(seconds > 0) || (m_exposureMax > 0 && (seconds < m_exposureMin || seconds > m_exposureMax)))
        return false;
    m_exposureSeconds = seconds;
    return true;
}

void IndiLink::setGain(double gain)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_gain = gain;
    m_gainSent = false;
}

bool IndiLink::takeGainToSend(std::string *property, std::string *element, double *gain)
{
    // A driver defines its controls one by one as it connects, so a control not defined yet is
    // missing only once a frame has come.
    if (m_gainSent || m_gain < 0 || (m_gainProperty.empty() && !m_frameSinceLive))
        return false;
    m_gainSent = true;
    if (m_gainProperty.empty()) {
        report(&m_gainProblem, where() + " has no gain control; gain " + number(m_gain) + " not applied");
        return false;
    }
    *gain = m_gainMax > m_gainMin ? std::clamp(m_gain, m_gainMin, m_gainMax) : m_gain;
    if (*gain != m_gain)
        report(&m_gainProblem,
            "gain " + number(m_gain) + " is outside the range " + number(m_gainMin) + "-" + number(m_gainMax)
                + " of " + where() + "; using " + number(*gain));
    *property = m_gainProperty;
    *element = m_gainElement;
    m_gainApplied = *gain;
    return true;
}

void IndiLink::sendGain()
{
    std::string property, element;
    double gain = -1;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!takeGainToSend(&property, &element, &gain))
            return;
    }
    sendNumber(property.c_str(), element.c_str(), gain);
}

void IndiLink::armExposure()
{
    double seconds = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // A FITS frame can still come in after a stream has started in its place.
        if (!m_live || !ready() || m_streamOn)
            return;
        m_armed = true;
        m_armedAt = Clock::now();
        seconds = m_exposureSeconds;
    }
    // The gain goes with the next exposure.
    sendGain();
    sendNumber("CCD_EXPOSURE", "CCD_EXPOSURE_VALUE", seconds);
}

IndiLink::Clock::time_point IndiLink::frameDueAfter(Clock::time_point start) const
{
    return start
        + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(m_exposureSeconds))
        + kExposureGrace;
}

bool IndiLink::streamWanted() const
{
    return m_streamOffered && m_rawEncoder && !m_streamRefused && m_exposureSeconds <= kStreamMaxExposure;
}

void IndiLink::startStream()
{
    bool abort = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_live || !ready() || !streamWanted())
            return;
        // Drivers take no exposure while streaming and may not stream while exposing.
        abort = m_armed;
        m_armed = false;
        m_streamOn = true;
        m_streamFrameDue = frameDueAfter(Clock::now());
    }
    if (abort)
        sendSwitch("CCD_ABORT_EXPOSURE", "ABORT");
    // Raw frames rather than the driver's default, which another client may have made MJPEG.
    sendSwitch("CCD_STREAM_ENCODER", "RAW");
    sendGain();
    sendStreamExposure();
    sendSwitch("CCD_VIDEO_STREAM", "STREAM_ON");
}

void IndiLink::sendStreamExposure()
{
    double seconds = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        seconds = m_streamExposureSent = m_exposureSeconds;
    }
    sendNumber("STREAMING_EXPOSURE", "STREAMING_EXPOSURE_VALUE", seconds);
}

// Requests are built here rather than through libindi's copies of the device's properties, which
// its own thread updates meanwhile.
void IndiLink::sendNumber(const char *property, const char *element, double value)
{
    INumber number {};
    IUFillNumber(&number, element, "", "%g", 0, 0, 0, value);
    INumberVectorProperty vector {};
    IUFillNumberVector(&vector, &number, 1, m_choice.device.c_str(), property, "", "", IP_RW, 0, IPS_IDLE);
    std::lock_guard<std::mutex> sending(m_sendMutex);
    m_client->sendNewNumber(INDI::Property(&vector));
}

void IndiLink::sendSwitch(const char *property, const char *element)
{
    ISwitch on {};
    IUFillSwitch(&on, element, "", ISS_ON);
    ISwitchVectorProperty vector {};
    IUFillSwitchVector(
        &vector, &on, 1, m_choice.device.c_str(), property, "", "", IP_RW, ISR_1OFMANY, 0, IPS_IDLE);
    std::lock_guard<std::mutex> sending(m_sendMutex);
    m_client->sendNewSwitch(INDI::Property(&vector));
}

bool IndiLink::blobsToAsk(const INDI::Property &property)
{
    if (m_choice.device != property.getDeviceName())
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_blobsAsked)
        return false;
    m_blobsAsked = true;
    return true;
}

void IndiLink::frameArrived(const void *data, size_t size, const char *format)
{
    double scale = 0, exposureSeconds = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_live)
            return;
        m_armed = false;
        m_frameSinceLive = true;
        scale = conversionScaleLocked();
        exposureSeconds = m_exposureSeconds;
    }
    // The next exposure runs while this frame is decoded.
    armExposure();

    FitsFrame fits;
    std::string problem;
    const bool isFits = format && std::strcmp(format, ".fits") == 0;
    const bool decoded = isFits && decodeFits(data, size, &fits, &problem);
    std::vector<unsigned char> frame
        = decoded ? programFrame(fits.luminance, scale) : std::vector<unsigned char>();

    std::lock_guard<std::mutex> lock(m_mutex);
    m_exposureProblem.clear();
    if (!isFits) {
        report(&m_frameProblem,
            where() + " sent a frame as \"" + std::string(format ? format : "") + "\", not FITS");
        return;
    }
    if (!decoded) {
        report(&m_frameProblem, "a frame of " + where() + " is unreadable: " + problem);
        return;
    }
    keepFrame(&frame,
        std::isfinite(fits.utcSeconds) ? fits.utcSeconds : systemUtcSeconds() - exposureSeconds / 2, scale);
}

double IndiLink::conversionScaleLocked() const
{
    return plateScaleArcsecPerPixel(m_pixelSizeUm, m_binning, m_focalLengthMm);
}

void IndiLink::keepFrame(std::vector<unsigned char> *frame, double utcSeconds, double scale)
{
    m_frameProblem.clear();
    if (!std::isfinite(scale))
        report(&m_scaleProblem,
            "no plate scale for " + where() + " (pixel size " + number(m_pixelSizeUm) + " um, focal length "
                + number(m_focalLengthMm) + " mm); frames shown at " + number(kProgramArcsecPerPixel)
                + "\"/px");
    else
        m_scaleProblem.clear();
    if (!m_live)
        return;
    m_frame.swap(*frame);
    m_frameUtc = utcSeconds;
    m_frameNew = true;
}

void IndiLink::streamFrameArrived(const void *data, size_t size, const char *format)
{
    // The stream has no time stamps of its own: the frame's middle is taken to lie half an
    // exposure before its arrival.
    const double arrivedUtc = systemUtcSeconds();
    double scale = 0, exposureSeconds = 0;
    int width = 0, height = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // Exposing frame by frame, a video frame is another client's stream (or one that outlived
        // ours): skipped, the exposure under way still awaited.
        if (!m_live || !m_streamOn)
            return;
        m_frameSinceLive = true;
        m_streamFrameDue = frameDueAfter(Clock::now());
        scale = conversionScaleLocked();
        exposureSeconds = m_exposureSeconds;
        width = m_streamWidth;
        height = m_streamHeight;
    }
    cv::Mat luminance;
    std::string problem;
    const bool decoded = decodeStreamFrame(data, size, format, width, height, &luminance, &problem);
    std::vector<unsigned char> frame
        = decoded ? programFrame(luminance, scale) : std::vector<unsigned char>();

    std::lock_guard<std::mutex> lock(m_mutex);
    m_exposureProblem.clear();
    m_streamProblem.clear();
    if (!decoded) {
        report(&m_frameProblem, "a video frame of " + where() + " is unusable: " + problem);
        return;
    }
    keepFrame(&frame, arrivedUtc - exposureSeconds / 2, scale);
}

double IndiLink::adoptPlateScale(double programArcsecPerPixel)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // The frames were converted as if the camera saw `converted` per pixel; they turned out at
    // `programArcsecPerPixel` instead of the program's scale, so the camera sees this much:
    const double converted = conversionScaleLocked();
    const double camera = (std::isfinite(converted) ? converted : kProgramArcsecPerPixel)
        * programArcsecPerPixel / kProgramArcsecPerPixel;
    const double focalLengthMm = focalLengthMmFor(m_pixelSizeUm, m_binning, camera);
    if (!std::isfinite(focalLengthMm))
        return focalLengthMm;
    m_focalLengthMm = focalLengthMm;
    m_scaleProblem.clear();
    return focalLengthMm;
}

bool IndiLink::takeFrame(unsigned char *buffer, double *utcSeconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_frameNew || m_frame.size() != kFrameBytes)
        return false;
    std::memcpy(buffer, m_frame.data(), kFrameBytes);
    *utcSeconds = m_frameUtc;
    m_frameNew = false;
    return true;
}

} // namespace karvix::indi
