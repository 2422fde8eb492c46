// programfiles.cpp - the build folder's layout or the installed one.
#include "programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramFiles {

namespace {

const QString manualName = QStringLiteral("Velto Q7 Manual.pdf");

QString installedDataFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/velto-q7"));
}

} // namespace

bool installed()
{
    return QFileInfo(installedDataFolder()).isDir();
}

QString manualPath()
{
    const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/') + manualName;
    if (QFileInfo::exists(beside) || !installed())
        return beside;
    return installedDataFolder() + QLatin1Char('/') + manualName;
}

} // namespace ProgramFiles
