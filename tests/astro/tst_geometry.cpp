// The axis circle, point rotation, the pole from two stars and the refraction correction, against
// worked examples and exact geometry.
#include "messagelog.h"
#include "staralgorithms.h"

#include <QtTest>
#include <cmath>
#include <limits>

namespace {

const double notANumber = std::numeric_limits<double>::quiet_NaN();
const double infinity = std::numeric_limits<double>::infinity();
const QString straightLine = QStringLiteral("Point in a straight line,Can not calculate center of cricle.");

// The north template at epoch 20160523: A, angle at A, B, angle at B, and its two apex candidates.
const double northA[] = {445, 218, 12.4543449046107}, northB[] = {400, 400, 18.4713634052194};
const QPointF northCandidate1(442.108, 333.544), northCandidate2(393.713, 321.578);

bool near(const QPointF &a, const QPointF &b, double tolerance)
{
    return std::fabs(a.x() - b.x()) <= tolerance && std::fabs(a.y() - b.y()) <= tolerance;
}

} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void axisCenter_data();
    void axisCenter();
    void rotatePoint();
    void poleNearestToReference();
    void templatePoles();
    void poleFailures_data();
    void poleFailures();
    void apexByAngle();
    void refraction();
    void physicalRefraction();
};

void TestGeometry::axisCenter_data()
{
    QTest::addColumn<QVector<double>>("points"); // x1, y1, x2, y2, x3, y3
    QTest::addColumn<int>("result");
    QTest::addColumn<QVector<double>>("circle"); // centre x, y, radius; -7 = unchanged
    QTest::addColumn<QStringList>("log");
    const QVector<double> unchanged {-7, -7, -7};
    const double r = 99.9;
    QTest::newRow("radius 100") << QVector<double> {500, 380, 400, 480, 300, 380} << 0
                                << QVector<double> {400, 380, 100} << QStringList();
    QTest::newRow("radius 99.9 truncated") << QVector<double> {400 + r, 300, 400, 300 + r, 400 - r, 300} << 0
                                           << QVector<double> {400, 300, 99} << QStringList();
    QTest::newRow("y1 = y3 only") << QVector<double> {100, 100, 200, 300, 300, 100} << 0
                                  << QVector<double> {200, 175, 125} << QStringList();
    QTest::newRow("diagonal line") << QVector<double> {0, 0, 10, 10, 20, 20} << -1 << unchanged
                                   << QStringList {straightLine};
    QTest::newRow("horizontal line") << QVector<double> {0, 5, 10, 5, 20, 5} << -1 << unchanged
                                     << QStringList {straightLine};
    QTest::newRow("y1 = y2 only") << QVector<double> {100, 100, 200, 100, 150, 300} << -1 << unchanged
                                  << QStringList();
    QTest::newRow("y2 = y3 only") << QVector<double> {150, 300, 100, 100, 200, 100} << -1 << unchanged
                                  << QStringList();
    QTest::newRow("NaN") << QVector<double> {100, 100, notANumber, 300, 300, 100} << -1 << unchanged
                         << QStringList();
    // A sagitta of 5e-8 px over 2e6 px: a radius of about 1e19 px, beyond int.
    QTest::newRow("radius beyond int")
        << QVector<double> {0, 0, 1e6, 1, 2e6, 2.0000001} << -1 << unchanged << QStringList();
}

void TestGeometry::axisCenter()
{
    QFETCH(QVector<double>, points);
    QFETCH(QVector<double>, circle);
    const MessageLog log;
    double cx = -7, cy = -7;
    int r = -7;
    QTEST(starAlgorithms.CalcAxisCenter(
              points[0], points[1], points[2], points[3], points[4], points[5], &cx, &cy, &r),
        "result");
    QVERIFY2(near(QPointF(cx, cy), QPointF(circle[0], circle[1]), 1e-9),
        qPrintable(QString("%1 %2").arg(cx).arg(cy)));
    QCOMPARE(r, int(circle[2]));
    QTEST(log.criticals(), "log");
}

void TestGeometry::rotatePoint()
{
    // angle, point, centre, expected; a positive angle turns clockwise on the screen (y down). A
    // non-finite input leaves the outputs as they were (-1, -1).
    const double cases[][7] = {{90, 500, 380, 400, 380, 400, 480}, {-90, 500, 380, 400, 380, 400, 280},
        {30, 2, 0, 0, 0, std::sqrt(3.0), 1}, {360, 123.4, 567.8, 640, 480, 123.4, 567.8},
        {notANumber, 500, 380, 400, 380, -1, -1}, {10, infinity, 380, 400, 380, -1, -1}};
    for (const auto &c : cases) {
        double x = -1, y = -1;
        starAlgorithms.RotatePoint(c[0], c[1], c[2], c[3], c[4], &x, &y);
        QVERIFY2(near(QPointF(x, y), QPointF(c[5], c[6]), 1e-9),
            qPrintable(QString("%1: %2 %3").arg(c[0]).arg(x).arg(y)));
    }
}

