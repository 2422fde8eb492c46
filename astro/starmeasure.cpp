// starmeasure.cpp - brightest pixel and thresholded centroid of a star in an 8-bit frame.
#include "starmeasure.h"

#include <QtGlobal>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace starmeasure {

namespace {

constexpr int searchBoxHalf = 20; // GetPreciseStarPos looks for the brightest pixel in 40 x 40
constexpr int patchHalf = 10;     // the centroid is taken over 20 x 20
constexpr double minPeakToMean = 2.5;
constexpr double levelFraction = 0.3; // background level: mean + 0.3 (peak - mean)
constexpr double minPeakToNoise = 5.0;
constexpr double noiseFloor = 0.5; // counts: a patch of one value still has quantisation noise

bool usable(const cv::Mat &image)
{
    return !image.empty() && image.type() == CV_8UC1;
}

// Both routines first report the input position, so that a failure leaves it in the outputs.
// A position that is not a number is reported as (0, 0) instead, never as NaN.
void presetOutputs(double x, double y, double *outX, double *outY)
{
    const bool finite = std::isfinite(x) && std::isfinite(y);
    *outX = finite ? x : 0.0;
    *outY = finite ? y : 0.0;
}

// The box of 2 half x 2 half pixels whose top-left corner is (trunc(x - half), trunc(y - half)), if it
// lies inside the image. The test is made in double, so that no NaN or out-of-range value is ever
// converted to int.
bool boxInside(const cv::Mat &image, double x, double y, int half, cv::Rect *box)
{
    const double left = std::trunc(x - half);
    const double top = std::trunc(y - half);
    const int size = 2 * half;
    if (!std::isfinite(left) || !std::isfinite(top) || image.cols <= 0 || image.rows <= 0 || left < 0
        || top < 0 || left + size > image.cols || top + size > image.rows) {
        return false;
    }
    *box = cv::Rect(static_cast<int>(left), static_cast<int>(top), size, size);
    return true;
}

// The median of an 8-bit patch, from its histogram.
double medianValue(const cv::Mat &patch)
{
    int counts[256] = {};
    for (int r = 0; r < patch.rows; ++r) {
        const uchar *row = patch.ptr<uchar>(r);
        for (int c = 0; c < patch.cols; ++c)
            ++counts[row[c]];
    }
    const int half = int(patch.total() + 1) / 2;
    int seen = 0;
    for (int v = 0; v < 256; ++v) {
        seen += counts[v];
        if (seen >= half)
            return v;
    }
    return 255;
}

// Centroid of the patch above its median background plus a fraction of the peak's height over it;
// false when the peak does not stand clear of the patch's noise.
bool centroidOverBackground(const cv::Mat &filtered, const cv::Rect &patch, double *outX, double *outY)
{
    const double background = medianValue(filtered);
    cv::Mat deviation;
    cv::absdiff(filtered, cv::Scalar(background), deviation);
    const double noise = std::max(noiseFloor, 1.4826 * medianValue(deviation));
    double peak = 0;
    cv::minMaxLoc(filtered, nullptr, &peak);
    if (peak - background < minPeakToNoise * noise) {
        return false;
    }
    cv::Mat work;
    filtered.convertTo(work, CV_32F, 1.0, -(background + (peak - background) * levelFraction));
    cv::max(work, 0.0, work);
    const cv::Moments moments = cv::moments(work);
    if (!(moments.m00 > 0)) {
        return false;
    }
    *outX = patch.x + moments.m10 / moments.m00;
    *outY = patch.y + moments.m01 / moments.m00;
    return true;
}

} // namespace

cv::Mat medianOfRegion(const cv::Mat &image, const cv::Rect &region)
{
    // Each filtered pixel depends on its 3 x 3 neighbourhood only. Grown by one pixel, the region
    // holds every neighbour of its inner pixels; where the growth is clipped, the region ends at the
    // frame's edge and medianBlur replicates that edge exactly as it does for the whole frame. The
    // copy makes sure that no implementation reads beyond the grown region.
    const cv::Rect grown = cv::Rect(region.x - 1, region.y - 1, region.width + 2, region.height + 2)
        & cv::Rect(0, 0, image.cols, image.rows);
    const cv::Mat source = image(grown).clone();
    cv::Mat filtered;
    cv::medianBlur(source, filtered, 3);
    return filtered(region - grown.tl()).clone();
}

