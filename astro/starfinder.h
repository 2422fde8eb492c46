// starfinder.h - every star of a frame that can be measured on its own.
//
// The RA axis fit follows all stars of the field through the three RA positions, so it needs each
// frame's stars, not only the one the user picked. A star is measured exactly as a picked star is
// (starmeasure::backgroundAwareStarPos), so both kinds of position carry the same errors.
#ifndef STARFINDER_H
#define STARFINDER_H

#include <opencv2/core.hpp>
#include <vector>

// Finds the stars of an 8-bit one-channel frame: blobs of the median-filtered frame at least
// 5 noise sigmas above the median background (a hot pixel does not survive the median), measured
// by their centroid. Blobs within 21 px of another blob or of the frame's edge are left out: the
// measurement's 40 x 40 box would hold a second star or leave the frame. At most `maxStars`, brightest
// first. An empty or unusable image gives no stars.
std::vector<cv::Point2d> findStars(const cv::Mat &grey, int maxStars = 150);

#endif // STARFINDER_H
