// skytelescope.h - the sky driver's mount as an INDI telescope (device "Velto Q7 Mount").
//
// It IS the RA axis of the camera device's mount (skyccd.h): the hour angle it reports is the RA
// axis angle, turned the way the sky turns (the simulator's angle negated about the visible pole),
// 0 at the axis's home; RA = local sidereal time - hour angle, with the sidereal time of the sky's
// clock at the site's longitude. The declination is wherever the last goto put it (the pole at
// first): the mount model has no declination axis. Turning MOUNT_RA_AXIS on the camera moves
// these coordinates, and a goto or a motion here moves MOUNT_RA_AXIS; tracking is the simulator's.
//
// The standard properties of INDI::Telescope: EQUATORIAL_EOD_COORD (a goto at 3 deg/s on the sky's
// clock, settling for half a second, Busy until then; TRACK tracks afterwards, SLEW stops),
// TELESCOPE_MOTION_WE, TELESCOPE_ABORT_MOTION, TELESCOPE_TRACK_STATE; and the faults of real
// mounts, for the tests (group "Faults"):
//   MOUNT_FAULTS  HANG      takes commands and does nothing, sends nothing
//                 REVERSED  turns the axis the other way
// With a set sky clock (SKY_CLOCK) the camera's exposures move the clock; while the mount moves
// and no exposure runs, the mount moves it on with the machine's time, so a slew ends without
// frames too.
#ifndef KARVIX_INDIDRIVER_SKYTELESCOPE_H
#define KARVIX_INDIDRIVER_SKYTELESCOPE_H

#include "skysimulator.h"

#include <inditelescope.h>

#include <chrono>

class SkyCcd;

class SkyTelescope : public INDI::Telescope
{
public:
    explicit SkyTelescope(SkyCcd &camera);

    const char *getDefaultName() override;
    bool initProperties() override;
    bool updateProperties() override;
    bool ISNewNumber(const char *dev, const char *name, double values[], char *names[], int n) override;
    bool ISNewSwitch(const char *dev, const char *name, ISState *states, char *names[], int n) override;

protected:
    bool Connect() override;
    bool Disconnect() override { return true; }
    bool ReadScopeStatus() override;
    bool Goto(double ra, double dec) override;
    bool Abort() override;
    bool MoveWE(INDI_DIR_WE dir, TelescopeMotionCommand command) override;
    bool SetTrackEnabled(bool enabled) override;

private:
    enum class Motion { None, Slew, Settle, Move };
    bool hangs() const { return m_faultsS[0].s == ISS_ON; }
    bool ours(const char *dev) const;
    void startMotion(Motion motion);
    double skyNow();
    double hourAngleDeg() const;
    double raHours() const;
    double siderealDeg(double utc) const;
    void turnBy(double hourAngleDeg);

    SkyCcd &m_camera;
    karvix::sim::SkySimulator &m_sky;
    Motion m_motion = Motion::None;
    double m_targetRaHours = 0, m_decDeg = 90;
    bool m_trackAfterSlew = false;
    int m_moveSign = 0; // +1 west, -1 east
    double m_lastUtc = 0, m_settledAtUtc = 0;
    std::chrono::steady_clock::time_point m_lastMachineTime;

    ISwitch m_faultsS[2];
    ISwitchVectorProperty m_faultsSP;
};

#endif // KARVIX_INDIDRIVER_SKYTELESCOPE_H
