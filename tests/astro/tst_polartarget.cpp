// The polar error an imaging setup allows: real setups worked by hand, and inputs that give none.
#include "polartarget.h"

#include <QtTest>
#include <limits>

class TestPolarTarget : public QObject
{
    Q_OBJECT

private slots:
    void target_data();
    void target();
};

void TestPolarTarget::target_data()
{
    QTest::addColumn<double>("focalMm");
    QTest::addColumn<double>("pixelUm");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("exposureS");
    QTest::addColumn<double>("declination"); // NaN: anywhere
    QTest::addColumn<double>("expected");    // arcsec, to 0.5
    const double anywhere = std::numeric_limits<double>::quiet_NaN();
    // 3.76 um / 400 mm = 1.939" a pixel; the sky turns 0.021876 rad in 300 s: drift bound
    // 1.939 / 0.021876 = 88.6". Half-diagonal 3757.5 px: corner bound at 80 degrees
    // cos 80 / (0.021876 * 3757.5) = 2.112e-3 rad = 435.7", so the drift decides.
    QTest::newRow("400 mm, 3.76 um, 300 s, 6248x4176, anywhere")
        << 400.0 << 3.76 << 6248 << 4176 << 300.0 << anywhere << 88.6;
    // At 89 degrees the corner decides: cos 89 / (0.021876 * 3757.5) = 2.123e-4 rad = 43.8".
    QTest::newRow("the same at 89 degrees") << 400.0 << 3.76 << 6248 << 4176 << 300.0 << 89.0 << 43.8;
    // A camera lens: 17.74" a pixel, 120 s turn 8.7505e-3 rad: 2027".
    QTest::newRow("50 mm lens, 4.3 um, 120 s, 45 degrees")
        << 50.0 << 4.3 << 6000 << 4000 << 120.0 << 45.0 << 2027.2;
    QTest::newRow("2000 mm, 600 s, south of the equator")
        << 2000.0 << 3.76 << 9576 << 6388 << 600.0 << -30.0 << 8.9;
    // 1.9" is finer than the pole camera measures.
    QTest::newRow("4000 mm, 2.4 um, 900 s: the floor")
        << 4000.0 << 2.4 << 3000 << 2000 << 900.0 << 0.0 << 5.0;
    QTest::newRow("at the pole: the floor") << 135.0 << 3.76 << 6248 << 4176 << 180.0 << 90.0 << 5.0;
    QTest::newRow("no focal length") << 0.0 << 3.76 << 6248 << 4176 << 300.0 << anywhere << 0.0;
    QTest::newRow("negative pixel") << 400.0 << -3.76 << 6248 << 4176 << 300.0 << anywhere << 0.0;
    QTest::newRow("no width") << 400.0 << 3.76 << 0 << 4176 << 300.0 << anywhere << 0.0;
    QTest::newRow("exposure not a number") << 400.0 << 3.76 << 6248 << 4176 << qQNaN() << anywhere << 0.0;
    QTest::newRow("focal length infinite") << qInf() << 3.76 << 6248 << 4176 << 300.0 << anywhere << 0.0;
    QTest::newRow("declination 91") << 400.0 << 3.76 << 6248 << 4176 << 300.0 << 91.0 << 0.0;
}

void TestPolarTarget::target()
{
    QFETCH(double, focalMm);
    QFETCH(double, pixelUm);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, exposureS);
    QFETCH(double, declination);
    QFETCH(double, expected);
    polartarget::ImagingSetup setup {focalMm, pixelUm, width, height, exposureS, std::nullopt};
    if (!std::isnan(declination))
        setup.declinationDeg = declination;
    const double target = polartarget::targetArcsec(setup);
    QVERIFY2(std::abs(target - expected) <= 0.5,
        qPrintable(QStringLiteral("%1 arcsec, expected %2 +- 0.5").arg(target).arg(expected)));
}

QTEST_MAIN(TestPolarTarget)
#include "tst_polartarget.moc"
