// The fault run: one alignment by the virtual observer while the camera misbehaves. The camera
// rejects an exposure, stops delivering frames, refuses to close, and is disconnected and
// connected again during monitoring. The program must log what it is meant to log, stay usable,
// finish the alignment, and save its settings at the close.
#include "mainwindow.h"
#include "observer.h"
#include "settingsfile.h"
#include "sharedstate.h"
#include "simcontrol.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <cstdio>

using namespace karvix::sim;

class TestFaultRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void alignmentSurvivesCameraFaults();
    void cleanupTestCase();
};

void TestFaultRun::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(SettingsFile::programPath());
    QFile::remove(SettingsFile::userPath());
}

void TestFaultRun::cleanupTestCase()
{
    resetCameraBus();
    initTestCase();
}

void TestFaultRun::alignmentSurvivesCameraFaults()
{
    e2e::Session session;
    session.name = QStringLiteral("fault-run");
    session.utcSeconds = e2e::utc("2027-03-03T14:00");
    session.refractionCorrection = true;
    session.errorDirectionDeg = 320;
    e2e::Observer observer(session);
    observer.openWindow();
    QAction *connect = observer.window()->findChild<QAction *>(QStringLiteral("actionConnect"));
    QVERIFY2(observer.connectCamera(), qPrintable(observer.failure()));

    // The first exposure setting is refused: one log line, and the value is sent again.
    rejectExposure(1);
    QTest::ignoreMessage(QtCriticalMsg, "SetKARVIXParam CONTROL_EXPOSURE 100000 Failure.");
    QVERIFY2(observer.chooseExposure(), qPrintable(observer.failure()));
    QTRY_COMPARE(cameraStatus(cameraHandle).exposureUs, 100000.0);
    QVERIFY2(observer.setRefraction(), qPrintable(observer.failure()));
    QVERIFY2(observer.confirmPolaris(false), qPrintable(observer.failure()));

    // Frames stop: the picture stands still, the window still takes the user's settings and
    // passes them to the camera, and the stream goes on when frames come again.
    stopFramesAfter(0);
    const long frozenAt = cameraStatus(cameraHandle).framesDelivered;
    QTest::mouseClick(
        observer.window()->findChild<QPushButton *>(QStringLiteral("pushButton_gain_70")), Qt::LeftButton);
    QTRY_COMPARE(cameraStatus(cameraHandle).gain, 70.0);
    QCOMPARE(cameraStatus(cameraHandle).framesDelivered, frozenAt);
    QTest::mouseClick(
        observer.window()->findChild<QPushButton *>(QLatin1String(session.gainButton)), Qt::LeftButton);
    QTRY_COMPARE(cameraStatus(cameraHandle).gain, 50.0);
    stopFramesAfter(-1);
    QVERIFY2(observer.findAxisCentre(), qPrintable(observer.failure()));
    QVERIFY2(observer.placeExpectedPolaris() && observer.movePolarisIntoReticle()
            && observer.confirmCurrentPolaris() && observer.startMonitor(),
        qPrintable(observer.failure()));
    const auto centre = observer.shownPosition("label_axisPos");
    QVERIFY(centre);

    // The camera refuses to close: it stays connected and Disconnect stays on offer; the next
    // Disconnect closes it and the wizard rests.
    setOperationFails(CameraOperation::Close, true);
    connect->trigger();
    QVERIFY(cameraConnected);
    QCOMPARE(connect->text(), QStringLiteral("Disconnect"));
    setOperationFails(CameraOperation::Close, false);
    connect->trigger();
    QVERIFY(!cameraConnected);
    QCOMPARE(connect->text(), QStringLiteral("Connect"));

    // Connected again, the wizard starts over and offers the centre found before.
    QVERIFY2(observer.connectCamera(), qPrintable(observer.failure()));
    QVERIFY2(observer.confirmPolaris(true) && observer.placeExpectedPolaris()
            && observer.movePolarisIntoReticle() && observer.confirmCurrentPolaris()
            && observer.startMonitor() && observer.bringPoleOntoAxis() && observer.finish(),
        qPrintable(observer.failure()));
    const e2e::Verdict v = observer.verdict();
    e2e::report(session, v);
    QString why;
    QVERIFY2(e2e::meetsExpectation(session, v, &why), qPrintable(why));

    // Closing the window saves the settings, the axis centre among them.
    observer.closeWindow();
    QVERIFY(!cameraConnected);
    const QString saved = SettingsFile::pathToRead(SettingsFile::programPath(), SettingsFile::userPath());
    QVERIFY(!saved.isEmpty());
    QSettings settings(saved, QSettings::IniFormat);
    QVERIFY(std::abs(settings.value(QStringLiteral("AXIS_CENTER/x")).toDouble() - centre->x()) < 0.06);
    QVERIFY(std::abs(settings.value(QStringLiteral("AXIS_CENTER/y")).toDouble() - centre->y()) < 0.06);
    QCOMPARE(settings.value(QStringLiteral("ASTRONOMICAL_REFRACTION/enabledCorrect")).toBool(), true);
}

QTEST_MAIN(TestFaultRun)
#include "tst_faultrun.moc"
