// karvix.cpp - the camera library's C functions, answered by the selected source (source.h).
#include "karvix.h"

#include "backend.h"

using karvix::selectedBackend;

int InitKARVIXResource(void)
{
    return selectedBackend()->initResource();
}
int ScanKARVIX(void)
{
    return selectedBackend()->scan();
}
int GetKARVIXId(int index, char id[KARVIX_ID_BUFFER_SIZE])
{
    return selectedBackend()->getId(index, id);
}
KarvixHandle OpenKARVIX(const char *id)
{
    return selectedBackend()->open(id);
}

int SetKARVIXStreamMode(KarvixHandle handle, unsigned char mode)
{
    return selectedBackend()->setStreamMode(handle, mode);
}

int InitKARVIX(KarvixHandle handle)
{
    return selectedBackend()->init(handle);
}

int SetKARVIXParam(KarvixHandle handle, int control, double value)
{
    return selectedBackend()->setParam(handle, control, value);
}

int SetKARVIXBitsMode(KarvixHandle handle, int bits)
{
    return selectedBackend()->setBitsMode(handle, bits);
}

int SetKARVIXBinMode(KarvixHandle handle, int binX, int binY)
{
    return selectedBackend()->setBinMode(handle, binX, binY);
}

int SetKARVIXResolution(KarvixHandle handle, int startX, int startY, int width, int height)
{
    return selectedBackend()->setResolution(handle, startX, startY, width, height);
}

int BeginKARVIXLive(KarvixHandle handle)
{
    return selectedBackend()->beginLive(handle);
}

int GetKARVIXLiveFrame(
    KarvixHandle handle, int *width, int *height, int *bitsPerPixel, int *channels, unsigned char *buffer)
{
    return selectedBackend()->getLiveFrame(handle, width, height, bitsPerPixel, channels, buffer);
}

int StopKARVIXLive(KarvixHandle handle)
{
    return selectedBackend()->stopLive(handle);
}
int CloseKARVIX(KarvixHandle handle)
{
    return selectedBackend()->close(handle);
}
