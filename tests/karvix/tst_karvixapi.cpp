// The camera library's C functions as the program relies on them: ids, handles, stream set-up,
// frame timing and buffer layout, and the faults tests inject through the simulator.
#include "karvix.h"
#include "simcontrol.h"

#include <QElapsedTimer>
#include <QtTest>
#include <vector>

using namespace karvix::sim;

namespace {

// Opens the first camera and sets it up for live streaming as the program does; 0 on failure.
KarvixHandle openLive()
{
    char id[KARVIX_ID_BUFFER_SIZE];
    if (ScanKARVIX() < 1 || GetKARVIXId(0, id) != 0)
        return 0;
    const KarvixHandle h = OpenKARVIX(id);
    if (!h || SetKARVIXStreamMode(h, KARVIX_STREAM_LIVE) != 0 || InitKARVIX(h) != 0)
        return 0;
    if (SetKARVIXParam(h, KARVIX_CONTROL_EXPOSURE, 50000) != 0
        || SetKARVIXParam(h, KARVIX_CONTROL_GAIN, 50) != 0 || SetKARVIXParam(h, KARVIX_CONTROL_12, 30) != 0
        || SetKARVIXParam(h, KARVIX_CONTROL_9, 0) != 0)
        return 0;
    SetKARVIXBitsMode(h, 8);
    SetKARVIXBinMode(h, 1, 1);
    SetKARVIXResolution(h, 0, 0, KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT);
    return BeginKARVIXLive(h) == 0 ? h : 0;
}

struct Frame
{
    int width = 0, height = 0, bpp = 0, channels = 0;
    std::vector<unsigned char> buffer = std::vector<unsigned char>(KARVIX_FRAME_BUFFER_SIZE, 0xAB);
    int read(KarvixHandle h)
    {
        return GetKARVIXLiveFrame(h, &width, &height, &bpp, &channels, buffer.data());
    }
};

} // namespace

class TestKarvixApi : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void oneSuitableCamera();
    void setUpIsLoggedInOrder();
    void frameComesOneExposureAfterThePrevious();
    void frameFillsOnlyTheMonoPart();
    void testClockGivesFramesOnDemand();
    void exposureAndGainChangeTheImage();
    void controlValuesOutOfRangeAreRefused();
    void badArgumentsAreRefused();
    void severalCamerasAndNoCamera();
    void operationsFailOnRequest_data();
    void operationsFailOnRequest();
    void framesStop();
    void exposureAndGainRejectedGivenTimes();
};

void TestKarvixApi::init()
{
    resetCameraBus();
    cameraSimulator().useSystemClock();
    QCOMPARE(InitKARVIXResource(), 0);
}

void TestKarvixApi::cleanup()
{
    resetCameraBus();
}

void TestKarvixApi::oneSuitableCamera()
{
    QCOMPARE(ScanKARVIX(), 1);
    char id[KARVIX_ID_BUFFER_SIZE];
    QCOMPARE(GetKARVIXId(0, id), 0);
    QCOMPARE(QByteArray(id), QByteArray("NORDVANE-SIM0001"));
    const KarvixHandle h = OpenKARVIX(id);
    QVERIFY(h != 0);
    QCOMPARE(OpenKARVIX(id), h); // opening again (after a failed set-up) gives the same camera
    QCOMPARE(OpenKARVIX("NORDVANE-SIM0002"), KarvixHandle(0));
    QCOMPARE(CloseKARVIX(h), 0);
    QVERIFY(CloseKARVIX(h) != 0);
    QVERIFY(!cameraStatus(h).open);
}

void TestKarvixApi::setUpIsLoggedInOrder()
{
    clearCameraCallLog();
    const KarvixHandle h = openLive();
    QVERIFY(h);
    const std::vector<std::string> expected {"ScanKARVIX", "GetKARVIXId 0", "OpenKARVIX NORDVANE-SIM0001",
        "SetKARVIXStreamMode 1", "InitKARVIX", "SetKARVIXParam 8 50000", "SetKARVIXParam 6 50",
        "SetKARVIXParam 12 30", "SetKARVIXParam 9 0", "SetKARVIXBitsMode 8", "SetKARVIXBinMode 1 1",
        "SetKARVIXResolution 0 0 1280 960", "BeginKARVIXLive"};
    QCOMPARE(cameraCallLog(), expected);
    const CameraStatus s = cameraStatus(h);
    QVERIFY(s.open && s.initialised && s.live);
    QCOMPARE(s.exposureUs, 50000.0);
    QCOMPARE(s.gain, 50.0);
}

