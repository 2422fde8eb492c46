// axisfit.h - the RA axis centre from all the stars of the field at three RA positions.
//
// While the RA axis turns, every star of the image turns about the same point, the axis centre,
// by the same angle. With the field's stars matched between the three positions, each star's
// positions constrain the centre; the least-squares fit of one centre and one angle per position
// to all stars is far better determined than the circle through one star's three positions.
//
// Conventions as in staralgorithms.h: image pixels, y downwards, positive angles turn clockwise on
// the screen (radians here). A position p of a star that sits at q with the axis at its first
// position is c + R(a) (q - c), R(a) = [cos a, -sin a; sin a, cos a]. No routine returns a NaN or an
// infinity: a failed fit says so and leaves its values at zero.
#ifndef AXISFIT_H
#define AXISFIT_H

#include <array>
#include <opencv2/core.hpp>
#include <vector>

namespace axisfit {

constexpr int positionCount = 3;

// One star followed through the RA positions; `seen` tells where it was found.
struct StarTrack
{
    std::array<cv::Point2d, positionCount> at;
    std::array<bool, positionCount> seen {};
};

// The rotation as far as the picked star tells it: the three-point centre and the angle of each
// position from the first (the first angle is 0).
struct Rotation
{
    cv::Point2d centre;
    std::array<double, positionCount> angles {};
};

// The rotation that takes the picked star from its first position to the others about `centre`.
Rotation rotationOfPickedStar(
    const std::array<cv::Point2d, positionCount> &picked, const cv::Point2d &centre);

// The rotation's angles as the fields' stars tell them, about rough.centre: a star and its turned
// self lie at the same distance from the centre, so every pair of stars (one from the first
// position, one from another) at equal distances votes for the angle between them, and the angle
// most votes agree on wins. The picked star's own angle is poor when it lies near the centre; the
// field's is not. Angles with too few votes stay as they are.
Rotation refineRotation(
    const std::array<std::vector<cv::Point2d>, positionCount> &fields, const Rotation &rough);

// Follows the stars of the fields (the stars found at each position) through the positions: a star
// of one position is predicted at the next by `rough` and taken as found there when exactly one
// star lies within `tolerancePx` of the prediction and no other within twice that, and no other
// prediction claims the same star. Returns the stars found at two or three positions.
std::vector<StarTrack> matchStars(const std::array<std::vector<cv::Point2d>, positionCount> &fields,
    const Rotation &rough, double tolerancePx = 4.0);

struct CentreFit
{
    bool ok = false;
    const char *failure = ""; // why the fit failed, for the log
    cv::Point2d centre;
    cv::Matx22d covariance = cv::Matx22d::zeros(); // of the centre, px^2
    double noisePx = 0;                            // one coordinate's scatter, from the residuals
    std::array<double, positionCount> angles {};   // of each position from the first, radians
    int starsUsed = 0;
    int starsRejected = 0;
    // Each pair of positions alone defines a rotation centre; this is their root-mean-square
    // distance from the common centre, px. Stars that really turned about one point give pair
    // centres that agree to within their noise; a camera that shifted in its holder, a slipping
    // clutch or a mount that sank between the positions moves the pair centres apart.
    double pairSpreadPx = 0;
};

// The camera's gnomonic projection: the image point of the optical axis and the focal length in
// pixels. Without a focal length (0) the image is taken as the plane in which the stars turn.
struct Lens
{
    cv::Point2d opticalCentre;
    double focalPx = 0;
};

// The Velto Q7 camera: optical axis at the middle of the frame, 30.5 arcsec per pixel there.
Lens cameraLens(const cv::Size &frameSize);

// The least-squares centre and angles of the rotation common to all tracks, started from `rough`.
// The stars turn rigidly on the sky, about the RA axis; a camera whose optical axis is tilted
// against it (0.3 degrees move stars at the field's edge by a few tenths of a pixel from a rigid
// turn) sees them through `lens`, whose perspective the fit undoes. Stars that miss the common
// rotation by far more than the others (wrong matches, a passing satellite, a double star measured
// differently) are left out one round at a time. The centre's covariance follows from the residual
// scatter. Fails with fewer than three stars at two or more positions, too few degrees of freedom,
// or a centre the positions do not determine (turns too small, stars on one line through the centre).
CentreFit fitRotationCentre(
    const std::vector<StarTrack> &tracks, const Rotation &rough, const Lens &lens = {});

// Covariance of the three-point circle's centre (StarAlgorithms::CalcAxisCenter) when each
// coordinate of the three positions scatters by noisePx. False when the circle is not defined.
bool threePointCovariance(
    const std::array<cv::Point2d, positionCount> &picked, double noisePx, cv::Matx22d *covariance);

// The axis centre taken for the alignment and how well it is known.
struct AxisCentre
{
    cv::Point2d centre;
    cv::Matx22d covariance = cv::Matx22d::zeros(); // px^2
    bool fromAllStars = false;
};

// A picked star's centroid scatter per coordinate when no fit measured it: a faint star's at the
// camera's usual exposures (bright stars scatter less).
constexpr double typicalStarNoisePx = 0.1;

// The three-point centre of the picked star's positions, or the fit's centre when the fit is better
// determined: when the trace of its covariance is below that of the three-point centre, whose
// scatter is judged with the noise the fit found in the stars (typicalStarNoisePx without a fit).
// False when neither centre is defined.
bool chooseAxisCentre(const std::array<cv::Point2d, positionCount> &picked,
    const cv::Point2d &threePointCentre, const CentreFit &fit, AxisCentre *chosen);

// The root-mean-square distance of an estimate from the truth: the square root of the trace.
double radialSigma(const cv::Matx22d &covariance);

} // namespace axisfit

#endif // AXISFIT_H
