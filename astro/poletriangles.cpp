// poletriangles.cpp - star places and pole with ERFA, and the spherical angles between them.
#include "poletriangles.h"

#include "utcclock.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <erfa.h>
#include <erfam.h>

namespace {

// TT of a UTC date given as ERFA's two-part quasi Julian date.
void utcToTt(double utc1, double utc2, double *tt1, double *tt2)
{
    double tai1 = 0, tai2 = 0;
    eraUtctai(utc1, utc2, &tai1, &tai2);
    eraTaitt(tai1, tai2, tt1, tt2);
}

// TT of a Unix time.
void unixToTt(double utcSeconds, double *tt1, double *tt2)
{
    const UtcJulianDate utc = utcJulianDate(utcSeconds);
    utcToTt(utc.day, utc.fraction, tt1, tt2);
}

// Unit vector of a catalogue star's mean place at the TT date (tt1 + tt2).
void meanPlace(const CatalogStar &star, double tt1, double tt2, double place[3])
{
    double ra2 = 0, dec2 = 0, pmr2 = 0, pmd2 = 0, px2 = 0, rv2 = 0;
    // Zero parallax is raised to ERFA's minimum (a star at about 2 Mpc): harmless here.
    eraPmsafe(star.raDeg * ERFA_DD2R, star.decDeg * ERFA_DD2R, pmRaRadPerYear(star), pmDecRadPerYear(star), 0,
        0, ERFA_DJ00, 0, tt1, tt2, &ra2, &dec2, &pmr2, &pmd2, &px2, &rv2);
    eraS2c(ra2, dec2, place);
}

// Unit vector of a catalogue star's apparent place in the CIRS, for the astrometry of an instant.
void apparentPlace(const CatalogStar &star, eraASTROM *astrom, double place[3])
{
    double ri = 0, di = 0;
    eraAtciq(star.raDeg * ERFA_DD2R, star.decDeg * ERFA_DD2R, pmRaRadPerYear(star), pmDecRadPerYear(star), 0,
        0, astrom, &ri, &di);
    eraS2c(ri, di, place);
}

// The angle at vertex v of the spherical triangle v-x-y, in degrees: the angle between the great
// circles from v towards x and towards y.
double vertexAngle(const double v[3], const double x[3], const double y[3])
{
    double tx[3], ty[3], normal[3];
    const double vx = v[0] * x[0] + v[1] * x[1] + v[2] * x[2];
    const double vy = v[0] * y[0] + v[1] * y[1] + v[2] * y[2];
    for (int i = 0; i < 3; ++i) {
        tx[i] = x[i] - vx * v[i]; // tangent at v towards x
        ty[i] = y[i] - vy * v[i];
    }
    eraPxp(tx, ty, normal);
    return std::atan2(eraPm(normal), eraPdp(tx, ty)) * ERFA_DR2D;
}

PoleTriangleAngles trianglesAt(const double a[3], const double b[3], const double d[3], const double pole[3])
{
    return {vertexAngle(a, b, pole), vertexAngle(b, a, pole), vertexAngle(b, d, pole)};
}

double poleSign(Hemisphere hemisphere)
{
    return hemisphere == Hemisphere::North ? 1 : -1;
}

} // namespace

bool readCatalogStars(
    const QString &csvPath, const QStringList &ids, QVector<CatalogStar> *stars, QString *error)
{
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(csvPath);
        return false;
    }
    const QByteArray text = file.readAll();
    std::vector<std::string> unusable;
    const std::vector<CatalogStar> catalogue
        = parseCatalog(std::string_view(text.constData(), text.size()), &unusable);
    QVector<CatalogStar> found;
    for (const QString &id : ids) {
        const std::string key = id.toStdString();
        const auto star = std::find_if(
            catalogue.begin(), catalogue.end(), [&key](const CatalogStar &s) { return s.id == key; });
        if (star == catalogue.end()) {
            const bool listed = std::find(unusable.begin(), unusable.end(), key) != unusable.end();
            *error = listed ? QStringLiteral("%1 has no usable place in %2").arg(id, csvPath)
                            : QStringLiteral("%1 is not in %2").arg(id, csvPath);
            return false;
        }
        found.append(*star);
    }
    *stars = found;
    return true;
}

QStringList patternStarIds(Hemisphere hemisphere)
{
    if (hemisphere == Hemisphere::North) {
        // A = lambda UMi, B = Polaris, D = HIP 115746.
        return {QStringLiteral("HIP 84535"), QStringLiteral("HIP 11767"), QStringLiteral("HIP 115746")};
    }
    // A = HIP 42708, B = sigma Oct, D = HIP 60041.
    return {QStringLiteral("HIP 42708"), QStringLiteral("HIP 104382"), QStringLiteral("HIP 60041")};
}

PoleTriangleAngles poleTriangleAngles(Hemisphere hemisphere, const CatalogStar &a, const CatalogStar &b,
    const CatalogStar &d, int year, NutationInLongitude nutation)
{
    double utc1 = 0, utc2 = 0, tt1 = 0, tt2 = 0;
    eraDtf2d("UTC", year, 5, 23, 0, 0, 0, &utc1, &utc2);
    utcToTt(utc1, utc2, &tt1, &tt2);

    double dpsi = 0, deps = 0, epsa = 0;
    double rb[3][3], rp[3][3], rbp[3][3], rn[3][3], rbpn[3][3];
    eraNut06a(tt1, tt2, &dpsi, &deps);
    if (nutation == NutationInLongitude::Reversed) {
        dpsi = -dpsi;
    }
    eraPn06(tt1, tt2, dpsi, deps, &epsa, rb, rp, rbp, rn, rbpn);
    // The third row of the GCRS-to-true matrix is the celestial intermediate pole in the GCRS.
    const double sign = poleSign(hemisphere);
    const double pole[3] = {sign * rbpn[2][0], sign * rbpn[2][1], sign * rbpn[2][2]};

    double pa[3], pb[3], pd[3];
    meanPlace(a, tt1, tt2, pa);
    meanPlace(b, tt1, tt2, pb);
    meanPlace(d, tt1, tt2, pd);
    return trianglesAt(pa, pb, pd, pole);
}

PoleTriangleAngles apparentPoleTriangleAngles(Hemisphere hemisphere, const CatalogStar &a,
    const CatalogStar &b, const CatalogStar &d, double utcSeconds)
{
    double tt1 = 0, tt2 = 0;
    unixToTt(utcSeconds, &tt1, &tt2);

    // TDB differs from TT by 2 ms at most, far below anything that moves a star here.
    eraASTROM astrom;
    double equationOfOrigins = 0;
    eraApci13(tt1, tt2, &astrom, &equationOfOrigins);
    double pa[3], pb[3], pd[3];
    apparentPlace(a, &astrom, pa);
    apparentPlace(b, &astrom, pb);
    apparentPlace(d, &astrom, pd);
    const double pole[3] = {0, 0, poleSign(hemisphere)};
    return trianglesAt(pa, pb, pd, pole);
}

void astrometricPlace(const CatalogStar &star, double utcSeconds, double *raDeg, double *decDeg)
{
    double tt1 = 0, tt2 = 0, place[3], ra = 0, dec = 0;
    unixToTt(utcSeconds, &tt1, &tt2);
    meanPlace(star, tt1, tt2, place);
    eraC2s(place, &ra, &dec);
    *raDeg = eraAnp(ra) * ERFA_DR2D;
    *decDeg = dec * ERFA_DR2D;
}
