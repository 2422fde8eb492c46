// A camera on a real indiserver as the camera behind the C functions: our sky driver, whose frames
// must show the stars where the simulator's truth has them; Debian's CCD simulator (a driver we did
// not write, 16-bit frames) converted to the program's frame, and its video stream at short
// exposures; and the faults a network camera has: a server
// that is not there, a device that is not on it, a server killed mid-stream and started again. Skipped only
// where indiserver is not installed.
#include "indiserver.h"
#include "karvix.h"
#include "skysimulator.h"
#include "source.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <memory>

#include <cmath>
#include <mutex>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace {

const char *const kSimulatorCcd = "CCD Simulator";
const char *const kSkyDriver = "Velto Q7 Sky";
// Our driver's 3.75 um pixels behind this lens see the program's 30.5"/px.
constexpr double kSkyFocalLengthMm = 25.36;

// The problems the library logged, for the test to look through.
std::mutex problemsMutex;
std::vector<std::string> problems;

bool problemLogged(const std::string &part)
{
    std::lock_guard<std::mutex> lock(problemsMutex);
    for (const std::string &line : problems)
        if (line.find(part) != std::string::npos)
            return true;
    return false;
}

KarvixHandle openAndStart(long exposureMicroseconds = 50000)
{
    char id[KARVIX_ID_BUFFER_SIZE] = {};
    if (ScanKARVIX() != 1 || GetKARVIXId(0, id) != 0 || std::string(id) != "NORDVANE-INDI")
        return 0;
    const KarvixHandle handle = OpenKARVIX(id);
    if (!handle)
        return 0;
    if (SetKARVIXStreamMode(handle, KARVIX_STREAM_LIVE) != 0 || InitKARVIX(handle) != 0
        || SetKARVIXParam(handle, KARVIX_CONTROL_EXPOSURE, exposureMicroseconds) != 0
        || BeginKARVIXLive(handle) != 0) {
        CloseKARVIX(handle);
        return 0;
    }
    return handle;
}

} // namespace

class TestIndiSource : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void skyDriverShowsTheStarsWhereTheyAre();
    void simulatorCcdFramesAreConverted();
    void simulatorCcdStreamsAtShortExposures();
    void unreachableServerFailsOpenAtOnce();
    void missingDeviceIsNamed();
    void serverKilledMidStreamComesBack();
    void deviceSwitchedOffByAnotherClientStaysOff();
    void hungExposureIsAskedForAgain();
    void gainGoesToTheDriverWithinItsRange();

private:
    karvix::SourceChoice choice(quint16 port, const char *device, double focalLengthMm) const;
    // Polls for a frame for up to timeoutMs.
    bool nextFrame(KarvixHandle handle, std::vector<unsigned char> *buffer, int timeoutMs);
    // What the driver's element ("Device.PROPERTY.ELEMENT") holds now, as indi_getprop says.
    QString driverValue(const QString &element);

    std::unique_ptr<IndiServer> m_server;
};

void TestIndiSource::initTestCase()
{
    SKIP_WITHOUT_INDISERVER();
    karvix::setProblemLog([](const std::string &line) {
        std::lock_guard<std::mutex> lock(problemsMutex);
        problems.push_back(line);
    });
}

void TestIndiSource::init()
{
    m_server.reset(new IndiServer);
}

void TestIndiSource::cleanup()
{
    karvix::selectSource({});
    m_server.reset();
    std::lock_guard<std::mutex> lock(problemsMutex);
    problems.clear();
}

karvix::SourceChoice TestIndiSource::choice(quint16 port, const char *device, double focalLengthMm) const
{
    karvix::SourceChoice source;
    source.kind = karvix::SourceChoice::Kind::Indi;
    source.host = "localhost";
    source.port = port;
    source.device = device;
    source.focalLengthMm = focalLengthMm;
    return source;
}