cv::Mat medianOfWholeFrame(const cv::Mat &image, const cv::Rect &region)
{
    cv::Mat filtered;
    cv::medianBlur(image, filtered, 3);
    return filtered(region).clone();
}

int gravityCenter(const cv::Mat &image, double x, double y, double *outX, double *outY, RegionFilter filter)
{
    presetOutputs(x, y, outX, outY);
    if (!usable(image)) {
        return -1;
    }
    cv::Rect patch;
    if (!boxInside(image, x, y, patchHalf, &patch)) {
        qCritical("GetGravityCenter - Out of Whole FOV");
        return -1;
    }
    const cv::Mat filtered = filter(image, patch);
    double peak = 0;
    cv::minMaxLoc(filtered, nullptr, &peak);
    const double mean = cv::mean(filtered)[0];
    if (peak / mean < minPeakToMean) {
        return -1; // no distinct star
    }
    const double level = mean + (peak - mean) * levelFraction;
    cv::Mat work;
    cv::subtract(filtered, cv::Scalar(cvRound(level)), work); // saturates at 0
    const cv::Moments moments = cv::moments(work);
    // An all-black patch after the subtraction has no centroid; the caller then uses the brightest
    // pixel.
    if (moments.m00 == 0) {
        return -1;
    }
    *outX = patch.x + moments.m10 / moments.m00;
    *outY = patch.y + moments.m01 / moments.m00;
    return 0;
}

int preciseStarPos(const cv::Mat &image, double x, double y, double *outX, double *outY, RegionFilter filter)
{
    presetOutputs(x, y, outX, outY);
    if (!usable(image)) {
        return -1;
    }
    cv::Rect box;
    if (!boxInside(image, x, y, searchBoxHalf, &box)) {
        qCritical("GetPreciseStarPos - Out of Whole FOV");
        return -1;
    }
    const cv::Mat filtered = filter(image, box);
    if (cv::mean(filtered)[0] == 0) {
        qCritical("GetPreciseStarPos - No Star in the ROI Area.");
        return -1;
    }
    // minMaxLoc scans in row order and keeps the first maximum: topmost row, then leftmost column.
    cv::Point brightest;
    cv::minMaxLoc(filtered, nullptr, nullptr, nullptr, &brightest);
    const double px = box.x + brightest.x;
    const double py = box.y + brightest.y;
    if (gravityCenter(image, px, py, outX, outY, filter) != 0) {
        *outX = px;
        *outY = py;
    }
    return 0;
}

int backgroundAwareStarPos(
    const cv::Mat &image, double x, double y, double *outX, double *outY, RegionFilter filter)
{
    double bx = 0, by = 0;
    const int found = preciseStarPos(image, x, y, &bx, &by, filter);
    *outX = bx;
    *outY = by;
    if (found != 0) {
        return found;
    }
    // The brightest pixel again (preciseStarPos may have moved to the centroid); its patch.
    cv::Rect box, patch;
    if (!boxInside(image, x, y, searchBoxHalf, &box)) {
        return found;
    }
    cv::Point brightest;
    cv::minMaxLoc(filter(image, box), nullptr, nullptr, nullptr, &brightest);
    if (boxInside(image, box.x + brightest.x, box.y + brightest.y, patchHalf, &patch)) {
        centroidOverBackground(filter(image, patch), patch, outX, outY);
    }
    return 0;
}

double starPeak(const cv::Mat &image, double x, double y)
{
    cv::Rect patch;
    if (!usable(image) || !boxInside(image, x, y, patchHalf, &patch)) {
        return 0;
    }
    const cv::Mat filtered = medianOfRegion(image, patch);
    double peak = 0;
    cv::minMaxLoc(filtered, nullptr, &peak);
    return peak - medianValue(filtered);
}

} // namespace starmeasure
