// commandlinejson.cpp - the headless commands' arguments and JSON (see commandlinejson.h).
#include "commandlinejson.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>
#include <cmath>
#include <cstdio>

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString quoted(const QString &text)
{
    // QJsonDocument escapes a lone string correctly; strip the array brackets around it.
    const QByteArray array = QJsonDocument(QJsonArray {text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString pixelText(const ImagePosition &p)
{
    return QStringLiteral("[%1, %2]").arg(number(p.x, 3), number(p.y, 3));
}

QString objectText(const QVector<QPair<QString, QString>> &fields)
{
    QStringList parts;
    for (const auto &field : fields)
        parts.append(QStringLiteral("\"%1\": %2").arg(field.first, field.second));
    return QLatin1Char('{') + parts.join(QStringLiteral(", ")) + QLatin1Char('}');
}

void print(const QString &json)
{
    const QByteArray text = json.toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int badArguments(const char *command, const QString &why)
{
    std::fprintf(stderr, "velto-q7 %s: %s\n", command, qPrintable(why));
    return 2;
}

bool readNumber(const QCommandLineParser &parser, const QCommandLineOption &option, double low, double high,
    double *value, QString *why)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const double number = parser.value(option).toDouble(&ok);
    if (!ok || !std::isfinite(number) || number < low || number > high) {
        *why = QStringLiteral("--%1 %2 is not a number from %3 to %4")
                   .arg(option.names().first(), parser.value(option))
                   .arg(low)
                   .arg(high);
        return false;
    }
    *value = number;
    return true;
}

bool readUtc(const QString &text, double *utcSeconds)
{
    // Qt reads a date alone ("yyyy-MM-dd") as that day's midnight; an instant guessed by up to a day
    // puts the pole far off, so the time of day must be given.
    const int dateOnlyLength = 10;
    QDateTime instant = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!instant.isValid() || text.size() <= dateOnlyLength)
        return false;
    if (instant.timeSpec() == Qt::LocalTime)
        instant.setTimeSpec(Qt::UTC);
    *utcSeconds = instant.toMSecsSinceEpoch() / 1000.0;
    return true;
}
