// indexfiles.cpp - choosing the index files by the field's size.
#include "indexfiles.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

QString defaultIndexFolder()
{
    return QStringLiteral("/usr/share/astrometry");
}

QStringList indexFilesFor(
    double scaleArcsecPerPx, int widthPx, const QString &folder, QString *missingMessage)
{
    // Tycho-2 index series 41NN: 12 holds quads of 2-2.8 degrees, each next one sqrt(2) times
    // larger, 17 holds 11-16 degrees. A 1280 x 960 frame at 30.5"/px spans 10.8 x 8.1 degrees.
    int first = 10, last = 19;
    if (scaleArcsecPerPx > 0) {
        const double fieldDeg = widthPx * scaleArcsecPerPx / 3600.0;
        const auto seriesOfQuadDeg
            = [](double quadDeg) { return 12 + int(std::floor(2 * std::log2(quadDeg / 2.0))); };
        first = std::clamp(seriesOfQuadDeg(fieldDeg * 0.2), 10, 19);
        last = std::clamp(seriesOfQuadDeg(fieldDeg * 1.2), 10, 19);
    }
    QStringList files;
    for (int series = first; series <= last; ++series) {
        const QString path
            = QDir(folder).filePath(QStringLiteral("index-tycho2-%1.littleendian.fits").arg(series));
        if (QFileInfo(path).isReadable())
            files.append(path);
    }
    if (files.isEmpty())
        *missingMessage
            = QStringLiteral("No star index files for plate solving in %1: install the package %2.")
                  .arg(folder, QLatin1String(indexPackageName));
    return files;
}
