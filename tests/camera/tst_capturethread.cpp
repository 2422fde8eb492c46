// The capture loop against a scripted camera: stream set-up, frame hand-off, pending exposure and
// gain, stopping, and a GUI thread that does not keep up.
#include "capturethread.h"
#include "fakecamera.h"
#include "sharedstate.h"

#include <QSemaphore>
#include <QtTest>
#include <set>

namespace {
// Stands in for the per-frame analysis: can hold a frame in progress, and hands a magnifier crop
// over with every frame.
class ProbeThread : public CaptureThread
{
public:
    std::atomic<bool> holdFrames {false};
    QSemaphore entered, release;
    std::atomic<int> processed {0};
    std::set<const void *> greyBuffers, displayBuffers; // written by the loop, read after it ended

protected:
    bool processFrame(const cv::Mat &grey, const FrameInputs &) override
    {
        greyBuffers.insert(grey.data);
        displayBuffers.insert(frameImage.constBits());
        if (holdFrames) {
            entered.release();
            release.acquire();
        }
        ++processed;
        return true;
    }
};

QStringList callsAfter(const QStringList &calls, int from)
{
    return calls.mid(from);
}
} // namespace

class TestCaptureThread : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void setsTheStreamUpInOrderAndHandsFramesOver();
    void doesNothingWithoutACamera();
    void endsWhenTheStreamCannotBegin();
    void valuesChosenBeforeConnectingAreUsedAtStreamStart();
    void changeDuringAFrameIsSentBeforeTheNextRead_data();
    void changeDuringAFrameIsSentBeforeTheNextRead();
    void rejectedValuesStayPendingWithOneLogLinePerPass();
    void keepsPollingACameraThatNeverDelivers();
    void queuesStayAtTwoWhileTheGuiIsStalled();
    void leasedFrameIsNeverOverwritten();
    void restartWaitsForTheLoopThatWasToldToStop();
    void nonsenseFrameSizeIsHarmless();
    void reusesItsImagesForEveryFrame();
};

void TestCaptureThread::init()
{
    FakeCamera::reset();
    cameraConnected = true;
    cameraHandle = 7;
    exposureTime = 50000.0;
    gain = 50;
    frameWidth = KARVIX_FRAME_WIDTH;
    frameHeight = KARVIX_FRAME_HEIGHT;
    frameQueue.clear();
    magnifierQueue.clear();
}

void TestCaptureThread::cleanup()
{
    QCOMPARE(FakeCamera::overlappingCalls(), 0);
}

void TestCaptureThread::setsTheStreamUpInOrderAndHandsFramesOver()
{
    CaptureThread thread;
    thread.startCapture();
    QTRY_VERIFY(frameQueue.size() > 0);
    thread.stopAndWait();

    const QStringList expected {"SetKARVIXParam 8 50000", "SetKARVIXParam 6 50", "SetKARVIXParam 12 30",
        "SetKARVIXParam 9 0", "SetKARVIXBitsMode 8", "SetKARVIXBinMode 1 1",
        "SetKARVIXResolution 0 0 1280 960", "BeginKARVIXLive", "GetKARVIXLiveFrame"};
    QCOMPARE(FakeCamera::calls().mid(0, expected.size()), expected);
    QCOMPARE(thread.appliedExposureTime(), 50000.0);
    QCOMPARE(thread.appliedGain(), 50);

    // The first queued frame is the first delivered one, in colour with three equal channels.
    QImage shown;
    QVERIFY(frameQueue.take(&shown));
    QCOMPARE(shown.size(), QSize(1280, 960));
    QCOMPARE(shown.format(), QImage::Format_RGB32);
    QCOMPARE(shown.pixelColor(0, 0), QColor(1, 1, 1));
    QCOMPARE(shown.pixelColor(1279, 959), QColor(1, 1, 1));

    // The published grey frame is the last delivered one.
    const FrameLease lease = rawImage.latest();
    QCOMPARE(lease.image().rows, 960);
    QCOMPARE(int(lease.image().at<uchar>(959, 1279)), FakeCamera::lastFrameValue() % 256);
}

void TestCaptureThread::doesNothingWithoutACamera()
{
    cameraConnected = false;
    CaptureThread thread;
    thread.startCapture();
    QVERIFY(thread.wait(5000));
    QVERIFY(FakeCamera::calls().isEmpty());
}

void TestCaptureThread::endsWhenTheStreamCannotBegin()
{
    FakeCamera::Script script;
    script.beginLiveFails = true;
    FakeCamera::reset(script);
    QTest::ignoreMessage(QtCriticalMsg, "BeginKARVIXLive failure");
    CaptureThread thread;
    thread.startCapture();
    QVERIFY(thread.wait(5000)); // ends by itself
    QCOMPARE(FakeCamera::calls().last(), QString("BeginKARVIXLive"));
    QVERIFY(cameraConnected); // the menu keeps offering Disconnect
    QCOMPARE(frameQueue.size(), 0);
}

