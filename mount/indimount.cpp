#include "indimount.h"

#include "utcclock.h"

#include <QDebug>
#include <cmath>

namespace {
const QString coordinates = QStringLiteral("EQUATORIAL_EOD_COORD");
const QString motionWestEast = QStringLiteral("TELESCOPE_MOTION_WE");
const QString trackState = QStringLiteral("TELESCOPE_TRACK_STATE");
constexpr int silenceMs = 3000;
constexpr int watchMs = 250;
// The sky turns 360.9856 degrees a solar day (IERS Conventions 2010, the Earth rotation angle).
constexpr double siderealDegPerSecond = 360.98564736629 / 86400.0;
// A turn ends this close to what was asked, degrees of hour angle: a minute of time is 0.25.
constexpr double turnToleranceDeg = 0.02;
constexpr int maxGotos = 3;
// A turn that ends further off than this after those gotos did not happen as asked.
constexpr double missedDeg = 1.0;
// Against the command by more than this, degrees, is the wrong way: more than tracking and the
// settling of a slew account for.
constexpr double wrongWayDeg = 0.5;

double wrapped180(double degrees)
{
    return std::remainder(degrees, 360.0);
}
} // namespace

IndiMount::IndiMount(const QString &host, quint16 port, const QString &device, QObject *parent)
    : MountDevice(parent), m_link(host, port, device)
{
    connect(&m_link, &IndiDeviceLink::received, this, &IndiMount::take);
    connect(&m_link, &IndiDeviceLink::lost, this, &IndiMount::fail);
    m_watch.setInterval(watchMs);
    connect(&m_watch, &QTimer::timeout, this, &IndiMount::watch);
}

QString IndiMount::description() const
{
    return m_link.description();
}

void IndiMount::open()
{
    m_open = m_failed = m_moving = m_canGoto = m_canMoveWestEast = false;
    m_tracking.reset();
    m_sinceCoordinates.start();
    m_watch.start();
    m_link.open();
}

// Opening and turning both wait for the coordinates: a mount that sends none does not answer.
void IndiMount::watch()
{
    if ((m_moving || !m_open) && m_sinceCoordinates.elapsed() > silenceMs)
        stopAndFail(tr("the mount does not answer (no coordinates for %1 s)").arg(silenceMs / 1000));
}

void IndiMount::turnRa(double hourAngleDeg)
{
    if (!m_open || m_moving)
        return;
    if (!std::isfinite(hourAngleDeg) || std::fabs(hourAngleDeg) > 180) {
        qCritical("INDI mount: a turn of %f degrees is refused", hourAngleDeg);
        return;
    }
    m_moving = true;
    m_turnDeg = hourAngleDeg;
    m_startRaHours = m_raHours;
    m_startUtc = utcNow();
    m_trackingBefore = m_tracking;
    m_gotos = 0;
    m_sinceCoordinates.start();
    qInfo().noquote() << QStringLiteral(
        "INDI mount: turn the RA axis by %1 degrees of hour angle from RA %2 h")
                             .arg(hourAngleDeg, 0, 'f', 4)
                             .arg(m_raHours, 0, 'f', 6);
    if (m_canGoto) {
        goTo(m_raHours - hourAngleDeg / 15.0);
    } else if (m_canMoveWestEast) {
        const bool west = hourAngleDeg > 0;
        m_link.sendSwitches(
            motionWestEast, {{QStringLiteral("MOTION_WEST"), west}, {QStringLiteral("MOTION_EAST"), !west}});
        qInfo("INDI mount: TELESCOPE_MOTION_WE %s", west ? "MOTION_WEST" : "MOTION_EAST");
    } else {
        fail(tr("the mount can neither go to coordinates nor move west and east"));
    }
}

// TRACK or SLEW as the user had tracking before the turn (a slew shows tracking off while it
// runs), so a goto leaves it so; a mount that does not tell keeps its own way.
void IndiMount::goTo(double raHours)
{
    raHours = std::fmod(std::fmod(raHours, 24.0) + 24.0, 24.0);
    if (m_trackingBefore) {
        const bool track = *m_trackingBefore;
        // One of many: the one switched on turns the others off, whichever others the driver has.
        m_link.sendSwitches(QStringLiteral("ON_COORD_SET"),
            {{track ? QStringLiteral("TRACK") : QStringLiteral("SLEW"), true}});
        qInfo("INDI mount: ON_COORD_SET %s", track ? "TRACK" : "SLEW");
    }
    m_link.sendNumbers(coordinates, {{QStringLiteral("RA"), raHours}, {QStringLiteral("DEC"), m_decDeg}});
    ++m_gotos;
    m_slewSeen = false;
    m_sinceGoto.start();
    qInfo("INDI mount: EQUATORIAL_EOD_COORD RA %.6f h DEC %.4f deg", raHours, m_decDeg);
}

