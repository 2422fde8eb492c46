// The axis circle, point rotation, the pole from two stars and the refraction correction, checked
// against the worked examples of the alignment procedure and against exact geometry.
#include "messagelog.h"
#include "staralgorithms.h"

#include <QtTest>
#include <cmath>
#include <limits>

namespace {

const double notANumber = std::numeric_limits<double>::quiet_NaN();
const double infinity = std::numeric_limits<double>::infinity();
const QString straightLine = QStringLiteral("Point in a straight line,Can not calculate center of cricle.");
const QString poleInvalid = QStringLiteral("CalcPoleCOOR - Calculate pole failed as invalid value.");
const QString poleFailed = QStringLiteral("CalcPoleCOOR - Calculate pole failed.");
const QString templateInvalid = QStringLiteral("invalid points, can not calculate pole.");
const QString templateFailed = QStringLiteral("did not calculate the appropriate pole");

// The north template at epoch 20160523 (stored angles / 10^14).
const QPointF northA(445, 218), northB(400, 400), northD(648, 495);
const double northBAP = 12.4543449046107, northABP = 18.4713634052194, northDBP = 115.088198660843;
const QPointF northCandidate1(442.108, 333.544), northCandidate2(393.713, 321.578);

bool near(const QPointF &a, const QPointF &b, double tolerance)
{
    return std::fabs(a.x() - b.x()) <= tolerance && std::fabs(a.y() - b.y()) <= tolerance;
}

QString describe(const QPointF &p)
{
    return QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 6).arg(p.y(), 0, 'f', 6);
}

} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void axisCenter_data();
    void axisCenter();
    void rotatePoint_data();
    void rotatePoint();
    void poleNearestToReference_data();
    void poleNearestToReference();
    void poleTieGoesToSecondCandidate();
    void poleFailures_data();
    void poleFailures();
    void templatePoles_data();
    void templatePoles();
    void templatePoleFailures_data();
    void templatePoleFailures();
    void apexByAngle_data();
    void apexByAngle();
    void refraction_data();
    void refraction();
    void refractionRejectsNonFinite();
};

void TestGeometry::axisCenter_data()
{
    QTest::addColumn<QVector<QPointF>>("points");
    QTest::addColumn<int>("result");
    QTest::addColumn<QPointF>("center");
    QTest::addColumn<int>("radius");
    QTest::addColumn<QStringList>("log");
    const QPointF none(-7, -7); // the outputs' previous value, kept on failure
    const double r = 99.9;
    QTest::newRow("circle of radius 100") << QVector<QPointF> {{500, 380}, {400, 480}, {300, 380}} << 0
                                          << QPointF(400, 380) << 100 << QStringList();
    QTest::newRow("radius 99.9 truncates")
        << QVector<QPointF> {{400 + r, 300}, {400, 300 + r}, {400 - r, 300}} << 0 << QPointF(400, 300) << 99
        << QStringList();
    QTest::newRow("first and last row equal") << QVector<QPointF> {{100, 100}, {200, 300}, {300, 100}} << 0
                                              << QPointF(200, 175) << 125 << QStringList();
    QTest::newRow("diagonal line") << QVector<QPointF> {{0, 0}, {10, 10}, {20, 20}} << -1 << none << -7
                                   << QStringList {straightLine};
    QTest::newRow("horizontal line") << QVector<QPointF> {{0, 5}, {10, 5}, {20, 5}} << -1 << none << -7
                                     << QStringList {straightLine};
    QTest::newRow("first two rows equal")
        << QVector<QPointF> {{100, 100}, {200, 100}, {150, 300}} << -1 << none << -7 << QStringList();
    QTest::newRow("last two rows equal")
        << QVector<QPointF> {{150, 300}, {100, 100}, {200, 100}} << -1 << none << -7 << QStringList();
    QTest::newRow("NaN") << QVector<QPointF> {{100, 100}, {notANumber, 300}, {300, 100}} << -1 << none << -7
                         << QStringList();
    QTest::newRow("infinity") << QVector<QPointF> {{100, 100}, {200, 300}, {300, infinity}} << -1 << none
                              << -7 << QStringList();
    // A sagitta of 5e-8 px over 2e6 px: radius about 1e19, beyond int.
    QTest::newRow("radius beyond int")
        << QVector<QPointF> {{0, 0}, {1e6, 1}, {2e6, 2.0000001}} << -1 << none << -7 << QStringList();
}

