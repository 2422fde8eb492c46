#include "indiserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

sockaddr_in localhost(quint16 port)
{
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool listening(quint16 port)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = localhost(port);
    const bool connected
        = ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(socket);
    return connected;
}

} // namespace

// The one the system hands out for port 0 on every address, as indiserver binds.
quint16 freeLocalPort()
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = localhost(0);
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    socklen_t length = sizeof address;
    ::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::getsockname(socket, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(socket);
    return ntohs(address.sin_port);
}

bool IndiServer::installed()
{
    return !QStandardPaths::findExecutable(QStringLiteral("indiserver")).isEmpty();
}

quint16 IndiServer::port()
{
    if (m_port == 0)
        m_port = freeLocalPort();
    return m_port;
}

void IndiServer::ServerProcess::setupChildProcess()
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
}

bool IndiServer::start(const QStringList &drivers)
{
    // A port taken meanwhile by someone else makes the server quit at once: another is chosen,
    // unless the tests rely on this one (the server has listened on it before).
    for (int attempt = 0; attempt < 3; ++attempt) {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Each server its own local socket too: indiserver binds /tmp/indiserver unless told
        // otherwise, and a second server beside it would quit at once.
        m_process.start(QStringLiteral("indiserver"),
            QStringList {QStringLiteral("-p"), QString::number(port()), QStringLiteral("-u"),
                QStringLiteral("/tmp/velto-indiserver-%1").arg(port())}
                + drivers);
        if (!m_process.waitForStarted())
            return false;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000 && m_process.state() == QProcess::Running) {
            if (listening(m_port))
                return m_listened = true;
            QTest::qWait(100);
        }
        if (m_process.state() == QProcess::Running || m_listened)
            return false;
        m_port = 0;
    }
    return false;
}

void IndiServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    pauseDrivers(false);
    m_process.kill(); // its drivers end when their pipes close
    m_process.waitForFinished();
}

void IndiServer::pauseDrivers(bool paused)
{
    // The drivers are the server's children, listed in /proc/<pid>/task/<pid>/children.
    const QString server = QString::number(m_process.processId());
    QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(server));
    if (!children.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray &child : children.readAll().split(' '))
        if (const int pid = child.trimmed().toInt(); pid > 0)
            ::kill(pid, paused ? SIGSTOP : SIGCONT);
}
