#include "skyccd.h"

#include "skyadjuster.h"
#include "skytelescope.h"

#include "sensormodel.h"

#include <fitsio.h>
#include <opencv2/core.hpp>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

constexpr int kWidth = 1280, kHeight = 960;
constexpr float kPixelSizeUm = 3.75f; // behind kFocalLengthMm: 30.5" per pixel
constexpr double kFocalLengthMm = 25.36;
constexpr double kApertureMm = kFocalLengthMm / 2; // an f/2 lens
constexpr double kDefaultGain = 50;
constexpr uint32_t kUploadPollMs = 2;
constexpr const char *kMountGroup = "Mount";
constexpr const char *kSkyGroup = "Sky";

std::unique_ptr<SkyCcd> camera(new SkyCcd());
std::unique_ptr<SkyAdjuster> adjuster(new SkyAdjuster(camera->sky()));
std::unique_ptr<SkyTelescope> telescope(new SkyTelescope(*camera));

// The device a client's message is for: the adjuster or the telescope by its name, the camera
// otherwise.
INDI::DefaultDevice *deviceFor(const char *dev)
{
    if (dev && std::strcmp(dev, adjuster->getDeviceName()) == 0)
        return adjuster.get();
    if (dev && std::strcmp(dev, telescope->getDeviceName()) == 0)
        return telescope.get();
    return camera.get();
}

uint32_t seedFromEnvironment()
{
    const char *seed = std::getenv("VELTO_SKY_SEED");
    return seed && *seed ? uint32_t(std::strtoul(seed, nullptr, 10))
                         : karvix::sim::SkySimulator::kDefaultSeed;
}

// "YYYY-MM-DDThh:mm:ss.sss" of a UTC in seconds since 1970, as FITS writes DATE-OBS.
std::string isoUtc(double seconds)
{
    const time_t whole = time_t(std::floor(seconds));
    std::tm parts {};
    gmtime_r(&whole, &parts);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%06.3f", parts.tm_year + 1900,
        parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min,
        parts.tm_sec + (seconds - double(whole)));
    return text;
}

// Takes a client's new values into the vector; values that are not finite, or outside the
// elements' ranges, change nothing and leave the vector in Alert with the reason.
bool takeNumbers(INumberVectorProperty *vector, double values[], char *names[], int n)
{
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(values[i])) {
            vector->s = IPS_ALERT;
            IDSetNumber(vector, "%s is not a number; nothing changed", names[i]);
            return false;
        }
    }
    if (IUUpdateNumber(vector, values, names, n) != 0) {
        vector->s = IPS_ALERT;
        IDSetNumber(vector, "a value is outside its range; nothing changed");
        return false;
    }
    return true;
}

} // namespace

// The entry points libindidriver's main loop calls.
void ISGetProperties(const char *dev)
{
    camera->ISGetProperties(dev);
    adjuster->ISGetProperties(dev);
    telescope->ISGetProperties(dev);
}

void ISNewSwitch(const char *dev, const char *name, ISState *states, char *names[], int n)
{
    deviceFor(dev)->ISNewSwitch(dev, name, states, names, n);
}

void ISNewText(const char *dev, const char *name, char *texts[], char *names[], int n)
{
    deviceFor(dev)->ISNewText(dev, name, texts, names, n);
}

void ISNewNumber(const char *dev, const char *name, double values[], char *names[], int n)
{
    deviceFor(dev)->ISNewNumber(dev, name, values, names, n);
}

void ISNewBLOB(const char *dev, const char *name, int sizes[], int blobsizes[], char *blobs[],
    char *formats[], char *names[], int n)
{
    deviceFor(dev)->ISNewBLOB(dev, name, sizes, blobsizes, blobs, formats, names, n);
}

void ISSnoopDevice(XMLEle *root)
{
    camera->ISSnoopDevice(root);
}

SkyCcd::SkyCcd() : m_sky(new karvix::sim::SkySimulator(seedFromEnvironment()))
{
    setVersion(1, 0);
}

const char *SkyCcd::getDefaultName()
{
    return "Velto Q7 Sky";
}

