// The headless solve and axis centre, run as the program: their JSON judged by the simulator's
// truth, and their exit codes.
#include "skysimulator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

using karvix::sim::SkySimulator;

namespace {

constexpr double dec8Evening2026 = 1796760000.0; // 2026-12-08T20:00:00Z
const QString utcText = QStringLiteral("2026-12-08T20:00:00");

struct Run
{
    int exitCode = -1;
    QByteArray printed;
    QJsonObject json;
};

Run runProgram(const QStringList &arguments)
{
    QProcess program;
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/velto-q7"), arguments);
    Run run;
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = program.exitCode();
    run.printed = program.readAllStandardOutput().trimmed();
    run.json = QJsonDocument::fromJson(run.printed).object();
    return run;
}

QString savedFrame(const QTemporaryDir &dir, const cv::Mat &frame, const QString &name)
{
    const QImage image(frame.data, frame.cols, frame.rows, int(frame.step), QImage::Format_Grayscale8);
    const QString path = dir.filePath(name);
    return image.save(path) ? path : QString();
}

double distancePx(const QJsonValue &pixel, const karvix::sim::ImagePoint &truth)
{
    const QJsonArray xy = pixel.toArray();
    if (xy.size() != 2)
        return qInf();
    return std::hypot(xy[0].toDouble() - truth.x, xy[1].toDouble() - truth.y);
}

} // namespace

class TestSolveCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printsThePoleAndTheAxisError_data();
    void printsThePoleAndTheAxisError();
    void anUnsolvableFrameExitsWithOne_data();
    void anUnsolvableFrameExitsWithOne();
    void badArgumentsExitWithTwo_data();
    void badArgumentsExitWithTwo();
    void findsTheAxisCentreMinutesApart_data();
    void findsTheAxisCentreMinutesApart();

private:
    QTemporaryDir m_dir;
};

void TestSolveCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestSolveCommand::printsThePoleAndTheAxisError_data()
{
    QTest::addColumn<double>("pressureHpa");
    QTest::addColumn<double>("zoom"); // the frame as the window saves it at this zoom
    QTest::newRow("with air") << 1010.0 << 1.0;
    QTest::newRow("without air") << 0.0 << 1.0;
    QTest::newRow("saved at 75 % zoom") << 1010.0 << 0.75;
}

void TestSolveCommand::printsThePoleAndTheAxisError()
{
    QFETCH(double, pressureHpa);
    QFETCH(double, zoom);
    SkySimulator sky;
    sky.setClock(dec8Evening2026);
    karvix::sim::Site site; // 39.9 N, 116.3 E
    site.pressureHpa = pressureHpa;
    site.temperatureC = 5;
    sky.setSite(site);
    sky.setPolarError(-700, 1300);
    sky.setCameraRoll(200);
    cv::Mat frame;
    sky.renderFrame(50000, 50, frame);
    cv::resize(frame, frame, cv::Size(), zoom, zoom, cv::INTER_AREA);
    const QString path = savedFrame(m_dir, frame, QStringLiteral("pole.png"));
    QVERIFY(!path.isEmpty());
    // Places on the saved frame; a pixel's centre stays a pixel's centre.
    const auto zoomed = [zoom](const karvix::sim::ImagePoint &p) {
        return karvix::sim::ImagePoint {(p.x + 0.5) * zoom - 0.5, (p.y + 0.5) * zoom - 0.5};
    };
    const auto axis = std::optional<karvix::sim::ImagePoint>(zoomed(*sky.axisCentre()));

    const Run run = runProgram({QStringLiteral("--solve"), path, QStringLiteral("--utc"), utcText,
        QStringLiteral("--lat"), QStringLiteral("39.9"), QStringLiteral("--lon"), QStringLiteral("116.3"),
        QStringLiteral("--pressure"), QString::number(pressureHpa), QStringLiteral("--temperature"),
        QStringLiteral("5"), QStringLiteral("--axis"), QStringLiteral("%1,%2").arg(axis->x).arg(axis->y)});
    const QByteArray &printed = run.printed;
    qInfo("%s", printed.constData());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.json.value(QStringLiteral("solved")).toBool(), printed.constData());
    QCOMPARE(run.json.value(QStringLiteral("hemisphere")).toString(), QStringLiteral("north"));
    QVERIFY2(std::fabs(run.json.value(QStringLiteral("plate_scale_arcsec_per_px")).toDouble() - 30.5 / zoom)
            < 0.05,
        printed.constData());
    QVERIFY2(distancePx(run.json.value(QStringLiteral("pole_px")), zoomed(*sky.truePolePosition())) < 0.3,
        printed.constData());
    QCOMPARE(run.json.contains(QStringLiteral("refracted_pole_px")), pressureHpa > 0);
    if (pressureHpa > 0)
        QVERIFY2(distancePx(run.json.value(QStringLiteral("refracted_pole_px")),
                     zoomed(*sky.refractedPolePosition()))
                < 0.3,
            printed.constData());

    // The pole star and the reference stars that fall into the frame, by their catalogue ids.
    const QJsonArray stars = run.json.value(QStringLiteral("stars")).toArray();
    QVERIFY2(!stars.isEmpty(), printed.constData());
    for (const QJsonValue &star : stars) {
        const QString id = star.toObject().value(QStringLiteral("id")).toString();
        const auto truth = sky.starPosition(id.toStdString());
        QVERIFY2(truth && distancePx(star.toObject().value(QStringLiteral("px")), zoomed(*truth)) < 0.3,
            qPrintable(id));
    }

    const QJsonObject error = run.json.value(QStringLiteral("axis_error_arcsec")).toObject();
    const karvix::sim::PolarError truth = sky.polarError();
    QVERIFY2(std::fabs(error.value(QStringLiteral("altitude")).toDouble() - truth.altitudeArcsec) < 2,
        printed.constData());
    QVERIFY2(std::fabs(error.value(QStringLiteral("azimuth")).toDouble() - truth.azimuthArcsec) < 2,
        printed.constData());
}

