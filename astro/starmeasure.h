// starmeasure.h - the star centroid routines with a choice of how the 3 x 3 median is obtained.
//
// The measurement needs the median-filtered pixels of a small box only. medianOfRegion filters just
// that box grown by one pixel (clipped to the frame) and gives exactly the values that filtering the
// whole frame gives (medianOfWholeFrame); the tests compare the two and the benchmark times both.
#ifndef STARMEASURE_H
#define STARMEASURE_H

#include <opencv2/core.hpp>

namespace starmeasure {

// Returns the 3 x 3 median (borders replicated at the frame's edges) of `region`, which lies inside
// the 8-bit one-channel `image`, as a new image of the region's size.
using RegionFilter = cv::Mat (*)(const cv::Mat &image, const cv::Rect &region);

cv::Mat medianOfRegion(const cv::Mat &image, const cv::Rect &region);
cv::Mat medianOfWholeFrame(const cv::Mat &image, const cv::Rect &region);

int preciseStarPos(const cv::Mat &image, double x, double y, double *outX, double *outY, RegionFilter filter);
int gravityCenter(const cv::Mat &image, double x, double y, double *outX, double *outY, RegionFilter filter);

// The program's star measurement for any sky brightness (the user's picks and the reference stars
// measured in every frame): the brightest pixel of the 40 x 40 box as preciseStarPos finds it, then
// the centroid of the 20 x 20 patch above the patch's own background (its median) plus 0.3 of the
// peak's height over it. A star counts when its peak stands five times the patch's noise (from the
// median absolute deviation) above the background; preciseStarPos's test, the peak over the
// patch's mean with the background included, rejects nearly every star under a moonlit or town sky
// and leaves the brightest pixel. A peak that does not stand clear of the noise gets
// preciseStarPos's result and return value.
int backgroundAwareStarPos(
    const cv::Mat &image, double x, double y, double *outX, double *outY, RegionFilter filter);

// How far the star at (x, y) (a measured position) stands above its patch's background: the
// brightest 3 x 3 median of the 20 x 20 patch around it less the patch's median, in counts. 0 when
// the patch does not lie inside the image. Tells one star from another when a star is followed.
double starPeak(const cv::Mat &image, double x, double y);

} // namespace starmeasure

#endif // STARMEASURE_H