bool TestIndiSource::nextFrame(KarvixHandle handle, std::vector<unsigned char> *buffer, int timeoutMs)
{
    buffer->assign(KARVIX_FRAME_BUFFER_SIZE, 0);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < timeoutMs) {
        int width = 0, height = 0, bits = 0, channels = 0;
        if (GetKARVIXLiveFrame(handle, &width, &height, &bits, &channels, buffer->data()) == 0)
            return width == KARVIX_FRAME_WIDTH && height == KARVIX_FRAME_HEIGHT && bits == 8 && channels == 1;
        QTest::qWait(10);
    }
    return false;
}

QString TestIndiSource::driverValue(const QString &element)
{
    QProcess get;
    get.start(
        QStringLiteral("indi_getprop"), {QStringLiteral("-p"), QString::number(m_server->port()), element});
    get.waitForFinished();
    return QString::fromLatin1(get.readAllStandardOutput()).section(QLatin1Char('='), 1).trimmed();
}

void TestIndiSource::skyDriverShowsTheStarsWhereTheyAre()
{
    QVERIFY(m_server->start({QStringLiteral(VELTO_SKY_DRIVER)}));
    const quint16 port = m_server->port();
    karvix::selectSource(choice(port, kSkyDriver, kSkyFocalLengthMm));
    QTRY_VERIFY_WITH_TIMEOUT(openAndStart() != 0, 15000);
    const KarvixHandle handle = OpenKARVIX("NORDVANE-INDI");
    std::vector<unsigned char> frame;
    QVERIFY(nextFrame(handle, &frame, 20000));
    const double frameUtc = karvix::sourceFrameUtc();
    QVERIFY(std::abs(frameUtc - QDateTime::currentMSecsSinceEpoch() / 1000.0) < 5);

    // The driver's sky has the default seed and the system's clock: the same sky as this one at
    // the frame's time. Polaris moves less than 0.01 px a second.
    karvix::sim::SkySimulator truth;
    truth.setClock(frameUtc);
    const auto polaris = truth.starPosition("Polaris (alpha UMi)");
    QVERIFY(polaris);
    const cv::Mat image(KARVIX_FRAME_HEIGHT, KARVIX_FRAME_WIDTH, CV_8UC1, frame.data());
    const cv::Rect around(int(polaris->x) - 8, int(polaris->y) - 8, 17, 17);
    const double background = cv::mean(image(around + cv::Size(40, 40) - cv::Point(20, 20)))[0];
    double peak = 0;
    cv::minMaxLoc(image(around), nullptr, &peak);
    QVERIFY2(
        peak - background > 100, qPrintable(QStringLiteral("no star where Polaris is: peak %1").arg(peak)));
    // The centroid of the star's pixels above half its height.
    cv::Mat weights;
    image(around).convertTo(weights, CV_64F, 1.0, -background);
    cv::threshold(weights, weights, (peak - background) / 2, 0, cv::THRESH_TOZERO);
    const cv::Moments moments = cv::moments(weights);
    const double x = around.x + moments.m10 / moments.m00, y = around.y + moments.m01 / moments.m00;
    QVERIFY2(std::hypot(x - polaris->x, y - polaris->y) < 0.5,
        qPrintable(QStringLiteral("Polaris at (%1, %2), the truth (%3, %4)")
                       .arg(x)
                       .arg(y)
                       .arg(polaris->x)
                       .arg(polaris->y)));

    // A plate solve that finds the frames 10 % coarser than the program's scale measures a lens 10 %
    // shorter than the one entered; the source keeps it. Other sources have no lens to measure.
    const double measured = karvix::adoptIndiPlateScale(30.5 * 1.1);
    QVERIFY2(std::abs(measured - kSkyFocalLengthMm / 1.1) < 1e-6, qPrintable(QString::number(measured)));
    QCOMPARE(karvix::selectedSource().focalLengthMm, measured);

    // The driver's lens within libindi's limits, no other driver's filter wheel, a bolt not turned
    // by a value that is no number.
    QCOMPARE(driverValue(QStringLiteral("Velto Q7 Sky.SCOPE_INFO.FOCAL_LENGTH")).toDouble(), kSkyFocalLengthMm);
    QCOMPARE(driverValue(QStringLiteral("Velto Q7 Sky.ACTIVE_DEVICES.ACTIVE_FILTER")), QStringLiteral("Velto Q7 Sky"));
    QProcess::execute(QStringLiteral("indi_setprop"), {QStringLiteral("-p"), QString::number(m_server->port()),
                                                          QStringLiteral("Velto Q7 Sky.MOUNT_BOLTS.ALTITUDE_ARCMIN=nan")});
    QTRY_COMPARE(driverValue(QStringLiteral("Velto Q7 Sky.MOUNT_BOLTS._STATE")), QStringLiteral("Alert"));
    QCOMPARE(driverValue(QStringLiteral("Velto Q7 Sky.MOUNT_BOLTS.ALTITUDE_ARCMIN")).toDouble(), 0.0);
    QCOMPARE(CloseKARVIX(handle), 0);
    karvix::selectSource({});
    QVERIFY(std::isnan(karvix::adoptIndiPlateScale(30.5 * 1.1)));
}

