// An INDI camera's FITS frames, made here with CFITSIO in memory: what decodes (8 and 16 bit,
// mono, Bayer, colour planes, odd sizes, the time stamp), what is refused with a reason, and the
// conversion to the program's frame (scale about the centre, black outside the camera, the
// 16-bit stretch that keeps bright stars' cores below saturation).
#include "fitsframe.h"
#include "karvix.h"

#include <QtTest>
#include <fitsio.h>
#include <opencv2/imgproc.hpp>

#include <cstdlib>

using namespace karvix::indi;

namespace {

struct Key
{
    std::string name, text; // a string value when text is not a number
};

// A FITS file in memory holding `image` (8U or 16U, `planes` planes stacked as rows).
QByteArray fitsFile(const cv::Mat &image, int planes = 1, const std::vector<Key> &keys = {})
{
    size_t size = 2880;
    void *memory = std::malloc(size);
    fitsfile *file = nullptr;
    int status = 0;
    fits_create_memfile(&file, &memory, &size, 2880, std::realloc, &status);
    const bool wide = image.depth() == CV_16U;
    long axes[3] = {image.cols, image.rows / planes, planes};
    fits_create_img(file, wide ? USHORT_IMG : BYTE_IMG, planes > 1 ? 3 : 2, axes, &status);
    for (const Key &key : keys) {
        char *end = nullptr;
        const double value = std::strtod(key.text.c_str(), &end);
        if (end && *end == '\0' && !key.text.empty())
            fits_update_key(file, TDOUBLE, key.name.c_str(), const_cast<double *>(&value), nullptr, &status);
        else
            fits_update_key(
                file, TSTRING, key.name.c_str(), const_cast<char *>(key.text.c_str()), nullptr, &status);
    }
    fits_write_img(file, wide ? TUSHORT : TBYTE, 1, LONGLONG(image.total()), image.data, &status);
    fits_close_file(file, &status);
    const QByteArray bytes
        = status == 0 ? QByteArray(static_cast<const char *>(memory), int(size)) : QByteArray();
    std::free(memory);
    return bytes;
}

// Replaces the value of a header card, keeping the card 80 characters long.
void setCard(QByteArray &fits, const QByteArray &key, const QByteArray &value)
{
    const int at = fits.indexOf(key.leftJustified(8, ' ') + "=");
    QVERIFY(at >= 0);
    fits.replace(at + 10, 20, value.rightJustified(20, ' '));
}

bool decode(const QByteArray &bytes, FitsFrame *frame, std::string *problem)
{
    return decodeFits(bytes.constData(), size_t(bytes.size()), frame, problem);
}

// Intensity-weighted centre of the image above its faintest pixel.
cv::Point2d centroid(const cv::Mat &image)
{
    double floor = 0;
    cv::minMaxLoc(image, &floor);
    cv::Mat weights;
    image.convertTo(weights, CV_64F, 1.0, -floor);
    const cv::Moments m = cv::moments(weights);
    return {m.m10 / m.m00, m.m01 / m.m00};
}

cv::Mat starField(cv::Size size, int depth, double background, double peak, cv::Point2d star, double sigma)
{
    cv::Mat image(size, CV_64F);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const double r2 = (x - star.x) * (x - star.x) + (y - star.y) * (y - star.y);
            image.at<double>(y, x) = background + peak * std::exp(-r2 / (2 * sigma * sigma));
        }
    cv::Mat out;
    image.convertTo(out, depth);
    return out;
}

} // namespace

class TestFitsFrame : public QObject
{
    Q_OBJECT

private slots:
    void decodes_data();
    void decodes();
    void refuses_data();
    void refuses();
    void keepsTheMiddleOfTheExposure();
    void resamplesAboutTheCentre_data();
    void resamplesAboutTheCentre();
    void programScaleEightBitPassesUnchanged();
    void stretchKeepsBrightCoresBelowSaturation();
};

