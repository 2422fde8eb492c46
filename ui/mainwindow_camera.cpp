// mainwindow_camera.cpp - the camera side of the main window: the camera library's start-up and
// shut-down, Connect/Disconnect, the exposure and gain presets, the live view fed by the capture
// thread (showImages), zoom, Mono Style and Save As.
#include "axiserrorpanel.h"
#include "mainwindow.h"
#include "staralgorithms.h"
#include "starmeasure.h"

#include "cameraconnection.h"
#include "camerasource.h"
#include "capturethread.h"
#include "magnifierwidget.h"
#include "nightstyle.h"
#include "presentation.h"
#include "readoutwords.h"
#include "sharedstate.h"
#include "source.h"
#include "steppresentation.h"
#include "ui_mainwindow.h"
#include "utcclock.h"
#include "virtualmountwindow.h"
#include "wizardgeometry.h"
#include "wizardstep.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtMath>

namespace {
// A star followed from frame to frame whose peak falls below this share of the followed star's
// is another star: seeing changes a star's peak by a few tens of per cent, never by half.
constexpr double lostStarPeakFraction = 0.5;
constexpr int connectRetryMs = 250;
// Longer than the source's own waits for its server (3 s) and device (5 s) to answer.
constexpr int connectPatienceMs = 20000;

// A recording that cannot be replayed says why in one line.
// Logs why the camera source failed and returns it, empty when it does not know.
QString logSourceProblem()
{
    const std::string problem = karvix::sourceProblem();
    if (!problem.empty())
        qCritical("Camera source: %s", problem.c_str());
    return QString::fromStdString(problem);
}
} // namespace

void MainWindow::initialiseCameraLibrary()
{
    // A source that fails while it streams (an INDI server that went away) says so in one line.
    karvix::setProblemLog([](const std::string &line) { qCritical("Camera source: %s", line.c_str()); });
    connectRetry = new QTimer(this);
    connectRetry->setSingleShot(true);
    connectRetry->setInterval(connectRetryMs);
    connect(connectRetry, &QTimer::timeout, this, &MainWindow::connectToCamera);
    if (InitKARVIXResource() != 0) {
        qCritical("InitKARVIXResource: failed");
        sdkReady = false;
    } else {
        sdkReady = true;
    }
}

// The window is closing: the capture loop returns before the stream is stopped and the camera
// closed, and the library is not used again.
void MainWindow::shutDownCameraLibrary()
{
    shutDownCamera(*captureThread);
    showVirtualMount(false);
}

// The simulated camera comes with a tool window to turn its mount by hand, shown while the
// camera is open.
void MainWindow::showVirtualMount(bool shown)
{
    // A recorded session has no mount to turn.
    shown = shown && karvix::selectedSource().kind == karvix::SourceChoice::Kind::Simulator;
    if (shown && !virtualMount) {
        virtualMount = new VirtualMountWindow(this);
        virtualMount->setWindowFlag(Qt::Tool);
        // Beside the window rather than over the live image it changes; where the screen has no
        // room beside it (a maximised window), at the screen's right edge over the window.
        virtualMount->adjustSize();
        const QRect screen = windowHandle() && windowHandle()->screen()
            ? windowHandle()->screen()->availableGeometry()
            : QRect(frameGeometry().topLeft(), virtualMount->frameSize());
        const QSize size = virtualMount->frameSize();
        QPoint place = frameGeometry().topRight() + QPoint(8, 0);
        place.setX(std::max(screen.left(), std::min(place.x(), screen.right() + 1 - size.width())));
        place.setY(std::max(screen.top(), std::min(place.y(), screen.bottom() + 1 - size.height())));
        virtualMount->move(place);
    }
    if (virtualMount)
        virtualMount->setVisible(shown);
}

void MainWindow::on_actionConnect_triggered()
{
    if (!sdkReady || connectRetry->isActive())
        return;
    if (cameraConnected) {
        disconnectFromCamera();
        return;
    }
    connectStarted.start();
    // An INDI camera not reached before (a server started since) is tried afresh by each Connect.
    karvix::reachSource();
    connectToCamera();
}

