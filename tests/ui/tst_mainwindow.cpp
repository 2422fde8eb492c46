// The main window's start-up state, the settings file it reads and writes, the interface
// languages and the shell menu commands.
#include "aboutdialog.h"
#include "adjusterpanel.h"
#include "astrorefractiondialog.h"
#include "cameraconnection.h"
#include "mainwindow.h"
#include "poletrackingdialog.h"
#include "presentation.h"
#include "settingsfile.h"
#include "sharedstate.h"

#include <QAction>
#include <QDial>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstRunStartState();
    void firstRunCloseWritesAllKeys();
    void storedValuesAreApplied();
    void axisCentreVariancesThatAreNoCovarianceFallBack();
    void zoomFactor_data();
    void zoomFactor();
    void invalidStoredValuesFallBack_data();
    void invalidStoredValuesFallBack();
    void lowerCaseRegionSelectsSouth();
    void unknownLanguageIsKeptAndShowsEnglish();
    void monoStyle();
    void nightStyle();
    void numbersKeepSixSignificantDigits();
    void booleanTexts_data();
    void booleanTexts();
    void unwritableProgramFolderFallsBackToUserFolder();
    void settingsAreReadFromTheNewerFile();
    void languageSwitching();
    void choosingTheCheckedLanguageDoesNothing();
    void menuCommandsShowOneInstance();
    void exitClosesAndSaves();
    void poleTrackingTurnsTheStartPositions();

