// Recording the capture thread's frames: what is offered is written in order with its time, a full
// queue drops frames instead of making the capture thread wait, and a disk that fills up stops the
// recording with a reason and a file that still reads. Unless every frame is asked for, every frame
// near an action is kept, even one noted after the frames it concerns, and one every 2 s otherwise.
#include "framerecorder.h"
#include "serfile.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {
constexpr int kWidth = 1280, kHeight = 960;
const double kStartUtc = 1796688000.0;

cv::Mat frameOf(int value)
{
    return cv::Mat(kHeight, kWidth, CV_8UC1, cv::Scalar(value));
}
} // namespace

class TestFrameRecorder : public QObject
{
    Q_OBJECT

private slots:
    void writesOfferedFramesWithTheirTimes();
    void fullQueueDropsFrames();
    void keepsTheFramesAroundActions();
    void fullDiskStopsTheRecording();
    void unwritableFolderIsRefused();
};

// Also the throughput figure: 100 frames offered back to back, as fast as the capture thread could.
void TestFrameRecorder::writesOfferedFramesWithTheirTimes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("night.ser"));
    FrameRecorder recorder;
    QString problem;
    QVERIFY(recorder.start(path, kWidth, kHeight, kStartUtc, &problem));
    QElapsedTimer timer;
    timer.start();
    qint64 longestOfferNs = 0;
    for (int i = 0; i < 100; ++i) {
        const cv::Mat frame = frameOf(i);
        QElapsedTimer offer;
        offer.start();
        recorder.offer(frame, kStartUtc + 0.1 * i);
        longestOfferNs = std::max(longestOfferNs, offer.nsecsElapsed());
        // Waits only for room in the queue, never in offer().
        QTRY_VERIFY(recorder.progress().framesWritten + qint64(FrameRecorder::kQueueFrames) > i + 1);
    }
    QVERIFY2(recorder.stop(&problem), qPrintable(problem));
    const double seconds = timer.nsecsElapsed() / 1e9;
    const FrameRecorder::Progress progress = recorder.progress();
    qInfo("RESULT recording frames=100 MB_per_s=%.0f longest_offer_ms=%.2f",
        progress.bytesWritten / 1048576.0 / seconds, longestOfferNs / 1e6);
    QCOMPARE(progress.framesWritten, 100);
    QCOMPARE(progress.framesDropped, 0);
    QVERIFY(!progress.recording);

    ser::Reader reader;
    std::string why;
    QVERIFY2(reader.open(path.toStdString(), kWidth, kHeight, &why), why.c_str());
    QCOMPARE(reader.frameCount(), 100);
    std::vector<uint8_t> pixels(size_t(kWidth) * kHeight);
    for (int i : {0, 57, 99}) {
        QVERIFY(reader.readFrame(i, pixels.data(), &why));
        QCOMPARE(int(pixels[12345]), i);
        QCOMPARE(reader.frameUtcSeconds(i), kStartUtc + 0.1 * i);
    }
    recorder.offer(frameOf(1), kStartUtc); // stopped: nothing happens
    QCOMPARE(recorder.progress().framesWritten, 100);
}

void TestFrameRecorder::fullQueueDropsFrames()
{
    QTemporaryDir dir;
    FrameRecorder recorder;
    QVERIFY(recorder.start(dir.filePath(QStringLiteral("burst.ser")), kWidth, kHeight, kStartUtc, nullptr));
    const cv::Mat frame = frameOf(7);
    for (int i = 0; i < 200; ++i)
        recorder.offer(frame, kStartUtc + i);
    recorder.offer(cv::Mat(10, 10, CV_8UC1), kStartUtc); // not a camera frame: dropped
    QVERIFY(recorder.stop(nullptr));
    const FrameRecorder::Progress progress = recorder.progress();
    QVERIFY(progress.framesDropped > 0);
    QCOMPARE(progress.framesWritten + progress.framesDropped, 201);
}

void TestFrameRecorder::keepsTheFramesAroundActions()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("thinned.ser"));
    FrameRecorder recorder;
    QVERIFY(recorder.start(path, 64, 48, 999.95, nullptr, false));
    const cv::Mat frame(48, 64, CV_8UC1, cv::Scalar(1));
    for (int i = 0; i < 60; ++i) {
        recorder.offer(frame, 1000 + 0.3 * i);
        if (i == 22) // at 1006.6 s: an action the window noted at 1006.05 s
            recorder.markAction(1006.05);
    }
    QVERIFY(recorder.stop(nullptr));
    // 1000.0 to 1001.8 (the start), 1003.9, 1004.2 to 1007.8 (the action), then 2.1 s apart.
    QCOMPARE(recorder.progress().framesWritten + recorder.progress().framesDropped, 25);
    ser::Reader reader;
    std::string why;
    QVERIFY2(reader.open(path.toStdString(), 64, 48, &why), why.c_str());
    QCOMPARE(reader.frameCount(), recorder.progress().framesWritten);
}

void TestFrameRecorder::fullDiskStopsTheRecording()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.ser"));
    FrameRecorder recorder;
    QVERIFY(recorder.start(path, kWidth, kHeight, kStartUtc, nullptr));
    rlimit saved = {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved;
    limit.rlim_cur = ser::kHeaderBytes + 5 * kWidth * kHeight + 1000;
    setrlimit(RLIMIT_FSIZE, &limit);
    for (int i = 0; i < 8; ++i) {
        recorder.offer(frameOf(i), kStartUtc + i);
        QTRY_VERIFY(recorder.progress().framesWritten == i + 1 || !recorder.progress().problem.isEmpty());
    }
    QString problem;
    const bool complete = recorder.stop(&problem);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!complete);
    QVERIFY2(problem.contains(QLatin1String("cannot write")), qPrintable(problem));
    QCOMPARE(recorder.progress().framesWritten, 5);
    ser::Reader reader;
    std::string why;
    QVERIFY2(reader.open(path.toStdString(), kWidth, kHeight, &why), why.c_str());
    QCOMPARE(reader.frameCount(), 5);
    QCOMPARE(reader.frameUtcSeconds(4), kStartUtc + 4);
}

void TestFrameRecorder::unwritableFolderIsRefused()
{
    FrameRecorder recorder;
    QString problem;
    QVERIFY(!recorder.start(
        QStringLiteral("/nonexistent/folder/night.ser"), kWidth, kHeight, kStartUtc, &problem));
    QVERIFY2(problem.contains(QLatin1String("No such file or directory")), qPrintable(problem));
    QVERIFY(!recorder.progress().recording);
    QVERIFY(recorder.stop(&problem));
}

QTEST_GUILESS_MAIN(TestFrameRecorder)
#include "tst_framerecorder.moc"
