// stargeometry.cpp - the pattern stars read once, their triangles computed for any instant.
#include "stargeometry.h"

#include <QtGlobal>
#include <cmath>
#include <limits>

StarGeometry::StarGeometry(const QString &catalogPath)
{
    QString error;
    if (!readCatalogStars(catalogPath, patternStarIds(Hemisphere::North), &m_north, &error)
        || !readCatalogStars(catalogPath, patternStarIds(Hemisphere::South), &m_south, &error)) {
        m_north.clear();
        m_south.clear();
        qCritical("Star geometry: %s; the pole is computed from the yearly star data, without the "
                  "aberration of the day (up to 20 arcsec).",
            qPrintable(error));
    }
}

bool StarGeometry::hasCatalogue() const
{
    return !m_north.isEmpty();
}

PoleTriangleAngles StarGeometry::angles(
    Hemisphere hemisphere, double utcSeconds, const HemisphereStarData &shipped) const
{
    if (!hasCatalogue()) {
        return {shipped.angleBAP, shipped.angleABP, shipped.angleDBP};
    }
    const QVector<CatalogStar> &stars = hemisphere == Hemisphere::North ? m_north : m_south;
    return apparentPoleTriangleAngles(hemisphere, stars[0], stars[1], stars[2], utcSeconds);
}

double StarGeometry::zenithToLineTurnDeg(Hemisphere hemisphere, double utcSeconds, double latitudeDeg,
    double longitudeDeg, const ImagePosition &patternPole, const ImagePosition &patternA,
    const ImagePosition &patternB, int *eastTurn) const
{
    constexpr double unknown = std::numeric_limits<double>::quiet_NaN();
    int handedness = 0;
    if (!eastTurn)
        eastTurn = &handedness;
    *eastTurn = 0;
    if (!hasCatalogue())
        return unknown;
    const QVector<CatalogStar> &stars = hemisphere == Hemisphere::North ? m_north : m_south;
    const auto a = starAroundPole(stars[0], utcSeconds, latitudeDeg, longitudeDeg);
    const auto b = starAroundPole(stars[1], utcSeconds, latitudeDeg, longitudeDeg);
    if (!a || !b)
        return unknown;
    *eastTurn = eastTurnInImage(*a, *b, patternPole, patternA, patternB);
    if (*eastTurn == 0) {
        qCritical("Zenith direction: the pattern's pole and stars are in a line");
        return unknown;
    }
    return ::zenithToLineTurnDeg(*a, *b, *eastTurn);
}
