// indimount.h - a mount behind an INDI server, spoken to by the standard telescope properties as
// an ordinary client over the protocol's XML:
//
//   EQUATORIAL_EOD_COORD  RA (hours), DEC (degrees)  where it points; Busy while slewing; a new
//                                                    value is a goto
//   ON_COORD_SET          TRACK, SLEW, SYNC          what a goto does at the end: TRACK keeps
//                                                    tracking, SLEW stops
//   TELESCOPE_MOTION_WE   MOTION_WEST, MOTION_EAST   motion while a switch is on (mounts without
//                                                    a goto)
//   TELESCOPE_ABORT_MOTION ABORT                     stops every motion
//   TELESCOPE_TRACK_STATE TRACK_ON, TRACK_OFF        sidereal tracking
//
// A turn by d degrees of hour angle (hour angle = local sidereal time - RA) is a goto to the RA of
// now minus d, at the same declination; the sky moves on during the slew, so a turn that ends
// more than 0.02 degrees off is finished by another, short goto (three in all; more than a degree
// off after them fails). Without a goto the axis moves west or east until the hour angle has
// turned far enough. The hour angle turned is reckoned from the RA the mount reports and the
// program's clock (astro/utcclock.h). The device is ready once it defines EQUATORIAL_EOD_COORD. A
// closed connection, the device or that property deleted, Alert, a mount that sends no
// coordinates for 3 s while opening or turning or that turns against the command fails it; a
// failing turn is stopped first.
#ifndef INDIMOUNT_H
#define INDIMOUNT_H

#include "indidevicelink.h"
#include "mountdevice.h"

#include <QElapsedTimer>
#include <QTimer>
#include <optional>

class IndiMount : public MountDevice
{
    Q_OBJECT

public:
    IndiMount(const QString &host, quint16 port, const QString &device, QObject *parent = nullptr);

    QString description() const override;
    void open() override;
    bool isOpen() const override { return m_open; }
    void turnRa(double hourAngleDeg) override;
    bool moving() const override { return m_moving; }
    void abort() override;

private:
    void take(const IndiPropertyReader::Vector &vector);
    void takeCoordinates(const IndiPropertyReader::Vector &vector);
    void watch();
    void goTo(double raHours);
    double turnedDeg() const; // hour angle turned since the turn began
    void finish();
    void stopAndFail(const QString &why);
    void fail(const QString &why);

    IndiDeviceLink m_link;
    QTimer m_watch;
    QElapsedTimer m_sinceCoordinates; // since EQUATORIAL_EOD_COORD was last heard of
    QElapsedTimer m_sinceGoto;
    bool m_open = false, m_failed = false, m_moving = false;
    bool m_canGoto = false, m_canMoveWestEast = false;
    std::optional<bool> m_tracking, m_trackingBefore;
    double m_raHours = 0, m_decDeg = 0;
    // The turn under way: as asked, where and when it began, gotos sent, a Busy seen since the last.
    double m_turnDeg = 0, m_startRaHours = 0, m_startUtc = 0;
    int m_gotos = 0;
    bool m_slewSeen = false;
};

#endif // INDIMOUNT_H
