// Peak resident memory of the program while it monitors the pole: the virtual observer aligns
// the mount through the real window on the simulated sky (test clock, frames on demand), then the
// camera streams in real time (100 ms exposures) for 30 s while the window shows the pole.
// Prints "RESULT bench monitor_peak_rss_mb=<m>", the process's peak resident set (getrusage), which
// includes the alignment before the monitoring.
#include "observer.h"
#include "settingsfile.h"
#include "simcontrol.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char **argv)
{
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
        QTest::qWait(30000);
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("RESULT bench monitor_peak_rss_mb=%.1f\n", usage.ru_maxrss / 1024.0); // kB on Linux
        std::fflush(stdout);
    }
    QFile::remove(SettingsFile::programPath());
    return 0;
}
