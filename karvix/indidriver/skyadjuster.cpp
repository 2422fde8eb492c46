#include "skyadjuster.h"

#include <cmath>
#include <cstring>

namespace {
constexpr uint32_t kMotorTickMs = 100;
constexpr const char *kFaultsGroup = "Faults";
constexpr double kDefaultTravelDeg = 5;
constexpr double kDefaultSpeedDegPerS = 0.05; // 3' a second, as the bolts of a small mount turn
} // namespace

SkyAdjuster::SkyAdjuster(karvix::sim::SkySimulator &sky)
    : m_sky(sky), m_altitude({}, [&sky](double arcmin) { sky.turnAltitudeBolt(arcmin); }),
      m_azimuth({}, [&sky](double arcmin) { sky.turnAzimuthBolt(arcmin); })
{
    setVersion(1, 0);
}

const char *SkyAdjuster::getDefaultName()
{
    return "Velto Q7 Adjuster";
}

bool SkyAdjuster::initProperties()
{
    INDI::DefaultDevice::initProperties();
    const char *device = getDeviceName();
    IUFillNumber(&m_stepN[0], "MANUAL_AZ_STEP", "Azimuth (deg, east)", "%.6f", -20, 20, 0, 0);
    IUFillNumber(&m_stepN[1], "MANUAL_ALT_STEP", "Altitude (deg, up)", "%.6f", -20, 20, 0, 0);
    IUFillNumberVector(&m_stepNP, m_stepN, 2, device, "PAC_MANUAL_ADJUSTMENT", "Move by", MAIN_CONTROL_TAB,
        IP_RW, 0, IPS_IDLE);
    IUFillSwitch(&m_abortS[0], "ABORT", "Abort", ISS_OFF);
    IUFillSwitchVector(&m_abortSP, m_abortS, 1, device, "PAC_ABORT_MOTION", "Abort motion", MAIN_CONTROL_TAB,
        IP_RW, ISR_ATMOST1, 0, IPS_IDLE);
    IUFillNumber(
        &m_positionN[0], "AZ_POSITION", "Azimuth (deg)", "%.6f", -kDefaultTravelDeg, kDefaultTravelDeg, 0, 0);
    IUFillNumber(&m_positionN[1], "ALT_POSITION", "Altitude (deg)", "%.6f", -kDefaultTravelDeg,
        kDefaultTravelDeg, 0, 0);
    IUFillNumberVector(&m_positionNP, m_positionN, 2, device, "PAC_POSITION", "Position", MAIN_CONTROL_TAB,
        IP_RO, 0, IPS_OK);
    IUFillNumber(&m_faultsN[0], "ALT_BACKLASH_ARCMIN", "Altitude slack (')", "%.2f", 0, 60, 0, 0);
    IUFillNumber(&m_faultsN[1], "AZ_BACKLASH_ARCMIN", "Azimuth slack (')", "%.2f", 0, 60, 0, 0);
    IUFillNumber(&m_faultsN[2], "ALT_GAIN", "Altitude gain (<0 reversed)", "%.3f", -3, 3, 0, 1);
    IUFillNumber(&m_faultsN[3], "AZ_GAIN", "Azimuth gain (<0 reversed)", "%.3f", -3, 3, 0, 1);
    IUFillNumber(&m_faultsN[4], "TRAVEL_DEG", "Travel (+- deg)", "%.3f", 0, 20, 0, kDefaultTravelDeg);
    IUFillNumber(
        &m_faultsN[5], "SPEED_DEG_S", "Speed (deg/s, 0 stuck)", "%.4f", 0, 10, 0, kDefaultSpeedDegPerS);
    IUFillNumberVector(
        &m_faultsNP, m_faultsN, 6, device, "ADJUSTER_FAULTS", "Faults", kFaultsGroup, IP_RW, 0, IPS_IDLE);
    applyFaults();
    return true;
}

bool SkyAdjuster::updateProperties()
{
    INDI::DefaultDevice::updateProperties();
    if (isConnected()) {
        defineProperty(&m_stepNP);
        defineProperty(&m_abortSP);
        defineProperty(&m_positionNP);
        defineProperty(&m_faultsNP);
        SetTimer(kMotorTickMs);
    } else {
        for (const char *name :
            {"PAC_MANUAL_ADJUSTMENT", "PAC_ABORT_MOTION", "PAC_POSITION", "ADJUSTER_FAULTS"})
            deleteProperty(name);
    }
    return true;
}

