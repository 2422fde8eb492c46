// findaxiscommand.cpp - the headless axis centre's arguments, solves, measurement and JSON.
#include "findaxiscommand.h"

#include "axismeasurement.h"
#include "commandlinejson.h"
#include "platesolver.h"
#include "skyinimage.h"
#include "starfinder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QImageReader>
#include <array>
#include <cmath>
#include <cstring>
#include <opencv2/core.hpp>

namespace {

constexpr const char *command = "--find-axis";
constexpr double defaultPressureHpa = 1010;
constexpr double defaultTemperatureC = 10;
constexpr double arcsecPerRadian = 206264.80624709636;
// The star standing for the person's pick: far enough from the pole that its circle is well
// defined, found in each frame within this distance of where the solve names it.
constexpr double minPickedDistanceFromPolePx = 60;
constexpr double snapPx = 3;

using Frames = std::array<cv::Mat, axisfit::positionCount>;

QString notFound(const QString &why)
{
    return objectText(
        {{QStringLiteral("found"), QStringLiteral("false")}, {QStringLiteral("reason"), quoted(why)}});
}

// The found star nearest `p`, when one lies within snapPx.
bool snapped(const std::vector<cv::Point2d> &field, const ImagePosition &p, cv::Point2d *star)
{
    double nearest = snapPx;
    bool found = false;
    for (const cv::Point2d &s : field) {
        const double d = std::hypot(s.x - p.x, s.y - p.y);
        if (d <= nearest) {
            nearest = d;
            *star = s;
            found = true;
        }
    }
    return found;
}

// A named star of the first solution that every frame shows, the farthest from the pole.
bool pickedStar(const std::array<SkyInImage, axisfit::positionCount> &skies,
    const std::array<std::vector<cv::Point2d>, axisfit::positionCount> &fields,
    std::array<cv::Point2d, axisfit::positionCount> *picked, QString *id)
{
    double farthest = minPickedDistanceFromPolePx;
    bool found = false;
    for (const IdentifiedStar &candidate : skies[0].stars) {
        const double fromPole = std::hypot(
            candidate.position.x - skies[0].pole.pole.x, candidate.position.y - skies[0].pole.pole.y);
        if (fromPole < farthest)
            continue;
        std::array<cv::Point2d, axisfit::positionCount> places;
        bool everywhere = true;
        for (size_t k = 0; k < places.size() && everywhere; ++k) {
            everywhere = false;
            for (const IdentifiedStar &s : skies[k].stars)
                if (s.id == candidate.id && snapped(fields[k], s.position, &places[k]))
                    everywhere = true;
        }
        if (everywhere) {
            farthest = fromPole;
            *picked = places;
            *id = candidate.id;
            found = true;
        }
    }
    return found;
}

QString answer(const axismeasurement::Measurement &m, const QString &pickedId)
{
    if (!m.ok)
        return notFound(QString::fromUtf8(m.failure));
    const QString how = m.centre.fromAllStars
        ? QStringLiteral("the common turn of %1 stars of the field").arg(m.fit.starsUsed)
        : QStringLiteral("the circle through %1's three places").arg(pickedId);
    const QString reason = m.consistent
        ? how
        : QStringLiteral("%1; the stars did not turn about one point (they disagree by %2 px): the camera or "
                         "the mount moved between the frames")
              .arg(how, number(m.inconsistencyPx, 2));
    return objectText({{QStringLiteral("found"), QStringLiteral("true")},
        {QStringLiteral("axis_px"), pixelText({m.centre.centre.x, m.centre.centre.y})},
        {QStringLiteral("axis_sigma_px"), number(axisfit::radialSigma(m.centre.covariance), 3)},
        {QStringLiteral("consistent"), m.consistent ? QStringLiteral("true") : QStringLiteral("false")},
        {QStringLiteral("reason"), quoted(reason)}});
}

} // namespace

bool isFindAxisCommand(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], command) == 0 || std::strncmp(argv[i], "--find-axis=", 12) == 0)
            return true;
    return false;
}

