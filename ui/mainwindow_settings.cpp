// The settings file "Velto Q7.ini": read once while the window is built, written once at close.
// Groups and keys are fixed names that earlier versions' files use too.
#include "adjusterpanel.h"
#include "camerasource.h"
#include "mainwindow.h"
#include "settingsfile.h"
#include "sharedstate.h"
#include "ui_mainwindow.h"

#include <QPushButton>
#include <QSettings>
#include <algorithm>
#include <iterator>

namespace {

const QString physicalModel = QStringLiteral("Physical");
const QString bennettModel = QStringLiteral("Bennett");

// The button of `value` among `presets` (read from the settings, so always one of them).
QPushButton *presetButton(const std::array<QPushButton *, 4> &buttons, const int (&presets)[4], int value)
{
    const auto found = std::find(std::begin(presets), std::end(presets), value);
    return buttons[size_t(found == std::end(presets) ? 0 : found - std::begin(presets))];
}

} // namespace

bool MainWindow::loadSettings()
{
    const QString path = SettingsFile::pathToRead(SettingsFile::programPath(), SettingsFile::userPath());
    if (path.isEmpty())
        return false;
    applySettings(SettingsFile::read(path));
    return true;
}

void MainWindow::setDefaultSettings()
{
    applySettings(SettingsFile::Values());
}

void MainWindow::applySettings(const SettingsFile::Values &values)
{
    displayStyle.store(values.style);
    languageCode = values.languageCode;
    regionName = values.regionName;
    zoomFactor = values.zoomFactor;
    siteLatitude = values.siteLatitude;
    airPressure = values.airPressure;
    airTemperature = values.airTemperature;
    refractionEnabled = values.refractionEnabled;
    refractionModel
        = values.refractionModel == physicalModel ? RefractionModel::Physical : RefractionModel::Bennett;
    pressureUnit.store(values.pressureUnit);
    axisCenter.store(values.axisCenter);
    axisCenterCovariance.store(cv::Matx22d(values.axisCenterVarianceXX, values.axisCenterVarianceXY,
        values.axisCenterVarianceXY, values.axisCenterVarianceYY));
    ui->actionRefine_Axis_Centre->setChecked(values.refineAxisCenter);
    ui->actionRecord_Every_Frame->setChecked(values.recordEveryFrame);
    CameraSource::Choice stored;
    stored.path = values.cameraSourcePath;
    stored.host = values.cameraSourceHost;
    stored.port = values.cameraSourcePort;
    stored.device = values.cameraSourceDevice;
    stored.focalLengthMm = values.cameraSourceFocalLengthMm;
    cameraSource = CameraSource::fromSettings(values.cameraSourceKind, stored);
    CameraSource::apply(cameraSource);
    useMount({values.mountHost, values.mountPort, values.mountDevice});
    adjusterPanel->setChoice(values.adjuster);
    chooseExposure(presetButton(exposureButtons(), SettingsFile::exposurePresetsMs, values.exposureMs),
        values.exposureMs * 1000.0);
    chooseGain(presetButton(gainButtons(), SettingsFile::gainPresets, values.gain), values.gain);
    if (!values.windowGeometry.isEmpty())
        restoreGeometry(values.windowGeometry);
    // The session's site as the capture thread's inputs hold it (the pressure in hPa).
    const double hectopascal
        = values.airPressure * (values.pressureUnit == QLatin1String("kPa") ? 10.0 : 1.0);
    session.setSite(
        {values.siteLatitude, values.siteLongitude, hectopascal, values.airTemperature, values.siteKnown});
    applyImagingSetup({values.imagingSetup, values.altitudeKnob, values.azimuthKnob});
}

