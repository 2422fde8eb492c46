// The main window's form: every object the style sheet, the by-name connections and the other
// parts of the program find by name exists with its class and English text, in the fixed menu
// order, and retranslation restores the English texts.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QAbstractScrollArea>
#include <QMenuBar>
#include <QtTest>

class TestForms : public QObject
{
    Q_OBJECT

private slots:
    void objects_data();
    void objects();
    void menuOrder_data();
    void menuOrder();
    void fixedProperties();
    void retranslationRestoresEnglish();
    void existingObjectNameIsKept();
    void missingWindowIconIsSilent();
    void cleanupTestCase() { delete window; }

private:
    MainWindow *window = nullptr;
};

namespace {
// The text an object shows: a group box or menu its title, everything else its text.
QString shownText(QObject *object)
{
    if (qobject_cast<QGroupBox *>(object))
        return object->property("title").toString();
    if (auto *menu = qobject_cast<QMenu *>(object))
        return menu->title();
    return object->property("text").toString();
}
} // namespace

void TestForms::objects_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("text");
    const struct
    {
        const char *name, *cls, *text;
    } rows[] = {
        {"actionSave_As", "QAction", "Save As..."},
        {"actionExit", "QAction", "Exit"},
        {"actionConnect", "QAction", "Connect"},
        {"actionDisplay_Template", "QAction", "Display Template"},
        {"actionMono_Style", "QAction", "Mono Style"},
        {"actionNight_Style", "QAction", "Night Style"},
        {"actionStretch", "QAction", "Stretch"},
        {"actionAstronomical_Refraction", "QAction", "Astronomical Refraction"},
        {"actionImaging_Setup", "QAction", "Imaging Setup..."},
        {"actionManual_Trace", "QAction", "Manual Trace"},
        {"actionRefine_Axis_Centre", "QAction", "Refine Axis Centre from All Stars"},
        {"actionSolve_Now", "QAction", "Solve Now"},
        {"actionPhone_View", "QAction", "Phone View…"},
        {"action100", "QAction", "100%"},
        {"action75", "QAction", "75%"},
        {"action50", "QAction", "50%"},
        {"actionEnglish", "QAction", "English"},
        {"actionNordvane_Manual", "QAction", "Velto Q7 Manual"},
        {"actionAbout", "QAction", "About"},
        {"actionChinese", "QAction", "简体中文"},
        {"actionJapanese", "QAction", "日本語"},
        {"actionRussian", "QAction", "русский"},
        {"actionFrench", "QAction", "français"},
        {"actionGerman", "QAction", "Deutsch"},
        {"actionSpanish", "QAction", "Español"},
        {"actionPortuguese", "QAction", "português"},
        {"actionItalian", "QAction", "italiano"},
        {"actionKorean", "QAction", "한국어"},
        {"menuBar", "QMenuBar", ""},
        {"menuFile", "QMenu", "File"},
        {"menuDevice", "QMenu", "Device"},
        {"menuTools", "QMenu", "Tools"},
        {"menuZoom", "QMenu", "Zoom"},
        {"menuLanguage", "QMenu", "Language"},
        {"menuHelp", "QMenu", "Help"},
        {"statusBar", "QStatusBar", ""},
        {"centralWidget", "QWidget", ""},
        {"gridLayout", "QGridLayout", ""},
        {"scrollArea_manager", "QScrollArea", ""},
        {"scrollAreaWidgetContents_manager", "QWidget", ""},
        {"verticalLayout", "QVBoxLayout", ""},
        {"grpBox_region", "QGroupBox", ""},
        {"pushButton_head_region", "QPushButton", "Region Selection"},
        {"widget_region", "QWidget", ""},
        {"radioButton_north", "QRadioButton", "North"},
        {"radioButton_south", "QRadioButton", "South"},
        {"groupBox_setting", "QGroupBox", ""},
        {"pushButton_head_setting", "QPushButton", "Q7 Setting"},
        {"widget_setting", "QWidget", ""},
        {"label_exp", "QLabel", "Exp(ms)"},
        {"pushButton_exp_50", "QPushButton", "50"},
        {"pushButton_exp_100", "QPushButton", "100"},
        {"pushButton_exp_200", "QPushButton", "200"},
        {"pushButton_exp_300", "QPushButton", "300"},
        {"label_gain", "QLabel", "Gain"},
        {"pushButton_gain_50", "QPushButton", "50"},
        {"pushButton_gain_70", "QPushButton", "70"},
        {"pushButton_gain_90", "QPushButton", "90"},
        {"pushButton_gain_100", "QPushButton", "100"},
        {"groupBox_confirm", "QGroupBox", ""},
        {"pushButton_head_confirm", "QPushButton", "Confirm Polaris/σ Oct"},
        {"widget_confirm", "QWidget", ""},
        {"groupBox_confirm_match", "QGroupBox", "Matching Template"},
        {"label_confirm_rotate", "QLabel", "Rotate"},
        {"pushButton_confirm_minus", "QPushButton", "-"},
        {"horizontalSlider_confirm_match", "QSlider", ""},
        {"pushButton_confirm_add", "QPushButton", "+"},
        {"groupBox_rough", "QGroupBox", ""},
        {"pushButton_head_rough", "QPushButton", "Rough Pole"},
        {"widget_rough", "QWidget", ""},
        {"groupBox_axisCenter", "QGroupBox", "Axis Center"},
        {"label_rough_tip", "QLabel", "Choose the same star every time"}, // the English translation mends it
        {"label_starPos1_icon", "QLabel", ""},
        {"label_starPos2_icon", "QLabel", ""},
        {"label_starPos3_icon", "QLabel", ""},
        {"label_starPos1", "QLabel", "Star Pos 1"},
        {"label_starPos2", "QLabel", "Star Pos 2"},
        {"label_starPos3", "QLabel", "Star Pos 3"},
        {"label_rough_axis", "QLabel", "Axis:"},
        {"label_axisPos", "QLabel", "(0,0)"},
        {"groupBox_rough_match", "QGroupBox", "Matching Template"},
        {"label_rough_rotate", "QLabel", "Rotate"},
        {"pushButton_rough_minus", "QPushButton", "-"},
        {"horizontalSlider_rough_match", "QSlider", ""},
        {"pushButton_rough_add", "QPushButton", "+"},
        {"label_current", "QLabel", "Current Polaris/σ Oct"},
        {"label_curPos", "QLabel", "(0,0)"},
        {"label_expected", "QLabel", "Expected Polaris/σ Oct"},
        {"label_eptPos", "QLabel", "(0,0)"},
        {"groupBox_precise", "QGroupBox", ""},
        {"pushButton_head_precise", "QPushButton", "Precise Pole"},
        {"widget_precise", "QWidget", ""},
        {"label_precise_pole", "QLabel", "Pole:"},
        {"label_precise_poleIcon", "QLabel", ""},
        {"label_precise_axis", "QLabel", "Axis:"},
        {"label_precise_axisIcon", "QLabel", ""},
        {"widget_biggerView", "QWidget", ""},
        {"label_biggerImg", "QLabel", "The pole and the axis appear here, magnified, after Start Monitor."},
        {"groupBox_monitor", "QGroupBox", "Monitor Pole"},
        {"groupBox_refStarA", "QGroupBox", "Reference Star A"},
        {"formLayout", "QFormLayout", ""},
        {"label_refStarA_position", "QLabel", "Position:"},
        {"label_refStarA_pos", "QLabel", "(0,0)"},
        {"groupBox_refStarB", "QGroupBox", "Reference Star B"},
        {"formLayout_2", "QFormLayout", ""},
        {"label_refStarB_position", "QLabel", "Position:"},
        {"label_refStarB_pos", "QLabel", "(0,0)"},
        {"pushButton_monitor", "QPushButton", "Start Monitor"},
        {"label_pole", "QLabel", "(0,0)"},
        {"label_poleSigma", "QLabel", ""},
        {"label_logo", "QLabel", ""},
        {"scrollArea_showImg", "QScrollArea", ""},
        {"scrollAreaWidgetContents_showImg", "QWidget", ""},
        {"label_showImg", "QLabel", ""},
        {"label_templateImg", "QLabel", "template_image"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << QString::fromLatin1(row.cls)
                                << QString::fromUtf8(row.text);
}

void TestForms::objects()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, text);
    if (!window)
        window = new MainWindow;
    QObject *object = window->findChild<QObject *>(name);
    QVERIFY2(object, qPrintable(name));
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
    QCOMPARE(shownText(object), text);
}

