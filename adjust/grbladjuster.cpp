#include "grbladjuster.h"

#include <QDebug>
#include <QSerialPort>
#include <QTcpSocket>

namespace {
constexpr int pollMs = 100;
constexpr int silenceMs = 2000;
// A jog so short that it ends between two status reports shows no Run or Jog: two Idle reports
// after its ok say it is over.
constexpr int idleReportsAfterShortJog = 2;
} // namespace

GrblAdjuster::GrblAdjuster(const Settings &settings, QObject *parent)
    : AdjusterDevice(parent), m_settings(settings)
{
    m_poll.setInterval(pollMs);
    connect(&m_poll, &QTimer::timeout, this, &GrblAdjuster::poll);
}

GrblAdjuster::~GrblAdjuster()
{
    if (m_moveSent)
        abort();
    if (m_io)
        m_io->close();
}

QString GrblAdjuster::description() const
{
    return QStringLiteral("GRBL on %1 (altitude %2, %3/deg; azimuth %4, %5/deg)")
        .arg(m_settings.port)
        .arg(QChar(m_settings.altitudeAxis))
        .arg(m_settings.altitudeUnitsPerDeg)
        .arg(QChar(m_settings.azimuthAxis))
        .arg(m_settings.azimuthUnitsPerDeg);
}

void GrblAdjuster::open()
{
    if (m_io)
        m_io->deleteLater();
    m_open = m_failed = m_moveSent = false;
    m_buffer.clear();
    const int colon = m_settings.port.lastIndexOf(QLatin1Char(':'));
    if (!m_settings.port.startsWith(QLatin1Char('/')) && colon > 0) {
        auto *socket = new QTcpSocket(this);
        connect(socket, &QTcpSocket::disconnected, this, [this] { fail(tr("the connection was closed")); });
        socket->connectToHost(m_settings.port.left(colon), quint16(m_settings.port.mid(colon + 1).toUInt()));
        m_io = socket;
    } else {
        auto *serial = new QSerialPort(m_settings.port, this);
        serial->setBaudRate(QSerialPort::Baud115200);
        if (!serial->open(QIODevice::ReadWrite)) {
            fail(serial->errorString());
            return;
        }
        m_io = serial;
    }
    connect(m_io, &QIODevice::readyRead, this, &GrblAdjuster::onReadyRead);
    m_sinceAnswer.start();
    m_poll.start();
    poll();
}

void GrblAdjuster::send(const QByteArray &bytes)
{
    if (m_io && !m_failed)
        m_io->write(bytes);
}

void GrblAdjuster::poll()
{
    if (m_sinceAnswer.elapsed() > silenceMs) {
        fail(tr("no answer for %1 s").arg(silenceMs / 1000));
        return;
    }
    send(QByteArray(1, grbl::statusQuery));
}

void GrblAdjuster::move(double altitudeDeg, double azimuthDeg)
{
    if (!m_open || m_failed || m_moveSent)
        return;
    m_moveSent = true;
    m_accepted = m_sawMotion = false;
    m_idleAfterAccept = 0;
    const QByteArray jog
        = grbl::jogCommand({{m_settings.altitudeAxis, altitudeDeg * m_settings.altitudeUnitsPerDeg},
                               {m_settings.azimuthAxis, azimuthDeg * m_settings.azimuthUnitsPerDeg}},
            m_settings.feedPerMin);
    qInfo("GRBL: %s", jog.trimmed().constData());
    send(jog);
}

void GrblAdjuster::abort()
{
    send(QByteArray(1, grbl::jogCancel));
    if (m_io)
        if (auto *socket = qobject_cast<QAbstractSocket *>(m_io.data()))
            socket->flush();
    qInfo("GRBL: jog cancelled");
    m_moveSent = false;
}

void GrblAdjuster::onReadyRead()
{
    m_buffer += m_io->readAll();
    for (int end = m_buffer.indexOf('\n'); end >= 0 && !m_failed; end = m_buffer.indexOf('\n')) {
        const QByteArray line = m_buffer.left(end).trimmed();
        m_buffer.remove(0, end + 1);
        onLine(line);
    }
    if (m_buffer.size() > grbl::maxLineLength)
        m_buffer.clear(); // noise, not GRBL
}

void GrblAdjuster::onLine(const QByteArray &line)
{
    if (line.startsWith("error:")) {
        fail(tr("the controller refused the move (%1)").arg(QString::fromLatin1(line)));
        return;
    }
    if (line.startsWith("ALARM:")) {
        fail(tr("alarm %1").arg(QString::fromLatin1(line.mid(6))));
        return;
    }
    if (line == "ok") {
        m_accepted = m_moveSent;
        return;
    }
    const auto status = grbl::parseStatus(line);
    if (!status)
        return;
    m_sinceAnswer.start();
    if (status->alarm()) {
        fail(tr("alarm %1").arg(QString::fromLatin1(line)));
        return;
    }
    if (!m_open) {
        m_open = true;
        qInfo("GRBL: %s answers %s", qPrintable(m_settings.port), line.constData());
        emit opened();
    }
    if (!m_moveSent || !m_accepted)
        return;
    if (status->moving()) {
        m_sawMotion = true;
    } else if (status->state == "Idle" && (m_sawMotion || ++m_idleAfterAccept >= idleReportsAfterShortJog)) {
        m_moveSent = false;
        qInfo("GRBL: move done at %s", line.constData());
        emit moveDone();
    }
}

void GrblAdjuster::fail(const QString &why)
{
    if (m_failed)
        return;
    m_failed = true;
    m_open = m_moveSent = false;
    m_poll.stop();
    qCritical().noquote() << "GRBL:" << m_settings.port << why;
    emit failed(why);
}
