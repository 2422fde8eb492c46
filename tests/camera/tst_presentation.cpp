// The live view's presentation: display sizes per zoom, the overlays in the display format, position
// texts, the style's pictures, the magnifier lens at the picture's edges, snapshots saved in the
// format of their suffix, and when a picture stops being live.
#include "frameanalysis.h"
#include "freshness.h"
#include "imagecompare.h"
#include "magnifierwidget.h"
#include "overlays.h"
#include "presentation.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

class TestPresentation : public QObject
{
    Q_OBJECT

private slots:
    void displaySizeFollowsTheZoom_data();
    void displaySizeFollowsTheZoom();
    void displayScalingLooksLikeQtSmoothScaling_data();
    void displayScalingLooksLikeQtSmoothScaling();
    void overlaysLookTheSameInTheDisplayFormat();
    void positionTextHasOneDecimal();
    void picturesOfTheStyles();
    void magnifierKeepsItsSquareInsideThePicture_data();
    void magnifierKeepsItsSquareInsideThePicture();
    void saveAsWritesTheFormatOfTheSuffix_data();
    void saveAsWritesTheFormatOfTheSuffix();
    void staleAfterAFewFrameTimes_data();
    void staleAfterAFewFrameTimes();
};

void TestPresentation::displaySizeFollowsTheZoom_data()
{
    QTest::addColumn<float>("zoom");
    QTest::addColumn<int>("reportedWidth");
    QTest::addColumn<int>("reportedHeight");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("100 %") << 1.0f << 1280 << 960 << QSize(1280, 960);
    QTest::newRow("75 %") << 0.75f << 1280 << 960 << QSize(960, 720);
    QTest::newRow("50 %") << 0.5f << 1280 << 960 << QSize(640, 480);
    QTest::newRow("stored 0.8, truncated") << 0.8f << 1279 << 959 << QSize(1023, 767);
    QTest::newRow("no size reported") << 0.5f << 0 << 0 << QSize(640, 480);
    QTest::newRow("size beyond the frame") << 1.0f << 1 << 100000 << QSize(1280, 960);
}

void TestPresentation::displaySizeFollowsTheZoom()
{
    QFETCH(float, zoom);
    QFETCH(int, reportedWidth);
    QFETCH(int, reportedHeight);
    QFETCH(QSize, expected);
    QCOMPARE(displaySize(zoom, reportedWidth, reportedHeight, QSize(1280, 960)), expected);
}

void TestPresentation::displayScalingLooksLikeQtSmoothScaling_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("format"); // QImage::Format
    for (const auto format : {QImage::Format_RGB888, QImage::Format_RGB32}) {
        const char *name = format == QImage::Format_RGB32 ? "RGB32" : "RGB888";
        QTest::addRow("75 %% %s", name) << QSize(960, 720) << int(format);
        QTest::addRow("50 %% %s", name) << QSize(640, 480) << int(format);
        QTest::addRow("100 %% %s", name) << QSize(1280, 960) << int(format);
    }
}

// The display shows the picture Qt's smooth scaling would: on a field of sharp stars (the
// hardest case for any filter) the two differ by well under a grey level on average, and every star
// stays visible.
void TestPresentation::displayScalingLooksLikeQtSmoothScaling()
{
    QFETCH(QSize, size);
    QFETCH(int, format);
    QImage frame(1280, 960, QImage::Format(format));
    frame.fill(QColor(14, 14, 14));
    QVector<QPoint> stars;
    for (int i = 0; i < 400; ++i) {
        const QPoint star((i * 7919) % 1276 + 2, (i * 104729) % 956 + 2);
        stars << star;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                frame.setPixelColor(
                    star.x() + dx, star.y() + dy, dx || dy ? QColor(120, 120, 120) : Qt::white);
    }
    const QImage shown = scaleForDisplay(frame, size);
    QCOMPARE(shown.size(), size);
    QCOMPARE(int(shown.format()), format);
    if (format == QImage::Format_RGB32) // the capture thread's frames: the very pixels of RGB888
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB888),
            scaleForDisplay(frame.convertToFormat(QImage::Format_RGB888), size));
    if (size == frame.size()) {
        QCOMPARE(shown.constBits(), frame.constBits()); // shown as it is, not copied
        return;
    }
    const QImage qt = frame.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            sum += std::abs(qGray(shown.pixel(x, y)) - qGray(qt.pixel(x, y)));
    const double meanDifference = sum / (size.width() * size.height());
    QVERIFY2(meanDifference < 1.0, qPrintable(QString("mean difference %1 grey levels").arg(meanDifference)));
    const double scale = double(size.width()) / frame.width();
    for (const QPoint &star : stars) {
        const int x = qMin(int(star.x() * scale), size.width() - 1),
                  y = qMin(int(star.y() * scale), size.height() - 1);
        QVERIFY2(qGray(shown.pixel(x, y)) > 60,
            qPrintable(QString("star at (%1,%2) lost").arg(star.x()).arg(star.y())));
    }
}