// A camera on an INDI server may still be being reached when Connect is pressed (the source starts
// reaching it when chosen). The window then asks again a little later rather than waiting, until
// the source is ready, reports a fault or the patience runs out; the library's open, which fails
// with the reason, then decides.
void MainWindow::connectToCamera()
{
    if (karvix::sourceConnecting() && connectStarted.elapsed() < connectPatienceMs) {
        ui->statusBar->showMessage(tr("Connecting to the camera..."), 2 * connectRetryMs);
        connectRetry->start();
        return;
    }
    ui->statusBar->clearMessage();
    switch (connectCamera()) {
    case ConnectOutcome::LibraryNotReady:
        return;
    case ConnectOutcome::StreamModeFailed: // logged only
        clearCameraView();
        return;
    case ConnectOutcome::NoCamera:
        clearCameraView();
        QMessageBox::information(this, tr("Info"), tr("No Velto Q7 camera found!"), QMessageBox::Ok);
        return;
    case ConnectOutcome::OpenFailed:
        clearCameraView();
        {
            // The box says what it always said, and then why, as far as the source knows.
            const QString why = logSourceProblem();
            QMessageBox::critical(this, tr("Error"),
                tr("Can not connect Velto Q7 camera as open error!")
                    + (why.isEmpty() ? QString() : QStringLiteral("\n\n") + why),
                QMessageBox::Ok);
            return;
        }
    case ConnectOutcome::InitFailed:
        clearCameraView();
        QMessageBox::critical(this, tr("Error"), tr("Can not connect Velto Q7 camera as initialize error!"));
        return;
    case ConnectOutcome::Connected:
        break;
    }
    clearCameraView(); // a new alignment: nothing of the last one's pole, figures or readout stays
    ui->actionConnect->setText(tr("Disconnect"));
    alignmentStartUtc = utcNow();
    goToStep(1);
    setCameraActionsEnabled(true);
    QString title = cameraWindowTitle(QString::fromLatin1(cameraId));
    // An INDI camera's id is the same for every camera; the title names the one it stands for.
    const CameraSource::Choice source = CameraSource::active();
    if (source.kind == CameraSource::Kind::Indi)
        title += tr(" - %1 on %2:%3").arg(source.device, source.host).arg(source.port);
    setWindowTitle(title);
    captureThread->startCapture();
    showVirtualMount(true);
    beginPlayback();
}

// A camera that refuses to close stays connected with its menus; the next Connect tries again.
void MainWindow::disconnectFromCamera()
{
    if (!disconnectCamera(*captureThread))
        return;
    ui->actionConnect->setText(tr("Connect"));
    endPlayback();
    leaveQuickAlignment();
    goToStep(0);
    setCameraActionsEnabled(false);
    showVirtualMount(false);
}

void MainWindow::setCameraActionsEnabled(bool enabled)
{
    ui->actionSave_As->setEnabled(enabled);
    ui->actionDisplay_Template->setEnabled(enabled);
    ui->actionAstronomical_Refraction->setEnabled(enabled);
    ui->actionManual_Trace->setEnabled(enabled);
    ui->menuZoom->setEnabled(enabled);
    ui->actionCamera_Source->setEnabled(!enabled); // the source changes while no camera is open
}

// The presets only store the value; the capture loop sends it to the camera between frames (or
// at stream start when no camera streams yet).
void MainWindow::on_pushButton_exp_50_clicked()
{
    chooseExposure(ui->pushButton_exp_50, 50000.0);
}

void MainWindow::on_pushButton_exp_100_clicked()
{
    chooseExposure(ui->pushButton_exp_100, 100000.0);
}

void MainWindow::on_pushButton_exp_200_clicked()
{
    chooseExposure(ui->pushButton_exp_200, 200000.0);
}

void MainWindow::on_pushButton_exp_300_clicked()
{
    chooseExposure(ui->pushButton_exp_300, 300000.0);
}

void MainWindow::on_pushButton_gain_50_clicked()
{
    chooseGain(ui->pushButton_gain_50, 50);
}

void MainWindow::on_pushButton_gain_70_clicked()
{
    chooseGain(ui->pushButton_gain_70, 70);
}

void MainWindow::on_pushButton_gain_90_clicked()
{
    chooseGain(ui->pushButton_gain_90, 90);
}

void MainWindow::on_pushButton_gain_100_clicked()
{
    chooseGain(ui->pushButton_gain_100, 100);
}

std::array<QPushButton *, 4> MainWindow::exposureButtons() const
{
    return {ui->pushButton_exp_50, ui->pushButton_exp_100, ui->pushButton_exp_200, ui->pushButton_exp_300};
}