void TestSolveCommand::anUnsolvableFrameExitsWithOne_data()
{
    QTest::addColumn<bool>("starry"); // the simulated northern sky, else a black frame
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("why"); // a part of the reason printed
    QTest::newRow("black frame") << false << QStringLiteral("39.9") << QString();
    QTest::newRow("northern sky, southern site")
        << true << QStringLiteral("-33.9") << QStringLiteral("northern sky");
}

void TestSolveCommand::anUnsolvableFrameExitsWithOne()
{
    QFETCH(bool, starry);
    QFETCH(QString, latitude);
    QFETCH(QString, why);
    cv::Mat frame = cv::Mat::zeros(960, 1280, CV_8UC1);
    if (starry) {
        SkySimulator sky;
        sky.setClock(dec8Evening2026);
        sky.renderFrame(50000, 50, frame);
    }
    const QString path = savedFrame(m_dir, frame, QStringLiteral("unsolvable.png"));
    const Run run = runProgram({QStringLiteral("--solve"), path, QStringLiteral("--utc"), utcText,
        QStringLiteral("--lat"), latitude, QStringLiteral("--lon"), QStringLiteral("116.3")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.json.value(QStringLiteral("solved")), QJsonValue(false));
    const QString printedWhy = run.json.value(QStringLiteral("why")).toString();
    QVERIFY2(!printedWhy.isEmpty() && printedWhy.contains(why), qPrintable(printedWhy));
}

void TestSolveCommand::badArgumentsExitWithTwo_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString frame = m_dir.filePath(QStringLiteral("unsolvable.png"));
    const QStringList site {
        QStringLiteral("--lat"), QStringLiteral("39.9"), QStringLiteral("--lon"), QStringLiteral("116.3")};
    QTest::newRow("no instant") << (QStringList {QStringLiteral("--solve"), frame} + site);
    QTest::newRow("unreadable file") << (QStringList {QStringLiteral("--solve"),
                                             m_dir.filePath(QStringLiteral("none.png")),
                                             QStringLiteral("--utc"), utcText}
        + site);
    QTest::newRow("latitude out of range") << QStringList {QStringLiteral("--solve"), frame,
        QStringLiteral("--utc"), utcText, QStringLiteral("--lat"), QStringLiteral("91"),
        QStringLiteral("--lon"), QStringLiteral("116.3")};
    QTest::newRow("instant not a time")
        << (QStringList {QStringLiteral("--solve"), frame, QStringLiteral("--utc"), QStringLiteral("tonight")}
               + site);
    QTest::newRow("instant a date without its time")
        << (QStringList {
                QStringLiteral("--solve"), frame, QStringLiteral("--utc"), QStringLiteral("2026-12-08")}
               + site);
    QTest::newRow("find-axis with two frames")
        << (QStringList {QStringLiteral("--find-axis"), frame, frame, QStringLiteral("--utc"),
                QStringLiteral("%1,%1").arg(utcText)}
               + site);
    QTest::newRow("axis without y") << (QStringList {QStringLiteral("--solve"), frame,
                                            QStringLiteral("--utc"), utcText, QStringLiteral("--axis"),
                                            QStringLiteral("640")}
        + site);
}

