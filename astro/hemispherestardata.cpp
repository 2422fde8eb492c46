// hemispherestardata.cpp - reading the embedded star data files.
#include "hemispherestardata.h"

#include "utcclock.h"

#include <QSettings>
#include <algorithm>
#include <cmath>

HemisphereStarData northStarData;
HemisphereStarData southStarData;

namespace {

const QString epochFormat = QStringLiteral("yyyyMMdd");
constexpr double angleScale = 1e14; // angles are stored as degrees x 10^14 in integer text

HemisphereStarData starDataDefaults(QPointF a, QPointF b, QPointF d)
{
    HemisphereStarData data;
    data.starA = a;
    data.starB = b;
    data.starD = d;
    return data;
}

// The value of `key` as a finite double, or `fallback`.
double readNumber(const QSettings &file, const QString &key, double fallback)
{
    bool ok = false;
    const double value = file.value(key).toDouble(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}

QPointF readPosition(const QSettings &file, const QString &prefix, QPointF fallback)
{
    return QPointF(readNumber(file, prefix + QLatin1String("_X_Mask"), fallback.x()),
        readNumber(file, prefix + QLatin1String("_Y_Mask"), fallback.y()));
}

} // namespace

QString chooseStarDataEpoch(const QStringList &epochs, const QDate &today)
{
    QList<QDate> dates;
    for (const QString &epoch : epochs) {
        const QDate date = QDate::fromString(epoch, epochFormat);
        if (date.isValid()) {
            dates.append(date);
        }
    }
    if (dates.isEmpty()) {
        return QString();
    }
    std::sort(dates.begin(), dates.end());
    QDate chosen = dates.first();
    for (const QDate &next : dates) {
        if (today < QDate(next.year() - 1, 11, 23)) {
            break;
        }
        chosen = next;
    }
    return chosen.toString(epochFormat);
}

HemisphereStarData readStarPosData(
    const QString &fileName, const HemisphereStarData &defaults, const QDate &today)
{
    const QSettings file(fileName, QSettings::IniFormat);
    HemisphereStarData data = defaults;
    data.starA = readPosition(file, QStringLiteral("A"), defaults.starA);
    data.starB = readPosition(file, QStringLiteral("B"), defaults.starB);
    data.starD = readPosition(file, QStringLiteral("D"), defaults.starD);

    QStringList epochs;
    const QString anglePrefix = QStringLiteral("BAP_");
    for (const QString &key : file.allKeys()) {
        if (key.startsWith(anglePrefix)) {
            epochs.append(key.mid(anglePrefix.size()));
        }
    }
    const QString epoch = chooseStarDataEpoch(epochs, today);
    data.angleBAP = readNumber(file, QStringLiteral("BAP_") + epoch, 0) / angleScale;
    data.angleABP = readNumber(file, QStringLiteral("ABP_") + epoch, 0) / angleScale;
    data.angleDBP = readNumber(file, QStringLiteral("DBP_") + epoch, 0) / angleScale;
    return data;
}

void LoadStarPosData()
{
    LoadStarPosData(utcNowDateTime().toLocalTime().date());
}

void LoadStarPosData(const QDate &today)
{
    // The defaults differ from the files' contents; with the embedded files present they are unused.
    southStarData = readStarPosData(QStringLiteral(":/starData/SStarPosData.ini"),
        starDataDefaults({230, 405}, {400, 337}, {230, 562}), today);
    northStarData = readStarPosData(QStringLiteral(":/starData/NStarPosData.ini"),
        starDataDefaults({264, 272}, {400, 400}, {602, 230}), today);
}
