// The display marks: what is drawn for each switch, where, and in which colour per style.
#include "overlays.h"

#include <QtTest>
#include <cmath>

namespace {
QImage blackFrame()
{
    QImage frame(1280, 960, QImage::Format_RGB888);
    frame.fill(Qt::black);
    return frame;
}

// Half-pixel positions put the one-pixel lines exactly on pixel rows and columns.
const QPointF axis(400.5, 300.5);
const QPointF expected(700.5, 500.5);
const QPointF starA(200.5, 600.5);
const QPointF starB(900.5, 200.5);
const QPointF pole(1000.5, 700.5);

PoleMeasurement measured()
{
    PoleMeasurement m;
    m.starAPos = starA;
    m.starBPos = starB;
    m.polePos = pole;
    return m;
}

bool dark(const QImage &frame, int x, int y)
{
    return frame.pixelColor(x, y) == QColor(Qt::black);
}
} // namespace

class TestOverlays : public QObject
{
    Q_OBJECT

private slots:
    void nothingSwitchedOnLeavesTheFrame();
    void marksByStyle_data();
    void marksByStyle();
    void reticleTurnsWithItsAngle_data();
    void reticleTurnsWithItsAngle();
    void eachMarkOnlyWithItsSwitch();
    void unusablePositionsAreSkipped();
    void pickedStarsAreRingedWhereTheyWereTaken();
    void boltLinesRunFromThePoleToTheirStops();
};

void TestOverlays::nothingSwitchedOnLeavesTheFrame()
{
    QImage frame(1280, 960, QImage::Format_RGB888);
    frame.fill(QColor(37, 37, 37));
    const QImage before = frame.copy();
    drawDisplayOverlays(&frame, FrameInputs(), measured());
    QCOMPARE(frame, before);
}

void TestOverlays::marksByStyle_data()
{
    QTest::addColumn<bool>("mono");
    QTest::newRow("Color") << false;
    QTest::newRow("Mono") << true;
}

void TestOverlays::marksByStyle()
{
    QFETCH(bool, mono);
    FrameInputs in;
    in.monoStyle = mono;
    in.showAxisCenter = in.showAxisCircle = in.showReticle = true;
    in.showStarAMarker = in.showStarBMarker = in.monitorPole = true;
    in.axisCenter = axis;
    in.axisCircleRadius = 50;
    in.targetRadiusPx = 30;
    in.expectedPolarisPos = expected;
    QImage frame = blackFrame();
    drawDisplayOverlays(&frame, in, measured());

    const QColor white(Qt::white);
    // Axis centre: ticks from 7 to 3 pixels out on each side, the ring of radius 4 between.
    const QColor axisColour = mono ? white : QColor(Qt::red);
    QCOMPARE(frame.pixelColor(400 - 5, 300), axisColour);
    QCOMPARE(frame.pixelColor(400 + 5, 300), axisColour);
    QCOMPARE(frame.pixelColor(400, 300 - 5), axisColour);
    QCOMPARE(frame.pixelColor(400, 300 + 5), axisColour);
    QVERIFY(dark(frame, 400 - 9, 300));
    // Axis circle, 70 % opaque over black: never brighter than 178, grey in Mono, green otherwise.
    const QColor onCircle = frame.pixelColor(400 + 50, 300);
    QVERIFY2(onCircle.green() > 100 && onCircle.green() <= 178, qPrintable(onCircle.name()));
    QCOMPARE(onCircle.red(), mono ? onCircle.green() : 0);
    QCOMPARE(onCircle.blue(), mono ? onCircle.green() : 0);
    QVERIFY(dark(frame, 400 + 47, 300));
    // The target's circle: magenta, grey in Mono.
    const QColor onTarget = frame.pixelColor(400, 300 + 30);
    QVERIFY2(onTarget.red() > 150 && onTarget.blue() == onTarget.red(), qPrintable(onTarget.name()));
    QVERIFY2(mono ? onTarget.green() == onTarget.red() : onTarget.green() < 100, qPrintable(onTarget.name()));
    // Reticle: a cross of +-3 pixels in white.
    QCOMPARE(frame.pixelColor(700 + 2, 500), white);
    QCOMPARE(frame.pixelColor(700, 500 - 2), white);
    // Star marks: the cross and the 40 x 40 square, white in both styles.
    for (const QPointF &s : {starA, starB}) {
        const int x = int(s.x()), y = int(s.y());
        QCOMPARE(frame.pixelColor(x + 4, y), white);
        QCOMPARE(frame.pixelColor(x - 20, y + 7), white);
        QCOMPARE(frame.pixelColor(x + 20, y - 13), white);
        QCOMPARE(frame.pixelColor(x + 3, y - 20), white);
        QVERIFY(dark(frame, x + 10, y + 10));
    }
    // Pole: cross of +-8 and corner brackets from 6 to 3 pixels.
    const QColor poleColour = mono ? white : QColor(Qt::green);
    QCOMPARE(frame.pixelColor(1000 + 7, 700), poleColour);
    QCOMPARE(frame.pixelColor(1000 - 6, 700 - 5), poleColour);
    QCOMPARE(frame.pixelColor(1000 + 5, 700 + 6), poleColour);
    QVERIFY(dark(frame, 1000 + 6, 700 + 1));
}

