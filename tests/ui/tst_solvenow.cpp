// Tools > Solve Now on the simulated sky: the solve runs while the window stays responsive and
// shows that it works, and its result, or the wrong hemisphere choice, is told to the user.
#include "mainwindow.h"
#include "platesolvetask.h"
#include "settingsfile.h"
#include "sharedstate.h"
#include "simcontrol.h"
#include "skysimulator.h"
#include "utcclock.h"
#include "wizardgeometry.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace karvix::sim;

namespace {

constexpr double dec8Evening2026 = 1796760000.0; // 2026-12-08T20:00:00Z

// Closes the next message box as soon as it shows and remembers its text.
class MessageBoxCatcher : public QObject
{
public:
    QString text;
    bool seen = false;

    MessageBoxCatcher()
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen = true;
                text = box->text();
                box->close();
            }
        });
        timer->start(10);
    }
};

} // namespace

class TestSolveNow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void solvesTheLatestFrame_data();
    void solvesTheLatestFrame();
    void proposesTheTemplateWhilePolarisIsConfirmed();
    void entersTheConfirmStepWithTheTemplateProposed();

private:
    template <typename T> T *child(const char *name)
    {
        T *object = window->findChild<T *>(QLatin1String(name));
        if (!object)
            qFatal("no child %s", name);
        return object;
    }

    PlateSolveTask *solveTask() { return window->findChild<PlateSolveTask *>(); }
    QPointF templateAt() { return window->alignment().templatePosition(); }

    std::unique_ptr<MainWindow> window;
};

void TestSolveNow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestSolveNow::init()
{
    QFile::remove(SettingsFile::programPath());
    resetCameraBus();
    cameraSimulator().setClock(dec8Evening2026);
    setUtcSource([] { return cameraSimulator().clock(); });
    window.reset(new MainWindow);
    AlignmentSession::Site site = window->alignment().site();
    site.known = true; // Setting Finished goes straight to the template
    window->alignment().setSite(site);
}

void TestSolveNow::cleanup()
{
    window.reset();
    setUtcSource({});
    cameraSimulator().useSystemClock();
    QFile::remove(SettingsFile::programPath());
}

void TestSolveNow::solvesTheLatestFrame_data()
{
    QTest::addColumn<bool>("southChosen");
    QTest::addColumn<QString>("told");
    QTest::newRow("hemisphere as seen") << false << QStringLiteral("Solved at 30.5");
    QTest::newRow("wrong hemisphere chosen") << true << QStringLiteral("shows the northern sky");
}

void TestSolveNow::solvesTheLatestFrame()
{
    QFETCH(bool, southChosen);
    QFETCH(QString, told);
    if (southChosen)
        child<QRadioButton>("radioButton_south")->setChecked(true);
    child<QAction>("actionConnect")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!child<QLabel>("label_showImg")->pixmap(Qt::ReturnByValue).isNull(), 5000);

    MessageBoxCatcher catcher;
    QAction *solveNow = child<QAction>("actionSolve_Now");
    solveNow->trigger();
    // Working: a progress window with a cancel button, the command disabled until the answer.
    QVERIFY(!solveNow->isEnabled());
    QVERIFY(window->findChild<QProgressDialog *>());
    QTRY_VERIFY_WITH_TIMEOUT(catcher.seen, 30000);
    QVERIFY2(catcher.text.contains(told), qPrintable(catcher.text));
    if (!southChosen)
        QVERIFY2(catcher.text.contains(QLatin1String("HIP 11767")), qPrintable(catcher.text));
    QVERIFY(solveNow->isEnabled());
    QTRY_VERIFY(!window->findChild<QProgressDialog *>());
}

void TestSolveNow::proposesTheTemplateWhilePolarisIsConfirmed()
{
    window->show();
    child<QAction>("actionConnect")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!child<QLabel>("label_showImg")->pixmap(Qt::ReturnByValue).isNull(), 5000);
    child<QPushButton>("pushButton_setting_done")->click();
    QVERIFY(child<QLabel>("label_templateImg")->isHidden());

    MessageBoxCatcher catcher;
    child<QAction>("actionSolve_Now")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(catcher.seen, 30000);
    // Laid on Polaris and turned so that the template's star A falls on lambda UMi, as a user
    // turning the slider by hand would leave it (half a degree of slider is 1.6 px there).
    QVERIFY(child<QLabel>("label_templateImg")->isVisible());
    const auto polaris = cameraSimulator().starPosition("HIP 11767");
    const auto starA = cameraSimulator().starPosition("HIP 84535");
    QVERIFY(std::hypot(templateAt().x() - polaris->x, templateAt().y() - polaris->y) < 0.3);
    const int angle = child<QSlider>("horizontalSlider_confirm_match")->value();
    QCOMPARE(window->alignment().templateAngle(), angle);
    const HemisphereStarData &pattern = window->alignment().templateStars();
    const QPointF predicted = wizard::predictedStarA(templateAt(), pattern.starA, pattern.starB, angle);
    QVERIFY2(std::hypot(predicted.x() - starA->x, predicted.y() - starA->y) < 5,
        qPrintable(QStringLiteral("angle %1: star A predicted at (%2, %3), truth (%4, %5)")
                       .arg(angle)
                       .arg(predicted.x())
                       .arg(predicted.y())
                       .arg(starA->x)
                       .arg(starA->y)));
}

// Entering the confirm step solves quietly: the template comes laid on Polaris without any window,
// unless the user turned it first, which wins.
void TestSolveNow::entersTheConfirmStepWithTheTemplateProposed()
{
    window->show();
    child<QAction>("actionConnect")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!child<QLabel>("label_showImg")->pixmap(Qt::ReturnByValue).isNull(), 5000);
    MessageBoxCatcher catcher;
    child<QPushButton>("pushButton_setting_done")->click();
    QVERIFY(solveTask()->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(child<QLabel>("label_templateImg")->isVisible(), 30000);
    const auto polaris = cameraSimulator().starPosition("HIP 11767");
    QVERIFY(std::hypot(templateAt().x() - polaris->x, templateAt().y() - polaris->y) < 0.3);
    QCOMPARE(child<QSlider>("horizontalSlider_confirm_match")->value(), window->alignment().templateAngle());
    QVERIFY(!catcher.seen);

    child<QPushButton>("pushButton_finetunePole_reset")->click(); // back to the settings
    child<QPushButton>("pushButton_setting_done")->click();
    QVERIFY(solveTask()->isRunning());
    const int turned = (window->alignment().templateAngle() + 90) % 360;
    child<QSlider>("horizontalSlider_confirm_match")->setValue(turned);
    QTRY_VERIFY_WITH_TIMEOUT(!solveTask()->isRunning(), 30000);
    QCoreApplication::processEvents();
    QCOMPARE(window->alignment().templateAngle(), turned);
    QVERIFY(!catcher.seen);
}

QTEST_MAIN(TestSolveNow)
#include "tst_solvenow.moc"