// The capture thread draws the overlays on RGB32 frames: every pixel comes out as on RGB888, up to
// the blending's rounding.
void TestPresentation::overlaysLookTheSameInTheDisplayFormat()
{
    FrameInputs in;
    in.showAxisCenter = in.showAxisCircle = in.showReticle = true;
    in.showStarAMarker = in.showStarBMarker = in.monitorPole = true;
    in.axisCenter = QPointF(640.3, 480.7);
    in.axisCircleRadius = 123;
    in.expectedPolarisPos = QPointF(700.5, 400.25);
    in.reticleAngle = 37;
    PoleMeasurement m;
    m.starAPos = QPointF(300.2, 200.9);
    m.starBPos = QPointF(900.6, 700.1);
    m.polePos = QPointF(650.4, 470.6);
    for (const bool mono : {false, true}) {
        in.monoStyle = mono;
        QImage rgb(1280, 960, QImage::Format_RGB888), rgb32(1280, 960, QImage::Format_RGB32);
        rgb.fill(QColor(30, 30, 30));
        rgb32.fill(QColor(30, 30, 30));
        drawDisplayOverlays(&rgb, in, m);
        drawDisplayOverlays(&rgb32, in, m);
        const QString difference = imageDifference(rgb32, rgb, 2);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
}

void TestPresentation::positionTextHasOneDecimal()
{
    QCOMPARE(positionText(QPointF(640, 479.54)), QString("(640.0,479.5)"));
    QCOMPARE(positionText(QPointF(-3.26, 0.04)), QString("(-3.3,0.0)"));
}

void TestPresentation::picturesOfTheStyles()
{
    QCOMPARE(lampPicture(true, true), QString(":/images/lighton_mono.png"));
    QCOMPARE(lampPicture(false, false), QString(":/images/lightoff_color.png"));
    QCOMPARE(poleIconPicture(false), QString(":/images/pole_color.png"));
    QCOMPARE(axisIconPicture(true), QString(":/images/center.png"));
    QCOMPARE(sliderGlowColor(true), QColor(248, 248, 255));
    QCOMPARE(sliderGlowColor(false), QColor(224, 134, 26));
}

// The 150 x 150 lens at zoom 5 shows 30 x 30 picture pixels around its centre; the centre is held
// 15 pixels inside the picture.
void TestPresentation::magnifierKeepsItsSquareInsideThePicture_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QPoint>("centre");
    QTest::newRow("top-left corner") << QPoint(0, 0) << QPoint(15, 15);
    QTest::newRow("inside") << QPoint(300, 200) << QPoint(300, 200);
    QTest::newRow("bottom-right corner") << QPoint(639, 479) << QPoint(625, 465);
    QTest::newRow("beyond the right edge") << QPoint(900, 100) << QPoint(625, 100);
    QTest::newRow("above the top") << QPoint(100, -40) << QPoint(100, 15);
}

