// mainwindow_solve.cpp - Tools > Solve Now: the latest frame solved off the GUI thread, with a
// progress window whose button cancels, and the result (or why there is none) shown to the user.
// Entering the step that confirms the pole star starts a quiet solve of its own, without a window;
// while the pole star is confirmed, a solution proposes the template; otherwise a solve changes
// nothing in the alignment.
#include "camerasource.h"
#include "indexfiles.h"
#include "mainwindow.h"
#include "quickalignment.h"
#include "starfinder.h"
#include "sharedstate.h"
#include "source.h"
#include "ui_mainwindow.h"
#include "utcclock.h"
#include "wizardgeometry.h"
#include "wizardstep.h"

#include <QMessageBox>
#include <QTimer>

namespace {
// The program's frames are at this scale when the camera's lens is known.
const double programArcsecPerPx = SolveHints().scaleArcsecPerPx;
// A solve measures the scale to about 0.15 %; beyond this the lens entered for an INDI camera is
// taken to be wrong.
constexpr double scaleTolerance = 0.005;
// After the lens is measured, the confirm step solves again once frames at the new scale are shown.
constexpr int rescaledFramesMs = 2000;
} // namespace

void MainWindow::setupPlateSolving()
{
    plateSolveTask = new PlateSolveTask(this);
    connect(plateSolveTask, &PlateSolveTask::finished, this, &MainWindow::showPlateSolution);
}

// Solve Now during the quiet solve takes that solve over: it shows its progress and its answer.
void MainWindow::on_actionSolve_Now_triggered()
{
    if (plateSolveTask->isRunning()) {
        if (solveIsAutomatic) {
            solveIsAutomatic = false;
            showSolveProgress();
        }
        return;
    }
    if (!startPlateSolve()) {
        QMessageBox::information(
            this, tr("Plate Solving"), tr("No frame to solve yet: connect the camera first."));
        return;
    }
    solveIsAutomatic = false;
    showSolveProgress();
}

// On entering the confirm step: the template is proposed when the solve succeeds and the user has
// not turned it yet. Without index files the user is told once which package brings them and
// keeps matching the template by hand.
void MainWindow::startAutomaticSolve()
{
    templateTurnedByHand = false;
    if (plateSolveTask->isRunning())
        return;
    const FrameLease frame = rawImage.latest();
    if (frame.image().empty()) {
        qInfo("Plate solving: no frame yet to propose the template from");
        return;
    }
    QString missing;
    if (indexFilesFor(0, frame.image().cols, defaultIndexFolder(), &missing).isEmpty()) {
        if (!indexFilesMissingTold) {
            indexFilesMissingTold = true;
            qCritical("Plate solving: %s", qPrintable(missing));
            ui->statusBar->showMessage(tr("The template is not proposed: to have it, install the package %1.")
                                           .arg(QLatin1String(indexPackageName)));
        }
        if (quickAlignment->phase() == QuickAlignment::Phase::Solving)
            quickNotSolved(tr("the package %1 is not installed").arg(QLatin1String(indexPackageName)), true);
        return;
    }
    if (startPlateSolve())
        solveIsAutomatic = true;
}

// Leaving the confirm step ends a quiet solve: its answer would come too late to be of use.
void MainWindow::cancelAutomaticSolve()
{
    if (solveIsAutomatic && plateSolveTask->isRunning())
        plateSolveTask->cancel();
}

bool MainWindow::startPlateSolve()
{
    const FrameLease frame = rawImage.latest();
    if (frame.image().empty())
        return false;
    // The settings keep the latitude without its sign; the hemisphere choice gives it.
    const bool north = regionName != QLatin1String("South");
    ObservingSite site;
    site.latitudeDeg = std::fabs(siteLatitude.load()) * (north ? 1 : -1);
    site.longitudeDeg = session.site().longitudeDeg;
    site.pressureHpa = airPressure * (pressureUnit.load() == QLatin1String("kPa") ? 10.0 : 1.0);
    site.temperatureC = airTemperature;
    // An INDI camera's lens may be unknown or entered wrong, so its frames need not be at the
    // program's scale: they are solved blind in scale, and the scale found measures the lens.
    const double scale = CameraSource::active().kind == CameraSource::Kind::Indi ? 0.0 : programArcsecPerPx;
    // The quick alignment follows the field from the solved frame on.
    solveFrameUtc = utcNow();
    solveFrameStars = quickAlignment->running() ? findStars(frame.image()) : std::vector<cv::Point2d>();
    return plateSolveTask->start(
        frame.image(), site, utcNow(), scale, patternStars(north ? Hemisphere::North : Hemisphere::South));
}

void MainWindow::showSolveProgress()
{
    ui->actionSolve_Now->setEnabled(false);
    solveProgress = new QProgressDialog(tr("Solving the frame..."), tr("Cancel"), 0, 0, this);
    solveProgress->setWindowTitle(tr("Plate Solving"));
    solveProgress->setAttribute(Qt::WA_DeleteOnClose);
    solveProgress->setMinimumDuration(0);
    connect(solveProgress, &QProgressDialog::canceled, plateSolveTask, &PlateSolveTask::cancel);
    solveProgress->show();
}