bool SkyCcd::initProperties()
{
    INDI::CCD::initProperties();
    SetCCDCapability(CCD_CAN_ABORT);
    // libindi's defaults are a lens of 0 mm, below its own 10 mm least, and the filter wheel of its
    // simulator: this camera's own lens, and no wheel of another driver's.
    ScopeInfoNP[FocalLength].setValue(kFocalLengthMm);
    ScopeInfoNP[Aperture].setValue(kApertureMm);
    IUSaveText(&ActiveDeviceT[ACTIVE_FILTER], getDeviceName());
    addCaptureFormat({"INDI_MONO", "Mono", 8, true});
    PrimaryCCD.setMinMaxStep("CCD_EXPOSURE", "CCD_EXPOSURE_VALUE", karvix::sim::kMinExposureUs / 1e6,
        karvix::sim::kMaxExposureUs / 1e6, 0.001, false);

    const std::string device = getDeviceName();
    IUFillNumber(&m_raAxisN[0], "RA_AXIS_DEG", "RA axis (deg)", "%.3f", -180, 180, 1, 0);
    IUFillNumberVector(&m_raAxisNP, m_raAxisN, 1, device.c_str(), "MOUNT_RA_AXIS", "RA axis", kMountGroup,
        IP_RW, 0, IPS_IDLE);
    IUFillNumber(&m_boltsN[0], "ALTITUDE_ARCMIN", "Altitude bolt (')", "%.2f", -600, 600, 1, 0);
    IUFillNumber(&m_boltsN[1], "AZIMUTH_ARCMIN", "Azimuth bolt (')", "%.2f", -600, 600, 1, 0);
    IUFillNumberVector(&m_boltsNP, m_boltsN, 2, device.c_str(), "MOUNT_BOLTS", "Bolts turned", kMountGroup,
        IP_RW, 0, IPS_IDLE);
    IUFillSwitch(&m_trackingS[0], "TRACK_ON", "On", ISS_OFF);
    IUFillSwitch(&m_trackingS[1], "TRACK_OFF", "Off", ISS_ON);
    IUFillSwitchVector(&m_trackingSP, m_trackingS, 2, device.c_str(), "MOUNT_TRACKING", "Sidereal tracking",
        kMountGroup, IP_RW, ISR_1OFMANY, 0, IPS_IDLE);
    IUFillNumber(&m_polarErrorN[0], "ALTITUDE_ARCSEC", "Altitude (\")", "%.1f", -36000, 36000, 0, 0);
    IUFillNumber(
        &m_polarErrorN[1], "AZIMUTH_ARCSEC", "Azimuth, along the horizon (\")", "%.1f", -36000, 36000, 0, 0);
    // The azimuth figure shrinks by the cosine of the altitude on the sky.
    IUFillNumber(&m_polarErrorN[2], "TOTAL_ARCSEC", "Total, distance on the sky (\")", "%.1f", 0, 36000, 0, 0);
    IUFillNumberVector(&m_polarErrorNP, m_polarErrorN, 3, device.c_str(), "POLAR_ERROR", "Polar error",
        kMountGroup, IP_RW, 0, IPS_IDLE);
    IUFillNumber(&m_truePoleN[0], "X_PX", "x (px)", "%.3f", -1e6, 1e6, 0, 0);
    IUFillNumber(&m_truePoleN[1], "Y_PX", "y (px)", "%.3f", -1e6, 1e6, 0, 0);
    IUFillNumberVector(&m_truePoleNP, m_truePoleN, 2, device.c_str(), "TRUE_POLE", "True pole in the frame",
        kSkyGroup, IP_RO, 0, IPS_IDLE);
    IUFillNumber(&m_cameraN[0], "TILT_DEG", "Tilt (deg)", "%.4f", 0, 10, 0, m_sky->cameraTiltDeg());
    IUFillNumber(&m_cameraN[1], "TILT_DIRECTION_DEG", "Tilt direction (deg)", "%.4f", -360, 360, 0,
        m_sky->cameraTiltDirectionDeg());
    IUFillNumber(&m_cameraN[2], "ROLL_DEG", "Roll (deg)", "%.4f", -360, 360, 0, m_sky->cameraRollDeg());
    IUFillNumberVector(&m_cameraNP, m_cameraN, 3, device.c_str(), "CAMERA_MOUNTING", "Camera on the RA axis",
        kMountGroup, IP_RW, 0, IPS_IDLE);
    const karvix::sim::Site site = m_sky->site();
    IUFillNumber(&m_siteN[0], "LATITUDE_DEG", "Latitude (deg)", "%.4f", -90, 90, 0, site.latitudeDeg);
    IUFillNumber(
        &m_siteN[1], "LONGITUDE_DEG", "Longitude (deg, east)", "%.4f", -180, 360, 0, site.longitudeDeg);
    IUFillNumber(&m_siteN[2], "ELEVATION_M", "Elevation (m)", "%.0f", -500, 9000, 0, site.heightM);
    IUFillNumber(
        &m_siteN[3], "PRESSURE_HPA", "Pressure (hPa, 0: no air)", "%.1f", 0, 1200, 0, site.pressureHpa);
    IUFillNumber(&m_siteN[4], "TEMPERATURE_C", "Temperature (C)", "%.1f", -80, 60, 0, site.temperatureC);
    IUFillNumberVector(
        &m_siteNP, m_siteN, 5, device.c_str(), "SKY_SITE", "Site", kSkyGroup, IP_RW, 0, IPS_IDLE);
    IUFillNumber(&m_clockN[0], "UTC_SECONDS", "UTC (s since 1970, 0: system)", "%.3f", 0, 1e10, 0, 0);
    IUFillNumberVector(
        &m_clockNP, m_clockN, 1, device.c_str(), "SKY_CLOCK", "Clock", kSkyGroup, IP_RW, 0, IPS_IDLE);
    IUFillNumber(&m_gainN[0], "GAIN", "Gain", "%.0f", 0, karvix::sim::kMaxGain, 1, kDefaultGain);
    IUFillNumberVector(
        &m_gainNP, m_gainN, 1, device.c_str(), "CCD_GAIN", "Gain", MAIN_CONTROL_TAB, IP_RW, 0, IPS_IDLE);
    return true;
}

