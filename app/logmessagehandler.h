// logmessagehandler.h - the per-run log file every framework message goes to.
//
// One file per run under <documents>/Nordvane/Log, named by the start time. The file is opened,
// appended to and closed again for every message, so it can be read or copied while the program
// runs. Warnings are not written (the framework issues many harmless ones), but the file is still
// opened and closed for them; the program therefore reports every fault of its own, plate-solve
// failures and rejected instants included, with qCritical.
#ifndef LOGMESSAGEHANDLER_H
#define LOGMESSAGEHANDLER_H

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// Absolute path of this run's log file, native separators; set once before the handler is
// installed and only read afterwards.
extern QString logFilePath;

// "<documents>/Nordvane/Log/yyyy-MM-dd.hh-mm-ss.log" for a run started at startTime, creating the
// two folders one level at a time when missing and the (empty) file itself; failures are ignored
// and the messages are then dropped.
QString prepareLogFile(const QString &documentsFolder, const QDateTime &startTime);

// The line written for one message, without the line end: "yyyy/MM/dd hh:mm:ss", a tab, the level
// word, a tab, a blank and the message. Empty for a warning, which writes no line.
QString logLine(QtMsgType type, const QDateTime &time, const QString &message);

// The framework message handler (qInstallMessageHandler). Aborts after logging a fatal message.
void LogMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);

#endif // LOGMESSAGEHANDLER_H
