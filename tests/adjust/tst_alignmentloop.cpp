// The automatic alignment's rules on a simulated clock: the loop drives a GRBL adjuster talking
// to a fake controller (on a pseudo-terminal or a loopback TCP port) whose motors (the simulator's
// BoltMotor, with its faults) turn a polar error; a readout of that error, with noise of the
// stated +-, comes every 0.1 s of the clock. Each row is a fault of real hardware and what the
// loop must do about it: reach the target within a number of moves, or stop before harm saying
// why, the motors told to stop within a second and nothing more sent to a device that went quiet.
#include "alignmentloop.h"
#include "fakegrbl.h"
#include "grbladjuster.h"

#include <QtTest>
#include <random>

using karvix::sim::MotorFaults;

Q_DECLARE_METATYPE(MotorFaults)

namespace {

constexpr double poleAltitudeDeg = 40;
constexpr double frameS = 0.1;
constexpr double unitsPerDeg = 2; // the fake's millimetres to a degree, which the loop must learn

MotorFaults faults(double backlashArcmin, double gain, bool reversed)
{
    MotorFaults f;
    f.backlashArcmin = backlashArcmin;
    f.gain = gain;
    f.reversed = reversed;
    return f;
}

} // namespace

class TestAlignmentLoop : public QObject
{
    Q_OBJECT

private slots:
    void loop_data();
    void loop();
};

void TestAlignmentLoop::loop_data()
{
    QTest::addColumn<bool>("tcp"); // else a pseudo-terminal
    QTest::addColumn<MotorFaults>("altitude");
    QTest::addColumn<MotorFaults>("azimuth");
    QTest::addColumn<double>("sigmaArcsec");
    QTest::addColumn<double>("eventAtS");    // the row's event then, on the clock (0: none)
    QTest::addColumn<QString>("event");      // "stale": the camera is lost; "abort"; "silent"
    QTest::addColumn<int>("maxMoves");       // aligned within this many; -1: must stop
    QTest::addColumn<QString>("stopReason"); // part of the reason it stops with

    const MotorFaults good = faults(0, 1, false);
    const QString none;
    QTest::newRow("perfect motors") << false << good << good << 2.0 << 0.0 << none << 6 << none;
    QTest::newRow("3' slack, +20 % gain, azimuth reversed")
        << false << faults(3, 1.2, false) << faults(3, 1.2, true) << 3.0 << 0.0 << none << 6 << none;
    QTest::newRow("TCP: 5' slack, -20 % gain, altitude reversed")
        << true << faults(5, 0.8, true) << faults(5, 0.8, false) << 3.0 << 0.0 << none << 6 << none;
    MotorFaults slow = faults(3, 1.2, true);
    slow.speedDegPerS = 0.005;
    QTest::newRow("slow motor") << false << good << slow << 3.0 << 0.0 << none << 6 << none;
    MotorFaults stuck = good;
    stuck.speedDegPerS = 0;
    QTest::newRow("stuck motor") << false << stuck << good << 3.0 << 0.0 << none << -1 << "did not finish";
    MotorFaults shortTravel = good;
    shortTravel.travelDeg = 0.3;
    QTest::newRow("travel too short")
        << false << shortTravel << good << 3.0 << 0.0 << none << -1 << "refused";
    QTest::newRow("unreadable pole") << false << good << good << 5000.0 << 0.0 << none << -1 << "larger than";
    QTest::newRow("camera lost in a move")
        << false << good << good << 3.0 << 5.0 << "stale" << -1 << "not live";
    QTest::newRow("abort in a move") << false << good << good << 3.0 << 5.0 << "abort" << -1 << "Aborted";
    QTest::newRow("TCP: abort in a move") << true << good << good << 3.0 << 5.0 << "abort" << -1 << "Aborted";
    QTest::newRow("controller goes quiet")
        << false << good << good << 3.0 << 5.0 << "silent" << -1 << "no answer";
}

void TestAlignmentLoop::loop()
{
    QFETCH(bool, tcp);
    QFETCH(MotorFaults, altitude);
    QFETCH(MotorFaults, azimuth);
    QFETCH(double, sigmaArcsec);
    QFETCH(double, eventAtS);
    QFETCH(QString, event);
    QFETCH(int, maxMoves);
    QFETCH(QString, stopReason);

    AxisErrorArcsec truth {2950, 2690}; // a degree off, mostly in altitude
    double now = 0;
    FakeGrbl controller(
        altitude, azimuth, [&](double arcmin) { truth.altitude += arcmin * 60; },
        [&](double arcmin) { truth.azimuth += arcmin * 60; }, [&] { return now; }, unitsPerDeg);
    GrblAdjuster::Settings settings;
    settings.port = tcp ? controller.listenTcp() : controller.openPty();
    settings.feedPerMin = 600;
    GrblAdjuster device(settings);
    QSignalSpy opened(&device, &AdjusterDevice::opened);
    device.open();
    QVERIFY(opened.wait(2000));

    AlignmentSession session;
    session.setAxisCentre({640, 480}, cv::Matx22d::eye());
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0, std::min(sigmaArcsec, 100.0) / std::sqrt(2.0));
    const auto showReadout = [&] {
        AlignmentSession::Readout r = AlignmentSession::readoutFor(
            {truth.altitude + noise(rng), truth.azimuth + noise(rng)}, poleAltitudeDeg, sigmaArcsec, true);
        r.stale = event == QLatin1String("stale") && now > eventAtS;
        r.staleReason = r.stale ? QStringLiteral("camera lost") : QString();
        session.setReadout(r);
    };
    showReadout();
    AlignmentLoop loop(&session, [&] { return now; });
    QSignalSpy done(&loop, &AlignmentLoop::finished);
    loop.start(&device);
    bool evented = false;
    while (done.isEmpty() && now < 5000) {
        QTest::qWait(1); // the controller's answers
        now += frameS;
        if (!evented && eventAtS > 0 && now > eventAtS) {
            evented = true;
            QVERIFY(controller.moving());
            if (event == QLatin1String("abort"))
                loop.abort();
            controller.setSilent(event == QLatin1String("silent"));
        }
        showReadout();
    }
    QCOMPARE(done.size(), 1);
    const bool aligned = done[0][0].toBool();
    const QString why = done[0][1].toString();
    const double residual = AlignmentSession::readoutFor(truth, poleAltitudeDeg, 0, true).totalArcsec;
    qInfo("%s after %d moves, %.1f\" left; altitude gain %.3f, slack %.0f\"; azimuth gain %.3f, slack %.0f\"",
        qPrintable(why), loop.moves(), residual, loop.altitude().gain(), loop.altitude().backlashArcsec(),
        loop.azimuth().gain(), loop.azimuth().backlashArcsec());
    if (maxMoves >= 0) {
        QVERIFY2(aligned && loop.moves() <= maxMoves && residual <= 10,
            qPrintable(QStringLiteral("%1 after %2 moves").arg(why).arg(loop.moves())));
        return;
    }
    QVERIFY2(!aligned && why.contains(stopReason), qPrintable(why));
    const int heard = controller.bytesAfterSilence();
    if (event != QLatin1String("silent")) // a controller that still listens is told to stop within 1 s
        QTRY_VERIFY_WITH_TIMEOUT(!controller.moving(), 1000);
    QTest::qWait(300);
    QCOMPARE(controller.bytesAfterSilence(), heard); // nothing more after the reason was given
}

QTEST_MAIN(TestAlignmentLoop)
#include "tst_alignmentloop.moc"
