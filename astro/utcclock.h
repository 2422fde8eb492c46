// utcclock.h - the program's one clock.
//
// Everything that depends on the instant (the choice of star data, the star geometry of the
// moment, time stamps the program derives) reads utcNow(). For users it is the system's UTC. A
// source can be installed in its place: tests hand it the simulated sky's clock so that the program
// and the sky they look at agree on the instant, and a replayed night can hand it its frames' times.
#ifndef UTCCLOCK_H
#define UTCCLOCK_H

#include <QDateTime>
#include <functional>

// UTC as seconds since 1970-01-01T00:00:00 UTC.
double utcNow();
// The same instant as a date and time (UTC).
QDateTime utcNowDateTime();

// Installs the source of utcNow(); an empty function restores the system clock. Thread-safe; a
// source must itself be safe to call from any thread and must return finite values (a value that
// is not finite is replaced by the system clock).
void setUtcSource(std::function<double()> source);

// A Unix time as ERFA's two-part quasi Julian date of UTC: the Julian date of the day's start and
// the fraction of the day, kept apart for precision. Unix time has 86,400 s in every day, as ERFA's
// quasi Julian date has on days without a leap second.
struct UtcJulianDate
{
    double day = 0;
    double fraction = 0;
};
UtcJulianDate utcJulianDate(double utcSeconds);

#endif // UTCCLOCK_H
