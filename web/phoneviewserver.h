// phoneviewserver.h - the phone view's web server on a thread of its own (cpp-httplib), bound to
// one address the user chose, with a fresh access token each start (see phoneviewhub.h for what
// it answers). The GUI thread starts, publishes and stops; viewersChanged arrives queued.
#ifndef PHONEVIEWSERVER_H
#define PHONEVIEWSERVER_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <thread>

class PhoneViewHub;
namespace httplib {
class Server;
}

class PhoneViewServer : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 defaultPort = 8470;

    explicit PhoneViewServer(QObject *parent = nullptr);
    ~PhoneViewServer() override;

    // Listens on `address` (an IP address of this machine) and `port` (0: any free one) with a new
    // token. False, with the reason in `error`, when the address cannot be used.
    bool start(const QString &address, quint16 port, QString *error);
    // Ends every stream and waits for the server's thread; nothing answers afterwards.
    void stop();
    bool running() const { return bool(m_http); }

    QString token() const { return m_token; }
    quint16 port() const { return m_port; }
    // http://HOST:PORT/?token=..., the address a phone opens.
    QString url() const;
    // The remote address of each open stream.
    QStringList viewers() const;

    void publishReadout(const QByteArray &json);
    void publishView(const QByteArray &jpeg);

    // A random token of 128 bits in 32 hexadecimal digits, from the system's random source.
    static QString newToken();

signals:
    void viewersChanged();

private:
    std::unique_ptr<PhoneViewHub> m_hub;
    std::unique_ptr<httplib::Server> m_http;
    std::thread m_thread;
    std::atomic<bool> m_listenEnded {false};
    QString m_address;
    quint16 m_port = 0;
    QString m_token;
};

#endif // PHONEVIEWSERVER_H
