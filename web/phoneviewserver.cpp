// phoneviewserver.cpp - the phone view's server thread (see phoneviewserver.h).
#include "phoneviewserver.h"

#include "phoneviewhub.h"

#include <QFile>
#include <QHostAddress>
#include <QRandomGenerator>
#include <QUrl>
#include <httplib.h>

// The page is a resource of this static library: the linker keeps it only when it is asked for.
static void initialiseWebResources()
{
    Q_INIT_RESOURCE(web);
}

namespace {

// Room for every viewer's stream and a few page loads and refusals beside them.
constexpr size_t workerThreads = PhoneViewHub::maxViewers + 4;

std::string page()
{
    initialiseWebResources();
    QFile file(QStringLiteral(":/web/phone.html"));
    if (!file.open(QIODevice::ReadOnly))
        qCritical("Phone view: the page is missing from the program's resources");
    return file.readAll().toStdString();
}

} // namespace

PhoneViewServer::PhoneViewServer(QObject *parent) : QObject(parent)
{ }

PhoneViewServer::~PhoneViewServer()
{
    stop();
}

QString PhoneViewServer::newToken()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    return QByteArray(reinterpret_cast<const char *>(words), sizeof words).toHex();
}

bool PhoneViewServer::start(const QString &address, quint16 port, QString *error)
{
    stop();
    QHostAddress host;
    if (!host.setAddress(address)) {
        *error = tr("%1 is not an IP address").arg(address);
        return false;
    }
    m_token = newToken();
    m_hub = std::make_unique<PhoneViewHub>(m_token.toStdString(), page());
    // Said on a worker thread; the signal leaves from the GUI thread.
    m_hub->setViewersChanged(
        [this] { QMetaObject::invokeMethod(this, &PhoneViewServer::viewersChanged, Qt::QueuedConnection); });
    m_http = std::make_unique<httplib::Server>();
    m_http->new_task_queue = [] { return new httplib::ThreadPool(workerThreads); };
    m_hub->serveOn(*m_http);
    // Port 0: any free port (for the tests).
    const int bound = port == 0 ? m_http->bind_to_any_port(host.toString().toStdString())
                                : (m_http->bind_to_port(host.toString().toStdString(), port) ? port : -1);
    if (bound <= 0) {
        *error = tr("port %1 on %2 cannot be opened: in use, or not an address of this computer")
                     .arg(port)
                     .arg(address);
        m_http.reset();
        m_hub.reset();
        return false;
    }
    m_address = host.toString();
    m_port = quint16(bound);
    m_listenEnded = false;
    m_thread = std::thread([this, http = m_http.get()] {
        http->listen_after_bind();
        m_listenEnded = true;
    });
    qInfo("Phone view: serving on %s port %u", qPrintable(m_address), unsigned(m_port));
    return true;
}

void PhoneViewServer::stop()
{
    if (!m_http)
        return;
    m_hub->close();
    // The server only stops once it runs: a stop that came before would leave it listening.
    while (!m_http->is_running() && !m_listenEnded)
        std::this_thread::yield();
    m_http->stop();
    if (m_thread.joinable())
        m_thread.join();
    m_http.reset();
    m_hub.reset();
    m_token.clear();
    qInfo("Phone view: stopped");
    emit viewersChanged();
}

QString PhoneViewServer::url() const
{
    if (!m_http)
        return QString();
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(m_address);
    url.setPort(m_port);
    url.setPath(QStringLiteral("/"));
    url.setQuery(QStringLiteral("token=") + m_token);
    return url.toString();
}

QStringList PhoneViewServer::viewers() const
{
    QStringList addresses;
    if (m_hub)
        for (const PhoneViewHub::Viewer &viewer : m_hub->viewers())
            addresses << QString::fromStdString(viewer.address);
    return addresses;
}

void PhoneViewServer::publishReadout(const QByteArray &json)
{
    if (m_hub)
        m_hub->publishReadout(json.toStdString());
}

void PhoneViewServer::publishView(const QByteArray &jpeg)
{
    if (m_hub)
        m_hub->publishView(jpeg.toBase64().toStdString());
}
