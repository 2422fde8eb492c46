// The camera layer on the simulated sky camera, the program's default camera: connection faults
// injected through the simulator, the live stream with real stars, exposure changes and a camera
// whose frames stop.
#include "cameraconnection.h"
#include "capturethread.h"
#include "sharedstate.h"
#include "simcontrol.h"

#include <QtTest>
#include <algorithm>
#include <opencv2/core.hpp>

using namespace karvix::sim;

Q_DECLARE_METATYPE(ConnectOutcome)
Q_DECLARE_METATYPE(CameraOperation)

class TestCameraSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void failingOperations_data();
    void failingOperations();
    void choosesTheFirstOfOurCameras();
    void streamsTheSkyAndFollowsExposure();
    void keepsPollingWhenFramesStop();
};

void TestCameraSim::initTestCase()
{
    QCOMPARE(InitKARVIXResource(), 0);
}

void TestCameraSim::init()
{
    resetCameraBus();
    sdkReady = true;
    cameraConnected = false;
    cameraHandle = 0;
    exposureTime = 50000.0;
    gain = 50;
    frameQueue.clear();
    magnifierQueue.clear();
}

void TestCameraSim::failingOperations_data()
{
    QTest::addColumn<CameraOperation>("operation");
    QTest::addColumn<ConnectOutcome>("outcome");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("open") << CameraOperation::Open << ConnectOutcome::OpenFailed << "OpenKARVIX failure!";
    QTest::newRow("stream mode") << CameraOperation::StreamMode << ConnectOutcome::StreamModeFailed
                                 << "SetKARVIXStreamMode 1 Failure";
    QTest::newRow("init") << CameraOperation::Init << ConnectOutcome::InitFailed << "InitKARVIX failure!";
}

void TestCameraSim::failingOperations()
{
    QFETCH(CameraOperation, operation);
    QFETCH(ConnectOutcome, outcome);
    QFETCH(QString, logLine);
    setOperationFails(operation, true);
    QTest::ignoreMessage(QtCriticalMsg, qPrintable(logLine));
    QCOMPARE(connectCamera(), outcome);
    QVERIFY(!cameraConnected);

    // Once the fault is gone the next Connect opens the camera, which was not left busy.
    setOperationFails(operation, false);
    QCOMPARE(connectCamera(), ConnectOutcome::Connected);
    QVERIFY(cameraStatus(cameraHandle).initialised);
}

void TestCameraSim::choosesTheFirstOfOurCameras()
{
    setCameraIds({});
    QCOMPARE(connectCamera(), ConnectOutcome::NoCamera);
    setCameraIds({"ACME-CAM1", "NORDVANE-A7", "NORDVANE-B9"});
    QCOMPARE(connectCamera(), ConnectOutcome::Connected);
    QCOMPARE(QString::fromLatin1(cameraId), QString("NORDVANE-A7"));
    QCOMPARE(cameraWindowTitle(QString::fromLatin1(cameraId)), QString("Velto Q7 - ID: Q7-A7"));
}

void TestCameraSim::streamsTheSkyAndFollowsExposure()
{
    QCOMPARE(connectCamera(), ConnectOutcome::Connected);
    CaptureThread thread;
    thread.startCapture();
    QTRY_VERIFY_WITH_TIMEOUT(frameQueue.size() > 0, 5000);
    const CameraStatus streaming = cameraStatus(cameraHandle);
    QVERIFY(streaming.live);
    QCOMPARE(streaming.exposureUs, 50000.0);
    QCOMPARE(streaming.gain, 50.0);

    // At 50 ms and gain 50 the sky is dark and Polaris saturates its core.
    const FrameLease lease = rawImage.latest();
    const cv::Mat &frame = lease.image();
    double darkest = 0, brightest = 0;
    cv::minMaxLoc(frame, &darkest, &brightest);
    std::vector<uchar> pixels(frame.begin<uchar>(), frame.end<uchar>());
    std::nth_element(pixels.begin(), pixels.begin() + pixels.size() / 2, pixels.end());
    const int median = pixels[pixels.size() / 2];
    QVERIFY2(brightest == 255 && median < 60,
        qPrintable(QString("brightest %1, median background %2").arg(brightest).arg(median)));

    exposureTime = 100000.0;
    QTRY_COMPARE(cameraStatus(cameraHandle).exposureUs, 100000.0);
    const KarvixHandle handle = cameraHandle;
    QVERIFY(disconnectCamera(thread));
    QVERIFY(!cameraStatus(handle).open);
}

void TestCameraSim::keepsPollingWhenFramesStop()
{
    QCOMPARE(connectCamera(), ConnectOutcome::Connected);
    stopFramesAfter(2);
    CaptureThread thread;
    thread.startCapture();
    QTRY_COMPARE_WITH_TIMEOUT(cameraStatus(cameraHandle).framesDelivered, 2L, 5000);

    // No frames, but a gain refused once is still retried and then accepted.
    rejectGain(1);
    QTest::ignoreMessage(QtCriticalMsg, "SetKARVIXParam CONTROL_GAIN 90 Failure");
    gain = 90;
    QTRY_COMPARE(cameraStatus(cameraHandle).gain, 90.0);
    QVERIFY(thread.isRunning());
    QCOMPARE(cameraStatus(cameraHandle).framesDelivered, 2L);
    QVERIFY(disconnectCamera(thread));
}

QTEST_GUILESS_MAIN(TestCameraSim)
#include "tst_camerasim.moc"
