// The magnified view computed from a crop must be the window of the whole five-fold enlargement,
// pixel for pixel, with the marks in the right places and colours.
#include "magnifierwindow.h"
#include "naivepipeline.h"

#include <QtTest>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace {
const cv::Size frameSize(1280, 960);

cv::Mat noiseFrame()
{
    cv::Mat grey(frameSize, CV_8UC1);
    cv::RNG rng(20261207);
    rng.fill(grey, cv::RNG::UNIFORM, 0, 256);
    return grey;
}

cv::Vec3b pixel(const cv::Mat &image, int x, int y)
{
    return image.at<cv::Vec3b>(y, x);
}
} // namespace

class TestMagnifierWindow : public QObject
{
    Q_OBJECT

private slots:
    void matchesWholeEnlargement_data();
    void matchesWholeEnlargement();
    void marksSitInTheMiddleInBothStyles();
    void axisCentreNearTheEdgeKeepsTheViewCentred();
    void unusableCentresReadNothingOutside();
};

void TestMagnifierWindow::matchesWholeEnlargement_data()
{
    QTest::addColumn<bool>("mono");
    QTest::newRow("colour") << false;
    QTest::newRow("mono") << true;
}

// Random sub-pixel axis centres over the whole area where the window and every mark near it lie
// on the enlargement, poles anywhere in or around the window.
void TestMagnifierWindow::matchesWholeEnlargement()
{
    QFETCH(bool, mono);
    const cv::Mat grey = noiseFrame();
    NaivePipeline naive(frameSize);
    cv::RNG rng(mono ? 7 : 8);
    cv::Mat fast(200, 200, CV_8UC3), reference(200, 200, CV_8UC3);
    int compared = 0;
    for (int i = 0; i < 200; ++i) {
        QPointF axis(rng.uniform(23.0, 1257.0), rng.uniform(23.0, 937.0));
        if (i < 8) // the extreme corners of that area
            axis = QPointF(i & 1 ? 1256.99 : 23.0, i & 2 ? 936.99 : 23.0);
        const QPointF pole = axis + QPointF(rng.uniform(-24.0, 24.0), rng.uniform(-24.0, 24.0));
        QVERIFY(naive.renderMagnifierWindow(grey, axis, pole, mono, reference));
        renderMagnifierWindow(grey, axis, pole, mono, fast);
        const double diff = cv::norm(fast, reference, cv::NORM_INF);
        if (diff != 0)
            QFAIL(qPrintable(QString("axis (%1, %2), pole (%3, %4): largest difference %5")
                                 .arg(axis.x(), 0, 'f', 4)
                                 .arg(axis.y(), 0, 'f', 4)
                                 .arg(pole.x(), 0, 'f', 4)
                                 .arg(pole.y(), 0, 'f', 4)
                                 .arg(diff)));
        ++compared;
    }
    QCOMPARE(compared, 200);
}

void TestMagnifierWindow::marksSitInTheMiddleInBothStyles()
{
    const cv::Mat grey(frameSize, CV_8UC1, cv::Scalar(0));
    cv::Mat window(200, 200, CV_8UC3);
    // Axis centre at (640.3, 480.7): its mark is at (3201, 2403) of the enlargement, which is the
    // window's (100, 100). The pole 10 frame pixels to the right: its mark at window (150, 100).
    const QPointF axis(640.3, 480.7), pole(650.3, 480.7);
    renderMagnifierWindow(grey, axis, pole, false, window);
    QCOMPARE(pixel(window, 100, 100), cv::Vec3b(255, 0, 0));     // axis disc, red
    QCOMPARE(pixel(window, 100 - 8, 100), cv::Vec3b(255, 0, 0)); // tick from -11 to -6
    QCOMPARE(pixel(window, 100, 100 + 11), cv::Vec3b(255, 0, 0));
    QCOMPARE(pixel(window, 100 - 3, 100), cv::Vec3b(0, 0, 0));       // between disc and ring
    QCOMPARE(pixel(window, 150, 100), cv::Vec3b(0, 255, 0));         // pole disc, green
    QCOMPARE(pixel(window, 150 + 9, 100 - 7), cv::Vec3b(0, 255, 0)); // top-right bracket
    QCOMPARE(pixel(window, 150 + 6, 100 - 9), cv::Vec3b(0, 255, 0));
    QCOMPARE(pixel(window, 150 + 9, 100 + 2), cv::Vec3b(0, 0, 0)); // bracket gap

    renderMagnifierWindow(grey, axis, pole, true, window);
    QCOMPARE(pixel(window, 100, 100), cv::Vec3b(255, 248, 248));
    QCOMPARE(pixel(window, 150, 100), cv::Vec3b(255, 248, 248));
}

// Within 20 pixels of the frame's edge the window leaves the enlargement: the part beyond the
// frame is black and the axis mark stays in the middle of the view.
void TestMagnifierWindow::axisCentreNearTheEdgeKeepsTheViewCentred()
{
    const cv::Mat grey(frameSize, CV_8UC1, cv::Scalar(90));
    cv::Mat window(200, 200, CV_8UC3);
    const QPointF corners[] = {{4.2, 3.9}, {1275.5, 957.0}, {0.0, 480.0}, {640.0, 959.9}};
    for (const QPointF &axis : corners) {
        window.setTo(cv::Scalar::all(7));
        renderMagnifierWindow(grey, axis, QPointF(-100, -100), false, window);
        QCOMPARE(pixel(window, 100, 100), cv::Vec3b(255, 0, 0));
        const cv::Point origin = magnifierWindowOrigin(axis);
        // A window pixel on the frame shows it; one beyond the edge is black.
        for (const cv::Point &p :
            {cv::Point(0, 0), cv::Point(199, 199), cv::Point(199, 0), cv::Point(0, 199)}) {
            const cv::Point e = origin + p;
            const bool onFrame = e.x >= 0 && e.y >= 0 && e.x < 6400 && e.y < 4800;
            QCOMPARE(pixel(window, p.x, p.y), onFrame ? cv::Vec3b(90, 90, 90) : cv::Vec3b(0, 0, 0));
        }
    }
}

void TestMagnifierWindow::unusableCentresReadNothingOutside()
{
    // A frame view inside a larger buffer: reading outside the view would show the 255 border.
    cv::Mat buffer(frameSize.height + 200, frameSize.width + 200, CV_8UC1, cv::Scalar(255));
    cv::Mat grey = buffer(cv::Rect(100, 100, frameSize.width, frameSize.height));
    grey.setTo(cv::Scalar(0));
    cv::Mat window(200, 200, CV_8UC3);
    const double nan = std::nan("");
    const QPointF centres[] = {{nan, 10}, {1e300, -1e300}, {-5000, 30}, {1279.9, -3}, {0, 0}};
    for (const QPointF &axis : centres) {
        window.setTo(cv::Scalar::all(7));
        renderMagnifierWindow(grey, axis, QPointF(nan, nan), true, window);
        cv::Mat channel;
        cv::extractChannel(window, channel, 1);
        double largest = 0;
        cv::minMaxLoc(channel, nullptr, &largest);
        QVERIFY2(largest == 0 || largest == 248, qPrintable(QString::number(largest)));
    }
}

QTEST_GUILESS_MAIN(TestMagnifierWindow)
#include "tst_magnifierwindow.moc"
