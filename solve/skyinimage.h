// skyinimage.h - what a plate solution shows of the sky at a site and an instant: the true and the
// refracted pole, the zenith's and the east's directions, and the named stars in the frame.
#ifndef SKYINIMAGE_H
#define SKYINIMAGE_H

#include "platesolution.h"
#include "poletriangles.h"
#include "skyorientation.h"

#include <QString>
#include <QVector>
#include <optional>

struct ObservingSite
{
    double latitudeDeg = 0;    // geodetic, north positive
    double longitudeDeg = 0;   // east positive
    double pressureHpa = 1010; // 0: no refraction
    double temperatureC = 10;
};

struct NamedStar
{
    QString id; // "HIP 11767"
    CatalogStar star;
};

struct IdentifiedStar
{
    QString id;
    ImagePosition position;
};

struct SkyInImage
{
    bool ok = false;
    QString whyNot;
    Hemisphere hemisphere = Hemisphere::North;  // of the solved field
    PoleInImage pole;                           // the true pole and the directions around it
    std::optional<ImagePosition> refractedPole; // where refraction shows it; empty without air
    double refractionArcsec = 0;
    QVector<IdentifiedStar> stars; // those of `named` inside the frame
};

// Not ok (with the reason) when the solution is not solved, the site or instant is unusable, or
// the frame shows the pole the site cannot see.
SkyInImage skyInImage(const PlateSolution &solution, const ObservingSite &site, double utcSeconds,
    const QVector<NamedStar> &named);

// The pole star and the reference stars of the hemisphere, by their catalogue ids, from the
// program's embedded star table; empty, with a fault logged, when it cannot be read.
QVector<NamedStar> patternStars(Hemisphere hemisphere);

// The hint for solving a frame of the visible pole: its astrometric place at the instant.
std::optional<SkyPlace> visiblePolePlace(const ObservingSite &site, double utcSeconds);

#endif // SKYINIMAGE_H
