// indiadjuster.h - an adjuster behind an INDI server, spoken to by the property names of the
// polar-alignment-correction interface, as an ordinary client over the protocol's XML.
//
//   PAC_MANUAL_ADJUSTMENT  MANUAL_AZ_STEP, MANUAL_ALT_STEP   a relative move, degrees, positive
//                          east / up; Busy while the motors run, Ok when done, Alert on failure
//   PAC_ABORT_MOTION       ABORT                              stops both motors
//   PAC_POSITION           AZ_POSITION, ALT_POSITION          where they are; min and max are the
//                                                             travel (optional)
// The device is connected (CONNECTION) and ready once it defines PAC_MANUAL_ADJUSTMENT. A closed
// connection, the device or that property deleted, Alert, or a driver that sends nothing for 3 s
// while its motors should be running (it hangs) fails it.
#ifndef INDIADJUSTER_H
#define INDIADJUSTER_H

#include "adjusterdevice.h"
#include "indidevicelink.h"

#include <QTimer>

class IndiAdjuster : public AdjusterDevice
{
    Q_OBJECT

public:
    IndiAdjuster(const QString &host, quint16 port, const QString &device, QObject *parent = nullptr);

    QString description() const override;
    void open() override;
    bool isOpen() const override { return m_open; }
    void move(double altitudeDeg, double azimuthDeg) override;
    bool moving() const override { return m_moving; }
    void abort() override;
    std::optional<Travel> travel() const override { return m_travel; }

private:
    void take(const IndiPropertyReader::Vector &vector);
    void fail(const QString &why);

    IndiDeviceLink m_link;
    QTimer m_watch;
    bool m_open = false, m_failed = false, m_moving = false;
    std::optional<Travel> m_travel;
};

#endif // INDIADJUSTER_H
