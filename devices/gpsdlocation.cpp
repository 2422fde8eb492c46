// gpsdlocation.cpp - the site from gpsd, through libgps.
#include "sitelocation.h"

#include <QDeadlineTimer>
#include <QCoreApplication>
#include <cmath>
#include <gps.h>

std::optional<GeoPosition> askGpsd(int timeoutMs, QString *problem)
{
    gps_data_t gps {};
    // A local connection is refused at once when gpsd does not run.
    if (gps_open("localhost", DEFAULT_GPSD_PORT, &gps) != 0) {
        *problem = QCoreApplication::translate("SiteLocation", "gpsd does not run on this computer");
        return std::nullopt;
    }
    gps_stream(&gps, WATCH_ENABLE | WATCH_JSON, nullptr);
    std::optional<GeoPosition> found;
    const QDeadlineTimer deadline(timeoutMs);
    while (!found && !deadline.hasExpired()) {
        const int waitUs = static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)) * 1000;
        if (!gps_waiting(&gps, waitUs) || gps_read(&gps, nullptr, 0) < 0)
            break;
        if ((gps.set & MODE_SET) && gps.fix.mode >= MODE_2D && std::isfinite(gps.fix.latitude)
            && std::isfinite(gps.fix.longitude))
            found = GeoPosition {gps.fix.latitude, gps.fix.longitude, QStringLiteral("gpsd")};
    }
    gps_stream(&gps, WATCH_DISABLE, nullptr);
    gps_close(&gps);
    if (!found)
        *problem = QCoreApplication::translate("SiteLocation", "gpsd has no position fix");
    return found;
}
