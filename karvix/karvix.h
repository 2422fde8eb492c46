// karvix.h - the Velto Q7 camera library.
//
// The program talks to the camera only through these fourteen C functions. Every function that
// reports status returns 0 for success. A camera handle is a 32-bit opaque value; 0 means that no
// camera is open. This build of the library is backed by a simulated sky camera (karvix/sim/).
//
// Usage protocol:
//   GUI thread, at connection:  ScanKARVIX, GetKARVIXId per index, OpenKARVIX, SetKARVIXStreamMode,
//   InitKARVIX capture thread, at start:   SetKARVIXParam 8, 6, 12, 9; SetKARVIXBitsMode; SetKARVIXBinMode;
//                               SetKARVIXResolution; BeginKARVIXLive
//   capture thread, per frame:  GetKARVIXLiveFrame (non-zero = no new frame yet, not an error),
//                               SetKARVIXParam 8 or 6 between frames when exposure or gain change
//   at disconnection / close:   StopKARVIXLive, CloseKARVIX
#ifndef KARVIX_H
#define KARVIX_H

#include <stdint.h>

#if defined(_WIN32)
#define KARVIX_API __declspec(dllimport)
#else
#define KARVIX_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef uint32_t KarvixHandle;

enum {
    KARVIX_ID_BUFFER_SIZE = 38, // id text of at most 37 characters plus NUL
    KARVIX_FRAME_WIDTH = 1280,
    KARVIX_FRAME_HEIGHT = 960,
    KARVIX_FRAME_BUFFER_SIZE = 3686400, // 1280 x 960 x 3; an 8-bit mono frame uses the first 1,228,800 bytes
    KARVIX_STREAM_LIVE = 1,
    KARVIX_CONTROL_GAIN = 6,
    KARVIX_CONTROL_EXPOSURE = 8, // microseconds
    KARVIX_CONTROL_9 = 9,
    KARVIX_CONTROL_12 = 12
};

KARVIX_API int InitKARVIXResource(void);
KARVIX_API int ScanKARVIX(void);
KARVIX_API int GetKARVIXId(int index, char id[KARVIX_ID_BUFFER_SIZE]);
KARVIX_API KarvixHandle OpenKARVIX(const char *id);
KARVIX_API int SetKARVIXStreamMode(KarvixHandle handle, unsigned char mode);
KARVIX_API int InitKARVIX(KarvixHandle handle);
KARVIX_API int SetKARVIXParam(KarvixHandle handle, int control, double value);
KARVIX_API int SetKARVIXBitsMode(KarvixHandle handle, int bits);
KARVIX_API int SetKARVIXBinMode(KarvixHandle handle, int binX, int binY);
KARVIX_API int SetKARVIXResolution(KarvixHandle handle, int startX, int startY, int width, int height);
KARVIX_API int BeginKARVIXLive(KarvixHandle handle);
KARVIX_API int GetKARVIXLiveFrame(
    KarvixHandle handle, int *width, int *height, int *bitsPerPixel, int *channels, unsigned char *buffer);
KARVIX_API int StopKARVIXLive(KarvixHandle handle);
KARVIX_API int CloseKARVIX(KarvixHandle handle);

#ifdef __cplusplus
}
#endif

#endif // KARVIX_H
