// utcclock.cpp - the system clock, or an installed source in its place.
#include "utcclock.h"

#include <cmath>
#include <memory>
#include <mutex>

namespace {

std::mutex sourceMutex;
std::shared_ptr<const std::function<double()>> installedSource;

double systemUtc()
{
    return double(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
}

} // namespace

double utcNow()
{
    std::shared_ptr<const std::function<double()>> source;
    {
        std::lock_guard<std::mutex> lock(sourceMutex);
        source = installedSource;
    }
    if (!source)
        return systemUtc();
    const double t = (*source)();
    return std::isfinite(t) ? t : systemUtc();
}

QDateTime utcNowDateTime()
{
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround(utcNow() * 1000.0)), Qt::UTC);
}

void setUtcSource(std::function<double()> source)
{
    std::lock_guard<std::mutex> lock(sourceMutex);
    installedSource = source ? std::make_shared<const std::function<double()>>(std::move(source)) : nullptr;
}

UtcJulianDate utcJulianDate(double utcSeconds)
{
    constexpr double unixEpochJd = 2440587.5;
    const double days = utcSeconds / 86400.0;
    const double wholeDays = std::floor(days);
    return {unixEpochJd + wholeDays, days - wholeDays};
}