void TestIndiSource::simulatorCcdFramesAreConverted()
{
    QVERIFY(m_server->start({QStringLiteral("indi_simulator_ccd")}));
    const quint16 port = m_server->port();
    // 5.2 um pixels behind 70.34 mm: 15.25"/px, half the program's scale, so the simulator's
    // 1280 x 1024 frame covers the middle 640 x 512 of the program's frame.
    karvix::selectSource(choice(port, kSimulatorCcd, 5.2 * 206.264806 / 15.25));
    // Exposures longer than streams are for.
    QTRY_VERIFY_WITH_TIMEOUT(openAndStart(1000000) != 0, 15000);
    const KarvixHandle handle = OpenKARVIX("NORDVANE-INDI"); // opening an open camera: same handle
    std::vector<unsigned char> frame;
    QVERIFY(nextFrame(handle, &frame, 20000));
    QVERIFY(nextFrame(handle, &frame, 20000)); // the exposures loop
    QCOMPARE(driverValue(QStringLiteral("CCD Simulator.CCD_VIDEO_STREAM.STREAM_ON")), QStringLiteral("Off"));
    const cv::Mat image(KARVIX_FRAME_HEIGHT, KARVIX_FRAME_WIDTH, CV_8UC1, frame.data());
    const cv::Rect seen(320, 224, 640, 512);
    QCOMPARE(cv::countNonZero(image(cv::Rect(0, 0, 318, 960))), 0);
    QCOMPARE(cv::countNonZero(image(cv::Rect(0, 0, 1280, 222))), 0);
    const double inside = cv::mean(image(seen + cv::Point(2, 2) - cv::Size(4, 4)))[0];
    QVERIFY2(inside > 0 && inside < 200, qPrintable(QStringLiteral("mean inside %1").arg(inside)));
    QVERIFY(std::isfinite(karvix::sourceFrameUtc()));
    QVERIFY(std::abs(karvix::sourceFrameUtc() - QDateTime::currentMSecsSinceEpoch() / 1000.0) < 60);
    // Another client's video stream meanwhile: its frames skipped, the exposures' still coming.
    for (const char *set : {"CCD_STREAM_ENCODER.MJPEG=On", "CCD_VIDEO_STREAM.STREAM_ON=On"})
        QCOMPARE(QProcess::execute(QStringLiteral("indi_setprop"),
                     {QStringLiteral("-p"), QString::number(port), QStringLiteral("%1.%2").arg(kSimulatorCcd, set)}),
            0);
    // Taken for the exposure's frame, a video frame would start the next exposure early: at a
    // stream's rate none would ever finish.
    QElapsedTimer fiveFrames;
    fiveFrames.start();
    for (int i = 0; i < 5; ++i)
        QVERIFY(nextFrame(handle, &frame, 4000));
    QVERIFY2(fiveFrames.elapsed() < 8000, qPrintable(QStringLiteral("%1 ms").arg(fiveFrames.elapsed())));
    QVERIFY(!problemLogged("stream"));
    QCOMPARE(StopKARVIXLive(handle), 0);
    QCOMPARE(CloseKARVIX(handle), 0);
}

