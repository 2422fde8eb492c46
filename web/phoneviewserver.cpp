// phoneviewserver.cpp - starting and stopping the phone view's server (see phoneviewserver.h).
#include "phoneviewserver.h"

#include "phoneviewservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QRandomGenerator>
#include <QUrl>
#include <dlfcn.h>

// The page is a resource of this static library: the linker keeps it only when it is asked for.
static void initialiseWebResources()
{
    Q_INIT_RESOURCE(web);
}

namespace {

QByteArray page()
{
    initialiseWebResources();
    QFile file(QStringLiteral(":/web/phone.html"));
    if (!file.open(QIODevice::ReadOnly))
        qCritical("Phone view: the page is missing from the program's resources");
    return file.readAll();
}

// The module's entry point, from beside the program or from the installed private library folder.
// Once loaded it stays loaded (never dlclose'd), like the INDI back end's module. Null, with the
// reason in `problem`, when it cannot be loaded.
decltype(&veltoPhoneViewCreate) moduleEntry(QString *problem)
{
    static decltype(&veltoPhoneViewCreate) create = nullptr;
    if (create)
        return create;
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral(VELTO_PHONEVIEW_MODULE);
    for (const QString &path :
        {programDir.filePath(name),
            programDir.filePath(QStringLiteral("../%1/%2").arg(QLatin1String(VELTO_PRIVATE_LIBDIR), name))}) {
        if (!QFile::exists(path))
            continue;
        void *handle = dlopen(QFile::encodeName(QDir::cleanPath(path)).constData(), RTLD_NOW | RTLD_LOCAL);
        create = handle ? reinterpret_cast<decltype(create)>(dlsym(handle, "veltoPhoneViewCreate")) : nullptr;
        if (create)
            return create;
        const char *reason = dlerror();
        *problem
            = QStringLiteral("%1 not loaded (%2)").arg(path, QString::fromLocal8Bit(reason ? reason : "?"));
        return nullptr;
    }
    *problem = QStringLiteral("%1 not found beside the program").arg(name);
    return nullptr;
}

} // namespace

PhoneViewServer::PhoneViewServer(QObject *parent) : QObject(parent)
{
    // The server's threads only keep the list; the GUI thread looks at it, so no Qt event crosses
    // threads.
    m_viewerWatch.setInterval(viewerWatchMs);
    connect(&m_viewerWatch, &QTimer::timeout, this, [this] {
        const QStringList now = viewers();
        if (now == m_viewers)
            return;
        m_viewers = now;
        emit viewersChanged();
    });
}

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
    const auto create = moduleEntry(error);
    if (!create)
        return false;
    const QString token = newToken();
    std::unique_ptr<PhoneViewService> service(create(token.toLatin1().constData(), page().constData()));
    const int bound = service->listen(host.toString().toStdString(), port);
    if (bound <= 0) {
        *error = tr("port %1 on %2 cannot be opened: in use, or not an address of this computer")
                     .arg(port)
                     .arg(address);
        return false;
    }
    m_service = std::move(service);
    m_token = token;
    m_address = host.toString();
    m_port = quint16(bound);
    qInfo("Phone view: serving on %s port %u", qPrintable(m_address), unsigned(m_port));
    m_viewerWatch.start();
    emit viewersChanged();
    return true;
}

void PhoneViewServer::stop()
{
    if (!m_service)
        return;
    m_viewerWatch.stop();
    m_service->stop();
    m_service.reset();
    m_viewers.clear();
    m_token.clear();
    qInfo("Phone view: stopped");
    emit viewersChanged();
}

QString PhoneViewServer::url() const
{
    if (!m_service)
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
    if (m_service)
        for (const std::string &address : m_service->viewers())
            addresses << QString::fromStdString(address);
    return addresses;
}

void PhoneViewServer::publishReadout(const QByteArray &json)
{
    if (m_service)
        m_service->publishReadout(json.toStdString());
}

void PhoneViewServer::publishView(const QByteArray &jpeg)
{
    if (m_service)
        m_service->publishView(jpeg.toBase64().toStdString());
}
