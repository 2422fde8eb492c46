// The About dialog and the tool dialogs: fixed size, texts, the refraction dialog's unit switching
// and stored values, what the refraction and Camera Source dialogs refuse, and the tracking dial's
// limits, the imaging setup's target as typed and a knob's turn learnt.
#include "aboutdialog.h"
#include "alignmentsession.h"
#include "astrorefractiondialog.h"
#include "camerasourcedialog.h"
#include "imagingsetupdialog.h"
#include "poletrackingdialog.h"
#include "sharedstate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
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
    void dialogsApplyOnlyWhatIsValid_data();
    void dialogsApplyOnlyWhatIsValid();
    void trackingDialLimits();
    void trackingResetAndDial();
    void imagingSetupAsTyped();

private:
    template <typename T> static T *child(QWidget *dialog, const char *name)
    {
        T *widget = dialog->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }

    AlignmentSession session; // the refraction dialog's site
};

void TestDialogs::init()
{
    siteLatitude = 39.9f;
    airPressure = 101.0f;
    pressureUnit.store(QStringLiteral("kPa"));
    airTemperature = 10.0f;
    refractionEnabled = false;
    refractionModel = RefractionModel::Bennett;
    session.setSite({39.9, 116.3, 1010, 10, true});
}

void TestDialogs::dialogsHaveFixedSizeAndNoHelpButton()
{
    AboutDialog about;
    AstroRefractionDialog refraction(session);
    PoleTrackingDialog tracking;
    const std::pair<QDialog *, QSize> dialogs[]
        = {{&about, QSize(311, 131)}, {&tracking, QSize(353, 160)}};
    for (const auto &d : dialogs) {
        QCOMPARE(d.first->minimumSize(), d.second);
        QCOMPARE(d.first->maximumSize(), d.second);
        QVERIFY(!(d.first->windowFlags() & Qt::WindowContextHelpButtonHint));
    }
    // The refraction dialog takes the size its messages need, and the user cannot change it.
    refraction.show();
    QCOMPARE(refraction.minimumSize(), refraction.maximumSize());
    QVERIFY(!(refraction.windowFlags() & Qt::WindowContextHelpButtonHint));
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
    const QString expected = QStringLiteral("Velto Q7 " VELTO_VERSION ", release on " VELTO_RELEASE_DATE);
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
    AstroRefractionDialog dialog(session);
    dialog.initValues();
    auto *unit = child<QComboBox>(&dialog, "comboBox_presure");
    auto *pressure = child<QLineEdit>(&dialog, "doubleSpinBox_presure");
    pressure->setText(QStringLiteral("101.3"));
    unit->setCurrentIndex(1);
    QCOMPARE(pressure->text(), QStringLiteral("1013"));
    unit->setCurrentIndex(0);
    QCOMPARE(pressure->text(), QStringLiteral("101.3"));
    QCOMPARE(pressureUnit.load(), QStringLiteral("kPa")); // nothing applied before OK
    QCOMPARE(airPressure.load(), 101.0f);
    // What is not a number stays as typed through a unit change, refused.
    pressure->setText(QStringLiteral("x"));
    unit->setCurrentIndex(1);
    QCOMPARE(pressure->text(), QStringLiteral("x"));
    QVERIFY(!child<QDialogButtonBox>(&dialog, "buttonBox")->button(QDialogButtonBox::Ok)->isEnabled());

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
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("valid");
    QTest::newRow("1013 hPa after a restart") << "hPa" << 1013.0f << 1 << "1013" << true;
    QTest::newRow("101 kPa") << "kPa" << 101.0f << 0 << "101" << true;
    QTest::newRow("unknown unit is kPa") << "mmHg" << 100.0f << 0 << "100" << true;
    // Out of range: shown as stored and refused, never clamped behind the user's back.
    QTest::newRow("1200 hPa refused") << "hPa" << 1200.0f << 1 << "1200" << false;
    QTest::newRow("20 kPa refused") << "kPa" << 20.0f << 0 << "20" << false;
}