void TestIndiSource::simulatorCcdStreamsAtShortExposures()
{
    QVERIFY(m_server->start({QStringLiteral("indi_simulator_ccd")}));
    const QString device = QString::fromLatin1(kSimulatorCcd);
    // libindi streams 16-bit sensors as 8 bits: the simulator's sky at 0.1 s, a few units of 65535,
    // would be black. Its noise raised to 2000 units shows in the 8-bit frames.
    QCOMPARE(QProcess::execute(QStringLiteral("indi_setprop"),
                 {QStringLiteral("-p"), QString::number(m_server->port()),
                     device + ".SIMULATOR_SETTINGS.SIM_NOISE=2000"}),
        0);
    // The same scale as above: the stream frame (1280 x 1024) covers the middle 640 x 512 of the
    // program's frame.
    karvix::selectSource(choice(m_server->port(), kSimulatorCcd, 5.2 * 206.264806 / 15.25));
    QTRY_VERIFY_WITH_TIMEOUT(openAndStart(100000) != 0, 15000);
    const KarvixHandle handle = OpenKARVIX("NORDVANE-INDI");
    QTRY_COMPARE_WITH_TIMEOUT(
        driverValue(device + ".CCD_VIDEO_STREAM.STREAM_ON"), QStringLiteral("On"), 10000);
    QCOMPARE(driverValue(device + ".STREAMING_EXPOSURE.STREAMING_EXPOSURE_VALUE").toDouble(), 0.1);
    std::vector<unsigned char> frame;
    for (int i = 0; i < 5; ++i)
        QVERIFY(nextFrame(handle, &frame, 10000));
    // Stamped half an exposure before it arrived.
    const double age = QDateTime::currentMSecsSinceEpoch() / 1000.0 - karvix::sourceFrameUtc();
    QVERIFY2(age > 0.04 && age < 1, qPrintable(QString::number(age)));
    const cv::Mat image(KARVIX_FRAME_HEIGHT, KARVIX_FRAME_WIDTH, CV_8UC1, frame.data());
    QCOMPARE(cv::countNonZero(image(cv::Rect(0, 0, 318, 960))), 0);
    QCOMPARE(cv::countNonZero(image(cv::Rect(0, 0, 1280, 222))), 0);
    const double inside = cv::mean(image(cv::Rect(322, 226, 636, 508)))[0];
    QVERIFY2(inside > 0 && inside < 250, qPrintable(QStringLiteral("mean inside %1").arg(inside)));

    // A long exposure is taken as exposures, the stream switched off first (drivers refuse exposures
    // while streaming) ...
    QCOMPARE(SetKARVIXParam(handle, KARVIX_CONTROL_EXPOSURE, 1000000), 0);
    QTRY_COMPARE(driverValue(device + ".CCD_VIDEO_STREAM.STREAM_OFF"), QStringLiteral("On"));
    QVERIFY(nextFrame(handle, &frame, 10000));
    QVERIFY(nextFrame(handle, &frame, 10000)); // no longer one the stream left behind
    // ... and a short one streams again, the exposure under way aborted.
    QCOMPARE(SetKARVIXParam(handle, KARVIX_CONTROL_EXPOSURE, 100000), 0);
    QTRY_COMPARE(driverValue(device + ".CCD_VIDEO_STREAM.STREAM_ON"), QStringLiteral("On"));
    QVERIFY(nextFrame(handle, &frame, 10000));
    QVERIFY(!problemLogged("INDI: ")); // neither a failed exposure nor a refused stream

    // Leaving live switches the stream off.
    QCOMPARE(StopKARVIXLive(handle), 0);
    QTRY_COMPARE(driverValue(device + ".CCD_VIDEO_STREAM.STREAM_OFF"), QStringLiteral("On"));
    QVERIFY(!nextFrame(handle, &frame, 500));
    QCOMPARE(CloseKARVIX(handle), 0);
}