void MainWindow::showPlateSolution()
{
    ui->actionSolve_Now->setEnabled(true);
    if (solveProgress) {
        disconnect(solveProgress, &QProgressDialog::canceled, plateSolveTask, &PlateSolveTask::cancel);
        solveProgress->close();
        solveProgress = nullptr;
    }
    const SkyInImage &sky = plateSolveTask->sky();
    const PlateSolution &solution = plateSolveTask->solution();
    // Frames at a new scale follow; what this solve found in the old ones is of no use to them.
    if (solution.solved && adoptMeasuredPlateScale(solution.scaleArcsecPerPx)) {
        if (solveIsAutomatic)
            QTimer::singleShot(rescaledFramesMs, this, [this] {
                if (session.step() == STEP_CONFIRM)
                    startAutomaticSolve();
            });
        solveIsAutomatic = false;
        return;
    }
    if (solveIsAutomatic) {
        solveIsAutomatic = false;
        if (!sky.ok) {
            qInfo("Plate solving: the template is not proposed: %s", qPrintable(sky.whyNot));
            if (quickAlignment->phase() == QuickAlignment::Phase::Solving)
                quickNotSolved(sky.whyNot);
        } else if (session.step() == STEP_CONFIRM && !templateTurnedByHand)
            proposeTemplate(sky);
        return;
    }
    if (!sky.ok) {
        qCritical("Plate solving: %s", qPrintable(sky.whyNot));
        QMessageBox::warning(this, tr("Plate Solving"), tr("Not solved: %1").arg(sky.whyNot));
        return;
    }
    if (session.step() == STEP_CONFIRM)
        proposeTemplate(sky);
    QStringList stars;
    for (const IdentifiedStar &star : sky.stars)
        stars.append(QStringLiteral("%1 (%2, %3)")
                         .arg(star.id)
                         .arg(star.position.x, 0, 'f', 1)
                         .arg(star.position.y, 0, 'f', 1));
    QMessageBox::information(this, tr("Plate Solving"),
        tr("Solved at %1\"/px. The pole is at (%2, %3), the zenith lies towards %4 degrees. Stars: %5.")
            .arg(solution.scaleArcsecPerPx, 0, 'f', 2)
            .arg(sky.pole.pole.x, 0, 'f', 1)
            .arg(sky.pole.pole.y, 0, 'f', 1)
            .arg(sky.pole.zenithAngleDeg, 0, 'f', 1)
            .arg(stars.join(QStringLiteral(", "))));
}

// In the step that confirms the pole star, the template is laid on it and turned so that its
// reference star A lies on the solution's; the user accepts it with the step's button or corrects
// it by hand as before.
void MainWindow::proposeTemplate(const SkyInImage &sky)
{
    const QStringList ids = patternStarIds(sky.hemisphere);
    const IdentifiedStar *starA = nullptr, *poleStar = nullptr;
    for (const IdentifiedStar &star : sky.stars) {
        if (star.id == ids[0])
            starA = &star;
        else if (star.id == ids[1])
            poleStar = &star;
    }
    if (!starA || !poleStar)
        return;
    const QPointF pole(poleStar->position.x, poleStar->position.y);
    session.setTemplateAngle(wizard::templateAngleFor(pole, QPointF(starA->position.x, starA->position.y),
        session.templateStars().starA, session.templateStars().starB));
    {
        const QSignalBlocker quiet(ui->horizontalSlider_confirm_match);
        ui->horizontalSlider_confirm_match->setValue(session.templateAngle());
    }
    placeTemplateAt(
        QPoint(int(std::lround(pole.x() * zoomFactor)), int(std::lround(pole.y() * zoomFactor))), pole);
    templatePoleStar = pole;
    if (quickAlignment->phase() == QuickAlignment::Phase::Solving)
        quickSolved(pole, QPointF(starA->position.x, starA->position.y));
}

// An INDI camera's frames come scaled from the lens's focal length as entered: a solve that finds
// them at another scale measures the lens. The library uses the measured focal length from the next
// frame on, and the settings keep it for this camera.
bool MainWindow::adoptMeasuredPlateScale(double arcsecPerPx)
{
    // A lens left unknown is measured even when the frames happen to be at the program's scale,
    // which is the scale they are shown at while it is unknown.
    const CameraSource::Choice active = CameraSource::active();
    if (active.kind != CameraSource::Kind::Indi || !(arcsecPerPx > 0)
        || (active.focalLengthMm > 0 && std::fabs(arcsecPerPx / programArcsecPerPx - 1) < scaleTolerance))
        return false;
    const double focalLengthMm = karvix::adoptIndiPlateScale(arcsecPerPx);
    if (!std::isfinite(focalLengthMm))
        return false;
    if (cameraSource.kind == CameraSource::Kind::Indi)
        cameraSource.focalLengthMm = focalLengthMm;
    qInfo("Plate solving: the camera's frames were at %.2f\"/px; its lens measures %.1f mm, used from now on",
        arcsecPerPx, focalLengthMm);
    ui->statusBar->showMessage(
        tr("The plate solve measured the camera's lens: %1 mm focal length, used from now on.")
            .arg(focalLengthMm, 0, 'f', 1));
    return true;
}
