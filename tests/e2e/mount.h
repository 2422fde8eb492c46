// mount.h - the mount the virtual observer turns, and the sky's truth it asks for when the
// alignment is over: the built-in camera's simulated sky in this process, or our sky driver behind
// an indiserver (indimount.h), staged for the same session.
#ifndef E2E_MOUNT_H
#define E2E_MOUNT_H

#include "boltmotor.h"
#include "simtypes.h"

#include <memory>
#include <optional>
#include <string>

namespace e2e {

struct Session;

struct AdjusterAddress
{
    bool indi = false;
    std::string address;    // a serial device's path, or host:port
    std::string device;     // INDI: the device's name
    double unitsPerDeg = 0; // GRBL: what the person knows of them (0: let the loop learn)
};

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

    // Motors fitted under the bolts, with these faults: what a person enters in Device >
    // Adjuster... to reach them (GRBL on a pseudo-terminal for the built-in camera's mount, the
    // sky driver's adjuster on the server for ours). Empty when they could not be fitted.
    virtual std::optional<AdjusterAddress> motoriseBolts(
        const karvix::sim::MotorFaults &altitude, const karvix::sim::MotorFaults &azimuth)
        = 0;

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
