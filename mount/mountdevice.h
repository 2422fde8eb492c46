// mountdevice.h - a mount whose RA axis the program turns, whatever protocol reaches it.
//
// Turns are relative, in degrees of hour angle: positive turns the axis westwards, the way the
// sky itself turns (the hour angle of where the mount points grows), negative eastwards. The
// declination stays where it is. A back end reports the end of each turn (turnDone) or a failure
// (failed: no answer, a refusal or Alert, a turn the wrong way, lost contact) with the reason in
// words; after a failure it sends nothing more until it is opened again. Tracking is left as the
// user had it.
//
// Usage:
//   IndiMount mount("localhost", 7624, "Telescope Simulator");
//   mount.open();              // opened() or failed(why)
//   mount.turnRa(40);          // turnDone() or failed(why)
//   mount.abort();             // stops the axis at once
#ifndef MOUNTDEVICE_H
#define MOUNTDEVICE_H

#include <QObject>
#include <QString>

class MountDevice : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual QString description() const = 0; // the device as the log and the window name it
    virtual void open() = 0;
    virtual bool isOpen() const = 0;
    virtual void turnRa(double hourAngleDeg) = 0;
    virtual bool moving() const = 0;
    virtual void abort() = 0;

signals:
    void opened();
    void turnDone();
    void failed(const QString &why);
};

#endif // MOUNTDEVICE_H