void TestDialogs::refractionInitShowsStoredValues()
{
    QFETCH(QString, unit);
    QFETCH(float, stored);
    QFETCH(int, index);
    QFETCH(QString, shown);
    QFETCH(bool, valid);
    pressureUnit.store(unit);
    airPressure = stored;
    siteLatitude = -33.9f;
    refractionModel = RefractionModel::Physical;
    AstroRefractionDialog dialog(session);
    dialog.initValues();
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_refractionModel")->currentIndex(), 1);
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_presure")->currentIndex(), index);
    QCOMPARE(child<QLineEdit>(&dialog, "doubleSpinBox_presure")->text(), shown);
    QCOMPARE(child<QLabel>(&dialog, "label_presure_problem")->text().isEmpty(), valid);
    QCOMPARE(child<QLineEdit>(&dialog, "doubleSpinBox_latitude")->text(), QStringLiteral("-33.9"));
    QCOMPARE(child<QLineEdit>(&dialog, "doubleSpinBox_longitude")->text(), QStringLiteral("116.3"));
    // The correction stays as the user left it once the site is known.
    QVERIFY(!child<QCheckBox>(&dialog, "checkBox_enableAstroRef")->isChecked());
    QCOMPARE(airPressure.load(), stored);
    QCOMPARE(pressureUnit.load(), unit);
}

void TestDialogs::refractionRetranslationKeepsUnitAndPressure()
{
    pressureUnit.store(QStringLiteral("hPa"));
    airPressure = 1013.0f;
    AstroRefractionDialog dialog(session);
    dialog.initValues();
    auto *label = child<QLabel>(&dialog, "label_temperature");
    label->setText("x");
    dialog.uiReset();
    QCOMPARE(label->text(), QStringLiteral("T(℃)"));
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_presure")->currentIndex(), 1);
    QCOMPARE(child<QLineEdit>(&dialog, "doubleSpinBox_presure")->text(), QStringLiteral("1013"));
}

void TestDialogs::dialogsApplyOnlyWhatIsValid_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("latitude 95") << "latitude" << "95" << false;
    QTest::newRow("latitude in letters") << "latitude" << "abc" << false;
    QTest::newRow("latitude -33.9") << "latitude" << "-33.9" << true;
    QTest::newRow("latitude 90") << "latitude" << "90" << true;
    QTest::newRow("longitude -181") << "longitude" << "-181" << false;
    QTest::newRow("longitude -71.2, west") << "longitude" << "-71.2" << true;
    QTest::newRow("pressure -5 kPa") << "presure" << "-5" << false;
    QTest::newRow("pressure 30 kPa") << "presure" << "30" << true;
    QTest::newRow("pressure empty") << "presure" << "" << false;
    QTest::newRow("temperature -61") << "temperature" << "-61" << false;
    QTest::newRow("temperature 50") << "temperature" << "50" << true;
    QTest::newRow("temperature nan") << "temperature" << "nan" << false;
    QTest::newRow("INDI port 70000") << "indiPort" << "70000" << false;
    QTest::newRow("INDI port 7624.5") << "indiPort" << "7624.5" << false;
    QTest::newRow("INDI port 7625") << "indiPort" << "7625" << true;
    QTest::newRow("INDI host with its port") << "indiHost" << "localhost:7624" << false;
    QTest::newRow("INDI host by address") << "indiHost" << "192.168.1.20" << true;
    QTest::newRow("focal length -5") << "focalLength" << "-5" << false;
    QTest::newRow("focal length blank: unknown") << "focalLength" << "" << true;
}