std::array<QPushButton *, 4> MainWindow::gainButtons() const
{
    return {ui->pushButton_gain_50, ui->pushButton_gain_70, ui->pushButton_gain_90, ui->pushButton_gain_100};
}

void MainWindow::chooseExposure(QPushButton *chosen, double exposureUs)
{
    exposureTime = exposureUs;
    for (QPushButton *button : exposureButtons())
        button->setChecked(button == chosen);
    sessionLog.addCamera(exposureUs, gain);
}

void MainWindow::chooseGain(QPushButton *chosen, int value)
{
    gain = value;
    for (QPushButton *button : gainButtons())
        button->setChecked(button == chosen);
    sessionLog.addCamera(exposureTime, value);
}

// At most one frame and one magnified crop per tick; the queues' locks are held only to take the
// image, not while it is scaled or shown.
void MainWindow::showImages()
{
    followFreshness();
    QImage frame;
    if (frameQueue.take(&frame)) {
        const QSize size = displaySize(zoomFactor, frameWidth, frameHeight, frame.size());
        // The pixmap shares the frame's pixels (the capture thread draws in the screen's pixel
        // format); the frame's buffer goes back to the capture thread when the next one is shown.
        showFrame(scaleForDisplay(frame, size));
        if (session.step() == STEP_MOVE_POLARIS)
            showRoughAxisError();
    }
    // Crops queued when monitoring ended wait for the next time it starts.
    if (monitorPole && magnifierQueue.take(&biggerViewImage)) {
        showMagnifiedCrop();
        const QImage rgb = biggerViewImage.convertToFormat(QImage::Format_RGB888); // shared when it is
        session.setPoleView(cv::Mat(rgb.height(), rgb.width(), CV_8UC3, const_cast<uchar *>(rgb.constBits()),
            size_t(rgb.bytesPerLine())));
        ui->label_refStarA_pos->setText(positionText(starAPos.load()));
        ui->label_refStarB_pos->setText(positionText(starBPos.load()));
        ui->label_pole->setText(positionText(polePos.load()));
        const double sigma = poleSigmaArcsec;
        ui->label_poleSigma->setText(sigma > 0 ? readoutwords::sigmaText(sigma) : QString());
        showAxisError(sigma);
    }
}

// How far the axis centre is off `pole`, in the site's altitude and azimuth: the zenith's image
// direction is the line from star A to star B turned back by `turnDeg` (zenithdirection.h). False
// while the orientation is unknown.
bool MainWindow::axisErrorInImage(const QPointF &pole, const QPointF &starA, const QPointF &starB,
    double turnDeg, AxisErrorArcsec *error, PoleInImage *used) const
{
    const QPointF line = starB - starA;
    if (!std::isfinite(turnDeg) || imageEastTurn == 0 || line.isNull())
        return false;
    PoleInImage inImage;
    inImage.pole = {pole.x(), pole.y()};
    inImage.zenithAngleDeg = imageAngleDeg(line.x(), line.y()) - turnDeg;
    inImage.eastAngleDeg = inImage.zenithAngleDeg + 90.0 * imageEastTurn;
    inImage.zenithArcsecPerPx = cameraArcsecPerPixel;
    inImage.eastArcsecPerPx = cameraArcsecPerPixel;
    inImage.poleAltitudeDeg = std::fabs(siteLatitude.load());
    const QPointF axis = axisCenter.load();
    // The camera's own plate scale: no refraction to take out of it (pressure 0).
    *error = axisErrorArcsec(inImage, {axis.x(), axis.y()}, 0.0, airTemperature);
    if (used)
        *used = inImage;
    return true;
}

// The monitored pole against the axis centre, the reference stars as the capture thread last
// measured them. Hidden while the orientation is unknown.
void MainWindow::showAxisError(double sigmaArcsec)
{
    AxisErrorArcsec error;
    PoleInImage inImage;
    if (!axisErrorInImage(polePos.load(), starAPos.load(), starBPos.load(),
            poleAngles.load().zenithToLineTurnDeg, &error, &inImage)) {
        session.setReadout({});
        axisErrorPanel->hide();
        boltGuideMarks.store({});
        return;
    }
    updateBoltGuide(inImage);
    AlignmentSession::Readout readout = AlignmentSession::readoutFor(
        error, std::fabs(siteLatitude.load()), sigmaArcsec, session.site().known);
    readout.stale = !staleNote.isEmpty();
    readout.staleReason = staleNote;
    session.setReadout(readout);
    axisErrorPanel->showError(error, std::fabs(siteLatitude.load()), session.north());
    showTurns(error, sigmaArcsec);
    axisErrorPanel->setSiteKnown(readout.siteKnown);
    axisErrorPanel->show();
}