void TestOverlays::reticleTurnsWithItsAngle_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<QList<int>>("lit");  // directions (degrees, counter-clockwise from 3 o'clock)
    QTest::addColumn<QList<int>>("gaps"); // on the circle
    // At 0 the arcs run 18-72, 108-162, 198-252 and 288-342 degrees.
    QTest::newRow("0") << 0.0 << QList<int> {45, 135, 225, 315} << QList<int> {0, 90, 180, 270};
    QTest::newRow("30") << 30.0 << QList<int> {75, 165, 255, 345} << QList<int> {30, 120, 210, 300};
    QTest::newRow("70") << 70.0 << QList<int> {115, 205, 295, 25} << QList<int> {70, 160, 250, 340};
}

void TestOverlays::reticleTurnsWithItsAngle()
{
    QFETCH(double, angle);
    QFETCH(QList<int>, lit);
    QFETCH(QList<int>, gaps);
    FrameInputs in;
    in.showReticle = true;
    in.expectedPolarisPos = expected;
    in.reticleAngle = angle;
    QImage frame = blackFrame();
    drawDisplayOverlays(&frame, in, PoleMeasurement());
    const auto onCircle = [&](int degrees) {
        const double a = degrees * M_PI / 180.0;
        // Screen y grows downwards, so counter-clockwise is -sin.
        return QPoint(int(std::floor(expected.x() + 10 * std::cos(a))),
            int(std::floor(expected.y() - 10 * std::sin(a))));
    };
    for (int d : lit) {
        const QPoint p = onCircle(d);
        QVERIFY2(frame.pixelColor(p).green() > 100, qPrintable(QString("%1 deg should be drawn").arg(d)));
    }
    for (int d : gaps) {
        const QPoint p = onCircle(d);
        QVERIFY2(dark(frame, p.x(), p.y()), qPrintable(QString("%1 deg should be a gap").arg(d)));
    }
}

