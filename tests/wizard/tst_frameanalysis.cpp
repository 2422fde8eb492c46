// The capture thread's pole analysis on synthetic frames with stars at known places, judged
// against the worked north-template example (A (445, 218), B (400, 400), angles of the 2016 epoch,
// poles (393.713, 321.578) and (442.108, 333.544) depending on the reference point).
#include "frameanalysis.h"
#include "sharedstate.h"

#include <QtTest>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace {

const QPointF starA(445, 218), starB(400, 400);
const double angleBAP = 12.4543449046107, angleABP = 18.4713634052194;

// Stars symmetric about whole pixels on a flat background measure exactly at those pixels.
cv::Mat frameWithStars(const QList<QPointF> &stars)
{
    cv::Mat frame(960, 1280, CV_8UC1, cv::Scalar(10));
    for (const QPointF &s : stars)
        for (int dy = -6; dy <= 6; ++dy)
            for (int dx = -6; dx <= 6; ++dx)
                frame.at<uchar>(int(s.y()) + dy, int(s.x()) + dx)
                    = cv::saturate_cast<uchar>(10 + 200 * std::exp(-(dx * dx + dy * dy) / (2 * 1.2 * 1.2)));
    return frame;
}

FrameInputs monitoring(const QPointF &reference)
{
    FrameInputs in;
    in.monitorPole = in.showStarAMarker = in.showStarBMarker = true;
    in.starASearchPos = starA + QPointF(4.5, -3.2);
    in.starBSearchPos = starB + QPointF(-6.1, 2.7);
    in.poleAngleAtA = angleBAP;
    in.poleAngleAtB = angleABP;
    in.axisCenter = reference;
    return in;
}

void comparePoint(const QPointF &actual, const QPointF &expected, double tolerance)
{
    QVERIFY2(
        std::abs(actual.x() - expected.x()) <= tolerance && std::abs(actual.y() - expected.y()) <= tolerance,
        qPrintable(QString("got (%1, %2), expected (%3, %4) within %5")
                       .arg(actual.x(), 0, 'f', 4)
                       .arg(actual.y(), 0, 'f', 4)
                       .arg(expected.x(), 0, 'f', 4)
                       .arg(expected.y(), 0, 'f', 4)
                       .arg(tolerance)));
}

} // namespace

class TestFrameAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void poleFromMeasuredStars_data();
    void poleFromMeasuredStars();
    void refractionMovesThePoleNotTheMarkers();
    void starsNotFoundKeepTheirSearchPositions();
    void failedPoleSkipsTheMagnifier();
    void frameIsAnnotatedAndPublished();
    void uncertaintyIsPublishedWithThePole();
};

void TestFrameAnalysis::poleFromMeasuredStars_data()
{
    QTest::addColumn<QPointF>("reference");
    QTest::addColumn<QPointF>("pole");
    QTest::newRow("nearer candidate 2") << QPointF(400, 330) << QPointF(393.713, 321.578);
    QTest::newRow("nearer candidate 1") << QPointF(450, 340) << QPointF(442.108, 333.544);
}

void TestFrameAnalysis::poleFromMeasuredStars()
{
    QFETCH(QPointF, reference);
    QFETCH(QPointF, pole);
    const PoleMeasurement m = measurePole(frameWithStars({starA, starB}), monitoring(reference));
    QVERIFY(m.poleFound);
    comparePoint(m.starAPos, starA, 1e-9);
    comparePoint(m.starBPos, starB, 1e-9);
    comparePoint(m.polePos, pole, 0.001);
}

// Bennett's refraction at 39.9 degrees, 101 kPa and 10 C is 1.18901 arcminutes, 2.33904 pixels at
// the camera's 30.5 arcsec per pixel. Both stars move by it, so the pole does; the stars are
// reported where they are seen.
void TestFrameAnalysis::refractionMovesThePoleNotTheMarkers()
{
    const QPointF seenPole(393.713, 321.578); // without the correction
    FrameInputs in = monitoring(QPointF(400, 330));
    in.refractionEnabled = true;
    in.siteLatitude = 39.9f;
    in.airPressureKPa = 101.0f;
    in.airTemperature = 10.0f;
    const PoleMeasurement m = measurePole(frameWithStars({starA, starB}), in);
    comparePoint(m.starAPos, starA, 1e-9);
    comparePoint(m.starBPos, starB, 1e-9);
    QVERIFY(m.poleFound);
    comparePoint(m.polePos, seenPole - QPointF(0, 2.33904), 0.001);

    // The RA axis turned a quarter with the tracking dial: the image, and the way to the horizon
    // in it, turned with it, as the dial turns the search positions.
    in.trackedRaTurn = 90;
    const PoleMeasurement turned = measurePole(frameWithStars({starA, starB}), in);
    comparePoint(turned.polePos, seenPole + QPointF(2.33904, 0), 0.001);
}

