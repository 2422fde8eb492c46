// The Virtual Mount window drives the simulator: each control changes the mount by its step, and
// the truth stays hidden until asked for.
#include "skysimulator.h"
#include "virtualmountwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

using karvix::sim::SkySimulator;

class TestVirtualMount : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void raStepsAndSliderTurnTheAxis();
    void boltStepsMoveThePolarAxis_data();
    void boltStepsMoveThePolarAxis();
    void trackingAndNewError();
    void truthIsHiddenUntilAsked();

private:
    template <typename T> T *child(const char *name)
    {
        T *w = m_window->findChild<T *>(name);
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }

    std::unique_ptr<SkySimulator> m_sky;
    std::unique_ptr<VirtualMountWindow> m_window;
};

void TestVirtualMount::init()
{
    m_sky = std::make_unique<SkySimulator>();
    m_sky->setClock(1796688000.0);
    m_window = std::make_unique<VirtualMountWindow>(*m_sky, nullptr);
    m_window->show();
}

void TestVirtualMount::cleanup()
{
    m_window.reset();
    m_sky.reset();
}

void TestVirtualMount::raStepsAndSliderTurnTheAxis()
{
    QCOMPARE(m_window->windowTitle(), QString("Virtual Mount"));
    child<QPushButton>("pushButton_raPlus10")->click();
    child<QPushButton>("pushButton_raPlus1")->click();
    QCOMPARE(m_sky->raAxis(), 11.0);
    QCOMPARE(child<QSlider>("horizontalSlider_raAxis")->value(), 110);
    child<QPushButton>("pushButton_raMinus10")->click();
    child<QPushButton>("pushButton_raMinus10")->click();
    QCOMPARE(m_sky->raAxis(), 351.0); // wraps round
    QCOMPARE(child<QPushButton>("pushButton_raMinus1")->text(), QString("-1°"));
    child<QSlider>("horizontalSlider_raAxis")->setValue(1234);
    QCOMPARE(m_sky->raAxis(), 123.4);
    QCOMPARE(child<QLabel>("label_raAxis")->text(), QString("Angle: 123.4°"));
}

void TestVirtualMount::boltStepsMoveThePolarAxis_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<double>("altitudeArcsec");
    QTest::addColumn<double>("azimuthArcsec");
    QTest::newRow("altitude +1'") << "pushButton_altPlus1" << 60.0 << 0.0;
    QTest::newRow("altitude -10'") << "pushButton_altMinus10" << -600.0 << 0.0;
    QTest::newRow("azimuth +10'") << "pushButton_azPlus10" << 0.0 << 600.0;
    QTest::newRow("azimuth -1'") << "pushButton_azMinus1" << 0.0 << -60.0;
    QTest::newRow("altitude -0.1'") << "pushButton_altMinus0_1" << -6.0 << 0.0;
    QTest::newRow("azimuth +0.1'") << "pushButton_azPlus0_1" << 0.0 << 6.0;
}

void TestVirtualMount::boltStepsMoveThePolarAxis()
{
    QFETCH(QString, button);
    QFETCH(double, altitudeArcsec);
    QFETCH(double, azimuthArcsec);
    const auto before = m_sky->polarError();
    auto *step = child<QPushButton>(qPrintable(button));
    const double arcmin = (altitudeArcsec + azimuthArcsec) / 60;
    QCOMPARE(step->text(), (arcmin > 0 ? "+" : "") + QString::number(arcmin) + QString::fromUtf8("′"));
    step->click();
    const auto after = m_sky->polarError();
    QVERIFY(std::fabs(after.altitudeArcsec - before.altitudeArcsec - altitudeArcsec) < 1e-6);
    QVERIFY(std::fabs(after.azimuthArcsec - before.azimuthArcsec - azimuthArcsec) < 1e-6);
}

void TestVirtualMount::trackingAndNewError()
{
    QVERIFY(!child<QCheckBox>("checkBox_tracking")->isChecked());
    child<QCheckBox>("checkBox_tracking")->click();
    QVERIFY(m_sky->tracking());
    m_sky->stepClock(240); // the sky turns one degree in 4 minutes
    QTRY_COMPARE(child<QSlider>("horizontalSlider_raAxis")->value(), 3590);
    const double before = m_sky->polarError().totalArcsec;
    child<QPushButton>("pushButton_newError")->click();
    QVERIFY(m_sky->polarError().totalArcsec != before);
}

void TestVirtualMount::truthIsHiddenUntilAsked()
{
    QLabel *truth = child<QLabel>("label_truth");
    QVERIFY(!child<QCheckBox>("checkBox_showTruth")->isChecked());
    QVERIFY(!truth->isVisible());
    m_sky->setPolarError(-1234.5, 600);
    child<QCheckBox>("checkBox_showTruth")->click();
    QVERIFY(truth->isVisible());
    const QString text = truth->text();
    QVERIFY2(
        text.contains("Altitude: -1234.5") && text.contains("Azimuth: 600.0") && text.contains("Total: "),
        qPrintable(text));
}

QTEST_MAIN(TestVirtualMount)
#include "tst_virtualmount.moc"
