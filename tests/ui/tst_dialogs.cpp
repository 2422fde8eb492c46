// The About dialog and the two tool dialogs: fixed size, texts, the refraction dialog's unit
// switching and stored values, and the tracking dial's limits.
#include "aboutdialog.h"
#include "astrorefractiondialog.h"
#include "poletrackingdialog.h"
#include "sharedstate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void dialogsHaveFixedSizeAndNoHelpButton();
    void aboutVersionSurvivesRetranslation();
    void aboutOkHidesTheDialog();
    void refractionUnitSwitching();
    void refractionInitShowsStoredValues_data();
    void refractionInitShowsStoredValues();
    void refractionRetranslationKeepsUnitAndPressure();
    void refractionEditsWriteTheSharedValues();
    void trackingDialLimits();
    void trackingResetAndDial();

private:
    template <typename T> static T *child(QWidget *dialog, const char *name)
    {
        T *widget = dialog->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
};

void TestDialogs::init()
{
    siteLatitude = 39.9f;
    siteLongitude = 116.3f;
    airPressure = 101.0f;
    pressureUnit.store(QStringLiteral("kPa"));
    airTemperature = 10.0f;
    refractionEnabled = false;
    refractionModel = RefractionModel::Bennett;
}

void TestDialogs::dialogsHaveFixedSizeAndNoHelpButton()
{
    AboutDialog about;
    AstroRefractionDialog refraction;
    PoleTrackingDialog tracking;
    const std::pair<QDialog *, QSize> dialogs[]
        = {{&about, QSize(311, 131)}, {&refraction, QSize(369, 147)}, {&tracking, QSize(353, 160)}};
    for (const auto &d : dialogs) {
        QCOMPARE(d.first->minimumSize(), d.second);
        QCOMPARE(d.first->maximumSize(), d.second);
        QVERIFY(!(d.first->windowFlags() & Qt::WindowContextHelpButtonHint));
    }
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(refraction.windowTitle(), QStringLiteral("Astronomical Refraction"));
    QCOMPARE(tracking.windowTitle(), QStringLiteral("Pole Tracking"));
    QCOMPARE(child<QLabel>(&tracking, "label_info")->text(),
        QStringLiteral(
            "If the Pole was lost after used GOTO in the astrograph, then you can this to track."));
    QVERIFY(child<QPushButton>(&tracking, "pushButton_reset")->font().underline());
}

void TestDialogs::aboutVersionSurvivesRetranslation()
{
    AboutDialog about;
    auto *version = child<QLabel>(&about, "label_version");
    const QString expected = QStringLiteral("Velto Q7 21.4.20.0, release on 2021-04-20");
    QCOMPARE(version->text(), expected);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/languages/lan_en_us.qm")));
    QCoreApplication::installTranslator(&translator);
    about.uiReset();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(version->text(), expected);
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QVERIFY(child<QLabel>(&about, "label_logo")->text().contains(QStringLiteral(":/images/Velto.png")));
}