void TestPresentation::magnifierKeepsItsSquareInsideThePicture()
{
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, centre);
    // Every pixel of the picture is distinct, so the square shown tells where it was cut.
    QImage picture(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));

    QWidget parent;
    MagnifierWidget lens(150, 150, &parent);
    QCOMPARE(lens.geometry(), QRect(2, 2, 152, 152));
    lens.setZoom(5);
    lens.setSourcePixmap(QPixmap::fromImage(picture));
    lens.setCenter(pointer.x(), pointer.y());
    lens.grab(); // paints

    QCOMPARE(lens.center(), centre);
    const QImage shown = lens.shownSquare().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, picture.copy(centre.x() - 15, centre.y() - 15, 30, 30));
}

void TestPresentation::saveAsWritesTheFormatOfTheSuffix_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("png") << "shot.png" << QByteArray("\x89PNG");
    QTest::newRow("jpg") << "shot.jpg" << QByteArray("\xFF\xD8\xFF");
    QTest::newRow("bmp") << "shot.bmp" << QByteArray("BM");
}

void TestPresentation::saveAsWritesTheFormatOfTheSuffix()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, magic);
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    QImage frame(640, 480, QImage::Format_RGB888);
    frame.fill(QColor(30, 60, 90));

    QVERIFY(saveSnapshot(frame, path));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.read(magic.size()), magic);
    QCOMPARE(QImage(path).size(), QSize(640, 480));
}

// Frames come every `intervalMs` at the exposure, the last one after a gap of `gapMs`; `afterMs`
// later the note reads `note` (empty: live). A frame then makes them live again, unless lost.
void TestPresentation::staleAfterAFewFrameTimes_data()
{
    QTest::addColumn<int>("exposureMs");
    QTest::addColumn<int>("intervalMs");
    QTest::addColumn<int>("gapMs");
    QTest::addColumn<int>("afterMs");
    QTest::addColumn<QString>("lost");
    QTest::addColumn<QString>("note");
    QTest::newRow("fast frames, live") << 50 << 50 << 50 << 1400 << ""
                                       << "";
    QTest::newRow("fast frames, late") << 50 << 50 << 50 << 1600 << ""
                                       << "stale: no frame for 1 s";
    QTest::newRow("slow exposure, live") << 2000 << 2000 << 2000 << 5900 << ""
                                         << "";
    QTest::newRow("slow exposure, late") << 2000 << 2000 << 2000 << 6100 << ""
                                         << "stale: no frame for 6 s";
    QTest::newRow("frames slower than exposure") << 50 << 1000 << 1000 << 2900 << ""
                                                 << "";
    QTest::newRow("an outage does not stretch the limit") << 50 << 50 << 20000 << 1600 << ""
                                                          << "stale: no frame for 1 s";
    QTest::newRow("lost wins at once") << 50 << 50 << 50 << 100 << "camera lost"
                                       << "stale: no frame for 0 s — camera lost";
    QTest::newRow("minutes") << 50 << 50 << 50 << 125000 << ""
                             << "stale: no frame for 2 min 05 s";
}

void TestPresentation::staleAfterAFewFrameTimes()
{
    QFETCH(int, exposureMs);
    QFETCH(int, intervalMs);
    QFETCH(int, gapMs);
    QFETCH(int, afterMs);
    QFETCH(QString, lost);
    QFETCH(QString, note);
    using ms = std::chrono::milliseconds;
    FrameFreshness freshness;
    const FrameFreshness::Clock::time_point start;
    QCOMPARE(freshness.state(start), FrameFreshness::State::Idle);
    freshness.setExposure(ms(exposureMs));
    for (int i = 0; i < 10; ++i)
        freshness.frameArrived(start + ms(i * intervalMs));
    const auto last = start + ms(9 * intervalMs + gapMs);
    freshness.frameArrived(last);
    freshness.setLost(lost);
    QCOMPARE(freshness.note(last + ms(afterMs)), note);
    freshness.frameArrived(last + ms(afterMs));
    QCOMPARE(freshness.state(last + ms(afterMs)),
        lost.isEmpty() ? FrameFreshness::State::Fresh : FrameFreshness::State::Stale);
    freshness.clear();
    QCOMPARE(freshness.state(last + ms(afterMs)), FrameFreshness::State::Idle);
}

QTEST_MAIN(TestPresentation)
#include "tst_presentation.moc"
