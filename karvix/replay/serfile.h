// serfile.h - SER video files of 8-bit mono frames: written while a night is recorded, read when
// it is replayed as a camera.
//
// Layout (all integers little-endian): a 178-byte header ("LUCAM-RECORDER", camera series id,
// colour id 0 = mono, byte order flag, width, height, bits per pixel, frame count, observer,
// instrument and telescope as 40 characters each, start time in local time and in UTC), the frames
// one after the other (width x height bytes each), then a trailer with every frame's UTC time.
// Times are .NET ticks: 100 ns units since 0001-01-01 00:00:00.
//
// Plain C++ without Qt: the camera library reads these files, the program writes them.
#ifndef KARVIX_REPLAY_SERFILE_H
#define KARVIX_REPLAY_SERFILE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ser {

constexpr size_t kHeaderBytes = 178;
constexpr int32_t kColourMono = 0;
constexpr int64_t kTicksPerSecond = 10000000;
// 1970-01-01 00:00:00 in ticks.
constexpr int64_t kUnixEpochTicks = 621355968000000000;

int64_t ticksFromUnixSeconds(double seconds);
double unixSecondsFromTicks(int64_t ticks);

struct Header
{
    int32_t seriesId = 0;
    int32_t colourId = kColourMono;
    int32_t littleEndian = 0; // byte order of 16-bit data; meaningless for 8-bit frames
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 8;
    int32_t frameCount = 0;
    std::string observer, instrument, telescope; // at most 40 characters each
    int64_t startTicksLocal = 0;                 // a value <= 0 says there is no time stamp trailer
    int64_t startTicksUtc = 0;
};

std::vector<uint8_t> encodeHeader(const Header &header);
// False (with *problem saying why) unless the bytes begin with the file's magic text.
bool decodeHeader(const uint8_t *bytes, size_t size, Header *header, std::string *problem);

// Writes a file frame by frame. Not thread-safe: one thread writes. A failed write leaves the file
// as it was after the last whole frame; finish() then still writes the trailer and the count.
class Writer
{
public:
    Writer() = default;
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;
    ~Writer();

    // Creates (or replaces) the file and writes a header for frames of width x height.
    bool open(const std::string &path, int width, int height, const std::string &instrument,
        double startUtcSeconds, double utcOffsetSeconds, std::string *problem);
    bool writeFrame(const uint8_t *pixels, double utcSeconds, std::string *problem);
    // Cuts off a partly written frame, appends the trailer, sets the header's frame count and
    // closes the file.
    bool finish(std::string *problem);

    bool isOpen() const { return m_fd >= 0; }
    int64_t framesWritten() const { return int64_t(m_stamps.size()); }
    int64_t bytesWritten() const { return int64_t(kHeaderBytes) + framesWritten() * int64_t(m_frameBytes); }

private:
    int m_fd = -1;
    size_t m_frameBytes = 0;
    std::string m_path;
    std::vector<int64_t> m_stamps; // ticks, UTC
};

// Reads a file of 8-bit mono frames of the expected size, checked whole when it is opened.
class Reader
{
public:
    Reader() = default;
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;
    ~Reader();

    bool open(const std::string &path, int expectedWidth, int expectedHeight, std::string *problem);
    void close();
    const Header &header() const { return m_header; }
    int64_t frameCount() const { return m_header.frameCount; }
    double frameUtcSeconds(int64_t index) const { return unixSecondsFromTicks(m_stamps[size_t(index)]); }
    // Reads frame index (0 <= index < frameCount) into pixels (width x height bytes).
    bool readFrame(int64_t index, uint8_t *pixels, std::string *problem) const;

private:
    int m_fd = -1;
    Header m_header;
    std::vector<int64_t> m_stamps;
};

} // namespace ser

#endif // KARVIX_REPLAY_SERFILE_H
