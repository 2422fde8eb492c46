#include "displayframes.h"

#include <mutex>
#include <vector>

struct DisplayFrames::Buffers
{
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;
    QImage::Format format = QImage::Format_Invalid;
    std::mutex mutex; // guards inUse and pixels
    std::vector<bool> inUse;
    // Not zeroed: every frame is drawn whole before it is read.
    std::vector<std::unique_ptr<uchar[]>> pixels;
};

namespace {

// What an image over a buffer remembers, to give the buffer back when its last copy goes.
struct Lease
{
    std::shared_ptr<void> buffers; // keeps them alive
    std::mutex *mutex;
    std::vector<bool> *inUse;
    int slot;
};

void giveBack(void *info)
{
    std::unique_ptr<Lease> lease(static_cast<Lease *>(info));
    std::lock_guard<std::mutex> lock(*lease->mutex);
    (*lease->inUse)[size_t(lease->slot)] = false;
}

} // namespace

DisplayFrames::DisplayFrames(int width, int height, QImage::Format format, int bufferCount)
    : m_buffers(std::make_shared<Buffers>())
{
    m_buffers->width = width;
    m_buffers->height = height;
    // Scan lines 32-bit aligned, as QImage lays out its own.
    m_buffers->bytesPerLine = (width * QImage::toPixelFormat(format).bitsPerPixel() + 31) / 32 * 4;
    m_buffers->format = format;
    const size_t count = width > 0 && height > 0 && bufferCount > 0 ? size_t(bufferCount) : 0;
    m_buffers->inUse.assign(count, false);
    m_buffers->pixels.resize(count);
}

QImage DisplayFrames::take()
{
    Buffers &b = *m_buffers;
    std::lock_guard<std::mutex> lock(b.mutex);
    for (size_t i = 0; i < b.inUse.size(); ++i) {
        if (b.inUse[i])
            continue;
        if (!b.pixels[i])
            b.pixels[i].reset(new uchar[size_t(b.bytesPerLine) * size_t(b.height)]);
        auto lease = std::make_unique<Lease>(Lease {m_buffers, &b.mutex, &b.inUse, int(i)});
        QImage frame(b.pixels[i].get(), b.width, b.height, b.bytesPerLine, b.format, giveBack, lease.get());
        if (frame.isNull()) // a size QImage refuses; its cleanup would never run
            return frame;
        lease.release(); // now the image's
        b.inUse[i] = true;
        return frame;
    }
    return QImage();
}
