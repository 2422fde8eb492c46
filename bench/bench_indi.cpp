// A camera on a local indiserver (our sky driver) through the camera library, read as the capture
// thread reads it (every 10 ms when no frame is ready). Prints, for 50 and 100 ms exposures,
//   RESULT bench indi_fps exposure_ms=<e> fps=<f> driver_fps=<d> ratio=<f/d>
// where driver_fps is the driver's own rate: a bare libindi client asking for the next exposure
// the moment a frame arrives and doing nothing else (exposure plus the driver's FITS and the
// transfer through the server);
//   RESULT bench indi_decode_ms=<median>  decoding one of the driver's frames and converting it;
//   RESULT bench indi_convert_ms=<median>  of that, the conversion to the program's frame;
//   RESULT bench indi_latency_ms=<median>  from a frame's arrival at our client (its message handed
//     whole to the client's socket, noted by a pass-through in front of the server: blobtap.h) to
//     GetKARVIXLiveFrame returning it: libindi reading the message, the decoding and conversion in
//     its callback, and the wait for the next poll;
//   RESULT bench indi_client_read_ms=<median>  of that, libindi reading the message (XML and
//     base64) until its BLOB callback, as the bare client sees it;
//   RESULT bench indi_exposure_to_program_ms=<median>  from the end of an exposure (its FITS time
//     stamp is the middle) to the same hand-over: the driver's FITS and the transfer besides;
//   RESULT bench indi_rss_added_mb=<m>  the process's memory after streaming less before the
//     source was chosen.
#include "blobtap.h"
#include "fitsframe.h"
#include "indiserver.h"
#include "karvix.h"
#include "source.h"

#include <baseclient.h>
#include <basedevice.h>
#include <indipropertyblob.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

