// grbladjuster.h - an adjuster that speaks GRBL 1.1, over a serial port (115200 baud) or TCP.
//
// Two of the controller's axes turn the altitude and azimuth bolts; the person gives their
// letters and how many of the controller's units (mm) make a degree of the polar axis (1 when
// unknown: the loop learns the real ratio from the first moves). The status is asked for every
// 100 ms; a move is one relative jog of both axes and is done when the controller reports Idle
// after it. Abort sends the jog-cancel byte at once. A controller that stops answering for 2 s,
// refuses a jog (error:15 beyond its soft limits, before anything moves) or raises an alarm
// fails the device; nothing more is sent to it.
#ifndef GRBLADJUSTER_H
#define GRBLADJUSTER_H

#include "adjusterdevice.h"
#include "grblprotocol.h"

#include <QElapsedTimer>
#include <QIODevice>
#include <QPointer>
#include <QTimer>

class GrblAdjuster : public AdjusterDevice
{
    Q_OBJECT

public:
    struct Settings
    {
        QString port; // a serial device ("/dev/ttyUSB0"), or "host:port" for TCP
        char altitudeAxis = 'X';
        char azimuthAxis = 'Y';
        double altitudeUnitsPerDeg = 1;
        double azimuthUnitsPerDeg = 1;
        double feedPerMin = 60; // units a minute
    };

    explicit GrblAdjuster(const Settings &settings, QObject *parent = nullptr);
    ~GrblAdjuster() override;

    QString description() const override;
    void open() override;
    bool isOpen() const override { return m_open; }
    void move(double altitudeDeg, double azimuthDeg) override;
    bool moving() const override { return m_moveSent; }
    void abort() override;

private:
    void onReadyRead();
    void onLine(const QByteArray &line);
    void poll();
    void fail(const QString &why);
    void send(const QByteArray &bytes);

    Settings m_settings;
    QPointer<QIODevice> m_io;
    QTimer m_poll;
    QElapsedTimer m_sinceAnswer;
    QByteArray m_buffer;
    bool m_open = false, m_failed = false;
    bool m_moveSent = false, m_accepted = false, m_sawMotion = false;
    int m_idleAfterAccept = 0;
};

#endif // GRBLADJUSTER_H