void TestFitsFrame::decodes_data()
{
    QTest::addColumn<QByteArray>("fits");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("value"); // of every pixel

    QTest::newRow("8 bit mono") << fitsFile(cv::Mat(4, 6, CV_8U, cv::Scalar(77))) << CV_8UC1 << 6 << 4 << 77;
    QTest::newRow("16 bit mono, unsigned past 32767")
        << fitsFile(cv::Mat(5, 3, CV_16U, cv::Scalar(50000))) << CV_16UC1 << 3 << 5 << 50000;
    // Ends with its pixels, without the padding to a whole 2880-byte record (read past its end
    // before: the address sanitizer's build catches that).
    QTest::newRow("cut after its pixels")
        << fitsFile(cv::Mat(4, 6, CV_8U, cv::Scalar(77))).left(2880 + 24) << CV_8UC1 << 6 << 4 << 77;
    QTest::newRow("odd size, one pixel")
        << fitsFile(cv::Mat(1, 1, CV_8U, cv::Scalar(9))) << CV_8UC1 << 1 << 1 << 9;
    // Three planes of 30, 60 and 90: their mean.
    cv::Mat planes(3 * 3, 5, CV_16U);
    planes.rowRange(0, 3).setTo(30), planes.rowRange(3, 6).setTo(60), planes.rowRange(6, 9).setTo(90);
    QTest::newRow("colour planes") << fitsFile(planes, 3) << CV_16UC1 << 5 << 3 << 60;
    // An RGGB mosaic whose green pixels read twice the red and blue ones: luminance weighs green
    // most (0.299 R + 0.587 G + 0.114 B = 85), read with the wrong phase it would be 71.
    cv::Mat mosaic(7, 9, CV_8U);
    for (int y = 0; y < mosaic.rows; ++y)
        for (int x = 0; x < mosaic.cols; ++x)
            mosaic.at<uint8_t>(y, x) = (x + y) % 2 == 1 ? 100 : 50;
    QTest::newRow("Bayer RGGB, odd size")
        << fitsFile(mosaic, 1, {{"BAYERPAT", "RGGB"}}) << CV_8UC1 << 9 << 7 << 85;
    // GRBG is RGGB moved by a column: the same scene read with XBAYROFF 1.
    QTest::newRow("Bayer GRBG by offset")
        << fitsFile(mosaic, 1, {{"BAYERPAT", "GRBG"}, {"XBAYROFF", "1"}}) << CV_8UC1 << 9 << 7 << 85;
}

void TestFitsFrame::decodes()
{
    QFETCH(QByteArray, fits);
    QFETCH(int, type);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, value);
    FitsFrame frame;
    std::string problem;
    QVERIFY2(decode(fits, &frame, &problem), problem.c_str());
    QCOMPARE(frame.luminance.type(), type);
    QCOMPARE(frame.luminance.cols, width);
    QCOMPARE(frame.luminance.rows, height);
    // The middle pixel: a Bayer edge is interpolated from fewer neighbours.
    const cv::Mat inner = frame.luminance(cv::Rect(width / 2, height / 2, 1, 1));
    QVERIFY2(std::abs(cv::mean(inner)[0] - value) <= 1,
        qPrintable(QStringLiteral("middle pixel %1, expected %2").arg(cv::mean(inner)[0]).arg(value)));
}

void TestFitsFrame::refuses_data()
{
    QTest::addColumn<QByteArray>("fits");
    QTest::addColumn<QString>("reason");

    const QByteArray good = fitsFile(cv::Mat(10, 10, CV_16U, cv::Scalar(1)));
    QTest::newRow("empty") << QByteArray() << "not a FITS file";
    QTest::newRow("text") << QByteArray(4000, 'x') << "not a FITS file";
    QTest::newRow("header only") << good.left(2880) << "declares";
    QByteArray wide = good;
    setCard(wide, "NAXIS1", "40000");
    QTest::newRow("impossible width") << wide << "impossible FITS image size";
    QByteArray empty = good;
    setCard(empty, "NAXIS2", "0");
    QTest::newRow("no rows") << empty << "impossible FITS image size";
    QByteArray large = good;
    setCard(large, "NAXIS1", "30000");
    setCard(large, "NAXIS2", "30000");
    QTest::newRow("more pixels than bytes") << large << "declares";
    QByteArray floats = good;
    setCard(floats, "BITPIX", "-32");
    QTest::newRow("32-bit float") << floats << "BITPIX -32";
    QTest::newRow("four planes") << fitsFile(cv::Mat(8, 2, CV_8U, cv::Scalar(1)), 4) << "4 planes";
    QTest::newRow("unknown Bayer pattern")
        << fitsFile(cv::Mat(4, 4, CV_8U, cv::Scalar(1)), 1, {{"BAYERPAT", "CMYG"}}) << "Bayer pattern";
}

void TestFitsFrame::refuses()
{
    QFETCH(QByteArray, fits);
    QFETCH(QString, reason);
    FitsFrame frame;
    std::string problem;
    QVERIFY(!decode(fits, &frame, &problem));
    QVERIFY2(QString::fromStdString(problem).contains(reason), problem.c_str());
    QVERIFY(frame.luminance.empty());
}

void TestFitsFrame::keepsTheMiddleOfTheExposure()
{
    const cv::Mat image(2, 2, CV_8U, cv::Scalar(0));
    FitsFrame frame;
    std::string problem;
    QVERIFY(decode(
        fitsFile(image, 1, {{"DATE-OBS", "2026-12-08T08:00:00.500"}, {"EXPTIME", "1"}}), &frame, &problem));
    QCOMPARE(frame.utcSeconds, 1796716800.0 + 1.0); // 2026-12-08 08:00:00 UTC + 0.5 s + half of 1 s
    QCOMPARE(frame.exposureSeconds, 1.0);
    QVERIFY(decode(fitsFile(image), &frame, &problem));
    QVERIFY(std::isnan(frame.utcSeconds));
}

