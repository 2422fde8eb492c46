#include "alignmentsummary.h"

#include "freshness.h"
#include "presentation.h"
#include "readoutwords.h"

#include <chrono>
#include <cmath>

QStringList AlignmentSummary::lines() const
{
    QStringList lines;
    if (error) {
        const QString altitude = readoutwords::arcText(error->altitude);
        const QString azimuth = readoutwords::arcText(error->azimuth);
        lines << (error->altitude > 0 ? tr("Altitude: the axis is %1 above the pole").arg(altitude)
                                      : tr("Altitude: the axis is %1 below the pole").arg(altitude));
        lines << (error->azimuth > 0 ? tr("Azimuth: the axis is %1 east of the pole").arg(azimuth)
                                     : tr("Azimuth: the axis is %1 west of the pole").arg(azimuth));
        QString total
            = tr("Total %1").arg(readoutwords::arcText(readoutwords::totalArcsec(*error, poleAltitudeDeg)));
        if (sigmaArcsec > 0)
            total += QLatin1Char(' ') + readoutwords::sigmaText(sigmaArcsec);
        lines << total;
    } else {
        lines << tr("The error left is not known: the camera's orientation was not found");
    }
    lines << (refractionCorrected
            ? tr("Refraction corrected (%1 model): %2 %3, %4 °C")
                  .arg(refractionModel == RefractionModel::Physical ? QStringLiteral("ERFA")
                                                                    : QStringLiteral("Bennett"))
                  .arg(pressure)
                  .arg(pressureUnit)
                  .arg(temperatureC)
            : tr("Refraction not corrected"));
    lines << tr("The alignment took %1")
                 .arg(durationText(std::chrono::milliseconds(std::llround(std::max(seconds, 0.0) * 1000))));
    return lines;
}

QJsonObject AlignmentSummary::figures() const
{
    QJsonObject figures {{QStringLiteral("refraction_corrected"), refractionCorrected},
        {QStringLiteral("duration_s"), seconds}};
    if (error) {
        figures.insert(QStringLiteral("altitude_arcsec"), error->altitude);
        figures.insert(QStringLiteral("azimuth_arcsec"), error->azimuth);
        figures.insert(QStringLiteral("total_arcsec"), readoutwords::totalArcsec(*error, poleAltitudeDeg));
        figures.insert(QStringLiteral("sigma_arcsec"), sigmaArcsec);
    }
    return figures;
}
