// indilocation.cpp - the site from an INDI device, over the INDI protocol's XML without a client
// library: one request for all properties, then the numbers of GEOGRAPHIC_COORD (LAT in degrees
// north, LONG in degrees east, 0 ... 360) as the device defines or updates them.
#include "sitelocation.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTcpSocket>
#include <QXmlStreamReader>
#include <cmath>

namespace {

// INDI::BaseDevice::GPS_INTERFACE in the DRIVER_INTERFACE bits of DRIVER_INFO.
constexpr unsigned gpsInterface = 1u << 6;

// An INDI number: decimal, or sexagesimal ("51:30:00", "-0 30 00") as the protocol allows.
double indiNumber(const QString &text)
{
    const QStringList parts = text.trimmed().split(QRegularExpression(QStringLiteral("[: ]+")), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 3)
        return NAN;
    double value = 0, unit = 1;
    bool ok = true;
    for (const QString &part : parts) {
        value += std::fabs(part.toDouble(&ok)) / unit;
        if (!ok)
            return NAN;
        unit *= 60;
    }
    return parts.first().startsWith(QLatin1Char('-')) ? -value : value;
}

// Reads the server's stream and remembers what matters while the elements go by.
class GeoCoordReader
{
public:
    // Handles whatever complete elements `data` ends; the device names of GPS devices that have
    // not published their place yet go to `toConnect`.
    std::optional<GeoPosition> feed(const QByteArray &data, QStringList *toConnect)
    {
        m_xml.addData(data);
        while (!m_xml.atEnd()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::StartElement)
                start();
            else if (token == QXmlStreamReader::Characters)
                m_text += m_xml.text();
            else if (token == QXmlStreamReader::EndElement) {
                if (auto found = end(toConnect))
                    return found;
            }
        }
        return std::nullopt;
    }

    bool failed() const
    {
        return m_xml.hasError() && m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError;
    }

private:
    void start()
    {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        if (m_xml.name().endsWith(QLatin1String("Vector"))) {
            m_device = attributes.value(QLatin1String("device")).toString();
            m_vector = attributes.value(QLatin1String("name")).toString();
            m_state = attributes.value(QLatin1String("state")).toString();
            m_latitude = m_longitude = NAN;
        }
        m_item = attributes.value(QLatin1String("name")).toString();
        m_text.clear();
    }

    std::optional<GeoPosition> end(QStringList *toConnect)
    {
        if (m_xml.name().endsWith(QLatin1String("Vector"))) {
            // A GPS without a fix says Busy or Alert; its numbers are then not the site.
            if (m_vector == QLatin1String("GEOGRAPHIC_COORD") && m_state == QLatin1String("Ok")
                && std::isfinite(m_latitude) && std::isfinite(m_longitude) && std::fabs(m_latitude) <= 90)
                return GeoPosition {m_latitude, m_longitude > 180 ? m_longitude - 360 : m_longitude, m_device};
            return std::nullopt;
        }
        if (m_vector == QLatin1String("GEOGRAPHIC_COORD") && m_item == QLatin1String("LAT"))
            m_latitude = indiNumber(m_text);
        else if (m_vector == QLatin1String("GEOGRAPHIC_COORD") && m_item == QLatin1String("LONG"))
            m_longitude = indiNumber(m_text);
        else if (m_vector == QLatin1String("DRIVER_INFO") && m_item == QLatin1String("DRIVER_INTERFACE")
            && (m_text.trimmed().toUInt() & gpsInterface) && !m_asked.contains(m_device)) {
            m_asked.insert(m_device);
            toConnect->append(m_device);
        }
        return std::nullopt;
    }

    QXmlStreamReader m_xml {QByteArrayLiteral("<indi>")}; // the stream has no root element of its own
    QString m_device, m_vector, m_state, m_item, m_text;
    double m_latitude = NAN, m_longitude = NAN;
    QSet<QString> m_asked;
};

} // namespace

std::optional<GeoPosition> askIndiServer(const QString &host, quint16 port, int timeoutMs, QString *problem)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTcpSocket socket;
    socket.connectToHost(host, port);
    if (!socket.waitForConnected(int(deadline.remainingTime()))) {
        *problem = QCoreApplication::translate("SiteLocation", "no INDI server at %1:%2").arg(host).arg(port);
        return std::nullopt;
    }
    socket.write("<getProperties version=\"1.7\"/>\n");
    GeoCoordReader reader;
    while (!deadline.hasExpired() && socket.waitForReadyRead(int(deadline.remainingTime()))) {
        QStringList toConnect;
        if (const auto found = reader.feed(socket.readAll(), &toConnect))
            return found;
        if (reader.failed())
            break;
        for (const QString &device : toConnect)
            socket.write(QStringLiteral("<newSwitchVector device=\"%1\" name=\"CONNECTION\"><oneSwitch "
                                        "name=\"CONNECT\">On</oneSwitch></newSwitchVector>\n")
                             .arg(device.toHtmlEscaped())
                             .toUtf8());
    }
    *problem = QCoreApplication::translate("SiteLocation", "no INDI device at %1:%2 knows its place")
                   .arg(host)
                   .arg(port);
    return std::nullopt;
}