namespace {

constexpr double kSeconds = 10; // of streaming per exposure

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

double utcNow()
{
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

const char *const kDevice = "Velto Q7 Sky";
// The driver's pixels behind the lens the program is told of.
constexpr double kPixelSizeUm = 3.75, kFocalLengthMm = 25.36;

// Loops exposures as fast as the driver delivers them and keeps the last frame's bytes, and when
// libindi handed each frame to its callback.
class BareClient : public INDI::BaseClient
{
public:
    std::atomic<int> frames {0};
    std::atomic<double> exposureSeconds {0.05};
    std::vector<char> lastFrame;
    std::vector<BlobTap::Clock::time_point> handedOver;
    std::mutex lastFrameMutex;

    void expose() { sendNewNumber(kDevice, "CCD_EXPOSURE", "CCD_EXPOSURE_VALUE", exposureSeconds); }

protected:
    void updateProperty(INDI::Property property) override
    {
        if (property.getType() != INDI_BLOB)
            return;
        const BlobTap::Clock::time_point now = BlobTap::Clock::now();
        expose();
        ++frames;
        INDI::PropertyBlob blob(property);
        std::lock_guard<std::mutex> lock(lastFrameMutex);
        handedOver.push_back(now);
        const char *bytes = static_cast<const char *>(blob[0].blob);
        lastFrame.assign(bytes, bytes + blob[0].bloblen);
    }
};

// Frames per second the driver delivers to the bare client at this exposure.
double driverFps(BareClient &client, double exposureMs)
{
    client.exposureSeconds = exposureMs / 1000;
    client.frames = 0;
    client.expose();
    while (client.frames < 1)
        QThread::msleep(1);
    const int first = client.frames;
    QElapsedTimer counting;
    counting.start();
    QThread::msleep(int(kSeconds * 1000));
    const double fps = (client.frames - first) / (counting.elapsed() / 1000.0);
    // Let the exposure under way end before the next measurement.
    client.exposureSeconds = 0;
    QThread::msleep(500);
    return fps;
}

double millisecondsBetween(BlobTap::Clock::time_point from, BlobTap::Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

template <typename T> T median(std::vector<T> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!IndiServer::installed()) {
        std::puts("indiserver is not installed");
        return 1;
    }
    std::vector<unsigned char> buffer(KARVIX_FRAME_BUFFER_SIZE);
    IndiServer server;
    if (!server.start({QStringLiteral(VELTO_SKY_DRIVER)})) {
        std::puts("indiserver did not start");
        return 1;
    }
    // Every client reaches the server through the tap.
    BlobTap tap(server.port());
    // The driver's own rate, before the library is involved.
    BareClient bare;
    bare.setServer("localhost", tap.port());
    bare.watchDevice(kDevice);
    if (!bare.connectServer()) {
        std::puts("the bare client did not connect");
        return 1;
    }
    // The device is defined, then switched on; then it defines its exposure.
    const auto waitFor = [](const std::function<bool()> &ready) {
        QElapsedTimer waiting;
        waiting.start();
        while (!ready() && waiting.elapsed() < 10000)
            QThread::msleep(50);
        return ready();
    };
    if (!waitFor([&] { return bare.getDevice(kDevice).isValid(); })) {
        std::puts("the bare client did not see the driver");
        return 1;
    }
    bare.setBLOBMode(B_ALSO, kDevice, nullptr);
    bare.connectDevice(kDevice);
    if (!waitFor([&] { return bare.getDevice(kDevice).getNumber("CCD_EXPOSURE").isValid(); })) {
        std::puts("the driver did not connect");
        return 1;
    }
    std::map<double, double> ownFps;
    for (const double exposureMs : {50.0, 100.0})
        ownFps[exposureMs] = driverFps(bare, exposureMs);
    std::vector<double> decodeMs, convertMs, clientReadMs;
    {
        std::lock_guard<std::mutex> lock(bare.lastFrameMutex);
        for (const BlobTap::Clock::time_point handed : bare.handedOver)
            if (const auto arrived = tap.lastArrivalBefore(handed))
                clientReadMs.push_back(millisecondsBetween(*arrived, handed));
        for (int i = 0; i < 21; ++i) {
            QElapsedTimer decoding;
            decoding.start();
            karvix::indi::FitsFrame fits;
            std::string problem;
            karvix::indi::decodeFits(bare.lastFrame.data(), bare.lastFrame.size(), &fits, &problem);
            QElapsedTimer converting;
            converting.start();
            const cv::Mat frame = karvix::indi::toProgramFrame(
                fits.luminance, karvix::indi::plateScaleArcsecPerPixel(kPixelSizeUm, 1, kFocalLengthMm));
            convertMs.push_back(converting.nsecsElapsed() / 1e6);
            decodeMs.push_back(decoding.nsecsElapsed() / 1e6);
        }
    }
    bare.disconnectServer();

    const double rssBefore = residentMb();
    karvix::SourceChoice source;
    source.kind = karvix::SourceChoice::Kind::Indi;
    source.port = tap.port();
    source.device = "Velto Q7 Sky";
    source.focalLengthMm = kFocalLengthMm;
    karvix::selectSource(source);
    KarvixHandle handle = 0;
    QElapsedTimer waited;
    waited.start();
    while (!(handle = OpenKARVIX("NORDVANE-INDI")) && waited.elapsed() < 15000)
        QThread::msleep(100);
    if (!handle || SetKARVIXStreamMode(handle, KARVIX_STREAM_LIVE) != 0 || InitKARVIX(handle) != 0) {
        std::printf("the camera did not open: %s\n", karvix::sourceProblem().c_str());
        return 1;
    }

    std::vector<double> latenciesMs, exposureToProgramMs;
    std::vector<QByteArray> results;
    for (const double exposureMs : {50.0, 100.0}) {
        SetKARVIXParam(handle, KARVIX_CONTROL_EXPOSURE, exposureMs * 1000);
        BeginKARVIXLive(handle);
        int frames = -1; // the first frame starts the clock
        QElapsedTimer streaming;
        while (frames < 0 || streaming.elapsed() < kSeconds * 1000) {
            int width, height, bits, channels;
            if (GetKARVIXLiveFrame(handle, &width, &height, &bits, &channels, buffer.data()) != 0) {
                QThread::usleep(10000);
                continue;
            }
            const BlobTap::Clock::time_point handed = BlobTap::Clock::now();
            const double handedUtc = utcNow();
            if (frames++ < 0) {
                streaming.start();
                continue;
            }
            if (const auto arrived = tap.lastArrivalBefore(handed))
                latenciesMs.push_back(millisecondsBetween(*arrived, handed));
            exposureToProgramMs.push_back((handedUtc - karvix::sourceFrameUtc() - exposureMs / 2000) * 1000);
        }
        StopKARVIXLive(handle);
        const double fps = frames / (streaming.elapsed() / 1000.0), own = ownFps[exposureMs];
        results.push_back(
            QString::asprintf("RESULT bench indi_fps exposure_ms=%.0f fps=%.2f driver_fps=%.2f ratio=%.3f",
                exposureMs, fps, own, fps / own)
                .toLatin1());
    }
    const double rssAfter = residentMb();
    CloseKARVIX(handle);
    for (const QByteArray &line : results)
        std::puts(line.constData());
    std::printf("RESULT bench indi_decode_ms=%.1f\n", median(decodeMs));
    std::printf("RESULT bench indi_convert_ms=%.1f\n", median(convertMs));
    std::printf("RESULT bench indi_latency_ms=%.1f\n", median(latenciesMs));
    std::printf("RESULT bench indi_client_read_ms=%.1f\n", median(clientReadMs));
    std::printf("RESULT bench indi_exposure_to_program_ms=%.1f\n", median(exposureToProgramMs));
    std::printf("RESULT bench indi_rss_added_mb=%.1f\n", rssAfter - rssBefore);
    karvix::selectSource({});
    return 0;
}
