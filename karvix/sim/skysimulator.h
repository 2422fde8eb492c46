// skysimulator.h - the simulated sky, mount and camera behind the karvix camera library.
//
// A site under the real sky (the catalogue stars around the visible pole at their observed places
// computed with ERFA), an equatorial mount whose polar axis is off the true pole, a camera fixed to
// its RA axis, and a noisy 8-bit sensor. It renders frames and tells the truth: where any star, the
// true and the refracted pole and the RA axis appear in the image, and the polar error.
//
// Usage:
//   SkySimulator sky(seed);                 // or karvix::sim::cameraSimulator(), the camera's own
//   sky.setClock(unixSeconds);              // a test clock: frames come on demand
//   sky.setPolarError(600, -900);           // arcsec, or randomizePolarError()
//   sky.turnRaAxis(30);                     // degrees
//   cv::Mat frame; sky.renderFrame(50000, 50, frame);
//   auto polaris = sky.starPosition("Polaris (alpha UMi)");
//
// Every method may be called from any thread: the capture thread renders while the GUI thread
// turns the axes and reads the truth. Truth is computed for the clock's current time.
#ifndef KARVIX_SIM_SKYSIMULATOR_H
#define KARVIX_SIM_SKYSIMULATOR_H

#include "simexport.h"
#include "simtypes.h"

#include <cstdint>
#include <memory>
#include <opencv2/core/mat.hpp>
#include <optional>
#include <string>
#include <vector>

namespace karvix::sim {

class KARVIX_SIM_EXPORT SkySimulator
{
public:
    static constexpr uint32_t kDefaultSeed = 20261207;
    // The camera sits in its holder with the image's top edge towards the horizon below the pole
    // when the RA axis is at home (0 degrees): the sky appears turned over, as in a polar finder
    // scope, and refraction, which lifts every star towards the zenith, moves it down the image.
    // Each seeded camera is mounted within the tolerance of that roll.
    static constexpr double kHolderRollDeg = 180.0;
    static constexpr double kHolderRollToleranceDeg = 1.0;

    // The seed fixes the polar error, the camera's tilt direction and its roll within the holder's
    // tolerance, the hot pixels and the noise sequence.
    explicit SkySimulator(uint32_t seed = kDefaultSeed);
    ~SkySimulator();
    SkySimulator(const SkySimulator &) = delete;
    SkySimulator &operator=(const SkySimulator &) = delete;

    // ---- Site and clock ------------------------------------------------------------------------
    Site site() const;
    void setSite(const Site &site);
    // UTC as seconds since 1970-01-01T00:00:00 UTC. The system clock is the default.
    double clock() const;
    void setClock(double unixSeconds); // switches to the test clock
    void stepClock(double seconds);    // moves the test clock (from the system clock's time if that ran)
    void useSystemClock();
    bool usesTestClock() const;

    // Annual aberration (on by default) moves every star by up to 20 arcsec relative to the pole
    // over the year. Off (diurnal aberration with it), the stars keep their mean places of date, as
    // star data computed without aberration assume; this separates that simplification from other
    // errors in tests.
    void setAnnualAberration(bool on);

    // ---- Mount ---------------------------------------------------------------------------------
    void setPolarAxis(double altitudeDeg, double azimuthDeg);
    // Puts the polar axis this far from the true pole (arcsec of altitude and of azimuth).
    void setPolarError(double altitudeArcsec, double azimuthArcsec);
    // A new seeded error of 0.3 to 2 degrees in a random direction.
    void randomizePolarError();
    void turnAltitudeBolt(double arcmin); // positive raises the polar axis
    void turnAzimuthBolt(double arcmin);  // positive turns it east
    PolarError polarError() const;
    double polarAxisAltitudeDeg() const;
    double polarAxisAzimuthDeg() const;

    // The RA axis angle in degrees, right-handed about the polar axis as it points at the sky.
    // With tracking on, the axis also turns with the sky at the sidereal rate.
    void setRaAxis(double degrees);
    void turnRaAxis(double degrees);
    double raAxis() const;
    void setTracking(bool on);
    bool tracking() const;
    // The drive's rate as a multiple of the sidereal rate (1 by default); a drive off by 0.5 %
    // turns the axis 0.995 times as fast as the sky. Values that are not finite or not
    // positive are ignored.
    void setTrackingRate(double factor);

    // ---- Camera and sensor ---------------------------------------------------------------------
    void setCameraTilt(double tiltDeg, double directionDeg);
    // Roll about the optical axis: 0 puts the zenith at the image's top at RA home, the holder
    // kHolderRollDeg. For tests of other orientations.
    void setCameraRoll(double rollDeg);
    double cameraTiltDeg() const;
    double cameraTiltDirectionDeg() const;
    double cameraRollDeg() const;
    // An ideal sensor: no noise, no hot pixels, steady seeing (for measuring the renderer).
    void setIdealSensor(bool ideal);
    // Seeing, sky brightness and cloud; values that are not finite or out of range are ignored.
    void setConditions(const Conditions &conditions);
    Conditions conditions() const;

    // ---- Truth (image pixels; empty when behind the camera) ------------------------------------
    // A catalogue star by its id ("HIP 11767") or name ("Polaris (alpha UMi)").
    std::optional<ImagePoint> starPosition(const std::string &idOrName) const;
    std::optional<ImagePoint> truePolePosition() const;
    std::optional<ImagePoint> refractedPolePosition() const;
    // Where the RA axis points: the centre about which the image turns with the RA axis.
    std::optional<ImagePoint> axisCentre() const;
    // Every catalogue star down to `faintestVmag` whose position lies inside the frame.
    std::vector<StarTruth> starsInFrame(double faintestVmag) const;

    // ---- Frames --------------------------------------------------------------------------------
    // Renders the sky at the clock's time into `frame` (8-bit, 960 rows of 1280 pixels; kept if it
    // already has that size and type, so it may wrap a caller's buffer).
    void renderFrame(double exposureUs, double gain, cv::Mat &frame);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace karvix::sim

#endif // KARVIX_SIM_SKYSIMULATOR_H