void TestCaptureThread::valuesChosenBeforeConnectingAreUsedAtStreamStart()
{
    exposureTime = 200000.0;
    gain = 90;
    CaptureThread thread;
    thread.startCapture();
    QTRY_VERIFY(FakeCamera::lastFrameValue() >= 3);
    thread.stopAndWait();
    const QStringList calls = FakeCamera::calls();
    QCOMPARE(calls.at(0), QString("SetKARVIXParam 8 200000"));
    QCOMPARE(calls.at(1), QString("SetKARVIXParam 6 90"));
    QCOMPARE(FakeCamera::countOf("SetKARVIXParam 8 200000"), 1); // accepted once, not resent
    QCOMPARE(FakeCamera::countOf("SetKARVIXParam 6 90"), 1);
}

// An exposure and a gain chosen while a frame is being processed reach the camera after that
// frame; with a stop requested at the same time the loop still sends them and then ends without
// another read, and the frame in progress is still queued.
void TestCaptureThread::changeDuringAFrameIsSentBeforeTheNextRead_data()
{
    QTest::addColumn<bool>("stopToo");
    QTest::newRow("while streaming") << false;
    QTest::newRow("with a stop") << true;
}

void TestCaptureThread::changeDuringAFrameIsSentBeforeTheNextRead()
{
    QFETCH(bool, stopToo);
    ProbeThread thread;
    thread.holdFrames = true;
    thread.startCapture();
    QVERIFY(thread.entered.tryAcquire(1, 5000));
    const int readsSoFar = FakeCamera::calls().size();
    exposureTime = 100000.0;
    gain = 70;
    if (stopToo)
        thread.stop();
    thread.holdFrames = false;
    thread.release.release();

    if (stopToo) {
        QVERIFY(thread.wait(5000));
        // QThread::wait's hand-over is invisible to ThreadSanitizer; the loop's own lock is not.
        thread.stopAndWait();
        QCOMPARE(callsAfter(FakeCamera::calls(), readsSoFar),
            QStringList({"SetKARVIXParam 8 100000", "SetKARVIXParam 6 70"}));
        QCOMPARE(frameQueue.size(), 1);
        QCOMPARE(magnifierQueue.size(), 1);
    } else {
        QTRY_VERIFY(FakeCamera::calls().size() >= readsSoFar + 3);
        thread.stopAndWait();
        QCOMPARE(callsAfter(FakeCamera::calls(), readsSoFar).mid(0, 3),
            QStringList({"SetKARVIXParam 8 100000", "SetKARVIXParam 6 70", "GetKARVIXLiveFrame"}));
    }
    QCOMPARE(thread.appliedExposureTime(), 100000.0);
    QCOMPARE(thread.appliedGain(), 70);
}

void TestCaptureThread::rejectedValuesStayPendingWithOneLogLinePerPass()
{
    FakeCamera::Script script;
    script.deliversFrames = false;
    script.exposureRejections = 3; // the set-up and two passes
    script.gainRejections = 2;     // the set-up and one pass
    FakeCamera::reset(script);
    for (int i = 0; i < 2; ++i)
        QTest::ignoreMessage(QtCriticalMsg, "SetKARVIXParam CONTROL_EXPOSURE 50000 Failure.");
    QTest::ignoreMessage(QtCriticalMsg, "SetKARVIXParam CONTROL_GAIN 50 Failure");

    CaptureThread thread;
    thread.startCapture();
    QTRY_VERIFY(FakeCamera::countOf("GetKARVIXLiveFrame") >= 5);
    thread.stopAndWait();
    QCOMPARE(FakeCamera::countOf("SetKARVIXParam 8 50000"), 4);
    QCOMPARE(FakeCamera::countOf("SetKARVIXParam 6 50"), 3);
    QCOMPARE(thread.appliedExposureTime(), 50000.0);
    QCOMPARE(thread.appliedGain(), 50);
}

void TestCaptureThread::keepsPollingACameraThatNeverDelivers()
{
    FakeCamera::Script script;
    script.deliversFrames = false;
    FakeCamera::reset(script);
    QElapsedTimer polling;
    polling.start();
    CaptureThread thread;
    thread.startCapture();
    // One read about every 10 ms: not stuck, and not a busy loop (a load slows it, never speeds
    // it up).
    QTRY_VERIFY(FakeCamera::countOf("GetKARVIXLiveFrame") >= 5);
    const int reads = FakeCamera::countOf("GetKARVIXLiveFrame");
    const qint64 ms = polling.elapsed();
    QVERIFY2(reads <= ms / 5 + 2, qPrintable(QString("%1 reads in %2 ms").arg(reads).arg(ms)));

    exposureTime = 300000.0;
    QTRY_COMPARE(FakeCamera::countOf("SetKARVIXParam 8 300000"), 1);
    QElapsedTimer stopping;
    stopping.start();
    thread.stopAndWait();
    QVERIFY2(stopping.elapsed() < 5000, qPrintable(QString("stopped after %1 ms").arg(stopping.elapsed())));
    QCOMPARE(frameQueue.size(), 0);
}