void TestGeometry::poleNearestToReference()
{
    double x = 0, y = 0;
    const MessageLog log;
    QCOMPARE(starAlgorithms.CalcPoleCOOR(
                 northA[0], northA[1], northA[2], northB[0], northB[1], northB[2], &x, &y, 400, 330),
        0);
    QVERIFY(near(QPointF(x, y), northCandidate2, 5e-4));
    QCOMPARE(starAlgorithms.CalcPoleCOOR(
                 northA[0], northA[1], northA[2], northB[0], northB[1], northB[2], &x, &y, 450, 340),
        0);
    QVERIFY(near(QPointF(x, y), northCandidate1, 5e-4));
    QVERIFY(log.criticals().isEmpty());
    // A = (0, 0), B = (10, 0), 45 degrees at both: apexes (5, -5) and (5, 5) are equally far from (5, 0)
    // to the last bit, and the tie goes to the second candidate, the one with the smaller y.
    double upperX = 0, upperY = 0, lowerX = 0, lowerY = 0;
    starAlgorithms.CalcPoleCOOR(0, 0, 45, 10, 0, 45, &upperX, &upperY, 5, -100);
    starAlgorithms.CalcPoleCOOR(0, 0, 45, 10, 0, 45, &lowerX, &lowerY, 5, 100);
    QCOMPARE(std::pow(upperX - 5, 2) + upperY * upperY, std::pow(lowerX - 5, 2) + lowerY * lowerY);
    QCOMPARE(starAlgorithms.CalcPoleCOOR(0, 0, 45, 10, 0, 45, &x, &y, 5, 0), 0);
    QCOMPARE(QPointF(x, y), QPointF(upperX, upperY));
    QVERIFY(near(QPointF(x, y), QPointF(5, -5), 1e-12));
}

void TestGeometry::templatePoles()
{
    // Epoch 20160523; D and the angle DBP choose the apex (north candidates: 78.60 and 115.54 degrees).
    double x = 0, y = 0;
    QCOMPARE(starAlgorithms.CalcTemplatePole(northA[0], northA[1], northA[2], northB[0], northB[1], northB[2],
                 &x, &y, 648, 495, 115.088198660843),
        0);
    QVERIFY(near(QPointF(x, y), northCandidate2, 5e-4));
    QCOMPARE(starAlgorithms.CalcTemplatePole(
                 227, 405, 12.4931201999016, 400, 337, 5.3729631099286, &x, &y, 228, 563, 25.822029682887),
        0);
    QVERIFY(near(QPointF(x, y), QPointF(283.042, 396.159), 5e-4));
}

void TestGeometry::poleFailures_data()
{
    QTest::addColumn<QVector<double>>("args"); // ax, ay, angle A, bx, by, angle B, D x, D y, angle DBP
    QTest::addColumn<bool>("invalid");         // the invalid-input message, else the missing-apex one
    QTest::newRow("same pixel column")
        << QVector<double> {400, 218, 12.45, 400, 400, 18.47, 648, 495, 115} << true;
    QTest::newRow("angles add up to 180")
        << QVector<double> {445, 218, 100, 400, 400, 80, 648, 495, 115} << true;
    // sin 180 deg is a tiny non-zero number: the circles shrink to points and do not meet.
    QTest::newRow("both angles zero") << QVector<double> {445, 218, 0, 400, 400, 0, 648, 495, 0} << false;
    QTest::newRow("NaN star") << QVector<double> {notANumber, 218, 12.45, 400, 400, 18.47, 648, 495, 115}
                              << true;
    QTest::newRow("infinite angle") << QVector<double> {445, 218, infinity, 400, 400, 18.47, 648, 495, 115}
                                    << true;
    QTest::newRow("NaN reference or D")
        << QVector<double> {445, 218, 12.45, 400, 400, 18.47, notANumber, 495, 115} << true;
}

void TestGeometry::poleFailures()
{
    QFETCH(QVector<double>, args);
    QFETCH(bool, invalid);
    const MessageLog log;
    double x = 9, y = 9;
    QCOMPARE(starAlgorithms.CalcPoleCOOR(
                 args[0], args[1], args[2], args[3], args[4], args[5], &x, &y, args[6], args[7]),
        -1);
    QCOMPARE(QPointF(x, y), QPointF(0, 0));
    x = y = 9;
    QCOMPARE(starAlgorithms.CalcTemplatePole(
                 args[0], args[1], args[2], args[3], args[4], args[5], &x, &y, args[6], args[7], args[8]),
        -1);
    QCOMPARE(QPointF(x, y), QPointF(0, 0));
    const QStringList expected = invalid
        ? QStringList {"CalcPoleCOOR - Calculate pole failed as invalid value.",
            "invalid points, can not calculate pole."}
        : QStringList {"CalcPoleCOOR - Calculate pole failed.", "did not calculate the appropriate pole"};
    QCOMPARE(log.criticals(), expected);
}

