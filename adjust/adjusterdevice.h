// adjusterdevice.h - a motorised polar-alignment adjuster, whatever protocol reaches it.
//
// Moves are relative, in degrees of the polar axis's altitude and azimuth as the device
// understands them (positive raises the axis / turns it east); whether the device really moves that
// much, and which way, the alignment loop learns. A back end reports each move's end (moveDone)
// or a failure (failed: an error, an alarm, a refusal, lost contact) with the reason in words;
// after a failure it sends nothing more until it is connected again.
//
// Usage:
//   GrblAdjuster device(settings);   // or IndiAdjuster
//   device.open();                   // opened() or failed(why)
//   device.move(-0.12, 0.05);        // moveDone() or failed(why)
//   device.abort();                  // stops both motors at once
#ifndef ADJUSTERDEVICE_H
#define ADJUSTERDEVICE_H

#include <QObject>
#include <QString>
#include <optional>

class AdjusterDevice : public QObject
{
    Q_OBJECT

public:
    // Where the motors are and how far they may go, degrees; known to some devices only.
    struct Travel
    {
        double altitudeDeg = 0, azimuthDeg = 0;
        double altitudeMinDeg = 0, altitudeMaxDeg = 0;
        double azimuthMinDeg = 0, azimuthMaxDeg = 0;
    };

    using QObject::QObject;

    virtual QString description() const = 0; // the device as the log and the window name it
    virtual void open() = 0;
    virtual bool isOpen() const = 0;
    virtual void move(double altitudeDeg, double azimuthDeg) = 0;
    virtual bool moving() const = 0;
    virtual void abort() = 0;
    virtual std::optional<Travel> travel() const { return std::nullopt; }

signals:
    void opened();
    void moveDone();
    void failed(const QString &why);
};

#endif // ADJUSTERDEVICE_H
