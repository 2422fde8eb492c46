// mainwindow_quick.cpp - Quick Alignment in the window: Connect and the site if needed, the quiet
// plate solve places the pattern, the program takes the RA positions as the field turns and is
// still, and the readout runs until the pole stays inside the target. The wizard's steps stay
// underneath: the window moves through them as the quick alignment goes, and the person may step
// back into them at any point.
#include "mainwindow.h"

#include "astrorefractiondialog.h"
#include "axisfit.h"
#include "karvix.h"
#include "mountdevice.h"
#include "presentation.h"
#include "quickalignmentpanel.h"
#include "sharedstate.h"
#include "staralgorithms.h"
#include "starfinder.h"
#include "ui_mainwindow.h"
#include "utcclock.h"
#include "wizardgeometry.h"
#include "wizardstep.h"

#include <QMessageBox>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <memory>

namespace {
// Each new frame is looked for at the display's pace, and the field is looked at on the sky's
// clock: a frame at least this long after the last one looked at. Finding a frame's stars takes a
// few milliseconds; on the sky's clock the frames looked at are the same whatever the machine's
// speed, so a session repeats exactly.
constexpr int quickFrameMs = 20;
constexpr double quickFrameIntervalS = 0.2;
} // namespace

void MainWindow::setupQuickAlignment()
{
    quickAlignment = new QuickAlignment(
        &session, utcNow, axisfit::cameraLens(cv::Size(KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT)), this);
    quickPanel = new QuickAlignmentPanel(*quickAlignment, ui->scrollArea_showImg);
    ui->menuDevice->insertAction(ui->menuDevice->actions().value(1), quickPanel->menuAction());
    connect(tipPanel.pages[STEP_SETTING - 1].quick, &QPushButton::clicked, this,
        &MainWindow::startQuickAlignment);
    quickFrameTimer = new QTimer(this);
    quickFrameTimer->setInterval(quickFrameMs);
    connect(quickFrameTimer, &QTimer::timeout, this, &MainWindow::feedQuickAlignment);
    connect(quickPanel, &QuickAlignmentPanel::startRequested, this, &MainWindow::startQuickAlignment);
    connect(quickPanel, &QuickAlignmentPanel::manualRequested, this, &MainWindow::leaveQuickAlignment);
    connect(quickPanel, &QuickAlignmentPanel::abortRequested, this, &MainWindow::leaveQuickAlignment);
    connect(quickAlignment, &QuickAlignment::axisMeasured, this, &MainWindow::quickAxisMeasured);
    connect(quickAlignment, &QuickAlignment::readyToMonitor, this, &MainWindow::startQuickMonitoring);
    connect(quickAlignment, &QuickAlignment::finished, this, &MainWindow::finishQuickAlignment);
    connect(quickAlignment, &QuickAlignment::referenceStarsMoved, this,
        [](const QPointF &starA, const QPointF &poleStar) {
            starASearchPos.store(starA);
            starBSearchPos.store(poleStar);
        });
    connect(quickAlignment, &QuickAlignment::failed, this, [this](const QString &why) {
        quickFrameTimer->stop();
        tipPanel.tabWidget->show();
        ui->statusBar->showMessage(why);
        QMessageBox::warning(this, tr("Quick Alignment"), why);
    });
    connect(quickAlignment, &QuickAlignment::phaseChanged, this, &MainWindow::followQuickPhase);
    connect(quickAlignment, &QuickAlignment::phaseChanged, this, &MainWindow::noteAction);
}

// The wizard's steps follow the quick alignment, so everything that shows the step (the lamps, the
// phone, the session's notes) shows where it is; the quick panel stands where the tip panel is
// until the readout runs, and then below the last step's page, whose Done still ends it early.
void MainWindow::followQuickPhase()
{
    switch (quickAlignment->phase()) {
    case QuickAlignment::Phase::FirstPosition:
        goToStep(STEP_GET_STAR1);
        break;
    case QuickAlignment::Phase::TurnAway:
        goToStep(STEP_ROTATE_STAR1);
        break;
    case QuickAlignment::Phase::TurnBack:
        goToStep(STEP_ROTATE_STAR2);
        break;
    case QuickAlignment::Phase::ReturnHome:
        goToStep(STEP_VALIDATE_CENTER);
        break;
    default:
        break;
    }
    const bool monitoring = quickAlignment->phase() == QuickAlignment::Phase::Monitoring;
    tipPanel.tabWidget->setVisible((!quickAlignment->running() || monitoring)
        && session.step() >= STEP_SETTING && session.step() <= STEP_FINETUNE_POLE);
}

// Connect when not yet connected, ask for the site when it is unknown, then solve.
void MainWindow::startQuickAlignment()
{
    if (quickAlignment->running())
        return;
    if (!cameraConnected) {
        on_actionConnect_triggered();
        if (!cameraConnected && !connectRetry->isActive())
            return; // Connect said why
    }
    connectQuickMount();
    quickFrameUtc = 0;
    quickAlignment->start(mount != nullptr);
    quickFrameTimer->start();
    if (!session.site().known && !siteAsked) {
        siteAsked = true;
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = connect(astroRefractionDialog, &QDialog::finished, this, [this, once] {
            disconnect(*once);
            if (quickAlignment->phase() == QuickAlignment::Phase::Solving)
                goToStep(STEP_CONFIRM);
        });
        showRefractionDialog(true);
        return;
    }
    goToStep(STEP_CONFIRM);
}

