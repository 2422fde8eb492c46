// sitelocation.cpp - the site from whichever source answers first.
#include "sitelocation.h"

namespace {
// gpsd answers at once when it has a fix; a GPS device on an INDI server needs its connection.
constexpr int gpsdTimeoutMs = 1500;
constexpr int indiTimeoutMs = 3000;
} // namespace

std::optional<GeoPosition> lookUpLocation(const QString &indiHost, quint16 indiPort, QString *problem)
{
    QString gpsdProblem, indiProblem;
    if (auto found = askGpsd(gpsdTimeoutMs, &gpsdProblem))
        return found;
    if (auto found = askIndiServer(indiHost, indiPort, indiTimeoutMs, &indiProblem))
        return found;
    *problem = gpsdProblem + QStringLiteral("; ") + indiProblem;
    return std::nullopt;
}
