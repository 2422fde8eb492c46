// Frames of an INDI camera's video stream as libindi's RAW encoder sends them: the pixel depth
// read from the size (8, 16 bit, RGB reduced to luminance), zlib-compressed frames, and the
// frames refused with a reason instead of being read out of bounds.
#include "streamframe.h"

#include <QtTest>
#include <zlib.h>

#include <vector>

using namespace karvix::indi;

namespace {

constexpr int kWidth = 6, kHeight = 4;

std::vector<unsigned char> compressed(const void *data, size_t size)
{
    std::vector<unsigned char> out(compressBound(uLong(size)));
    uLongf length = uLongf(out.size());
    compress2(out.data(), &length, static_cast<const Bytef *>(data), uLong(size), 4);
    out.resize(length);
    return out;
}

} // namespace

class TestStreamFrame : public QObject
{
    Q_OBJECT

private slots:
    void depthFollowsFromTheSize();
    void compressedFramesInflate();
    void impossibleFramesAreRefused();
};

void TestStreamFrame::depthFollowsFromTheSize()
{
    cv::Mat mono8(kHeight, kWidth, CV_8UC1), mono16(kHeight, kWidth, CV_16UC1);
    cv::randu(mono8, 0, 256);
    cv::randu(mono16, 0, 65536);
    cv::Mat luminance;
    QVERIFY(decodeStreamFrame(mono8.data, mono8.total(), ".stream", kWidth, kHeight, &luminance, nullptr));
    QCOMPARE(luminance.type(), CV_8UC1);
    QCOMPARE(cv::norm(luminance, mono8, cv::NORM_INF), 0.0);
    QVERIFY(
        decodeStreamFrame(mono16.data, 2 * mono16.total(), ".stream", kWidth, kHeight, &luminance, nullptr));
    QCOMPARE(luminance.type(), CV_16UC1);
    QCOMPARE(cv::norm(luminance, mono16, cv::NORM_INF), 0.0);

    // RGB in that order (a webcam's), each pixel weighted to its luminance.
    cv::Mat rgb(kHeight, kWidth, CV_8UC3, cv::Scalar(0, 0, 0));
    rgb.at<cv::Vec3b>(0, 0) = {255, 0, 0};
    rgb.at<cv::Vec3b>(0, 1) = {0, 255, 0};
    rgb.at<cv::Vec3b>(0, 2) = {0, 0, 255};
    QVERIFY(decodeStreamFrame(rgb.data, 3 * rgb.total(), ".stream", kWidth, kHeight, &luminance, nullptr));
    QCOMPARE(luminance.type(), CV_8UC1);
    QCOMPARE(int(luminance.at<uchar>(0, 0)), 76);
    QCOMPARE(int(luminance.at<uchar>(0, 1)), 150);
    QCOMPARE(int(luminance.at<uchar>(0, 2)), 29);
}

void TestStreamFrame::compressedFramesInflate()
{
    // Large enough to take several rounds of inflating.
    cv::Mat mono16(960, 1280, CV_16UC1);
    cv::randu(mono16, 0, 65536);
    const std::vector<unsigned char> packed = compressed(mono16.data, 2 * mono16.total());
    cv::Mat luminance;
    std::string problem;
    QVERIFY2(decodeStreamFrame(packed.data(), packed.size(), ".stream.z", 1280, 960, &luminance, &problem),
        problem.c_str());
    QCOMPARE(cv::norm(luminance, mono16, cv::NORM_INF), 0.0);
}

void TestStreamFrame::impossibleFramesAreRefused()
{
    const std::vector<unsigned char> bytes(4 * kWidth * kHeight, 7);
    const std::vector<unsigned char> packed = compressed(bytes.data(), bytes.size());
    const std::vector<unsigned char> packedMono = compressed(bytes.data(), kWidth * kHeight);
    const struct
    {
        const char *name;
        const void *data;
        size_t size;
        const char *format;
        int width, height;
    } refused[] = {
        {"four bytes a pixel", bytes.data(), bytes.size(), ".stream", kWidth, kHeight},
        {"one byte too many", bytes.data(), size_t(kWidth * kHeight + 1), ".stream", kWidth, kHeight},
        {"nothing", bytes.data(), 0, ".stream", kWidth, kHeight},
        {"size not known yet", bytes.data(), size_t(kWidth * kHeight), ".stream", 0, 0},
        {"inflates to four bytes a pixel", packed.data(), packed.size(), ".stream.z", kWidth, kHeight},
        {"compressed data cut short", packedMono.data(), packedMono.size() / 2, ".stream.z", kWidth, kHeight},
        {"not compressed at all", bytes.data(), size_t(kWidth * kHeight), ".stream.z", kWidth, kHeight},
        {"a JPEG stream", bytes.data(), size_t(kWidth * kHeight), ".stream_jpg", kWidth, kHeight},
    };
    for (const auto &frame : refused) {
        cv::Mat luminance;
        std::string problem;
        QVERIFY2(!decodeStreamFrame(
                     frame.data, frame.size, frame.format, frame.width, frame.height, &luminance, &problem),
            frame.name);
        QVERIFY2(!problem.empty(), frame.name);
        QVERIFY2(luminance.empty(), frame.name);
    }
}

QTEST_APPLESS_MAIN(TestStreamFrame)
#include "tst_streamframe.moc"
