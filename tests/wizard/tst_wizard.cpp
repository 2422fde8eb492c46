// The alignment wizard driven through the real window: what every step shows, every transition,
// the saved axis-centre question, star picks by double-click on a frame with stars at known
// places, template matching, the sliders, the reticle and the hemisphere switch.
#include "hemispherestardata.h"
#include "mainwindow.h"
#include "presentation.h"
#include "sharedstate.h"
#include "utcclock.h"
#include "wizardgeometry.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsEffect>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <opencv2/imgproc.hpp>

namespace {

// Stars symmetric about whole pixels measure exactly there.
const QPointF starOne(300, 400), starTwo(500, 300), starThree(700, 420), polaris(640, 480);
const QPointF lineStar(900, 400); // on the line through starOne and a point beyond: see fitFails

// On a black sky a pick away from the stars finds nothing; on a grey one the brightest pixel of
// the box counts as the star.
void publishFrame(const QList<QPointF> &stars, int sky = 12)
{
    cv::Mat frame(960, 1280, CV_8UC1, cv::Scalar(sky));
    for (const QPointF &s : stars)
        for (int dy = -5; dy <= 5; ++dy)
            for (int dx = -5; dx <= 5; ++dx)
                frame.at<uchar>(int(s.y()) + dy, int(s.x()) + dx)
                    = cv::saturate_cast<uchar>(sky + 220 * std::exp(-(dx * dx + dy * dy) / 2.0));
    rawImage.allocate(1280, 960);
    frame.copyTo(rawImage.beginWrite());
    rawImage.publish();
}

QImage picture(const QString &resource)
{
    return QImage(resource).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A lamp picture as the lamps show it, scaled to their size.
QImage lampPicture(const QString &resource)
{
    return QImage(resource)
        .scaled(lampPixels, lampPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage picture(const QLabel *label)
{
    return label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

struct SeenBox
{
    bool looked = false; // the answer has run, with or without a box to answer
    bool shown = false;
    QString title;
    QString text;
};

// Answers the next modal message box with `button`, or closes it without an answer when
// `button` is NoButton, and records what it said.
void answerNextBox(QMessageBox::StandardButton button, SeenBox *seen)
{
    QTimer::singleShot(0, [button, seen] {
        seen->looked = true;
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen->shown = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        if (button == QMessageBox::NoButton)
            box->reject();
        else
            box->button(button)->click();
    });
}

} // namespace

class TestWizard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void panelIsBuilt();
    void presentationOfEachStep_data();
    void presentationOfEachStep();
    void commandsHideThePanel();
    void buttonsMoveThroughTheSteps();
    void savedAxisCentreQuestion_data();
    void savedAxisCentreQuestion();
    void savedAxisCentreNeverOfferedWhenNotPositive_data();
    void savedAxisCentreNeverOfferedWhenNotPositive();
    void threeStarPicksFitTheAxisCentre();
    void failedFitWarnsAndStays();
    void pickWithoutStarWarns();
    void templateFollowsTheClickAndTheAngle_data();
    void templateFollowsTheClickAndTheAngle();
    void pickAtHalfZoom();
    void sliderButtonsStopAtTheEnds();
    void roughSliderComputesTheExpectedPosition();
    void expectedPositionIsKnownWhenItsStepBegins();
    void currentPositionLocatesTheReferenceStars();
    void currentPositionWithoutPickUsesTheExpectedPosition();
    void reticlePhases();
    void glowBlinksOnlyWhileMatching();
    void hemisphereSwitchRestartsInAnyStep();
    void poleAnglesFollowTheClock();
    void pointerOverThePanelUpdatesTheReadout();

private:
    template <typename T> T *child(const QString &name)
    {
        T *object = window->findChild<T *>(name);
        if (!object)
            qFatal("no child %s", qPrintable(name));
        return object;
    }
    QPushButton *button(const char *name) { return child<QPushButton>(QLatin1String(name)); }
    QLabel *label(const char *name) { return child<QLabel>(QLatin1String(name)); }
    QLabel *showImg() { return label("label_showImg"); }
    void doubleClick(const QPointF &imagePos)
    {
        const QPoint p(qRound(imagePos.x() * window->zoom()), qRound(imagePos.y() * window->zoom()));
        QTest::mouseDClick(showImg(), Qt::LeftButton, Qt::NoModifier, p);
    }
    void setAllFlags(bool on)
    {
        for (auto *flag : {&showAxisCenter, &showAxisCircle, &showReticle, &monitorPole, &showStarAMarker,
                 &showStarBMarker})
            *flag = on;
    }
    QTimer *timer(const char *name) { return child<QTimer>(QLatin1String(name)); }
    void fire(const char *name) { QVERIFY(QMetaObject::invokeMethod(timer(name), "timeout")); }
    QLabel *arrow() { return label("label_direction"); }
    // The pattern of the chosen hemisphere, template pixels.
    const HemisphereStarData &pattern() { return window->alignment().templateStars(); }
    QString flags() const
    {
        QString s;
        for (auto *flag : {&showAxisCenter, &showAxisCircle, &showReticle, &monitorPole, &showStarAMarker,
                 &showStarBMarker})
            s += *flag ? '1' : '0';
        return s;
    }

    std::unique_ptr<MainWindow> window;
};

void TestWizard::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestWizard::init()
{
    axisCenter.store(QPointF(0, 0));
    expectedPolarisPos.store(QPointF(0, 0));
    displayStyle.store(QStringLiteral("Color"));
    window.reset(new MainWindow);
    window->show();
    publishFrame({starOne, starTwo, starThree, polaris});
    QPixmap shown(1280, 960);
    shown.fill(Qt::black);
    label("label_showImg")->setPixmap(shown);
    cameraConnected = true;
    window->goToStep(1);
}

void TestWizard::cleanup()
{
    cameraConnected = false;
    window.reset();
    setUtcSource({});
}

void TestWizard::panelIsBuilt()
{
    auto *panel = child<QTabWidget>(QStringLiteral("tabWidget_tipMsg"));
    QCOMPARE(panel->parentWidget(), child<QWidget>(QStringLiteral("scrollArea_showImg")));
    QCOMPARE(panel->geometry(), QRect(163, 5, 470, 100));
    QCOMPARE(panel->count(), 13);
    QVERIFY(!panel->tabBar()->isVisible());
    const char *pages[]
        = {"setting", "confirm", "getStar1", "rotateStar1", "getStar2", "rotateStar2", "getStar3",
            "validateCenter", "getEptPolaris", "movePolaris", "getCurPolaris", "calcPole", "finetunePole"};
    for (int i = 0; i < 13; ++i) {
        QWidget *page = panel->widget(i);
        QCOMPARE(page->objectName(), QStringLiteral("tab_%1").arg(pages[i]));
        QVERIFY(page->hasMouseTracking());
        auto *tip = page->findChild<QLabel *>(QStringLiteral("label_%1_tipMsg").arg(pages[i]));
        QVERIFY(tip);
        QCOMPARE(tip->geometry(), QRect(5, 0, 460, 70));
        QVERIFY(tip->wordWrap() && tip->testAttribute(Qt::WA_TransparentForMouseEvents));
        // The answer row: Done ends at x 455, Reset 5 px left of it, both 75 px wide unless their
        // text needs more; the question ends before the buttons.
        auto *ask = page->findChild<QLabel *>(QStringLiteral("label_%1_ask").arg(pages[i]));
        auto *reset = page->findChild<QPushButton *>(QStringLiteral("pushButton_%1_reset").arg(pages[i]));
        auto *done = page->findChild<QPushButton *>(QStringLiteral("pushButton_%1_done").arg(pages[i]));
        auto *quick = page->findChild<QPushButton *>(QStringLiteral("pushButton_%1_quick").arg(pages[i]));
        QCOMPARE(quick != nullptr, i == 0);
        int left = 460;
        for (QPushButton *b : {done, reset, quick}) {
            if (!b)
                continue;
            const int textWidth = b->fontMetrics().horizontalAdvance(b->text());
            QVERIFY2(textWidth + 6 <= b->width(), qPrintable(b->objectName() + " cuts its text"));
            QCOMPARE(b->geometry(), QRect(left - 5 - b->width(), 70, b->width(), 23));
            // Wider than 75 px only as far as the text needs, give or take the pixel or two by which
            // a machine's font metrics may differ between the layout and now.
            QVERIFY2(b->width() >= 75 && b->width() <= std::max(75, textWidth + 14),
                qPrintable(QStringLiteral("%1: %2 px for a text of %3 px").arg(b->objectName()).arg(b->width()).arg(textWidth)));
            left = b->x();
        }
        if (ask) {
            QCOMPARE(ask->geometry().topLeft(), QPoint(5, 70));
            QCOMPARE(ask->height(), 23);
            QCOMPARE(ask->width(), std::min(290, left - 10));
            QVERIFY(ask->testAttribute(Qt::WA_TransparentForMouseEvents));
        }
    }
    QCOMPARE(label("label_setting_tipMsg")->styleSheet(), QStringLiteral("color: rgb(170, 170, 0);"));
    QCOMPARE(button("pushButton_validateCenter_done")->text(), QStringLiteral("Correct"));
    QCOMPARE(button("pushButton_finetunePole_reset")->text(), QStringLiteral("Restart"));
    QCOMPARE(button("pushButton_movePolaris_done")->text(), QStringLiteral("adjustment Finished"));
    QCOMPARE(label("label_rotateStar1_ask")->text(), QStringLiteral("Has rotation finished?"));
    QVERIFY(label("label_confirm_tipMsg")->text().contains(QStringLiteral("around Polaris.")));
}

// Columns: open sections (R region, S setting, C confirm, O rough, P precise), template label and
// arrow after the step (k kept, h hidden, s shown; both start shown), lamps lit (- kept), the six
// overlay switches after the step starting from all on and from all off (axis centre, circle,
// reticle, monitor, star A, star B), and whether the blink timer is stopped.
void TestWizard::presentationOfEachStep_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("sections");
    QTest::addColumn<QString>("labels");
    QTest::addColumn<int>("lamps");
    QTest::addColumn<QString>("fromOn");
    QTest::addColumn<QString>("fromOff");
    QTest::addColumn<bool>("timerStops");
    QTest::newRow("1") << 1 << "RS"
                       << "hh" << -1 << "000000"
                       << "000000" << false;
    QTest::newRow("2") << 2 << "RC"
                       << "kh" << -1 << "111111"
                       << "000000" << false;
    QTest::newRow("3") << 3 << "RO"
                       << "hh" << 0 << "001111"
                       << "000000" << true;
    QTest::newRow("4") << 4 << "RO"
                       << "hs" << 1 << "001111"
                       << "000000" << false;
    QTest::newRow("5") << 5 << "RO"
                       << "hh" << 1 << "001111"
                       << "000000" << false;
    QTest::newRow("6") << 6 << "RO"
                       << "hs" << 2 << "001111"
                       << "000000" << false;
    QTest::newRow("7") << 7 << "RO"
                       << "hh" << 2 << "001111"
                       << "000000" << false;
    QTest::newRow("8") << 8 << "RO"
                       << "hh" << 3 << "111111"
                       << "110000" << false;
    QTest::newRow("9") << 9 << "RO"
                       << "kh" << 3 << "101111"
                       << "101000" << false;
    QTest::newRow("10") << 10 << "RO"
                        << "hh" << -1 << "101111"
                        << "101000" << true;
    QTest::newRow("11") << 11 << "RO"
                        << "kh" << -1 << "100111"
                        << "100000" << false;
    QTest::newRow("12") << 12 << "RP"
                        << "hh" << -1 << "111111"
                        << "000000" << true;
    QTest::newRow("13") << 13 << "RP"
                        << "hh" << -1 << "111111"
                        << "000111" << false;
}

void TestWizard::presentationOfEachStep()
{
    QFETCH(int, step);
    QFETCH(QString, sections);
    QFETCH(QString, labels);
    QFETCH(int, lamps);
    QFETCH(QString, fromOn);
    QFETCH(QString, fromOff);
    QFETCH(bool, timerStops);

    for (const bool mono : {false, true}) {
        for (const bool startOn : {true, false}) {
            displayStyle.store(mono ? QStringLiteral("Mono") : QStringLiteral("Color"));
            const QString marker = QStringLiteral(":/images/lighton_color.png"); // a picture no step sets
            for (const char *lamp : {"label_starPos1_icon", "label_starPos2_icon", "label_starPos3_icon"})
                label(lamp)->setPixmap(QPixmap(marker));
            label("label_templateImg")->show();
            arrow()->show();
            timer("effectTimer")->start();
            setAllFlags(startOn);

            window->goToStep(step);

            QCOMPARE(window->alignment().step(), step);
            auto *panel = child<QTabWidget>(QStringLiteral("tabWidget_tipMsg"));
            QVERIFY(!panel->isHidden());
            QCOMPARE(panel->currentIndex(), step - 1);
            const QString names = QStringLiteral("RSCOP");
            const char *heads[] = {"region", "setting", "confirm", "rough", "precise"};
            for (int i = 0; i < 5; ++i) {
                const bool open = sections.contains(names[i]);
                QCOMPARE(child<QPushButton>(QStringLiteral("pushButton_head_%1").arg(heads[i]))->isChecked(),
                    open);
                QCOMPARE(!child<QWidget>(QStringLiteral("widget_%1").arg(heads[i]))->isHidden(), open);
            }
            QCOMPARE(label("label_templateImg")->isHidden(), labels[0] == 'h');
            QCOMPARE(arrow()->isHidden(), labels[1] == 'h');
            for (int i = 0; i < 3; ++i) {
                const QString expected = lamps < 0
                    ? marker
                    : QStringLiteral(":/images/light%1_%2.png")
                          .arg(i < lamps ? "on" : "off", mono ? "mono" : "color");
                QVERIFY2(picture(label(qPrintable(QStringLiteral("label_starPos%1_icon").arg(i + 1))))
                        == (lamps < 0 ? picture(expected) : lampPicture(expected)),
                    qPrintable(QStringLiteral("lamp %1 should show %2").arg(i + 1).arg(expected)));
            }
            QCOMPARE(flags(), startOn ? fromOn : fromOff);
            QCOMPARE(timer("effectTimer")->isActive(), !timerStops);
        }
    }
}

void TestWizard::commandsHideThePanel()
{
    window->goToStep(9);
    label("label_templateImg")->show();
    setAllFlags(true);
    window->goToStep(14); // Done of the last step: the panel goes, everything else stays
    QCOMPARE(window->alignment().step(), 9);
    QVERIFY(child<QTabWidget>(QStringLiteral("tabWidget_tipMsg"))->isHidden());
    QVERIFY(button("pushButton_head_rough")->isChecked());
    QVERIFY(!label("label_templateImg")->isHidden());

    for (const int command : {0, -3, 15}) {
        window->goToStep(9);
        label("label_templateImg")->show();
        setAllFlags(true);
        window->goToStep(command);
        QCOMPARE(window->alignment().step(), 9);
        QVERIFY(child<QTabWidget>(QStringLiteral("tabWidget_tipMsg"))->isHidden());
        for (const char *head : {"region", "setting", "confirm", "rough", "precise"}) {
            QVERIFY(!child<QPushButton>(QStringLiteral("pushButton_head_%1").arg(head))->isChecked());
            QVERIFY(child<QWidget>(QStringLiteral("widget_%1").arg(head))->isHidden());
        }
        QVERIFY(label("label_templateImg")->isHidden());
        QVERIFY(arrow()->isHidden());
        QCOMPARE(flags(), QStringLiteral("111111")); // a disconnection keeps the switches
    }
}

void TestWizard::buttonsMoveThroughTheSteps()
{
    struct Transition
    {
        int from;
        const char *button;
        int to;
    };
    // With the site unknown, Setting Finished asks for it first, once a run; Cancel goes on too.
    QTest::mouseClick(button("pushButton_setting_done"), Qt::LeftButton);
    auto *question = window->findChild<QDialog *>(QStringLiteral("AstroRefractionDialog"));
    QVERIFY(question->isVisible()
        && question->findChild<QLabel *>(QStringLiteral("label_siteIntro"))->isVisible());
    QCOMPARE(window->alignment().step(), 1);
    question->reject();
    QCOMPARE(window->alignment().step(), 2);
    const Transition transitions[] = {
        {1, "pushButton_setting_done", 2},
        {2, "pushButton_confirm_done", 3}, // no saved centre: no question
        {4, "pushButton_rotateStar1_done", 5},
        {4, "pushButton_rotateStar1_reset", 3},
        {5, "pushButton_getStar2_reset", 3},
        {6, "pushButton_rotateStar2_done", 7},
        {6, "pushButton_rotateStar2_reset", 3},
        {7, "pushButton_getStar3_reset", 3},
        {8, "pushButton_validateCenter_reset", 3},
        {9, "pushButton_getEptPolaris_done", 10},
        {10, "pushButton_movePolaris_done", 11},
        {12, "pushButton_monitor", 13},
        {13, "pushButton_monitor", 13},
        {13, "pushButton_finetunePole_reset", 1},
    };
    for (const Transition &t : transitions) {
        window->goToStep(t.from);
        QTest::mouseClick(button(t.button), Qt::LeftButton);
        QVERIFY2(window->alignment().step() == t.to, t.button);
    }

    // Reset in step 8 keeps the fitted centre; Correct takes it over.
    window->alignment().setAxisCentre(QPointF(612.24, 471.5), cv::Matx22d::eye());
    axisCenter.store(QPointF(1, 2));
    window->goToStep(8);
    QTest::mouseClick(button("pushButton_validateCenter_done"), Qt::LeftButton);
    QCOMPARE(window->alignment().step(), 9);
    QCOMPARE(axisCenter.load(), QPointF(612.24, 471.5));
    QCOMPARE(label("label_axisPos")->text(), QStringLiteral("(612.2,471.5)"));

    // Done of step 13 hides the panel and keeps monitoring; Start Monitor brings the page back.
    window->goToStep(13);
    QTest::mouseClick(button("pushButton_finetunePole_done"), Qt::LeftButton);
    QCOMPARE(window->alignment().step(), 13);
    QVERIFY(child<QTabWidget>(QStringLiteral("tabWidget_tipMsg"))->isHidden());
    QCOMPARE(flags().right(3), QStringLiteral("111"));
    QTest::mouseClick(button("pushButton_monitor"), Qt::LeftButton);
    QVERIFY(!child<QTabWidget>(QStringLiteral("tabWidget_tipMsg"))->isHidden());
}

void TestWizard::savedAxisCentreQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("step");
    QTest::addColumn<QPointF>("centreAfter");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << 9 << QPointF(321.5, 234.24);
    QTest::newRow("No") << int(QMessageBox::No) << 3 << QPointF(0, 0);
    QTest::newRow("closed") << int(QMessageBox::NoButton) << 3 << QPointF(0, 0);
}

void TestWizard::savedAxisCentreQuestion()
{
    QFETCH(int, answer);
    QFETCH(int, step);
    QFETCH(QPointF, centreAfter);
    axisCenter.store(QPointF(321.5, 234.24));
    window->goToStep(2);
    SeenBox box;
    answerNextBox(QMessageBox::StandardButton(answer), &box);
    QTest::mouseClick(button("pushButton_confirm_done"), Qt::LeftButton);
    QVERIFY(box.shown);
    QCOMPARE(box.title, QStringLiteral("Question"));
    QCOMPARE(box.text,
        QStringLiteral(
            "Would you like to use the 'Axis center position' recorded last time you used Velto Q7 ?"));
    QCOMPARE(window->alignment().step(), step);
    QCOMPARE(axisCenter.load(), centreAfter);
    if (step == 9) {
        QCOMPARE(label("label_axisPos")->text(), QStringLiteral("(321.5,234.2)"));
        QVERIFY(picture(label("label_starPos3_icon"))
            == lampPicture(QStringLiteral(":/images/lighton_color.png")));
    }
}

void TestWizard::savedAxisCentreNeverOfferedWhenNotPositive_data()
{
    QTest::addColumn<QPointF>("centre");
    QTest::newRow("x zero") << QPointF(0, 200);
    QTest::newRow("y zero") << QPointF(300, 0);
    QTest::newRow("negative") << QPointF(-4, 200);
    QTest::newRow("not a number") << QPointF(std::nan(""), 200);
}

void TestWizard::savedAxisCentreNeverOfferedWhenNotPositive()
{
    QFETCH(QPointF, centre);
    axisCenter.store(centre);
    window->goToStep(2);
    SeenBox box;
    answerNextBox(QMessageBox::Yes, &box);
    QTest::mouseClick(button("pushButton_confirm_done"), Qt::LeftButton);
    QVERIFY(!box.shown);
    QCOMPARE(window->alignment().step(), 3);
    QTRY_VERIFY(box.looked); // the unused answer must not outlive `box`
}

// Three picks of one star: the circle through them gives the axis centre and the radius, and
// step 8 shows both.
void TestWizard::threeStarPicksFitTheAxisCentre()
{
    window->goToStep(3);
    doubleClick(starOne + QPointF(3, -2));
    QCOMPARE(window->alignment().step(), 4);
    QCOMPARE(window->alignment().axisPositions().value(0).star, starOne);
    QTest::mouseClick(button("pushButton_rotateStar1_done"), Qt::LeftButton);
    doubleClick(starTwo + QPointF(-4, 5));
    QCOMPARE(window->alignment().step(), 6);
    QCOMPARE(window->alignment().axisPositions().value(1).star, starTwo);
    QTest::mouseClick(button("pushButton_rotateStar2_done"), Qt::LeftButton);
    doubleClick(starThree + QPointF(1, 1));
    QCOMPARE(window->alignment().step(), 8);
    QCOMPARE(window->alignment().axisPositions().value(2).star, starThree);
    // Circle through (300, 400), (500, 300), (700, 420): centre (5430/11, 5910/11), radius 237.36.
    QVERIFY(std::abs(axisCenter.load().x() - 5430.0 / 11) < 1e-9
        && std::abs(axisCenter.load().y() - 5910.0 / 11) < 1e-9);
    QCOMPARE(axisCircleRadius.load(), 237);
    QCOMPARE(window->alignment().axisCircleRadius(), 237);
    QCOMPARE(label("label_axisPos")->text(), QStringLiteral("(493.6,537.3)"));
    QCOMPARE(flags().left(2), QStringLiteral("11"));
}

void TestWizard::failedFitWarnsAndStays()
{
    publishFrame({QPointF(300, 400), QPointF(500, 400), QPointF(700, 400)});
    window->alignment().startAxisPositions();
    window->alignment().addAxisPosition({QPointF(300, 400), 0.0, {}});
    window->alignment().addAxisPosition({QPointF(500, 400), 60.0, {}});
    window->goToStep(7);
    SeenBox box;
    answerNextBox(QMessageBox::Ok, &box);
    QTest::ignoreMessage(QtCriticalMsg, "Point in a straight line,Can not calculate center of cricle.");
    doubleClick(QPointF(700, 400));
    QVERIFY(box.shown);
    QCOMPARE(box.title, QStringLiteral("Warn"));
    QCOMPARE(box.text, QStringLiteral("Can not get the Axis center, please click 'reset' to re-find it."));
    QCOMPARE(window->alignment().step(), 7);
    QCOMPARE(window->alignment().axisPositions().value(2).star, QPointF(700, 400));
}

void TestWizard::pickWithoutStarWarns()
{
    publishFrame({polaris}, 0);
    for (const int step : {2, 3, 9}) {
        window->goToStep(step);
        SeenBox box;
        answerNextBox(QMessageBox::Ok, &box);
        QTest::ignoreMessage(QtCriticalMsg, "GetPreciseStarPos - No Star in the ROI Area.");
        doubleClick(QPointF(1000, 800)); // flat sky
        QVERIFY(box.shown);
        QCOMPARE(box.title, QStringLiteral("Warn"));
        QCOMPARE(box.text, QStringLiteral("Seems no star in this point, please try other point."));
        QCOMPARE(window->alignment().step(), step);
        QVERIFY(label("label_templateImg")->isHidden());
        QVERIFY(!timer("effectTimer")->isActive());
    }
}

void TestWizard::templateFollowsTheClickAndTheAngle_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<QSize>("size");
    QTest::newRow("0") << 0 << QSize(800, 800);
    QTest::newRow("360") << 360 << QSize(800, 800);
    // The bounding box of an 800-pixel square turned by 45 degrees: 800 * sqrt(2) = 1131.4.
    QTest::newRow("45") << 45 << QSize(1132, 1132);
}

