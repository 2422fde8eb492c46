#include "skysimulator.h"

#include "apparentsky.h"
#include "catalog.h"
#include "mountmodel.h"
#include "sensormodel.h"

#include <chrono>
#include <cmath>
#include <mutex>
#include <random>

namespace karvix::sim {
namespace {

// The sky is every catalogue star within this distance of the visible pole.
constexpr double kSkyRadiusDeg = 10.0;
// CIRS places move by annual aberration and precession at well under 0.01 arcsec per minute.
constexpr double kCirsRefreshSec = 60.0;
// Stars farther than this from the optical axis cannot be in the frame (its half-diagonal is 6.8
// degrees), with room for refraction and the culling rotation's simplifications.
constexpr double kFieldRadiusDeg = 8.0;
constexpr double kFrameMarginPx = 16.0;

bool sameSite(const Site &a, const Site &b)
{
    return a.latitudeDeg == b.latitudeDeg && a.longitudeDeg == b.longitudeDeg && a.heightM == b.heightM
        && a.pressureHpa == b.pressureHpa && a.temperatureC == b.temperatureC;
}

double systemUnixSeconds()
{
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

double normalizedDeg(double deg)
{
    const double d = std::fmod(deg, 360.0);
    return d < 0 ? d + 360.0 : d;
}

double wrappedDeg(double deg)
{
    return std::remainder(deg, 360.0);
}

bool insideFrame(const ImagePoint &p, double margin)
{
    return p.x >= -margin && p.y >= -margin && p.x <= kImageWidth - 1 + margin
        && p.y <= kImageHeight - 1 + margin;
}

// The fraction of a star's light at `p` that passes the conditions' cloud.
double cloudTransmission(const Conditions &c, const ImagePoint &p)
{
    if (c.cloudRadiusPx <= 0)
        return 1.0;
    const double d2 = (p.x - c.cloudCentre.x) * (p.x - c.cloudCentre.x)
        + (p.y - c.cloudCentre.y) * (p.y - c.cloudCentre.y);
    const double depth = std::exp(-std::log(2.0) * d2 / (c.cloudRadiusPx * c.cloudRadiusPx));
    return 1.0 - (1.0 - c.cloudTransmission) * depth;
}

// Everything one frame or one truth query depends on, copied under the state lock.
struct Scene
{
    Site site;
    MountState mount;
    bool ideal = false;
    bool annualAberration = true;
    double time = 0;
    Conditions conditions;

    int hemisphere() const { return hemisphereSign(site); }
    cv::Matx33d horizonToCamera() const
    {
        return cameraRotation(mount, raAxisAngleDeg(mount, time, hemisphere()));
    }
};

// A star of the sky at its CIRS place, kept between frames.
struct ApparentStar
{
    double ri, di;
    Vec3 cirs; // unit vector of (ri, di)
    double electronsPerSec;
};

} // namespace

struct SkySimulator::Impl
{
    explicit Impl(uint32_t seed) : rng(seed), sensor(seed) { }

    // ---- guarded by stateMutex ----
    mutable std::mutex stateMutex;
    Site site;
    MountState mount;
    bool ideal = false;
    bool annualAberration = true;
    Conditions conditions;
    bool testClock = false;
    double testClockTime = 0;
    std::mt19937 rng;

    double nowLocked() const { return testClock ? testClockTime : systemUnixSeconds(); }
    Vec3 truePoleLocked() const { return truePoleHorizon(site); }

    Scene scene() const
    {
        std::lock_guard<std::mutex> lock(stateMutex);
        return Scene {site, mount, ideal, annualAberration, nowLocked(), conditions};
    }

    // Pole's altitude and azimuth, degrees.
    void poleAltAzLocked(double &alt, double &az) const
    {
        alt = std::fabs(site.latitudeDeg);
        az = hemisphereSign(site) > 0 ? 0.0 : 180.0;
    }

    PolarError polarErrorLocked() const
    {
        double alt, az;
        poleAltAzLocked(alt, az);
        const Vec3 axis = polarAxis(mount), pole = truePoleLocked();
        const double total = std::atan2(cv::norm(axis.cross(pole)), axis.dot(pole));
        return {(mount.axisAltitudeDeg - alt) * 3600.0, wrappedDeg(mount.axisAzimuthDeg - az) * 3600.0,
            total * ERFA_DR2AS};
    }