void TestFrameAnalysis::starsNotFoundKeepTheirSearchPositions()
{
    FrameInputs in = monitoring(QPointF(400, 330));
    in.starASearchPos = QPointF(-40.0, 218.0); // outside the frame
    in.starBSearchPos = QPointF(-80.5, 400.0);
    QTest::ignoreMessage(QtCriticalMsg, "GetPreciseStarPos - Out of Whole FOV");
    QTest::ignoreMessage(QtCriticalMsg, "GetPreciseStarPos - Out of Whole FOV");
    const PoleMeasurement m = measurePole(frameWithStars({}), in);
    QCOMPARE(m.starAPos, in.starASearchPos);
    QCOMPARE(m.starBPos, in.starBSearchPos);
    QVERIFY(m.poleFound); // the pole still follows from the search positions
}

// Two stars in one pixel column cannot give a pole: the pole is (0, 0), no magnified view is
// made and the one already queued stays; the display frame is still annotated.
void TestFrameAnalysis::failedPoleSkipsTheMagnifier()
{
    const QPointF a(400, 218);
    FrameInputs in = monitoring(QPointF(400, 330));
    in.starASearchPos = a;
    cv::Mat grey = frameWithStars({a, starB});
    QImage frame(1280, 960, QImage::Format_RGB888);
    frame.fill(Qt::black);
    QImage crop(200, 200, QImage::Format_RGB888);
    crop.fill(QColor(1, 2, 3));
    polestatistics::PoleAverager averager;
    QTest::ignoreMessage(QtCriticalMsg, "CalcPoleCOOR - Calculate pole failed as invalid value.");
    QVERIFY(!analyseFrame(grey, in, &frame, &crop, averager));
    QCOMPARE(polePos.load(), QPointF(0, 0));
    QCOMPARE(crop.pixelColor(100, 100), QColor(1, 2, 3));
    QVERIFY(frame.pixelColor(400 - 20, 218) != QColor(Qt::black)); // star A's square
}

void TestFrameAnalysis::frameIsAnnotatedAndPublished()
{
    const cv::Mat grey = frameWithStars({starA, starB});
    FrameInputs in = monitoring(QPointF(400, 330));
    QImage frame(1280, 960, QImage::Format_RGB888);
    frame.fill(Qt::black);
    QImage crop(200, 200, QImage::Format_RGB888);
    polestatistics::PoleAverager averager;
    QVERIFY(analyseFrame(grey, in, &frame, &crop, averager));
    QCOMPARE(starAPos.load(), starA);
    QCOMPARE(starBPos.load(), starB);
    comparePoint(polePos.load(), QPointF(393.713, 321.578), 0.001);
    // The view is centred on the axis centre (400, 330): its red mark in the middle.
    QCOMPARE(crop.pixelColor(100, 100), QColor(255, 0, 0));
    QVERIFY(frame.pixelColor(445 + 20, 218 + 5).value() >= 128); // star A's square

    // Without monitoring nothing is measured; the marks stay where they were last measured.
    in.monitorPole = false;
    in.starASearchPos = QPointF(700, 700);
    frame.fill(Qt::black);
    QVERIFY(!analyseFrame(grey, in, &frame, &crop, averager));
    QCOMPARE(starAPos.load(), starA);
    QVERIFY(frame.pixelColor(445 + 20, 218 + 5).value() >= 128); // star A's square
}

// Noise-free frames: what remains of the uncertainty is the axis centre's and what no frame shows,
// the pole angles' error and the refraction (2.33904 px at 39.9 degrees): its model error corrected, all of it not.
void TestFrameAnalysis::uncertaintyIsPublishedWithThePole()
{
    const cv::Mat grey = frameWithStars({starA, starB});
    FrameInputs in = monitoring(QPointF(400, 330));
    in.siteLatitude = 39.9f;
    in.airPressureKPa = 101.0f;
    in.airTemperature = 10.0f;
    in.refractionEnabled = true;
    in.axisCenterCovariance = cv::Matx22d(0.3, 0, 0, 0.2);
    in.poleAnglesErrorArcsec = 5;
    QImage frame;
    QImage crop(200, 200, QImage::Format_RGB888);
    polestatistics::PoleAverager averager;
    for (int i = 0; i < 3; ++i)
        QVERIFY(analyseFrame(grey, in, &frame, &crop, averager));
    QCOMPARE(averager.frames(), 3);
    // The camera hands over the same exposure again: it is shown, but not averaged once more.
    QVERIFY(analyseFrame(grey, in, &frame, &crop, averager, polestatistics::maxFrames, false));
    QCOMPARE(averager.frames(), 3);
    const double anglesPx = 5 / 30.5;
    const auto expected = [&](double unseenPx2) {
        return std::sqrt(cv::trace(averager.covariance()) + 0.5 + anglesPx * anglesPx + unseenPx2) * 30.5;
    };
    QVERIFY(std::abs(poleSigmaArcsec - expected(std::pow(polestatistics::refractionModelError * 2.33904, 2))) < 1e-3);

    in.refractionEnabled = false;
    QVERIFY(analyseFrame(grey, in, &frame, &crop, averager));
    QVERIFY(std::abs(poleSigmaArcsec - expected(2.33904 * 2.33904)) < 1e-3);

    // Monitoring ends: the next time it starts, it averages afresh.
    in.monitorPole = false;
    analyseFrame(grey, in, &frame, &crop, averager);
    QVERIFY(averager.empty());
}

QTEST_GUILESS_MAIN(TestFrameAnalysis)
#include "tst_frameanalysis.moc"
