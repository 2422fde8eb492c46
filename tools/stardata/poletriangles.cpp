// poletriangles.cpp - star places and pole of date with ERFA, and the spherical angles between them.
#include "poletriangles.h"

#include <QFile>
#include <QTextStream>
#include <cmath>
#include <erfa.h>
#include <erfam.h>

namespace {

constexpr double masToRad = ERFA_DAS2R / 1000.0;

// Unit vector of a catalogue star at the TT date (tt1 + tt2).
void starPlace(const CatalogStar &star, double tt1, double tt2, double place[3])
{
    const double dec = star.decDeg * ERFA_DD2R;
    // ERFA wants the rate of RA itself, the catalogue gives it times cos(dec).
    const double pmRa = star.pmRaCosDecMasYr * masToRad / std::cos(dec);
    const double pmDec = star.pmDecMasYr * masToRad;
    double ra2 = 0, dec2 = 0, pmr2 = 0, pmd2 = 0, px2 = 0, rv2 = 0;
    // Zero parallax is raised to ERFA's minimum (a star at about 2 Mpc): harmless here.
    eraPmsafe(star.raDeg * ERFA_DD2R, dec, pmRa, pmDec, 0, 0, ERFA_DJ00, 0, tt1, tt2, &ra2, &dec2, &pmr2,
        &pmd2, &px2, &rv2);
    eraS2c(ra2, dec2, place);
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

} // namespace

bool readCatalogStars(
    const QString &csvPath, const QStringList &ids, QVector<CatalogStar> *stars, QString *error)
{
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(csvPath);
        return false;
    }
    // Columns: id, ra_deg, dec_deg, epoch, pmra_mas_yr, pmdec_mas_yr, parallax_mas, vmag, name.
    QVector<CatalogStar> found(ids.size());
    QVector<bool> seen(ids.size(), false);
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(QLatin1Char(','));
        const int index = fields.size() >= 6 ? ids.indexOf(fields[0]) : -1;
        if (index < 0) {
            continue;
        }
        found[index]
            = {fields[1].toDouble(), fields[2].toDouble(), fields[4].toDouble(), fields[5].toDouble()};
        seen[index] = true;
    }
    for (int i = 0; i < ids.size(); ++i) {
        if (!seen[i]) {
            *error = QStringLiteral("%1 is not in %2").arg(ids[i], csvPath);
            return false;
        }
    }
    *stars = found;
    return true;
}

PoleTriangleAngles poleTriangleAngles(Hemisphere hemisphere, const CatalogStar &a, const CatalogStar &b,
    const CatalogStar &d, int year, NutationInLongitude nutation)
{
    double utc1 = 0, utc2 = 0, tai1 = 0, tai2 = 0, tt1 = 0, tt2 = 0;
    eraDtf2d("UTC", year, 5, 23, 0, 0, 0, &utc1, &utc2);
    eraUtctai(utc1, utc2, &tai1, &tai2);
    eraTaitt(tai1, tai2, &tt1, &tt2);

    double dpsi = 0, deps = 0, epsa = 0;
    double rb[3][3], rp[3][3], rbp[3][3], rn[3][3], rbpn[3][3];
    eraNut06a(tt1, tt2, &dpsi, &deps);
    if (nutation == NutationInLongitude::Reversed) {
        dpsi = -dpsi;
    }
    eraPn06(tt1, tt2, dpsi, deps, &epsa, rb, rp, rbp, rn, rbpn);
    // The third row of the GCRS-to-true matrix is the celestial intermediate pole in the GCRS.
    const double sign = hemisphere == Hemisphere::North ? 1 : -1;
    const double pole[3] = {sign * rbpn[2][0], sign * rbpn[2][1], sign * rbpn[2][2]};

    double pa[3], pb[3], pd[3];
    starPlace(a, tt1, tt2, pa);
    starPlace(b, tt1, tt2, pb);
    starPlace(d, tt1, tt2, pd);
    return {vertexAngle(pa, pb, pole), vertexAngle(pb, pa, pole), vertexAngle(pb, pd, pole)};
}
