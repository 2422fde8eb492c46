#include "mountmodel.h"

#include <cmath>

namespace karvix::sim {
namespace {

// Active rotation by `angleRad` about the unit vector `axis` (Rodrigues' formula).
cv::Matx33d rotationAbout(const Vec3 &axis, double angleRad)
{
    const double c = std::cos(angleRad), s = std::sin(angleRad), t = 1.0 - c;
    const double x = axis[0], y = axis[1], z = axis[2];
    return cv::Matx33d(t * x * x + c, t * x * y - s * z, t * x * z + s * y, //
        t * x * y + s * z, t * y * y + c, t * y * z - s * x,                //
        t * x * z - s * y, t * y * z + s * x, t * z * z + c);
}

cv::Matx33d columns(const Vec3 &a, const Vec3 &b, const Vec3 &c)
{
    return cv::Matx33d(a[0], b[0], c[0], a[1], b[1], c[1], a[2], b[2], c[2]);
}

} // namespace

double raAxisAngleDeg(const MountState &mount, double unixSeconds, int hemisphere)
{
    if (!mount.tracking)
        return mount.raAxisDeg;
    // The sky turns westwards, i.e. negatively about the north pole and positively about the
    // south pole; a tracking axis turns with it.
    const double turnedRad = (unixSeconds - mount.trackingSinceUnix) * kEarthRotationRadPerSec * mount.trackingRate;
    return mount.raAxisDeg - hemisphere * turnedRad / ERFA_DD2R;
}

Vec3 polarAxis(const MountState &mount)
{
    return horizonVector(mount.axisAzimuthDeg * ERFA_DD2R, mount.axisAltitudeDeg * ERFA_DD2R);
}

cv::Matx33d cameraRotation(const MountState &mount, double raAngleDeg)
{
    // Mount head frame of an alt-az wedge: e1 horizontal and square to the axis's azimuth, e2
    // completing a right-handed frame with the polar axis p as third vector. Defined at every
    // axis position, the zenith included. Below the zenith e2 = p x e1 points from p down towards
    // the horizon under it (for the north pole e1 is east and e2 = (0, sin alt, -cos alt)).
    const double az = mount.axisAzimuthDeg * ERFA_DD2R;
    const Vec3 p = polarAxis(mount);
    const Vec3 e1(std::cos(az), -std::sin(az), 0.0);
    const Vec3 e2 = p.cross(e1);
    const cv::Matx33d head = columns(e1, e2, p);

    // The camera in head coordinates: rolled about its optical axis, then tilted away from the
    // polar axis towards the tilt direction. At RA 0 and roll 0 the image's x axis is e1 and its
    // y axis (downwards) is e2, so the zenith is at the top; roll 180 degrees turns the horizon
    // to the top.
    const cv::Matx33d roll = rotationAbout(Vec3(0, 0, 1), mount.cameraRollDeg * ERFA_DD2R);
    const double dir = mount.cameraTiltDirectionDeg * ERFA_DD2R;
    const cv::Matx33d tilt
        = rotationAbout(Vec3(-std::sin(dir), std::cos(dir), 0.0), mount.cameraTiltDeg * ERFA_DD2R);

    const cv::Matx33d cameraToHorizon = rotationAbout(p, raAngleDeg * ERFA_DD2R) * head * tilt * roll;
    return cameraToHorizon.t();
}

std::optional<ImagePoint> projectToImage(const cv::Matx33d &horizonToCamera, const Vec3 &direction)
{
    const Vec3 v = horizonToCamera * direction;
    if (v[2] <= 1e-6)
        return std::nullopt;
    return ImagePoint {
        kOpticalCentreX + kFocalLengthPx * v[0] / v[2], kOpticalCentreY + kFocalLengthPx * v[1] / v[2]};
}

} // namespace karvix::sim