void TestGeometry::axisCenter()
{
    QFETCH(QVector<QPointF>, points);
    QFETCH(int, result);
    QFETCH(QPointF, center);
    QFETCH(int, radius);
    QFETCH(QStringList, log);
    const MessageLog messages;
    double cx = -7, cy = -7;
    int r = -7;
    QCOMPARE(starAlgorithms.CalcAxisCenter(points[0].x(), points[0].y(), points[1].x(), points[1].y(),
                 points[2].x(), points[2].y(), &cx, &cy, &r),
        result);
    QVERIFY2(near(QPointF(cx, cy), center, 1e-9), qPrintable(describe(QPointF(cx, cy))));
    QCOMPARE(r, radius);
    QCOMPARE(messages.criticals(), log);
}

void TestGeometry::rotatePoint_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<QPointF>("center");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("90 turns clockwise on screen")
        << 90.0 << QPointF(500, 380) << QPointF(400, 380) << QPointF(400, 480);
    QTest::newRow("-90") << -90.0 << QPointF(500, 380) << QPointF(400, 380) << QPointF(400, 280);
    QTest::newRow("180") << 180.0 << QPointF(410, 390) << QPointF(400, 380) << QPointF(390, 370);
    QTest::newRow("full turn") << 360.0 << QPointF(123.4, 567.8) << QPointF(640, 480)
                               << QPointF(123.4, 567.8);
    QTest::newRow("30 about origin") << 30.0 << QPointF(2, 0) << QPointF(0, 0) << QPointF(std::sqrt(3.0), 1);
    // Not a number: the outputs keep their previous value (-1, -1).
    QTest::newRow("NaN angle") << notANumber << QPointF(500, 380) << QPointF(400, 380) << QPointF(-1, -1);
    QTest::newRow("infinite point") << 10.0 << QPointF(infinity, 380) << QPointF(400, 380) << QPointF(-1, -1);
}

void TestGeometry::rotatePoint()
{
    QFETCH(double, angle);
    QFETCH(QPointF, point);
    QFETCH(QPointF, center);
    QFETCH(QPointF, expected);
    double x = -1, y = -1;
    starAlgorithms.RotatePoint(angle, point.x(), point.y(), center.x(), center.y(), &x, &y);
    QVERIFY2(near(QPointF(x, y), expected, 1e-9), qPrintable(describe(QPointF(x, y))));
}

void TestGeometry::poleNearestToReference_data()
{
    QTest::addColumn<QPointF>("reference");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("near candidate 2") << QPointF(400, 330) << northCandidate2;
    QTest::newRow("near candidate 1") << QPointF(450, 340) << northCandidate1;
}

void TestGeometry::poleNearestToReference()
{
    QFETCH(QPointF, reference);
    QFETCH(QPointF, expected);
    const MessageLog messages;
    double x = 0, y = 0;
    QCOMPARE(starAlgorithms.CalcPoleCOOR(northA.x(), northA.y(), northBAP, northB.x(), northB.y(), northABP,
                 &x, &y, reference.x(), reference.y()),
        0);
    QVERIFY2(near(QPointF(x, y), expected, 5e-4), qPrintable(describe(QPointF(x, y))));
    QVERIFY(messages.criticals().isEmpty());
}

void TestGeometry::poleTieGoesToSecondCandidate()
{
    // A = (0, 0), B = (10, 0), 45 degrees at both: the apexes are (5, -5) and (5, 5), and (5, 0) is
    // equally far from both. The second candidate is the one with the smaller y.
    double upperX = 0, upperY = 0, lowerX = 0, lowerY = 0, x = 0, y = 0;
    QCOMPARE(starAlgorithms.CalcPoleCOOR(0, 0, 45, 10, 0, 45, &upperX, &upperY, 5, -100), 0);
    QCOMPARE(starAlgorithms.CalcPoleCOOR(0, 0, 45, 10, 0, 45, &lowerX, &lowerY, 5, 100), 0);
    const double upperD2 = (upperX - 5) * (upperX - 5) + upperY * upperY;
    const double lowerD2 = (lowerX - 5) * (lowerX - 5) + lowerY * lowerY;
    QCOMPARE(upperD2, lowerD2); // the tie is exact
    QCOMPARE(starAlgorithms.CalcPoleCOOR(0, 0, 45, 10, 0, 45, &x, &y, 5, 0), 0);
    QCOMPARE(QPointF(x, y), QPointF(upperX, upperY));
    QVERIFY(near(QPointF(x, y), QPointF(5, -5), 1e-12));
}

