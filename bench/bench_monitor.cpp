// Peak resident memory of the program while it monitors the pole: the virtual observer aligns
// the mount through the real window on the simulated sky (test clock, frames on demand), then the
// camera streams in real time (100 ms exposures) for 30 s while the window shows the pole.
// Prints "RESULT bench monitor_peak_rss_mb=<m>", the peak resident set of those 30 s (the kernel's
// high-water mark, reset when they begin; what the alignment left resident counts), and
// "RESULT bench run_peak_rss_mb=<m>", the peak of the whole run (getrusage), which includes the
// alignment and the virtual observer's own images of the template it matches.
#include "heapsettings.h"
#include "observer.h"
#include "settingsfile.h"
#include "simcontrol.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/resource.h>

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

// VmHWM of /proc/self/status in megabytes, or a negative value when it cannot be read.
double peakResidentSetMb()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
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
        const bool peakReset = resetPeakResidentSet();
        QTest::qWait(30000);
        const double windowPeak = peakReset ? peakResidentSetMb() : -1;
        const double runPeak = std::max(alignmentPeak, runPeakResidentSetMb());
        // Where the kernel cannot reset its high-water mark, the whole run's peak is the bound.
        std::printf("RESULT bench monitor_peak_rss_mb=%.1f\n", windowPeak > 0 ? windowPeak : runPeak);
        std::printf("RESULT bench run_peak_rss_mb=%.1f\n", runPeak);
        std::fflush(stdout);
    }
    QFile::remove(SettingsFile::programPath());
    return 0;
}
