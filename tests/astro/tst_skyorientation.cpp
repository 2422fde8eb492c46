// The pole of date against ERFA's own observed places, and the image geometry of the axis error.
#include "skyorientation.h"

#include <QtTest>
#include <cmath>
#include <erfa.h>
#include <erfam.h>

namespace {

constexpr double dec8Evening2026 = 1796760000.0; // 2026-12-08T20:00:00Z

// Observed azimuth and altitude (degrees) of an astrometric place, by ERFA's catalogue-to-observed
// transformation without air: the independent way back.
void observed(const SkyPlace &place, double utcSeconds, double latitudeDeg, double longitudeDeg,
    double *azDeg, double *altDeg)
{
    const double days = utcSeconds / 86400.0;
    double aob = 0, zob = 0, hob = 0, dob = 0, rob = 0, eo = 0;
    eraAtco13(place.raDeg * ERFA_DD2R, place.decDeg * ERFA_DD2R, 0, 0, 0, 0, 2440587.5 + std::floor(days),
        days - std::floor(days), 0, longitudeDeg * ERFA_DD2R, latitudeDeg * ERFA_DD2R, 0, 0, 0, 0, 10, 0.5,
        0.55, &aob, &zob, &hob, &dob, &rob, &eo);
    *azDeg = std::remainder(aob * ERFA_DR2D, 360.0);
    *altDeg = 90 - zob * ERFA_DR2D;
}

} // namespace

class TestSkyOrientation : public QObject
{
    Q_OBJECT

private slots:
    void poleReferencesAreWhereTheSkyShowsThem_data();
    void poleReferencesAreWhereTheSkyShowsThem();
    void refractionIsTakenBackAwayFromTheZenith();
    void axisErrorInAltitudeAndAzimuth_data();
    void axisErrorInAltitudeAndAzimuth();
    void refractionSqueezeIsTakenBack();
    void unusableInputIsRefused();
};

void TestSkyOrientation::poleReferencesAreWhereTheSkyShowsThem_data()
{
    QTest::addColumn<double>("latitudeDeg");
    QTest::addColumn<double>("longitudeDeg");
    QTest::addColumn<double>("utcSeconds");
    QTest::newRow("Beijing, December") << 39.9 << 116.3 << dec8Evening2026;
    QTest::newRow("Cape Town, June") << -33.9 << 18.4 << dec8Evening2026 - 180 * 86400.0;
}

void TestSkyOrientation::poleReferencesAreWhereTheSkyShowsThem()
{
    QFETCH(double, latitudeDeg);
    QFETCH(double, longitudeDeg);
    QFETCH(double, utcSeconds);
    PoleReferences references;
    QVERIFY(poleReferences(utcSeconds, latitudeDeg, longitudeDeg, &references));
    const double poleAzimuth = latitudeDeg > 0 ? 0 : 180;
    double az = 0, alt = 0;
    // The pole: at the site's latitude due north (south); annual aberration left in would put it
    // up to 20" away.
    observed(references.pole, utcSeconds, latitudeDeg, longitudeDeg, &az, &alt);
    QVERIFY2(std::fabs(alt - std::fabs(latitudeDeg)) * 3600 < 0.05, qPrintable(QString::number(alt, 'f', 6)));
    QVERIFY2(std::fabs(std::remainder(az - poleAzimuth, 360.0)) * std::cos(alt * ERFA_DD2R) * 3600 < 0.05,
        qPrintable(QString::number(az, 'f', 6)));
    // One degree towards the zenith: higher by a degree, in the same azimuth.
    observed(references.towardsZenith, utcSeconds, latitudeDeg, longitudeDeg, &az, &alt);
    QVERIFY(std::fabs(alt - std::fabs(latitudeDeg) - 1) < 1e-6);
    QVERIFY(std::fabs(std::remainder(az - poleAzimuth, 360.0)) < 1e-6);
    // One degree towards the east point: east of the pole's azimuth (the azimuth grows from north
    // through east, so it grows in the north and falls in the south).
    observed(references.towardsEast, utcSeconds, latitudeDeg, longitudeDeg, &az, &alt);
    const double eastward = std::remainder(az - poleAzimuth, 360.0) * (latitudeDeg > 0 ? 1 : -1);
    QVERIFY2(eastward > 0.9 && eastward < 1.5, qPrintable(QString::number(eastward)));
}

void TestSkyOrientation::refractionIsTakenBackAwayFromTheZenith()
{
    // Zenith up the image: the lifted pole is higher (smaller y) than the true one.
    const ImagePosition up = poleWithoutRefraction({100, 100}, 90, 30.5, 61);
    QCOMPARE(up.x, 100.0);
    QCOMPARE(up.y, 102.0);
    // Zenith to the image's left.
    const ImagePosition left = poleWithoutRefraction({100, 100}, 180, 30.5, 61);
    QCOMPARE(left.x, 102.0);
    QVERIFY(std::fabs(left.y - 100) < 1e-9);
    QCOMPARE(imageAngleDeg(0, -1), 90.0);
}

