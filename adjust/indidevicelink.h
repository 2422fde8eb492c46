// indidevicelink.h - one INDI device on a server, reached as an ordinary client over the
// protocol's XML: the connection, the device's property vectors as they come, and new values sent
// by property name. The adjuster and the mount speak their own properties through it.
//
// open() connects, asks for the device's properties and switches the device on once it shows its
// CONNECTION switch off (a server passes requests only to devices it knows). A closed connection,
// a socket error, a stream that is not INDI or the whole device deleted end the link with lost();
// after that, and after close(), it reports nothing more.
#ifndef INDIDEVICELINK_H
#define INDIDEVICELINK_H

#include "indipropertyreader.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPair>
#include <QTcpSocket>
#include <QVector>

class IndiDeviceLink : public QObject
{
    Q_OBJECT

public:
    IndiDeviceLink(const QString &host, quint16 port, const QString &device, QObject *parent = nullptr);
    ~IndiDeviceLink() override;

    QString description() const; // INDI device "name" on host:port
    void open();
    void close();
    void sendNumbers(const QString &property, const QVector<QPair<QString, double>> &numbers);
    void sendSwitches(const QString &property, const QVector<QPair<QString, bool>> &switches);
    // Since the server last sent anything (of any device), ms.
    qint64 silentMs() const { return m_sinceHeard.elapsed(); }

signals:
    void received(const IndiPropertyReader::Vector &vector);
    void lost(const QString &why);

private:
    void onReadyRead();
    void lose(const QString &why);
    void send(const QString &xml);

    QString m_host, m_device;
    quint16 m_port;
    QTcpSocket m_socket;
    QElapsedTimer m_sinceHeard;
    IndiPropertyReader m_reader;
    bool m_live = false;
};

#endif // INDIDEVICELINK_H
