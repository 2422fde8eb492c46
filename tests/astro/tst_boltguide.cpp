// Bolt guidance: the bolts' directions learnt from the pole's moves, and the stop points that
// leave the other bolt alone to finish, on a mount whose bolts do not turn as the sky's altitude
// and azimuth predict.
#include "boltguide.h"

#include <QtTest>
#include <cmath>

namespace {

cv::Vec2d direction(double degrees)
{
    return {std::cos(degrees * CV_PI / 180), -std::sin(degrees * CV_PI / 180)};
}

double angleBetweenLinesDeg(const cv::Vec2d &a, const cv::Vec2d &b)
{
    return std::acos(std::min(1.0, std::abs(a.dot(b)) / (cv::norm(a) * cv::norm(b)))) * 180 / CV_PI;
}

// The distance of `axis` from the line through `from` along `d`.
double offLine(const cv::Point2d &from, const cv::Vec2d &d, const cv::Point2d &axis)
{
    const cv::Vec2d u = d / cv::norm(d);
    const cv::Vec2d v(axis.x - from.x, axis.y - from.y);
    return std::abs(v[0] * u[1] - v[1] * u[0]);
}

} // namespace

class TestBoltGuide : public QObject
{
    Q_OBJECT

private slots:
    void learnsTheBoltsAndStopsWhereTheOtherFinishes_data();
    void learnsTheBoltsAndStopsWhereTheOtherFinishes();
    void movesOfBothBoltsAtOnceTeachNothing();
};

void TestBoltGuide::learnsTheBoltsAndStopsWhereTheOtherFinishes_data()
{
    QTest::addColumn<double>("expectedAltitudeDeg"); // image angles the orientation predicts
    QTest::addColumn<double>("trueAltitudeDeg");     // and the mount's
    QTest::addColumn<double>("trueAzimuthDeg");
    QTest::newRow("as predicted") << -90.0 << -90.0 << 0.0;
    QTest::newRow("altitude bolt 15 degrees off, reversed") << 30.0 << 225.0 << 120.0;
    QTest::newRow("both off, camera rolled") << 140.0 << 152.0 << 35.0;
}

void TestBoltGuide::learnsTheBoltsAndStopsWhereTheOtherFinishes()
{
    QFETCH(double, expectedAltitudeDeg);
    QFETCH(double, trueAltitudeDeg);
    QFETCH(double, trueAzimuthDeg);
    const cv::Vec2d trueAltitude = direction(trueAltitudeDeg), trueAzimuth = direction(trueAzimuthDeg);
    BoltGuide guide;
    guide.setExpected(direction(expectedAltitudeDeg), direction(expectedAltitudeDeg - 90));
    const cv::Point2d axis(640, 480);
    cv::Point2d pole(700, 420);
    // The user turns the altitude bolt a little, frame by frame, then the azimuth bolt; the
    // averaged pole wobbles by a tenth of a pixel.
    for (int frame = 0; frame < 20; ++frame) {
        pole += cv::Point2d(trueAltitude[0], trueAltitude[1]) * 1.5;
        guide.addPole(pole + cv::Point2d(0.1 * std::sin(frame), 0.1 * std::cos(frame)));
    }
    for (int frame = 0; frame < 20; ++frame) {
        pole += cv::Point2d(trueAzimuth[0], trueAzimuth[1]) * 1.5;
        guide.addPole(pole + cv::Point2d(0.1 * std::cos(frame), -0.1 * std::sin(frame)));
    }
    QVERIFY2(angleBetweenLinesDeg(guide.altitude(), trueAltitude) < 0.5,
        qPrintable(
            QStringLiteral("altitude %1 deg off").arg(angleBetweenLinesDeg(guide.altitude(), trueAltitude))));
    QVERIFY2(angleBetweenLinesDeg(guide.azimuth(), trueAzimuth) < 0.5,
        qPrintable(
            QStringLiteral("azimuth %1 deg off").arg(angleBetweenLinesDeg(guide.azimuth(), trueAzimuth))));

    // Each stop lies on its bolt's line through the pole, and from it the other bolt's line runs
    // through the axis centre, within a pixel (the precise readout finishes the rest).
    cv::Point2d altitudeStop, azimuthStop;
    QVERIFY(guide.stops(pole, axis, &altitudeStop, &azimuthStop));
    QVERIFY(offLine(pole, trueAltitude, altitudeStop) < 1);
    QVERIFY(offLine(pole, trueAzimuth, azimuthStop) < 1);
    QVERIFY2(offLine(altitudeStop, trueAzimuth, axis) < 1,
        qPrintable(QStringLiteral("%1 px").arg(offLine(altitudeStop, trueAzimuth, axis))));
    QVERIFY(offLine(azimuthStop, trueAltitude, axis) < 1);
}

// Turning both bolts together moves the pole along neither line: nothing is learnt from it.
void TestBoltGuide::movesOfBothBoltsAtOnceTeachNothing()
{
    BoltGuide guide;
    guide.setExpected(direction(90), direction(0));
    cv::Point2d pole(100, 100);
    for (int frame = 0; frame < 10; ++frame) {
        pole += cv::Point2d(2, -2); // 45 degrees
        guide.addPole(pole);
    }
    QVERIFY(angleBetweenLinesDeg(guide.altitude(), direction(90)) < 1e-9);
    QVERIFY(angleBetweenLinesDeg(guide.azimuth(), direction(0)) < 1e-9);
}

QTEST_GUILESS_MAIN(TestBoltGuide)
#include "tst_boltguide.moc"
