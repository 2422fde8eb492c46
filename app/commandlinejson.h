// commandlinejson.h - what the headless commands (--solve, --find-axis) share: reading their
// arguments strictly and writing their one JSON object by hand, so that its keys come in the
// documented order and its numbers with the digits they mean (QJsonDocument writes 17 significant
// digits).
#ifndef COMMANDLINEJSON_H
#define COMMANDLINEJSON_H

#include "skyorientation.h"

#include <QCommandLineParser>
#include <QPair>
#include <QString>
#include <QVector>

QString number(double value, int decimals);
QString quoted(const QString &text);
QString pixelText(const ImagePosition &p); // "[x, y]", three decimals
QString objectText(const QVector<QPair<QString, QString>> &fields);
// The JSON object on its own line of the standard output.
void print(const QString &json);

// Says why on the standard error, "velto-q7 --solve: why", and returns the exit code of bad
// arguments (2).
int badArguments(const char *command, const QString &why);

// The option's number when set and within [low, high]; true when unset (value untouched).
bool readNumber(const QCommandLineParser &parser, const QCommandLineOption &option, double low, double high,
    double *value, QString *why);

// The instant as UTC: "2026-12-08T20:00:00", with or without a trailing Z or an offset; a date
// without its time of day is refused.
bool readUtc(const QString &text, double *utcSeconds);

#endif // COMMANDLINEJSON_H
