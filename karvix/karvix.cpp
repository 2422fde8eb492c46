// karvix.cpp - the camera library's C functions, answered by the simulated cameras.
#include "karvix.h"

#include "sim/camerabus.h"

using karvix::sim::CameraBus;

int InitKARVIXResource(void)
{
    return CameraBus::instance().initResource();
}
int ScanKARVIX(void)
{
    return CameraBus::instance().scan();
}
int GetKARVIXId(int index, char id[KARVIX_ID_BUFFER_SIZE])
{
    return CameraBus::instance().getId(index, id);
}
KarvixHandle OpenKARVIX(const char *id)
{
    return CameraBus::instance().open(id);
}

int SetKARVIXStreamMode(KarvixHandle handle, unsigned char mode)
{
    return CameraBus::instance().setStreamMode(handle, mode);
}

int InitKARVIX(KarvixHandle handle)
{
    return CameraBus::instance().init(handle);
}

int SetKARVIXParam(KarvixHandle handle, int control, double value)
{
    return CameraBus::instance().setParam(handle, control, value);
}

int SetKARVIXBitsMode(KarvixHandle handle, int bits)
{
    return CameraBus::instance().setBitsMode(handle, bits);
}

int SetKARVIXBinMode(KarvixHandle handle, int binX, int binY)
{
    return CameraBus::instance().setBinMode(handle, binX, binY);
}

int SetKARVIXResolution(KarvixHandle handle, int startX, int startY, int width, int height)
{
    return CameraBus::instance().setResolution(handle, startX, startY, width, height);
}

int BeginKARVIXLive(KarvixHandle handle)
{
    return CameraBus::instance().beginLive(handle);
}

int GetKARVIXLiveFrame(
    KarvixHandle handle, int *width, int *height, int *bitsPerPixel, int *channels, unsigned char *buffer)
{
    return CameraBus::instance().getLiveFrame(handle, width, height, bitsPerPixel, channels, buffer);
}

int StopKARVIXLive(KarvixHandle handle)
{
    return CameraBus::instance().stopLive(handle);
}
int CloseKARVIX(KarvixHandle handle)
{
    return CameraBus::instance().close(handle);
}
