#include "indiadjuster.h"

#include <QDebug>
#include <cmath>

namespace {
const QString manualAdjustment = QStringLiteral("PAC_MANUAL_ADJUSTMENT");
const QString positionProperty = QStringLiteral("PAC_POSITION");
constexpr int silenceMs = 3000;
} // namespace

IndiAdjuster::IndiAdjuster(const QString &host, quint16 port, const QString &device, QObject *parent)
    : AdjusterDevice(parent), m_host(host), m_device(device), m_port(port), m_reader(device)
{
    connect(&m_socket, &QTcpSocket::readyRead, this, &IndiAdjuster::onReadyRead);
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        m_socket.write(QStringLiteral("<getProperties version=\"1.7\" device=\"%1\"/>\n")
                           .arg(m_device.toHtmlEscaped())
                           .toUtf8());
    });
    connect(&m_socket, &QTcpSocket::disconnected, this, [this] { fail(tr("the connection was closed")); });
    m_watch.setInterval(silenceMs / 6);
    connect(&m_watch, &QTimer::timeout, this, [this] {
        if (m_moving && m_sinceHeard.elapsed() > silenceMs)
            fail(tr("no answer for %1 s").arg(silenceMs / 1000));
    });
    connect(&m_socket, &QTcpSocket::errorOccurred, this, [this] { fail(m_socket.errorString()); });
}

QString IndiAdjuster::description() const
{
    return QStringLiteral("INDI device \"%1\" on %2:%3").arg(m_device, m_host).arg(m_port);
}

void IndiAdjuster::open()
{
    m_open = m_failed = m_moving = false;
    m_socket.abort();
    m_reader.restart();
    m_socket.connectToHost(m_host, m_port);
}

void IndiAdjuster::move(double altitudeDeg, double azimuthDeg)
{
    if (!m_open || m_moving)
        return;
    m_moving = true;
    m_sinceHeard.start();
    m_watch.start();
    const QString command = QStringLiteral(
        "<newNumberVector device=\"%1\" name=\"PAC_MANUAL_ADJUSTMENT\"><oneNumber name=\"MANUAL_AZ_STEP\">%2"
        "</oneNumber><oneNumber name=\"MANUAL_ALT_STEP\">%3</oneNumber></newNumberVector>\n")
                                .arg(m_device.toHtmlEscaped())
                                .arg(azimuthDeg, 0, 'f', 6)
                                .arg(altitudeDeg, 0, 'f', 6);
    m_socket.write(command.toUtf8());
    qInfo("INDI adjuster: MANUAL_ALT_STEP %.6f, MANUAL_AZ_STEP %.6f", altitudeDeg, azimuthDeg);
}

void IndiAdjuster::abort()
{
    if (m_failed)
        return;
    m_socket.write(QStringLiteral("<newSwitchVector device=\"%1\" name=\"PAC_ABORT_MOTION\"><oneSwitch "
                                  "name=\"ABORT\">On</oneSwitch></newSwitchVector>\n")
                       .arg(m_device.toHtmlEscaped())
                       .toUtf8());
    m_socket.flush();
    m_moving = false;
    qInfo("INDI adjuster: PAC_ABORT_MOTION");
}

void IndiAdjuster::onReadyRead()
{
    m_sinceHeard.start();
    for (const IndiPropertyReader::Vector &vector : m_reader.feed(m_socket.readAll())) {
        take(vector);
        if (m_failed)
            return;
    }
    if (m_reader.failed())
        fail(tr("the server's answer is not INDI"));
}

void IndiAdjuster::take(const IndiPropertyReader::Vector &vector)
{
    using Kind = IndiPropertyReader::Vector::Kind;
    if (vector.kind == Kind::Delete && (vector.name.isEmpty() || vector.name == manualAdjustment)) {
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
    // A server passes a request on only to a device it knows: the device is switched on once
    // it has shown its CONNECTION switch off.
    if (vector.name == QLatin1String("CONNECTION")
        && !vector.switches.value(QStringLiteral("CONNECT"), true)) {
        m_socket.write(QStringLiteral("<newSwitchVector device=\"%1\" name=\"CONNECTION\"><oneSwitch "
                                      "name=\"CONNECT\">On</oneSwitch></newSwitchVector>\n")
                           .arg(m_device.toHtmlEscaped())
                           .toUtf8());
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

// The socket closes as it is destroyed: that is no failure to report from a half-destroyed object.
IndiAdjuster::~IndiAdjuster()
{
    m_socket.disconnect(this);
}

void IndiAdjuster::fail(const QString &why)
{
    if (m_failed)
        return;
    m_failed = true;
    m_open = m_moving = false;
    m_watch.stop();
    qCritical().noquote() << "INDI adjuster:" << description() << why;
    emit failed(why);
}