void TestDialogs::aboutOkHidesTheDialog()
{
    AboutDialog about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(child<QPushButton>(&about, "pushButton_ok"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

void TestDialogs::refractionUnitSwitching()
{
    AstroRefractionDialog dialog;
    dialog.initValues();
    auto *unit = child<QComboBox>(&dialog, "comboBox_presure");
    auto *pressure = child<QDoubleSpinBox>(&dialog, "doubleSpinBox_presure");
    pressure->setValue(101.3);
    QCOMPARE(airPressure.load(), 101.3f);

    unit->setCurrentIndex(1);
    QCOMPARE(pressure->value(), 1013.0);
    QCOMPARE(pressure->minimum(), 500.0);
    QCOMPARE(pressure->maximum(), 1100.0);
    QCOMPARE(pressureUnit.load(), QStringLiteral("hPa"));
    QCOMPARE(airPressure.load(), 1013.0f);

    unit->setCurrentIndex(0);
    QCOMPARE(pressure->value(), 101.3);
    QCOMPARE(pressure->minimum(), 50.0);
    QCOMPARE(pressure->maximum(), 110.0);
    QCOMPARE(pressureUnit.load(), QStringLiteral("kPa"));
    QCOMPARE(airPressure.load(), 101.3f);

    // The list is a plain list view, so the style sheet reaches its entries.
    QCOMPARE(QString::fromLatin1(unit->view()->metaObject()->className()), QStringLiteral("QListView"));
    QCOMPARE(unit->itemText(0), QStringLiteral("P(kPa)"));
    QCOMPARE(unit->itemText(1), QStringLiteral("P(hPa)"));
}

void TestDialogs::refractionInitShowsStoredValues_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<float>("stored");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("shown");
    QTest::newRow("1013 hPa after a restart") << "hPa" << 1013.0f << 1 << 1013.0;
    QTest::newRow("101 kPa") << "kPa" << 101.0f << 0 << 101.0;
    QTest::newRow("unknown unit is kPa") << "mmHg" << 100.0f << 0 << 100.0;
    // Out of the box's range: clamped, and the clamped value becomes the stored one.
    QTest::newRow("1200 hPa clamped") << "hPa" << 1200.0f << 1 << 1100.0;
    QTest::newRow("40 kPa clamped") << "kPa" << 40.0f << 0 << 50.0;
}

void TestDialogs::refractionInitShowsStoredValues()
{
    QFETCH(QString, unit);
    QFETCH(float, stored);
    QFETCH(int, index);
    QFETCH(double, shown);
    pressureUnit.store(unit);
    airPressure = stored;
    siteLatitude = 95.0f; // beyond the box's 90
    refractionEnabled = true;
    refractionModel = RefractionModel::Physical;
    AstroRefractionDialog dialog;
    dialog.initValues();
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_refractionModel")->currentIndex(), 1);
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_presure")->currentIndex(), index);
    QCOMPARE(child<QDoubleSpinBox>(&dialog, "doubleSpinBox_presure")->value(), shown);
    QCOMPARE(double(airPressure.load()), shown);
    QCOMPARE(pressureUnit.load(), unit); // selecting the entry from code converts nothing
    QCOMPARE(siteLatitude.load(), 90.0f);
    QVERIFY(child<QCheckBox>(&dialog, "checkBox_enableAstroRef")->isChecked());
    QCOMPARE(child<QDoubleSpinBox>(&dialog, "doubleSpinBox_longitude")->value(), 116.3);
    QCOMPARE(child<QDoubleSpinBox>(&dialog, "doubleSpinBox_temperature")->value(), 10.0);
}

void TestDialogs::refractionRetranslationKeepsUnitAndPressure()
{
    pressureUnit.store(QStringLiteral("hPa"));
    airPressure = 1013.0f;
    AstroRefractionDialog dialog;
    dialog.initValues();
    auto *label = child<QLabel>(&dialog, "label_temperature");
    label->setText("x");
    dialog.uiReset();
    QCOMPARE(label->text(), QStringLiteral("T(℃)"));
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_presure")->currentIndex(), 1);
    QCOMPARE(child<QDoubleSpinBox>(&dialog, "doubleSpinBox_presure")->value(), 1013.0);
    QCOMPARE(pressureUnit.load(), QStringLiteral("hPa"));
}

void TestDialogs::refractionEditsWriteTheSharedValues()
{
    AstroRefractionDialog dialog;
    dialog.initValues();
    child<QDoubleSpinBox>(&dialog, "doubleSpinBox_latitude")->setValue(52.5);
    child<QDoubleSpinBox>(&dialog, "doubleSpinBox_longitude")->setValue(-71.2); // west of Greenwich
    child<QDoubleSpinBox>(&dialog, "doubleSpinBox_temperature")->setValue(-84.5); // below the minimum
    child<QCheckBox>(&dialog, "checkBox_enableAstroRef")->setChecked(true);
    auto *model = child<QComboBox>(&dialog, "comboBox_refractionModel");
    QCOMPARE(model->itemText(0), QStringLiteral("Bennett (standard)"));
    QCOMPARE(model->itemText(1), QStringLiteral("Physical (ERFA)"));
    model->setCurrentIndex(1);
    QVERIFY(refractionModel.load() == RefractionModel::Physical);
    model->setCurrentIndex(0);
    QVERIFY(refractionModel.load() == RefractionModel::Bennett);
    QCOMPARE(siteLatitude.load(), 52.5f);
    QCOMPARE(siteLongitude.load(), -71.2f);
    QCOMPARE(airTemperature.load(), -84.0f);
    QVERIFY(refractionEnabled.load());
}

void TestDialogs::trackingDialLimits()
{
    PoleTrackingDialog dialog;
    QSignalSpy spy(&dialog, &PoleTrackingDialog::trackPole);
    auto *dial = child<QDial>(&dialog, "dial_tracking");
    auto *minus = child<QPushButton>(&dialog, "pushButton_tracking_minus");
    auto *add = child<QPushButton>(&dialog, "pushButton_tracking_add");
    QCOMPARE(dial->minimum(), 0);
    QCOMPARE(dial->maximum(), 360);
    QVERIFY(!dial->wrapping());

    minus->click();
    QCOMPARE(dial->value(), 0);
    QCOMPARE(spy.count(), 0);

    add->click();
    QCOMPARE(dial->value(), 1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.takeFirst().at(0).toDouble(), 1.0);

    dial->setValue(360);
    spy.clear();
    add->click();
    QCOMPARE(dial->value(), 360);
    QCOMPARE(spy.count(), 0);
    minus->click();
    QCOMPARE(spy.takeFirst().at(0).toDouble(), 359.0);
}

void TestDialogs::trackingResetAndDial()
{
    PoleTrackingDialog dialog;
    QSignalSpy spy(&dialog, &PoleTrackingDialog::trackPole);
    auto *dial = child<QDial>(&dialog, "dial_tracking");
    auto *reset = child<QPushButton>(&dialog, "pushButton_reset");
    reset->click();
    QCOMPARE(spy.count(), 0);

    // Keyboard steps emit once per change, as the buttons do.
    dialog.show();
    dial->setFocus();
    QTest::keyClick(dial, Qt::Key_Up);
    QTest::keyClick(dial, Qt::Key_Up);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(dial->value(), 2);

    reset->click();
    QCOMPARE(dial->value(), 0);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(2).at(0).toDouble(), 0.0);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
