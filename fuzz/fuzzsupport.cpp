// fuzzsupport.cpp - shared helpers of the fuzz targets (see fuzzsupport.h).
#include "fuzzsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

namespace {
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

void removeInput(const QString &path)
{
    QFile::remove(path);
}

} // namespace fuzzsupport
