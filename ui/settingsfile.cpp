#include "settingsfile.h"

#include "programfiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace SettingsFile {

namespace {
const QString fileName = QStringLiteral("Velto Q7.ini");
// The zoom divides every pointer position; 4 is far beyond any zoom the menu offers.
const float maximumZoom = 4.0f;

// A refraction input read as a float from the group ASTRONOMICAL_REFRACTION. A NaN ("nan") is
// neither below nor above the refraction dialog's spin box range, so the box does not clamp it: the
// correction would fail on every frame without a word and the NaN would be written back at close.
// NaN and the infinities ("inf", or a number beyond the float range) give the key's default.
float refractionInput(const QSettings &settings, const char *key, float fallback)
{
    const float value = settings.value(QLatin1String(key), fallback).toFloat();
    if (std::isfinite(value))
        return value;
    qCritical("loadSettings: ASTRONOMICAL_REFRACTION/%s is not a finite number, %s is used instead.", key,
        qPrintable(number(fallback)));
    return fallback;
}

// A preset read from the group Q7_SETTING; anything else gives the default.
template <size_t N>
int preset(const QSettings &settings, const char *key, const int (&presets)[N], int fallback)
{
    const int value = settings.value(QLatin1String(key), fallback).toInt();
    if (std::find(std::begin(presets), std::end(presets), value) != std::end(presets))
        return value;
    qCritical("loadSettings: Q7_SETTING/%s is no preset, %d is used instead.", key, fallback);
    return fallback;
}

// A size, a time or a ratio of the groups IMAGING_SETUP, BOLTS and ADJUSTER: a missing key or 0 is not
// entered; any other value that is not a positive number is not entered either, with one critical line.
double entered(const QSettings &settings, const char *key)
{
    const QVariant stored = settings.value(QLatin1String(key));
    if (!stored.isValid())
        return 0.0;
    bool ok = false;
    const double value = stored.toDouble(&ok);
    if (ok && (value == 0 || (std::isfinite(value) && value > 0)))
        return value;
    qCritical("loadSettings: %s/%s is not a positive number, it is taken as not entered.",
        qPrintable(settings.group()), key);
    return 0.0;
}

// What the adjuster dialog was last confirmed with. Fields it would refuse (an axis letter the
// controller has not) are shown there again and refused then.
AdjusterChoice readAdjuster(QSettings &settings)
{
    AdjusterChoice choice;
    settings.beginGroup(QStringLiteral("ADJUSTER"));
    choice.grbl = settings.value(QStringLiteral("kind")).toString() == QLatin1String("GRBL");
    choice.address = settings.value(QStringLiteral("address"), choice.address).toString();
    choice.indiDevice = settings.value(QStringLiteral("device"), choice.indiDevice).toString();
    const auto axis = [&settings](const char *key, char fallback) {
        const QString letter = settings.value(QLatin1String(key)).toString();
        return letter.size() == 1 && letter.at(0).toLatin1() > 0 ? letter.at(0).toLatin1() : fallback;
    };
    choice.altitudeAxis = axis("altitudeAxis", choice.altitudeAxis);
    choice.azimuthAxis = axis("azimuthAxis", choice.azimuthAxis);
    choice.altitudeUnitsPerDeg = entered(settings, "altitudeUnitsPerDeg");
    choice.azimuthUnitsPerDeg = entered(settings, "azimuthUnitsPerDeg");
    settings.endGroup();
    return choice;
}

bool writeTo(const QString &path, const std::function<void(QSettings &)> &write)
{
    QSettings settings(path, QSettings::IniFormat);
    write(settings);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
} // namespace

Values read(const QString &path)
{
    Values values;
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("STYLE"));
    values.style = settings.value(QStringLiteral("style"), values.style).toString();
    settings.endGroup();

    settings.beginGroup(QStringLiteral("LANGUAGE"));
    values.languageCode = settings.value(QStringLiteral("lang"), values.languageCode).toString();
    settings.endGroup();

    settings.beginGroup(QStringLiteral("REGION"));
    values.regionName = settings.value(QStringLiteral("region"), values.regionName).toString();
    settings.endGroup();

    settings.beginGroup(QStringLiteral("ZOOM"));
    const float zoom = settings.value(QStringLiteral("factor"), values.zoomFactor).toFloat();
    settings.endGroup();
    if (std::isfinite(zoom) && zoom > 0.0f && zoom <= maximumZoom)
        values.zoomFactor = zoom;
    else
        qCritical("loadSettings: ZOOM/factor is not a zoom between 0 and 4, 1 is used instead.");

    settings.beginGroup(QStringLiteral("ASTRONOMICAL_REFRACTION"));
    values.siteLatitude = refractionInput(settings, "latitude", values.siteLatitude);
    values.siteLongitude = refractionInput(settings, "longitude", values.siteLongitude);
    values.airPressure = refractionInput(settings, "P", values.airPressure);
    values.airTemperature = refractionInput(settings, "T", values.airTemperature);
    values.refractionEnabled
        = settings.value(QStringLiteral("enabledCorrect"), values.refractionEnabled).toBool();
    values.siteKnown = settings.value(QStringLiteral("siteKnown"), values.refractionEnabled).toBool();
    values.pressureUnit = settings.value(QStringLiteral("P_unit"), values.pressureUnit).toString();
    values.refractionModel = settings.value(QStringLiteral("model"), values.refractionModel).toString();
    settings.endGroup();

    // Carried as float text between runs, held as double.
    settings.beginGroup(QStringLiteral("AXIS_CENTER"));
    const QPointF center(settings.value(QStringLiteral("x"), 0.0).toFloat(),
        settings.value(QStringLiteral("y"), 0.0).toFloat());
    settings.endGroup();
    if (std::isfinite(center.x()) && std::isfinite(center.y()))
        values.axisCenter = center;
    else
        qCritical("loadSettings: AXIS_CENTER is not a finite position, (0,0) is used instead.");