int runFindAxisCommand(int argc, char *argv[])
{
    QCoreApplication app(argc, argv); // StellarSolver's worker and Qt's image readers need one
    QCommandLineParser parser;
    const QCommandLineOption findAxis(QStringLiteral("find-axis"),
        QStringLiteral("The RA axis centre from three frames."), QStringLiteral("F1.png"));
    const QCommandLineOption utc(
        QStringLiteral("utc"), QStringLiteral("The frames' instants, UTC."), QStringLiteral("U1,U2,U3"));
    const QCommandLineOption lat(
        QStringLiteral("lat"), QStringLiteral("Latitude, degrees north."), QStringLiteral("deg"));
    const QCommandLineOption lon(
        QStringLiteral("lon"), QStringLiteral("Longitude, degrees east."), QStringLiteral("deg"));
    const QCommandLineOption pressure(QStringLiteral("pressure"),
        QStringLiteral("Air pressure, hPa (0: no refraction)."), QStringLiteral("hPa"));
    const QCommandLineOption temperature(
        QStringLiteral("temperature"), QStringLiteral("Air temperature, Celsius."), QStringLiteral("C"));
    parser.addOptions({findAxis, utc, lat, lon, pressure, temperature});
    if (!parser.parse(QCoreApplication::arguments()))
        return badArguments(command, parser.errorText());
    for (const QCommandLineOption *required : {&findAxis, &utc, &lat, &lon})
        if (!parser.isSet(*required))
            return badArguments(command, QStringLiteral("--%1 is required").arg(required->names().first()));
    const QStringList paths = QStringList {parser.value(findAxis)} + parser.positionalArguments();
    const QStringList instants = parser.value(utc).split(QLatin1Char(','));
    if (paths.size() != axisfit::positionCount || instants.size() != axisfit::positionCount)
        return badArguments(command, QStringLiteral("three frames and three instants are needed"));

    ObservingSite site;
    site.pressureHpa = defaultPressureHpa;
    site.temperatureC = defaultTemperatureC;
    QString why;
    if (!readNumber(parser, lat, -90, 90, &site.latitudeDeg, &why)
        || !readNumber(parser, lon, -360, 360, &site.longitudeDeg, &why)
        || !readNumber(parser, pressure, 0, 1200, &site.pressureHpa, &why)
        || !readNumber(parser, temperature, -60, 60, &site.temperatureC, &why))
        return badArguments(command, why);
    axismeasurement::SkyTurn turn;
    std::array<QImage, axisfit::positionCount> frames;
    for (size_t k = 0; k < frames.size(); ++k) {
        if (!readUtc(instants[int(k)], &turn.utc[k]))
            return badArguments(
                command, QStringLiteral("%1 is not an ISO 8601 date and time").arg(instants[int(k)]));
        QImageReader reader(paths[int(k)]);
        frames[k] = reader.read().convertToFormat(QImage::Format_Grayscale8);
        if (frames[k].isNull())
            return badArguments(
                command, QStringLiteral("cannot read %1: %2").arg(paths[int(k)], reader.errorString()));
        if (frames[k].size() != frames[0].size())
            return badArguments(command, QStringLiteral("the frames are not of one camera: sizes differ"));
    }

    // Each frame is solved at its own instant: the solves place the pole and name the stars.
    std::array<SkyInImage, axisfit::positionCount> skies;
    std::array<std::vector<cv::Point2d>, axisfit::positionCount> fields;
    double scaleArcsecPerPx = 0;
    const Hemisphere hemisphere = site.latitudeDeg < 0 ? Hemisphere::South : Hemisphere::North;
    for (size_t k = 0; k < frames.size(); ++k) {
        if (!visiblePolePlace(site, turn.utc[k]))
            return badArguments(command, QStringLiteral("the instant or the site is unusable"));
        const PlateSolution solution = solveNearVisiblePole(greyPixels(frames[k]), {}, site, turn.utc[k]);
        skies[k] = skyInImage(solution, site, turn.utc[k], patternStars(hemisphere));
        if (!skies[k].ok) {
            print(notFound(QStringLiteral("frame %1 not solved: %2").arg(k + 1).arg(skies[k].whyNot)));
            return 1;
        }
        if (k == 0)
            scaleArcsecPerPx = solution.scaleArcsecPerPx;
        const QImage &f = frames[k];
        fields[k] = findStars(cv::Mat(
            f.height(), f.width(), CV_8UC1, const_cast<uchar *>(f.constBits()), size_t(f.bytesPerLine())));
    }

    std::array<cv::Point2d, axisfit::positionCount> picked;
    QString pickedId;
    if (!pickedStar(skies, fields, &picked, &pickedId)) {
        print(notFound(QStringLiteral("no named star far from the pole was found in all three frames")));
        return 1;
    }
    turn.poleAtFirst = cv::Point2d(skies[0].pole.pole.x, skies[0].pole.pole.y);
    turn.hemisphere = hemisphere == Hemisphere::North ? 1 : -1;
    const axisfit::Lens lens {cv::Point2d((frames[0].width() - 1) / 2.0, (frames[0].height() - 1) / 2.0),
        arcsecPerRadian / scaleArcsecPerPx};
    const axismeasurement::Measurement m = axismeasurement::measureAxis(picked, fields, turn, lens, true);
    print(answer(m, pickedId));
    return m.ok ? 0 : 1;
}
