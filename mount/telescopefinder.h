// telescopefinder.h - the telescopes an INDI server offers: the devices that define
// EQUATORIAL_EOD_COORD or say they are telescopes (DRIVER_INFO), as they answer one request for
// every property within a short wait.
//
//   TelescopeFinder finder;
//   connect(&finder, &TelescopeFinder::found, ...);   // the names, sorted; empty when none
//   finder.ask("localhost", 7624);
#ifndef TELESCOPEFINDER_H
#define TELESCOPEFINDER_H

#include "indipropertyreader.h"

#include <QSet>
#include <QStringList>
#include <QTcpSocket>
#include <QTimer>

class TelescopeFinder : public QObject
{
    Q_OBJECT

public:
    explicit TelescopeFinder(QObject *parent = nullptr);
    ~TelescopeFinder() override;
    void ask(const QString &host, quint16 port);

signals:
    void found(const QStringList &telescopes);

private:
    void finish();

    QTcpSocket m_socket;
    QTimer m_wait;
    IndiPropertyReader m_reader {QString()};
    QSet<QString> m_telescopes;
    bool m_asking = false;
};

#endif // TELESCOPEFINDER_H