    void setPolarErrorLocked(double altArcsec, double azArcsec)
    {
        double alt, az;
        poleAltAzLocked(alt, az);
        mount.axisAltitudeDeg = alt + altArcsec / 3600.0;
        mount.axisAzimuthDeg = normalizedDeg(az + azArcsec / 3600.0);
    }

    void foldTrackingLocked()
    {
        const double now = nowLocked();
        mount.raAxisDeg = normalizedDeg(raAxisAngleDeg(mount, now, hemisphereSign(site)));
        mount.trackingSinceUnix = now;
    }

    // ---- guarded by renderMutex ----
    std::mutex renderMutex;
    SensorModel sensor;
    bool cacheValid = false;
    Site cacheSite;
    bool cacheAberration = true;
    double cacheTime = 0;
    eraASTROM cacheAstrom {};
    std::vector<ApparentStar> apparentStars;
    std::vector<StarSpot> spots;

    void refreshApparentPlaces(const Scene &s)
    {
        if (cacheValid && sameSite(cacheSite, s.site) && cacheAberration == s.annualAberration
            && std::fabs(s.time - cacheTime) < kCirsRefreshSec)
            return;
        apparentStars.clear();
        cacheSite = s.site;
        cacheAberration = s.annualAberration;
        cacheTime = s.time;
        cacheValid = prepareAstrom(s.site, s.time, s.annualAberration, cacheAstrom);
        if (!cacheValid)
            return;
        const double minPoleDec = (90.0 - kSkyRadiusDeg) * ERFA_DD2R;
        for (const SkyStar &star : polarCatalog()) {
            if (star.decDeg * s.hemisphere() <= 0)
                continue;
            double ri, di;
            catalogToCirs(star.place(), cacheAstrom, ri, di);
            if (di * s.hemisphere() < minPoleDec)
                continue;
            const Vec3 v(std::cos(di) * std::cos(ri), std::cos(di) * std::sin(ri), std::sin(di));
            apparentStars.push_back({ri, di, v, SensorModel::starElectronsPerSec(star.vmag)});
        }
    }

    // The stars of the sky that fall on the frame, for the scene's time.
    void placeStars(const Scene &s)
    {
        spots.clear();
        refreshApparentPlaces(s);
        if (!cacheValid)
            return;
        eraASTROM astrom = cacheAstrom;
        updateEarthRotation(s.time, astrom);
        const cv::Matx33d toCamera = s.horizonToCamera();
        const Vec3 opticalAxis(toCamera(2, 0), toCamera(2, 1), toCamera(2, 2));
        const Vec3 opticalAxisCirs = cirsToHorizonRotation(astrom).t() * opticalAxis;
        const double minCos = std::cos(kFieldRadiusDeg * ERFA_DD2R);
        for (const ApparentStar &star : apparentStars) {
            if (star.cirs.dot(opticalAxisCirs) < minCos)
                continue;
            const auto p = projectToImage(toCamera, cirsToHorizon(star.ri, star.di, astrom));
            if (p && insideFrame(*p, kFrameMarginPx))
                spots.push_back({p->x, p->y, star.electronsPerSec * cloudTransmission(s.conditions, *p)});
        }
    }

    // Star-independent parameters for a truth query; false when ERFA rejects the date.
    bool truthView(Scene &s, eraASTROM &astrom) const
    {
        s = scene();
        return prepareAstrom(s.site, s.time, s.annualAberration, astrom);
    }
};

SkySimulator::SkySimulator(uint32_t seed) : d(std::make_unique<Impl>(seed))
{
    std::uniform_real_distribution<double> angle(0.0, 360.0),
        mounting(-kHolderRollToleranceDeg, kHolderRollToleranceDeg);
    d->mount.cameraTiltDirectionDeg = angle(d->rng);
    d->mount.cameraRollDeg = normalizedDeg(kHolderRollDeg + mounting(d->rng));
    randomizePolarError();
}

SkySimulator::~SkySimulator() = default;

Site SkySimulator::site() const
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    return d->site;
}

void SkySimulator::setSite(const Site &site)
{
    if (!std::isfinite(site.latitudeDeg) || !std::isfinite(site.longitudeDeg) || !std::isfinite(site.heightM)
        || !std::isfinite(site.pressureHpa) || !std::isfinite(site.temperatureC))
        return;
    std::lock_guard<std::mutex> lock(d->stateMutex);
    // The mount stays set up as it was relative to the pole of the new site.
    const PolarError error = d->polarErrorLocked();
    d->foldTrackingLocked();
    d->site = site;
    d->site.latitudeDeg = std::clamp(site.latitudeDeg, -89.9, 89.9);
    d->site.pressureHpa = std::max(site.pressureHpa, 0.0);
    d->setPolarErrorLocked(error.altitudeArcsec, error.azimuthArcsec);
}

double SkySimulator::clock() const
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    return d->nowLocked();
}