// OK applies the whole dialog only when every field is accepted, and marks the site known; a
// refused field is named beside it; Cancel applies nothing and shows the stored values again.
// Camera Source is read by the window only once accepted, and made anew from the stored choice.
void TestDialogs::dialogsApplyOnlyWhatIsValid()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    session.setSite({39.9, 116.3, 1010, 10, false});
    AstroRefractionDialog refraction(session);
    refraction.initValues();
    CameraSource::Choice indi;
    indi.kind = CameraSource::Kind::Indi;
    indi.device = QStringLiteral("Velto Q7 Sky");
    CameraSourceDialog source(indi);
    const QRegularExpression name(QStringLiteral("_%1$").arg(field));
    QDialog *dialog
        = refraction.findChildren<QLineEdit *>(name).isEmpty() ? static_cast<QDialog *>(&source) : &refraction;
    dialog->show();
    QLineEdit *edit = dialog->findChildren<QLineEdit *>(name).value(0);
    auto *temperature = child<QLineEdit>(&refraction, "doubleSpinBox_temperature");
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    if (edit != temperature)
        temperature->setText(QStringLiteral("-5.5"));
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed);
    const QString problem
        = child<QLabel>(dialog, qPrintable(QStringLiteral("label_%1_problem").arg(field)))->text();
    QVERIFY2(problem.isEmpty() == accepted, qPrintable(problem));

    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(dialog->isVisible(), !accepted);
    if (dialog == &source) {
        const CameraSource::Choice chosen = source.choice();
        const QStringList shown {
            chosen.host, QString::number(chosen.port), QString::number(chosen.focalLengthMm)};
        QCOMPARE(source.result() == QDialog::Accepted, accepted);
        QVERIFY(!accepted || shown.contains(typed.isEmpty() ? QStringLiteral("0") : typed));
        return;
    }
    QCOMPARE(session.site().known, accepted);
    QCOMPARE(airTemperature.load(), accepted && edit != temperature ? -5.5f : accepted ? typed.toFloat() : 10.0f);
    QCOMPARE(siteLatitude.load(), field == QLatin1String("latitude") && accepted ? typed.toFloat() : 39.9f);
    QCOMPARE(refractionEnabled.load(), accepted); // ticked for a site entered the first time
    if (accepted)
        return;
    QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(temperature->text(), QStringLiteral("10"));
    QVERIFY(edit->text() != typed);
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

// The target follows the fields (tst_polartarget's first row); OK waits for every imaging field
// or none; Learn and Done take a knob's turn from the readout between them.
void TestDialogs::imagingSetupAsTyped()
{
    ImagingSetupDialog dialog({{400, 3.76, 6248, 4176, 300, std::nullopt}, {}, {150, true}});
    std::optional<std::pair<double, double>> needed;
    dialog.setNeededMoves([&needed] { return needed; });
    const auto *target = child<QLabel>(&dialog, "label_imagingTarget");
    const QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    QCOMPARE(target->text(), QStringLiteral("target 1′29″"));
    child<QLineEdit>(&dialog, "lineEdit_exposure")->setText(QStringLiteral("600"));
    QCOMPARE(target->text(), QStringLiteral("target 0′44″"));
    child<QLineEdit>(&dialog, "lineEdit_pixelSize")->clear();
    QVERIFY(!ok->isEnabled());
    for (const char *name :
        {"lineEdit_focalLength", "lineEdit_sensorWidth", "lineEdit_sensorHeight", "lineEdit_exposure"})
        child<QLineEdit>(&dialog, name)->clear();
    QVERIFY(ok->isEnabled());
    QCOMPARE(polartarget::targetArcsec(dialog.values().setup), 0.0);
    child<QCheckBox>(&dialog, "checkBox_anywhere")->setChecked(false);
    QVERIFY(!ok->isEnabled()); // a declination is asked for

    auto *learn = child<QPushButton>(&dialog, "pushButton_learnAltitude");
    learn->click(); // not monitored: nothing to learn from
    QCOMPARE(learn->text(), QStringLiteral("Learn"));
    needed = std::make_pair(200.0, 0.0);
    learn->click();
    needed = std::make_pair(290.0, 0.0); // one clockwise turn lowered it by 1'30"
    learn->click();
    QCOMPARE(child<QLineEdit>(&dialog, "lineEdit_altitudePerTurn")->text(), QStringLiteral("1.5"));
    QVERIFY(child<QCheckBox>(&dialog, "checkBox_altitudeReversed")->isChecked());
    QCOMPARE(dialog.values().azimuth.arcsecPerTurn, 150.0);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