void TestGeometry::poleFailures_data()
{
    QTest::addColumn<QVector<double>>("args"); // ax, ay, angleA, bx, by, angleB, refX, refY
    QTest::addColumn<QString>("message");
    QTest::newRow("same pixel column")
        << QVector<double> {400, 218, 12.45, 400, 400, 18.47, 400, 330} << poleInvalid;
    QTest::newRow("angles add up to 180")
        << QVector<double> {445, 218, 100, 400, 400, 80, 400, 330} << poleInvalid;
    // sin 180 deg is a tiny non-zero number: the circles shrink to points and do not meet.
    QTest::newRow("both angles zero") << QVector<double> {445, 218, 0, 400, 400, 0, 400, 330} << poleFailed;
    QTest::newRow("NaN star") << QVector<double> {notANumber, 218, 12.45, 400, 400, 18.47, 400, 330}
                              << poleInvalid;
    QTest::newRow("infinite angle") << QVector<double> {445, 218, infinity, 400, 400, 18.47, 400, 330}
                                    << poleInvalid;
    QTest::newRow("NaN reference") << QVector<double> {445, 218, 12.45, 400, 400, 18.47, 400, notANumber}
                                   << poleInvalid;
}

void TestGeometry::poleFailures()
{
    QFETCH(QVector<double>, args);
    QFETCH(QString, message);
    const MessageLog messages;
    double x = 9, y = 9;
    QCOMPARE(starAlgorithms.CalcPoleCOOR(
                 args[0], args[1], args[2], args[3], args[4], args[5], &x, &y, args[6], args[7]),
        -1);
    QCOMPARE(x, 0.0);
    QCOMPARE(y, 0.0);
    QCOMPARE(messages.criticals(), QStringList {message});
}

void TestGeometry::templatePoles_data()
{
    QTest::addColumn<QVector<double>>("args"); // ax, ay, BAP, bx, by, ABP, dx, dy, DBP
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("north 20160523") << QVector<double> {northA.x(), northA.y(), northBAP, northB.x(),
        northB.y(), northABP, northD.x(), northD.y(), northDBP}
                                    << northCandidate2;
    QTest::newRow("south 20160523") << QVector<double> {227, 405, 12.4931201999016, 400, 337, 5.3729631099286,
        228, 563, 25.822029682887} << QPointF(283.042, 396.159);
}

void TestGeometry::templatePoles()
{
    QFETCH(QVector<double>, args);
    QFETCH(QPointF, expected);
    const MessageLog messages;
    double x = 0, y = 0;
    QCOMPARE(starAlgorithms.CalcTemplatePole(
                 args[0], args[1], args[2], args[3], args[4], args[5], &x, &y, args[6], args[7], args[8]),
        0);
    QVERIFY2(near(QPointF(x, y), expected, 5e-4), qPrintable(describe(QPointF(x, y))));
    QVERIFY(messages.criticals().isEmpty());
}

void TestGeometry::templatePoleFailures_data()
{
    QTest::addColumn<QVector<double>>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("same pixel column")
        << QVector<double> {400, 218, 12.45, 400, 400, 18.47, 648, 495, 115} << templateInvalid;
    QTest::newRow("angles add up to 180")
        << QVector<double> {445, 218, 90, 400, 400, 90, 648, 495, 115} << templateInvalid;
    QTest::newRow("missing star data")
        << QVector<double> {445, 218, 0, 400, 400, 0, 648, 495, 0} << templateFailed;
    QTest::newRow("NaN star D") << QVector<double> {445, 218, 12.45, 400, 400, 18.47, notANumber, 495, 115}
                                << templateInvalid;
    QTest::newRow("infinite DBP") << QVector<double> {445, 218, 12.45, 400, 400, 18.47, 648, 495, -infinity}
                                  << templateInvalid;
}

void TestGeometry::templatePoleFailures()
{
    QFETCH(QVector<double>, args);
    QFETCH(QString, message);
    const MessageLog messages;
    double x = 9, y = 9;
    QCOMPARE(starAlgorithms.CalcTemplatePole(
                 args[0], args[1], args[2], args[3], args[4], args[5], &x, &y, args[6], args[7], args[8]),
        -1);
    QCOMPARE(QPointF(x, y), QPointF(0, 0));
    QCOMPARE(messages.criticals(), QStringList {message});
}

