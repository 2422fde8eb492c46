// stardata - writes the star data files NStarPosData.ini and SStarPosData.ini, and the pattern
// stars' catalogue table PatternStars.csv.
//
// Usage: stardata <polar_stars.csv> <output folder>
// e.g.   build/bin/stardata resources/catalog/polar_stars.csv resources/starData
#include "patternstarsfile.h"
#include "stardatafile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: stardata <polar_stars.csv> <output folder>\n";
        return 2;
    }
    for (const HemisphereDefinition *definition : {&northDefinition(), &southDefinition()}) {
        QVector<CatalogStar> stars;
        QString error;
        if (!readCatalogStars(args[1], definition->catalogIds, &stars, &error)) {
            err << error << '\n';
            return 1;
        }
        const QByteArray text = starDataFileText(*definition, starDataEpochs(*definition, stars));
        QFile out(QDir(args[2]).filePath(definition->fileName));
        if (text.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(text) != text.size()) {
            err << "cannot write " << out.fileName() << '\n';
            return 1;
        }
    }
    QString error;
    const QByteArray table = patternStarsFileText(args[1], &error);
    QFile out(QDir(args[2]).filePath(patternStarsFileName));
    if (table.isEmpty()) {
        err << error << '\n';
        return 1;
    }
    if (!out.open(QIODevice::WriteOnly) || out.write(table) != table.size()) {
        err << "cannot write " << out.fileName() << '\n';
        return 1;
    }
    return 0;
}