private:
    static QString programFile() { return SettingsFile::programPath(); }
    static void writeSettings(const QMap<QString, QString> &values);
    static QSettings *readBack();
    template <typename T> T *child(const char *name)
    {
        T *object = window->findChild<T *>(QLatin1String(name));
        if (!object)
            qFatal("no child %s", name);
        return object;
    }

    QGraphicsDropShadowEffect *glow(const char *slider)
    {
        return qobject_cast<QGraphicsDropShadowEffect *>(child<QWidget>(slider)->graphicsEffect());
    }

    // A label's picture and an image resource, in one pixel format for comparison.
    QImage shown(const char *label)
    {
        return child<QLabel>(label)
            ->pixmap(Qt::ReturnByValue)
            .toImage()
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    static QImage resource(const char *name)
    {
        return QImage(QStringLiteral(":/images/") + name)
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    // Lamps are drawn from their pictures scaled down to the size they are shown at.
    static QImage lamp(const char *name)
    {
        return QImage(QStringLiteral(":/images/") + name)
            .scaled(lampPixels, lampPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }

    std::unique_ptr<MainWindow> window;
};

void TestMainWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestMainWindow::init()
{
    QFile::remove(programFile());
    QFile::remove(SettingsFile::userPath());
}

void TestMainWindow::cleanup()
{
    window.reset();
    QFile::remove(programFile());
    QFile::remove(SettingsFile::userPath());
}

void TestMainWindow::writeSettings(const QMap<QString, QString> &values)
{
    QSettings settings(programFile(), QSettings::IniFormat);
    for (auto it = values.begin(); it != values.end(); ++it)
        settings.setValue(it.key(), it.value());
}

QSettings *TestMainWindow::readBack()
{
    return new QSettings(programFile(), QSettings::IniFormat);
}

void TestMainWindow::firstRunStartState()
{
    window.reset(new MainWindow);
    QCOMPARE(window->windowTitle(), QStringLiteral("Velto Q7"));

    // Defaults of a first run.
    QCOMPARE(window->language(), QStringLiteral("EN"));
    QVERIFY(window->alignment().north());
    QCOMPARE(window->zoom(), 1.0f);
    QCOMPARE(displayStyle.load(), QStringLiteral("Color"));
    QCOMPARE(siteLatitude.load(), 39.9f);
    QCOMPARE(airPressure.load(), 101.0f);
    QCOMPARE(pressureUnit.load(), QStringLiteral("kPa"));
    QVERIFY(!refractionEnabled);
    QCOMPARE(axisCenter.load(), QPointF(0, 0));
    QCOMPARE(window->alignment().templatePosition(), QPointF(640, 480));
    QCOMPARE(exposureTime.load(), 50000.0);
    QCOMPARE(gain.load(), 50);
    QVERIFY(!cameraConnected);

    // Five sections collapsed and locked until a camera is connected.
    for (const char *name : {"region", "setting", "confirm", "rough", "precise"}) {
        auto *head = child<QPushButton>(qPrintable(QStringLiteral("pushButton_head_%1").arg(name)));
        QVERIFY2(!head->isChecked() && !head->isEnabled(), name);
        QVERIFY2(child<QWidget>(qPrintable(QStringLiteral("widget_%1").arg(name)))->isHidden(), name);
    }
    QVERIFY(child<QRadioButton>("radioButton_north")->isChecked());
    QVERIFY(child<QPushButton>("pushButton_exp_50")->isChecked());
    QVERIFY(child<QPushButton>("pushButton_gain_50")->isChecked());
    QVERIFY(child<QLabel>("label_templateImg")->isHidden());
    QVERIFY(child<QTabWidget>("tabWidget_tipMsg")->isHidden());

    // Only Exit, Connect, Mono Style, Language and Help are usable.
    for (const char *name :
        {"actionSave_As", "actionDisplay_Template", "actionAstronomical_Refraction", "actionManual_Trace"})
        QVERIFY2(!child<QAction>(name)->isEnabled(), name);
    QVERIFY(!child<QMenu>("menuZoom")->isEnabled());
    QVERIFY(!child<QAction>("actionStretch")->isVisible());
    QVERIFY(!child<QAction>("actionDisplay_Template")->isVisible());
    for (const char *name :
        {"actionExit", "actionConnect", "actionMono_Style", "actionAbout", "actionKorean"})
        QVERIFY2(child<QAction>(name)->isEnabled(), name);
    QVERIFY(child<QAction>("action100")->isChecked());
    QVERIFY(child<QAction>("actionEnglish")->isChecked());
    QVERIFY(!child<QAction>("actionMono_Style")->isChecked());

    // The exclusive groups: checking one zoom or language unchecks the other.
    child<QAction>("action50")->setChecked(true);
    QVERIFY(!child<QAction>("action100")->isChecked());

    QCOMPARE(child<QLabel>("label_cursorPos")->size(), QSize(85, 18));
    QCOMPARE(child<QLabel>("label_cursorPos")->parentWidget(), window->statusBar());
    QCOMPARE(child<QLabel>("label_direction")->size(), QSize(238, 171));
    QVERIFY(child<QLabel>("label_direction")->isHidden());
    QVERIFY(!window->findChild<AboutDialog *>()->isVisible());
}

void TestMainWindow::firstRunCloseWritesAllKeys()
{
    window.reset(new MainWindow);
    QVERIFY(window->close());
    std::unique_ptr<QSettings> file(readBack());
    const QMap<QString, QString> expected {{"STYLE/style", "Color"}, {"LANGUAGE/lang", "EN"},
        {"REGION/region", "North"}, {"ZOOM/factor", "1"}, {"ASTRONOMICAL_REFRACTION/latitude", "39.9"},
        {"ASTRONOMICAL_REFRACTION/longitude", "116.3"}, {"ASTRONOMICAL_REFRACTION/P", "101"},
        {"ASTRONOMICAL_REFRACTION/T", "10"}, {"ASTRONOMICAL_REFRACTION/enabledCorrect", "false"},
        {"ASTRONOMICAL_REFRACTION/siteKnown", "false"}, {"ASTRONOMICAL_REFRACTION/P_unit", "kPa"},
        {"ASTRONOMICAL_REFRACTION/model", "Bennett"}, {"AXIS_CENTER/x", "0"}, {"AXIS_CENTER/y", "0"},
        {"AXIS_CENTER/varianceXX", "0.21125"}, {"AXIS_CENTER/varianceXY", "0"},
        {"AXIS_CENTER/varianceYY", "0.21125"}, {"AXIS_CENTER/refineFromAllStars", "true"},
        {"Q7_SETTING/exposureMs", "50"}, {"Q7_SETTING/gain", "50"}};
    // The eighteen keys every version wrote, the presets and the window's place.
    QCOMPARE(file->allKeys().size(), 21);
    QVERIFY(file->contains(QStringLiteral("WINDOW/geometry")));
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(file->value(it.key()).toString(), it.value());
}

void TestMainWindow::storedValuesAreApplied()
{
    writeSettings({{"ASTRONOMICAL_REFRACTION/latitude", "-33.5"},
        {"ASTRONOMICAL_REFRACTION/longitude", "151.2"}, {"ASTRONOMICAL_REFRACTION/P", "1013"},
        {"ASTRONOMICAL_REFRACTION/P_unit", "hPa"}, {"ASTRONOMICAL_REFRACTION/T", "-5.5"},
        {"ASTRONOMICAL_REFRACTION/enabledCorrect", "true"}, {"ASTRONOMICAL_REFRACTION/model", "Physical"},
        {"AXIS_CENTER/x", "612.5"}, {"AXIS_CENTER/y", "470.25"}, {"AXIS_CENTER/varianceXX", "0.04"},
        {"AXIS_CENTER/varianceXY", "-0.01"}, {"AXIS_CENTER/varianceYY", "0.09"},
        {"AXIS_CENTER/refineFromAllStars", "false"}, {"Q7_SETTING/exposureMs", "200"},
        {"Q7_SETTING/gain", "70"}, {"IMAGING_SETUP/focalLengthMm", "400"},
        {"IMAGING_SETUP/pixelSizeUm", "3.76"}, {"IMAGING_SETUP/sensorWidthPx", "6248"},
        {"IMAGING_SETUP/sensorHeightPx", "4176"}, {"IMAGING_SETUP/exposureS", "300"},
        {"IMAGING_SETUP/declinationDeg", "89"}, {"BOLTS/azimuthArcsecPerTurn", "150"},
        {"BOLTS/azimuthReversed", "true"}, {"ADJUSTER/kind", "GRBL"}, {"ADJUSTER/address", "/dev/ttyUSB0"},
        {"ADJUSTER/altitudeAxis", "Z"}, {"ADJUSTER/azimuthUnitsPerDeg", "800"}, {"RECORDING/everyFrame", "true"}});
    window.reset(new MainWindow);
    QVERIFY(child<QAction>("actionRecord_Every_Frame")->isChecked());
    // The adjuster is offered again, not connected: motors stay off until asked.
    const auto adjuster = window->findChild<AdjusterPanel *>()->choice();
    QVERIFY(adjuster && adjuster->grbl && adjuster->altitudeAxis == 'Z' && adjuster->azimuthAxis == 'Y');
    QCOMPARE(adjuster->azimuthUnitsPerDeg, 800.0);
    // The imaging setup's target (tst_polartarget) in the session and as the image's circle.
    QCOMPARE(qRound(window->alignment().targetArcsec()), 44);
    QCOMPARE(qRound(targetRadiusPx.load() * 10), 14); // 43.8" at 30.5" a pixel
    QCOMPARE(exposureTime.load(), 200000.0);
    QCOMPARE(gain.load(), 70);
    QVERIFY(child<QPushButton>("pushButton_exp_200")->isChecked()
        && !child<QPushButton>("pushButton_exp_50")->isChecked());
    QVERIFY(child<QPushButton>("pushButton_gain_70")->isChecked());
    // Kept as stored, the sign too; a file from before siteKnown knew the site with the correction on.
    QCOMPARE(siteLatitude.load(), -33.5f);
    QVERIFY(window->alignment().site().known);
    QCOMPARE(window->alignment().site().longitudeDeg, double(151.2f));
    QCOMPARE(airPressure.load(), 1013.0f);
    QCOMPARE(pressureUnit.load(), QStringLiteral("hPa"));
    QCOMPARE(airTemperature.load(), -5.5f);
    QVERIFY(refractionEnabled.load());
    QVERIFY(refractionModel.load() == RefractionModel::Physical);
    QCOMPARE(axisCenter.load(), QPointF(612.5, 470.25));
    QVERIFY(axisCenterCovariance.load() == cv::Matx22d(0.04, -0.01, -0.01, 0.09));
    QVERIFY(!child<QAction>("actionRefine_Axis_Centre")->isChecked());
    // Missing keys take their defaults.
    QCOMPARE(window->language(), QStringLiteral("EN"));
    QVERIFY(window->alignment().north());
    QCOMPARE(displayStyle.load(), QStringLiteral("Color"));

    window->close();
    std::unique_ptr<QSettings> file(readBack());
    QCOMPARE(file->value("ASTRONOMICAL_REFRACTION/P").toString(), QStringLiteral("1013"));
    QCOMPARE(file->value("ASTRONOMICAL_REFRACTION/P_unit").toString(), QStringLiteral("hPa"));
    QCOMPARE(file->value("ASTRONOMICAL_REFRACTION/enabledCorrect").toString(), QStringLiteral("true"));
    QCOMPARE(file->value("ASTRONOMICAL_REFRACTION/model").toString(), QStringLiteral("Physical"));
    QCOMPARE(file->value("AXIS_CENTER/y").toString(), QStringLiteral("470.25"));
    QCOMPARE(file->value("AXIS_CENTER/varianceXY").toString(), QStringLiteral("-0.01"));
    QCOMPARE(file->value("AXIS_CENTER/refineFromAllStars").toString(), QStringLiteral("false"));
    QCOMPARE(file->value("IMAGING_SETUP/pixelSizeUm").toString(), QStringLiteral("3.76"));
    QCOMPARE(file->value("IMAGING_SETUP/declinationDeg").toString(), QStringLiteral("89"));
    QCOMPARE(file->value("BOLTS/azimuthArcsecPerTurn").toString(), QStringLiteral("150"));
    QCOMPARE(file->value("BOLTS/azimuthReversed").toString(), QStringLiteral("true"));
    QCOMPARE(file->value("BOLTS/altitudeReversed").toString(), QStringLiteral("false"));
    QCOMPARE(file->value("ADJUSTER/address").toString(), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(file->value("ADJUSTER/altitudeAxis").toString(), QStringLiteral("Z"));
}

// Variances that describe no spread (not numbers, negative, a correlation beyond 1) give the
// three-point circle's worst, never a NaN or a negative figure in the pole's uncertainty.
void TestMainWindow::axisCentreVariancesThatAreNoCovarianceFallBack()
{
    const QString message
        = "loadSettings: AXIS_CENTER variances are no covariance, the three-point circle's are used.";
    const QStringList bad[] = {{"nan", "0", "0.1"}, {"0.1", "0", "-0.1"}, {"0.01", "0.5", "0.01"}};
    for (const QStringList &v : bad) {
        writeSettings({{"AXIS_CENTER/x", "600"}, {"AXIS_CENTER/varianceXX", v[0]},
            {"AXIS_CENTER/varianceXY", v[1]}, {"AXIS_CENTER/varianceYY", v[2]}});
        QTest::ignoreMessage(QtCriticalMsg, qPrintable(message));
        window.reset(new MainWindow);
        const double d = SettingsFile::unknownAxisCenterVariance;
        QVERIFY2(axisCenterCovariance.load() == cv::Matx22d(d, 0, 0, d), qPrintable(v.join(' ')));
    }
}

void TestMainWindow::zoomFactor_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<QString>("checkedAction");
    QTest::newRow("0.5") << "0.5" << 0.5f << "action50";
    QTest::newRow("0.75") << "0.75" << 0.75f << "action75";
    // Not one of the menu's zooms: 100 % stays checked, the value is kept.
    QTest::newRow("0.8") << "0.8" << 0.8f << "action100";
    QTest::newRow("4 (largest accepted)") << "4" << 4.0f << "action100";
}

void TestMainWindow::zoomFactor()
{
    QFETCH(QString, stored);
    QFETCH(float, zoom);
    QFETCH(QString, checkedAction);
    writeSettings({{"ZOOM/factor", stored}});
    window.reset(new MainWindow);
    QCOMPARE(window->zoom(), zoom);
    QVERIFY(child<QAction>(qPrintable(checkedAction))->isChecked());
    QCOMPARE(window->alignment().templatePosition(), QPointF(640, 480)); // in the image, at any zoom
    QCOMPARE(window->language(), QStringLiteral("EN"));
    QCOMPARE(siteLatitude.load(), 39.9f);
}

void TestMainWindow::invalidStoredValuesFallBack_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("message");
    const QString zoom = "loadSettings: ZOOM/factor is not a zoom between 0 and 4, 1 is used instead.";
    const QString axis = "loadSettings: AXIS_CENTER is not a finite position, (0,0) is used instead.";
    QTest::newRow("zoom 0") << "ZOOM/factor"
                            << "0" << zoom;
    QTest::newRow("exposure no preset")
        << "Q7_SETTING/exposureMs"
        << "75"
        << "loadSettings: Q7_SETTING/exposureMs is no preset, 50 is used instead.";
    QTest::newRow("zoom negative") << "ZOOM/factor"
                                   << "-0.5" << zoom;
    QTest::newRow("zoom text") << "ZOOM/factor"
                               << "large" << zoom;
    QTest::newRow("zoom nan") << "ZOOM/factor"
                              << "nan" << zoom;
    QTest::newRow("zoom inf") << "ZOOM/factor"
                              << "inf" << zoom;
    QTest::newRow("zoom 4.5") << "ZOOM/factor"
                              << "4.5" << zoom;
    QTest::newRow("axis x nan") << "AXIS_CENTER/x"
                                << "nan" << axis;
    QTest::newRow("axis y -inf") << "AXIS_CENTER/y"
                                 << "-inf" << axis;
    QTest::newRow("axis y beyond float") << "AXIS_CENTER/y"
                                         << "1e39" << axis;
    // Found by fuzz/fuzz_settings: a NaN passed the refraction dialog unclamped.
    const auto refraction = [](const char *key, const char *fallback) {
        return QStringLiteral("loadSettings: ASTRONOMICAL_REFRACTION/%1 is not a finite number, %2 is used "
                              "instead.")
            .arg(QLatin1String(key), QLatin1String(fallback));
    };
    QTest::newRow("latitude nan") << "ASTRONOMICAL_REFRACTION/latitude"
                                  << "nan" << refraction("latitude", "39.9");
    QTest::newRow("longitude nan") << "ASTRONOMICAL_REFRACTION/longitude"
                                   << "nan" << refraction("longitude", "116.3");
    QTest::newRow("pressure -inf") << "ASTRONOMICAL_REFRACTION/P"
                                   << "-inf" << refraction("P", "101");
    QTest::newRow("temperature beyond float") << "ASTRONOMICAL_REFRACTION/T"
                                              << "1e39" << refraction("T", "10");
    QTest::newRow("pixel size negative")
        << "IMAGING_SETUP/pixelSizeUm"
        << "-3.76"
        << "loadSettings: IMAGING_SETUP/pixelSizeUm is not a positive number, it "
           "is taken as not entered.";
    QTest::newRow("knob turn in words") << "BOLTS/altitudeArcsecPerTurn"
                                        << "half"
                                        << "loadSettings: BOLTS/altitudeArcsecPerTurn is not a positive "
                                           "number, it is taken as not entered.";
    QTest::newRow("declination in words") << "IMAGING_SETUP/declinationDeg"
                                          << "north"
                                          << "loadSettings: IMAGING_SETUP/declinationDeg is no "
                                             "declination, anywhere is used instead.";
}

void TestMainWindow::invalidStoredValuesFallBack()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, message);
    writeSettings({{key, stored}, {"AXIS_CENTER/x", key == "AXIS_CENTER/x" ? stored : "600"}});
    QTest::ignoreMessage(QtCriticalMsg, qPrintable(message));
    window.reset(new MainWindow);
    QCOMPARE(window->zoom(), 1.0f);
    const QPointF center = axisCenter.load();
    QVERIFY(std::isfinite(center.x()) && std::isfinite(center.y()));
    if (key.startsWith("AXIS_CENTER"))
        QCOMPARE(center, QPointF(0, 0));
    QCOMPARE(window->alignment().templatePosition(), QPointF(640, 480));
    // Every refraction input is its default, as the refraction dialog shows it.
    QCOMPARE(siteLatitude.load(), 39.9f);
    QCOMPARE(window->alignment().site().longitudeDeg, double(116.3f));
    QCOMPARE(airPressure.load(), 101.0f);
    QCOMPARE(airTemperature.load(), 10.0f);
    QCOMPARE(exposureTime.load(), 50000.0);
}