void SkyAdjuster::applyFaults()
{
    const auto faults = [this](int backlash, int gain) {
        karvix::sim::MotorFaults f;
        f.backlashArcmin = m_faultsN[backlash].value;
        f.gain = std::fabs(m_faultsN[gain].value);
        f.reversed = m_faultsN[gain].value < 0;
        f.travelDeg = m_faultsN[4].value;
        f.speedDegPerS = m_faultsN[5].value;
        return f;
    };
    m_altitude.setFaults(faults(0, 2));
    m_azimuth.setFaults(faults(1, 3));
    for (INumber &position : m_positionN) {
        position.min = -m_faultsN[4].value;
        position.max = m_faultsN[4].value;
    }
}

void SkyAdjuster::showPosition()
{
    m_positionN[0].value = m_azimuth.positionDeg();
    m_positionN[1].value = m_altitude.positionDeg();
    IDSetNumber(&m_positionNP, nullptr);
}

bool SkyAdjuster::ISNewNumber(const char *dev, const char *name, double values[], char *names[], int n)
{
    if (!dev || std::strcmp(dev, getDeviceName()) != 0)
        return false;
    if (std::strcmp(name, m_stepNP.name) == 0) {
        if (m_stepNP.s == IPS_BUSY) {
            IDSetNumber(&m_stepNP, "A move is already running");
            return true;
        }
        IUUpdateNumber(&m_stepNP, values, names, n);
        const double now = m_sky.clock();
        const double azimuth = m_stepN[0].value, altitude = m_stepN[1].value;
        // Both or neither: a move half inside the travel is refused whole before anything turns.
        const auto inside = [](const karvix::sim::BoltMotor &m, double by) {
            return std::fabs(m.positionDeg() + by) <= m.faults().travelDeg;
        };
        if (!inside(m_altitude, altitude) || !inside(m_azimuth, azimuth)) {
            m_stepNP.s = IPS_ALERT;
            IDSetNumber(&m_stepNP, "The move would leave the travel of +-%.3f deg", m_faultsN[4].value);
            return true;
        }
        m_altitude.start(altitude, now);
        m_azimuth.start(azimuth, now);
        m_stepNP.s = IPS_BUSY;
        IDSetNumber(&m_stepNP, nullptr);
        return true;
    }
    if (std::strcmp(name, m_faultsNP.name) == 0) {
        IUUpdateNumber(&m_faultsNP, values, names, n);
        applyFaults();
        m_faultsNP.s = IPS_OK;
        IDSetNumber(&m_faultsNP, nullptr);
        deleteProperty(m_positionNP.name);
        defineProperty(&m_positionNP);
        return true;
    }
    return INDI::DefaultDevice::ISNewNumber(dev, name, values, names, n);
}

bool SkyAdjuster::ISNewSwitch(const char *dev, const char *name, ISState *states, char *names[], int n)
{
    if (dev && std::strcmp(dev, getDeviceName()) == 0 && std::strcmp(name, m_abortSP.name) == 0) {
        const double now = m_sky.clock();
        m_altitude.stop(now);
        m_azimuth.stop(now);
        m_abortS[0].s = ISS_OFF;
        m_abortSP.s = IPS_OK;
        IDSetSwitch(&m_abortSP, nullptr);
        if (m_stepNP.s == IPS_BUSY) {
            m_stepNP.s = IPS_IDLE;
            IDSetNumber(&m_stepNP, "Aborted");
        }
        showPosition();
        return true;
    }
    return INDI::DefaultDevice::ISNewSwitch(dev, name, states, names, n);
}

void SkyAdjuster::TimerHit()
{
    if (!isConnected())
        return;
    const bool wasMoving = m_altitude.moving() || m_azimuth.moving();
    const double now = m_sky.clock();
    m_altitude.advance(now);
    m_azimuth.advance(now);
    if (wasMoving) {
        showPosition();
        if (!m_altitude.moving() && !m_azimuth.moving() && m_stepNP.s == IPS_BUSY) {
            m_stepNP.s = IPS_OK;
            IDSetNumber(&m_stepNP, nullptr);
        }
    }
    SetTimer(kMotorTickMs);
}