void TestFitsFrame::resamplesAboutTheCentre_data()
{
    QTest::addColumn<QSize>("camera");
    QTest::addColumn<double>("arcsecPerPixel");
    QTest::addColumn<QPointF>("star"); // on the camera

    QTest::newRow("coarser camera, upsampled") << QSize(321, 241) << 61.0 << QPointF(100.3, 50.6);
    QTest::newRow("finer camera, averaged over 3 x 3 then resampled")
        << QSize(4001, 2999) << 9.5 << QPointF(2500.4, 700.2);
    QTest::newRow("same scale, odd size") << QSize(1279, 961) << 30.5 << QPointF(900.5, 100.25);
    // Taken as they are, without interpolation: laid into the frame, cut out of it, or the sky
    // driver's scale, whose difference moves the frame's corners by a hundredth of a pixel.
    QTest::newRow("same scale, smaller") << QSize(1000, 700) << 30.5 << QPointF(900.5, 100.25);
    QTest::newRow("same scale, larger") << QSize(1600, 1200) << 30.5 << QPointF(1350.3, 1020.6);
    QTest::newRow("sky driver's scale")
        << QSize(1280, 960) << 3.75 / 25.36 * 206.264806 << QPointF(1250.3, 930.6);
    // A tenth of a percent off: a corner star is 0.7 px from where it would be if taken as it is.
    QTest::newRow("slightly coarser camera") << QSize(1280, 960) << 30.5305 << QPointF(1250.3, 930.6);
}

void TestFitsFrame::resamplesAboutTheCentre()
{
    QFETCH(QSize, camera);
    QFETCH(double, arcsecPerPixel);
    QFETCH(QPointF, star);
    const double sigma = 2.5 * kProgramArcsecPerPixel / arcsecPerPixel; // 2.5 program pixels
    const cv::Mat image = starField(
        cv::Size(camera.width(), camera.height()), CV_8U, 10, 200, cv::Point2d(star.x(), star.y()), sigma);
    const cv::Mat frame = toProgramFrame(image, arcsecPerPixel);
    QCOMPARE(frame.type(), CV_8UC1);
    QCOMPARE(frame.cols, KARVIX_FRAME_WIDTH);
    QCOMPARE(frame.rows, KARVIX_FRAME_HEIGHT);

    const double scale = arcsecPerPixel / kProgramArcsecPerPixel;
    const cv::Point2d expected(639.5 + scale * (star.x() - (camera.width() - 1) / 2.0),
        479.5 + scale * (star.y() - (camera.height() - 1) / 2.0));
    const cv::Rect around(int(expected.x) - 10, int(expected.y) - 10, 21, 21);
    cv::Point2d found = centroid(frame(around));
    found += cv::Point2d(around.x, around.y);
    QVERIFY2(cv::norm(found - expected) < 0.1,
        qPrintable(QStringLiteral("star at (%1, %2), expected (%3, %4)")
                       .arg(found.x)
                       .arg(found.y)
                       .arg(expected.x)
                       .arg(expected.y)));

    // The camera's field ends where its edge lands; beyond it the frame is black.
    const double halfWidth = scale * camera.width() / 2, halfHeight = scale * camera.height() / 2;
    if (halfWidth < 639) {
        QCOMPARE(int(frame.at<uint8_t>(480, int(640 - halfWidth) - 2)), 0);
        QCOMPARE(int(frame.at<uint8_t>(480, int(640 - halfWidth) + 2)), 10);
        QCOMPARE(int(frame.at<uint8_t>(int(480 + halfHeight) + 2, 640)), 0);
    }
}

void TestFitsFrame::programScaleEightBitPassesUnchanged()
{
    cv::Mat image(KARVIX_FRAME_HEIGHT, KARVIX_FRAME_WIDTH, CV_8U);
    cv::randu(image, 0, 256);
    const cv::Mat frame = toProgramFrame(image, kProgramArcsecPerPixel);
    QCOMPARE(cv::norm(frame, image, cv::NORM_INF), 0.0);
}

void TestFitsFrame::stretchKeepsBrightCoresBelowSaturation()
{
    cv::Mat image = starField(cv::Size(1280, 960), CV_16U, 1000, 30000, cv::Point2d(600, 400), 1.1);
    cv::Mat noise(image.size(), CV_16S);
    cv::randn(noise, 0, 20);
    cv::add(image, noise, image, cv::noArray(), CV_16U);
    image.at<uint16_t>(10, 10) = 65535; // a hot pixel is no star
    const cv::Mat frame = toProgramFrame(image, kProgramArcsecPerPixel);

    const int core = frame.at<uint8_t>(400, 600);
    QVERIFY2(core >= 200 && core < 250, qPrintable(QStringLiteral("star core %1").arg(core)));
    QVERIFY2(frame.at<uint8_t>(400, 602) < core, "the core keeps its profile");
    // The background sits above black, so its noise is not cut off at zero.
    const double background = cv::mean(frame(cv::Rect(900, 700, 200, 200)))[0];
    QVERIFY2(background > 0 && background < 5, qPrintable(QStringLiteral("background %1").arg(background)));
}

QTEST_APPLESS_MAIN(TestFitsFrame)
#include "tst_fitsframe.moc"
