#include "skytelescope.h"

#include "skyccd.h"

#include "apparentsky.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr double kSlewDegPerS = 3;
constexpr double kSettleS = 0.5;
constexpr uint32_t kPollMs = 250;
constexpr const char *kFaultsGroup = "Faults";
constexpr double kUnixEpochJd = 2440587.5;
// TT - UTC since 2017; a second more or less moves the sidereal time by 0.004 degrees.
constexpr double kTtMinusUtcS = 69.184;

double wrapped180(double degrees)
{
    return std::remainder(degrees, 360.0);
}
} // namespace

SkyTelescope::SkyTelescope(SkyCcd &camera) : m_camera(camera), m_sky(camera.sky())
{
    setVersion(1, 0);
    setTelescopeConnection(CONNECTION_NONE);
    SetTelescopeCapability(TELESCOPE_CAN_GOTO | TELESCOPE_CAN_ABORT | TELESCOPE_CAN_CONTROL_TRACK, 0);
}

const char *SkyTelescope::getDefaultName()
{
    return "Velto Q7 Mount";
}

bool SkyTelescope::initProperties()
{
    INDI::Telescope::initProperties();
    setDefaultPollingPeriod(kPollMs);
    m_decDeg = 90.0 * karvix::sim::hemisphereSign(m_sky.site());
    IUFillSwitch(&m_faultsS[0], "HANG", "Hangs", ISS_OFF);
    IUFillSwitch(&m_faultsS[1], "REVERSED", "Turns reversed", ISS_OFF);
    IUFillSwitchVector(&m_faultsSP, m_faultsS, 2, getDeviceName(), "MOUNT_FAULTS", "Faults", kFaultsGroup,
        IP_RW, ISR_NOFMANY, 0, IPS_IDLE);
    return true;
}

bool SkyTelescope::updateProperties()
{
    // Clients take the coordinates the property is defined with for where the mount is.
    if (isConnected()) {
        EqN[AXIS_RA].value = raHours();
        EqN[AXIS_DE].value = m_decDeg;
    }
    INDI::Telescope::updateProperties();
    if (isConnected())
        defineProperty(&m_faultsSP);
    else
        deleteProperty(m_faultsSP.name);
    return true;
}

bool SkyTelescope::Connect()
{
    SetTimer(getCurrentPollingPeriod());
    return true;
}

bool SkyTelescope::ours(const char *dev) const
{
    return dev && std::strcmp(dev, getDeviceName()) == 0;
}

// A hanging mount swallows every request but the one that cures it.
bool SkyTelescope::ISNewNumber(const char *dev, const char *name, double values[], char *names[], int n)
{
    if (ours(dev) && hangs())
        return true;
    return INDI::Telescope::ISNewNumber(dev, name, values, names, n);
}

bool SkyTelescope::ISNewSwitch(const char *dev, const char *name, ISState *states, char *names[], int n)
{
    if (ours(dev) && std::strcmp(name, m_faultsSP.name) == 0) {
        IUUpdateSwitch(&m_faultsSP, states, names, n);
        m_faultsSP.s = IPS_OK;
        IDSetSwitch(&m_faultsSP, nullptr);
        return true;
    }
    if (ours(dev) && hangs())
        return true;
    return INDI::Telescope::ISNewSwitch(dev, name, states, names, n);
}

double SkyTelescope::siderealDeg(double utc) const
{
    const double days = utc / 86400.0;
    const double tt = days + kTtMinusUtcS / 86400.0;
    return eraGst06a(kUnixEpochJd, days, kUnixEpochJd, tt) / ERFA_DD2R + m_sky.site().longitudeDeg;
}

double SkyTelescope::hourAngleDeg() const
{
    return wrapped180(-karvix::sim::hemisphereSign(m_sky.site()) * m_sky.raAxis());
}

void SkyTelescope::turnBy(double hourAngleDeg)
{
    const double reversed = m_faultsS[1].s == ISS_ON ? -1 : 1;
    m_sky.turnRaAxis(-karvix::sim::hemisphereSign(m_sky.site()) * reversed * hourAngleDeg);
}

void SkyTelescope::startMotion(Motion motion)
{
    m_motion = motion;
    m_lastUtc = m_sky.clock();
    m_lastMachineTime = std::chrono::steady_clock::now();
    TrackState = SCOPE_SLEWING;
}

// The sky's time; a set clock that no exposure moves is moved on by the machine's time passed.
double SkyTelescope::skyNow()
{
    const auto machineTime = std::chrono::steady_clock::now();
    if (m_sky.usesTestClock() && !m_camera.exposing())
        m_sky.stepClock(std::chrono::duration<double>(machineTime - m_lastMachineTime).count());
    m_lastMachineTime = machineTime;
    return m_sky.clock();
}

bool SkyTelescope::Goto(double ra, double dec)
{
    m_targetRaHours = ra;
    m_decDeg = dec;
    const ISwitch *track = IUFindSwitch(&CoordSP, "TRACK");
    m_trackAfterSlew = track && track->s == ISS_ON;
    startMotion(Motion::Slew);
    LOGF_INFO(
        "Slewing to RA %.6f h, hour angle %.4f deg", ra, wrapped180(siderealDeg(m_sky.clock()) - 15 * ra));
    return true;
}

bool SkyTelescope::Abort()
{
    m_motion = Motion::None;
    return true;
}

bool SkyTelescope::MoveWE(INDI_DIR_WE dir, TelescopeMotionCommand command)
{
    if (command == MOTION_START) {
        m_moveSign = dir == DIRECTION_WEST ? 1 : -1;
        startMotion(Motion::Move);
    } else {
        m_motion = Motion::None;
        TrackState = RememberTrackState;
    }
    return true;
}

bool SkyTelescope::SetTrackEnabled(bool enabled)
{
    m_sky.setTracking(enabled);
    m_camera.showMount();
    return true;
}

bool SkyTelescope::ReadScopeStatus()
{
    if (hangs())
        return true;
    if (m_motion != Motion::None) {
        const double now = skyNow();
        const double step = kSlewDegPerS * std::max(0.0, now - m_lastUtc);
        m_lastUtc = now;
        if (m_motion == Motion::Slew) {
            const double left = wrapped180(siderealDeg(now) - 15 * m_targetRaHours - hourAngleDeg());
            turnBy(std::copysign(std::min(step, std::fabs(left)), left));
            if (std::fabs(left) <= step) {
                m_motion = Motion::Settle;
                m_settledAtUtc = now + kSettleS;
            }
        } else if (m_motion == Motion::Move) {
            turnBy(m_moveSign * step);
        } else if (now >= m_settledAtUtc) {
            m_motion = Motion::None;
            m_sky.setTracking(m_trackAfterSlew);
            LOGF_INFO("Slew done at hour angle %.4f deg", hourAngleDeg());
        }
        m_camera.showMount();
    }
    if (m_motion == Motion::None)
        TrackState = m_sky.tracking() ? SCOPE_TRACKING : SCOPE_IDLE;
    NewRaDec(raHours(), m_decDeg);
    return true;
}

double SkyTelescope::raHours() const
{
    return std::fmod(std::fmod(siderealDeg(m_sky.clock()) - hourAngleDeg(), 360.0) + 360.0, 360.0) / 15;
}
