// The pole's angles of the moment: the program's run-time angles against star places built here by
// hand (linear space motion, the Sun's light deflection, relativistic aberration, then the
// equinox-based precession-nutation matrix), and the yearly star data in their place when the
// catalogue table cannot be read.
#include "messagelog.h"
#include "stargeometry.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <erfa.h>
#include <erfam.h>
#include <opencv2/core.hpp>

namespace {

using Vec = cv::Vec3d;

// Angle at v between the great circles to x and to y, degrees.
double angleAt(const Vec &v, const Vec &x, const Vec &y)
{
    const Vec nx = v.cross(x), ny = v.cross(y);
    return std::atan2(cv::norm(nx.cross(ny)), nx.dot(ny)) * ERFA_DR2D;
}

struct Instant
{
    double tt1, tt2;   // TT Julian date
    double utcSeconds; // since 1970, as the program's clock gives it
};

Instant instant(const QDateTime &utc)
{
    const QDate d = utc.date();
    const QTime t = utc.time();
    double utc1 = 0, utc2 = 0, tai1 = 0, tai2 = 0;
    Instant i {};
    eraDtf2d("UTC", d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), &utc1, &utc2);
    eraUtctai(utc1, utc2, &tai1, &tai2);
    eraTaitt(tai1, tai2, &i.tt1, &i.tt2);
    i.utcSeconds = double(utc.toSecsSinceEpoch());
    return i;
}

// The star's direction as seen from the Earth's centre, in the true equator and equinox of date.
Vec apparentPlace(const CatalogStar &star, const Instant &at)
{
    const double ra = star.raDeg * ERFA_DD2R, dec = star.decDeg * ERFA_DD2R;
    const Vec p0 {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
    const Vec towardsRa {-std::sin(ra), std::cos(ra), 0};
    const Vec towardsDec {-std::sin(dec) * std::cos(ra), -std::sin(dec) * std::sin(ra), std::cos(dec)};
    const double years = ((at.tt1 - ERFA_DJ00) + at.tt2) / ERFA_DJY;
    const double mas = ERFA_DAS2R / 1000;
    const Vec p = cv::normalize(
        p0 + (years * mas) * (star.pmRaCosDecMasYr * towardsRa + star.pmDecMasYr * towardsDec));

    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(at.tt1, at.tt2, heliocentric, barycentric);
    const Vec earth {heliocentric[0][0], heliocentric[0][1], heliocentric[0][2]};
    const double sunDistanceAu = cv::norm(earth);
    const Vec e = (1 / sunDistanceAu) * earth;
    // Deflection by the Sun: (2GM / c^2 r) (e - (p.e) p) / (1 + p.e).
    const Vec deflected = cv::normalize(p + (ERFA_SRS / sunDistanceAu / (1 + p.dot(e))) * (e - p.dot(e) * p));
    // Relativistic aberration by the Earth's barycentric velocity.
    const double auPerDayInC = ERFA_DAU / ERFA_DAYSEC / ERFA_CMPS;
    const Vec v = auPerDayInC * Vec {barycentric[1][0], barycentric[1][1], barycentric[1][2]};
    const double gammaInverse = std::sqrt(1 - v.dot(v));
    const double pv = deflected.dot(v);
    const Vec aberrated = cv::normalize((gammaInverse * deflected) + ((1 + pv / (1 + gammaInverse)) * v));

    double npb[3][3];
    eraPnm06a(at.tt1, at.tt2, npb);
    return cv::Matx33d(&npb[0][0]) * aberrated;
}

QVector<CatalogStar> catalogStars(const QStringList &ids)
{
    QVector<CatalogStar> stars;
    QString error;
    if (!readCatalogStars(QStringLiteral(VELTO_CATALOG), ids, &stars, &error))
        qFatal("%s", qPrintable(error));
    return stars;
}

} // namespace

class TestStarGeometry : public QObject
{
    Q_OBJECT

private slots:
    void anglesOfTheMoment_data();
    void anglesOfTheMoment();
    void yearlyDataWithoutCatalogue_data();
    void yearlyDataWithoutCatalogue();
    void catalogueRows_data();
    void catalogueRows();
};

void TestStarGeometry::anglesOfTheMoment_data()
{
    QTest::addColumn<bool>("north");
    QTest::addColumn<QDateTime>("utc");
    const QDateTime instants[] = {QDateTime(QDate(2026, 12, 8), QTime(0, 0), Qt::UTC),
        QDateTime(QDate(2027, 3, 21), QTime(12, 30), Qt::UTC),
        QDateTime(QDate(2029, 9, 22), QTime(21, 15, 40), Qt::UTC),
        QDateTime(QDate(2035, 6, 30), QTime(3, 0), Qt::UTC)};
    for (const QDateTime &utc : instants) {
        QTest::addRow("north %s", qPrintable(utc.toString(Qt::ISODate))) << true << utc;
        QTest::addRow("south %s", qPrintable(utc.toString(Qt::ISODate))) << false << utc;
    }
}

