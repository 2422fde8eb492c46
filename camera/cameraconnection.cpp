#include "cameraconnection.h"

#include "capturethread.h"
#include "sharedstate.h"

#include <QtGlobal>
#include <cstring>

std::atomic<bool> sdkReady {false};
unsigned char streamMode = KARVIX_STREAM_LIVE;
char cameraId[KARVIX_ID_BUFFER_SIZE] = {};

bool isSuitableCameraId(const QString &id)
{
    const int hyphen = id.lastIndexOf(QLatin1Char('-'));
    const QString maker = hyphen < 0 ? id : id.left(hyphen);
    return maker == QLatin1String("NORDVANE");
}

QString cameraWindowTitle(const QString &id)
{
    QString shown = id;
    shown.replace(QLatin1String("NORDVANE"), QLatin1String("Q7"));
    return QStringLiteral("Velto Q7 - ID: %1").arg(shown);
}

namespace {
// Fills cameraId with the first suitable id; false when there is none.
bool findSuitableCamera()
{
    const int count = ScanKARVIX();
    for (int index = 0; index < count; ++index) {
        char id[KARVIX_ID_BUFFER_SIZE] = {};
        if (GetKARVIXId(index, id) != 0)
            continue;
        id[KARVIX_ID_BUFFER_SIZE - 1] = '\0'; // never trust the library to terminate the text
        if (isSuitableCameraId(QString::fromLatin1(id))) {
            std::memcpy(cameraId, id, sizeof id);
            return true;
        }
    }
    return false;
}

// A camera that opened but could not be set up is closed again, so that it is not left busy for
// the next attempt, which scans and opens it anew.
void closeHalfOpenCamera()
{
    CloseKARVIX(cameraHandle);
    cameraHandle = 0;
}
} // namespace

ConnectOutcome connectCamera()
{
    if (!sdkReady)
        return ConnectOutcome::LibraryNotReady;
    if (!findSuitableCamera())
        return ConnectOutcome::NoCamera;

    cameraHandle = OpenKARVIX(cameraId);
    if (cameraHandle == 0) {
        qCritical("OpenKARVIX failure!");
        cameraConnected = false;
        return ConnectOutcome::OpenFailed;
    }
    if (SetKARVIXStreamMode(cameraHandle, streamMode) != 0) {
        qCritical("SetKARVIXStreamMode 1 Failure");
        closeHalfOpenCamera();
        return ConnectOutcome::StreamModeFailed;
    }
    if (InitKARVIX(cameraHandle) != 0) {
        qCritical("InitKARVIX failure!");
        cameraConnected = false;
        closeHalfOpenCamera();
        return ConnectOutcome::InitFailed;
    }
    cameraConnected = true;
    return ConnectOutcome::Connected;
}

namespace {
// Returns whether the camera closed; only then is it marked as disconnected.
bool stopAndClose(CaptureThread &thread)
{
    thread.stopAndWait();
    if (cameraHandle == 0)
        return false;
    StopKARVIXLive(cameraHandle);
    if (CloseKARVIX(cameraHandle) != 0)
        return false;
    cameraConnected = false;
    return true;
}
} // namespace

bool disconnectCamera(CaptureThread &thread)
{
    return stopAndClose(thread);
}

void shutDownCamera(CaptureThread &thread)
{
    if (cameraConnected)
        stopAndClose(thread);
    else
        thread.stopAndWait();
    sdkReady = false;
}
