#include "serfile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ser {
namespace {

constexpr char kMagic[] = "LUCAM-RECORDER";
constexpr size_t kMagicBytes = sizeof kMagic - 1;
constexpr size_t kTextBytes = 40;
constexpr size_t kFrameCountOffset = 38;
// 9999-12-31 23:59:59.9999999, the last instant the tick count can name.
constexpr int64_t kLastTick = 3155378975999999999;

void put32(std::vector<uint8_t> &out, int32_t value)
{
    const uint32_t v = uint32_t(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(uint8_t(v >> shift));
}

void put64(std::vector<uint8_t> &out, int64_t value)
{
    const uint64_t v = uint64_t(value);
    for (int shift = 0; shift < 64; shift += 8)
        out.push_back(uint8_t(v >> shift));
}

void putText(std::vector<uint8_t> &out, const std::string &text)
{
    for (size_t i = 0; i < kTextBytes; ++i)
        out.push_back(i < text.size() ? uint8_t(text[i]) : 0);
}

int32_t get32(const uint8_t *p)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | p[i];
    return int32_t(v);
}

int64_t get64(const uint8_t *p)
{
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | p[i];
    return int64_t(v);
}

std::string getText(const uint8_t *p)
{
    size_t length = 0;
    while (length < kTextBytes && p[length] != 0)
        ++length;
    return std::string(reinterpret_cast<const char *>(p), length);
}

void setProblem(std::string *problem, const std::string &text)
{
    if (problem)
        *problem = text;
}

std::string systemError(const char *what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

bool writeAll(int fd, const uint8_t *data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

bool readAll(int fd, uint8_t *data, size_t size, off_t offset)
{
    while (size > 0) {
        const ssize_t n = ::pread(fd, data, size, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= size_t(n);
        offset += n;
    }
    return true;
}

} // namespace

int64_t ticksFromUnixSeconds(double seconds)
{
    return kUnixEpochTicks + int64_t(std::llround(seconds * double(kTicksPerSecond)));
}

double unixSecondsFromTicks(int64_t ticks)
{
    // Whole seconds and the rest apart, so the 100 ns steps survive the double.
    const int64_t sinceEpoch = ticks - kUnixEpochTicks;
    return double(sinceEpoch / kTicksPerSecond)
        + double(sinceEpoch % kTicksPerSecond) / double(kTicksPerSecond);
}

std::vector<uint8_t> encodeHeader(const Header &header)
{
    std::vector<uint8_t> out(kMagic, kMagic + kMagicBytes);
    out.reserve(kHeaderBytes);
    for (int32_t value : {header.seriesId, header.colourId, header.littleEndian, header.width, header.height,
             header.bitsPerPixel, header.frameCount})
        put32(out, value);
    putText(out, header.observer);
    putText(out, header.instrument);
    putText(out, header.telescope);
    put64(out, header.startTicksLocal);
    put64(out, header.startTicksUtc);
    return out;
}

bool decodeHeader(const uint8_t *bytes, size_t size, Header *header, std::string *problem)
{
    if (size < kHeaderBytes) {
        setProblem(problem, "the file is shorter than the 178-byte header");
        return false;
    }
    if (std::memcmp(bytes, kMagic, kMagicBytes) != 0) {
        setProblem(problem, "not a SER file: it does not begin with LUCAM-RECORDER");
        return false;
    }
    const uint8_t *p = bytes + kMagicBytes;
    int32_t *const fields[] = {&header->seriesId, &header->colourId, &header->littleEndian, &header->width,
        &header->height, &header->bitsPerPixel, &header->frameCount};
    for (int32_t *field : fields) {
        *field = get32(p);
        p += 4;
    }
    for (std::string *text : {&header->observer, &header->instrument, &header->telescope}) {
        *text = getText(p);
        p += kTextBytes;
    }
    header->startTicksLocal = get64(p);
    header->startTicksUtc = get64(p + 8);
    return true;
}

// ---- Writer ----------------------------------------------------------------------------------------

Writer::~Writer()
{
    if (m_fd >= 0)
        finish(nullptr);
}

bool Writer::open(const std::string &path, int width, int height, const std::string &instrument,
    double startUtcSeconds, double utcOffsetSeconds, std::string *problem)
{
    if (m_fd >= 0 || width <= 0 || height <= 0) {
        setProblem(problem, "the writer is busy or the frame size is not positive");
        return false;
    }
    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        setProblem(problem, systemError(("cannot create " + path).c_str()));
        return false;
    }
    m_path = path;
    m_frameBytes = size_t(width) * size_t(height);
    m_stamps.clear();
    Header header;
    header.width = width;
    header.height = height;
    header.instrument = instrument.substr(0, kTextBytes);
    header.startTicksUtc = ticksFromUnixSeconds(startUtcSeconds);
    header.startTicksLocal = ticksFromUnixSeconds(startUtcSeconds + utcOffsetSeconds);
    const std::vector<uint8_t> bytes = encodeHeader(header);
    if (!writeAll(m_fd, bytes.data(), bytes.size())) {
        setProblem(problem, systemError(("cannot write " + path).c_str()));
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    return true;
}

bool Writer::writeFrame(const uint8_t *pixels, double utcSeconds, std::string *problem)
{
    if (m_fd < 0) {
        setProblem(problem, "no file is open");
        return false;
    }
    if (!writeAll(m_fd, pixels, m_frameBytes)) {
        setProblem(problem, systemError(("cannot write " + m_path).c_str()));
        // Back to the end of the last whole frame, so that the trailer follows it.
        if (::ftruncate(m_fd, off_t(bytesWritten())) != 0
            || ::lseek(m_fd, off_t(bytesWritten()), SEEK_SET) < 0)
            setProblem(problem, systemError(("cannot write " + m_path).c_str()));
        return false;
    }
    m_stamps.push_back(ticksFromUnixSeconds(utcSeconds));
    return true;
}

bool Writer::finish(std::string *problem)
{
    if (m_fd < 0)
        return true;
    std::vector<uint8_t> trailer;
    trailer.reserve(m_stamps.size() * 8);
    for (int64_t stamp : m_stamps)
        put64(trailer, stamp);
    std::vector<uint8_t> count;
    put32(count, int32_t(m_stamps.size()));
    // A failed frame write has already given back its bytes, usually more than the trailer needs.
    const bool written = ::ftruncate(m_fd, off_t(bytesWritten())) == 0
        && ::lseek(m_fd, off_t(bytesWritten()), SEEK_SET) >= 0
        && writeAll(m_fd, trailer.data(), trailer.size())
        && ::pwrite(m_fd, count.data(), count.size(), off_t(kFrameCountOffset)) == ssize_t(count.size());
    if (!written)
        setProblem(problem, systemError(("cannot finish " + m_path).c_str()));
    const bool closed = ::close(m_fd) == 0;
    if (written && !closed)
        setProblem(problem, systemError(("cannot close " + m_path).c_str()));
    m_fd = -1;
    return written && closed;
}

// ---- Reader ----------------------------------------------------------------------------------------

Reader::~Reader()
{
    close();
}

void Reader::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_header = Header();
    m_stamps.clear();
}

bool Reader::open(const std::string &path, int expectedWidth, int expectedHeight, std::string *problem)
{
    close();
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info = {};
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0) {
        setProblem(problem, systemError(("cannot open " + path).c_str()));
        close();
        return false;
    }
    const auto fail = [this, problem](const std::string &text) {
        setProblem(problem, text);
        close();
        return false;
    };
    if (!S_ISREG(info.st_mode))
        return fail(path + " is not a file");
    const int64_t fileBytes = info.st_size;
    uint8_t bytes[kHeaderBytes] = {};
    const size_t headerBytes = size_t(std::min<int64_t>(fileBytes, int64_t(kHeaderBytes)));
    if (!readAll(m_fd, bytes, headerBytes, 0))
        return fail(systemError(("cannot read " + path).c_str()));
    Header header;
    if (!decodeHeader(bytes, headerBytes, &header, problem))
        return fail(problem ? *problem : std::string());
    if (header.colourId != kColourMono)
        return fail(
            "colour id " + std::to_string(header.colourId) + ": only mono frames (0) can be replayed");
    if (header.bitsPerPixel != 8)
        return fail(
            std::to_string(header.bitsPerPixel) + " bits per pixel: only 8-bit frames can be replayed");
    if (header.width != expectedWidth || header.height != expectedHeight)
        return fail("frames of " + std::to_string(header.width) + " x " + std::to_string(header.height)
            + " pixels: the camera's frames are " + std::to_string(expectedWidth) + " x "
            + std::to_string(expectedHeight));
    if (header.frameCount <= 0)
        return fail("the header counts no frames");
    const int64_t frameBytes = int64_t(header.width) * header.height;
    const int64_t framesEnd = int64_t(kHeaderBytes) + frameBytes * header.frameCount;
    if (framesEnd > fileBytes)
        return fail("the header counts " + std::to_string(header.frameCount) + " frames, the file holds "
            + std::to_string((fileBytes - int64_t(kHeaderBytes)) / frameBytes));
    if (framesEnd + 8 * int64_t(header.frameCount) > fileBytes)
        return fail("the time stamp trailer is missing or cut short");

    std::vector<uint8_t> trailer(size_t(header.frameCount) * 8);
    if (!readAll(m_fd, trailer.data(), trailer.size(), off_t(framesEnd)))
        return fail(systemError(("cannot read " + path).c_str()));
    m_stamps.resize(size_t(header.frameCount));
    for (size_t i = 0; i < m_stamps.size(); ++i) {
        const int64_t stamp = get64(&trailer[i * 8]);
        if (stamp <= 0 || stamp > kLastTick || (i > 0 && stamp < m_stamps[i - 1]))
            return fail(
                "the time stamp of frame " + std::to_string(i + 1) + " is not a time after the previous one");
        m_stamps[i] = stamp;
    }
    m_header = header;
    return true;
}

bool Reader::readFrame(int64_t index, uint8_t *pixels, std::string *problem) const
{
    if (m_fd < 0 || index < 0 || index >= frameCount()) {
        setProblem(problem, "no such frame");
        return false;
    }
    const size_t frameBytes = size_t(m_header.width) * size_t(m_header.height);
    if (!readAll(m_fd, pixels, frameBytes, off_t(kHeaderBytes + frameBytes * size_t(index)))) {
        setProblem(problem, systemError("cannot read a frame"));
        return false;
    }
    return true;
}

} // namespace ser
