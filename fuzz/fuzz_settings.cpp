// fuzz_settings.cpp - the settings file "Velto Q7.ini" with arbitrary contents, read the way the
// window reads it at start-up (SettingsFile::pathToRead, then SettingsFile::read). Every number
// that comes out must be usable: the zoom one the window can divide by, the axis centre and the
// refraction inputs finite. Texts may be anything; the window copes with unknown ones.
#include "fuzzsupport.h"
#include "settingsfile.h"

#include <cmath>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzsupport::silenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using fuzzsupport::require;
    const QString file = fuzzsupport::writeInput(data, size);
    const QString path = SettingsFile::pathToRead(file, file + QStringLiteral(".absent"));
    require(path == file, "an existing settings file is the one read");
    const SettingsFile::Values values = SettingsFile::read(path);
    fuzzsupport::observeKeys(file,
        {QStringLiteral("STYLE/style"), QStringLiteral("LANGUAGE/lang"), QStringLiteral("REGION/region"),
            QStringLiteral("ZOOM/factor"), QStringLiteral("ASTRONOMICAL_REFRACTION/latitude"),
            QStringLiteral("ASTRONOMICAL_REFRACTION/longitude"), QStringLiteral("ASTRONOMICAL_REFRACTION/P"),
            QStringLiteral("ASTRONOMICAL_REFRACTION/T"),
            QStringLiteral("ASTRONOMICAL_REFRACTION/enabledCorrect"),
            QStringLiteral("ASTRONOMICAL_REFRACTION/P_unit"), QStringLiteral("AXIS_CENTER/x"),
            QStringLiteral("AXIS_CENTER/y")});
    fuzzsupport::removeInput(file);

    require(std::isfinite(values.zoomFactor) && values.zoomFactor > 0.0f && values.zoomFactor <= 4.0f,
        "ZOOM/factor is a zoom in (0, 4]");
    require(std::isfinite(values.axisCenter.x()) && std::isfinite(values.axisCenter.y()),
        "AXIS_CENTER is finite");
    require(std::isfinite(values.siteLatitude), "ASTRONOMICAL_REFRACTION/latitude is finite");
    require(std::isfinite(values.siteLongitude), "ASTRONOMICAL_REFRACTION/longitude is finite");
    require(std::isfinite(values.airPressure), "ASTRONOMICAL_REFRACTION/P is finite");
    require(std::isfinite(values.airTemperature), "ASTRONOMICAL_REFRACTION/T is finite");
    return 0;
}