void TestIndiSource::unreachableServerFailsOpenAtOnce()
{
    karvix::selectSource(choice(freeLocalPort(), kSimulatorCcd, 50));
    QElapsedTimer opening;
    opening.start();
    QCOMPARE(OpenKARVIX("NORDVANE-INDI"), KarvixHandle(0));
    // Well inside the 3 s a connection attempt may wait, even on a loaded machine.
    QVERIFY2(opening.elapsed() < 1000, qPrintable(QStringLiteral("open took %1 ms").arg(opening.elapsed())));
    QTRY_VERIFY(problemLogged("not reachable"));
    QCOMPARE(OpenKARVIX("NORDVANE-INDI"), KarvixHandle(0));
    QVERIFY2(
        karvix::sourceProblem().find("not reachable") != std::string::npos, karvix::sourceProblem().c_str());

    // A port that answers but is no INDI server: tried once, again only when asked, and what
    // libindi makes of the answer is in the log, not on the terminal.
    QTcpServer notIndi;
    QVERIFY(notIndi.listen(QHostAddress::LocalHost));
    int attempts = 0;
    connect(&notIndi, &QTcpServer::newConnection, [&] {
        while (QTcpSocket *client = notIndi.nextPendingConnection()) {
            ++attempts;
            client->write("HTTP/1.1 400 Bad Request\r\n\r\n<html><body>Bad Request</body></html>\n");
            client->disconnectFromHost();
        }
    });
    karvix::selectSource(choice(notIndi.serverPort(), kSimulatorCcd, 50));
    QTest::qWait(3000 * 3);
    QCOMPARE(attempts, 1);
    QVERIFY(problemLogged("libindi: "));
    karvix::reachSource();
    QTRY_COMPARE(attempts, 2);
}

void TestIndiSource::missingDeviceIsNamed()
{
    QVERIFY(m_server->start({QStringLiteral("indi_simulator_ccd")}));
    const quint16 port = m_server->port();
    karvix::selectSource(choice(port, "No Such Camera", 50));
    QTRY_VERIFY_WITH_TIMEOUT(problemLogged("no camera \"No Such Camera\""), 15000);
    QCOMPARE(OpenKARVIX("NORDVANE-INDI"), KarvixHandle(0));
    QVERIFY2(
        karvix::sourceProblem().find("No Such Camera") != std::string::npos, karvix::sourceProblem().c_str());
}

void TestIndiSource::serverKilledMidStreamComesBack()
{
    QVERIFY(m_server->start({QStringLiteral("indi_simulator_ccd")}));
    const quint16 port = m_server->port();
    karvix::selectSource(choice(port, kSimulatorCcd, 35));
    QTRY_VERIFY_WITH_TIMEOUT(openAndStart() != 0, 15000);
    const KarvixHandle handle = OpenKARVIX("NORDVANE-INDI");
    std::vector<unsigned char> frame;
    QVERIFY(nextFrame(handle, &frame, 20000));

    m_server->stop();
    QTRY_VERIFY(problemLogged("closed the connection"));
    QVERIFY(karvix::sourceReconnecting());
    // A frame that came before the server went may still wait to be taken; none comes after.
    nextFrame(handle, &frame, 100);
    QVERIFY(!nextFrame(handle, &frame, 500));

    // The link connects again by itself and the stream goes on ...
    QVERIFY(m_server->start({QStringLiteral("indi_simulator_ccd")}));
    QVERIFY(nextFrame(handle, &frame, 30000));
    // ... and the camera disconnects and connects again as usual.
    QCOMPARE(StopKARVIXLive(handle), 0);
    QCOMPARE(CloseKARVIX(handle), 0);
    QVERIFY(openAndStart() != 0);
    QVERIFY(nextFrame(handle, &frame, 20000));
    QCOMPARE(CloseKARVIX(handle), 0);
}

