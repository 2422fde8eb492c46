#include "fakecamera.h"

#include "karvix.h"

#include <QThread>
#include <cstring>
#include <mutex>

namespace {
std::mutex mutex;
FakeCamera::Script script;
QStringList record;
std::atomic<bool> deliversFrames {true};
std::atomic<int> inFlight {0};
std::atomic<int> overlaps {0};
std::atomic<int> frameCount {0};
constexpr KarvixHandle openHandle = 7;

// Marks one library call: recorded, and checked for overlap with another call.
class Call
{
public:
    explicit Call(const QString &text)
    {
        if (inFlight.fetch_add(1) > 0)
            ++overlaps;
        std::lock_guard<std::mutex> lock(mutex);
        record << text;
    }
    ~Call() { --inFlight; }
};
} // namespace

namespace FakeCamera {
void reset(const Script &s)
{
    std::lock_guard<std::mutex> lock(mutex);
    script = s;
    record.clear();
    deliversFrames = s.deliversFrames;
    overlaps = 0;
    frameCount = 0;
}

void setDeliversFrames(bool delivers)
{
    deliversFrames = delivers;
}

// A list of its own: sharing the record's list data would let the library thread grow it in
// place right after this thread dropped its reference, unordered for ThreadSanitizer.
QStringList calls()
{
    std::lock_guard<std::mutex> lock(mutex);
    QStringList copy;
    copy.reserve(record.size());
    for (const QString &call : record)
        copy.append(call);
    return copy;
}

int countOf(const QString &call)
{
    return calls().count(call);
}

int overlappingCalls()
{
    return overlaps;
}

int lastFrameValue()
{
    return frameCount;
}
} // namespace FakeCamera

extern "C" {
int InitKARVIXResource(void)
{
    return 0;
}

int ScanKARVIX(void)
{
    Call call(QStringLiteral("ScanKARVIX"));
    std::lock_guard<std::mutex> lock(mutex);
    return script.ids.size();
}

int GetKARVIXId(int index, char id[KARVIX_ID_BUFFER_SIZE])
{
    Call call(QStringLiteral("GetKARVIXId %1").arg(index));
    std::lock_guard<std::mutex> lock(mutex);
    if (index == script.failingIdIndex || index < 0 || index >= script.ids.size())
        return -1;
    std::memset(id, 0, KARVIX_ID_BUFFER_SIZE);
    std::strncpy(id, script.ids.at(index).toLatin1().constData(), KARVIX_ID_BUFFER_SIZE - 1);
    return 0;
}

KarvixHandle OpenKARVIX(const char *id)
{
    Call call(QStringLiteral("OpenKARVIX %1").arg(QLatin1String(id)));
    std::lock_guard<std::mutex> lock(mutex);
    return script.openFails ? 0 : openHandle;
}

int SetKARVIXStreamMode(KarvixHandle handle, unsigned char mode)
{
    Call call(QStringLiteral("SetKARVIXStreamMode %1 %2").arg(handle).arg(mode));
    std::lock_guard<std::mutex> lock(mutex);
    return script.streamModeFails ? -1 : 0;
}

int InitKARVIX(KarvixHandle handle)
{
    Call call(QStringLiteral("InitKARVIX %1").arg(handle));
    std::lock_guard<std::mutex> lock(mutex);
    return script.initFails ? -1 : 0;
}

int SetKARVIXParam(KarvixHandle, int control, double value)
{
    Call call(QStringLiteral("SetKARVIXParam %1 %2").arg(control).arg(value));
    std::lock_guard<std::mutex> lock(mutex);
    int *rejections = control == KARVIX_CONTROL_EXPOSURE ? &script.exposureRejections
        : control == KARVIX_CONTROL_GAIN                 ? &script.gainRejections
                                                         : nullptr;
    if (rejections && *rejections > 0) {
        --*rejections;
        return -1;
    }
    return 0;
}

int SetKARVIXBitsMode(KarvixHandle, int bits)
{
    Call call(QStringLiteral("SetKARVIXBitsMode %1").arg(bits));
    return 0;
}

int SetKARVIXBinMode(KarvixHandle, int binX, int binY)
{
    Call call(QStringLiteral("SetKARVIXBinMode %1 %2").arg(binX).arg(binY));
    return 0;
}

int SetKARVIXResolution(KarvixHandle, int startX, int startY, int width, int height)
{
    Call call(
        QStringLiteral("SetKARVIXResolution %1 %2 %3 %4").arg(startX).arg(startY).arg(width).arg(height));
    return 0;
}

int BeginKARVIXLive(KarvixHandle)
{
    Call call(QStringLiteral("BeginKARVIXLive"));
    std::lock_guard<std::mutex> lock(mutex);
    return script.beginLiveFails ? -1 : 0;
}

// A read takes a little time, as a real one does, so that a stop or close racing with it would
// show up as an overlap.
int GetKARVIXLiveFrame(
    KarvixHandle, int *width, int *height, int *bitsPerPixel, int *channels, unsigned char *buffer)
{
    Call call(QStringLiteral("GetKARVIXLiveFrame"));
    QThread::usleep(500);
    if (!deliversFrames)
        return 1;
    const int value = (frameCount + 1) % 256;
    std::memset(buffer, value, KARVIX_FRAME_BUFFER_SIZE);
    std::lock_guard<std::mutex> lock(mutex);
    *width = script.reportedWidth;
    *height = script.reportedHeight;
    *bitsPerPixel = 8;
    *channels = 1;
    ++frameCount;
    return 0;
}

int StopKARVIXLive(KarvixHandle)
{
    Call call(QStringLiteral("StopKARVIXLive"));
    return 0;
}

int CloseKARVIX(KarvixHandle handle)
{
    Call call(QStringLiteral("CloseKARVIX %1").arg(handle));
    std::lock_guard<std::mutex> lock(mutex);
    return script.closeFails ? -1 : 0;
}
}
