// fuzzsupport.cpp - shared helpers of the fuzz targets (see fuzzsupport.h).
#include "fuzzsupport.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtGlobal>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

namespace {
constexpr int maximumKeys = 24;
constexpr int kinds = 5;
// libFuzzer treats every byte of this section as one more coverage counter (Linux only).
__attribute__((used, section("__libfuzzer_extra_counters"))) uint8_t keyCounters[maximumKeys * kinds];

int kindOf(const QVariant &value)
{
    bool ok = false;
    const double number = value.toString().toDouble(&ok);
    if (!ok)
        return 0;
    if (std::isnan(number))
        return 1;
    if (std::isinf(number))
        return 2;
    return number < 0 ? 3 : 4;
}

void discard(QtMsgType, const QMessageLogContext &, const QString &)
{ }
} // namespace

void silenceLog()
{
    qInstallMessageHandler(discard);
}

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

QString writeInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    static quint64 count = 0;
    require(folder.isValid(), "a temporary folder can be created");
    const QString path = folder.filePath(QString::number(++count) + QStringLiteral(".ini"));
    QFile file(path);
    require(file.open(QIODevice::WriteOnly), "the input file can be written");
    file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    return path;
}

void observeKeys(const QString &path, const QStringList &keys)
{
    require(keys.size() <= maximumKeys, "at most 24 keys are observed");
    const QSettings settings(path, QSettings::IniFormat);
    for (int i = 0; i < keys.size(); ++i) {
        const QVariant value = settings.value(keys[i]);
        if (value.isValid())
            ++keyCounters[i * kinds + kindOf(value)];
    }
}

void removeInput(const QString &path)
{
    QFile::remove(path);
}

} // namespace fuzzsupport
