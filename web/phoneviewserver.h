// phoneviewserver.h - the phone view's web server (phoneviewservice.h, loaded from its module on
// the first start), bound to one address the user chose, with a fresh access token each start.
// The GUI thread starts, publishes and stops, and looks at the viewers every viewerWatchMs.
#ifndef PHONEVIEWSERVER_H
#define PHONEVIEWSERVER_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

class PhoneViewService;

class PhoneViewServer : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 defaultPort = 8470;
    static constexpr int viewerWatchMs = 500;

    explicit PhoneViewServer(QObject *parent = nullptr);
    ~PhoneViewServer() override;

    // Listens on `address` (an IP address of this machine) and `port` (0: any free one) with a new
    // token. False, with the reason in `error`, when the address cannot be used.
    bool start(const QString &address, quint16 port, QString *error);
    // Ends every stream and waits for the server's threads; nothing answers afterwards.
    void stop();
    bool running() const { return bool(m_service); }

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
    // A viewer came or went, or the server started or stopped.
    void viewersChanged();

private:
    std::unique_ptr<PhoneViewService> m_service;
    QTimer m_viewerWatch;
    QStringList m_viewers; // as last seen
    QString m_address;
    quint16 m_port = 0;
    QString m_token;
};

#endif // PHONEVIEWSERVER_H