void TestMainWindow::lowerCaseRegionSelectsSouth()
{
    writeSettings({{"REGION/region", "north"}});
    window.reset(new MainWindow);
    QVERIFY(child<QRadioButton>("radioButton_south")->isChecked());
    QVERIFY(!child<QRadioButton>("radioButton_north")->isChecked());
}

void TestMainWindow::unknownLanguageIsKeptAndShowsEnglish()
{
    writeSettings({{"LANGUAGE/lang", "xx"}});
    window.reset(new MainWindow);
    QVERIFY(child<QAction>("actionEnglish")->isChecked());
    QCOMPARE(window->language(), QStringLiteral("xx"));
    QCOMPARE(child<QPushButton>("pushButton_head_rough")->text(), QStringLiteral("Rough Pole"));
    window->close();
    std::unique_ptr<QSettings> file(readBack());
    QCOMPARE(file->value("LANGUAGE/lang").toString(), QStringLiteral("xx"));
}

void TestMainWindow::monoStyle()
{
    writeSettings({{"STYLE/style", "Mono"}});
    window.reset(new MainWindow);
    QVERIFY(child<QAction>("actionMono_Style")->isChecked());
    QCOMPARE(glow("horizontalSlider_confirm_match")->color(), QColor(248, 248, 255, 255));
    QCOMPARE(glow("horizontalSlider_rough_match")->color(), QColor(248, 248, 255, 255));
    for (const char *name : {"label_starPos1_icon", "label_starPos2_icon", "label_starPos3_icon"})
        QCOMPARE(shown(name), lamp("lightoff_mono.png"));
    QCOMPARE(shown("label_precise_poleIcon"), resource("pole.png"));
    QCOMPARE(shown("label_precise_axisIcon"), resource("center.png"));

    // Any other text, even "mono", is the coloured style.
    window.reset();
    writeSettings({{"STYLE/style", "mono"}});
    window.reset(new MainWindow);
    QVERIFY(!child<QAction>("actionMono_Style")->isChecked());
    QCOMPARE(glow("horizontalSlider_confirm_match")->color(), QColor(224, 134, 26, 255));
    QCOMPARE(shown("label_precise_poleIcon"), resource("pole_color.png"));
    QCOMPARE(shown("label_starPos3_icon"), lamp("lightoff_color.png"));
}

