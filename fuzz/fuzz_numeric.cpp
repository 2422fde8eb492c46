// fuzz_numeric.cpp - the numeric routines of StarAlgorithms with arbitrary doubles (NaN, infinities,
// extremes and ordinary pixel values) and small random 8-bit images. Any result that is delivered
// must be finite; star positions that are found must lie in the image; the star measurement on the
// median of a small region must equal the one on the median of the whole frame.
#include "fuzzsupport.h"
#include "staralgorithms.h"
#include "starmeasure.h"

#include <cmath>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

namespace {

using fuzzsupport::require;

bool finite(double x, double y)
{
    return std::isfinite(x) && std::isfinite(y);
}

// Any double: its raw bits (NaN and infinities included), one from the whole finite range, or an
// ordinary pixel coordinate or angle, which reaches the routines' arithmetic most often.
double anyDouble(FuzzedDataProvider &in)
{
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0: {
        const uint64_t bits = in.ConsumeIntegral<uint64_t>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    case 1:
        return in.ConsumeFloatingPoint<double>();
    default:
        return in.ConsumeFloatingPointInRange<double>(-2000.0, 2000.0);
    }
}

// A position along an image side of `extent` pixels: mostly near or inside the image.
double anyPosition(FuzzedDataProvider &in, int extent)
{
    return in.ConsumeBool() ? anyDouble(in) : in.ConsumeFloatingPointInRange<double>(-25.0, extent + 25.0);
}

// The star measurement on an image of at most 96 x 96 pixels, held in a buffer of exactly the
// image's size (rows padded to `step`), so that a read outside the image is an AddressSanitizer
// report.
void measureStar(FuzzedDataProvider &in)
{
    const bool precise = in.ConsumeBool();
    const int rows = in.ConsumeIntegralInRange<int>(0, 96);
    const int cols = in.ConsumeIntegralInRange<int>(0, 96);
    const int step = cols + in.ConsumeIntegralInRange<int>(0, 3);
    const double x = anyPosition(in, cols);
    const double y = anyPosition(in, rows);
    const std::vector<uint8_t> pixels = in.ConsumeRemainingBytes<uint8_t>();
    std::vector<uint8_t> buffer(static_cast<size_t>(rows) * step);
    for (size_t i = 0; i < buffer.size() && !pixels.empty(); ++i) {
        buffer[i] = pixels[i % pixels.size()];
    }
    const cv::Mat image = rows && cols ? cv::Mat(rows, cols, CV_8UC1, buffer.data(), step) : cv::Mat();

    // The program's routines, and the same measurement on the median of the whole frame.
    double rx = 0, ry = 0, wx = 0, wy = 0;
    const int region = precise ? starAlgorithms.GetPreciseStarPos(image, x, y, &rx, &ry)
                               : starAlgorithms.GetGravityCenter(image, x, y, &rx, &ry);
    const auto measure = precise ? starmeasure::preciseStarPos : starmeasure::gravityCenter;
    const int whole = measure(image, x, y, &wx, &wy, starmeasure::medianOfWholeFrame);
    require(finite(rx, ry), "the star position is finite");
    require(region == whole && rx == wx && ry == wy, "the region's median measures as the whole frame's");
    if (region == 0) {
        require(rx >= 0 && ry >= 0 && rx <= cols - 1 && ry <= rows - 1, "a star found lies in the image");
    }
}

void axisCenter(FuzzedDataProvider &in)
{
    double p[6];
    for (double &v : p) {
        v = anyDouble(in);
    }
    double cx = 1, cy = 1;
    int radius = 1;
    if (starAlgorithms.CalcAxisCenter(p[0], p[1], p[2], p[3], p[4], p[5], &cx, &cy, &radius) == 0) {
        require(finite(cx, cy) && radius >= 0, "the axis centre is finite and the radius not negative");
    } else {
        require(cx == 1 && cy == 1 && radius == 1, "a failed circle fit writes nothing");
    }
}

void rotatePoint(FuzzedDataProvider &in)
{
    const double angle = anyDouble(in), px = anyDouble(in), py = anyDouble(in);
    const double cx = anyDouble(in), cy = anyDouble(in);
    double x = 1, y = 1;
    starAlgorithms.RotatePoint(angle, px, py, cx, cy, &x, &y);
    require(finite(x, y), "the rotated point is finite");
}

void poleCoordinates(FuzzedDataProvider &in)
{
    double v[8];
    for (double &d : v) {
        d = anyDouble(in);
    }
    double x = 1, y = 1;
    const int result = starAlgorithms.CalcPoleCOOR(v[0], v[1], v[2], v[3], v[4], v[5], &x, &y, v[6], v[7]);
    require(finite(x, y), "the pole is finite");
    require(result == 0 || (x == 0 && y == 0), "a failed pole is (0, 0)");
}

void templatePole(FuzzedDataProvider &in)
{
    double v[9];
    for (double &d : v) {
        d = anyDouble(in);
    }
    double x = 1, y = 1;
    starAlgorithms.CalcTemplatePole(v[0], v[1], v[2], v[3], v[4], v[5], &x, &y, v[6], v[7], v[8]);
    require(finite(x, y), "the template pole is finite");
}

void selectApex(FuzzedDataProvider &in)
{
    double v[9];
    for (double &d : v) {
        d = anyDouble(in);
    }
    double x = 1, y = 1;
    starAlgorithms.SelectApexByAngle(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], &x, &y);
    require(finite(x, y), "the chosen apex is finite");
    require((x == 1 && y == 1) || (x == v[0] && y == v[1]) || (x == v[2] && y == v[3]),
        "the chosen apex is one of the candidates");
}

void refraction(FuzzedDataProvider &in)
{
    const double y = anyDouble(in), latitude = anyDouble(in);
    const double pressure = anyDouble(in), temperature = anyDouble(in);
    double out = 1;
    starAlgorithms.CorrectRefraction(y, latitude, pressure, temperature, &out);
    require(std::isfinite(out), "the corrected row is finite");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzsupport::silenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange<int>(0, 6)) {
    case 0:
        measureStar(in);
        break;
    case 1:
        axisCenter(in);
        break;
    case 2:
        rotatePoint(in);
        break;
    case 3:
        poleCoordinates(in);
        break;
    case 4:
        templatePole(in);
        break;
    case 5:
        selectApex(in);
        break;
    default:
        refraction(in);
        break;
    }
    return 0;
}
