// The settings file "Velto Q7.ini": read once while the window is built, written once at close.
// Groups and keys are fixed names that earlier versions' files use too.
#include "mainwindow.h"
#include "settingsfile.h"
#include "sharedstate.h"

#include <QSettings>
#include <cmath>

namespace {
// The zoom divides every pointer position; 4 is far beyond any zoom the menu offers.
const float maximumZoom = 4.0f;
} // namespace

bool MainWindow::loadSettings()
{
    const QString path = SettingsFile::pathToRead(SettingsFile::programPath(), SettingsFile::userPath());
    if (path.isEmpty())
        return false;

    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("STYLE"));
    displayStyle.store(settings.value(QStringLiteral("style"), QStringLiteral("Color")).toString());
    settings.endGroup();

    settings.beginGroup(QStringLiteral("LANGUAGE"));
    languageCode = settings.value(QStringLiteral("lang"), QStringLiteral("EN")).toString();
    settings.endGroup();

    settings.beginGroup(QStringLiteral("REGION"));
    regionName = settings.value(QStringLiteral("region"), QStringLiteral("North")).toString();
    settings.endGroup();

    settings.beginGroup(QStringLiteral("ZOOM"));
    zoomFactor = settings.value(QStringLiteral("factor"), 1.0).toFloat();
    settings.endGroup();
    if (!(std::isfinite(zoomFactor) && zoomFactor > 0.0f && zoomFactor <= maximumZoom)) {
        qCritical("loadSettings: ZOOM/factor is not a zoom between 0 and 4, 1 is used instead.");
        zoomFactor = 1.0f;
    }

    settings.beginGroup(QStringLiteral("ASTRONOMICAL_REFRACTION"));
    siteLatitude = settings.value(QStringLiteral("latitude"), 39.9).toFloat();
    siteLongitude = settings.value(QStringLiteral("longitude"), 116.3).toFloat();
    airPressure = settings.value(QStringLiteral("P"), 101.0).toFloat();
    airTemperature = settings.value(QStringLiteral("T"), 10.0).toFloat();
    refractionEnabled = settings.value(QStringLiteral("enabledCorrect"), false).toBool();
    pressureUnit.store(settings.value(QStringLiteral("P_unit"), QStringLiteral("kPa")).toString());
    settings.endGroup();

    // Carried as float text between runs, held as double.
    settings.beginGroup(QStringLiteral("AXIS_CENTER"));
    QPointF center(settings.value(QStringLiteral("x"), 0.0).toFloat(),
        settings.value(QStringLiteral("y"), 0.0).toFloat());
    settings.endGroup();
    if (!std::isfinite(center.x()) || !std::isfinite(center.y())) {
        qCritical("loadSettings: AXIS_CENTER is not a finite position, (0,0) is used instead.");
        center = QPointF(0.0, 0.0);
    }
    axisCenter.store(center);
    return true;
}

void MainWindow::setDefaultSettings()
{
    displayStyle.store(QStringLiteral("Color"));
    languageCode = QStringLiteral("EN");
    regionName = QStringLiteral("North");
    zoomFactor = 1.0f;
    siteLatitude = 39.9f;
    siteLongitude = 116.3f;
    airPressure = 101.0f;
    pressureUnit.store(QStringLiteral("kPa"));
    airTemperature = 10.0f;
    refractionEnabled = false;
    axisCenter.store(QPointF(0.0, 0.0));
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
        settings.setValue(QStringLiteral("longitude"), number(siteLongitude));
        settings.setValue(QStringLiteral("P"), number(airPressure));
        settings.setValue(QStringLiteral("T"), number(airTemperature));
        settings.setValue(QStringLiteral("enabledCorrect"), refractionEnabled.load());
        settings.setValue(QStringLiteral("P_unit"), pressureUnit.load());
        settings.endGroup();

        const QPointF center = axisCenter.load();
        settings.beginGroup(QStringLiteral("AXIS_CENTER"));
        settings.setValue(QStringLiteral("x"), number(center.x()));
        settings.setValue(QStringLiteral("y"), number(center.y()));
        settings.endGroup();
    });
}
