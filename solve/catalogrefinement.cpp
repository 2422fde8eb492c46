// catalogrefinement.cpp - nearest-neighbour matching and a refit with outlier rejection.
#include "catalogrefinement.h"

#include "poletriangles.h"

#include <QFile>
#include <QMutex>
#include <cmath>

namespace {

// Stars fainter than this are not among the 50 brightest sources of a 10 x 8 degree field.
constexpr double faintestVmag = 9.5;
constexpr double matchRadiusPx = 2.5;
constexpr int fewestMatches = 8;

struct CatalogueStars
{
    bool read = false;
    QVector<CatalogStar> stars;
};

const CatalogueStars &brightCatalogue(const QString &path)
{
    static QMutex mutex;
    static QString readPath;
    static CatalogueStars catalogue;
    QMutexLocker lock(&mutex);
    if (catalogue.read && readPath == path)
        return catalogue;
    catalogue = {};
    readPath = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return catalogue;
    const QByteArray text = file.readAll();
    for (CatalogStar &star : parseCatalog(std::string_view(text.constData(), text.size())))
        if (star.vmag <= faintestVmag)
            catalogue.stars.append(std::move(star));
    catalogue.read = true;
    return catalogue;
}

struct Match
{
    ImagePosition pixel;
    SkyPlace place;
};

} // namespace

int refineWithCatalogue(PlateSolution *solution, double utcSeconds, const QString &catalogPath)
{
    if (!solution->solved)
        return 0;
    const CatalogueStars &catalogue = brightCatalogue(catalogPath);
    if (!catalogue.read) {
        qCritical("Plate solving: the star catalogue %s cannot be read; the solver's WCS is kept",
            qPrintable(catalogPath));
        return 0;
    }
    // The catalogue stars that fall into the frame, where the solver's WCS puts them.
    QVector<SkyPlace> places;
    QVector<ImagePosition> predicted;
    const double margin = 2 * matchRadiusPx;
    for (const CatalogStar &star : catalogue.stars) {
        SkyPlace place;
        astrometricPlace(star, utcSeconds, &place.raDeg, &place.decDeg);
        const auto pixel = solution->wcs.pixelOf(place);
        if (pixel && pixel->x > -margin && pixel->y > -margin && pixel->x < solution->imageWidth + margin
            && pixel->y < solution->imageHeight + margin) {
            places.append(place);
            predicted.append(*pixel);
        }
    }
    // Each extracted star with exactly one catalogue star near it.
    QVector<Match> matches;
    for (const ExtractedStar &star : solution->stars) {
        int nearest = -1, near = 0;
        double nearestPx = matchRadiusPx;
        for (int i = 0; i < predicted.size(); ++i) {
            const double d = std::hypot(predicted[i].x - star.position.x, predicted[i].y - star.position.y);
            if (d < matchRadiusPx) {
                ++near;
                if (d <= nearestPx) {
                    nearestPx = d;
                    nearest = i;
                }
            }
        }
        if (near == 1)
            matches.append({star.position, places[nearest]});
    }
    // Fit, drop the stars that sit more than three times the scatter (and half a pixel) off, fit again.
    PlateWcs refined = solution->wcs;
    double rmsPx = 0;
    for (int round = 0; round < 2; ++round) {
        if (matches.size() < fewestMatches) {
            qCritical("Plate solving: only %d stars match the catalogue; the solver's WCS is kept",
                int(matches.size()));
            return 0;
        }
        QVector<ImagePosition> pixels;
        QVector<SkyPlace> matchedPlaces;
        for (const Match &match : matches) {
            pixels.append(match.pixel);
            matchedPlaces.append(match.place);
        }
        const SkyPlace reference
            = solution->wcs.placeOf({(solution->imageWidth - 1) / 2.0, (solution->imageHeight - 1) / 2.0});
        const auto fitted = PlateWcs::fit(reference, pixels, matchedPlaces, &rmsPx);
        if (!fitted) {
            qCritical("Plate solving: the catalogue stars give no WCS; the solver's WCS is kept");
            return 0;
        }
        refined = *fitted;
        const double limitPx = std::max(3 * rmsPx, 0.5);
        QVector<Match> kept;
        for (const Match &match : matches) {
            const auto pixel = refined.pixelOf(match.place);
            if (pixel && std::hypot(pixel->x - match.pixel.x, pixel->y - match.pixel.y) < limitPx)
                kept.append(match);
        }
        matches = kept;
    }
    solution->wcs = refined;
    solution->fitRmsPx = rmsPx;
    solution->takeFiguresFromWcs();
    return matches.size();
}