// With the system clock a frame is ready one exposure (50 ms) after the previous one was read.
void TestKarvixApi::frameComesOneExposureAfterThePrevious()
{
    Frame f;
    const KarvixHandle h = openLive();
    QVERIFY(h);
    QElapsedTimer timer;
    timer.start();
    // Time (ms since BeginKARVIXLive, whole ms) of the call that delivered the next frame. The
    // upper bound leaves room for slow (sanitizer) builds on a loaded machine.
    auto nextFrameAt = [&] {
        for (;;) {
            const qint64 t = timer.elapsed();
            if (f.read(h) == 0)
                return t;
            QTest::qWait(1);
        }
    };
    const qint64 first = nextFrameAt();
    const qint64 second = nextFrameAt();
    qInfo("frames at %lld ms and %lld ms after BeginKARVIXLive, 50 ms exposure", first, second);
    QVERIFY2(first >= 49 && first <= 2000, qPrintable(QString("first frame at %1 ms").arg(first)));
    QVERIFY2(second - first >= 49 && second - first <= 2000,
        qPrintable(QString("second frame at %1 ms").arg(second)));
    QCOMPARE(cameraStatus(h).framesDelivered, 2L);
}

void TestKarvixApi::frameFillsOnlyTheMonoPart()
{
    const KarvixHandle h = openLive();
    QVERIFY(h);
    cameraSimulator().setClock(1796688000.0);
    Frame f;
    QCOMPARE(f.read(h), 0);
    QCOMPARE(f.width, 1280);
    QCOMPARE(f.height, 960);
    QCOMPARE(f.bpp, 8);
    QCOMPARE(f.channels, 1);
    const size_t mono = 1280 * 960;
    QVERIFY(
        std::any_of(f.buffer.begin(), f.buffer.begin() + mono, [](unsigned char v) { return v != 0xAB; }));
    QVERIFY(std::all_of(f.buffer.begin() + mono, f.buffer.end(), [](unsigned char v) { return v == 0xAB; }));
}

void TestKarvixApi::testClockGivesFramesOnDemand()
{
    const KarvixHandle h = openLive();
    QVERIFY(h);
    cameraSimulator().setClock(1796688000.0);
    Frame f;
    for (int i = 0; i < 3; ++i)
        QCOMPARE(f.read(h), 0);
    QCOMPARE(cameraStatus(h).framesDelivered, 3L);
}

// Mean level and brightest pixel of a frame: a longer exposure or a higher gain brightens both.
void TestKarvixApi::exposureAndGainChangeTheImage()
{
    const KarvixHandle h = openLive();
    QVERIFY(h);
    cameraSimulator().setClock(1796688000.0);
    auto meanLevel = [&](double exposureUs, double gain) {
        if (SetKARVIXParam(h, KARVIX_CONTROL_EXPOSURE, exposureUs) != 0
            || SetKARVIXParam(h, KARVIX_CONTROL_GAIN, gain) != 0)
            return -1.0;
        Frame f;
        if (f.read(h) != 0)
            return -1.0;
        double sum = 0;
        for (size_t i = 0; i < 1280 * 960; ++i)
            sum += f.buffer[i];
        return sum / (1280 * 960);
    };
    const double base = meanLevel(50000, 50), longer = meanLevel(300000, 50),
                 brighter = meanLevel(50000, 100);
    qInfo("mean level: %.1f at 50 ms gain 50, %.1f at 300 ms, %.1f at gain 100", base, longer, brighter);
    QVERIFY(base > 5 && base < 40);
    QVERIFY(longer > 2 * base);
    QVERIFY(brighter > 1.5 * base);
}

void TestKarvixApi::controlValuesOutOfRangeAreRefused()
{
    const KarvixHandle h = openLive();
    QVERIFY(h);
    QVERIFY(SetKARVIXParam(h, KARVIX_CONTROL_EXPOSURE, 0) != 0);
    QVERIFY(SetKARVIXParam(h, KARVIX_CONTROL_EXPOSURE, qQNaN()) != 0);
    QVERIFY(SetKARVIXParam(h, KARVIX_CONTROL_GAIN, -1) != 0);
    QVERIFY(SetKARVIXParam(h, KARVIX_CONTROL_GAIN, 101) != 0);
    QVERIFY(SetKARVIXParam(h, 77, 1) != 0);
    QCOMPARE(cameraStatus(h).exposureUs, 50000.0);
    QCOMPARE(cameraStatus(h).gain, 50.0);
}

void TestKarvixApi::badArgumentsAreRefused()
{
    char id[KARVIX_ID_BUFFER_SIZE];
    QVERIFY(GetKARVIXId(-1, id) != 0);
    QVERIFY(GetKARVIXId(1, id) != 0);
    QVERIFY(GetKARVIXId(0, nullptr) != 0);
    QCOMPARE(OpenKARVIX(nullptr), KarvixHandle(0));
    QVERIFY(SetKARVIXStreamMode(12345, 1) != 0);
    QVERIFY(InitKARVIX(0) != 0);
    Frame f;
    QVERIFY(f.read(0) != 0);
    const KarvixHandle h = openLive();
    QVERIFY(h);
    cameraSimulator().setClock(1796688000.0);
    int w, hh, b, c;
    QVERIFY(GetKARVIXLiveFrame(h, &w, &hh, &b, &c, nullptr) != 0);
    QVERIFY(GetKARVIXLiveFrame(h, nullptr, &hh, &b, &c, f.buffer.data()) != 0);
    QCOMPARE(StopKARVIXLive(h), 0);
    QVERIFY(f.read(h) != 0); // stopped: no more frames
}