void TestForms::menuOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("menu bar") << "menuBar"
                              << QStringList {"menuFile", "menuDevice", "menuTools", "menuZoom",
                                     "menuLanguage", "menuHelp"};
    QTest::newRow("File") << "menuFile"
                          << QStringList {"actionSave_As", "actionRecord_Session", "actionRecord_Every_Frame", "-", "actionExit"};
    QTest::newRow("Device") << "menuDevice"
                            << QStringList {"actionConnect", "actionQuick_Alignment", "-", "actionCamera_Source", "actionAdjuster", "actionMount"};
    QTest::newRow("Tools") << "menuTools"
                           << QStringList {"actionDisplay_Template", "-", "actionMono_Style",
                                  "actionNight_Style", "actionStretch", "-", "actionAstronomical_Refraction",
                                  "actionImaging_Setup", "actionManual_Trace", "actionRefine_Axis_Centre",
                                  "-", "actionSolve_Now", "-", "actionPhone_View"};
    QTest::newRow("Zoom") << "menuZoom" << QStringList {"action100", "action75", "action50"};
    QTest::newRow("Language") << "menuLanguage"
                              << QStringList {"actionEnglish", "actionChinese", "actionJapanese",
                                     "actionRussian", "actionFrench", "actionGerman", "actionSpanish",
                                     "actionPortuguese", "actionItalian", "actionKorean"};
    QTest::newRow("Help") << "menuHelp" << QStringList {"actionNordvane_Manual", "-", "actionAbout"};
}