// Night, Mono and Color exclude each other; the night turns the style sheets red and back, and is
// saved like the others.
void TestMainWindow::nightStyle()
{
    writeSettings({{"STYLE/style", "Night"}});
    qApp->setStyleSheet(QStringLiteral("QLabel { color: white; }"));
    window.reset(new MainWindow);
    QAction *night = child<QAction>("actionNight_Style");
    QAction *mono = child<QAction>("actionMono_Style");
    QVERIFY(night->isChecked() && !mono->isChecked());
    QVERIFY(qApp->styleSheet().startsWith(QStringLiteral("QLabel { color: rgb(200, 0, 0); }")));
    QVERIFY(qApp->styleSheet().contains(QStringLiteral("selection-background-color: rgb(70, 0, 0)")));
    // The icons and the logo are red only.
    for (const char *label : {"label_precise_poleIcon", "label_logo"}) {
        const QImage icon = child<QLabel>(label)->pixmap(Qt::ReturnByValue).toImage();
        QVERIFY2(!icon.isNull(), label);
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                QVERIFY(icon.pixelColor(x, y).green() == 0 && icon.pixelColor(x, y).blue() == 0);
    }

    mono->trigger();
    QVERIFY(mono->isChecked() && !night->isChecked());
    QCOMPARE(displayStyle.load(), QStringLiteral("Mono"));
    QCOMPARE(shown("label_precise_poleIcon"), resource("pole.png"));
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { color: white; }"));
    night->trigger();
    QVERIFY(!mono->isChecked());
    window->close();
    std::unique_ptr<QSettings> file(readBack());
    QCOMPARE(file->value("STYLE/style").toString(), QStringLiteral("Night"));
    window.reset();
    qApp->setStyleSheet(QString());
}

