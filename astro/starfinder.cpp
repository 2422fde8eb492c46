// starfinder.cpp - detection and measurement of all the stars of a frame (see starfinder.h).
#include "starfinder.h"

#include "starmeasure.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace {

constexpr int isolationPx = 21;       // the measurement's search box reaches 20 px from the peak
constexpr double detectionSigmas = 5; // background noise sigmas above the median
constexpr int minBlobPixels = 3;

struct Blob
{
    cv::Point peak;
    int peakValue;
};

// Median and standard deviation (from the median absolute deviation) of an 8-bit image.
void backgroundLevel(const cv::Mat &image, double *median, double *sigma)
{
    int histogram[256] = {};
    for (int r = 0; r < image.rows; ++r) {
        const uchar *row = image.ptr<uchar>(r);
        for (int c = 0; c < image.cols; ++c)
            ++histogram[row[c]];
    }
    const auto medianOf = [&](const int *counts) {
        const size_t half = image.total() / 2;
        size_t seen = 0;
        for (int v = 0; v < 256; ++v) {
            seen += counts[v];
            if (seen > half)
                return v;
        }
        return 255;
    };
    const int m = medianOf(histogram);
    int deviations[256] = {};
    for (int v = 0; v < 256; ++v)
        deviations[std::abs(v - m)] += histogram[v];
    *median = m;
    // An 8-bit background that barely varies still has a quantisation noise of about half a unit.
    *sigma = std::max(1.4826 * medianOf(deviations), 0.5);
}

} // namespace

std::vector<cv::Point2d> findStars(const cv::Mat &grey, int maxStars)
{
    if (grey.empty() || grey.type() != CV_8UC1 || maxStars <= 0)
        return {};
    cv::Mat filtered;
    cv::medianBlur(grey, filtered, 3);
    double background = 0, sigma = 0;
    backgroundLevel(filtered, &background, &sigma);
    const double threshold = background + detectionSigmas * sigma;
    if (threshold >= 255)
        return {};

    cv::Mat labels, stats, centroids;
    const int count
        = cv::connectedComponentsWithStats(filtered > threshold, labels, stats, centroids, 8, CV_32S);
    std::vector<Blob> blobs;
    for (int i = 1; i < count; ++i) {
        if (stats.at<int>(i, cv::CC_STAT_AREA) < minBlobPixels)
            continue;
        const cv::Rect box(stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP),
            stats.at<int>(i, cv::CC_STAT_WIDTH), stats.at<int>(i, cv::CC_STAT_HEIGHT));
        double peak = 0;
        cv::Point at;
        cv::minMaxLoc(filtered(box), nullptr, &peak, nullptr, &at, labels(box) == i);
        blobs.push_back({at + box.tl(), int(peak)});
    }

    const cv::Rect inner(isolationPx, isolationPx, grey.cols - 2 * isolationPx, grey.rows - 2 * isolationPx);
    // The measurement looks for the brightest pixel in the 40 x 40 box around the peak: no other
    // blob may lie in it.
    const auto crowded = [&](const Blob &b) {
        return std::any_of(blobs.begin(), blobs.end(), [&](const Blob &other) {
            const cv::Point d = other.peak - b.peak;
            return &other != &b && std::max(std::abs(d.x), std::abs(d.y)) <= isolationPx;
        });
    };
    std::vector<Blob> usable;
    for (const Blob &b : blobs)
        if (inner.contains(b.peak) && !crowded(b))
            usable.push_back(b);
    std::stable_sort(
        usable.begin(), usable.end(), [](const Blob &a, const Blob &b) { return a.peakValue > b.peakValue; });

    std::vector<cv::Point2d> stars;
    for (const Blob &b : usable) {
        if (int(stars.size()) == maxStars)
            break;
        double x = 0, y = 0;
        if (starmeasure::backgroundAwareStarPos(grey, b.peak.x, b.peak.y, &x, &y, starmeasure::medianOfRegion)
            == 0)
            stars.emplace_back(x, y);
    }
    return stars;
}
