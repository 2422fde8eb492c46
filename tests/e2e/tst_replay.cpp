// A night recorded and re-run: the virtual observer aligns the mount on the simulated sky with
// File > Record Session on, then opens a new window on the recording (Device > Camera Source) and
// does what it did before at the same instants of the recording. The replayed window must end
// where the recorded one ended: the pole shown where the recorded session showed it, the summary's
// figures within a second of arc of the recorded ones, the camera's presets as recorded, and within
// the accuracy goal of the true pole the simulator knew when the frames were taken. The recording
// keeps what Record Session keeps by default, and its size is reckoned for an hour.
#include "framethinning.h"
#include "observer.h"
#include "serfile.h"
#include "settingsfile.h"
#include "simcontrol.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cstdio>

namespace {
// Frames of the sky's clock after Done, watched without touching the program: several of the
// recording's quiet intervals.
constexpr int quietFrames = 100;

// An hour of watching at the pace the recording kept while nothing happened, measured on the
// frames after Done's moments, plus every frame the alignment itself kept; MB as the progress shows.
double megabytesPerHour(const QString &path, double doneUtc)
{
    ser::Reader reader;
    std::string why;
    if (!reader.open(path.toStdString(), KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT, &why))
        return qInf();
    const double frameMb = KARVIX_FRAME_WIDTH * KARVIX_FRAME_HEIGHT / 1048576.0;
    int alignmentFrames = 0;
    std::vector<double> quietIntervals;
    for (int64_t i = 0; i < reader.frameCount(); ++i) {
        const double utc = reader.frameUtcSeconds(i);
        if (utc <= doneUtc + FrameThinning::kAroundActionS)
            ++alignmentFrames;
        else if (i > 0 && reader.frameUtcSeconds(i - 1) > doneUtc + FrameThinning::kAroundActionS)
            quietIntervals.push_back(utc - reader.frameUtcSeconds(i - 1));
    }
    if (quietIntervals.size() < 2)
        return qInf();
    std::sort(quietIntervals.begin(), quietIntervals.end());
    const double interval = quietIntervals[quietIntervals.size() / 2];
    qInfo("Recording: %d frames of the alignment, then one every %.2f s", alignmentFrames, interval);
    return alignmentFrames * frameMb + 3600 / interval * frameMb;
}

// The largest difference between the figures of two summaries; infinite when they differ in kind.
double largestDifference(const QVector<double> &a, const QVector<double> &b)
{
    if (a.isEmpty() || a.size() != b.size())
        return qInf();
    double largest = 0;
    for (int i = 0; i < a.size(); ++i)
        largest = std::max(largest, std::abs(a[i] - b[i]));
    return largest;
}
} // namespace

class TestReplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recordedAlignmentReplaysToTheSamePole();
    void cleanupTestCase();
};

void TestReplay::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(SettingsFile::programPath());
    QFile::remove(SettingsFile::userPath());
}

void TestReplay::cleanupTestCase()
{
    karvix::sim::resetCameraBus();
    initTestCase();
}

void TestReplay::recordedAlignmentReplaysToTheSamePole()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString recording = folder.filePath(QStringLiteral("night.ser"));

    e2e::Session session;
    session.name = QStringLiteral("replay");
    session.utcSeconds = e2e::utc("2027-05-14T21:30");
    session.refractionCorrection = true;
    session.errorDirectionDeg = 120;
    session.personPace = false; // a recording plays at its own pace: a minute's pause takes a minute

    e2e::Verdict recorded;
    QVector<double> recordedSummary;
    QVector<e2e::Action> actions;
    {
        e2e::Observer observer(session);
        observer.openWindow();
        QVERIFY2(observer.connectCamera(), qPrintable(observer.failure()));
        QVERIFY2(observer.startRecording(recording), qPrintable(observer.failure()));
        QVERIFY2(observer.chooseExposure() && observer.setRefraction() && observer.confirmPolaris(false)
                && observer.findAxisCentre() && observer.placeExpectedPolaris()
                && observer.movePolarisIntoReticle() && observer.confirmCurrentPolaris()
                && observer.startMonitor() && observer.bringPoleOntoAxis() && observer.finish(),
            qPrintable(observer.failure()));
        recorded = observer.verdict();
        recordedSummary = observer.summaryFigures();
        QVERIFY2(observer.waitForFreshFrames(quietFrames), qPrintable(observer.failure()));
        QVERIFY2(observer.stopRecording(), qPrintable(observer.failure()));
        actions = observer.actions();
        observer.closeWindow();
    }
    QVERIFY(QFileInfo(recording).size() > 0);
    QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral("night.json"))));

    e2e::Verdict replayed;
    QVector<double> replayedSummary;
    {
        e2e::Observer observer(session);
        observer.openWindow();
        if (!qEnvironmentVariableIsEmpty("VELTO_SHOTS"))
            observer.summaryShot = qEnvironmentVariable("VELTO_SHOTS") + QStringLiteral("/replay-summary.png");
        QVERIFY2(observer.chooseRecording(recording), qPrintable(observer.failure()));
        QVERIFY2(observer.connectCamera() && observer.setRefraction() && observer.redo(actions),
            qPrintable(observer.failure()));
        const auto pole = observer.shownPole();
        QVERIFY2(pole, "no pole shown at the end of the replay");
        replayedSummary = observer.summaryFigures();
        replayed = recorded; // the mount's truth is the recording's
        replayed.poleErrorPx
            = std::hypot(pole->x() - recorded.truePolePx.x(), pole->y() - recorded.truePolePx.y());
        observer.closeWindow();
    }

    e2e::report(session, replayed);
    std::printf("RESULT e2e replay recorded_pole_error_px=%.3f replayed_pole_error_px=%.3f\n",
        recorded.poleErrorPx, replayed.poleErrorPx);
    const double readoutDiffArcsec = largestDifference(recordedSummary, replayedSummary);
    const double mbPerHour = megabytesPerHour(recording, actions.last().utcSeconds);
    std::printf("RESULT e2e recording mb_per_hour=%.0f replay_readout_diff_arcsec=%.0f\n", mbPerHour,
        readoutDiffArcsec);
    std::fflush(stdout);
    QString why;
    QVERIFY2(e2e::meetsExpectation(session, recorded, &why), qPrintable(QStringLiteral("recorded: ") + why));
    QVERIFY2(e2e::meetsExpectation(session, replayed, &why), qPrintable(QStringLiteral("replayed: ") + why));
    // The same frames and the same actions: the same pole, up to the frames that fall between an
    // action and the next frame.
    QVERIFY2(mbPerHour < 4000, qPrintable(QStringLiteral("%1 MB an hour").arg(mbPerHour)));
    QVERIFY2(readoutDiffArcsec <= 1,
        qPrintable(QStringLiteral("the summaries differ by %1 arcsec").arg(readoutDiffArcsec)));
    QVERIFY2(std::abs(replayed.poleErrorPx - recorded.poleErrorPx) < 0.2,
        qPrintable(QStringLiteral("recorded %1 px, replayed %2 px")
                       .arg(recorded.poleErrorPx)
                       .arg(replayed.poleErrorPx)));
}

QTEST_MAIN(TestReplay)
#include "tst_replay.moc"
