// Connecting and disconnecting against a scripted camera: which camera is chosen, what each
// failure logs and leaves behind, and that the camera is only closed after the loop returned.
#include "cameraconnection.h"
#include "capturethread.h"
#include "fakecamera.h"
#include "sharedstate.h"

#include <QtTest>

Q_DECLARE_METATYPE(ConnectOutcome)

class TestCameraConnection : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void recognisesOurCameras_data();
    void recognisesOurCameras();
    void titleShowsTheModelName();
    void connectionPaths_data();
    void connectionPaths();
    void nothingHappensWithoutTheLibrary();
    void disconnectClosesOnlyAfterTheLoopReturned();
    void failedCloseKeepsTheCameraConnected();
    void shutDownClosesAndRetiresTheLibrary();
};

void TestCameraConnection::init()
{
    FakeCamera::reset();
    sdkReady = true;
    cameraConnected = false;
    cameraHandle = 0;
    std::memset(cameraId, 0, sizeof cameraId);
}

void TestCameraConnection::recognisesOurCameras_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("suitable");
    QTest::newRow("maker and serial") << "NORDVANE-SIM0001" << true;
    QTest::newRow("maker alone") << "NORDVANE" << true;
    QTest::newRow("cut at the last hyphen") << "NORDVANE-A-1" << false;
    QTest::newRow("extra character") << "NORDVANEX-1" << false;
    QTest::newRow("letter case") << "Nordvane-1" << false;
    QTest::newRow("empty serial") << "NORDVANE-" << true;
    QTest::newRow("other maker") << "ACME-NORDVANE" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCameraConnection::recognisesOurCameras()
{
    QFETCH(QString, id);
    QFETCH(bool, suitable);
    QCOMPARE(isSuitableCameraId(id), suitable);
}

void TestCameraConnection::titleShowsTheModelName()
{
    QCOMPARE(cameraWindowTitle("NORDVANE-SIM0001"), QString("Velto Q7 - ID: Q7-SIM0001"));
    QCOMPARE(cameraWindowTitle("NORDVANE"), QString("Velto Q7 - ID: Q7"));
}

void TestCameraConnection::connectionPaths_data()
{
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<int>("failingIdIndex");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<ConnectOutcome>("outcome");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<QString>("opened"); // id handed to OpenKARVIX, empty when none

    const QStringList one {"NORDVANE-SIM0001"};
    const ConnectOutcome ok = ConnectOutcome::Connected;
    QTest::newRow("connects") << one << -1 << "" << ok << ""
                              << "NORDVANE-SIM0001";
    QTest::newRow("no camera") << QStringList() << -1 << "" << ConnectOutcome::NoCamera << ""
                               << "";
    QTest::newRow("only others") << QStringList {"ACME-1", "nordvane-2"} << -1 << ""
                                 << ConnectOutcome::NoCamera << ""
                                 << "";
    QTest::newRow("lower index wins")
        << QStringList {"ACME-1", "NORDVANE-B", "NORDVANE-C"} << -1 << "" << ok << ""
        << "NORDVANE-B";
    QTest::newRow("unreadable id skipped") << QStringList {"NORDVANE-A", "NORDVANE-B"} << 0 << "" << ok << ""
                                           << "NORDVANE-B";
    QTest::newRow("open fails") << one << -1 << "open" << ConnectOutcome::OpenFailed << "OpenKARVIX failure!"
                                << "NORDVANE-SIM0001";
    QTest::newRow("stream mode fails")
        << one << -1 << "stream" << ConnectOutcome::StreamModeFailed << "SetKARVIXStreamMode 1 Failure"
        << "NORDVANE-SIM0001";
    QTest::newRow("init fails") << one << -1 << "init" << ConnectOutcome::InitFailed << "InitKARVIX failure!"
                                << "NORDVANE-SIM0001";
}

