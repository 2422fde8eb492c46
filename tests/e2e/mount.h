// mount.h - the mount the virtual observer turns, and the sky's truth it asks for when the
// alignment is over: the built-in camera's simulated sky in this process, or our sky driver behind
// an indiserver (indimount.h), staged for the same session.
#ifndef E2E_MOUNT_H
#define E2E_MOUNT_H

#include "simtypes.h"

#include <memory>
#include <optional>
#include <string>

namespace e2e {

struct Session;

class Mount
{
public:
    virtual ~Mount() = default;

    virtual void turnRaAxis(double degrees) = 0;
    virtual void turnAltitudeBolt(double arcmin) = 0; // positive raises the polar axis
    virtual void turnAzimuthBolt(double arcmin) = 0;  // positive turns it east
    // The sky's clock moves on by this much before the next frame (a sky whose clock moves with
    // each exposure by itself needs nothing).
    virtual void letTimePass(double seconds) = 0;
    // Waits until the program has taken a frame exposed after the mount's last change; false when
    // none came within timeoutMs.
    virtual bool awaitFrameAfterChange(int timeoutMs) = 0;
    // The sky's time as the program is to see it (its clock follows the sky's); any thread.
    virtual double clock() const = 0;

    // The camera slips in its holder, its picture moving by this many pixels; false where the
    // camera cannot be moved so.
    virtual bool shiftCamera(double) { return false; }

    virtual karvix::sim::PolarError polarError() const = 0;
    virtual std::optional<karvix::sim::ImagePoint> truePolePosition() const = 0;

    // Why the mount could not be reached or staged; empty when it is ready.
    virtual std::string problem() const { return std::string(); }
};

// The session's polar error at the start, in arcseconds of altitude and of azimuth (the azimuth
// in degrees of azimuth, as the bolt turns it).
struct PolarErrorArcsec
{
    double altitude;
    double azimuth;
};
PolarErrorArcsec polarErrorOf(const Session &session);

// The session's mount, staged: its site, clock, camera and polar error.
std::unique_ptr<Mount> stageMount(const Session &session);

} // namespace e2e

#endif // E2E_MOUNT_H