void TestGeometry::apexByAngle_data()
{
    QTest::addColumn<QPointF>("candidate1");
    QTest::addColumn<QPointF>("candidate2");
    QTest::addColumn<QPointF>("starD");
    QTest::addColumn<double>("target");
    QTest::addColumn<QPointF>("expected");
    const QPointF b(0, 0);
    // The north template's candidates are seen from B at 78.60 and 115.54 degrees from D.
    QTest::newRow("north: candidate 2 nearer the target")
        << northCandidate1 - northB << northCandidate2 - northB << northD - northB << northDBP
        << northCandidate2 - northB;
    QTest::newRow("north: candidate 1 nearer the target")
        << northCandidate1 - northB << northCandidate2 - northB << northD - northB << 80.0
        << northCandidate1 - northB;
    QTest::newRow("mirror images tie")
        << QPointF(5, 5) << QPointF(5, -5) << QPointF(10, 0) << 10.0 << QPointF(5, -5);
    QTest::newRow("candidate 1 on B") << b << QPointF(5, -5) << QPointF(10, 0) << 45.0 << QPointF(5, -5);
    QTest::newRow("candidate 2 on B") << QPointF(5, 5) << b << QPointF(10, 0) << 45.0 << b;
    QTest::newRow("D on B") << QPointF(5, 5) << QPointF(5, -5) << b << 45.0 << QPointF(5, -5);
    QTest::newRow("non-finite choice keeps outputs")
        << QPointF(5, 5) << QPointF(notANumber, -5) << QPointF(10, 0) << 45.0 << QPointF(-3, -3);
}

void TestGeometry::apexByAngle()
{
    QFETCH(QPointF, candidate1);
    QFETCH(QPointF, candidate2);
    QFETCH(QPointF, starD);
    QFETCH(double, target);
    QFETCH(QPointF, expected);
    double x = -3, y = -3;
    starAlgorithms.SelectApexByAngle(candidate1.x(), candidate1.y(), candidate2.x(), candidate2.y(),
        starD.x(), starD.y(), 0, 0, target, &x, &y);
    QCOMPARE(QPointF(x, y), expected);
}

void TestGeometry::refraction_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("pressureKPa");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("expected"); // y = 500 after the correction
    // Bennett's R: 1.18901' at 39.9 deg; F = 1 at 101 kPa and 10 deg C.
    QTest::newRow("39.9 deg, 101 kPa, 10 C") << 39.9 << 101.0 << 10.0 << 498.81099;
    QTest::newRow("39.9 deg, 101.3 kPa, 0 C") << 39.9 << 101.3 << 0.0 << 498.76379; // F = 1.03971
    QTest::newRow("zenith: negative R clamped") << 90.0 << 101.0 << 10.0 << 500.0;
    QTest::newRow("horizon: 34.48'") << 0.0 << 101.0 << 10.0 << 465.52;
    QTest::newRow("-273 C: factor 1") << 39.9 << 50.0 << -273.0 << 498.81099;
    QTest::newRow("no air") << 39.9 << 0.0 << 10.0 << 500.0;
}

void TestGeometry::refraction()
{
    QFETCH(double, latitude);
    QFETCH(double, pressureKPa);
    QFETCH(double, temperature);
    QFETCH(double, expected);
    double y = 500; // the output may be the input's own variable
    QCOMPARE(starAlgorithms.CorrectRefraction(y, latitude, pressureKPa, temperature, &y), 0);
    QVERIFY2(std::fabs(y - expected) < 5e-3, qPrintable(QString::number(y, 'f', 6)));
}

void TestGeometry::refractionRejectsNonFinite()
{
    const QVector<QVector<double>> cases {
        {notANumber, 39.9, 101, 10}, {500, infinity, 101, 10}, {500, 39.9, notANumber, 10},
        {500, 39.9, 101, infinity}, {500, -4.4, 101, 10}, // Bennett's formula divides by h + 4.4
    };
    for (const QVector<double> &c : cases) {
        double y = 123;
        QCOMPARE(starAlgorithms.CorrectRefraction(c[0], c[1], c[2], c[3], &y), -1);
        QCOMPARE(y, 123.0);
    }
}

QTEST_GUILESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
