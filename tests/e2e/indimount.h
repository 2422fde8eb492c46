// indimount.h - the mount of our sky driver (indi_veltoq7_sky) on a local indiserver, turned
// through the driver's INDI properties by a client of our own beside the program's camera link.
//
// Staging sets the driver's sky to the session's: clock, site and air, the camera on the RA axis
// and the polar error. Every change is sent and waited for until the driver has echoed it; the
// driver's sky clock at that moment tells which frames show the change (those exposed after it).
// The truth comes from the driver's read-only properties (POLAR_ERROR, TRUE_POLE): the same sky
// that made the frames.
#ifndef E2E_INDIMOUNT_H
#define E2E_INDIMOUNT_H

#include "mount.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

namespace e2e {

class IndiMount : public Mount
{
public:
    static constexpr const char *kDevice = "Velto Q7 Sky";
    static constexpr const char *kAdjuster = "Velto Q7 Adjuster";
    // The same RA axis as an INDI telescope, for a run whose RA turns the program makes itself
    // (Device > Mount... names it on this server).
    static constexpr const char *kTelescope = "Velto Q7 Mount";

    // Connects to localhost:session.indiPort, switches the driver on and stages the session.
    explicit IndiMount(const Session &session);
    ~IndiMount() override;

    void turnRaAxis(double degrees) override;
    void turnAltitudeBolt(double arcmin) override;
    void turnAzimuthBolt(double arcmin) override;
    void letTimePass(double) override { } // the driver's clock moves on by each exposure
    bool awaitFrameAfterChange(int timeoutMs) override;
    double clock() const override;
    karvix::sim::PolarError polarError() const override;
    std::optional<karvix::sim::ImagePoint> truePolePosition() const override;
    std::optional<AdjusterAddress> motoriseBolts(
        const karvix::sim::MotorFaults &altitude, const karvix::sim::MotorFaults &azimuth) override;
    std::string problem() const override { return m_problem; }

private:
    class Client;
    using Elements = std::initializer_list<std::pair<const char *, double>>;
    // Sends new values of a number property and waits for the driver's echo of them.
    bool set(const char *property, Elements elements, const char *device = kDevice);
    bool stage(const Session &session);

    std::unique_ptr<Client> m_client;
    int m_port;
    const double m_stagedUtc;
    double m_raAxisDeg = 0;
    double m_altitudeBoltArcmin = 0, m_azimuthBoltArcmin = 0;
    double m_changedAtUtc = 0; // the driver's sky clock when it took the last change
    std::string m_problem;
};

} // namespace e2e

#endif // E2E_INDIMOUNT_H