void TestGeometry::apexByAngle()
{
    // B at the origin. candidate 1, candidate 2, D, target angle, expected choice.
    const QPointF b(0, 0), c1 = northCandidate1 - QPointF(400, 400), c2 = northCandidate2 - QPointF(400, 400),
                           d = QPointF(648, 495) - QPointF(400, 400);
    const QList<std::tuple<QPointF, QPointF, QPointF, double, QPointF>> cases {
        {c1, c2, d, 115.088, c2}, {c1, c2, d, 80, c1},
        {{5, 5}, {5, -5}, {10, 0}, 10, {5, -5}}, // mirror images: a tie goes to candidate 2
        {b, {5, -5}, {10, 0}, 45, {5, -5}},      // an undefined angle never wins
        {{5, 5}, b, {10, 0}, 45, b}, {{5, 5}, {5, -5}, b, 45, {5, -5}},
        {{5, 5}, {notANumber, -5}, {10, 0}, 45, {-3, -3}}, // a non-finite choice is not written
    };
    for (const auto &[first, second, starD, target, expected] : cases) {
        double x = -3, y = -3;
        starAlgorithms.SelectApexByAngle(
            first.x(), first.y(), second.x(), second.y(), starD.x(), starD.y(), 0, 0, target, &x, &y);
        QCOMPARE(QPointF(x, y), expected);
    }
}

void TestGeometry::refraction()
{
    // latitude, kPa, deg C, y = 500 after the correction. Bennett's R is 1.18901' at 39.9 deg, 34.4775'
    // at the horizon and slightly negative (clamped) at the zenith; F = 1.03971 at 101.3 kPa and 0 C.
    // The camera's 30.5 arcsec per pixel make 1.18901' 2.33904 px.
    const double cases[][4] = {{39.9, 101, 10, 497.66096}, {39.9, 101.3, 0, 497.56808}, {90, 101, 10, 500},
        {0, 101, 10, 432.17535}, {39.9, 50, -273, 497.66096}, {39.9, 0, 10, 500}};
    for (const auto &c : cases) {
        double y = 500; // the output may be the input's own variable
        QCOMPARE(starAlgorithms.CorrectRefraction(y, c[0], c[1], c[2], &y), 0);
        QVERIFY2(std::fabs(y - c[3]) < 5e-3, qPrintable(QString("%1 deg: %2").arg(c[0]).arg(y, 0, 'f', 5)));
    }
    // Non-finite inputs, and latitude -4.4 where Bennett's formula divides by zero, are refused.
    const double refused[][4] = {{notANumber, 39.9, 101, 10}, {500, infinity, 101, 10},
        {500, 39.9, notANumber, 10}, {500, 39.9, 101, infinity}, {500, -4.4, 101, 10}};
    for (const auto &c : refused) {
        double y = 123;
        QCOMPARE(starAlgorithms.CorrectRefraction(c[0], c[1], c[2], c[3], &y), -1);
        QCOMPARE(y, 123.0);
    }
}

void TestGeometry::physicalRefraction()
{
    // Published refraction at two sites, arcseconds (Bennett's formula is 2" off at the first):
    // - the Pulkovo tables' standard atmosphere (15 deg C, 1013.25 hPa, dry air, 0.59 um),
    //   R = 57.085" cot h - 0.0666" cot^3 h, at altitude 40;
    // - the Astronomical Almanac's approximation for zenith distances below 75 degrees,
    //   R = 0.00452 deg P tan z / (273 + T), P in hPa, which has no tan^3 z term, at 60 S in frost.
    struct Site
    {
        double latitude, hPa, celsius, published, tolerance;
    };
    const double cot40 = 1 / std::tan(40 * M_PI / 180), tan30 = std::tan(30 * M_PI / 180);
    const Site sites[] = {{40, 1013.25, 15, 57.085 * cot40 - 0.0666 * std::pow(cot40, 3), 0.15},
        {-60, 1000, -10, 0.00452 * 3600 * 1000 / 263 * tan30, 0.4}};
    for (const Site &site : sites) {
        const double physical = physicalPoleRefractionArcsec(site.latitude, site.hPa / 10, site.celsius);
        QVERIFY2(std::fabs(physical - site.published) < site.tolerance,
            qPrintable(
                QString("%1 deg: %2\" against %3\"").arg(site.latitude).arg(physical).arg(site.published)));

        // The correction moves the row up by as many pixels of 30.5".
        double y = 500;
        QCOMPARE(starAlgorithms.CorrectRefraction(
                     y, site.latitude, site.hPa / 10, site.celsius, &y, RefractionModel::Physical),
            0);
        QVERIFY(std::fabs(y - (500 - physical / 30.5)) < 1e-9);
    }
    // The pole at the zenith is not refracted; on the horizon ERFA's floor of 2.9 degrees holds.
    QCOMPARE(physicalPoleRefractionArcsec(90, 101, 10), 0.0);
    QVERIFY(std::isfinite(physicalPoleRefractionArcsec(0, 101, 10)));
    double y = 123;
    QCOMPARE(starAlgorithms.CorrectRefraction(500, 39.9, notANumber, 10, &y, RefractionModel::Physical), -1);
    QCOMPARE(y, 123.0);
}

QTEST_GUILESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
