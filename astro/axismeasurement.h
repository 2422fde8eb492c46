// axismeasurement.h - the RA axis centre from a star's (and the field's) places at three RA
// positions taken at a person's pace, with the sky's own turn between them taken out.
//
// A person takes 20 to 60 s between two RA positions. Meanwhile the sky turns about the celestial
// pole at the sidereal rate (15 arcsec a second): with the mount's drive off, every star has also
// turned about the pole's image by that much when the next position is measured; with the drive
// on, the axis has turned on with the sky at whatever rate the drive really runs. A turn about the
// pole followed by a turn about the axis centre is one turn about a third point, so a fit that
// assumes the stars turned about the axis alone puts the centre off by up to a pixel or more per
// minute when the pole lies a degree or two from the axis. Here each position's star places are
// turned back about the pole's image by the sky's turn since the first position, which leaves the
// RA turns alone: the drive's part of them is a turn about the axis like the person's and joins
// the fitted angles, whatever its rate. The pole's image need only be known to a few pixels (the
// template or a plate solve): its error moves the result by the sky's turn in radians times it.
//
// Usage:
//   axismeasurement::SkyTurn sky {{t1, t2, t3}, poleAtFirstPosition, +1};
//   const auto m = axismeasurement::measureAxis(picked, fields, sky, axisfit::cameraLens(size), true);
//   if (m.ok && !m.consistent) ... ask for the positions again
#ifndef AXISMEASUREMENT_H
#define AXISMEASUREMENT_H

#include "axisfit.h"

#include <array>
#include <opencv2/core.hpp>
#include <vector>

namespace axismeasurement {

// The Earth's turn relative to the stars, radians per second of UTC (the rate of ERFA's era00).
constexpr double siderealRadPerSec = 7.292115855306589e-5;

// Past this disagreement of the positions' pair centres (px, about 14 arcsec) the stars did not
// turn about one point: the camera shifted, the clutch slipped or the mount moved.
constexpr double maxInconsistencyPx = 0.45;

// The pair centres of a steady session scatter by up to this much with the stars' noise (px): their
// disagreement beyond it is the movement the covariance must carry.
constexpr double pairNoisePx = 0.15;

// How well the pole's image is taken to be known for the sky's turn (px, root-mean-square).
constexpr double poleUncertaintyPx = 5.0;

struct SkyTurn
{
    std::array<double, axisfit::positionCount> utc {}; // of each position's frame, seconds
    cv::Point2d poleAtFirst;                           // the celestial pole's image at the first position
    // +1 north, -1 south: which way the sky turns in the image (anticlockwise on the screen about
    // the north pole, clockwise about the south pole); 0 leaves the sky's turn in.
    int hemisphere = 0;
};

// The sky's turn in the image from the first position to position k, radians, positive clockwise
// on the screen (y down), as the angles of axisfit.h.
double skyTurnRad(const SkyTurn &sky, int k);

// Turns the image point p back about `pole` by `angle` radians: on the sky through `lens` (a turn
// about the pole's direction), or in the image plane without a focal length.
cv::Point2d turnedBack(
    const cv::Point2d &p, const cv::Point2d &pole, double angle, const axisfit::Lens &lens);

// Where the pole's image was found (by the template or a plate solve): its place, when, and the
// field's stars in that frame.
struct PoleSighting
{
    cv::Point2d pole;
    double utc = 0;
    std::vector<cv::Point2d> field;
};

// The pole's image as the first position sees it. Between the sighting and the first position the
// RA axis may have been turned (a person who measures the axis again after turning it), which turns
// the pole's image about the axis; the sky's own turn in the meantime is about the pole and leaves
// it in place. The RA turn is read from the two frames' stars (the sighting's turned on to the first
// position's sky first) about the picked star's circle; where the stars cannot tell it, the pole
// stays where it was seen.
cv::Point2d poleAtFirstPosition(const PoleSighting &seen, const std::array<cv::Point2d, axisfit::positionCount> &picked,
    const std::vector<cv::Point2d> &firstField, const SkyTurn &sky, const axisfit::Lens &lens);

struct Measurement
{
    bool ok = false;
    const char *failure = "";
    axisfit::AxisCentre centre;   // the centre taken, with everything its covariance knows
    cv::Point2d threePointCentre; // of the picked star's places, the sky's turn removed
    int threePointRadius = 0;
    axisfit::CentreFit fit;     // of the whole field, when asked for and found
    double inconsistencyPx = 0; // how far the positions disagree about one centre
    bool consistent = true;     // inconsistencyPx within maxInconsistencyPx
};

// The axis centre from the picked star's places and (with `useField`) every star of the field at
// the three positions. The covariance of the centre taken adds to the fit's noise what the model
// leaves: the positions' disagreement beyond pairNoisePx and the pole's uncertainty times the
// sky's turn.
Measurement measureAxis(const std::array<cv::Point2d, axisfit::positionCount> &picked,
    const std::array<std::vector<cv::Point2d>, axisfit::positionCount> &fields, const SkyTurn &sky,
    const axisfit::Lens &lens, bool useField);

} // namespace axismeasurement

#endif // AXISMEASUREMENT_H
