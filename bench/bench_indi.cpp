// A camera on a local indiserver (our sky driver) through the camera library, read as the capture
// thread reads it (every 10 ms when no frame is ready). Prints
//   RESULT bench indi_fps exposure_ms=<e> fps=<f> ideal_fps=<1000/e> ratio=<f/ideal>
// for 50 and 100 ms exposures,
//   RESULT bench indi_latency_ms=<median>  from the end of an exposure (its FITS time stamp is the
//     middle) to the frame handed to the program: the driver's FITS, the transfer, the decoding
//     and conversion, and the wait for the next poll;
//   RESULT bench indi_rss_added_mb=<m>  the process's memory after streaming less before the
//     source was chosen.
#include "indiserver.h"
#include "karvix.h"
#include "source.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
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
    const double rssBefore = residentMb();
    karvix::SourceChoice source;
    source.kind = karvix::SourceChoice::Kind::Indi;
    source.port = server.port();
    source.device = "Velto Q7 Sky";
    source.focalLengthMm = 25.36;
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

    std::vector<double> latenciesMs;
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
            if (frames++ < 0)
                streaming.start();
            else
                latenciesMs.push_back((utcNow() - karvix::sourceFrameUtc() - exposureMs / 2000) * 1000);
        }
        StopKARVIXLive(handle);
        const double fps = frames / (streaming.elapsed() / 1000.0), ideal = 1000 / exposureMs;
        results.push_back(
            QString::asprintf("RESULT bench indi_fps exposure_ms=%.0f fps=%.2f ideal_fps=%.2f ratio=%.3f",
                exposureMs, fps, ideal, fps / ideal)
                .toLatin1());
    }
    const double rssAfter = residentMb();
    CloseKARVIX(handle);
    std::nth_element(latenciesMs.begin(), latenciesMs.begin() + latenciesMs.size() / 2, latenciesMs.end());
    for (const QByteArray &line : results)
        std::puts(line.constData());
    std::printf("RESULT bench indi_latency_ms=%.1f\n", latenciesMs[latenciesMs.size() / 2]);
    std::printf("RESULT bench indi_rss_added_mb=%.1f\n", rssAfter - rssBefore);
    karvix::selectSource({});
    return 0;
}
