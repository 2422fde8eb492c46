// The camera layer on the simulated sky camera, the program's default camera: the live stream
// with real stars, exposure changes and a camera whose frames stop. (Connection faults are
// checked call by call against the scripted camera, and through the window on this one.)
#include "cameraconnection.h"
#include "capturethread.h"
#include "sharedstate.h"
#include "simcontrol.h"

#include <QtTest>
#include <algorithm>
#include <opencv2/core.hpp>

using namespace karvix::sim;

class TestCameraSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
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
