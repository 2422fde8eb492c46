// Peak resident memory of the program while it monitors the pole: the virtual observer aligns
// the mount through the real window on the simulated sky (test clock, frames on demand), then the
// camera streams in real time (100 ms exposures) for 30 s while the window shows the pole.
// Prints "RESULT bench monitor_peak_rss_mb=<m>", the peak resident set of those 30 s (the kernel's
// high-water mark, reset when they begin; what the alignment left resident counts), and
// "RESULT bench run_peak_rss_mb=<m>", the peak of the whole run (getrusage), which includes the
// alignment and the virtual observer's own images of the template it matches.
//
// Then a night: the sky's clock goes back to the test clock and is moved on by one exposure for
// every frame the camera delivers, for one hour of frames, while the window keeps monitoring.
// Prints "RESULT bench monitor_rss_growth_mb_per_hour=<x>", the slope of the resident set over
// that hour (least squares over a sample each minute of the sky's clock, the first ten minutes
// left out while caches fill), and the frames it took.
//
// With VELTO_BENCH_PHONE_VIEWERS=N the phone view serves on loopback during the 30 s and N viewers
// read its event stream; the peak line then ends with " phone_viewers=N".
#include "heapsettings.h"
#include "mainwindow.h"
#include "observer.h"
#include "phoneview.h"
#include "phoneviewdialog.h"
#include "settingsfile.h"
#include "sharedstate.h"
#include "simcontrol.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <arpa/inet.h>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <netinet/in.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Resets the high-water mark of the resident set to the current resident set (Linux 4.0 and
// later: "5" written to /proc/self/clear_refs). Returns false when the kernel does not offer it.
bool resetPeakResidentSet()
{
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5";
    clearRefs.close();
    return bool(clearRefs);
}

// A line of /proc/self/status ("VmHWM:", "VmRSS:") in megabytes, or a negative value when it
// cannot be read.
double statusMb(const std::string &wanted)
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == wanted) {
            double kb = -1024;
            status >> kb;
            return kb / 1024.0;
        }
    }
    return -1;
}

double runPeakResidentSetMb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kB on Linux
}

// A phone that watches: reads the phone view's event stream on a thread until it is destroyed.
class PhoneViewer
{
public:
    PhoneViewer(quint16 port, const QString &token)
    {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        const std::string request
            = "GET /events?token=" + token.toStdString() + " HTTP/1.1\r\nHost: x\r\n\r\n";
        if (::connect(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0)
            ::send(m_socket, request.data(), request.size(), 0);
        m_reader = std::thread([socket = m_socket] {
            char chunk[65536];
            while (::recv(socket, chunk, sizeof chunk, 0) > 0)
                continue;
        });
    }
    ~PhoneViewer()
    {
        ::shutdown(m_socket, SHUT_RDWR);
        m_reader.join();
        ::close(m_socket);
    }

private:
    int m_socket = -1;
    std::thread m_reader;
};

// One hour of the sky's clock in frames of the current exposure, each frame moving the clock on by
// one exposure. Returns the resident set's growth in MB per hour of that clock (the least-squares
// slope over minutes 10 to 60), or NaN when the camera stopped delivering; `frames` tells how many
// frames the hour took and `lastMb` the resident set at its end.
double residentSetGrowthPerHour(long *frames, double *lastMb)
{
    karvix::sim::SkySimulator &sky = karvix::sim::cameraSimulator();
    const double exposureS = exposureTime / 1e6;
    sky.setClock(sky.clock());
    const long firstFrame = karvix::sim::cameraStatus(cameraHandle).framesDelivered;
    long counted = firstFrame;
    double skySeconds = 0, sumT = 0, sumM = 0, sumTT = 0, sumTM = 0;
    int samples = 0, nextMinute = 0;
    QElapsedTimer stalled;
    stalled.start();
    while (skySeconds < 3600) {
        QTest::qWait(2);
        const long delivered = karvix::sim::cameraStatus(cameraHandle).framesDelivered;
        if (delivered == counted) {
            if (stalled.elapsed() > 10000)
                return std::nan("");
            continue;
        }
        stalled.restart();
        sky.stepClock(double(delivered - counted) * exposureS);
        skySeconds += double(delivered - counted) * exposureS;
        counted = delivered;
        if (skySeconds < nextMinute * 60.0)
            continue;
        ++nextMinute;
        if (skySeconds < 600)
            continue;
        const double hours = skySeconds / 3600, mb = *lastMb = statusMb("VmRSS:");
        sumT += hours;
        sumM += mb;
        sumTT += hours * hours;
        sumTM += hours * mb;
        ++samples;
    }
    *frames = counted - firstFrame;
    return (samples * sumTM - sumT * sumM) / (samples * sumTT - sumT * sumT);
}

} // namespace

int main(int argc, char **argv)
{
    returnLargeBlocksToTheSystem(); // as the program starts
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // no settings of a real user
    QFile::remove(SettingsFile::programPath());

    e2e::Session session;
    session.name = QStringLiteral("monitor");
    session.refractionCorrection = true;
    {
        e2e::Observer observer(session);
        observer.openWindow();
        if (!observer.alignFully(false)) {
            std::fprintf(stderr, "alignment failed: %s\n", qPrintable(observer.failure()));
            return 1;
        }
        karvix::sim::cameraSimulator().useSystemClock();
        // The reset clears getrusage's figure too: the alignment's peak is read first.
        const double alignmentPeak = runPeakResidentSetMb();
        const int phoneViewers = qEnvironmentVariableIntValue("VELTO_BENCH_PHONE_VIEWERS");
        std::vector<std::unique_ptr<PhoneViewer>> viewers;
        PhoneViewServer &phone = observer.window()->findChild<PhoneViewDialog *>()->phoneView().server();
        QString error;
        if (phoneViewers > 0 && !phone.start(QStringLiteral("127.0.0.1"), 0, &error)) {
            std::fprintf(stderr, "phone view: %s\n", qPrintable(error));
            return 1;
        }
        for (int i = 0; i < phoneViewers; ++i)
            viewers.push_back(std::make_unique<PhoneViewer>(phone.port(), phone.token()));
        const bool peakReset = resetPeakResidentSet();
        QTest::qWait(30000);
        const double windowPeak = peakReset ? statusMb("VmHWM:") : -1;
        const double runPeak = std::max(alignmentPeak, runPeakResidentSetMb());
        // Where the kernel cannot reset its high-water mark, the whole run's peak is the bound.
        std::printf("RESULT bench monitor_peak_rss_mb=%.1f%s\n", windowPeak > 0 ? windowPeak : runPeak,
            phoneViewers > 0 ? qPrintable(QStringLiteral(" phone_viewers=%1").arg(phoneViewers)) : "");
        viewers.clear();
        phone.stop();
        std::printf("RESULT bench run_peak_rss_mb=%.1f\n", runPeak);
        std::fflush(stdout);

        long frames = 0;
        double lastMb = 0;
        const double growth = residentSetGrowthPerHour(&frames, &lastMb);
        if (std::isnan(growth)) {
            std::fprintf(stderr, "the camera stopped delivering frames\n");
            return 1;
        }
        std::printf(
            "RESULT bench monitor_rss_growth_mb_per_hour=%.2f frames=%ld exposure_ms=%.0f rss_mb=%.1f\n",
            growth, frames, exposureTime / 1e3, lastMb);
        std::fflush(stdout);
    }
    QFile::remove(SettingsFile::programPath());
    return 0;
}
