// Star centroid measurement: the edge cases of GetPreciseStarPos and GetGravityCenter, accuracy on
// pixel-integrated Gaussian stars, and the filtering shortcut against whole-frame filtering.
#include "messagelog.h"
#include "staralgorithms.h"
#include "starmeasure.h"
#include "syntheticstar.h"

#include <QtTest>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(cv::Mat)

namespace {

const QString outOfFov = QStringLiteral("GetPreciseStarPos - Out of Whole FOV");
const QString patchOutOfFov = QStringLiteral("GetGravityCenter - Out of Whole FOV");
const QString noStar = QStringLiteral("GetPreciseStarPos - No Star in the ROI Area.");

cv::Mat blackFrame()
{
    return cv::Mat(960, 1280, CV_8UC1, cv::Scalar(0));
}

// A noise-free frame with one FWHM 3 star centred on (x, y).
cv::Mat frameWithStar(double x, double y, double background = 10)
{
    cv::Mat1d sky(960, 1280, 0.0);
    addStar(sky, x, y, 3.0, 200);
    cv::RNG rng;
    return toFrame(sky, background, 0, rng);
}

struct Measured
{
    int result;
    double x, y;
    QStringList log;
};

Measured measure(const cv::Mat &image, double x, double y)
{
    const MessageLog log;
    Measured m {};
    m.result = starAlgorithms.GetPreciseStarPos(image, x, y, &m.x, &m.y);
    m.log = log.criticals();
    return m;
}

} // namespace

class TestStarMeasure : public QObject
{
    Q_OBJECT

private slots:
    void symmetricStarIsExact();
    void searchBoxLimits_data();
    void searchBoxLimits();
    void blackBoxHasNoStar();
    void peakNearFrameEdgeKeepsBrightestPixel();
    void flatPatchKeepsBrightestPixel();
    void equalMaximaTakeFirstInRowOrder_data();
    void equalMaximaTakeFirstInRowOrder();
    void blackPatchAfterLevelHasNoCentroid();
    void unusableInputs_data();
    void unusableInputs();
    void syntheticStarsWithinTenthPixel_data();
    void syntheticStarsWithinTenthPixel();
    void shortcutFilterIsBitIdentical_data();
    void shortcutFilterIsBitIdentical();
    void shortcutMeasuresLikeWholeFrame();
};

void TestStarMeasure::symmetricStarIsExact()
{
    const cv::Mat frame = frameWithStar(300, 400);
    for (const cv::Point2d rough :
        {cv::Point2d(300, 400), cv::Point2d(310.7, 391.2), cv::Point2d(285, 418)}) {
        const Measured m = measure(frame, rough.x, rough.y);
        QCOMPARE(m.result, 0);
        QCOMPARE(m.x, 300.0);
        QCOMPARE(m.y, 400.0);
        QVERIFY(m.log.isEmpty());
    }
}

void TestStarMeasure::searchBoxLimits_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("accepted");
    // trunc(19.5 - 20) is 0: the box starts at column 0.
    QTest::newRow("x 19.5") << 19.5 << 480.0 << true;
    QTest::newRow("x 19.0") << 19.0 << 480.0 << false;
    QTest::newRow("x 1260.999") << 1260.999 << 480.0 << true;
    QTest::newRow("x 1261") << 1261.0 << 480.0 << false;
    QTest::newRow("y 19.5") << 640.0 << 19.5 << true;
    QTest::newRow("y 18.9") << 640.0 << 18.9 << false;
    QTest::newRow("y 940.5") << 640.0 << 940.5 << true;
    QTest::newRow("y 941") << 640.0 << 941.0 << false;
    QTest::newRow("far outside") << 1e300 << -1e300 << false;
}

void TestStarMeasure::searchBoxLimits()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(bool, accepted);
    // On a flat frame an accepted box yields its first pixel.
    cv::Mat frame(960, 1280, CV_8UC1, cv::Scalar(50));
    const Measured m = measure(frame, x, y);
    QCOMPARE(m.result, accepted ? 0 : -1);
    QCOMPARE(m.log.contains(outOfFov), !accepted);
    if (!accepted) {
        QCOMPARE(m.x, x);
        QCOMPARE(m.y, y);
    }
}

