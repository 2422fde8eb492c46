// A night recorded and re-run: the virtual observer aligns the mount on the simulated sky with
// File > Record Session on, then opens a new window on the recording (Device > Camera Source) and
// does what it did before at the same instants of the recording. The replayed window must end
// where the recorded one ended: the pole shown where the recorded session showed it, and within
// the accuracy goal of the true pole the simulator knew when the frames were taken.
#include "observer.h"
#include "settingsfile.h"
#include "simcontrol.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

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
        QVERIFY2(observer.stopRecording(), qPrintable(observer.failure()));
        actions = observer.actions();
        observer.closeWindow();
    }
    QVERIFY(QFileInfo(recording).size() > 0);
    QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral("night.json"))));

    e2e::Verdict replayed;
    {
        e2e::Observer observer(session);
        observer.openWindow();
        QVERIFY2(observer.chooseRecording(recording), qPrintable(observer.failure()));
        QVERIFY2(observer.connectCamera() && observer.setRefraction() && observer.redo(actions),
            qPrintable(observer.failure()));
        const auto pole = observer.shownPole();
        QVERIFY2(pole, "no pole shown at the end of the replay");
        replayed = recorded; // the mount's truth is the recording's
        replayed.poleErrorPx
            = std::hypot(pole->x() - recorded.truePolePx.x(), pole->y() - recorded.truePolePx.y());
        observer.closeWindow();
    }

    e2e::report(session, replayed);
    std::printf("RESULT e2e replay recorded_pole_error_px=%.3f replayed_pole_error_px=%.3f\n",
        recorded.poleErrorPx, replayed.poleErrorPx);
    std::fflush(stdout);
    QString why;
    QVERIFY2(e2e::meetsExpectation(session, recorded, &why), qPrintable(QStringLiteral("recorded: ") + why));
    QVERIFY2(e2e::meetsExpectation(session, replayed, &why), qPrintable(QStringLiteral("replayed: ") + why));
    // The same frames and the same actions: the same pole, up to the frames that fall between an
    // action and the next frame.
    QVERIFY2(std::abs(replayed.poleErrorPx - recorded.poleErrorPx) < 0.2,
        qPrintable(QStringLiteral("recorded %1 px, replayed %2 px")
                       .arg(recorded.poleErrorPx)
                       .arg(replayed.poleErrorPx)));
}

QTEST_MAIN(TestReplay)
#include "tst_replay.moc"
