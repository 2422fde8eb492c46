// readoutwords.cpp - the readout's words, arrows and figures (see readoutwords.h).
#include "readoutwords.h"

#include <QCoreApplication>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace readoutwords {
namespace {

// The texts are marked where they are used, for lupdate; they keep the panel's context.
QString translated(const char *text)
{
    return QCoreApplication::translate("AxisErrorPanel", text);
}

} // namespace

Line altitude(const AxisErrorArcsec &error)
{
    // The axis above the pole is lowered.
    if (error.altitude > 0)
        return {QStringLiteral("↓"), translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "Lower the altitude %1")),
            arcText(error.altitude)};
    return {QStringLiteral("↑"), translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "Raise the altitude %1")),
        arcText(error.altitude)};
}

Line azimuth(const AxisErrorArcsec &error, bool north)
{
    // Facing the pole, east is on the right in the north and on the left in the south; the axis
    // east of the pole is moved west.
    const QString towardsEast = north ? QStringLiteral("→") : QStringLiteral("←");
    const QString towardsWest = north ? QStringLiteral("←") : QStringLiteral("→");
    if (error.azimuth > 0)
        return {towardsWest, translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "Move azimuth %1 west")),
            arcText(error.azimuth)};
    return {towardsEast, translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "Move azimuth %1 east")),
        arcText(error.azimuth)};
}

QString total(double totalArcsec)
{
    return translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "Total %1")).arg(arcText(totalArcsec));
}

QString target(double targetArcsec)
{
    return translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "target %1")).arg(arcText(targetArcsec));
}

bool insideTarget(double totalArcsec, double targetArcsec)
{
    return targetArcsec > 0 && totalArcsec <= targetArcsec;
}

QString quarterText(double turns)
{
    const long quarters = std::lround(std::fabs(turns) * 4.0);
    static const QString fractions[]
        = {QString(), QStringLiteral("¼"), QStringLiteral("½"), QStringLiteral("¾")};
    if (quarters < 4)
        return quarters == 0 ? QStringLiteral("0") : fractions[quarters];
    return QString::number(quarters / 4) + fractions[quarters % 4];
}

namespace {

QString turnCount(double turns)
{
    return (turns > 1.0 ? translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "%1 turns"))
                        : translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "%1 turn")))
        .arg(quarterText(turns));
}

} // namespace

QString turns(bool altitude, const boltturns::Advice &advice)
{
    if (!advice.known)
        return {};
    QString what;
    if (advice.wentPast) {
        what = translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "went past — turn back %1, then forward %2"))
                   .arg(turnCount(advice.turns), turnCount(advice.forwardTurns));
    } else {
        const QString amount = advice.turns > 0
            ? turnCount(advice.turns)
            : translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "less than ¼ turn"));
        what = (advice.clockwise ? translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "%1 clockwise"))
                                 : translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "%1 anticlockwise")))
                   .arg(amount);
    }
    return (altitude ? translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "Altitude: %1"))
                     : translated(QT_TRANSLATE_NOOP("AxisErrorPanel", "Azimuth: %1")))
        .arg(what);
}

QString siteUnknown()
{
    return translated(QT_TRANSLATE_NOOP(
        "AxisErrorPanel", "site unknown: the air's bending of up to 1′30″ is not corrected"));
}

double totalArcsec(const AxisErrorArcsec &error, double poleAltitudeDeg)
{
    // The azimuth is counted in degrees of azimuth: on the sky it shrinks with the pole's altitude.
    return std::hypot(error.altitude, error.azimuth * std::cos(qDegreesToRadians(poleAltitudeDeg)));
}

QString sigmaText(double arcsec)
{
    const long rounded = std::isfinite(arcsec) ? std::lround(std::clamp(arcsec, 1.0, 1e6)) : 0;
    return QStringLiteral("\u00b1 %1\u2033").arg(rounded);
}

QString arcText(double arcsec)
{
    // Rounded to the second first, so 59.6" reads 1'00", never 0'60".
    const long seconds = std::lround(std::fabs(arcsec));
    if (seconds >= 3600)
        return QStringLiteral("%1°%2′%3″")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1′%2″").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace readoutwords