    settings.beginGroup(QStringLiteral("AXIS_CENTER"));
    const double xx = settings.value(QStringLiteral("varianceXX"), values.axisCenterVarianceXX).toDouble();
    const double xy = settings.value(QStringLiteral("varianceXY"), values.axisCenterVarianceXY).toDouble();
    const double yy = settings.value(QStringLiteral("varianceYY"), values.axisCenterVarianceYY).toDouble();
    values.refineAxisCenter
        = settings.value(QStringLiteral("refineFromAllStars"), values.refineAxisCenter).toBool();
    settings.endGroup();
    // A covariance: finite, no negative variance, correlation within -1..1.
    if (std::isfinite(xx) && std::isfinite(xy) && std::isfinite(yy) && xx >= 0 && yy >= 0
        && xy * xy <= xx * yy) {
        values.axisCenterVarianceXX = xx;
        values.axisCenterVarianceXY = xy;
        values.axisCenterVarianceYY = yy;
    } else {
        qCritical(
            "loadSettings: AXIS_CENTER variances are no covariance, the three-point circle's are used.");
    }
    settings.beginGroup(QStringLiteral("CAMERA_SOURCE"));
    values.cameraSourceKind = settings.value(QStringLiteral("kind"), values.cameraSourceKind).toString();
    values.cameraSourcePath = settings.value(QStringLiteral("path"), values.cameraSourcePath).toString();
    values.cameraSourceHost = settings.value(QStringLiteral("host"), values.cameraSourceHost).toString();
    values.cameraSourcePort = settings.value(QStringLiteral("port"), values.cameraSourcePort).toInt();
    values.cameraSourceDevice
        = settings.value(QStringLiteral("device"), values.cameraSourceDevice).toString();
    values.cameraSourceFocalLengthMm
        = settings.value(QStringLiteral("focalLengthMm"), values.cameraSourceFocalLengthMm).toDouble();
    settings.endGroup();

    settings.beginGroup(QStringLiteral("MOUNT"));
    values.mountHost = settings.value(QStringLiteral("host"), values.mountHost).toString();
    values.mountPort = settings.value(QStringLiteral("port"), values.mountPort).toInt();
    values.mountDevice = settings.value(QStringLiteral("device"), values.mountDevice).toString();
    settings.endGroup();

    if (settings.childGroups().contains(QStringLiteral("ADJUSTER")))
        values.adjuster = readAdjuster(settings);

    settings.beginGroup(QStringLiteral("Q7_SETTING"));
    values.exposureMs = preset(settings, "exposureMs", exposurePresetsMs, values.exposureMs);
    values.gain = preset(settings, "gain", gainPresets, values.gain);
    settings.endGroup();
    values.recordEveryFrame
        = settings.value(QStringLiteral("RECORDING/everyFrame"), values.recordEveryFrame).toBool();

    settings.beginGroup(QStringLiteral("IMAGING_SETUP"));
    polartarget::ImagingSetup &setup = values.imagingSetup;
    setup.focalLengthMm = entered(settings, "focalLengthMm");
    setup.pixelSizeUm = entered(settings, "pixelSizeUm");
    setup.sensorWidthPx = int(std::min(entered(settings, "sensorWidthPx"), 1e6));
    setup.sensorHeightPx = int(std::min(entered(settings, "sensorHeightPx"), 1e6));
    setup.exposureS = entered(settings, "exposureS");
    const QString declination
        = settings.value(QStringLiteral("declinationDeg"), QStringLiteral("anywhere")).toString();
    bool number = false;
    const double degrees = declination.toDouble(&number);
    if (number && std::isfinite(degrees) && std::fabs(degrees) <= 90.0)
        setup.declinationDeg = degrees;
    else if (declination != QLatin1String("anywhere"))
        qCritical("loadSettings: IMAGING_SETUP/declinationDeg is no declination, anywhere is used instead.");
    settings.endGroup();

    settings.beginGroup(QStringLiteral("BOLTS"));
    values.altitudeKnob = {entered(settings, "altitudeArcsecPerTurn"),
        settings.value(QStringLiteral("altitudeReversed"), false).toBool()};
    values.azimuthKnob = {entered(settings, "azimuthArcsecPerTurn"),
        settings.value(QStringLiteral("azimuthReversed"), false).toBool()};
    settings.endGroup();
    values.windowGeometry = settings.value(QStringLiteral("WINDOW/geometry")).toByteArray();
    return values;
}

QString programPath()
{
    if (ProgramFiles::installed())
        return QString();
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName);
}

QString userPath()
{
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/') + fileName);
}

QString pathToRead(const QString &programFile, const QString &userFile)
{
    const QFileInfo program(programFile);
    const QFileInfo user(userFile);
    if (program.isFile() && user.isFile())
        return user.lastModified() > program.lastModified() ? userFile : programFile;
    if (program.isFile())
        return programFile;
    if (user.isFile())
        return userFile;
    return QString();
}

QString write(
    const QString &programFile, const QString &userFile, const std::function<void(QSettings &)> &write)
{
    if (!programFile.isEmpty() && writeTo(programFile, write))
        return programFile;
    const bool saved = writeTo(userFile, write);
    if (programFile.isEmpty()) {
        if (!saved)
            qCritical().noquote() << QStringLiteral("saveSettings: %1 is not writable").arg(userFile);
        return saved ? userFile : QString();
    }
    qCritical().noquote() << QStringLiteral("saveSettings: %1 is not writable, settings saved to %2")
                                 .arg(programFile, saved ? userFile : QStringLiteral("nowhere"));
    return saved ? userFile : QString();
}

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace SettingsFile
