#include "indimount.h"

#include "observer.h"
#include "source.h"

#include <QElapsedTimer>
#include <QTest>

#include <baseclient.h>
#include <basedevice.h>
#include <indipropertynumber.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <vector>

namespace e2e {
namespace {

// The driver answers a change within a few milliseconds; a loaded machine may take longer.
constexpr int kAnswerMs = 10000;
// The driver echoes its numbers with one decimal at the least (POLAR_ERROR's).
constexpr double kEchoTolerance = 0.06;

// Waits, keeping the window alive, until `done` holds; false after timeoutMs.
bool waitFor(const std::function<bool()> &done, int timeoutMs = kAnswerMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QTest::qWait(5);
    }
    return true;
}

} // namespace

// Keeps the driver's numbers as they arrive on libindi's thread.
class IndiMount::Client : public INDI::BaseClient
{
public:
    struct Number
    {
        std::map<std::string, double> values;
        IPState state = IPS_IDLE;
        unsigned updates = 0;
    };

    std::optional<Number> number(const std::string &property) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_numbers.find(property);
        return found == m_numbers.end() ? std::nullopt : std::optional<Number>(found->second);
    }
    double value(const std::string &property, const std::string &element) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto numbers = m_numbers.find(property);
        if (numbers == m_numbers.end())
            return std::nan("");
        const auto found = numbers->second.values.find(element);
        return found == numbers->second.values.end() ? std::nan("") : found->second;
    }
    bool defined(const std::string &property) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_defined.count(property) > 0;
    }

protected:
    void newProperty(INDI::Property property) override
    {
        if (!ours(property))
            return;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_defined.insert(property.getName());
        }
        take(property);
    }
    void updateProperty(INDI::Property property) override { take(property); }

private:
    // The sky's and the adjuster's properties: their names do not overlap.
    static bool ours(INDI::Property property)
    {
        return std::strcmp(property.getDeviceName(), kDevice) == 0
            || std::strcmp(property.getDeviceName(), kAdjuster) == 0;
    }
    void take(INDI::Property property)
    {
        if (property.getType() != INDI_NUMBER || !ours(property))
            return;
        INDI::PropertyNumber numbers(property);
        std::lock_guard<std::mutex> lock(m_mutex);
        Number &n = m_numbers[property.getName()];
        for (size_t i = 0; i < numbers.size(); ++i)
            n.values[numbers[i].getName()] = numbers[i].getValue();
        n.state = property.getState();
        ++n.updates;
    }

    mutable std::mutex m_mutex;
    std::map<std::string, Number> m_numbers;
    std::set<std::string> m_defined;
};

IndiMount::IndiMount(const Session &session)
    : m_client(new Client), m_port(session.indiPort), m_stagedUtc(session.utcSeconds)
{
    stage(session);
}

IndiMount::~IndiMount()
{
    m_client->disconnectServer();
}

bool IndiMount::stage(const Session &session)
{
    m_client->setServer("localhost", session.indiPort);
    m_client->watchDevice(kDevice);
    m_client->watchDevice(kAdjuster);
    if (!m_client->connectServer()) {
        m_problem = "no indiserver at localhost:" + std::to_string(session.indiPort);
        return false;
    }
    if (!waitFor([this] { return m_client->defined("CONNECTION"); })) {
        m_problem = std::string("no device ") + kDevice + " on the server";
        return false;
    }
    m_client->connectDevice(kDevice);
    if (!waitFor([this] { return m_client->defined("MOUNT_BOLTS"); })) {
        m_problem = std::string(kDevice) + " does not connect";
        return false;
    }
    // A driver just started has its mount at home, not tracking, and the bolts at their marks.
    const PolarErrorArcsec error = polarErrorOf(session);
    return set("SKY_CLOCK", {{"UTC_SECONDS", session.utcSeconds}})
        && set("SKY_SITE",
            {{"LATITUDE_DEG", session.latitudeDeg}, {"LONGITUDE_DEG", session.longitudeDeg},
                {"PRESSURE_HPA", session.pressureHpa}, {"TEMPERATURE_C", session.temperatureC}})
        && set("CAMERA_MOUNTING",
            {{"TILT_DEG", session.cameraTiltDeg}, {"TILT_DIRECTION_DEG", session.cameraTiltDirectionDeg},
                {"ROLL_DEG", session.cameraRollDeg}})
        && set("POLAR_ERROR", {{"ALTITUDE_ARCSEC", error.altitude}, {"AZIMUTH_ARCSEC", error.azimuth}});
}

