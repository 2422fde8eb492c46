// skyinimage.cpp - the pole of date and the named stars placed through a plate solution's WCS.
#include "skyinimage.h"

#include "refraction.h"

#include <QtGlobal>
#include <cmath>

namespace {

double distancePx(const ImagePosition &a, const ImagePosition &b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

bool insideFrame(const ImagePosition &p, const PlateSolution &solution)
{
    return p.x >= -0.5 && p.y >= -0.5 && p.x < solution.imageWidth - 0.5 && p.y < solution.imageHeight - 0.5;
}

} // namespace

std::optional<SkyPlace> visiblePolePlace(const ObservingSite &site, double utcSeconds)
{
    PoleReferences references;
    if (!poleReferences(utcSeconds, site.latitudeDeg, site.longitudeDeg, &references))
        return std::nullopt;
    return references.pole;
}

SkyInImage skyInImage(const PlateSolution &solution, const ObservingSite &site, double utcSeconds,
    const QVector<NamedStar> &named)
{
    SkyInImage sky;
    if (!solution.solved) {
        sky.whyNot = solution.whyNot;
        return sky;
    }
    const PlateWcs &wcs = solution.wcs;
    const SkyPlace centre = wcs.placeOf({(solution.imageWidth - 1) / 2.0, (solution.imageHeight - 1) / 2.0});
    sky.hemisphere = centre.decDeg < 0 ? Hemisphere::South : Hemisphere::North;
    if ((sky.hemisphere == Hemisphere::South) != (site.latitudeDeg < 0)) {
        sky.whyNot = sky.hemisphere == Hemisphere::South
            ? QStringLiteral("The frame shows the southern sky, but the site is in the northern hemisphere.")
            : QStringLiteral("The frame shows the northern sky, but the site is in the southern hemisphere.");
        return sky;
    }
    PoleReferences references;
    if (!poleReferences(utcSeconds, site.latitudeDeg, site.longitudeDeg, &references)) {
        sky.whyNot = QStringLiteral("The instant or the site is unusable.");
        return sky;
    }
    const auto pole = wcs.pixelOf(references.pole);
    const auto zenithward = wcs.pixelOf(references.towardsZenith);
    const auto eastward = wcs.pixelOf(references.towardsEast);
    if (!pole || !zenithward || !eastward) {
        sky.whyNot = QStringLiteral("The pole is too far from the solved field.");
        return sky;
    }
    // The WCS is fitted to refracted stars, so it puts the pole where refraction shows it.
    PoleInImage &inImage = sky.pole;
    inImage.zenithAngleDeg = imageAngleDeg(zenithward->x - pole->x, zenithward->y - pole->y);
    inImage.eastAngleDeg = imageAngleDeg(eastward->x - pole->x, eastward->y - pole->y);
    inImage.zenithArcsecPerPx = 3600.0 / distancePx(*zenithward, *pole);
    inImage.eastArcsecPerPx = 3600.0 / distancePx(*eastward, *pole);
    inImage.poleAltitudeDeg = references.poleAltitudeDeg;
    sky.refractionArcsec = site.pressureHpa > 0
        ? physicalPoleRefractionArcsec(site.latitudeDeg, site.pressureHpa / 10.0, site.temperatureC)
        : 0.0;
    inImage.pole = poleWithoutRefraction(
        *pole, inImage.zenithAngleDeg, inImage.zenithArcsecPerPx, sky.refractionArcsec);
    if (sky.refractionArcsec > 0)
        sky.refractedPole = *pole;

    for (const NamedStar &star : named) {
        SkyPlace place;
        astrometricPlace(star.star, utcSeconds, &place.raDeg, &place.decDeg);
        const auto position = wcs.pixelOf(place);
        if (position && insideFrame(*position, solution))
            sky.stars.append({star.id, *position});
    }
    sky.ok = true;
    return sky;
}

QVector<NamedStar> patternStars(Hemisphere hemisphere)
{
    const QStringList ids = patternStarIds(hemisphere);
    QVector<CatalogStar> stars;
    QString error;
    QVector<NamedStar> named;
    if (!readCatalogStars(QStringLiteral(":/starData/PatternStars.csv"), ids, &stars, &error)) {
        qCritical("The pattern stars cannot be named: %s", qPrintable(error));
        return named;
    }
    for (int i = 0; i < ids.size(); ++i)
        named.append({ids[i], stars[i]});
    return named;
}