void TestMainWindow::numbersKeepSixSignificantDigits()
{
    window.reset(new MainWindow);
    axisCenter.store(QPointF(640.123456, 480.987654));
    AlignmentSession::Site site = window->alignment().site();
    site.longitudeDeg = 1234567.0;
    window->alignment().setSite(site);
    airTemperature = 0.00001f;
    window->close();
    std::unique_ptr<QSettings> file(readBack());
    QCOMPARE(file->value("AXIS_CENTER/x").toString(), QStringLiteral("640.123"));
    QCOMPARE(file->value("AXIS_CENTER/y").toString(), QStringLiteral("480.988"));
    QCOMPARE(file->value("ASTRONOMICAL_REFRACTION/longitude").toString(), QStringLiteral("1.23457e+06"));
    QCOMPARE(file->value("ASTRONOMICAL_REFRACTION/T").toString(), QStringLiteral("1e-05"));

    // Read back at float precision.
    window.reset(new MainWindow);
    QCOMPARE(axisCenter.load(), QPointF(double(640.123f), double(480.988f)));
}

void TestMainWindow::booleanTexts_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("true") << "true" << true;
    QTest::newRow("TRUE") << "TRUE" << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("yes") << "yes" << true;
    QTest::newRow("false") << "false" << false;
    QTest::newRow("FaLsE") << "FaLsE" << false;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("empty") << "" << false;
}