// Each knob's move in quarter turns (boltturns.h). A reading that differs from the last by less
// than twice the pole's uncertainty, or than the pole camera's reach, is the pole's noise, not a turn.
void MainWindow::showTurns(const AxisErrorArcsec &error, double sigmaArcsec)
{
    const double noise = std::max(2.0 * sigmaArcsec, polartarget::measurableArcsec);
    const auto [raise, east] = boltturns::neededMoves(error, std::fabs(siteLatitude.load()));
    const boltturns::Advice altitude = altitudeTurns.advise(raise, noise);
    const boltturns::Advice azimuth = azimuthTurns.advise(east, noise);
    axisErrorPanel->setTurns(readoutwords::turns(true, altitude), readoutwords::turns(false, azimuth));
}

// The altitude bolt moves the pole along the zenith's image direction and the azimuth bolt along
// the east's, until the user's turns teach otherwise (boltguide.h).
void MainWindow::updateBoltGuide(const PoleInImage &inImage)
{
    const auto direction = [](double degrees) {
        return cv::Vec2d(std::cos(qDegreesToRadians(degrees)), -std::sin(qDegreesToRadians(degrees)));
    };
    boltGuide.setExpected(direction(inImage.zenithAngleDeg), direction(inImage.eastAngleDeg));
    const cv::Point2d pole(inImage.pole.x, inImage.pole.y);
    boltGuide.addPole(pole);
    const QPointF axis = axisCenter.load();
    cv::Point2d altitudeStop, azimuthStop;
    if (!boltGuide.stops(pole, {axis.x(), axis.y()}, &altitudeStop, &azimuthStop)) {
        boltGuideMarks.store({});
        return;
    }
    boltGuideMarks.store(
        {true, QPointF(altitudeStop.x, altitudeStop.y), QPointF(azimuthStop.x, azimuthStop.y)});
}

// While Polaris is moved into the reticle: Polaris followed from frame to frame from where it was
// picked, the pole where the matched template puts it beside Polaris (Polaris in the reticle puts
// the pole on the axis centre) and star A where the template puts it. Without refraction, so
// rough; hidden once Polaris is lost (a bolt turned too far between two frames: the star found
// near its last place is then another, fainter one, or none) until the user picks it again.
void MainWindow::showRoughAxisError()
{
    const FrameLease frame = rawImage.latest();
    double x = 0, y = 0;
    if (roughPolarisFollowed
        && (starmeasure::backgroundAwareStarPos(
                frame.image(), roughPolaris.x(), roughPolaris.y(), &x, &y, starmeasure::medianOfRegion)
                != 0
            || starmeasure::starPeak(frame.image(), x, y) < lostStarPeakFraction * roughPolarisPeak)) {
        qInfo("Rough axis error: Polaris lost near (%.1f, %.1f)", roughPolaris.x(), roughPolaris.y());
        roughPolarisFollowed = false;
    }
    const QPointF polaris(x, y);
    const HemisphereStarData &pattern = session.templateStars();
    AxisErrorArcsec error;
    if (!roughPolarisFollowed
        || !axisErrorInImage(axisCenter.load() + polaris - expectedPolarisPos.load(),
            wizard::predictedStarA(polaris, pattern.starA, pattern.starB, session.templateAngle()), polaris,
            poleAngles.load().zenithToLineTurnDeg, &error)) {
        roughAxisErrorPanel->hide();
        return;
    }
    roughPolaris = polaris;
    roughAxisErrorPanel->showError(
        error, std::fabs(siteLatitude.load()), regionName != QLatin1String("South"));
    roughAxisErrorPanel->show();
}

void MainWindow::on_action100_toggled(bool checked)
{
    if (checked)
        applyZoom(1.0f);
}

void MainWindow::on_action75_toggled(bool checked)
{
    if (checked)
        applyZoom(0.75f);
}

void MainWindow::on_action50_toggled(bool checked)
{
    if (checked)
        applyZoom(0.5f);
}