// With a mount chosen in Device > Mount..., the program turns the RA axis itself: opened now,
// turned when the quick alignment asks, its answers passed back. A mount that fails ends the run.
void MainWindow::connectQuickMount()
{
    if (!mount)
        return;
    MountDevice *device = mount.get();
    connect(quickAlignment, &QuickAlignment::turnWanted, device, &MountDevice::turnRa, Qt::UniqueConnection);
    connect(
        device, &MountDevice::turnDone, quickAlignment, &QuickAlignment::mountTurned, Qt::UniqueConnection);
    connect(device, &MountDevice::failed, quickAlignment, &QuickAlignment::mountFailed, Qt::UniqueConnection);
    if (!device->isOpen())
        device->open();
}

// Every new live frame's stars go to the quick alignment; while it waits for the solve, a solve
// that could not start (no frame yet, the camera still being reached) is started again.
void MainWindow::feedQuickAlignment()
{
    if (!quickAlignment->running()) {
        quickFrameTimer->stop();
        return;
    }
    if (quickAlignment->phase() == QuickAlignment::Phase::Solving) {
        // A network camera connects a moment after Connect, and the wizard starts again at its
        // first step then.
        if (cameraConnected && session.step() != STEP_CONFIRM && !astroRefractionDialog->isVisible())
            goToStep(STEP_CONFIRM);
        else if (session.step() == STEP_CONFIRM && !plateSolveTask->isRunning())
            startAutomaticSolve();
        return;
    }
    const std::int64_t arrival = frameArrivalNs;
    const double utc = utcNow();
    if (arrival == quickFrameSeen || !staleNote.isEmpty() || utc < quickFrameUtc + quickFrameIntervalS)
        return;
    quickFrameSeen = arrival;
    quickFrameUtc = utc;
    const FrameLease frame = rawImage.latest();
    quickAlignment->addFrame(utc, findStars(frame.image()));
}

// The quiet solve of the confirm step placed the pattern: the quick alignment takes it from there.
void MainWindow::quickSolved(const QPointF &poleStar, const QPointF &starA)
{
    quickSolveFailures = 0;
    session.setTemplatePole(poleBeside(poleStar), solveFrameUtc, solveFrameStars);
    quickAlignment->solved({poleStar, starA, solveFrameUtc, solveFrameStars});
}

// A frame may fail to solve (a passing cloud, a frame from before the exposure changed): the
// next is tried; after a few, or at once when solving cannot work here, the person matches the
// pattern by hand in the wizard's step.
void MainWindow::quickNotSolved(const QString &why, bool hopeless)
{
    constexpr int triesBeforeHands = 3;
    if (++quickSolveFailures < triesBeforeHands && !hopeless)
        return;
    quickSolveFailures = 0;
    quickAlignment->stop();
    tipPanel.tabWidget->show();
    const QString text
        = tr("The sky could not be solved (%1): please match the pattern by hand in the wizard's steps.")
              .arg(why);
    qCritical("Quick Alignment: %s", qPrintable(text));
    QMessageBox::warning(this, tr("Quick Alignment"), text);
}

void MainWindow::quickAxisMeasured(const axismeasurement::Measurement &m)
{
    if (!m.ok || !m.consistent) {
        const QString why = !m.ok
            ? tr("The axis centre could not be found: hold the mount still and turn the RA axis again.")
            : tr("The stars did not turn about one point (they disagree by %1″): make sure all is firm, then "
                 "turn the RA axis again.")
                  .arg(m.inconsistencyPx * cameraArcsecPerPixel, 0, 'f', 0);
        qCritical("Quick Alignment: %s", !m.ok ? m.failure : "the positions disagree");
        quickPanel->say(why);
        return;
    }
    logAxisMeasurement(m);
    adoptAxisCentre();
}

// The pattern's stars in the latest frame become the reference stars, and monitoring starts as
// the wizard's last steps start it.
void MainWindow::startQuickMonitoring(const QPointF &poleStar, const QPointF &starA)
{
    QPointF measuredPole = poleStar, measuredA = starA;
    measureStar(poleStar, &measuredPole);
    measureStar(starA, &measuredA);
    session.setTemplateAngle(wizard::templateAngleFor(
        measuredPole, measuredA, session.templateStars().starA, session.templateStars().starB));
    {
        const QSignalBlocker quiet(ui->horizontalSlider_rough_match);
        ui->horizontalSlider_rough_match->setValue(session.templateAngle());
    }
    session.setPoleStarPick(measuredPole);
    ui->label_curPos->setText(positionText(measuredPole));
    pushbuttonGetCurPolarisDoneClicked();
    on_pushButton_monitor_clicked();
}

void MainWindow::finishQuickAlignment()
{
    quickFrameTimer->stop();
    pushbuttonFinetunePoleDoneClicked();
}

// Back to the wizard's steps where the quick alignment had got to.
void MainWindow::leaveQuickAlignment()
{
    if (!quickAlignment->running())
        return;
    const QuickAlignment::Phase phase = quickAlignment->phase();
    if (mount && mount->moving())
        mount->abort(); // before anything else: the axis stops where it is
    quickAlignment->stop();
    quickFrameTimer->stop();
    if (!cameraConnected)
        return;
    switch (phase) {
    case QuickAlignment::Phase::Solving:
        goToStep(STEP_CONFIRM);
        break;
    case QuickAlignment::Phase::FirstPosition:
    case QuickAlignment::Phase::TurnAway:
    case QuickAlignment::Phase::TurnBack:
        goToStep(STEP_GET_STAR1);
        break;
    case QuickAlignment::Phase::ReturnHome:
        goToExpectedPolarisStep();
        break;
    default:
        break;
    }
    tipPanel.tabWidget->show();
}
