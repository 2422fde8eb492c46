#include "indiadjuster.h"

#include <QDebug>
#include <cmath>

namespace {
const QString manualAdjustment = QStringLiteral("PAC_MANUAL_ADJUSTMENT");
const QString positionProperty = QStringLiteral("PAC_POSITION");
constexpr int silenceMs = 3000;
} // namespace

IndiAdjuster::IndiAdjuster(const QString &host, quint16 port, const QString &device, QObject *parent)
    : AdjusterDevice(parent), m_link(host, port, device)
{
    connect(&m_link, &IndiDeviceLink::received, this, &IndiAdjuster::take);
    connect(&m_link, &IndiDeviceLink::lost, this, &IndiAdjuster::fail);
    m_watch.setInterval(silenceMs / 6);
    connect(&m_watch, &QTimer::timeout, this, [this] {
        if (m_moving && m_link.silentMs() > silenceMs)
            fail(tr("no answer for %1 s").arg(silenceMs / 1000));
    });
}

QString IndiAdjuster::description() const
{
    return m_link.description();
}

void IndiAdjuster::open()
{
    m_open = m_failed = m_moving = false;
    m_link.open();
}

void IndiAdjuster::move(double altitudeDeg, double azimuthDeg)
{
    if (!m_open || m_moving)
        return;
    m_moving = true;
    m_watch.start();
    m_link.sendNumbers(manualAdjustment,
        {{QStringLiteral("MANUAL_AZ_STEP"), azimuthDeg}, {QStringLiteral("MANUAL_ALT_STEP"), altitudeDeg}});
    qInfo("INDI adjuster: MANUAL_ALT_STEP %.6f, MANUAL_AZ_STEP %.6f", altitudeDeg, azimuthDeg);
}

void IndiAdjuster::abort()
{
    if (m_failed)
        return;
    m_link.sendSwitches(QStringLiteral("PAC_ABORT_MOTION"), {{QStringLiteral("ABORT"), true}});
    m_moving = false;
    qInfo("INDI adjuster: PAC_ABORT_MOTION");
}

void IndiAdjuster::take(const IndiPropertyReader::Vector &vector)
{
    using Kind = IndiPropertyReader::Vector::Kind;
    if (m_failed)
        return;
    if (vector.kind == Kind::Delete && vector.name == manualAdjustment) {
        fail(tr("the device is gone"));
        return;
    }
    if (vector.name == positionProperty) {
        const auto altitude = vector.numbers.value(QStringLiteral("ALT_POSITION"), {NAN, NAN, NAN});
        const auto azimuth = vector.numbers.value(QStringLiteral("AZ_POSITION"), {NAN, NAN, NAN});
        Travel travel = m_travel.value_or(Travel());
        travel.altitudeDeg = altitude.value;
        travel.azimuthDeg = azimuth.value;
        if (vector.kind == Kind::Define) {
            travel.altitudeMinDeg = altitude.min;
            travel.altitudeMaxDeg = altitude.max;
            travel.azimuthMinDeg = azimuth.min;
            travel.azimuthMaxDeg = azimuth.max;
        }
        const bool known = std::isfinite(travel.altitudeDeg + travel.azimuthDeg + travel.altitudeMinDeg
            + travel.altitudeMaxDeg + travel.azimuthMinDeg + travel.azimuthMaxDeg);
        m_travel = known ? std::optional<Travel>(travel) : std::nullopt;
        return;
    }
    if (vector.name != manualAdjustment)
        return;
    if (vector.state == QLatin1String("Alert")) {
        fail(vector.message.isEmpty() ? tr("the device reports a failure") : vector.message);
        return;
    }
    if (vector.kind == Kind::Define && !m_open) {
        m_open = true;
        qInfo().noquote() << "INDI adjuster ready:" << description();
        emit opened();
    } else if (m_moving && vector.state == QLatin1String("Ok")) {
        m_moving = false;
        emit moveDone();
    }
}

void IndiAdjuster::fail(const QString &why)
{
    if (m_failed)
        return;
    m_failed = true;
    m_open = m_moving = false;
    m_watch.stop();
    m_link.close();
    qCritical().noquote() << "INDI adjuster:" << description() << why;
    emit failed(why);
}