void SkySimulator::setClock(double unixSeconds)
{
    if (!std::isfinite(unixSeconds))
        return;
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->testClock = true;
    d->testClockTime = unixSeconds;
}

void SkySimulator::stepClock(double seconds)
{
    if (!std::isfinite(seconds))
        return;
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->testClockTime = d->nowLocked() + seconds;
    d->testClock = true;
}

void SkySimulator::useSystemClock()
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->testClock = false;
}

bool SkySimulator::usesTestClock() const
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    return d->testClock;
}

void SkySimulator::setPolarAxis(double altitudeDeg, double azimuthDeg)
{
    if (!std::isfinite(altitudeDeg) || !std::isfinite(azimuthDeg))
        return;
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->mount.axisAltitudeDeg = std::clamp(altitudeDeg, -90.0, 90.0);
    d->mount.axisAzimuthDeg = normalizedDeg(azimuthDeg);
}

void SkySimulator::setPolarError(double altitudeArcsec, double azimuthArcsec)
{
    if (!std::isfinite(altitudeArcsec) || !std::isfinite(azimuthArcsec))
        return;
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->setPolarErrorLocked(altitudeArcsec, azimuthArcsec);
}

void SkySimulator::randomizePolarError()
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    std::uniform_real_distribution<double> size(0.3, 2.0), direction(0.0, 2.0 * M_PI);
    const double errorDeg = size(d->rng), dir = direction(d->rng);
    double alt, az;
    d->poleAltAzLocked(alt, az);
    // An azimuth error shows on the sky shrunk by cos(altitude).
    d->setPolarErrorLocked(
        errorDeg * std::sin(dir) * 3600.0, errorDeg * std::cos(dir) / std::cos(alt * ERFA_DD2R) * 3600.0);
}

void SkySimulator::turnAltitudeBolt(double arcmin)
{
    if (!std::isfinite(arcmin))
        return;
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->mount.axisAltitudeDeg = std::clamp(d->mount.axisAltitudeDeg + arcmin / 60.0, -90.0, 90.0);
}

void SkySimulator::turnAzimuthBolt(double arcmin)
{
    if (!std::isfinite(arcmin))
        return;
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->mount.axisAzimuthDeg = normalizedDeg(d->mount.axisAzimuthDeg + arcmin / 60.0);
}

PolarError SkySimulator::polarError() const
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    return d->polarErrorLocked();
}

double SkySimulator::polarAxisAltitudeDeg() const
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    return d->mount.axisAltitudeDeg;
}

double SkySimulator::polarAxisAzimuthDeg() const
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    return d->mount.axisAzimuthDeg;
}

void SkySimulator::setRaAxis(double degrees)
{
    if (!std::isfinite(degrees))
        return;
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->mount.raAxisDeg = normalizedDeg(degrees);
    d->mount.trackingSinceUnix = d->nowLocked();
}

void SkySimulator::turnRaAxis(double degrees)
{
    if (!std::isfinite(degrees))
        return;
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->mount.raAxisDeg = normalizedDeg(d->mount.raAxisDeg + degrees);
}

double SkySimulator::raAxis() const
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    return normalizedDeg(raAxisAngleDeg(d->mount, d->nowLocked(), hemisphereSign(d->site)));
}

void SkySimulator::setTracking(bool on)
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->foldTrackingLocked();
    d->mount.tracking = on;
}

void SkySimulator::setTrackingRate(double factor)
{
    if (!std::isfinite(factor) || factor <= 0)
        return;
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->foldTrackingLocked();
    d->mount.trackingRate = factor;
}

