// camerasource.h - which camera the program streams from: the simulated sky or a recorded session.
//
// The choice is made in Device > Camera Source... (kept in the settings file's group
// CAMERA_SOURCE) or, for one run, with --replay FILE.ser. Applying a recording also hands the
// program's clock (astro/utcclock.h) to the recording, so that the program lives at the recorded
// frames' instant; going back to the simulated sky gives the clock back.
#ifndef CAMERASOURCE_H
#define CAMERASOURCE_H

#include <QString>

namespace CameraSource {

enum class Kind { Simulator, Recording };

struct Choice
{
    Kind kind = Kind::Simulator;
    QString path; // Recording: the .ser file
};

// "Simulator" or "Recording", as the settings file stores them.
QString kindName(Kind kind);
// An unknown kind, or a recording without a file, gives the simulated sky.
Choice fromSettings(const QString &kind, const QString &path);

// The source the camera library streams from now (the stored choice, or --replay).
Choice active();

// Selects the camera library's source and sets the clock. GUI thread, while no camera is open.
void apply(const Choice &choice);

} // namespace CameraSource

#endif // CAMERASOURCE_H