bool SkyCcd::updateProperties()
{
    INDI::CCD::updateProperties();
    if (isConnected()) {
        SetCCDParams(kWidth, kHeight, 8, kPixelSizeUm, kPixelSizeUm);
        PrimaryCCD.setFrameBufferSize(kWidth * kHeight);
        for (INumberVectorProperty *numbers : {&m_raAxisNP, &m_boltsNP, &m_polarErrorNP, &m_truePoleNP,
                 &m_cameraNP, &m_siteNP, &m_clockNP, &m_gainNP})
            defineProperty(numbers);
        defineProperty(&m_trackingSP);
        showMount();
    } else {
        for (const char *name : {"MOUNT_RA_AXIS", "MOUNT_BOLTS", "MOUNT_TRACKING", "POLAR_ERROR", "TRUE_POLE",
                 "CAMERA_MOUNTING", "SKY_SITE", "SKY_CLOCK", "CCD_GAIN"})
            deleteProperty(name);
    }
    return true;
}

bool SkyCcd::Connect()
{
    return true;
}

bool SkyCcd::Disconnect()
{
    if (m_timer >= 0)
        RemoveTimer(m_timer);
    m_timer = -1;
    InExposure = false;
    return true;
}

void SkyCcd::showMount()
{
    if (!isConnected())
        return;
    const bool tracking = m_sky->tracking();
    if ((m_trackingS[0].s == ISS_ON) != tracking) {
        m_trackingS[0].s = tracking ? ISS_ON : ISS_OFF;
        m_trackingS[1].s = tracking ? ISS_OFF : ISS_ON;
        IDSetSwitch(&m_trackingSP, nullptr);
    }
    m_raAxisN[0].value = std::remainder(m_sky->raAxis(), 360.0);
    const karvix::sim::PolarError error = m_sky->polarError();
    m_polarErrorN[0].value = error.altitudeArcsec;
    m_polarErrorN[1].value = error.azimuthArcsec;
    m_polarErrorN[2].value = error.totalArcsec;
    m_polarErrorNP.s = IPS_OK;
    const std::optional<karvix::sim::ImagePoint> pole = m_sky->truePolePosition();
    if (pole) {
        m_truePoleN[0].value = pole->x;
        m_truePoleN[1].value = pole->y;
    }
    m_truePoleNP.s = pole ? IPS_OK : IPS_ALERT;
    IDSetNumber(&m_raAxisNP, nullptr);
    IDSetNumber(&m_polarErrorNP, nullptr);
    IDSetNumber(&m_truePoleNP, nullptr);
    if (m_sky->usesTestClock()) {
        m_clockN[0].value = m_sky->clock();
        IDSetNumber(&m_clockNP, nullptr);
    }
}

