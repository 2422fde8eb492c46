// patternstarsfile.cpp - the pattern stars' rows picked from the catalogue.
#include "patternstarsfile.h"

#include "poletriangles.h"

#include <QFile>
#include <QVector>

QByteArray patternStarsFileText(const QString &csvPath, QString *error)
{
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(csvPath);
        return QByteArray();
    }
    const QStringList ids = patternStarIds(Hemisphere::North) + patternStarIds(Hemisphere::South);
    QVector<QByteArray> rows(ids.size());
    const QByteArray header = file.readLine();
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        const int index = ids.indexOf(QString::fromUtf8(line.left(line.indexOf(','))));
        if (index >= 0) {
            rows[index] = line.endsWith('\n') ? line : line + '\n';
        }
    }
    QByteArray text = header;
    for (int i = 0; i < ids.size(); ++i) {
        if (rows[i].isEmpty()) {
            *error = QStringLiteral("%1 is not in %2").arg(ids[i], csvPath);
            return QByteArray();
        }
        text += rows[i];
    }
    return text;
}
