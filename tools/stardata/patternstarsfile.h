// patternstarsfile.h - the catalogue table the program computes its star geometry from: the header
// and, verbatim, the rows of both hemispheres' pattern stars A, B and D from the catalogue CSV
// (north first), LF line ends. Embedded as ":/starData/PatternStars.csv".
#ifndef PATTERNSTARSFILE_H
#define PATTERNSTARSFILE_H

#include <QByteArray>
#include <QString>

const QString patternStarsFileName = QStringLiteral("PatternStars.csv");

// The file's text from the catalogue at csvPath; an empty array, with the reason in `error`, when
// the catalogue cannot be read or lacks a star.
QByteArray patternStarsFileText(const QString &csvPath, QString *error);

#endif // PATTERNSTARSFILE_H