void TestMainWindow::booleanTexts()
{
    QFETCH(QString, stored);
    QFETCH(bool, enabled);
    writeSettings({{"ASTRONOMICAL_REFRACTION/enabledCorrect", stored}});
    window.reset(new MainWindow);
    QCOMPARE(refractionEnabled.load(), enabled);
}

void TestMainWindow::unwritableProgramFolderFallsBackToUserFolder()
{
    // A "program folder" below a plain file cannot be created or written, whoever runs the test.
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString program = dir.filePath("plain/bin/Velto Q7.ini");
    const QString user = dir.filePath("config/Velto Q7.ini");
    QTest::ignoreMessage(QtCriticalMsg,
        qPrintable(
            QStringLiteral("saveSettings: %1 is not writable, settings saved to %2").arg(program, user)));
    const QString written = SettingsFile::write(program, user,
        [](QSettings &settings) { settings.setValue("ZOOM/factor", SettingsFile::number(0.75)); });
    QCOMPARE(written, user);
    QCOMPARE(QSettings(user, QSettings::IniFormat).value("ZOOM/factor").toString(), QStringLiteral("0.75"));
    // The program folder has no file, so the next start reads the user's.
    QCOMPARE(SettingsFile::pathToRead(program, user), user);
}

void TestMainWindow::settingsAreReadFromTheNewerFile()
{
    QTemporaryDir dir;
    const QString program = dir.filePath("program.ini");
    const QString user = dir.filePath("user.ini");
    QCOMPARE(SettingsFile::pathToRead(program, user), QString());
    QFile(program).open(QIODevice::WriteOnly);
    QCOMPARE(SettingsFile::pathToRead(program, user), program);
    QFile userFile(user);
    QVERIFY(userFile.open(QIODevice::WriteOnly));
    userFile.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    userFile.close();
    QCOMPARE(SettingsFile::pathToRead(program, user), user);
}