void TestWizard::templateFollowsTheClickAndTheAngle()
{
    QFETCH(int, angle);
    QFETCH(QSize, size);
    window->goToStep(2);
    child<QSlider>(QStringLiteral("horizontalSlider_confirm_match"))->setValue(angle);
    doubleClick(polaris + QPointF(2, 3));
    QLabel *templ = label("label_templateImg");
    QVERIFY(!templ->isHidden());
    QVERIFY(timer("effectTimer")->isActive());
    QCOMPARE(window->alignment().templatePosition(), polaris + QPointF(2, 3));
    QVERIFY2(std::abs(templ->width() - size.width()) <= 1 && std::abs(templ->height() - size.height()) <= 1,
        qPrintable(QStringLiteral("%1 x %2").arg(templ->width()).arg(templ->height())));
    // The centre stays on the click whatever the angle.
    QCOMPARE(templ->x() + (templ->width() - 1) / 2, 642);
    QCOMPARE(templ->y() + (templ->height() - 1) / 2, 483);

    // Hidden, it holds neither its picture nor the template images; a click that shows it again
    // draws the same picture, pole mark included.
    const QImage drawn = templ->pixmap(Qt::ReturnByValue).toImage();
    window->goToStep(3);
    QVERIFY(templ->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(!window->holdsTemplatePictures());
    window->goToStep(2);
    doubleClick(polaris + QPointF(2, 3));
    QCOMPARE(templ->pixmap(Qt::ReturnByValue).toImage(), drawn);
    if (angle == 0) { // drawn as the template is, the pole's light cyan cross included
        const QPoint markArm = northStarData.pole.toPoint() + QPoint(4, 0);
        QVERIFY(qBlue(drawn.pixel(markArm)) > 200);
    }
}

void TestWizard::pickAtHalfZoom()
{
    child<QAction>(QStringLiteral("action50"))->setChecked(true);
    QCOMPARE(window->zoom(), 0.5f);
    publishFrame({QPointF(200, 100)});
    window->goToStep(3);
    QTest::mouseMove(showImg(), QPoint(100, 50));
    QTest::mouseDClick(showImg(), Qt::RightButton, Qt::NoModifier, QPoint(100, 50));
    QCOMPARE(label("label_cursorPos")->text(), QStringLiteral("200.0,100.0"));
    QCOMPARE(window->alignment().step(), 4);
    QCOMPARE(window->alignment().axisPositions().value(0).star, QPointF(200, 100));
}

void TestWizard::sliderButtonsStopAtTheEnds()
{
    auto *confirm = child<QSlider>(QStringLiteral("horizontalSlider_confirm_match"));
    auto *rough = child<QSlider>(QStringLiteral("horizontalSlider_rough_match"));
    window->goToStep(2);
    confirm->setValue(1);
    QTest::mouseClick(button("pushButton_confirm_minus"), Qt::LeftButton);
    QTest::mouseClick(button("pushButton_confirm_minus"), Qt::LeftButton);
    QCOMPARE(window->alignment().templateAngle(), 0);
    QCOMPARE(confirm->value(), 0);
    confirm->setValue(360);
    QTest::mouseClick(button("pushButton_confirm_add"), Qt::LeftButton);
    QCOMPARE(window->alignment().templateAngle(), 360);

    // Matched at 120 in step 2; the first + on the rough slider in step 9 continues from there.
    confirm->setValue(120);
    window->goToStep(9);
    QCOMPARE(rough->value(), 0);
    QTest::mouseClick(button("pushButton_rough_add"), Qt::LeftButton);
    QCOMPARE(window->alignment().templateAngle(), 121);
    QCOMPARE(rough->value(), 121);
    QCOMPARE(confirm->value(), 120);
}

// In the north template the pole lies about 80 pixels above Polaris (B at (400, 400)). Polaris
// must stand at the axis centre plus the vector from the pole to Polaris, turned with the template.
void TestWizard::roughSliderComputesTheExpectedPosition()
{
    QCOMPARE(pattern().starB, QPointF(400, 400));
    const QPointF fromPoleToPolaris = pattern().starB - pattern().pole;
    QVERIFY(fromPoleToPolaris.y() > 70 && fromPoleToPolaris.y() < 90 && std::abs(fromPoleToPolaris.x()) < 10);
    axisCenter.store(QPointF(600, 450));
    window->goToStep(9);
    auto *rough = child<QSlider>(QStringLiteral("horizontalSlider_rough_match"));
    struct Case
    {
        int angle;
        QPointF offset; // the vector turned clockwise on screen by the angle
    };
    const Case cases[] = {
        {1, QPointF()}, // placeholder to make the first real value a change
        {0, fromPoleToPolaris},
        {90, QPointF(-fromPoleToPolaris.y(), fromPoleToPolaris.x())},
        {180, -fromPoleToPolaris},
    };
    for (const Case &c : cases) {
        rough->setValue(c.angle);
        if (c.offset.isNull())
            continue;
        const QPointF e = expectedPolarisPos.load();
        const QPointF want = QPointF(600, 450) + c.offset;
        QVERIFY2(std::abs(e.x() - want.x()) < 0.01 && std::abs(e.y() - want.y()) < 0.01,
            qPrintable(QStringLiteral("%1 deg: (%2, %3)").arg(c.angle).arg(e.x()).arg(e.y())));
        QCOMPARE(label("label_eptPos")->text(), wizard::cursorText(e).prepend('(').append(')'));
    }
}

// Whether the centre was just fitted or reused, step 9 begins with the rough slider at the angle
// matched in step 3 and the reticle already where that match puts Polaris.
void TestWizard::expectedPositionIsKnownWhenItsStepBegins()
{
    const QPointF fromPoleToPolaris = pattern().starB - pattern().pole;
    const QPointF turned90(-fromPoleToPolaris.y(), fromPoleToPolaris.x());
    auto *rough = child<QSlider>(QStringLiteral("horizontalSlider_rough_match"));
    rough->setValue(0);
    child<QSlider>(QStringLiteral("horizontalSlider_confirm_match"))->setValue(90);
    window->alignment().setAxisCentre(QPointF(600, 450), cv::Matx22d::eye());
    window->goToStep(8);
    QTest::mouseClick(button("pushButton_validateCenter_done"), Qt::LeftButton);
    QCOMPARE(window->alignment().step(), 9);
    QCOMPARE(rough->value(), 90);
    QCOMPARE(window->alignment().templateAngle(), 90);
    QPointF e = expectedPolarisPos.load();
    QVERIFY2(QLineF(e, QPointF(600, 450) + turned90).length() < 0.01, qPrintable(wizard::cursorText(e)));
    QCOMPARE(label("label_eptPos")->text(), wizard::cursorText(e).prepend('(').append(')'));

    // The saved centre, reused: the same, from that centre; the slider already at the angle.
    expectedPolarisPos.store(QPointF(0, 0));
    axisCenter.store(QPointF(500, 400));
    window->goToStep(2);
    SeenBox box;
    answerNextBox(QMessageBox::Yes, &box);
    QTest::mouseClick(button("pushButton_confirm_done"), Qt::LeftButton);
    QVERIFY(box.shown);
    QCOMPARE(window->alignment().step(), 9);
    e = expectedPolarisPos.load();
    QVERIFY2(QLineF(e, QPointF(500, 400) + turned90).length() < 0.01, qPrintable(wizard::cursorText(e)));
}

// The template laid over the image with its Polaris point on the picked Polaris at angle 0 puts
// star A at Polaris + (45, -182) (north template A (445, 218), B (400, 400)).
void TestWizard::currentPositionLocatesTheReferenceStars()
{
    const QPointF starA = polaris + QPointF(45, -182);
    publishFrame({polaris + QPointF(0.0, 0.0), starA + QPointF(3, 2)});
    window->goToStep(11);
    QCOMPARE(window->alignment().templateAngle(), 0);
    trackedRaTurn = 30.0; // a dial turn of an earlier monitoring
    doubleClick(polaris + QPointF(2, -1));
    QCOMPARE(window->alignment().poleStarPick().value_or(QPointF()), polaris);
    QCOMPARE(label("label_curPos")->text(), QStringLiteral("(640.0,480.0)"));
    QTest::mouseClick(button("pushButton_getCurPolaris_done"), Qt::LeftButton);
    QCOMPARE(window->alignment().step(), 12);
    QCOMPARE(starASearchPos.load(), starA + QPointF(3, 2)); // measured where the template put it
    QCOMPARE(starBSearchPos.load(), polaris);
    QCOMPARE(window->alignment().referenceStarA(), starA + QPointF(3, 2));
    QCOMPARE(window->alignment().referenceStarB(), polaris);
    QCOMPARE(trackedRaTurn.load(), 0.0); // the new start positions are at home
}

// Without a pick of Polaris in steps 9 or 11, Polaris is where the user just put it: the
// expected position. A star not found keeps its predicted place, silently.
void TestWizard::currentPositionWithoutPickUsesTheExpectedPosition()
{
    expectedPolarisPos.store(QPointF(500.0, 300.0));
    publishFrame({starTwo}, 0);
    window->goToStep(11);
    QTest::ignoreMessage(QtCriticalMsg, "GetPreciseStarPos - No Star in the ROI Area.");
    QTest::mouseClick(button("pushButton_getCurPolaris_done"), Qt::LeftButton);
    QCOMPARE(window->alignment().step(), 12);
    QCOMPARE(starBSearchPos.load(), starTwo);
    QCOMPARE(starASearchPos.load(), starTwo + QPointF(45, -182));
}

// The reticle turns with the program's clock, a phase every 100 ms, however often its timer fires:
// a picture of a given instant always shows the same reticle.
void TestWizard::reticlePhases()
{
    double now = 1796688000.0; // a multiple of 0.8 s: phase 0
    setUtcSource([&now] { return now; });
    QList<double> seen;
    for (int i = 0; i < 10; ++i) {
        fire("angleTimer");
        fire("angleTimer");
        seen << reticleAngle;
        now += 0.1;
    }
    setUtcSource({});
    QCOMPARE(seen, (QList<double> {0, 10, 20, 30, 40, 50, 60, 70, 0, 10}));
}

// The glow blinks on the confirm slider in step 2, on the rough one in 9 and 11, nowhere else,
// and goes out when the blinking stops.
void TestWizard::glowBlinksOnlyWhileMatching()
{
    QGraphicsEffect *confirmGlow
        = child<QSlider>(QStringLiteral("horizontalSlider_confirm_match"))->graphicsEffect();
    QGraphicsEffect *roughGlow
        = child<QSlider>(QStringLiteral("horizontalSlider_rough_match"))->graphicsEffect();
    for (const int step : {2, 9, 11, 5, 13}) {
        window->goToStep(step);
        confirmGlow->setEnabled(false);
        roughGlow->setEnabled(false);
        fire("effectTimer");
        QCOMPARE(confirmGlow->isEnabled(), step == 2);
        QCOMPARE(roughGlow->isEnabled(), step == 9 || step == 11);
        fire("effectTimer");
        QVERIFY(!confirmGlow->isEnabled() && !roughGlow->isEnabled());
    }
    window->goToStep(9);
    doubleClick(polaris);
    QVERIFY(timer("effectTimer")->isActive());
    fire("effectTimer");
    QVERIFY(roughGlow->isEnabled());
    QTest::mouseClick(button("pushButton_getEptPolaris_done"), Qt::LeftButton);
    QVERIFY(!timer("effectTimer")->isActive());
    QVERIFY(!roughGlow->isEnabled());
}

void TestWizard::hemisphereSwitchRestartsInAnyStep()
{
    const double now = 1796688000.0;
    setUtcSource([now] { return now; });
    for (const int step : {2, 8, 13}) {
        window->goToStep(step);
        setAllFlags(true);
        child<QRadioButton>(QStringLiteral("radioButton_south"))->setChecked(true);
        QVERIFY(!window->alignment().north());
        QCOMPARE(window->alignment().step(), 1);
        QCOMPARE(flags(), QStringLiteral("000000"));
        QCOMPARE(pattern().starB, QPointF(400, 337));
        QCOMPARE(poleAngles.load().atA, StarGeometry().angles(Hemisphere::South, now, southStarData).bap);
        QVERIFY(label("label_movePolaris_tipMsg")->text().contains(QStringLiteral("move σ Oct into")));
        QVERIFY(label("label_setting_tipMsg")->text().contains(QStringLiteral("around σ Oct visible.")));

        window->goToStep(step);
        child<QRadioButton>(QStringLiteral("radioButton_north"))->setChecked(true);
        QVERIFY(window->alignment().north());
        QCOMPARE(window->alignment().step(), 1);
        QCOMPARE(pattern().starB, QPointF(400, 400));
        QVERIFY(label("label_getEptPolaris_tipMsg")
                    ->text()
                    .startsWith(QStringLiteral("Expected position: Double Click Polaris")));
    }
    // After a language change the texts follow the hemisphere.
    child<QRadioButton>(QStringLiteral("radioButton_south"))->setChecked(true);
    emit window->resetUI();
    QVERIFY(label("label_getCurPolaris_tipMsg")->text().contains(QStringLiteral("σ Oct")));
    QCOMPARE(
        label("label_calcPole_tipMsg")->text(), QStringLiteral("Please click the 'Start Monitor' button."));
}

// The capture thread gets the angles of the moment for the chosen hemisphere: when it is chosen,
// when monitoring starts and from the minute timer.
void TestWizard::poleAnglesFollowTheClock()
{
    const auto now = std::make_shared<double>(1796688000.0); // 2026-12-08 00:00 UTC
    setUtcSource([now] { return *now; });
    const StarGeometry geometry;
    const auto given = [](const PoleTriangleAngles &expected) {
        const PoleAngles angles = poleAngles.load();
        return angles.atA == expected.bap && angles.atB == expected.abp;
    };
    child<QRadioButton>(QStringLiteral("radioButton_south"))->setChecked(true);
    const PoleTriangleAngles december = geometry.angles(Hemisphere::South, *now, {});
    QVERIFY(given(december));

    // A quarter of a year on, the aberration has turned the angles by tenths of a degree.
    *now += 91 * 86400.0;
    const PoleTriangleAngles march = geometry.angles(Hemisphere::South, *now, {});
    QVERIFY(std::fabs(march.bap - december.bap) > 0.05);
    window->goToStep(12);
    QTest::mouseClick(button("pushButton_monitor"), Qt::LeftButton);
    QVERIFY(given(march));

    child<QRadioButton>(QStringLiteral("radioButton_north"))->setChecked(true);
    *now += 91 * 86400.0;
    QCOMPARE(timer("poleAnglesTimer")->interval(), 60 * 1000);
    QVERIFY(timer("poleAnglesTimer")->isActive());
    fire("poleAnglesTimer");
    QVERIFY(given(geometry.angles(Hemisphere::North, *now, {})));
}

// The panel floats over the top of the image: the pointer's place and a star picked through its
// text are the image's beneath it.
void TestWizard::pointerOverThePanelUpdatesTheReadout()
{
    showImg()->setPixmap(QPixmap(1280, 960));
    window->goToStep(3);
    QWidget *page = label("label_getStar1_tipMsg")->parentWidget();
    // The page's top left corner lies at (164, 6) on the image.
    const QPoint underPanel(200, 30);
    publishFrame({QPointF(underPanel)});
    QMouseEvent move(QEvent::MouseMove, underPanel - QPoint(164, 6), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(page, &move);
    QCOMPARE(label("label_cursorPos")->text(), QStringLiteral("200.0,30.0"));
    QTest::mouseDClick(page, Qt::LeftButton, Qt::NoModifier, underPanel - QPoint(164, 6));
    QCOMPARE(window->alignment().step(), 4);
    QCOMPARE(window->alignment().axisPositions().value(0).star, QPointF(underPanel));

    cameraConnected = false; // without a camera nothing answers the pointer
    QMouseEvent later(QEvent::MouseMove, QPointF(40, 10), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(page, &later);
    QCOMPARE(label("label_cursorPos")->text(), QStringLiteral("200.0,30.0"));
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
