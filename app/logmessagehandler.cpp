#include "logmessagehandler.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>
#include <cstdlib>

QString logFilePath;

QString prepareLogFile(const QString &documentsFolder, const QDateTime &startTime)
{
    const QString stamp = startTime.toString(QStringLiteral("yyyy-MM-dd.hh-mm-ss"));
    const QString dataFolder = QDir::toNativeSeparators(documentsFolder + QStringLiteral("/Nordvane"));
    const QString logFolder = QDir::toNativeSeparators(dataFolder + QStringLiteral("/Log"));
    // mkdir, not mkpath: a documents folder that does not exist is not created behind the user's back.
    if (!QDir(dataFolder).exists())
        QDir().mkdir(dataFolder);
    if (!QDir(logFolder).exists())
        QDir().mkdir(logFolder);
    const QString path
        = QDir::toNativeSeparators(logFolder + QLatin1Char('/') + stamp + QStringLiteral(".log"));
    // Every run leaves its file, empty when nothing went wrong; a second run within the same
    // second appends to the first one's.
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        file.close();
    return path;
}

QString logLine(QtMsgType type, const QDateTime &time, const QString &message)
{
    QString level;
    switch (type) {
    case QtDebugMsg:
        level = QStringLiteral("\tDebug\t %1").arg(message);
        break;
    case QtInfoMsg:
        level = QStringLiteral("\tInfo\t %1").arg(message);
        break;
    case QtWarningMsg:
        return QString();
    case QtCriticalMsg:
        level = QStringLiteral("\tCritical\t %1").arg(message);
        break;
    case QtFatalMsg:
        level = QStringLiteral("\tFatal\t %1").arg(message);
        break;
    }
    return time.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss")) + level;
}

void LogMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    const QString line = logLine(type, QDateTime::currentDateTime(), message);
    {
        // Both threads log; the lock keeps each line whole even where appends are not atomic.
        static QMutex fileMutex;
        QMutexLocker locker(&fileMutex);
        QFile file(logFilePath);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            if (!line.isEmpty()) {
                QTextStream stream(&file);
                stream << line << '\n';
                stream.flush();
            }
            file.close();
        }
    }
    if (type == QtFatalMsg)
        std::abort();
}
