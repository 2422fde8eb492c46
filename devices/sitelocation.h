// sitelocation.h - where on Earth this computer stands, as far as the system can tell: a GPS that
// gpsd serves on this computer, or an INDI device that publishes GEOGRAPHIC_COORD (a GPS device,
// or a mount that knows its site) on the INDI server the camera source names.
//
// Every call blocks for at most about its time limit and then gives up quietly, so that a missing
// gpsd or server costs the user a short wait and a sentence, never a hang. Call them off the GUI
// thread.
#ifndef SITELOCATION_H
#define SITELOCATION_H

#include <QString>
#include <optional>

struct GeoPosition
{
    double latitudeDeg = 0;  // north positive
    double longitudeDeg = 0; // east positive, -180 ... 180
    QString source;          // "gpsd" or the INDI device's name, for the user
};

// gpsd on this computer (its usual port 2947): the first fix with at least a latitude and longitude.
std::optional<GeoPosition> askGpsd(int timeoutMs, QString *problem);

// The first device on the INDI server at host:port that publishes GEOGRAPHIC_COORD. A GPS device
// that is not connected yet is asked to connect, since it publishes its place only then.
std::optional<GeoPosition> askIndiServer(const QString &host, quint16 port, int timeoutMs, QString *problem);

// gpsd first, then the INDI server; `problem` says what was tried when neither answers.
std::optional<GeoPosition> lookUpLocation(const QString &indiHost, quint16 indiPort, QString *problem);

#endif // SITELOCATION_H