void TestMainWindow::languageSwitching()
{
    window.reset(new MainWindow);
    QSignalSpy reset(window.get(), &MainWindow::resetUI);
    child<QAction>("actionChinese")->trigger();
    QCOMPARE(window->language(), QStringLiteral("ZH"));
    QCOMPARE(reset.count(), 1);
    QVERIFY(!child<QAction>("actionEnglish")->isChecked());

    // English is a translation of its own: it mends the source texts' spelling.
    const char *misspelt = "Set the parameters to the left to make more stars around Polaris visable.";
    const QString mended = "Set the parameters to the left to make more stars around Polaris visible.";
    child<QAction>("actionEnglish")->trigger();
    QCOMPARE(window->language(), QStringLiteral("EN"));
    QCOMPARE(reset.count(), 2);
    QCOMPARE(QCoreApplication::translate("MainWindow", misspelt), mended);
    QCOMPARE(QCoreApplication::translate("MainWindow", "Rough Pole"), QStringLiteral("Rough Pole"));

    // A code without a language loads English and keeps the code.
    window.reset();
    writeSettings({{"LANGUAGE/lang", "xx"}});
    window.reset(new MainWindow);
    QSignalSpy resetAgain(window.get(), &MainWindow::resetUI);
    emit window->changeLanguage();
    QCOMPARE(resetAgain.count(), 1);
    QCOMPARE(window->language(), QStringLiteral("xx"));
    QCOMPARE(QCoreApplication::translate("MainWindow", misspelt), mended);
}