void TestOverlays::eachMarkOnlyWithItsSwitch()
{
    struct Case
    {
        bool FrameInputs::*flag;
        QPoint probe;
    };
    const Case cases[] = {
        {&FrameInputs::showAxisCenter, QPoint(400 - 5, 300)},
        {&FrameInputs::showAxisCircle, QPoint(400 + 50, 300)},
        {&FrameInputs::showReticle, QPoint(700 + 2, 500)},
        {&FrameInputs::showStarAMarker, QPoint(200 - 20, 600 + 7)},
        {&FrameInputs::showStarBMarker, QPoint(900 - 20, 200 + 7)},
        {&FrameInputs::monitorPole, QPoint(1000 + 7, 700)},
        {&FrameInputs::monitorPole, QPoint(400, 300 + 30)}, // the target's circle
    };
    for (const Case &only : cases) {
        FrameInputs in;
        in.*only.flag = true;
        in.axisCenter = axis;
        in.axisCircleRadius = 50;
        in.targetRadiusPx = 30;
        in.expectedPolarisPos = expected;
        QImage frame = blackFrame();
        drawDisplayOverlays(&frame, in, measured());
        for (const Case &c : cases)
            QCOMPARE(dark(frame, c.probe.x(), c.probe.y()), c.flag != only.flag);
    }
}

void TestOverlays::unusablePositionsAreSkipped()
{
    const double nan = std::nan("");
    FrameInputs in;
    in.showAxisCenter = in.showAxisCircle = in.showReticle = true;
    in.showStarAMarker = in.showStarBMarker = in.monitorPole = true;
    in.axisCenter = QPointF(nan, 3);
    in.axisCircleRadius = 2000000000;
    in.expectedPolarisPos = QPointF(1e300, -1e300);
    in.reticleAngle = std::numeric_limits<double>::infinity();
    PoleMeasurement m;
    m.starAPos = QPointF(nan, nan);
    m.starBPos = QPointF(-1e12, 5);
    m.polePos = QPointF(5, std::numeric_limits<double>::infinity());
    in.pickedStarMarks = {QPointF(nan, 5), QPointF(1e300, 1)};
    QImage frame = blackFrame();
    drawDisplayOverlays(&frame, in, m);
    QCOMPARE(frame, blackFrame());
}

void TestOverlays::pickedStarsAreRingedWhereTheyWereTaken()
{
    FrameInputs in;
    in.pickedStarMarks = {starA, starB};
    QImage frame = blackFrame();
    drawDisplayOverlays(&frame, in, measured());
    for (const QPointF &star : {starA, starB}) {
        QVERIFY(!dark(frame, int(star.x()) + 9, int(star.y())));
        QVERIFY(dark(frame, int(star.x()), int(star.y()))); // the star itself stays visible
    }
}

// Each bolt's dashed line leaves the pole towards its stop, circled there; only while monitored.
void TestOverlays::boltLinesRunFromThePoleToTheirStops()
{
    FrameInputs in;
    in.showBoltGuide = true;
    in.altitudeStop = QPointF(1000.5, 600.5); // straight up from the pole
    in.azimuthStop = QPointF(900.5, 700.5);   // to its left
    QImage frame = blackFrame();
    drawDisplayOverlays(&frame, in, measured());
    QVERIFY(dark(frame, 1000, 640)); // not monitored: no lines
    in.monitorPole = true;
    drawDisplayOverlays(&frame, in, measured());
    int altitudeInk = 0, azimuthInk = 0;
    for (int t = 20; t < 90; ++t) {
        altitudeInk += !dark(frame, 1000, 700 - t);
        azimuthInk += !dark(frame, 1000 - t, 700);
    }
    // Dashed: drawn along much of the way, with gaps.
    QVERIFY2(altitudeInk > 20 && altitudeInk < 70, qPrintable(QString::number(altitudeInk)));
    QVERIFY2(azimuthInk > 20 && azimuthInk < 70, qPrintable(QString::number(azimuthInk)));
    int circleInk = 0; // beside the line, around the stop
    for (int y = 595; y <= 606; ++y)
        for (int x = 995; x <= 1006; ++x)
            circleInk += std::abs(x - 1000) > 1 && !dark(frame, x, y);
    QVERIFY2(circleInk > 10, qPrintable(QString::number(circleInk)));
    QVERIFY(dark(frame, 1100, 700)); // nothing beyond the pole
}

QTEST_MAIN(TestOverlays)
#include "tst_overlays.moc"