bool SkyCcd::ISNewNumber(const char *dev, const char *name, double values[], char *names[], int n)
{
    if (!dev || std::strcmp(dev, getDeviceName()) != 0)
        return INDI::CCD::ISNewNumber(dev, name, values, names, n);
    const std::string property = name;
    INumberVectorProperty *own = nullptr;
    for (INumberVectorProperty *numbers :
        {&m_raAxisNP, &m_boltsNP, &m_polarErrorNP, &m_cameraNP, &m_siteNP, &m_clockNP, &m_gainNP})
        if (property == numbers->name)
            own = numbers;
    if (!own)
        return INDI::CCD::ISNewNumber(dev, name, values, names, n);
    const double altitude = m_boltsN[0].value, azimuth = m_boltsN[1].value;
    if (!takeNumbers(own, values, names, n))
        return true;
    if (own == &m_raAxisNP) {
        m_sky->setRaAxis(m_raAxisN[0].value);
    } else if (own == &m_boltsNP) {
        m_sky->turnAltitudeBolt(m_boltsN[0].value - altitude);
        m_sky->turnAzimuthBolt(m_boltsN[1].value - azimuth);
        m_boltsNP.s = IPS_OK;
        IDSetNumber(&m_boltsNP, nullptr);
    } else if (own == &m_polarErrorNP) {
        m_sky->setPolarError(m_polarErrorN[0].value, m_polarErrorN[1].value);
    } else if (own == &m_cameraNP) {
        m_sky->setCameraTilt(m_cameraN[0].value, m_cameraN[1].value);
        m_sky->setCameraRoll(m_cameraN[2].value);
        m_cameraNP.s = IPS_OK;
        IDSetNumber(&m_cameraNP, nullptr);
    } else if (own == &m_siteNP) {
        karvix::sim::Site site = m_sky->site();
        site.latitudeDeg = m_siteN[0].value;
        site.longitudeDeg = m_siteN[1].value;
        site.heightM = m_siteN[2].value;
        site.pressureHpa = m_siteN[3].value;
        site.temperatureC = m_siteN[4].value;
        m_sky->setSite(site);
        m_siteNP.s = IPS_OK;
        IDSetNumber(&m_siteNP, nullptr);
    } else if (own == &m_clockNP) {
        if (m_clockN[0].value > 0)
            m_sky->setClock(m_clockN[0].value);
        else
            m_sky->useSystemClock();
        m_clockNP.s = IPS_OK;
        IDSetNumber(&m_clockNP, nullptr);
    } else if (own == &m_gainNP) {
        m_gainNP.s = IPS_OK;
        IDSetNumber(&m_gainNP, nullptr);
        return true;
    }
    showMount();
    return true;
}

bool SkyCcd::ISNewSwitch(const char *dev, const char *name, ISState *states, char *names[], int n)
{
    if (dev && std::strcmp(dev, getDeviceName()) == 0 && std::strcmp(name, m_trackingSP.name) == 0) {
        IUUpdateSwitch(&m_trackingSP, states, names, n);
        m_sky->setTracking(m_trackingS[0].s == ISS_ON);
        m_trackingSP.s = IPS_OK;
        IDSetSwitch(&m_trackingSP, nullptr);
        return true;
    }
    return INDI::CCD::ISNewSwitch(dev, name, states, names, n);
}

bool SkyCcd::StartExposure(float duration)
{
    if (m_timer >= 0)
        RemoveTimer(m_timer);
    PrimaryCCD.setExposureDuration(duration);
    m_exposureStartUtc = m_sky->clock();
    m_exposureEnd
        = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(duration));
    InExposure = true;
    m_timer = SetTimer(uint32_t(std::max(1.0, std::round(duration * 1000.0))));
    return true;
}

bool SkyCcd::AbortExposure()
{
    if (m_timer >= 0)
        RemoveTimer(m_timer);
    m_timer = -1;
    InExposure = false;
    return true;
}

void SkyCcd::TimerHit()
{
    m_timer = -1;
    if (!isConnected() || !InExposure)
        return;
    const double leftSeconds = std::chrono::duration<double>(m_exposureEnd - Clock::now()).count();
    if (leftSeconds > 0.0005) {
        PrimaryCCD.setExposureLeft(leftSeconds);
        m_timer = SetTimer(uint32_t(std::max(1.0, std::round(leftSeconds * 1000))));
        return;
    }
    // libindi sends the previous frame from the frame buffer on a thread of its own; the new one
    // goes into the buffer once that has finished.
    if (m_uploading) {
        m_timer = SetTimer(kUploadPollMs);
        return;
    }
    InExposure = false;
    m_finishedExposureStartUtc = m_exposureStartUtc;
    const double exposureSeconds = PrimaryCCD.getExposureDuration();
    // A set clock moves on by each exposure, so the sky turns as it would have in that time.
    if (m_sky->usesTestClock())
        m_sky->stepClock(exposureSeconds);
    cv::Mat frame;
    m_sky->renderFrame(exposureSeconds * 1e6, m_gainN[0].value, frame);
    if (frame.rows == kHeight && frame.cols == kWidth && frame.type() == CV_8UC1 && frame.isContinuous())
        std::memcpy(PrimaryCCD.getFrameBuffer(), frame.data, size_t(kWidth) * kHeight);
    m_uploading = true;
    ExposureComplete(&PrimaryCCD);
    showMount();
}

void SkyCcd::UploadComplete(INDI::CCDChip *)
{
    m_uploading = false;
}

// DATE-OBS is the sky's time at the start of the exposure, which a set clock makes differ from the
// system's. libindi writes the FITS file on a thread of its own while the next exposure may begin.
void SkyCcd::addFITSKeywords(INDI::CCDChip *targetChip)
{
    INDI::CCD::addFITSKeywords(targetChip);
    fitsfile *file = *targetChip->fitsFilePointer();
    if (!file)
        return;
    int status = 0;
    std::string start = isoUtc(m_finishedExposureStartUtc);
    fits_update_key(file, TSTRING, "DATE-OBS", start.data(), "UTC start date of observation", &status);
}