void TestCameraConnection::connectionPaths()
{
    QFETCH(QStringList, ids);
    QFETCH(int, failingIdIndex);
    QFETCH(QString, fault);
    QFETCH(ConnectOutcome, outcome);
    QFETCH(QString, logLine);
    QFETCH(QString, opened);

    FakeCamera::Script script;
    script.ids = ids;
    script.failingIdIndex = failingIdIndex;
    script.openFails = fault == "open";
    script.streamModeFails = fault == "stream";
    script.initFails = fault == "init";
    FakeCamera::reset(script);
    if (!logLine.isEmpty())
        QTest::ignoreMessage(QtCriticalMsg, qPrintable(logLine));

    QCOMPARE(connectCamera(), outcome);
    const bool connected = outcome == ConnectOutcome::Connected;
    QCOMPARE(cameraConnected.load(), connected);
    QCOMPARE(cameraHandle != 0, connected); // a half-set-up camera is closed again
    const QStringList calls = FakeCamera::calls();
    QCOMPARE(calls.first(), QString("ScanKARVIX"));
    if (opened.isEmpty()) {
        QVERIFY(!calls.join(' ').contains("OpenKARVIX"));
        return;
    }
    QVERIFY(calls.contains("OpenKARVIX " + opened));
    QCOMPARE(QString::fromLatin1(cameraId), opened);
    if (connected)
        QCOMPARE(calls.mid(calls.size() - 2), QStringList({"SetKARVIXStreamMode 7 1", "InitKARVIX 7"}));
    else if (fault != "open")
        QCOMPARE(calls.last(), QString("CloseKARVIX 7"));

    // After a failure the next attempt scans and opens anew.
    if (!connected) {
        FakeCamera::reset();
        QCOMPARE(connectCamera(), ConnectOutcome::Connected);
        QCOMPARE(FakeCamera::calls().first(), QString("ScanKARVIX"));
    }
}

void TestCameraConnection::nothingHappensWithoutTheLibrary()
{
    sdkReady = false;
    QCOMPARE(connectCamera(), ConnectOutcome::LibraryNotReady);
    QVERIFY(FakeCamera::calls().isEmpty());
    QVERIFY(!cameraConnected);
}

void TestCameraConnection::disconnectClosesOnlyAfterTheLoopReturned()
{
    QCOMPARE(connectCamera(), ConnectOutcome::Connected);
    CaptureThread thread;
    thread.startCapture();
    QTRY_VERIFY(FakeCamera::lastFrameValue() >= 2);
    QVERIFY(disconnectCamera(thread));
    QVERIFY(thread.isFinished());
    QVERIFY(!cameraConnected);
    const QStringList calls = FakeCamera::calls();
    QCOMPARE(
        calls.mid(calls.size() - 3), QStringList({"GetKARVIXLiveFrame", "StopKARVIXLive", "CloseKARVIX 7"}));
    QCOMPARE(FakeCamera::overlappingCalls(), 0);
}

void TestCameraConnection::failedCloseKeepsTheCameraConnected()
{
    FakeCamera::Script script;
    script.closeFails = true;
    FakeCamera::reset(script);
    QCOMPARE(connectCamera(), ConnectOutcome::Connected);
    CaptureThread thread;
    thread.startCapture();
    QVERIFY(!disconnectCamera(thread));
    QVERIFY(cameraConnected);
    QVERIFY(thread.isFinished());
    QCOMPARE(FakeCamera::countOf("StopKARVIXLive"), 1);

    // The next Connect runs the disconnection again.
    FakeCamera::reset();
    QVERIFY(disconnectCamera(thread));
    QVERIFY(!cameraConnected);
}

void TestCameraConnection::shutDownClosesAndRetiresTheLibrary()
{
    QCOMPARE(connectCamera(), ConnectOutcome::Connected);
    CaptureThread thread;
    thread.startCapture();
    QTRY_VERIFY(FakeCamera::lastFrameValue() >= 1);
    shutDownCamera(thread);
    QVERIFY(!cameraConnected);
    QVERIFY(!sdkReady);
    QCOMPARE(FakeCamera::calls().last(), QString("CloseKARVIX 7"));
    QCOMPARE(FakeCamera::overlappingCalls(), 0);

    // Without a camera, closing the window touches nothing.
    FakeCamera::reset();
    sdkReady = true;
    shutDownCamera(thread);
    QVERIFY(FakeCamera::calls().isEmpty());
    QVERIFY(!sdkReady);
}

QTEST_GUILESS_MAIN(TestCameraConnection)
#include "tst_cameraconnection.moc"
