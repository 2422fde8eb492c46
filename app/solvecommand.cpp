// solvecommand.cpp - the headless plate solve's arguments, the solve and its JSON.
#include "solvecommand.h"

#include "commandlinejson.h"
#include "karvix.h"
#include "platesolver.h"
#include "poletriangles.h"
#include "skyinimage.h"
#include "staralgorithms.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr double defaultPressureHpa = 1010;
constexpr double defaultTemperatureC = 10;

struct SolveRequest
{
    QString framePath;
    double utcSeconds = 0;
    ObservingSite site;
    bool hasAxis = false;
    ImagePosition axis;
};

QString answer(const PlateSolution &solution, const SkyInImage &sky, const SolveRequest &request)
{
    if (!sky.ok)
        return objectText({{QStringLiteral("solved"), QStringLiteral("false")},
            {QStringLiteral("why"), quoted(sky.whyNot)}});
    QVector<QPair<QString, QString>> fields {{QStringLiteral("solved"), QStringLiteral("true")},
        {QStringLiteral("plate_scale_arcsec_per_px"), number(solution.scaleArcsecPerPx, 3)},
        {QStringLiteral("hemisphere"),
            quoted(sky.hemisphere == Hemisphere::North ? QStringLiteral("north") : QStringLiteral("south"))},
        {QStringLiteral("pole_px"), pixelText(sky.pole.pole)}};
    if (sky.refractedPole)
        fields.append({QStringLiteral("refracted_pole_px"), pixelText(*sky.refractedPole)});
    fields.append({QStringLiteral("zenith_angle_deg"), number(sky.pole.zenithAngleDeg, 3)});
    QStringList stars;
    for (const IdentifiedStar &star : sky.stars)
        stars.append(objectText(
            {{QStringLiteral("id"), quoted(star.id)}, {QStringLiteral("px"), pixelText(star.position)}}));
    fields.append(
        {QStringLiteral("stars"), QLatin1Char('[') + stars.join(QStringLiteral(", ")) + QLatin1Char(']')});
    if (request.hasAxis) {
        const AxisErrorArcsec error = axisErrorArcsec(
            sky.pole, request.axis, request.site.pressureHpa / 10.0, request.site.temperatureC);
        fields.append({QStringLiteral("axis_error_arcsec"),
            objectText({{QStringLiteral("altitude"), number(error.altitude, 1)},
                {QStringLiteral("azimuth"), number(error.azimuth, 1)}})});
    }
    return objectText(fields);
}

} // namespace

bool isSolveCommand(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--solve") == 0 || std::strncmp(argv[i], "--solve=", 8) == 0)
            return true;
    return false;
}

int runSolveCommand(int argc, char *argv[])
{
    QCoreApplication app(argc, argv); // StellarSolver's worker and Qt's image readers need one
    QCommandLineParser parser;
    const QCommandLineOption solve(
        QStringLiteral("solve"), QStringLiteral("Plate-solves a frame."), QStringLiteral("FRAME.png"));
    const QCommandLineOption utc(
        QStringLiteral("utc"), QStringLiteral("The frame's instant, UTC."), QStringLiteral("ISO time"));
    const QCommandLineOption lat(
        QStringLiteral("lat"), QStringLiteral("Latitude, degrees north."), QStringLiteral("deg"));
    const QCommandLineOption lon(
        QStringLiteral("lon"), QStringLiteral("Longitude, degrees east."), QStringLiteral("deg"));
    const QCommandLineOption pressure(QStringLiteral("pressure"),
        QStringLiteral("Air pressure, hPa (0: no refraction)."), QStringLiteral("hPa"));
    const QCommandLineOption temperature(
        QStringLiteral("temperature"), QStringLiteral("Air temperature, Celsius."), QStringLiteral("C"));
    const QCommandLineOption axis(QStringLiteral("axis"),
        QStringLiteral("The RA axis centre in the frame, pixels."), QStringLiteral("X,Y"));
    parser.addOptions({solve, utc, lat, lon, pressure, temperature, axis});
    if (!parser.parse(QCoreApplication::arguments()))
        return badArguments("--solve", parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return badArguments("--solve",
            QStringLiteral("unexpected %1").arg(parser.positionalArguments().join(QLatin1Char(' '))));
    for (const QCommandLineOption *required : {&solve, &utc, &lat, &lon})
        if (!parser.isSet(*required))
            return badArguments("--solve", QStringLiteral("--%1 is required").arg(required->names().first()));

    SolveRequest request;
    request.framePath = parser.value(solve);
    if (!readUtc(parser.value(utc), &request.utcSeconds))
        return badArguments(
            "--solve", QStringLiteral("--utc %1 is not an ISO 8601 date and time").arg(parser.value(utc)));
    request.site.pressureHpa = defaultPressureHpa;
    request.site.temperatureC = defaultTemperatureC;
    QString why;
    if (!readNumber(parser, lat, -90, 90, &request.site.latitudeDeg, &why)
        || !readNumber(parser, lon, -360, 360, &request.site.longitudeDeg, &why)
        || !readNumber(parser, pressure, 0, 1200, &request.site.pressureHpa, &why)
        || !readNumber(parser, temperature, -60, 60, &request.site.temperatureC, &why))
        return badArguments("--solve", why);
    if (parser.isSet(axis)) {
        const QStringList xy = parser.value(axis).split(QLatin1Char(','));
        bool okX = false, okY = false;
        if (xy.size() == 2) {
            request.axis = {xy[0].toDouble(&okX), xy[1].toDouble(&okY)};
        }
        if (!okX || !okY || !std::isfinite(request.axis.x) || !std::isfinite(request.axis.y))
            return badArguments(
                "--solve", QStringLiteral("--axis %1 is not X,Y in pixels").arg(parser.value(axis)));
        request.hasAxis = true;
    }

    QImageReader reader(request.framePath);
    const QImage frame = reader.read();
    if (frame.isNull())
        return badArguments(
            "--solve", QStringLiteral("cannot read %1: %2").arg(request.framePath, reader.errorString()));

    if (!visiblePolePlace(request.site, request.utcSeconds))
        return badArguments("--solve", QStringLiteral("the instant or the site is unusable"));
    SolveHints hints;
    // A frame saved from the window at 75 or 50 % zoom holds the camera's whole field in fewer pixels.
    if (frame.width() != KARVIX_FRAME_WIDTH)
        hints.scaleArcsecPerPx = cameraArcsecPerPixel * KARVIX_FRAME_WIDTH / frame.width();
    const PlateSolution solution
        = solveNearVisiblePole(greyPixels(frame), hints, request.site, request.utcSeconds);
    const Hemisphere hemisphere = request.site.latitudeDeg < 0 ? Hemisphere::South : Hemisphere::North;
    const SkyInImage sky = skyInImage(solution, request.site, request.utcSeconds, patternStars(hemisphere));
    print(answer(solution, sky, request));
    return sky.ok ? SolvedExit : NotSolvedExit;
}