double IndiMount::turnedDeg() const
{
    return siderealDegPerSecond * (utcNow() - m_startUtc) - wrapped180(15.0 * (m_raHours - m_startRaHours));
}

void IndiMount::abort()
{
    if (m_failed)
        return;
    m_link.sendSwitches(QStringLiteral("TELESCOPE_ABORT_MOTION"), {{QStringLiteral("ABORT"), true}});
    m_moving = false;
    qInfo("INDI mount: TELESCOPE_ABORT_MOTION");
}

void IndiMount::take(const IndiPropertyReader::Vector &vector)
{
    using Kind = IndiPropertyReader::Vector::Kind;
    if (m_failed)
        return;
    if (vector.name == trackState) {
        if (vector.switches.contains(QStringLiteral("TRACK_ON")))
            m_tracking = vector.switches.value(QStringLiteral("TRACK_ON"));
    } else if (vector.name == QLatin1String("ON_COORD_SET") && vector.kind == Kind::Define) {
        m_canGoto = vector.switches.contains(QStringLiteral("TRACK"))
            || vector.switches.contains(QStringLiteral("SLEW"));
    } else if (vector.name == motionWestEast && vector.kind == Kind::Define) {
        m_canMoveWestEast = true;
    } else if (vector.name == coordinates) {
        if (vector.kind == Kind::Delete)
            fail(tr("the mount is gone"));
        else
            takeCoordinates(vector);
    }
}

void IndiMount::takeCoordinates(const IndiPropertyReader::Vector &vector)
{
    const double ra = vector.numbers.value(QStringLiteral("RA"), {NAN, NAN, NAN}).value;
    const double dec = vector.numbers.value(QStringLiteral("DEC"), {NAN, NAN, NAN}).value;
    if (std::isfinite(ra) && std::isfinite(dec)) {
        m_raHours = ra;
        m_decDeg = dec;
        m_sinceCoordinates.start();
    }
    if (!m_open && vector.kind == IndiPropertyReader::Vector::Kind::Define) {
        m_open = true;
        qInfo().noquote() << "INDI mount ready:" << description();
        emit opened();
        return;
    }
    if (!m_moving)
        return;
    if (vector.state == QLatin1String("Alert")) {
        stopAndFail(vector.message.isEmpty() ? tr("the mount reports a failure") : vector.message);
        return;
    }
    const double turned = turnedDeg();
    if (turned * std::copysign(1.0, m_turnDeg) < -wrongWayDeg) {
        stopAndFail(tr("the mount turns the wrong way (%1 degrees of hour angle against the command)")
                        .arg(std::fabs(turned), 0, 'f', 2));
        return;
    }
    if (m_canGoto) {
        if (vector.state == QLatin1String("Busy")) {
            m_slewSeen = true;
            return;
        }
        // A goto shows Busy first; a mount that never does has taken it at once, or not at all.
        if (!m_slewSeen && m_sinceGoto.elapsed() < silenceMs)
            return;
        const double left = m_turnDeg - turned;
        if (std::fabs(left) > turnToleranceDeg && m_gotos < maxGotos)
            goTo(m_raHours - left / 15.0);
        else if (std::fabs(left) > missedDeg)
            stopAndFail(tr("the mount turned %1 of %2 degrees of hour angle")
                            .arg(turned, 0, 'f', 2)
                            .arg(m_turnDeg, 0, 'f', 2));
        else
            finish();
    } else if (std::fabs(turned) >= std::fabs(m_turnDeg)) {
        m_link.sendSwitches(
            motionWestEast, {{QStringLiteral("MOTION_WEST"), false}, {QStringLiteral("MOTION_EAST"), false}});
        qInfo("INDI mount: TELESCOPE_MOTION_WE off");
        finish();
    }
}

void IndiMount::finish()
{
    m_moving = false;
    if (m_trackingBefore && m_tracking && *m_tracking != *m_trackingBefore) {
        const bool on = *m_trackingBefore;
        m_link.sendSwitches(
            trackState, {{QStringLiteral("TRACK_ON"), on}, {QStringLiteral("TRACK_OFF"), !on}});
        qInfo(
            "INDI mount: TELESCOPE_TRACK_STATE %s, as it was before the turn", on ? "TRACK_ON" : "TRACK_OFF");
    }
    qInfo("INDI mount: turn done, %.4f degrees of hour angle (asked %.4f), RA %.6f h", turnedDeg(), m_turnDeg,
        m_raHours);
    emit turnDone();
}

void IndiMount::stopAndFail(const QString &why)
{
    if (m_moving)
        abort();
    fail(why);
}

void IndiMount::fail(const QString &why)
{
    if (m_failed)
        return;
    m_failed = true;
    m_open = m_moving = false;
    m_watch.stop();
    m_link.close();
    qCritical().noquote() << "INDI mount:" << description() << why;
    emit failed(why);
}
