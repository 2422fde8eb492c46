#include "fakegrbl.h"

#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using karvix::sim::MotorFaults;

FakeGrbl::FakeGrbl(const MotorFaults &altitude, const MotorFaults &azimuth,
    std::function<void(double)> turnAltitude, std::function<void(double)> turnAzimuth,
    std::function<double()> clock, double unitsPerDeg)
    : m_altitude(altitude, std::move(turnAltitude)), m_azimuth(azimuth, std::move(turnAzimuth)),
      m_clock(std::move(clock)), m_unitsPerDeg(unitsPerDeg)
{ }

FakeGrbl::~FakeGrbl()
{
    if (m_master >= 0)
        ::close(m_master);
}

QString FakeGrbl::openPty()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return QString();
    termios raw {};
    tcgetattr(m_master, &raw);
    cfmakeraw(&raw);
    tcsetattr(m_master, TCSANOW, &raw);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[256];
        const ssize_t n = ::read(m_master, bytes, sizeof bytes);
        if (n > 0)
            take(QByteArray(bytes, int(n)));
    });
    return QString::fromLocal8Bit(ptsname(m_master));
}

QString FakeGrbl::listenTcp()
{
    m_server = new QTcpServer(this);
    m_server->listen(QHostAddress::LocalHost);
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        QTcpSocket *socket = m_server->nextPendingConnection();
        m_client = socket;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { take(socket->readAll()); });
    });
    return QStringLiteral("127.0.0.1:%1").arg(m_server->serverPort());
}

void FakeGrbl::answer(const QByteArray &line)
{
    const QByteArray bytes = line + "\r\n";
    if (m_client)
        m_client->write(bytes);
    else if (m_master >= 0)
        (void)!::write(m_master, bytes.constData(), size_t(bytes.size()));
}

void FakeGrbl::take(const QByteArray &bytes)
{
    if (m_silent) {
        m_bytesAfterSilence += bytes.size();
        return;
    }
    const double now = m_clock();
    m_altitude.advance(now);
    m_azimuth.advance(now);
    for (const char c : bytes) {
        if (c == '?') {
            answer(QStringLiteral("<%1|MPos:%2,%3,0.000|FS:0,0>")
                       .arg(moving() ? QLatin1String("Jog") : QLatin1String("Idle"))
                       .arg(m_altitude.positionDeg() * m_unitsPerDeg, 0, 'f', 3)
                       .arg(m_azimuth.positionDeg() * m_unitsPerDeg, 0, 'f', 3)
                       .toLatin1());
        } else if (c == char(0x85) || c == '!') {
            m_jogCancels += c == char(0x85);
            m_altitude.stop(now);
            m_azimuth.stop(now);
        } else if (c == '\n') {
            jog(m_line.trimmed());
            m_line.clear();
        } else {
            m_line += c;
        }
    }
}

void FakeGrbl::jog(const QByteArray &line)
{
    static const QRegularExpression jogLine(
        QStringLiteral("^\\$J=G91G21(?:X(-?[0-9.]+))?(?:Y(-?[0-9.]+))?F[0-9.]+$"));
    const QRegularExpressionMatch m = jogLine.match(QString::fromLatin1(line));
    if (!m.hasMatch()) {
        answer(line.isEmpty() ? "ok" : "error:20");
        return;
    }
    const double now = m_clock(), x = m.captured(1).toDouble() / m_unitsPerDeg,
                 y = m.captured(2).toDouble() / m_unitsPerDeg;
    const auto within = [](const karvix::sim::BoltMotor &motor, double by) {
        return std::abs(motor.positionDeg() + by) <= motor.faults().travelDeg;
    };
    if (moving() || !within(m_altitude, x) || !within(m_azimuth, y)) {
        answer("error:15");
        return;
    }
    m_altitude.start(x, now);
    m_azimuth.start(y, now);
    answer("ok");
}