// The next frame shown takes the new size; the arrow, the template and (while the template is
// being matched) the click position follow now.
void MainWindow::applyZoom(float zoom)
{
    zoomFactor = zoom;
    scaleDirectionArrow(zoomFactor);
    placeTemplateLabel(zoomFactor, regionName);
    if (session.step() == 2 || session.step() == 9 || session.step() == 11) {
        const QPointF anchor = session.templatePosition();
        clickLabelPos = QPoint(int(zoom * anchor.x()), int(zoom * anchor.y()));
        drawTemplate(session.templateAngle());
    }
}

// The arrow is the way the stars travel in the image, which is not the way the mount turns (the
// camera turns with the RA axis, so the field turns against it): the words under the arc say so.
void MainWindow::scaleDirectionArrow(float zoom)
{
    QPixmap arrow(QStringLiteral(":/images/direction.png"));
    {
        QPainter painter(&arrow);
        QFont font = painter.font();
        font.setPixelSize(18);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(0xf0, 0x96, 0x1e)); // the arrow's orange
        const int top = arrow.height() * 3 / 5;   // below the arc, which fills the upper part
        painter.drawText(QRect(0, top, arrow.width(), arrow.height() - top),
            Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, tr("The stars move this way in the image"));
    }
    label_direction->setPixmap(arrow.scaled(int(arrow.width() * zoom), int(arrow.height() * zoom),
        Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// The hemisphere's star-pattern template, scaled to the zoom and centred on the click position.
void MainWindow::placeTemplateLabel(float zoom, const QString &region)
{
    if (ui->label_templateImg->isHidden())
        return; // a hidden template keeps no picture; a click that shows it places it
    if (region != QLatin1String("South") && region != QLatin1String("North"))
        return;
    const QImage &mask = templateMask(region == QLatin1String("North"));
    if (mask.isNull())
        return;
    const int w = int(mask.width() * zoom);
    const int h = int(mask.height() * zoom);
    const QPointF anchor = session.templatePosition();
    ui->label_templateImg->setGeometry(int(zoom * anchor.x() - w / 2), int(zoom * anchor.y() - h / 2), w, h);
    const QImage scaled = mask.scaled(w, h, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    ui->label_templateImg->setPixmap(QPixmap::fromImage(scaled));
}

void MainWindow::on_actionMono_Style_toggled(bool checked)
{
    applyDisplayStyle(checked ? QStringLiteral("Mono") : QStringLiteral("Color"));
}

void MainWindow::on_actionNight_Style_toggled(bool checked)
{
    applyDisplayStyle(checked ? QStringLiteral("Night") : QStringLiteral("Color"));
}

// "Color", "Mono" or "Night": one of the two style actions checked, or neither. The night style
// keeps the mono pictures (no colour) and turns the window dark red; the overlays follow through
// the shared displayStyle.
void MainWindow::applyDisplayStyle(const QString &style)
{
    const bool night = style == QLatin1String("Night");
    const bool mono = style == QLatin1String("Mono") || night;
    displayStyle.store(style);
    {
        const QSignalBlocker quietMono(ui->actionMono_Style), quietNight(ui->actionNight_Style);
        ui->actionMono_Style->setChecked(style == QLatin1String("Mono"));
        ui->actionNight_Style->setChecked(night);
    }
    applyNightStyle(this, night);
    magnifier->setNightStyle(night);
    magnifier->update();
    confirmSliderEffect->setColor(sliderGlowColor(mono));
    roughSliderEffect->setColor(sliderGlowColor(mono));
    const auto icon
        = [night](const QString &path) { return night ? nightTinted(QPixmap(path)) : QPixmap(path); };
    // The logo is the label's background picture; at night a tinted copy takes its place.
    if (night) {
        ui->label_logo->setStyleSheet(QStringLiteral("padding: 0px; margin-top: -5px;"));
        ui->label_logo->setPixmap(nightTinted(QPixmap(QStringLiteral(":/images/logo.png"))));
    } else {
        ui->label_logo->setPixmap(QPixmap());
    }
    ui->label_precise_poleIcon->setPixmap(icon(poleIconPicture(mono)));
    ui->label_precise_axisIcon->setPixmap(icon(axisIconPicture(mono)));
    wizard::restyleLamps({ui->label_starPos1_icon, ui->label_starPos2_icon, ui->label_starPos3_icon}, mono);
    drawTemplate(session.templateAngle()); // its circles in the style's colour, where it is shown
}

void MainWindow::on_actionSave_As_triggered()
{
    if (cameraConnected)
        saveSnapshotAs(this, ui->label_showImg->pixmap(Qt::ReturnByValue).toImage());
}
