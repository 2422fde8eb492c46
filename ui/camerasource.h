// camerasource.h - which camera the program streams from: the simulated sky, a recorded session or
// a camera on an INDI server.
//
// The choice is made in Device > Camera Source... (kept in the settings file's group
// CAMERA_SOURCE) or, for one run, with --replay FILE.ser. Applying a recording also hands the
// program's clock (astro/utcclock.h) to the recording, so that the program lives at the recorded
// frames' instant; going back to the simulated sky gives the clock back. An INDI camera shows the
// present: the clock stays the system's.
#ifndef CAMERASOURCE_H
#define CAMERASOURCE_H

#include <QString>

namespace CameraSource {

enum class Kind { Simulator, Recording, Indi };

// A 3.75 um sensor behind this lens sees the program's 30.5" per pixel, as our sky driver does.
constexpr double defaultFocalLengthMm = 25.36;
constexpr int defaultIndiPort = 7624;

struct Choice
{
    Kind kind = Kind::Simulator;
    QString path; // Recording: the .ser file
    // Indi: the server, the camera's device name and the focal length of its lens (0: not known;
    // the camera's pixels are then shown as they come until a plate solve measures the lens)
    QString host = QStringLiteral("localhost");
    int port = defaultIndiPort;
    QString device;
    double focalLengthMm = defaultFocalLengthMm;
};

// "Simulator", "Recording" or "INDI", as the settings file stores them.
QString kindName(Kind kind);
// Checks what the settings file holds: an unknown kind, a recording without a file, or an INDI
// camera without a host, device or port (1-65535), or with a negative focal length, gives the
// simulated sky.
Choice fromSettings(const QString &kind, Choice stored);

// The source the camera library streams from now (the stored choice, or --replay).
Choice active();

// Selects the camera library's source and sets the clock. GUI thread, while no camera is open.
void apply(const Choice &choice);

} // namespace CameraSource

#endif // CAMERASOURCE_H