void TestStarMeasure::blackBoxHasNoStar()
{
    cv::Mat frame = blackFrame();
    frame.at<uchar>(400, 300) = 255; // a hot pixel, removed by the 3 x 3 median
    const Measured m = measure(frame, 301.5, 398.2);
    QCOMPARE(m.result, -1);
    QCOMPARE(m.log, QStringList {noStar});
    QCOMPARE(m.x, 301.5);
    QCOMPARE(m.y, 398.2);
}

void TestStarMeasure::peakNearFrameEdgeKeepsBrightestPixel()
{
    // Brightest pixels in the first 10 and the last 9 columns or rows pass the box test but not the
    // patch test.
    const QList<cv::Point> peaks {{8, 300}, {1275, 300}, {600, 3}, {600, 951}, {9, 9}};
    for (const cv::Point &peak : peaks) {
        const cv::Mat frame = frameWithStar(peak.x, peak.y);
        const double roughX = qBound(20.0, peak.x + 2.0, 1260.0);
        const double roughY = qBound(20.0, peak.y - 3.0, 940.0);
        const Measured m = measure(frame, roughX, roughY);
        QCOMPARE(m.result, 0);
        QCOMPARE(m.x, double(peak.x));
        QCOMPARE(m.y, double(peak.y));
        QCOMPARE(m.log, QStringList {patchOutOfFov});
    }
    // Column 10 and row 950 are the first inside the patch test: the centroid is computed.
    const Measured inside = measure(frameWithStar(10, 950), 25, 935);
    QCOMPARE(inside.result, 0);
    QVERIFY(inside.log.isEmpty());
}

void TestStarMeasure::flatPatchKeepsBrightestPixel()
{
    // Peak 150 over a background of 100 is no distinct star (peak / mean < 2.5). The median turns
    // the 3 x 3 block into a plus sign whose top pixel comes first in row order.
    cv::Mat frame(960, 1280, CV_8UC1, cv::Scalar(100));
    frame(cv::Rect(400, 300, 3, 3)) = 150;
    const Measured m = measure(frame, 405, 310);
    QCOMPARE(m.result, 0);
    QCOMPARE(m.x, 401.0);
    QCOMPARE(m.y, 300.0);
    QVERIFY(m.log.isEmpty());
}

void TestStarMeasure::equalMaximaTakeFirstInRowOrder_data()
{
    QTest::addColumn<QPoint>("blockA");
    QTest::addColumn<QPoint>("blockB");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("upper row beats left column") << QPoint(410, 300) << QPoint(400, 305) << QPointF(411, 300);
    QTest::newRow("same row: left wins") << QPoint(410, 300) << QPoint(400, 300) << QPointF(401, 300);
}

void TestStarMeasure::equalMaximaTakeFirstInRowOrder()
{
    QFETCH(QPoint, blockA);
    QFETCH(QPoint, blockB);
    QFETCH(QPointF, expected);
    cv::Mat frame(960, 1280, CV_8UC1, cv::Scalar(100));
    frame(cv::Rect(blockA.x(), blockA.y(), 3, 3)) = 150;
    frame(cv::Rect(blockB.x(), blockB.y(), 3, 3)) = 150;
    const Measured m = measure(frame, 405, 304);
    QCOMPARE(m.result, 0);
    QCOMPARE(QPointF(m.x, m.y), expected);
}

void TestStarMeasure::blackPatchAfterLevelHasNoCentroid()
{
    // A band of value 1, six rows high, over black: peak 1, mean 0.3, level 0.51 rounds to 1, and
    // nothing is left above the level (m00 = 0).
    cv::Mat frame = blackFrame();
    frame(cv::Rect(0, 390, 1280, 6)) = 1;
    const MessageLog log;
    double x = -1, y = -1;
    QCOMPARE(starAlgorithms.GetGravityCenter(frame, 300, 400, &x, &y), -1);
    QCOMPARE(x, 300.0);
    QCOMPARE(y, 400.0);
    QVERIFY(log.criticals().isEmpty());
    // GetPreciseStarPos then answers with the first brightest pixel of its box.
    const Measured m = measure(frame, 300, 400);
    QCOMPARE(m.result, 0);
    QCOMPARE(QPointF(m.x, m.y), QPointF(280, 390));
}

