#include "mount.h"

#include "fakegrbl.h"
#include "indimount.h"
#include "observer.h"
#include "simcontrol.h"

#include <QtMath>
#include <cmath>

namespace e2e {
namespace {

using karvix::sim::cameraSimulator;

// The built-in camera's sky: frames are rendered on demand at the sky's clock, which moves only
// when the observer lets time pass.
class SimulatorMount : public Mount
{
public:
    explicit SimulatorMount(const Session &session)
    {
        karvix::sim::SkySimulator &sky = cameraSimulator();
        karvix::sim::Site site;
        site.latitudeDeg = session.latitudeDeg;
        site.longitudeDeg = session.longitudeDeg;
        site.pressureHpa = session.pressureHpa;
        site.temperatureC = session.temperatureC;
        sky.setSite(site);
        sky.setClock(session.utcSeconds);
        sky.setConditions(session.conditions);
        sky.setTracking(false);
        sky.setTrackingRate(session.trackingRate);
        sky.setRaAxis(0);
        sky.setTracking(session.tracking);
        sky.setCameraTilt(session.cameraTiltDeg, session.cameraTiltDirectionDeg);
        sky.setCameraRoll(session.cameraRollDeg);
        const PolarErrorArcsec error = polarErrorOf(session);
        sky.setPolarError(error.altitude, error.azimuth);
        karvix::sim::resetCameraBus();
    }
    ~SimulatorMount() override
    {
        karvix::sim::SkySimulator &sky = cameraSimulator();
        sky.setConditions(karvix::sim::Conditions());
        sky.setTracking(false);
        sky.setTrackingRate(1.0);
    }

    void turnRaAxis(double degrees) override { cameraSimulator().turnRaAxis(degrees); }
    void turnAltitudeBolt(double arcmin) override { cameraSimulator().turnAltitudeBolt(arcmin); }
    void turnAzimuthBolt(double arcmin) override { cameraSimulator().turnAzimuthBolt(arcmin); }
    void letTimePass(double seconds) override { cameraSimulator().stepClock(seconds); }
    // The optical axis tilts by the shift's angle on the sky, along the image's x axis at the
    // tilt's own direction: the picture moves by about that many pixels.
    bool shiftCamera(double px) override
    {
        karvix::sim::SkySimulator &sky = cameraSimulator();
        const double tilt = sky.cameraTiltDeg(), direction = qDegreesToRadians(sky.cameraTiltDirectionDeg());
        const double x = tilt * std::cos(direction) + px * kPlateScaleArcsecPerPx / 3600;
        const double y = tilt * std::sin(direction);
        sky.setCameraTilt(std::hypot(x, y), qRadiansToDegrees(std::atan2(y, x)));
        return true;
    }
    // A GRBL controller of 2 mm to the degree on a pseudo-terminal, keeping the sky's clock. The
    // person does not know its units and lets the loop learn them.
    std::optional<AdjusterAddress> motoriseBolts(
        const karvix::sim::MotorFaults &altitude, const karvix::sim::MotorFaults &azimuth) override
    {
        m_controller = std::make_unique<FakeGrbl>(
            altitude, azimuth, [](double arcmin) { cameraSimulator().turnAltitudeBolt(arcmin); },
            [](double arcmin) { cameraSimulator().turnAzimuthBolt(arcmin); },
            [] { return cameraSimulator().clock(); }, 2.0);
        const QString terminal = m_controller->openPty();
        if (terminal.isEmpty())
            return std::nullopt;
        AdjusterAddress address;
        address.address = terminal.toStdString();
        return address;
    }
    bool awaitFrameAfterChange(int) override { return true; } // rendered when the program asks
    double clock() const override { return cameraSimulator().clock(); }
    karvix::sim::PolarError polarError() const override { return cameraSimulator().polarError(); }
    std::optional<karvix::sim::ImagePoint> truePolePosition() const override
    {
        return cameraSimulator().truePolePosition();
    }

private:
    std::unique_ptr<FakeGrbl> m_controller;
};

} // namespace

PolarErrorArcsec polarErrorOf(const Session &session)
{
    // Azimuth error in degrees of azimuth: on the sky it shrinks with the cosine of the altitude.
    const double errorArcsec = session.polarErrorDeg * 3600;
    const double direction = qDegreesToRadians(session.errorDirectionDeg);
    return {errorArcsec * std::cos(direction),
        errorArcsec * std::sin(direction) / std::cos(qDegreesToRadians(std::abs(session.latitudeDeg)))};
}

std::unique_ptr<Mount> stageMount(const Session &session)
{
    if (session.indiPort != 0)
        return std::make_unique<IndiMount>(session);
    return std::make_unique<SimulatorMount>(session);
}

} // namespace e2e