void TestMainWindow::choosingTheCheckedLanguageDoesNothing()
{
    writeSettings({{"LANGUAGE/lang", "KO"}});
    window.reset(new MainWindow);
    QVERIFY(child<QAction>("actionKorean")->isChecked());
    QCOMPARE(window->language(), QStringLiteral("KO"));
    QSignalSpy change(window.get(), &MainWindow::changeLanguage);
    child<QAction>("actionKorean")->trigger();
    QVERIFY(child<QAction>("actionKorean")->isChecked());
    QCOMPARE(change.count(), 0);
}

void TestMainWindow::menuCommandsShowOneInstance()
{
    window.reset(new MainWindow);
    window->show();
    for (const char *name : {"actionAstronomical_Refraction", "actionManual_Trace", "actionAbout"}) {
        child<QAction>(name)->setEnabled(true);
        child<QAction>(name)->trigger();
        child<QAction>(name)->trigger();
    }
    QCOMPARE(window->findChildren<AboutDialog *>().size(), 1);
    QCOMPARE(window->findChildren<AstroRefractionDialog *>().size(), 1);
    QCOMPARE(window->findChildren<PoleTrackingDialog *>().size(), 1);
    QVERIFY(window->findChild<AstroRefractionDialog *>()->isVisible());
    QVERIFY(window->findChild<PoleTrackingDialog *>()->isVisible());
    QVERIFY(window->findChild<AboutDialog *>()->isVisible());
    QVERIFY(!window->findChild<AboutDialog *>()->isModal());
}

void TestMainWindow::exitClosesAndSaves()
{
    window.reset(new MainWindow);
    window->show();
    sdkReady = true;
    child<QRadioButton>("radioButton_south")->setChecked(true);
    child<QAction>("actionExit")->trigger();
    QVERIFY(!window->isVisible());
    QVERIFY(!sdkReady);
    std::unique_ptr<QSettings> file(readBack());
    QCOMPARE(file->value("REGION/region").toString(), QStringLiteral("South"));
}

void TestMainWindow::poleTrackingTurnsTheStartPositions()
{
    window.reset(new MainWindow);
    axisCenter.store(QPointF(400, 380));
    window->alignment().setReferenceStars(QPointF(500, 380), QPointF(400, 300));
    auto *pole = window->findChild<PoleTrackingDialog *>();
    auto *dial = pole->findChild<QDial *>("dial_tracking");
    auto close = [](QPointF actual, QPointF expected) {
        return std::abs(actual.x() - expected.x()) < 1e-9 && std::abs(actual.y() - expected.y()) < 1e-9;
    };

    // A growing dial turns clockwise on the screen (y grows downwards).
    dial->setValue(90);
    QVERIFY(close(starASearchPos.load(), QPointF(400, 480)));
    QVERIFY(close(starBSearchPos.load(), QPointF(480, 380)));
    QCOMPARE(trackedRaTurn.load(), 90.0); // the refraction correction turns with the image

    // The angle is absolute: 10 then 20 is 20 from the start, not 30.
    dial->setValue(10);
    dial->setValue(20);
    const double a = 20 * 3.141592653589793 / 180;
    QVERIFY(close(starASearchPos.load(), QPointF(400 + 100 * std::cos(a), 380 + 100 * std::sin(a))));

    pole->findChild<QPushButton *>("pushButton_reset")->click();
    QVERIFY(close(starASearchPos.load(), QPointF(500, 380)));
    QVERIFY(close(starBSearchPos.load(), QPointF(400, 300)));
    QCOMPARE(trackedRaTurn.load(), 0.0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
