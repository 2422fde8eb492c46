// A recorded session as the camera behind the C functions: frames at their recorded pace with
// their recorded times, the last frame held, controls accepted and ignored, damaged files refused
// with a reason, and the simulated sky back when it is chosen again.
#include "karvix.h"
#include "serfile.h"
#include "source.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <vector>

namespace {

const double kStartUtc = 1796688000.0;
const double kOffsetsSeconds[] = {0.0, 0.08, 0.12, 0.24}; // uneven on purpose

// Frame i is filled with the value 10 * (i + 1).
void writeRecording(const QString &path)
{
    ser::Writer writer;
    std::string problem;
    QVERIFY(writer.open(
        path.toStdString(), KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT, "test", kStartUtc, 0, &problem));
    std::vector<uint8_t> pixels(size_t(KARVIX_FRAME_WIDTH) * KARVIX_FRAME_HEIGHT);
    for (int i = 0; i < 4; ++i) {
        std::fill(pixels.begin(), pixels.end(), uint8_t(10 * (i + 1)));
        QVERIFY(writer.writeFrame(pixels.data(), kStartUtc + kOffsetsSeconds[i], &problem));
    }
    QVERIFY(writer.finish(&problem));
}

KarvixHandle openReplayCamera()
{
    char id[KARVIX_ID_BUFFER_SIZE] = {};
    if (ScanKARVIX() != 1 || GetKARVIXId(0, id) != 0 || std::string(id) != "NORDVANE-REPLAY")
        return 0;
    const KarvixHandle handle = OpenKARVIX(id);
    if (!handle || SetKARVIXStreamMode(handle, KARVIX_STREAM_LIVE) != 0 || InitKARVIX(handle) != 0)
        return 0;
    return handle;
}

} // namespace

class TestReplaySource : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void framesComeAtTheirRecordedPace();
    void damagedRecordingDoesNotOpen();
    void simulatorComesBack();
};

void TestReplaySource::cleanup()
{
    karvix::selectSource({});
}

void TestReplaySource::framesComeAtTheirRecordedPace()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("night.ser"));
    writeRecording(path);
    karvix::selectSource({karvix::SourceChoice::Kind::Recording, path.toStdString()});
    QCOMPARE(InitKARVIXResource(), 0);
    const KarvixHandle handle = openReplayCamera();
    QVERIFY(handle != 0);
    QCOMPARE(karvix::sourceFrameUtc(), kStartUtc); // the recording's start, before any frame
    // Whatever the program asks for, the recorded frames stay as they are.
    QCOMPARE(SetKARVIXParam(handle, KARVIX_CONTROL_EXPOSURE, 300000), 0);
    QCOMPARE(SetKARVIXParam(handle, KARVIX_CONTROL_GAIN, 100), 0);
    QCOMPARE(SetKARVIXBitsMode(handle, 8), 0);
    QCOMPARE(SetKARVIXResolution(handle, 0, 0, KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT), 0);
    std::vector<unsigned char> buffer(KARVIX_FRAME_BUFFER_SIZE);
    int width = 0, height = 0, bits = 0, channels = 0;
    QElapsedTimer clock; // from just before the stream begins, so a frame is never seen early
    clock.start();
    QCOMPARE(BeginKARVIXLive(handle), 0);
    for (int i = 0; i < 6; ++i) {
        int result = 1;
        while ((result = GetKARVIXLiveFrame(handle, &width, &height, &bits, &channels, buffer.data())) == 1)
            QThread::usleep(1000);
        const double elapsed = clock.nsecsElapsed() / 1e9;
        QCOMPARE(result, 0);
        QCOMPARE(width, KARVIX_FRAME_WIDTH);
        QCOMPARE(bits, 8);
        QCOMPARE(channels, 1);
        const int frame = std::min(i, 3); // after the last frame, the last frame again
        QCOMPARE(int(buffer[0]), 10 * (frame + 1));
        QCOMPARE(int(buffer[KARVIX_FRAME_WIDTH * KARVIX_FRAME_HEIGHT - 1]), 10 * (frame + 1));
        QCOMPARE(karvix::sourceFrameUtc(), kStartUtc + kOffsetsSeconds[frame]);
        // Once the last frame is out, the source says the recording has ended.
        QCOMPARE(QString::fromStdString(karvix::sourceOutage()).contains(QLatin1String("ended after its 4 frames")), i >= 3);
        // The held frame comes at the mean interval (80 ms) after the previous delivery. Never
        // early; late by a loaded machine's scheduling at most (half a second for two busy cores
        // under the sanitizers).
        const double due = i < 4 ? kOffsetsSeconds[i] : kOffsetsSeconds[3] + 0.08 * (i - 3);
        QVERIFY2(elapsed >= due && elapsed < due + 0.5,
            qPrintable(QStringLiteral("frame %1 after %2 s, due at %3 s").arg(i).arg(elapsed).arg(due)));
    }
    QCOMPARE(StopKARVIXLive(handle), 0);
    QCOMPARE(CloseKARVIX(handle), 0);
    QCOMPARE(GetKARVIXLiveFrame(handle, &width, &height, &bits, &channels, buffer.data()), -1);
}

void TestReplaySource::damagedRecordingDoesNotOpen()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("short.ser"));
    writeRecording(path);
    QFile::resize(path, 178 + 1000);
    karvix::selectSource({karvix::SourceChoice::Kind::Recording, path.toStdString()});
    QCOMPARE(openReplayCamera(), KarvixHandle(0));
    const QString problem = QString::fromStdString(karvix::sourceProblem());
    QVERIFY2(
        problem.contains(path) && problem.contains(QLatin1String("counts 4 frames")), qPrintable(problem));
    QVERIFY(std::isnan(karvix::sourceFrameUtc()));

    karvix::selectSource({karvix::SourceChoice::Kind::Recording, dir.filePath("absent.ser").toStdString()});
    QCOMPARE(openReplayCamera(), KarvixHandle(0));
    QVERIFY(QString::fromStdString(karvix::sourceProblem()).contains(QLatin1String("No such file")));
}

void TestReplaySource::simulatorComesBack()
{
    karvix::selectSource({karvix::SourceChoice::Kind::Recording, "/nonexistent.ser"});
    QCOMPARE(karvix::selectedSource().path, std::string("/nonexistent.ser"));
    karvix::selectSource({});
    QVERIFY(karvix::selectedSource().kind == karvix::SourceChoice::Kind::Simulator);
    char id[KARVIX_ID_BUFFER_SIZE] = {};
    QCOMPARE(ScanKARVIX(), 1);
    QCOMPARE(GetKARVIXId(0, id), 0);
    QCOMPARE(QString::fromLatin1(id), QStringLiteral("NORDVANE-SIM0001"));
    QVERIFY(std::isnan(karvix::sourceFrameUtc()));
    QVERIFY(karvix::sourceProblem().empty());
}

QTEST_GUILESS_MAIN(TestReplaySource)
#include "tst_replaysource.moc"