void TestStarMeasure::unusableInputs_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<cv::Mat>("image");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QPointF>("out");
    const cv::Mat star = frameWithStar(300, 400);
    QTest::newRow("missing image") << cv::Mat() << 300.0 << 400.0 << QStringList() << QPointF(300, 400);
    QTest::newRow("colour image") << cv::Mat(960, 1280, CV_8UC3, cv::Scalar::all(90)) << 300.0 << 400.0
                                  << QStringList() << QPointF(300, 400);
    QTest::newRow("NaN x") << star << nan << 400.0 << QStringList {outOfFov} << QPointF(0, 0);
    QTest::newRow("infinite y") << star << 300.0 << inf << QStringList {outOfFov} << QPointF(0, 0);
    QTest::newRow("-infinite x") << star << -inf << 400.0 << QStringList {outOfFov} << QPointF(0, 0);
    QTest::newRow("too small image") << cv::Mat(15, 15, CV_8UC1, cv::Scalar(9)) << 20.0 << 20.0
                                     << QStringList {outOfFov} << QPointF(20, 20);
}

void TestStarMeasure::unusableInputs()
{
    QFETCH(cv::Mat, image);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QStringList, log);
    QFETCH(QPointF, out);
    const Measured m = measure(image, x, y);
    QCOMPARE(m.result, -1);
    QCOMPARE(m.log, log);
    QCOMPARE(QPointF(m.x, m.y), out);

    const MessageLog patchLog;
    double gx = 1, gy = 1;
    QCOMPARE(starAlgorithms.GetGravityCenter(image, x, y, &gx, &gy), -1);
    QVERIFY(std::isfinite(gx) && std::isfinite(gy));
    QCOMPARE(patchLog.criticals().size(), log.size());
}

void TestStarMeasure::syntheticStarsWithinTenthPixel_data()
{
    QTest::addColumn<double>("fwhm");
    QTest::addColumn<double>("noiseSigma");
    QTest::addColumn<double>("maxError"); // px, largest error over all phases and noise draws
    QTest::addColumn<double>("maxRms");   // px, root mean square of the x and y errors
    // Peak 180 over a background of 20; a noise sigma of 3.6 is a peak SNR of 50 (an SNR of 64 to
    // 128 for the light within one FWHM of the centre). Measured with these seeds (largest / RMS
    // error, px):
    //   FWHM  no noise       SNR 50
    //   2.0   0.200 / 0.087  0.262 / 0.097
    //   2.5   0.084 / 0.026  0.162 / 0.043
    //   3.0   0.070 / 0.040  0.140 / 0.046
    //   4.0   0.040 / 0.022  0.117 / 0.035
    // Without noise the error is the pixel-phase bias of the thresholded centroid, which pulls towards
    // the brightest pixel; at FWHM 2 the 3 x 3 median flattens the core and doubles it.
    QTest::newRow("FWHM 2.0, no noise") << 2.0 << 0.0 << 0.21 << 0.09;
    QTest::newRow("FWHM 2.5, no noise") << 2.5 << 0.0 << 0.09 << 0.03;
    QTest::newRow("FWHM 3.0, no noise") << 3.0 << 0.0 << 0.075 << 0.045;
    QTest::newRow("FWHM 4.0, no noise") << 4.0 << 0.0 << 0.045 << 0.025;
    for (double fwhm : {2.0, 2.5, 3.0, 4.0}) {
        QTest::addRow("FWHM %.1f, SNR 50", fwhm) << fwhm << 3.6 << 0.3 << 0.1;
    }
}

