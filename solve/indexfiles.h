// indexfiles.h - the astrometry.net index files a solve needs, from Debian's
// astrometry-data-tycho2-10-19 (/usr/share/astrometry/index-tycho2-NN.littleendian.fits).
#ifndef INDEXFILES_H
#define INDEXFILES_H

#include <QString>
#include <QStringList>

// The package that brings the index files, named in the message when they are missing.
constexpr const char *indexPackageName = "astrometry-data-tycho2-10-19";
QString defaultIndexFolder();

// The index files for a frame `widthPx` wide at the given plate scale (0: unknown, every scale the
// package has): those whose quads are between a fifth and the whole of the field.
// Returns the paths that exist; `missingMessage` says what to install when none does.
QStringList indexFilesFor(
    double scaleArcsecPerPx, int widthPx, const QString &folder, QString *missingMessage);

#endif // INDEXFILES_H