void TestForms::menuOrder()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);
    if (!window)
        window = new MainWindow;
    QWidget *widget = window->findChild<QWidget *>(menu);
    QVERIFY(widget);
    QStringList actual;
    for (QAction *action : widget->actions()) {
        if (action->isSeparator())
            actual << QStringLiteral("-");
        else if (action->menu())
            actual << action->menu()->objectName();
        else
            actual << action->objectName();
    }
    QCOMPARE(actual, entries);
}

void TestForms::fixedProperties()
{
    if (!window)
        window = new MainWindow;
    QCOMPARE(window->windowTitle(), QStringLiteral("Velto Q7"));
    QCOMPARE(window->findChild<QMenuBar *>("menuBar")->geometry(), QRect(0, 0, 960, 23));

    for (const char *name : {"pushButton_head_region", "pushButton_head_setting", "pushButton_head_confirm",
             "pushButton_head_rough", "pushButton_head_precise"}) {
        auto *head = window->findChild<QPushButton *>(name);
        QVERIFY(head->isCheckable());
        QCOMPARE(head->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(head->font().pointSize(), 10);
        QVERIFY(head->font().bold());
    }
    for (const char *name :
        {"pushButton_exp_50", "pushButton_exp_300", "pushButton_gain_70", "pushButton_gain_100"}) {
        auto *button = window->findChild<QPushButton *>(name);
        QVERIFY(button->isCheckable());
        QCOMPARE(button->maximumWidth(), 36);
    }
    for (const char *name : {"horizontalSlider_confirm_match", "horizontalSlider_rough_match"}) {
        auto *slider = window->findChild<QSlider *>(name);
        QCOMPARE(slider->orientation(), Qt::Horizontal);
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 360);
    }
    QCOMPARE(window->findChild<QPushButton *>("pushButton_rough_add")->maximumWidth(), 25);
    // The form says at least 220; the window widens the panel to its widest section.
    QVERIFY(window->findChild<QScrollArea *>("scrollArea_manager")->minimumWidth() >= 220);
    QMainWindow bare;
    Ui::MainWindow form;
    form.setupUi(&bare);
    QCOMPARE(form.scrollArea_manager->minimumWidth(), 220);
    QCOMPARE(window->findChild<QScrollArea *>("scrollArea_showImg")->sizeAdjustPolicy(),
        QAbstractScrollArea::AdjustIgnored);
    QCOMPARE(window->findChild<QWidget *>("widget_biggerView")->minimumSize(), QSize(202, 202));
    auto *logo = window->findChild<QLabel *>("label_logo");
    QCOMPARE(logo->minimumSize(), QSize(237, 50));
    QCOMPARE(logo->maximumSize(), QSize(237, 50));
    QVERIFY(logo->styleSheet().contains(":/images/logo.png"));
    auto *showImg = window->findChild<QLabel *>("label_showImg");
    QVERIFY(showImg->hasMouseTracking());
    QVERIFY(showImg->hasScaledContents());
    QCOMPARE(window->findChild<QLabel *>("label_templateImg")->geometry().size(), QSize(250, 250));
    QCOMPARE(window->findChild<QLabel *>("label_starPos1_icon")->maximumSize(), QSize(25, 25));
}

void TestForms::retranslationRestoresEnglish()
{
    if (!window)
        window = new MainWindow;
    auto *head = window->findChild<QPushButton *>("pushButton_head_rough");
    auto *action = window->findChild<QAction *>("actionKorean");
    auto *box = window->findChild<QGroupBox *>("groupBox_monitor");
    head->setText("x");
    action->setText("x");
    box->setTitle("x");
    window->setWindowTitle("x");
    emit window->resetUI();
    QCOMPARE(head->text(), QStringLiteral("Rough Pole"));
    QCOMPARE(action->text(), QStringLiteral("한국어"));
    QCOMPARE(box->title(), QStringLiteral("Monitor Pole"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Velto Q7"));
}

void TestForms::existingObjectNameIsKept()
{
    QMainWindow named;
    named.setObjectName("MyWindow");
    Ui::MainWindow form;
    form.setupUi(&named);
    QCOMPARE(named.objectName(), QStringLiteral("MyWindow"));

    QMainWindow unnamed;
    Ui::MainWindow form2;
    form2.setupUi(&unnamed);
    QCOMPARE(unnamed.objectName(), QStringLiteral("MainWindow"));
}

void TestForms::missingWindowIconIsSilent()
{
    // This test runs from a folder without ../images/Velto.ico: no icon and no message.
    QVERIFY(!QFileInfo::exists("../images/Velto.ico"));
    QMainWindow bare;
    Ui::MainWindow form;
    form.setupUi(&bare);
    QVERIFY(bare.windowIcon().availableSizes().isEmpty());
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
