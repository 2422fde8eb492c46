// mountmodel.h - the equatorial mount and the camera fixed to its RA axis.
//
// The polar axis points at an altitude and azimuth of the horizon frame (x east, y north, z up);
// the altitude and azimuth bolts move it. The RA axis turns about the polar axis (right-handed
// about the axis as it points at the sky). The camera sits on the RA axis, its optical axis
// tilted a little from it and its sensor rolled; it forms a gnomonic (pinhole) image of 1280 x
// 960 pixels at 30.5 arcsec per pixel at the centre (3.75 um pixels, 25.4 mm focal length), not
// mirrored, x to the right and y downwards.
#ifndef KARVIX_SIM_MOUNTMODEL_H
#define KARVIX_SIM_MOUNTMODEL_H

#include "apparentsky.h"
#include "simtypes.h"

#include <optional>

namespace karvix::sim {

constexpr int kImageWidth = 1280;
constexpr int kImageHeight = 960;
constexpr double kPixelScaleArcsec = 30.5;
// Focal length in pixels and the optical centre (the middle of the pixel grid).
constexpr double kFocalLengthPx = ERFA_DR2AS / kPixelScaleArcsec;
constexpr double kOpticalCentreX = (kImageWidth - 1) / 2.0;
constexpr double kOpticalCentreY = (kImageHeight - 1) / 2.0;

struct MountState
{
    double axisAltitudeDeg = 0;   // where the polar axis points
    double axisAzimuthDeg = 0;    // from north through east
    double raAxisDeg = 0;         // RA axis angle set by hand
    bool tracking = false;        // the RA axis follows the sky at the sidereal rate
    double trackingRate = 1.0;    // of the sidereal rate: a drive that runs fast or slow
    double trackingSinceUnix = 0; // clock time from which tracking has turned the axis
    double cameraTiltDeg = 0.3;   // optical axis from the RA axis
    double cameraTiltDirectionDeg = 0;
    double cameraRollDeg = 0; // about the optical axis; 0 puts the zenith at the top at RA 0
};

// Angle the RA axis has at the given time: the hand-set angle plus what tracking has turned
// since it started. `hemisphere` is +1 when the axis points north, -1 south.
double raAxisAngleDeg(const MountState &mount, double unixSeconds, int hemisphere);

// Rotation taking horizon-frame vectors to camera coordinates (x right, y down, z along the
// optical axis) for the RA axis at `raAngleDeg`.
cv::Matx33d cameraRotation(const MountState &mount, double raAngleDeg);

// The polar axis as a horizon-frame unit vector.
Vec3 polarAxis(const MountState &mount);

// Image position of a direction; empty when it is behind the camera.
std::optional<ImagePoint> projectToImage(const cv::Matx33d &horizonToCamera, const Vec3 &direction);

} // namespace karvix::sim

#endif // KARVIX_SIM_MOUNTMODEL_H
