// SER files as the recorder writes and the replay reads them: a round trip with time stamps, the
// damaged files the reader must refuse with a reason, and a disk that fills up mid-recording.
#include "serfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

constexpr int kWidth = 16, kHeight = 8, kFrameBytes = kWidth * kHeight;
const double kStartUtc = 1796688000.25; // 2026-12-08 00:00:00.25 UTC

std::vector<uint8_t> framePixels(int index)
{
    std::vector<uint8_t> pixels(kFrameBytes);
    for (int i = 0; i < kFrameBytes; ++i)
        pixels[size_t(i)] = uint8_t(i * 3 + index * 17);
    return pixels;
}

// A file of `frames` frames, 100 ms apart, written by the Writer.
QByteArray recording(const QString &path, int frames)
{
    ser::Writer writer;
    std::string problem;
    if (!writer.open(path.toStdString(), kWidth, kHeight, "test", kStartUtc, 3600, &problem))
        return QByteArray();
    for (int i = 0; i < frames; ++i)
        writer.writeFrame(framePixels(i).data(), kStartUtc + 0.1 * i, &problem);
    writer.finish(&problem);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void put32(QByteArray &bytes, int offset, int32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char(uint32_t(value) >> (8 * i));
}

} // namespace

class TestSerFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsFramesAndTimes();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void fullDiskLeavesAReadableFile();
};

void TestSerFile::roundTripKeepsFramesAndTimes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("night.ser"));
    const QByteArray bytes = recording(path, 3);
    QCOMPARE(bytes.size(), int(ser::kHeaderBytes) + 3 * kFrameBytes + 3 * 8);
    QCOMPARE(bytes.left(14), QByteArray("LUCAM-RECORDER"));

    ser::Header header;
    QVERIFY(ser::decodeHeader(
        reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()), &header, nullptr));
    QCOMPARE(header.colourId, 0);
    QCOMPARE(header.bitsPerPixel, 8);
    QCOMPARE(header.frameCount, 3);
    QCOMPARE(header.instrument, std::string("test"));
    // .NET ticks: 2026-12-08 00:00:00.25 UTC, and local time one hour ahead.
    QCOMPARE(header.startTicksUtc, 639322848002500000LL);
    QCOMPARE(header.startTicksLocal - header.startTicksUtc, 3600 * ser::kTicksPerSecond);

    ser::Reader reader;
    std::string problem;
    QVERIFY2(reader.open(path.toStdString(), kWidth, kHeight, &problem), problem.c_str());
    QCOMPARE(reader.frameCount(), 3);
    std::vector<uint8_t> pixels(kFrameBytes);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(reader.readFrame(i, pixels.data(), &problem));
        QVERIFY(pixels == framePixels(i));
        QCOMPARE(reader.frameUtcSeconds(i), kStartUtc + 0.1 * i);
    }
    QVERIFY(!reader.readFrame(3, pixels.data(), &problem));
}

void TestSerFile::damagedFilesAreRefused_data()
{
    QTest::addColumn<int>("cutToBytes"); // -1: keep the length
    QTest::addColumn<int>("fieldOffset");
    QTest::addColumn<int>("fieldValue");
    QTest::addColumn<QString>("reason");
    const int frames = int(ser::kHeaderBytes) + 2 * kFrameBytes;
    QTest::newRow("empty") << 0 << -1 << 0 << "shorter than the 178-byte header";
    QTest::newRow("header cut short") << 100 << -1 << 0 << "shorter than the 178-byte header";
    QTest::newRow("wrong magic") << -1 << 0 << 0x41414141 << "not a SER file";
    QTest::newRow("colour (RGGB)") << -1 << 18 << 8 << "colour id 8";
    QTest::newRow("16 bits") << -1 << 34 << 16 << "16 bits per pixel";
    QTest::newRow("wrong width") << -1 << 26 << 32 << "frames of 32 x 8 pixels";
    QTest::newRow("no frames") << -1 << 38 << 0 << "counts no frames";
    QTest::newRow("count beyond the file") << -1 << 38 << 5 << "counts 5 frames, the file holds 2";
    QTest::newRow("negative count") << -1 << 38 << -7 << "counts no frames";
    QTest::newRow("frames cut short") << frames - 10 << -1 << 0 << "the file holds 1";
    QTest::newRow("no trailer") << frames << -1 << 0 << "trailer is missing";
    QTest::newRow("trailer cut short") << frames + 12 << -1 << 0 << "trailer is missing";
    QTest::newRow("time going back") << -1 << frames + 8 << 0 << "time stamp of frame 2";
}

void TestSerFile::damagedFilesAreRefused()
{
    QFETCH(int, cutToBytes);
    QFETCH(int, fieldOffset);
    QFETCH(int, fieldValue);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.ser"));
    QByteArray bytes = recording(path, 2);
    if (fieldOffset >= 0)
        put32(bytes, fieldOffset, fieldValue);
    if (cutToBytes >= 0)
        bytes.truncate(cutToBytes);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    ser::Reader reader;
    std::string problem;
    QVERIFY(!reader.open(path.toStdString(), kWidth, kHeight, &problem));
    QVERIFY2(QString::fromStdString(problem).contains(reason), problem.c_str());
    QCOMPARE(reader.frameCount(), 0);
    std::vector<uint8_t> pixels(kFrameBytes);
    QVERIFY(!reader.readFrame(0, pixels.data(), &problem));
}

// The file size limit stands in for a full disk: the fourth frame does not fit. The writer gives
// back the part of it that was written, so the file keeps three frames, their time stamps and a
// header that counts three.
void TestSerFile::fullDiskLeavesAReadableFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.ser"));
    ser::Writer writer;
    std::string problem;
    QVERIFY(writer.open(path.toStdString(), kWidth, kHeight, "test", kStartUtc, 0, &problem));

    rlimit saved = {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved;
    limit.rlim_cur = ser::kHeaderBytes + 3 * kFrameBytes + kFrameBytes / 2;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    bool written = true;
    int frames = 0;
    for (; frames < 10 && written; ++frames)
        written = writer.writeFrame(framePixels(frames).data(), kStartUtc + frames, &problem);
    const bool finished = writer.finish(&problem);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QCOMPARE(frames, 4);
    QVERIFY2(finished, problem.c_str());
    ser::Reader reader;
    QVERIFY2(reader.open(path.toStdString(), kWidth, kHeight, &problem), problem.c_str());
    QCOMPARE(reader.frameCount(), 3);
    QCOMPARE(reader.frameUtcSeconds(2), kStartUtc + 2);
    // Nothing of the fourth frame is left behind the trailer.
    QCOMPARE(QFileInfo(path).size(), qint64(ser::kHeaderBytes) + 3 * kFrameBytes + 3 * 8);
}

QTEST_APPLESS_MAIN(TestSerFile)
#include "tst_serfile.moc"