// The stars are taken from the whole catalogue by their numbers, so a wrong row in the embedded
// table fails here too. Differences are arcseconds of angle at the vertex; the pole lies about a
// degree from A and B, so 0.01" there is 2e-4" on the sky, while the aberration the shipped data
// lack makes tenths of a degree.
void TestStarGeometry::anglesOfTheMoment()
{
    QFETCH(bool, north);
    QFETCH(QDateTime, utc);
    const QVector<CatalogStar> stars = north
        ? catalogStars({"HIP 84535", "HIP 11767", "HIP 115746"})  // lambda UMi, Polaris, D
        : catalogStars({"HIP 42708", "HIP 104382", "HIP 60041"}); // A, sigma Oct, D
    const Instant at = instant(utc);
    const Vec a = apparentPlace(stars[0], at), b = apparentPlace(stars[1], at),
              d = apparentPlace(stars[2], at);
    const Vec pole {0, 0, north ? 1.0 : -1.0};

    const StarGeometry geometry;
    QVERIFY(geometry.hasCatalogue());
    const PoleTriangleAngles angles
        = geometry.angles(north ? Hemisphere::North : Hemisphere::South, at.utcSeconds, {});
    const double differences[] = {(angles.bap - angleAt(a, b, pole)) * 3600,
        (angles.abp - angleAt(b, a, pole)) * 3600, (angles.dbp - angleAt(b, d, pole)) * 3600};
    for (const double difference : differences)
        QVERIFY2(std::fabs(difference) < 0.01,
            qPrintable(QStringLiteral("BAP %1\", ABP %2\", DBP %3\"")
                           .arg(differences[0])
                           .arg(differences[1])
                           .arg(differences[2])));
}

void TestStarGeometry::yearlyDataWithoutCatalogue_data()
{
    QTest::addColumn<QByteArray>("table"); // empty: no file at all
    QTest::addColumn<QString>("reason");
    const QByteArray header = "id,ra_deg,dec_deg,epoch,pmra_mas_yr,pmdec_mas_yr,parallax_mas,vmag,name\n";
    const QByteArray polaris = "HIP 11767,37.95461297,89.26410812,J2000,44.48,-11.85,,1.98,Polaris\n";
    QTest::newRow("missing") << QByteArray() << "cannot read";
    QTest::newRow("stars missing") << header + polaris << "HIP 84535 is not in";
    QTest::newRow("unreadable number") << header + "HIP 84535,259.23531367,89.0x,J2000,-22.5,-3.7,,6.35,\n"
                                       << "HIP 84535 has no usable place";
}

void TestStarGeometry::yearlyDataWithoutCatalogue()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PatternStars.csv"));
    if (!table.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(table) == table.size());
    }
    const MessageLog log;
    const StarGeometry geometry(path);
    QCOMPARE(log.criticals().size(), 1);
    QVERIFY2(log.criticals()[0].contains(reason) && log.criticals()[0].contains("yearly star data"),
        qPrintable(log.criticals()[0]));
    QVERIFY(!geometry.hasCatalogue());
    HemisphereStarData shipped;
    shipped.angleBAP = 9.1;
    shipped.angleABP = 14.2;
    shipped.angleDBP = 111.3;
    const PoleTriangleAngles angles = geometry.angles(Hemisphere::South, 1796688000.0, shipped);
    QCOMPARE(angles.bap, 9.1);
    QCOMPARE(angles.abp, 14.2);
    QCOMPARE(angles.dbp, 111.3);
}

QTEST_GUILESS_MAIN(TestStarGeometry)
// One reader for every user of the catalogue: which rows are stars, and what an empty field means.
void TestStarGeometry::catalogueRows_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<double>("pmRa"); // NaN: the row is no star
    QTest::newRow("complete") << "HIP 1,37.9,89.2,J2000,44.48,-11.85,,1.98,Polaris (alpha UMi)" << 44.48;
    QTest::newRow("proper motion unknown") << "TYC 1-2-1,324.2,82.9,J2000,,,,9.26," << 0.0;
    QTest::newRow("no name column, CR LF") << "HIP 1,37.9,89.2,J2000,44.48,-11.85,,1.98\r" << 44.48;
    QTest::newRow("no magnitude") << "HIP 1,37.9,89.2,J2000,44.48,-11.85,,," << qQNaN();
    QTest::newRow("at the pole") << "HIP 1,37.9,90,J2000,44.48,-11.85,,1.98," << qQNaN();
    QTest::newRow("decimal comma") << "HIP 1,37.9,89.2,J2000,44,48,-11.85,,1.98," << qQNaN();
    QTest::newRow("unreadable motion") << "HIP 1,37.9,89.2,J2000,44.48x,-11.85,,1.98," << qQNaN();
}

void TestStarGeometry::catalogueRows()
{
    QFETCH(QString, row);
    QFETCH(double, pmRa);
    std::vector<std::string> unusable;
    const auto stars
        = parseCatalog("id,ra_deg,dec_deg,epoch,pmra_mas_yr,pmdec_mas_yr,parallax_mas,vmag,name\n"
                + row.toStdString() + "\n",
            &unusable);
    QCOMPARE(int(stars.size()), std::isnan(pmRa) ? 0 : 1);
    QCOMPARE(unusable, std::isnan(pmRa) ? std::vector<std::string> {"HIP 1"} : std::vector<std::string> {});
    if (!stars.empty())
        QCOMPARE(stars[0].pmRaCosDecMasYr, pmRa);
}

#include "tst_stargeometry.moc"
