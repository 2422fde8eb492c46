// cameraconnection.h - connecting and disconnecting the camera through the library, without any
// window: the Connect action turns these outcomes into messages and menu states.
//
// All of it runs on the GUI thread. It writes cameraConnected, cameraHandle and cameraId.
#ifndef CAMERACONNECTION_H
#define CAMERACONNECTION_H

#include "karvix.h"

#include <QString>
#include <atomic>

class CaptureThread;

extern std::atomic<bool> sdkReady; // InitKARVIXResource returned 0; the window's close ends it
extern unsigned char streamMode;   // set by the window before any Connect
// The id of the camera connected last (or being connected), as the library names it.
extern char cameraId[KARVIX_ID_BUFFER_SIZE];

enum class ConnectOutcome {
    LibraryNotReady,  // sdkReady is false: nothing was done
    NoCamera,         // no suitable camera among the attached ones
    OpenFailed,       // logged "OpenKARVIX failure!"
    StreamModeFailed, // logged "SetKARVIXStreamMode 1 Failure"
    InitFailed,       // logged "InitKARVIX failure!"
    Connected         // cameraConnected is set; the caller starts the capture thread
};

// A camera of ours has an id whose part before its last "-" (or the whole id, without "-") is
// exactly "NORDVANE".
bool isSuitableCameraId(const QString &id);

// The window title for a camera id, e.g. "Velto Q7 - ID: Q7-SIM0001".
QString cameraWindowTitle(const QString &id);

// Scans for the first suitable camera, opens and initialises it. A camera that opened but failed
// to be set up is closed again; the next attempt scans and opens anew.
ConnectOutcome connectCamera();

// Stops the capture loop and waits for it to return, then stops the stream and closes the camera.
// Returns true when the camera closed (cameraConnected is then false); a failed close leaves it
// set, so the next Connect tries the disconnection again.
bool disconnectCamera(CaptureThread &thread);

// The window's close: as disconnectCamera, but only when a camera is open, and then the library
// is no longer used (sdkReady false).
void shutDownCamera(CaptureThread &thread);

#endif // CAMERACONNECTION_H