bool SkySimulator::tracking() const
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    return d->mount.tracking;
}

void SkySimulator::setCameraTilt(double tiltDeg, double directionDeg)
{
    if (!std::isfinite(tiltDeg) || !std::isfinite(directionDeg))
        return;
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->mount.cameraTiltDeg = std::clamp(tiltDeg, 0.0, 10.0);
    d->mount.cameraTiltDirectionDeg = normalizedDeg(directionDeg);
}

void SkySimulator::setCameraRoll(double rollDeg)
{
    if (!std::isfinite(rollDeg))
        return;
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->mount.cameraRollDeg = normalizedDeg(rollDeg);
}

double SkySimulator::cameraTiltDeg() const
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    return d->mount.cameraTiltDeg;
}

double SkySimulator::cameraTiltDirectionDeg() const
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    return d->mount.cameraTiltDirectionDeg;
}

double SkySimulator::cameraRollDeg() const
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    return d->mount.cameraRollDeg;
}

void SkySimulator::setAnnualAberration(bool on)
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->annualAberration = on;
}

void SkySimulator::setConditions(const Conditions &c)
{
    const bool valid = std::isfinite(c.seeingFwhmPx) && c.seeingFwhmPx >= 0.5 && c.seeingFwhmPx <= 10
        && std::isfinite(c.skyBrightness) && c.skyBrightness >= 0 && c.skyBrightness <= 100
        && std::isfinite(c.cloudCentre.x) && std::isfinite(c.cloudCentre.y) && std::isfinite(c.cloudRadiusPx)
        && c.cloudRadiusPx >= 0 && std::isfinite(c.cloudTransmission) && c.cloudTransmission >= 0
        && c.cloudTransmission <= 1;
    if (!valid)
        return;
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->conditions = c;
}

Conditions SkySimulator::conditions() const
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    return d->conditions;
}

void SkySimulator::setIdealSensor(bool ideal)
{
    std::lock_guard<std::mutex> lock(d->stateMutex);
    d->ideal = ideal;
}

std::optional<ImagePoint> SkySimulator::starPosition(const std::string &idOrName) const
{
    const int index = findCatalogStar(idOrName);
    Scene s;
    eraASTROM astrom;
    if (index < 0 || !d->truthView(s, astrom))
        return std::nullopt;
    return projectToImage(
        s.horizonToCamera(), catalogToHorizon(polarCatalog()[size_t(index)].place(), astrom));
}

std::optional<ImagePoint> SkySimulator::truePolePosition() const
{
    const Scene s = d->scene();
    return projectToImage(s.horizonToCamera(), truePoleHorizon(s.site));
}

std::optional<ImagePoint> SkySimulator::refractedPolePosition() const
{
    Scene s;
    eraASTROM astrom;
    if (!d->truthView(s, astrom))
        return std::nullopt;
    return projectToImage(s.horizonToCamera(), refractedPoleHorizon(s.site, astrom));
}

std::optional<ImagePoint> SkySimulator::axisCentre() const
{
    const Scene s = d->scene();
    return projectToImage(s.horizonToCamera(), polarAxis(s.mount));
}

std::vector<StarTruth> SkySimulator::starsInFrame(double faintestVmag) const
{
    std::vector<StarTruth> result;
    Scene s;
    eraASTROM astrom;
    if (!d->truthView(s, astrom))
        return result;
    const cv::Matx33d toCamera = s.horizonToCamera();
    const auto &catalog = polarCatalog();
    for (size_t i = 0; i < catalog.size(); ++i) {
        const SkyStar &star = catalog[i];
        if (star.vmag > faintestVmag || star.decDeg * s.hemisphere() <= 0)
            continue;
        const auto p = projectToImage(toCamera, catalogToHorizon(star.place(), astrom));
        if (p && insideFrame(*p, 0.0))
            result.push_back({int(i), std::string(star.id()), star.vmag, *p});
    }
    return result;
}

void SkySimulator::renderFrame(double exposureUs, double gain, cv::Mat &frame)
{
    std::lock_guard<std::mutex> lock(d->renderMutex);
    const Scene s = d->scene();
    d->placeStars(s);
    d->sensor.render(d->spots, exposureUs, gain, s.ideal, s.time, s.conditions, frame);
}

} // namespace karvix::sim
