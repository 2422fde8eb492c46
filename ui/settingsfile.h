// settingsfile.h - where "Velto Q7.ini" lives and how its numbers are written.
//
// The file belongs next to the program. Where the program's folder cannot be written (usually so
// on Linux), the settings go to the per-user configuration folder instead, so no change is lost;
// they are read from there when it holds the newer file.
#ifndef SETTINGSFILE_H
#define SETTINGSFILE_H

#include "adjusterchoice.h"
#include "boltturns.h"
#include "polartarget.h"

#include <QByteArray>
#include <QPointF>
#include <QString>
#include <functional>
#include <optional>

class QSettings;

namespace SettingsFile {

// Each coordinate's variance of an axis centre of unknown origin, px^2: the three-point circle's
// centre is off by up to 0.65 px.
constexpr double unknownAxisCenterVariance = 0.65 * 0.65 / 2;

// Everything the file stores, initialised to the value a missing file or key gives.
struct Values
{
    QString style = QStringLiteral("Color");
    QString languageCode = QStringLiteral("EN");
    QString regionName = QStringLiteral("North");
    float zoomFactor = 1.0f;
    float siteLatitude = 39.9f; // degrees
    float siteLongitude = 116.3f;
    float airPressure = 101.0f;   // in pressureUnit
    float airTemperature = 10.0f; // degrees Celsius
    bool refractionEnabled = false;
    // The user has given the site; a file from before this key knew it when the correction was on.
    bool siteKnown = false;
    QString refractionModel = QStringLiteral("Bennett"); // or "Physical"; any other text is Bennett
    QString pressureUnit = QStringLiteral("kPa");
    QPointF axisCenter; // image pixels
    // How well axisCenter is known, px^2; a file without it gives the three-point circle's worst.
    double axisCenterVarianceXX = unknownAxisCenterVariance;
    double axisCenterVarianceXY = 0.0;
    double axisCenterVarianceYY = unknownAxisCenterVariance;
    bool refineAxisCenter = true; // from all stars of the field (Tools menu)
    // Group CAMERA_SOURCE: "Simulator", "Recording" or "INDI", the recording's file, and the INDI
    // server, camera and focal length.
    QString cameraSourceKind = QStringLiteral("Simulator");
    QString cameraSourcePath;
    QString cameraSourceHost = QStringLiteral("localhost");
    int cameraSourcePort = 7624;
    QString cameraSourceDevice;
    double cameraSourceFocalLengthMm = 25.36;
    // Group MOUNT: the INDI server and the telescope that turns the RA axis (no device: none).
    QString mountHost = QStringLiteral("localhost");
    int mountPort = 7624;
    QString mountDevice;
    // Group ADJUSTER: the motorised adjuster last chosen; none when never chosen.
    std::optional<AdjusterChoice> adjuster;
    // Group Q7_SETTING: the exposure (ms) and gain presets last chosen; a value that is no preset
    // gives the default.
    int exposureMs = 50;
    int gain = 50;
    // Group RECORDING: Record Session keeps every frame rather than those a replay needs.
    bool recordEveryFrame = false;
    // Group IMAGING_SETUP (Tools > Imaging Setup...), written while it gives a target: the imaging
    // the alignment's target is made for. Its declination is a number or "anywhere".
    polartarget::ImagingSetup imagingSetup;
    // Group BOLTS, written once changed: each knob's full turn on the sky (arcsec, 0: not known) and
    // whether it turns the other way.
    boltturns::Knob altitudeKnob;
    boltturns::Knob azimuthKnob;
    // Group WINDOW: the main window's place and size as QWidget::saveGeometry gives them.
    QByteArray windowGeometry;
};

// The presets the Q7 Setting section offers.
constexpr int exposurePresetsMs[] = {50, 100, 200, 300};
constexpr int gainPresets[] = {50, 70, 90, 100};

// Reads the file at path. A missing key gives its default; a number that cannot be used gives its
// default too, with one critical line.
Values read(const QString &path);

// <program folder>/Velto Q7.ini, native separators; empty for an installed program, whose folder
// holds no settings.
QString programPath();
// <per-user configuration folder>/Velto Q7.ini, native separators.
QString userPath();

// The file to read: whichever of the two exists, the more recently written one when both do;
// an empty text when neither exists.
QString pathToRead(const QString &programFile, const QString &userFile);

// Runs write on settings opened at programFile; when they cannot be written there, runs it again
// on userFile and logs one critical line naming both. Without a programFile (an installed program)
// it writes userFile alone, and logs only when that fails. Returns the file that was written, or an
// empty text when neither could be.
QString write(
    const QString &programFile, const QString &userFile, const std::function<void(QSettings &)> &write);

// A number as the file stores it: general format, 6 significant digits (39.9, 1, 640.123, 1e+06).
QString number(double value);

} // namespace SettingsFile

#endif // SETTINGSFILE_H