void TestIndiSource::deviceSwitchedOffByAnotherClientStaysOff()
{
    QVERIFY(m_server->start({QStringLiteral("indi_simulator_ccd")}));
    karvix::selectSource(choice(m_server->port(), kSimulatorCcd, 35));
    QTRY_VERIFY_WITH_TIMEOUT(openAndStart() != 0, 15000);
    const KarvixHandle handle = OpenKARVIX("NORDVANE-INDI");
    std::vector<unsigned char> frame;
    QVERIFY(nextFrame(handle, &frame, 20000));
    // Another client switches the camera off.
    QCOMPARE(QProcess::execute(QStringLiteral("indi_setprop"),
                 {QStringLiteral("-p"), QString::number(m_server->port()),
                     QStringLiteral("%1.CONNECTION.DISCONNECT=On").arg(kSimulatorCcd)}),
        0);
    QTRY_VERIFY(problemLogged("switched off by another INDI client"));
    QTest::qWait(7000); // longer than the link waits between attempts on a camera it lost
    QCOMPARE(driverValue(QStringLiteral("%1.CONNECTION.CONNECT").arg(kSimulatorCcd)), QStringLiteral("Off"));
    QVERIFY(!karvix::sourceReconnecting());
    // Until the program asks.
    karvix::reachSource();
    QVERIFY(nextFrame(handle, &frame, 30000));
    QCOMPARE(CloseKARVIX(handle), 0);
}

void TestIndiSource::hungExposureIsAskedForAgain()
{
    QVERIFY(m_server->start({QStringLiteral(VELTO_SKY_DRIVER)}));
    karvix::selectSource(choice(m_server->port(), kSkyDriver, kSkyFocalLengthMm));
    QTRY_VERIFY_WITH_TIMEOUT(openAndStart() != 0, 15000);
    const KarvixHandle handle = OpenKARVIX("NORDVANE-INDI");
    std::vector<unsigned char> frame;
    QVERIFY(nextFrame(handle, &frame, 20000));
    m_server->pauseDrivers(true);
    QTRY_VERIFY_WITH_TIMEOUT(problemLogged("did not come back"), 20000);
    m_server->pauseDrivers(false);
    QVERIFY(nextFrame(handle, &frame, 20000));
    QCOMPARE(CloseKARVIX(handle), 0);
}

void TestIndiSource::gainGoesToTheDriverWithinItsRange()
{
    QVERIFY(m_server->start({QStringLiteral(VELTO_SKY_DRIVER)}));
    karvix::selectSource(choice(m_server->port(), kSkyDriver, kSkyFocalLengthMm));
    QTRY_VERIFY_WITH_TIMEOUT(openAndStart() != 0, 15000);
    const KarvixHandle handle = OpenKARVIX("NORDVANE-INDI");
    const auto driverGain
        = [this] { return driverValue(QStringLiteral("Velto Q7 Sky.CCD_GAIN.GAIN")).toDouble(); };
    std::vector<unsigned char> frame;
    QCOMPARE(SetKARVIXParam(handle, KARVIX_CONTROL_GAIN, 70), 0);
    QVERIFY(nextFrame(handle, &frame, 20000));
    QTRY_COMPARE(driverGain(), 70.0);
    // Beyond the driver's 0-100: brought into it, and said once.
    QCOMPARE(SetKARVIXParam(handle, KARVIX_CONTROL_GAIN, 150), 0);
    QVERIFY(nextFrame(handle, &frame, 20000));
    QTRY_COMPARE(driverGain(), 100.0);
    QVERIFY(problemLogged("gain 150 is outside the range 0-100"));
    // Changed by another client: set again; lost with its server: sent to the new one.
    QProcess::execute(QStringLiteral("indi_setprop"),
        {QStringLiteral("-p"), QString::number(m_server->port()), QStringLiteral("Velto Q7 Sky.CCD_GAIN.GAIN=30")});
    QTRY_VERIFY(problemLogged("set to 30 by another INDI client"));
    QTRY_COMPARE(driverGain(), 100.0);
    m_server->stop();
    QVERIFY(m_server->start({QStringLiteral(VELTO_SKY_DRIVER)}));
    QVERIFY(nextFrame(handle, &frame, 30000));
    QTRY_COMPARE(driverGain(), 100.0);
    QCOMPARE(CloseKARVIX(handle), 0);
}

QTEST_GUILESS_MAIN(TestIndiSource)
#include "tst_indisource.moc"