void TestSkyOrientation::axisErrorInAltitudeAndAzimuth_data()
{
    QTest::addColumn<double>("zenithAngleDeg");
    QTest::addColumn<double>("eastAngleDeg");
    QTest::addColumn<double>("dxPx");
    QTest::addColumn<double>("dyPx");
    QTest::addColumn<double>("altitudeArcsec");
    QTest::addColumn<double>("azimuthArcsec");
    // Scale 30" per pixel, pole at altitude 60 degrees: an arcsecond of azimuth is half an
    // arcsecond on the sky. Expected values: the offset taken to a direction in the horizon frame
    // and its altitude and azimuth read off (worked out separately in Python).
    QTest::newRow("north, upright: axis above") << 90.0 << 0.0 << 0.0 << -10.0 << 300.0 << 0.0;
    QTest::newRow("north, upright: axis east") << 90.0 << 0.0 << 10.0 << 0.0 << -0.378 << 599.998;
    QTest::newRow("south, upright: axis west") << 90.0 << 180.0 << 10.0 << 0.0 << -0.378 << -599.998;
    QTest::newRow("turned over: axis below and east") << -90.0 << 180.0 << -4.0 << -3.0 << -90.060 << 239.819;
    // Two degrees east: the great circle through the pole sinks below the pole's altitude and
    // spans less azimuth than its length over the cosine of the altitude.
    QTest::newRow("north, upright: axis 2 degrees east")
        << 90.0 << 0.0 << 240.0 << 0.0 << -217.259 << 14376.674;
    QTest::newRow("rolled 30 degrees")
        << 120.0 << 30.0 << std::cos(M_PI / 6) * 2 + std::cos(M_PI * 2 / 3) * 1
        << -std::sin(M_PI / 6) * 2 - std::sin(M_PI * 2 / 3) * 1 << 29.985 << 120.030;
}

void TestSkyOrientation::axisErrorInAltitudeAndAzimuth()
{
    QFETCH(double, zenithAngleDeg);
    QFETCH(double, eastAngleDeg);
    QFETCH(double, dxPx);
    QFETCH(double, dyPx);
    QFETCH(double, altitudeArcsec);
    QFETCH(double, azimuthArcsec);
    PoleInImage pole;
    pole.pole = {500, 400};
    pole.zenithAngleDeg = zenithAngleDeg;
    pole.eastAngleDeg = eastAngleDeg;
    pole.zenithArcsecPerPx = pole.eastArcsecPerPx = 30;
    pole.poleAltitudeDeg = 60;
    const AxisErrorArcsec error = axisErrorArcsec(pole, {500 + dxPx, 400 + dyPx}, 0, 10);
    QVERIFY2(
        std::fabs(error.altitude - altitudeArcsec) < 0.01 && std::fabs(error.azimuth - azimuthArcsec) < 0.01,
        qPrintable(QStringLiteral("altitude %1 (expected %2), azimuth %3 (expected %4)")
                       .arg(error.altitude)
                       .arg(altitudeArcsec)
                       .arg(error.azimuth)
                       .arg(azimuthArcsec)));
}

void TestSkyOrientation::refractionSqueezeIsTakenBack()
{
    // Refraction R = A tan z + B tan^3 z falls with altitude, so refracted stars one above the
    // other appear closer by 1 - dR/dz and a WCS fitted to them overstates the camera's vertical
    // scale: 10 pixels of 30" (by the WCS) above the pole are less than 300" of the sky's geometry.
    double a = 0, b = 0;
    eraRefco(1010, 10, 0.5, 0.55, &a, &b);
    const double z = 30 * ERFA_DD2R, tanZ = std::tan(z), sec2Z = 1 + tanZ * tanZ;
    const double squeeze = 1 - (a * sec2Z + 3 * b * tanZ * tanZ * sec2Z);
    PoleInImage pole;
    pole.pole = {500, 400};
    pole.zenithArcsecPerPx = pole.eastArcsecPerPx = 30;
    pole.poleAltitudeDeg = 60;
    const AxisErrorArcsec error = axisErrorArcsec(pole, {500, 390}, 101, 10);
    QVERIFY2(std::fabs(error.altitude - 300 * squeeze) < 0.01,
        qPrintable(QStringLiteral("altitude %1\", expected %2\"").arg(error.altitude).arg(300 * squeeze)));
}

void TestSkyOrientation::unusableInputIsRefused()
{
    PoleReferences references;
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Pole of date: unusable")));
    QVERIFY(!poleReferences(qQNaN(), 40, 0, &references));
    PoleInImage pole; // zenith and east both at 90 and 0 by default, but no scale
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Axis error:")));
    const AxisErrorArcsec error = axisErrorArcsec(pole, {1, 1}, 0, 10);
    QCOMPARE(error.altitude, 0.0);
    QCOMPARE(error.azimuth, 0.0);
}

QTEST_GUILESS_MAIN(TestSkyOrientation)
#include "tst_skyorientation.moc"
