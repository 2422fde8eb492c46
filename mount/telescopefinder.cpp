#include "telescopefinder.h"

#include <QDebug>
#include <algorithm>

namespace {
// A local server defines everything in a few milliseconds; one across a network needs longer.
constexpr int answerMs = 2000;
// INDI::BaseDevice::TELESCOPE_INTERFACE in DRIVER_INFO's DRIVER_INTERFACE bits: a telescope not
// yet connected defines no coordinates.
constexpr unsigned telescopeInterface = 1u << 0;

bool isTelescope(const IndiPropertyReader::Vector &vector)
{
    if (vector.kind != IndiPropertyReader::Vector::Kind::Define)
        return false;
    if (vector.name == QLatin1String("EQUATORIAL_EOD_COORD"))
        return true;
    return vector.name == QLatin1String("DRIVER_INFO")
        && (vector.texts.value(QStringLiteral("DRIVER_INTERFACE")).toUInt() & telescopeInterface);
}
} // namespace

TelescopeFinder::TelescopeFinder(QObject *parent) : QObject(parent)
{
    m_wait.setSingleShot(true);
    m_wait.setInterval(answerMs);
    connect(&m_wait, &QTimer::timeout, this, &TelescopeFinder::finish);
    connect(&m_socket, &QTcpSocket::connected, this,
        [this] { m_socket.write("<getProperties version=\"1.7\"/>\n"); });
    connect(&m_socket, &QTcpSocket::readyRead, this, [this] {
        for (const IndiPropertyReader::Vector &vector : m_reader.feed(m_socket.readAll()))
            if (isTelescope(vector))
                m_telescopes.insert(vector.device);
        if (m_reader.failed())
            finish();
    });
    connect(&m_socket, &QTcpSocket::errorOccurred, this, [this] {
        qInfo().noquote() << "INDI telescopes:" << m_socket.errorString();
        finish();
    });
}

// The socket closes as it is destroyed: no answer is due from a half-destroyed object.
TelescopeFinder::~TelescopeFinder()
{
    m_socket.disconnect(this);
}

void TelescopeFinder::ask(const QString &host, quint16 port)
{
    m_socket.abort();
    m_reader.restart();
    m_telescopes.clear();
    m_asking = true;
    m_socket.connectToHost(host, port);
    m_wait.start();
}

void TelescopeFinder::finish()
{
    if (!m_asking)
        return;
    m_asking = false;
    m_wait.stop();
    m_socket.abort();
    QStringList names(m_telescopes.begin(), m_telescopes.end());
    std::sort(names.begin(), names.end());
    qInfo().noquote() << "INDI telescopes:" << names.join(QStringLiteral(", "));
    emit found(names);
}
