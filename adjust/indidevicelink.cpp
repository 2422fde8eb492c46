#include "indidevicelink.h"

IndiDeviceLink::IndiDeviceLink(const QString &host, quint16 port, const QString &device, QObject *parent)
    : QObject(parent), m_host(host), m_device(device), m_port(port), m_reader(device)
{
    m_sinceHeard.start();
    connect(&m_socket, &QTcpSocket::readyRead, this, &IndiDeviceLink::onReadyRead);
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        send(
            QStringLiteral("<getProperties version=\"1.7\" device=\"%1\"/>\n").arg(m_device.toHtmlEscaped()));
    });
    connect(&m_socket, &QTcpSocket::disconnected, this, [this] { lose(tr("the connection was closed")); });
    connect(&m_socket, &QTcpSocket::errorOccurred, this, [this] { lose(m_socket.errorString()); });
}

// The socket closes as it is destroyed: that is no loss to report from a half-destroyed object.
IndiDeviceLink::~IndiDeviceLink()
{
    m_socket.disconnect(this);
}

QString IndiDeviceLink::description() const
{
    return QStringLiteral("INDI device \"%1\" on %2:%3").arg(m_device, m_host).arg(m_port);
}

void IndiDeviceLink::open()
{
    m_socket.abort();
    m_reader.restart();
    m_live = true;
    m_sinceHeard.start();
    m_socket.connectToHost(m_host, m_port);
}

// What was sent last (an abort before a failure) still goes out before the connection closes.
void IndiDeviceLink::close()
{
    m_live = false;
    m_socket.disconnectFromHost();
}

void IndiDeviceLink::send(const QString &xml)
{
    if (!m_live)
        return;
    m_socket.write(xml.toUtf8());
    m_socket.flush();
}

void IndiDeviceLink::sendNumbers(const QString &property, const QVector<QPair<QString, double>> &numbers)
{
    QString xml = QStringLiteral("<newNumberVector device=\"%1\" name=\"%2\">")
                      .arg(m_device.toHtmlEscaped(), property.toHtmlEscaped());
    for (const auto &[name, value] : numbers)
        xml += QStringLiteral("<oneNumber name=\"%1\">%2</oneNumber>")
                   .arg(name.toHtmlEscaped())
                   .arg(value, 0, 'f', 6);
    send(xml + QStringLiteral("</newNumberVector>\n"));
}

void IndiDeviceLink::sendSwitches(const QString &property, const QVector<QPair<QString, bool>> &switches)
{
    QString xml = QStringLiteral("<newSwitchVector device=\"%1\" name=\"%2\">")
                      .arg(m_device.toHtmlEscaped(), property.toHtmlEscaped());
    for (const auto &[name, on] : switches)
        xml += QStringLiteral("<oneSwitch name=\"%1\">%2</oneSwitch>")
                   .arg(name.toHtmlEscaped(), on ? QStringLiteral("On") : QStringLiteral("Off"));
    send(xml + QStringLiteral("</newSwitchVector>\n"));
}

void IndiDeviceLink::onReadyRead()
{
    m_sinceHeard.start();
    for (const IndiPropertyReader::Vector &vector : m_reader.feed(m_socket.readAll())) {
        if (!m_live)
            return;
        if (vector.kind == IndiPropertyReader::Vector::Kind::Delete && vector.name.isEmpty()) {
            lose(tr("the device is gone"));
            return;
        }
        if (vector.name == QLatin1String("CONNECTION")
            && !vector.switches.value(QStringLiteral("CONNECT"), true))
            sendSwitches(QStringLiteral("CONNECTION"), {{QStringLiteral("CONNECT"), true}});
        emit received(vector);
    }
    if (m_live && m_reader.failed())
        lose(tr("the server's answer is not INDI"));
}

void IndiDeviceLink::lose(const QString &why)
{
    if (!m_live)
        return;
    m_live = false;
    emit lost(why);
}