void TestSolveCommand::badArgumentsExitWithTwo()
{
    QFETCH(QStringList, arguments);
    const Run run = runProgram(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.json.isEmpty());
}

// Three frames a minute or more apart with the drive off: the sky turns about the pole between
// them, which the command takes out; a camera that slipped is told apart.
void TestSolveCommand::findsTheAxisCentreMinutesApart_data()
{
    QTest::addColumn<double>("latitudeDeg");
    QTest::addColumn<double>("secondsApart");
    QTest::addColumn<double>("shiftPx"); // the camera slips before the third frame
    QTest::newRow("north, 1.5 degrees off, 90 s apart") << 39.9 << 90.0 << 0.0;
    QTest::newRow("south, 1.5 degrees off, 3 minutes apart") << -33.9 << 180.0 << 0.0;
    QTest::newRow("camera shifted by 1 px") << 39.9 << 60.0 << 1.0;
}

void TestSolveCommand::findsTheAxisCentreMinutesApart()
{
    QFETCH(double, latitudeDeg);
    QFETCH(double, secondsApart);
    QFETCH(double, shiftPx);
    SkySimulator sky;
    karvix::sim::Site site;
    site.latitudeDeg = latitudeDeg;
    sky.setSite(site);
    sky.setClock(dec8Evening2026);
    sky.setPolarError(1.5 * 3600 * 0.6, 1.5 * 3600 * 0.8 / std::cos(latitudeDeg * CV_PI / 180));
    QStringList paths, instants;
    for (int k = 0; k < 3; ++k) {
        if (k == 2 && shiftPx > 0)
            sky.setCameraTilt(sky.cameraTiltDeg() + shiftPx * 30.5 / 3600, sky.cameraTiltDirectionDeg());
        cv::Mat frame;
        sky.renderFrame(100000, 50, frame);
        paths << savedFrame(m_dir, frame, QStringLiteral("axis%1.png").arg(k));
        instants << QDateTime::fromMSecsSinceEpoch(qint64(sky.clock() * 1000), Qt::UTC)
                        .toString(Qt::ISODateWithMs);
        sky.turnRaAxis(40);
        sky.stepClock(secondsApart);
    }
    const auto axis = sky.axisCentre();
    const Run run
        = runProgram({QStringLiteral("--find-axis"), paths[0], paths[1], paths[2], QStringLiteral("--utc"),
            instants.join(QLatin1Char(',')), QStringLiteral("--lat"), QString::number(latitudeDeg),
            QStringLiteral("--lon"), QStringLiteral("116.3"), QStringLiteral("--pressure"),
            QStringLiteral("1010"), QStringLiteral("--temperature"), QStringLiteral("10")});
    const double miss = distancePx(run.json.value(QStringLiteral("axis_px")), *axis);
    const double sigma = run.json.value(QStringLiteral("axis_sigma_px")).toDouble();
    std::printf("RESULT find-axis %s miss_px=%.2f sigma_px=%.2f consistent=%d\n", QTest::currentDataTag(),
        miss, sigma, run.json.value(QStringLiteral("consistent")).toBool());
    QCOMPARE(run.exitCode, 0);
    if (shiftPx > 0) {
        QVERIFY2(!run.json.value(QStringLiteral("consistent")).toBool(true), run.printed.constData());
        return;
    }
    QVERIFY2(run.json.value(QStringLiteral("consistent")).toBool(), run.printed.constData());
    QVERIFY2(miss <= 0.3 && miss <= 2 * sigma, run.printed.constData());
}

QTEST_GUILESS_MAIN(TestSolveCommand)
#include "tst_solvecommand.moc"