void TestCaptureThread::queuesStayAtTwoWhileTheGuiIsStalled()
{
    ProbeThread thread;
    thread.startCapture();
    QTRY_VERIFY(thread.processed >= 20);
    QCOMPARE(frameQueue.size(), 2);
    QCOMPARE(magnifierQueue.size(), 2);
    thread.stopAndWait();

    // The two kept are the oldest, and each is a snapshot of its own frame.
    QImage first, second;
    QVERIFY(frameQueue.take(&first) && frameQueue.take(&second));
    QCOMPARE(first.pixelColor(5, 5), QColor(1, 1, 1));
    QCOMPARE(second.pixelColor(5, 5), QColor(2, 2, 2));
}

// A reader holding a frame sees it unchanged however many frames follow, and every frame it can
// lease is whole (all its pixels come from one delivery).
void TestCaptureThread::leasedFrameIsNeverOverwritten()
{
    CaptureThread thread;
    thread.startCapture();
    QTRY_VERIFY(rawImage.latest().image().data);
    const FrameLease held = rawImage.latest();
    const int heldValue = held.image().at<uchar>(0, 0);
    const int start = FakeCamera::lastFrameValue();
    int torn = 0;
    while (FakeCamera::lastFrameValue() < start + 30) {
        const FrameLease lease = rawImage.latest();
        const cv::Mat &frame = lease.image();
        if (frame.at<uchar>(0, 0) != frame.at<uchar>(959, 1279)
            || frame.at<uchar>(480, 640) != frame.at<uchar>(0, 0))
            ++torn;
    }
    thread.stopAndWait();
    QCOMPARE(torn, 0);
    QCOMPARE(cv::countNonZero(held.image() != heldValue), 0);
}

void TestCaptureThread::restartWaitsForTheLoopThatWasToldToStop()
{
    ProbeThread thread;
    thread.holdFrames = true;
    thread.startCapture();
    QVERIFY(thread.entered.tryAcquire(1, 5000));
    thread.stop();
    thread.holdFrames = false;
    thread.release.release(); // the old loop finishes its frame while the new start waits for it
    thread.startCapture();
    QTRY_VERIFY(thread.processed >= 3);
    thread.stopAndWait();
    QCOMPARE(FakeCamera::countOf("BeginKARVIXLive"), 2);
    // The calls of the two streams do not interleave: the second set-up follows the first loop's end.
    const QStringList calls = FakeCamera::calls();
    const int secondSetUp = calls.indexOf("SetKARVIXParam 8 50000", 1);
    QVERIFY(secondSetUp > 0);
    QCOMPARE(calls.at(secondSetUp - 1), QString("GetKARVIXLiveFrame"));
}

void TestCaptureThread::nonsenseFrameSizeIsHarmless()
{
    FakeCamera::Script script;
    script.reportedWidth = 1 << 30;
    script.reportedHeight = -5;
    FakeCamera::reset(script);
    CaptureThread thread;
    thread.startCapture();
    QTRY_VERIFY(frameQueue.size() > 0);
    thread.stopAndWait();
    QCOMPARE(frameWidth.load(), 1 << 30); // the reported size is stored as it came
    QImage shown;
    QVERIFY(frameQueue.take(&shown));
    QCOMPARE(shown.size(), QSize(1280, 960)); // but only the buffer's first frame was read
}

// Frames are read and drawn into the same few buffers over and over; only the queued magnified
// crops are new.
void TestCaptureThread::reusesItsImagesForEveryFrame()
{
    ProbeThread thread;
    thread.startCapture();
    // A GUI thread that takes every frame, as showImages does.
    QImage shown;
    QTRY_VERIFY((frameQueue.take(&shown), thread.processed >= 30));
    thread.stopAndWait();
    thread.displayBuffers.erase(nullptr); // frames that found the queue full are not drawn
    QVERIFY(thread.displayBuffers.size() <= size_t(DisplayFrames::defaultSlots));
    QVERIFY(thread.greyBuffers.size() <= size_t(FramePool::defaultSlots));
}

QTEST_GUILESS_MAIN(TestCaptureThread)
#include "tst_capturethread.moc"