void TestStarMeasure::syntheticStarsWithinTenthPixel()
{
    QFETCH(double, fwhm);
    QFETCH(double, noiseSigma);
    QFETCH(double, maxError);
    QFETCH(double, maxRms);
    cv::RNG rng(20261207);
    const int draws = noiseSigma > 0 ? 5 : 1;
    double worst = 0, sumSquares = 0;
    int count = 0;
    for (int phaseY = 0; phaseY < 10; ++phaseY) {
        for (int phaseX = 0; phaseX < 10; ++phaseX) {
            for (int draw = 0; draw < draws; ++draw) {
                const double x = 60 + phaseX / 10.0;
                const double y = 60 + phaseY / 10.0;
                cv::Mat1d sky(120, 120, 0.0);
                addStar(sky, x, y, fwhm, 180);
                const cv::Mat frame = toFrame(sky, 20, noiseSigma, rng);
                double mx = 0, my = 0;
                QCOMPARE(starAlgorithms.GetPreciseStarPos(frame, x + 6.3, y - 4.8, &mx, &my), 0);
                worst = std::max({worst, std::fabs(mx - x), std::fabs(my - y)});
                sumSquares += (mx - x) * (mx - x) + (my - y) * (my - y);
                count += 2;
            }
        }
    }
    const double rms = std::sqrt(sumSquares / count);
    QVERIFY2(worst <= maxError && rms <= maxRms,
        qPrintable(QStringLiteral("FWHM %1, noise %2: largest error %3 (limit %4), RMS %5 (limit %6) px")
                       .arg(fwhm)
                       .arg(noiseSigma)
                       .arg(worst)
                       .arg(maxError)
                       .arg(rms)
                       .arg(maxRms)));
}

void TestStarMeasure::shortcutFilterIsBitIdentical_data()
{
    QTest::addColumn<QRect>("region");
    const int w = 1280, h = 960;
    for (int size : {40, 20}) {
        const int r = w - size, b = h - size;
        QTest::addRow("%d middle", size) << QRect(613, 457, size, size);
        QTest::addRow("%d left edge", size) << QRect(0, 300, size, size);
        QTest::addRow("%d right edge", size) << QRect(r, 300, size, size);
        QTest::addRow("%d top edge", size) << QRect(500, 0, size, size);
        QTest::addRow("%d bottom edge", size) << QRect(500, b, size, size);
        QTest::addRow("%d top-left", size) << QRect(0, 0, size, size);
        QTest::addRow("%d top-right", size) << QRect(r, 0, size, size);
        QTest::addRow("%d bottom-left", size) << QRect(0, b, size, size);
        QTest::addRow("%d bottom-right", size) << QRect(r, b, size, size);
        QTest::addRow("%d one in from the corner", size) << QRect(1, 1, size, size);
        QTest::addRow("%d one in from the far corner", size) << QRect(r - 1, b - 1, size, size);
    }
}

void TestStarMeasure::shortcutFilterIsBitIdentical()
{
    QFETCH(QRect, region);
    cv::Mat frame(960, 1280, CV_8UC1);
    cv::RNG(7).fill(frame, cv::RNG::UNIFORM, 0, 256);
    const cv::Rect rect(region.x(), region.y(), region.width(), region.height());
    const cv::Mat shortcut = starmeasure::medianOfRegion(frame, rect);
    const cv::Mat whole = starmeasure::medianOfWholeFrame(frame, rect);
    QCOMPARE(shortcut.size(), rect.size());
    QCOMPARE(cv::norm(shortcut, whole, cv::NORM_INF), 0.0);
}

void TestStarMeasure::shortcutMeasuresLikeWholeFrame()
{
    // A noisy field of stars, measured at random rough positions (edges included) with both filters:
    // results and logs must be the same to the last bit.
    cv::RNG rng(42);
    cv::Mat1d sky(960, 1280, 0.0);
    for (int i = 0; i < 300; ++i) {
        addStar(sky, rng.uniform(0.0, 1280.0), rng.uniform(0.0, 960.0), rng.uniform(2.0, 4.0),
            rng.uniform(30.0, 250.0));
    }
    const cv::Mat frame = toFrame(sky, 15, 3, rng);
    for (int i = 0; i < 300; ++i) {
        const double x = rng.uniform(15.0, 1266.0), y = rng.uniform(15.0, 946.0);
        double sx = 0, sy = 0, wx = 0, wy = 0;
        const MessageLog shortcutLog;
        const int s = starmeasure::preciseStarPos(frame, x, y, &sx, &sy, starmeasure::medianOfRegion);
        const QStringList shortcutMessages = shortcutLog.criticals();
        const MessageLog wholeLog;
        const int w = starmeasure::preciseStarPos(frame, x, y, &wx, &wy, starmeasure::medianOfWholeFrame);
        QCOMPARE(s, w);
        QCOMPARE(sx, wx);
        QCOMPARE(sy, wy);
        QCOMPARE(shortcutMessages, wholeLog.criticals());
    }
}

QTEST_GUILESS_MAIN(TestStarMeasure)
#include "tst_starmeasure.moc"
