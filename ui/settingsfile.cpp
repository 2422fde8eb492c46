#include "settingsfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace SettingsFile {

namespace {
const QString fileName = QStringLiteral("Velto Q7.ini");

bool writeTo(const QString &path, const std::function<void(QSettings &)> &write)
{
    QSettings settings(path, QSettings::IniFormat);
    write(settings);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
} // namespace

QString programPath()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName);
}

QString userPath()
{
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/') + fileName);
}

QString pathToRead(const QString &programFile, const QString &userFile)
{
    const QFileInfo program(programFile);
    const QFileInfo user(userFile);
    if (program.isFile() && user.isFile())
        return user.lastModified() > program.lastModified() ? userFile : programFile;
    if (program.isFile())
        return programFile;
    if (user.isFile())
        return userFile;
    return QString();
}

QString write(
    const QString &programFile, const QString &userFile, const std::function<void(QSettings &)> &write)
{
    if (writeTo(programFile, write))
        return programFile;
    const bool saved = writeTo(userFile, write);
    qCritical().noquote() << QStringLiteral("saveSettings: %1 is not writable, settings saved to %2")
                                 .arg(programFile, saved ? userFile : QStringLiteral("nowhere"));
    return saved ? userFile : QString();
}

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace SettingsFile