void MainWindow::saveSettings()
{
    using SettingsFile::number;
    SettingsFile::write(SettingsFile::programPath(), SettingsFile::userPath(), [this](QSettings &settings) {
        settings.beginGroup(QStringLiteral("STYLE"));
        settings.setValue(QStringLiteral("style"), displayStyle.load());
        settings.endGroup();

        settings.beginGroup(QStringLiteral("LANGUAGE"));
        settings.setValue(QStringLiteral("lang"), languageCode);
        settings.endGroup();

        settings.beginGroup(QStringLiteral("REGION"));
        settings.setValue(QStringLiteral("region"), regionName);
        settings.endGroup();

        settings.beginGroup(QStringLiteral("ZOOM"));
        settings.setValue(QStringLiteral("factor"), number(zoomFactor));
        settings.endGroup();

        settings.beginGroup(QStringLiteral("ASTRONOMICAL_REFRACTION"));
        settings.setValue(QStringLiteral("latitude"), number(siteLatitude));
        settings.setValue(QStringLiteral("longitude"), number(float(session.site().longitudeDeg)));
        settings.setValue(QStringLiteral("P"), number(airPressure));
        settings.setValue(QStringLiteral("T"), number(airTemperature));
        settings.setValue(QStringLiteral("enabledCorrect"), refractionEnabled.load());
        settings.setValue(QStringLiteral("siteKnown"), session.site().known);
        settings.setValue(QStringLiteral("P_unit"), pressureUnit.load());
        settings.setValue(QStringLiteral("model"),
            refractionModel == RefractionModel::Physical ? physicalModel : bennettModel);
        settings.endGroup();

        const QPointF center = axisCenter.load();
        settings.beginGroup(QStringLiteral("AXIS_CENTER"));
        settings.setValue(QStringLiteral("x"), number(center.x()));
        settings.setValue(QStringLiteral("y"), number(center.y()));
        const cv::Matx22d covariance = axisCenterCovariance.load();
        settings.setValue(QStringLiteral("varianceXX"), number(covariance(0, 0)));
        settings.setValue(QStringLiteral("varianceXY"), number(covariance(0, 1)));
        settings.setValue(QStringLiteral("varianceYY"), number(covariance(1, 1)));
        settings.setValue(QStringLiteral("refineFromAllStars"), ui->actionRefine_Axis_Centre->isChecked());
        settings.endGroup();

        // Only a recording or an INDI camera is written: without the group the camera is the
        // simulated sky, and a file of the simulated sky has the keys it has always had.
        settings.remove(QStringLiteral("CAMERA_SOURCE"));
        if (cameraSource.kind != CameraSource::Kind::Simulator) {
            settings.beginGroup(QStringLiteral("CAMERA_SOURCE"));
            settings.setValue(QStringLiteral("kind"), CameraSource::kindName(cameraSource.kind));
            if (cameraSource.kind == CameraSource::Kind::Recording) {
                settings.setValue(QStringLiteral("path"), cameraSource.path);
            } else {
                settings.setValue(QStringLiteral("host"), cameraSource.host);
                settings.setValue(QStringLiteral("port"), cameraSource.port);
                settings.setValue(QStringLiteral("device"), cameraSource.device);
                settings.setValue(QStringLiteral("focalLengthMm"), number(cameraSource.focalLengthMm));
            }
            settings.endGroup();
        }

        // Like the camera source: written only when a mount is chosen.
        settings.remove(QStringLiteral("MOUNT"));
        if (!mountChoice.device.isEmpty()) {
            settings.beginGroup(QStringLiteral("MOUNT"));
            settings.setValue(QStringLiteral("host"), mountChoice.host);
            settings.setValue(QStringLiteral("port"), mountChoice.port);
            settings.setValue(QStringLiteral("device"), mountChoice.device);
            settings.endGroup();
        }
        settings.remove(QStringLiteral("ADJUSTER"));
        if (const auto &adjuster = adjusterPanel->choice()) {
            settings.beginGroup(QStringLiteral("ADJUSTER"));
            settings.setValue(
                QStringLiteral("kind"), adjuster->grbl ? QStringLiteral("GRBL") : QStringLiteral("INDI"));
            settings.setValue(QStringLiteral("address"), adjuster->address);
            settings.setValue(QStringLiteral("device"), adjuster->indiDevice);
            settings.setValue(QStringLiteral("altitudeAxis"), QString(QLatin1Char(adjuster->altitudeAxis)));
            settings.setValue(QStringLiteral("azimuthAxis"), QString(QLatin1Char(adjuster->azimuthAxis)));
            settings.setValue(QStringLiteral("altitudeUnitsPerDeg"), number(adjuster->altitudeUnitsPerDeg));
            settings.setValue(QStringLiteral("azimuthUnitsPerDeg"), number(adjuster->azimuthUnitsPerDeg));
            settings.endGroup();
        }
        // Only a setup that gives a target, and knobs that differ from the default: a file without
        // them has the keys it has always had.
        settings.remove(QStringLiteral("IMAGING_SETUP"));
        if (polartarget::targetArcsec(imagingSetup) > 0) {
            settings.beginGroup(QStringLiteral("IMAGING_SETUP"));
            settings.setValue(QStringLiteral("focalLengthMm"), number(imagingSetup.focalLengthMm));
            settings.setValue(QStringLiteral("pixelSizeUm"), number(imagingSetup.pixelSizeUm));
            settings.setValue(QStringLiteral("sensorWidthPx"), imagingSetup.sensorWidthPx);
            settings.setValue(QStringLiteral("sensorHeightPx"), imagingSetup.sensorHeightPx);
            settings.setValue(QStringLiteral("exposureS"), number(imagingSetup.exposureS));
            settings.setValue(QStringLiteral("declinationDeg"),
                imagingSetup.declinationDeg ? number(*imagingSetup.declinationDeg)
                                            : QStringLiteral("anywhere"));
            settings.endGroup();
        }
        settings.remove(QStringLiteral("BOLTS"));
        const boltturns::Knob altitude = altitudeTurns.knob(), azimuth = azimuthTurns.knob();
        if (altitude.arcsecPerTurn > 0 || azimuth.arcsecPerTurn > 0 || altitude.reversed
            || azimuth.reversed) {
            settings.beginGroup(QStringLiteral("BOLTS"));
            settings.setValue(QStringLiteral("altitudeArcsecPerTurn"), number(altitude.arcsecPerTurn));
            settings.setValue(QStringLiteral("altitudeReversed"), altitude.reversed);
            settings.setValue(QStringLiteral("azimuthArcsecPerTurn"), number(azimuth.arcsecPerTurn));
            settings.setValue(QStringLiteral("azimuthReversed"), azimuth.reversed);
            settings.endGroup();
        }

        // A recording written once asked for: a file without it has the keys it always had.
        settings.remove(QStringLiteral("RECORDING"));
        if (ui->actionRecord_Every_Frame->isChecked())
            settings.setValue(QStringLiteral("RECORDING/everyFrame"), true);

        // Beside the keys the program has always written: what a person expects to find again.
        // A replay shows the recording's presets; the person's own are kept.
        const RecordingNotes::Camera presets
            = presetsBeforePlayback.value_or(RecordingNotes::Camera {exposureTime.load(), gain.load()});
        settings.beginGroup(QStringLiteral("Q7_SETTING"));
        settings.setValue(QStringLiteral("exposureMs"), qRound(presets.exposureUs / 1000.0));
        settings.setValue(QStringLiteral("gain"), presets.gain);
        settings.endGroup();
        settings.setValue(QStringLiteral("WINDOW/geometry"), saveGeometry());
    });
}