// Ids longer than the buffer are cut to 37 characters and stay NUL-terminated.
void TestKarvixApi::severalCamerasAndNoCamera()
{
    const std::string longId(60, 'X');
    setCameraIds({"OTHER-1", "NORDVANE-A", longId});
    QCOMPARE(ScanKARVIX(), 3);
    char id[KARVIX_ID_BUFFER_SIZE];
    QCOMPARE(GetKARVIXId(1, id), 0);
    QCOMPARE(QByteArray(id), QByteArray("NORDVANE-A"));
    QCOMPARE(GetKARVIXId(2, id), 0);
    QCOMPARE(QByteArray(id), QByteArray(37, 'X'));
    const KarvixHandle a = OpenKARVIX("OTHER-1"), b = OpenKARVIX("NORDVANE-A");
    QVERIFY(a && b && a != b);
    setCameraIds({});
    QCOMPARE(ScanKARVIX(), 0);
    QVERIFY(GetKARVIXId(0, id) != 0);
    QVERIFY(!cameraStatus(b).open);
}

void TestKarvixApi::operationsFailOnRequest_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("init resource") << int(CameraOperation::InitResource);
    QTest::newRow("open") << int(CameraOperation::Open);
    QTest::newRow("stream mode") << int(CameraOperation::StreamMode);
    QTest::newRow("init") << int(CameraOperation::Init);
    QTest::newRow("begin live") << int(CameraOperation::BeginLive);
    QTest::newRow("close") << int(CameraOperation::Close);
}

// Each injected failure makes exactly its operation fail, until it is lifted.
void TestKarvixApi::operationsFailOnRequest()
{
    QFETCH(int, operation);
    const auto op = CameraOperation(operation);
    setOperationFails(op, true);
    const int initResult = InitKARVIXResource();
    const KarvixHandle h = OpenKARVIX("NORDVANE-SIM0001");
    const int streamResult = h ? SetKARVIXStreamMode(h, 1) : -1;
    const int initCameraResult = h ? InitKARVIX(h) : -1;
    const int beginResult = h ? BeginKARVIXLive(h) : -1;
    const int closeResult = h ? CloseKARVIX(h) : -1;
    QCOMPARE(initResult != 0, op == CameraOperation::InitResource);
    QCOMPARE(h == 0, op == CameraOperation::Open);
    if (op != CameraOperation::Open) {
        QCOMPARE(streamResult != 0, op == CameraOperation::StreamMode);
        QCOMPARE(initCameraResult != 0, op == CameraOperation::Init);
        // Streaming needs the stream mode and the initialisation to have succeeded.
        QCOMPARE(beginResult != 0,
            op == CameraOperation::BeginLive || op == CameraOperation::StreamMode
                || op == CameraOperation::Init);
        QCOMPARE(closeResult != 0, op == CameraOperation::Close);
    }
    setOperationFails(op, false);
    QVERIFY(openLive() != 0);
}

void TestKarvixApi::framesStop()
{
    const KarvixHandle h = openLive();
    QVERIFY(h);
    cameraSimulator().setClock(1796688000.0);
    stopFramesAfter(2);
    Frame f;
    QCOMPARE(f.read(h), 0);
    QCOMPARE(f.read(h), 0);
    QVERIFY(f.read(h) != 0);
    QVERIFY(f.read(h) != 0);
    stopFramesAfter(-1);
    QCOMPARE(f.read(h), 0);
}

void TestKarvixApi::exposureAndGainRejectedGivenTimes()
{
    const KarvixHandle h = openLive();
    QVERIFY(h);
    rejectExposure(2);
    rejectGain(1);
    QVERIFY(SetKARVIXParam(h, KARVIX_CONTROL_EXPOSURE, 100000) != 0);
    QVERIFY(SetKARVIXParam(h, KARVIX_CONTROL_GAIN, 70) != 0);
    QCOMPARE(SetKARVIXParam(h, KARVIX_CONTROL_GAIN, 70), 0);
    QVERIFY(SetKARVIXParam(h, KARVIX_CONTROL_EXPOSURE, 100000) != 0);
    QCOMPARE(cameraStatus(h).exposureUs, 50000.0);
    QCOMPARE(SetKARVIXParam(h, KARVIX_CONTROL_EXPOSURE, 100000), 0);
    QCOMPARE(cameraStatus(h).exposureUs, 100000.0);
    QCOMPARE(cameraStatus(h).gain, 70.0);
}

QTEST_GUILESS_MAIN(TestKarvixApi)
#include "tst_karvixapi.moc"
