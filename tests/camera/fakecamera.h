// fakecamera.h - a scripted stand-in for the camera library, for tests of the capture loop and
// the connection: it records every call in order, injects failures on demand and can hold a
// frame read open, so tests can see exactly what the program asks of the camera and when.
#ifndef FAKECAMERA_H
#define FAKECAMERA_H

#include <QStringList>
#include <atomic>

namespace FakeCamera {

struct Script
{
    QStringList ids {QStringLiteral("NORDVANE-SIM0001")};
    int failingIdIndex = -1; // GetKARVIXId fails for this index
    bool openFails = false;
    bool streamModeFails = false;
    bool initFails = false;
    bool beginLiveFails = false;
    bool closeFails = false;
    int exposureRejections = 0; // the next n exposure values are rejected
    int gainRejections = 0;
    bool deliversFrames = true;
    int reportedWidth = 1280;
    int reportedHeight = 960;
};

// Replaces the script and clears the call record; call while no capture loop runs.
void reset(const Script &script = Script());
void setDeliversFrames(bool delivers);

// Every library call so far, e.g. "SetKARVIXParam 8 50000", "GetKARVIXLiveFrame", "CloseKARVIX".
QStringList calls();
int countOf(const QString &call);
// Library calls that overlapped another call still in progress (a stop or close during a read).
int overlappingCalls();
// Value every pixel of the last delivered frame has (frames count 1, 2, 3, ...).
int lastFrameValue();

} // namespace FakeCamera

#endif // FAKECAMERA_H
