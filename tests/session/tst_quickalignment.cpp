// The quick alignment driven as the window drives it: a solved sky, the frames' stars at the sky's
// pace, the mount's answers and the readouts; judged by what it takes, asks and declares.
#include "quickalignment.h"

#include <QSignalSpy>
#include <QtTest>
#include <random>

namespace {

const cv::Point2d axis(652, 513);

// A field of stars turned about the RA axis by `angleDeg` (positive clockwise on the screen).
std::vector<cv::Point2d> field(double angleDeg)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> x(40, 1240), y(40, 920);
    const double a = angleDeg * CV_PI / 180, c = std::cos(a), s = std::sin(a);
    std::vector<cv::Point2d> stars;
    for (int i = 0; i < 120; ++i) {
        const cv::Point2d p(x(random), y(random)), d = p - axis;
        const cv::Point2d turned = axis + cv::Point2d(c * d.x - s * d.y, s * d.x + c * d.y);
        if (turned.inside(cv::Rect2d(20, 20, 1240, 920)))
            stars.push_back(turned);
    }
    return stars;
}

} // namespace

class TestQuickAlignment : public QObject
{
    Q_OBJECT

private slots:
    void positionsAreTakenWhenTheFieldIsStill_data();
    void positionsAreTakenWhenTheFieldIsStill();
    void finishesOnlyOnATrustedFigure_data();
    void finishesOnlyOnATrustedFigure();

private:
    double m_clock = 1000;
    // Frames a second apart at `angleDeg` for `seconds` of the sky's clock.
    void hold(QuickAlignment &quick, double angleDeg, int seconds)
    {
        const std::vector<cv::Point2d> stars = field(angleDeg);
        for (int i = 0; i <= seconds; ++i, m_clock += 1)
            quick.addFrame(m_clock, stars);
    }
};

void TestQuickAlignment::positionsAreTakenWhenTheFieldIsStill_data()
{
    QTest::addColumn<bool>("withMount");
    QTest::addColumn<double>("mountTurnSeenDeg"); // how far the field turns when the mount says it turned
    QTest::addColumn<int>("positions");
    QTest::addColumn<bool>("failed");
    QTest::newRow("by hand") << false << 40.0 << 3 << false;
    QTest::newRow("by the mount") << true << 40.0 << 3 << false;
    QTest::newRow("a mount the camera is not on") << true << 0.0 << 1 << true;
}

void TestQuickAlignment::positionsAreTakenWhenTheFieldIsStill()
{
    QFETCH(bool, withMount);
    QFETCH(double, mountTurnSeenDeg);
    QFETCH(int, positions);
    QFETCH(bool, failed);
    AlignmentSession session;
    QuickAlignment quick(&session, [this] { return m_clock; }, {{639.5, 479.5}, 0});
    QSignalSpy turns(&quick, &QuickAlignment::turnWanted);
    QSignalSpy failures(&quick, &QuickAlignment::failed);
    QSignalSpy ready(&quick, &QuickAlignment::readyToMonitor);
    quick.start(withMount);
    const std::vector<cv::Point2d> start = field(0);
    quick.solved({QPointF(start[0].x, start[0].y), QPointF(start[1].x, start[1].y), m_clock, start});
    hold(quick, 0, 3);
    QCOMPARE(session.axisPositionsTaken(), 1);
    // A turn still under way (not still for two seconds) takes nothing.
    hold(quick, 20, 0);
    hold(quick, 35, 0);
    QCOMPARE(session.axisPositionsTaken(), 1);
    const double away = withMount ? mountTurnSeenDeg : 40;
    if (withMount) {
        QCOMPARE(turns.count(), 1);
        quick.mountTurned();
    }
    hold(quick, away, 3);
    if (withMount && !failed) {
        QCOMPARE(turns.count(), 2);
        quick.mountTurned();
    }
    hold(quick, -25, 3);
    if (withMount && !failed) {
        QCOMPARE(turns.count(), 3); // home again
        quick.mountTurned();
        hold(quick, 0, 3);
    }
    QCOMPARE(session.axisPositionsTaken(), positions);
    QCOMPARE(failures.count(), int(failed));
    QCOMPARE(ready.count(), int(!failed));
    if (!failed) {
        QVERIFY(session.axisCentreKnown());
        QVERIFY2(cv::norm(cv::Point2d(session.axisCentre().x(), session.axisCentre().y()) - axis) < 0.05,
            qPrintable(
                QStringLiteral("(%1,%2)").arg(session.axisCentre().x()).arg(session.axisCentre().y())));
        QCOMPARE(quick.phase(), QuickAlignment::Phase::Monitoring);
        QCOMPARE(session.instruction(), quick.instruction()); // what a phone shows in place of the tip
    }
}

void TestQuickAlignment::finishesOnlyOnATrustedFigure_data()
{
    QTest::addColumn<double>("totalArcsec");
    QTest::addColumn<double>("sigmaArcsec");
    QTest::addColumn<bool>("finished");
    QTest::newRow("inside, ± small") << 6.0 << 3.0 << true;
    QTest::newRow("inside, ± wider than the target") << 6.0 << 71.0 << false;
    QTest::newRow("outside") << 14.0 << 3.0 << false;
}

void TestQuickAlignment::finishesOnlyOnATrustedFigure()
{
    QFETCH(double, totalArcsec);
    QFETCH(double, sigmaArcsec);
    QFETCH(bool, finished);
    AlignmentSession session;
    QuickAlignment quick(&session, [this] { return m_clock; }, {{639.5, 479.5}, 0});
    QSignalSpy done(&quick, &QuickAlignment::finished);
    QSignalSpy notes(&quick, &QuickAlignment::noteChanged);
    quick.start(false);
    const std::vector<cv::Point2d> start = field(0);
    quick.solved({QPointF(start[0].x, start[0].y), QPointF(start[1].x, start[1].y), m_clock, start});
    hold(quick, 0, 3);
    hold(quick, 40, 3);
    hold(quick, -25, 3);
    QCOMPARE(quick.phase(), QuickAlignment::Phase::Monitoring);
    for (int second = 0; second <= 12; ++second, m_clock += 1) {
        AlignmentSession::Readout r;
        r.shown = true;
        r.totalArcsec = totalArcsec + 0.01 * second; // every readout differs a little
        r.sigmaArcsec = sigmaArcsec;
        session.setReadout(r);
    }
    QCOMPARE(done.count(), int(finished));
    QCOMPARE(!notes.isEmpty(),
        sigmaArcsec > QuickAlignment::defaultTargetArcsec
            && totalArcsec <= QuickAlignment::defaultTargetArcsec);
}

QTEST_GUILESS_MAIN(TestQuickAlignment)
#include "tst_quickalignment.moc"
