// fakegrbl.h - a GRBL 1.1 controller with two motors on the mount's bolts, for the tests: on a
// pseudo-terminal (as a USB serial adjuster appears) or on a loopback TCP port.
//
// X turns the altitude bolt and Y the azimuth bolt through the simulator's BoltMotor, with its
// faults, `unitsPerDeg` controller units to a degree. It answers `?` with its status, `$J=G91G21`
// jogs with ok (error:15 beyond the travel, nothing moving), 0x85 cancels a jog, `!` holds. The
// motors keep the sky's clock (the function given). Silent, it answers nothing more.
#ifndef FAKEGRBL_H
#define FAKEGRBL_H

#include "boltmotor.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QIODevice;
class QSocketNotifier;
class QTcpServer;

class FakeGrbl : public QObject
{
    Q_OBJECT

public:
    FakeGrbl(const karvix::sim::MotorFaults &altitude, const karvix::sim::MotorFaults &azimuth,
        std::function<void(double arcmin)> turnAltitude, std::function<void(double arcmin)> turnAzimuth,
        std::function<double()> clock, double unitsPerDeg);
    ~FakeGrbl() override;

    QString openPty();   // the terminal's path for the adjuster; empty when none could be had
    QString listenTcp(); // "127.0.0.1:<port>"

    void setSilent(bool silent) { m_silent = silent; }
    int jogCancels() const { return m_jogCancels; }
    int bytesAfterSilence() const { return m_bytesAfterSilence; }
    bool moving() const { return m_altitude.moving() || m_azimuth.moving(); }

private:
    void take(const QByteArray &bytes);
    void answer(const QByteArray &line);
    void jog(const QByteArray &line);

    karvix::sim::BoltMotor m_altitude, m_azimuth;
    std::function<double()> m_clock;
    double m_unitsPerDeg;
    int m_master = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTcpServer *m_server = nullptr;
    QPointer<QIODevice> m_client;
    QByteArray m_line;
    bool m_silent = false;
    int m_jogCancels = 0, m_bytesAfterSilence = 0;
};

#endif // FAKEGRBL_H