bool IndiMount::set(const char *property, Elements elements, const char *device)
{
    std::vector<INumber> numbers(elements.size());
    INumber *number = numbers.data();
    for (const auto &[name, value] : elements)
        IUFillNumber(number++, name, "", "%.6f", 0, 0, 0, value);
    INumberVectorProperty vector {};
    IUFillNumberVector(
        &vector, numbers.data(), int(numbers.size()), device, property, "", "", IP_RW, 0, IPS_IDLE);
    const std::optional<Client::Number> before = m_client->number(property);
    const unsigned updatesBefore = before ? before->updates : 0;
    m_client->sendNewNumber(INDI::Property(&vector));
    // An update after the request that carries the values: the driver has taken them (a number
    // it also sends with every frame may come back unchanged first).
    const bool echoed = waitFor([&] {
        const std::optional<Client::Number> now = m_client->number(property);
        if (!now || now->updates == updatesBefore)
            return false;
        for (const auto &[name, value] : elements) {
            const auto found = now->values.find(name);
            if (found == now->values.end() || std::abs(found->second - value) > kEchoTolerance)
                return false;
        }
        return true;
    });
    if (!echoed) {
        m_problem = std::string("the driver did not take ") + property;
        return false;
    }
    // The driver's clock moves only as it finishes a frame, so the last time it sent is the time
    // of the change.
    m_changedAtUtc = m_client->value("SKY_CLOCK", "UTC_SECONDS");
    return true;
}

std::optional<AdjusterAddress> IndiMount::motoriseBolts(
    const karvix::sim::MotorFaults &altitude, const karvix::sim::MotorFaults &azimuth)
{
    m_client->connectDevice(kAdjuster);
    if (!waitFor([this] { return m_client->defined("ADJUSTER_FAULTS"); })) {
        m_problem = std::string(kAdjuster) + " does not connect";
        return std::nullopt;
    }
    const auto signedGain = [](const karvix::sim::MotorFaults &f) { return f.reversed ? -f.gain : f.gain; };
    if (!set("ADJUSTER_FAULTS",
            {{"ALT_BACKLASH_ARCMIN", altitude.backlashArcmin}, {"AZ_BACKLASH_ARCMIN", azimuth.backlashArcmin},
                {"ALT_GAIN", signedGain(altitude)}, {"AZ_GAIN", signedGain(azimuth)},
                {"TRAVEL_DEG", altitude.travelDeg}, {"SPEED_DEG_S", altitude.speedDegPerS}},
            kAdjuster))
        return std::nullopt;
    AdjusterAddress address;
    address.indi = true;
    address.address = "localhost:" + std::to_string(m_port);
    address.device = kAdjuster;
    return address;
}

void IndiMount::turnRaAxis(double degrees)
{
    m_raAxisDeg = std::remainder(m_raAxisDeg + degrees, 360.0);
    set("MOUNT_RA_AXIS", {{"RA_AXIS_DEG", m_raAxisDeg}});
}

void IndiMount::turnAltitudeBolt(double arcmin)
{
    m_altitudeBoltArcmin += arcmin;
    set("MOUNT_BOLTS", {{"ALTITUDE_ARCMIN", m_altitudeBoltArcmin}, {"AZIMUTH_ARCMIN", m_azimuthBoltArcmin}});
}

void IndiMount::turnAzimuthBolt(double arcmin)
{
    m_azimuthBoltArcmin += arcmin;
    set("MOUNT_BOLTS", {{"ALTITUDE_ARCMIN", m_altitudeBoltArcmin}, {"AZIMUTH_ARCMIN", m_azimuthBoltArcmin}});
}

// A frame exposed after the change has its middle after the change; one exposed before, a whole
// exposure's half before it.
bool IndiMount::awaitFrameAfterChange(int timeoutMs)
{
    return m_problem.empty()
        && waitFor([this] { return karvix::sourceFrameUtc() > m_changedAtUtc; }, timeoutMs);
}

double IndiMount::clock() const
{
    const double frameUtc = karvix::sourceFrameUtc();
    return std::isfinite(frameUtc) ? frameUtc : m_stagedUtc;
}

karvix::sim::PolarError IndiMount::polarError() const
{
    karvix::sim::PolarError error;
    error.altitudeArcsec = m_client->value("POLAR_ERROR", "ALTITUDE_ARCSEC");
    error.azimuthArcsec = m_client->value("POLAR_ERROR", "AZIMUTH_ARCSEC");
    error.totalArcsec = m_client->value("POLAR_ERROR", "TOTAL_ARCSEC");
    return error;
}

std::optional<karvix::sim::ImagePoint> IndiMount::truePolePosition() const
{
    const std::optional<Client::Number> pole = m_client->number("TRUE_POLE");
    if (!pole || pole->state != IPS_OK)
        return std::nullopt;
    karvix::sim::ImagePoint point;
    point.x = pole->values.at("X_PX");
    point.y = pole->values.at("Y_PX");
    return point;
}

} // namespace e2e
