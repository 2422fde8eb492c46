// The alignment wizard in the window: the tip panel, the steps and their buttons, the star picks
// and the template matching on the live image, and the hemisphere.
#include "astrorefractiondialog.h"
#include "axiserrorpanel.h"
#include "axisfit.h"
#include "axismeasurement.h"
#include "hemispherestardata.h"
#include "magnifierwidget.h"
#include "mainwindow.h"
#include "nightstyle.h"
#include "presentation.h"
#include "quickalignment.h"
#include "settingsfile.h"
#include "sharedstate.h"
#include "staralgorithms.h"
#include "starfinder.h"
#include "starmeasure.h"
#include "steppresentation.h"
#include "templatepoles.h"
#include "ui_mainwindow.h"
#include "utcclock.h"
#include "wizardgeometry.h"
#include "wizardstep.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace {

const wizard::TipPage &page(const wizard::TipPanel &panel, WizardStep step)
{
    return panel.pages[step - 1];
}

// The mono pictures serve the night style too.
bool isMono()
{
    const QString style = displayStyle.load();
    return style == QLatin1String("Mono") || style == QLatin1String("Night");
}

} // namespace

void MainWindow::setupTipPanel()
{
    tipPanel = wizard::buildTipPanel(ui->scrollArea_showImg, this);
    const struct
    {
        QPushButton *button;
        void (MainWindow::*slot)();
    } connections[] = {
        {page(tipPanel, STEP_SETTING).done, &MainWindow::pushbuttonSettingDoneClicked},
        {page(tipPanel, STEP_CONFIRM).done, &MainWindow::pushbuttonConfirmDoneClicked},
        {page(tipPanel, STEP_ROTATE_STAR1).reset, &MainWindow::pushbuttonRotateStar1ResetClicked},
        {page(tipPanel, STEP_ROTATE_STAR1).done, &MainWindow::pushbuttonRotateStar1DoneClicked},
        {page(tipPanel, STEP_GET_STAR2).reset, &MainWindow::pushbuttonGetStar2ResetClicked},
        {page(tipPanel, STEP_ROTATE_STAR2).reset, &MainWindow::pushbuttonRotateStar2ResetClicked},
        {page(tipPanel, STEP_ROTATE_STAR2).done, &MainWindow::pushbuttonRotateStar2DoneClicked},
        {page(tipPanel, STEP_GET_STAR3).reset, &MainWindow::pushbuttonGetStar3ResetClicked},
        {page(tipPanel, STEP_VALIDATE_CENTER).reset, &MainWindow::pushbuttonValidateCenterResetClicked},
        {page(tipPanel, STEP_VALIDATE_CENTER).done, &MainWindow::pushbuttonValidateCenterDoneClicked},
        {page(tipPanel, STEP_GET_EPT_POLARIS).done, &MainWindow::pushbuttonGetEptPolarisDoneClicked},
        {page(tipPanel, STEP_MOVE_POLARIS).done, &MainWindow::pushbuttonMovePolarisDoneClicked},
        {page(tipPanel, STEP_GET_CUR_POLARIS).done, &MainWindow::pushbuttonGetCurPolarisDoneClicked},
        {page(tipPanel, STEP_FINETUNE_POLE).reset, &MainWindow::pushbuttonFinetunePoleResetClicked},
        {page(tipPanel, STEP_FINETUNE_POLE).done, &MainWindow::pushbuttonFinetunePoleDoneClicked},
    };
    for (const auto &c : connections)
        connect(c.button, &QPushButton::clicked, this, c.slot);
}

void MainWindow::goToStep(int step)
{
    wizard::WizardView view;
    view.tipPanel = tipPanel.tabWidget;
    view.headButtons = {ui->pushButton_head_region, ui->pushButton_head_setting, ui->pushButton_head_confirm,
        ui->pushButton_head_rough, ui->pushButton_head_precise};
    view.sections
        = {ui->widget_region, ui->widget_setting, ui->widget_confirm, ui->widget_rough, ui->widget_precise};
    view.templateLabel = ui->label_templateImg;
    view.arrow = label_direction;
    view.lamps = {ui->label_starPos1_icon, ui->label_starPos2_icon, ui->label_starPos3_icon};
    view.effectTimer = effectTimer;
    view.sliderGlows = {confirmSliderEffect, roughSliderEffect};
    const int previousStep = session.step();
    if (wizard::applyStep(step, view, isMono())) {
        session.setStep(step);
        sessionLog.addStep(step);
    }
    const int currentStep = session.step();
    showPickedStars();
    if (currentStep != STEP_MOVE_POLARIS)
        roughAxisErrorPanel->hide();
    if (currentStep != STEP_FINETUNE_POLE)
        boltGuideMarks.store({});
    if (currentStep == STEP_CONFIRM && previousStep != STEP_CONFIRM)
        startAutomaticSolve();
    else if (currentStep != STEP_CONFIRM)
        cancelAutomaticSolve();
    if (ui->label_templateImg->isHidden())
        releaseTemplateMasks();
}

// The template images (4.7 MB together) are read when the template is shown and let go when it
// is hidden, so monitoring the pole does not hold them.
const QImage &MainWindow::templateMask(bool north)
{
    QImage *mask = north ? northMaskImage : southMaskImage;
    if (mask->isNull())
        *mask = loadTemplateMask(north);
    return *mask;
}

void MainWindow::releaseTemplateMasks()
{
    *northMaskImage = QImage();
    *southMaskImage = QImage();
}

void MainWindow::MarkTemplatePoles()
{
    markTemplatePoles(northMaskImage, southMaskImage);
}

void MainWindow::setRegionTipTexts(const QString &region)
{
    wizard::setRegionTipTexts(tipPanel, region);
}

// ---- Step buttons --------------------------------------------------------------------------------

// The site comes before the template: the zenith's direction in the template and the pole's
// altitude depend on it, and the refraction correction needs it. Asked once a run unless an
// earlier run knew it; either answer goes on to the template.
void MainWindow::pushbuttonSettingDoneClicked()
{
    if (session.site().known || siteAsked) {
        goToStep(STEP_CONFIRM);
        return;
    }
    siteAsked = true;
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = connect(astroRefractionDialog, &QDialog::finished, this, [this, once] {
        disconnect(*once);
        goToStep(STEP_CONFIRM);
    });
    showRefractionDialog(true);
}

// A centre found earlier (this run, or the last run through the settings file) can be reused,
// which skips the three star positions.
void MainWindow::pushbuttonConfirmDoneClicked()
{
    // The template is matched now: where it puts the pole is where the sky turns about.
    if (templatePoleStar)
        session.setTemplatePole(poleBeside(*templatePoleStar), utcNow(), measureStarField());
    else
        session.forgetTemplatePole();
    const QPointF saved = axisCenter.load();
    if (saved.x() > 0 && saved.y() > 0) {
        const auto answer = QMessageBox::question(nullptr, tr("Question"),
            tr("Would you like to use the 'Axis center position' recorded last time you used Velto Q7 ?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes) {
            session.setAxisCentre(saved, axisCenterCovariance.load(), axisCircleRadius);
            ui->label_axisPos->setText(positionText(saved));
            goToExpectedPolarisStep();
            return;
        }
        axisCenter.store(QPointF(0, 0));
    }
    goToStep(STEP_GET_STAR1);
}

void MainWindow::pushbuttonRotateStar1ResetClicked()
{
    goToStep(STEP_GET_STAR1);
}

void MainWindow::pushbuttonRotateStar1DoneClicked()
{
    goToStep(STEP_GET_STAR2);
}

void MainWindow::pushbuttonGetStar2ResetClicked()
{
    goToStep(STEP_GET_STAR1);
}

void MainWindow::pushbuttonRotateStar2ResetClicked()
{
    goToStep(STEP_GET_STAR1);
}

void MainWindow::pushbuttonRotateStar2DoneClicked()
{
    goToStep(STEP_GET_STAR3);
}

void MainWindow::pushbuttonGetStar3ResetClicked()
{
    goToStep(STEP_GET_STAR1);
}

void MainWindow::pushbuttonValidateCenterResetClicked()
{
    goToStep(STEP_GET_STAR1);
}

void MainWindow::pushbuttonValidateCenterDoneClicked()
{
    axisCenter.store(session.axisCentre());
    axisCenterCovariance.store(session.axisCovariance());
    ui->label_axisPos->setText(positionText(session.axisCentre()));
    goToExpectedPolarisStep();
}

// The rough slider takes over the angle matched in the confirm step, and the reticle goes where
// that match puts Polaris at once: a user who finds the template still matching need not move
// the slider, and the reticle is never drawn at a stale place such as (0, 0).
// While the RA axis is measured, the star picked at each position taken stays ringed where it was.
void MainWindow::showPickedStars()
{
    std::vector<QPointF> marks;
    const int step = session.step();
    if (step >= STEP_GET_STAR1 && step <= STEP_VALIDATE_CENTER)
        for (const AlignmentSession::AxisPosition &position : session.axisPositions())
            marks.push_back(position.star);
    pickedStarMarks.store(marks);
}

void MainWindow::goToExpectedPolarisStep()
{
    {
        const QSignalBlocker quiet(ui->horizontalSlider_rough_match);
        ui->horizontalSlider_rough_match->setValue(session.templateAngle());
    }
    updateExpectedPolarisPos();
    goToStep(STEP_GET_EPT_POLARIS);
}

void MainWindow::pushbuttonGetEptPolarisDoneClicked()
{
    // The rough readout follows Polaris from where the user picked it.
    roughPolarisFollowed = false;
    if (const auto polaris = session.poleStarPick())
        followRoughPolaris(*polaris);
    goToStep(STEP_MOVE_POLARIS);
}

void MainWindow::followRoughPolaris(const QPointF &polaris)
{
    const FrameLease frame = rawImage.latest();
    roughPolaris = polaris;
    roughPolarisPeak = starmeasure::starPeak(frame.image(), polaris.x(), polaris.y());
    roughPolarisFollowed = true;
}

void MainWindow::pushbuttonMovePolarisDoneClicked()
{
    goToStep(STEP_GET_CUR_POLARIS);
}

// Lays the matched template over the image with its Polaris point on Polaris and finds the two
// reference stars the capture thread will follow: A where the template puts it, B (Polaris) itself.
// A star not found keeps its predicted place. Without any pick of Polaris in steps 9 or 11, Polaris
// is taken where the user has just moved it with the bolts: the expected position.
void MainWindow::pushbuttonGetCurPolarisDoneClicked()
{
    const QPointF polaris = session.poleStarPick().value_or(expectedPolarisPos.load());
    const HemisphereStarData &pattern = session.templateStars();
    QPointF starA = wizard::predictedStarA(polaris, pattern.starA, pattern.starB, session.templateAngle());
    measureStar(starA, &starA);
    starASearchPos.store(starA);
    QPointF starB = polaris;
    measureStar(polaris, &starB);
    starBSearchPos.store(starB);
    session.setReferenceStars(starA, starB);
    trackedRaTurn = 0.0;
    goToStep(STEP_CALC_POLE);
}

void MainWindow::on_pushButton_monitor_clicked()
{
    updatePoleAngles();
    boltGuide.restart();
    altitudeTurns.restart();
    azimuthTurns.restart();
    goToStep(STEP_FINETUNE_POLE);
}

void MainWindow::pushbuttonFinetunePoleResetClicked()
{
    leaveQuickAlignment();
    goToStep(STEP_SETTING);
}

void MainWindow::pushbuttonFinetunePoleDoneClicked()
{
    leaveQuickAlignment(); // Done before the quick alignment finished by itself
    goToStep(STEP_FINISHED);
    session.setFinished(true);
    showAlignmentSummary();
}

// ---- Hemisphere ----------------------------------------------------------------------------------

void MainWindow::on_radioButton_north_toggled(bool checked)
{
    if (checked)
        selectHemisphere(QStringLiteral("North"), northStarData);
}

void MainWindow::on_radioButton_south_toggled(bool checked)
{
    if (checked)
        selectHemisphere(QStringLiteral("South"), southStarData);
}

void MainWindow::selectHemisphere(const QString &region, const HemisphereStarData &data)
{
    regionName = region;
    session.setNorth(region != QLatin1String("South"), data);
    templatePoleStar.reset();
    updatePoleAngles();
    setRegionTipTexts(region);
    goToStep(STEP_SETTING);
}

// The capture thread's angles for the hemisphere, at the instant of the program's clock, and the
// sky's turn between the zenith and the reference stars at the site, which points the refraction
// correction; the template gives the image's handedness.
void MainWindow::updatePoleAngles()
{
    const bool north = regionName == QLatin1String("North");
    const Hemisphere hemisphere = north ? Hemisphere::North : Hemisphere::South;
    const double utc = utcNow();
    const PoleTriangleAngles now
        = starGeometry.angles(hemisphere, utc, north ? northStarData : southStarData);
    const auto at = [](const QPointF &p) { return ImagePosition {p.x(), p.y()}; };
    const HemisphereStarData &pattern = session.templateStars();
    // The settings keep the latitude without its sign; the hemisphere choice gives it.
    const double turn = starGeometry.zenithToLineTurnDeg(hemisphere, utc,
        std::fabs(siteLatitude.load()) * (north ? 1 : -1), session.site().longitudeDeg, at(pattern.pole),
        at(pattern.starA), at(pattern.starB), &imageEastTurn);
    const QPointF line = pattern.starB - pattern.starA, toPole = pattern.pole - pattern.starA;
    const double cross = line.x() * toPole.y() - line.y() * toPole.x();
    poleAngles.store({now.bap, now.abp,
        starGeometry.hasCatalogue() ? polestatistics::instantAnglesErrorArcsec
                                    : polestatistics::yearlyAnglesErrorArcsec,
        turn,
        cross > 0       ? 1
            : cross < 0 ? -1
                        : 0});
}

// ---- Pointer on the image and on the tip panel ---------------------------------------------------

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->label_showImg && handleImageEvent(event))
        return true;
    if (watched != ui->label_showImg && handleTipPageEvent(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::handleImageEvent(QEvent *event)
{
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (!cameraConnected || (event->type() != QEvent::MouseMove && !doubleClick))
        return false;
    const QPointF pos = static_cast<QMouseEvent *>(event)->localPos();
    const QPoint labelPos(qRound(pos.x()), qRound(pos.y()));
    updatePointer(labelPos);
    if (doubleClick) // any button picks a star
        pickStar(labelPos, wizard::labelToImage(labelPos, zoomFactor));
    return true;
}

// The panel covers the top of the image: moves over it keep the readout and the magnifier going,
// and a double click on its text picks the star beneath as on the image itself (its buttons take
// their own clicks). The place is the image label's, whatever the image is scrolled to.
bool MainWindow::handleTipPageEvent(QObject *page, QEvent *event)
{
    if (!cameraConnected
        || (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonDblClick))
        return false;
    const bool isPage = std::any_of(tipPanel.pages.begin(), tipPanel.pages.end(),
        [page](const wizard::TipPage &p) { return p.page == page; });
    if (!isPage)
        return false;
    const QPoint onPage = static_cast<QMouseEvent *>(event)->pos();
    const QPoint labelPos
        = ui->label_showImg->mapFromGlobal(static_cast<QWidget *>(page)->mapToGlobal(onPage));
    if (!ui->label_showImg->pixmap(Qt::ReturnByValue).rect().contains(labelPos))
        return false;
    updatePointer(labelPos);
    if (event->type() == QEvent::MouseButtonDblClick)
        pickStar(labelPos, wizard::labelToImage(labelPos, zoomFactor));
    return true;
}

void MainWindow::updatePointer(const QPoint &labelPos)
{
    label_cursorPos->setText(wizard::cursorText(wizard::labelToImage(labelPos, zoomFactor)));
    const QPixmap shown = ui->label_showImg->pixmap(Qt::ReturnByValue);
    if (shown.isNull()) {
        qCritical("no pixmap has been set in the Label_showImg");
        return;
    }
    magnifier->setSourcePixmap(shown);
    magnifier->setCenter(labelPos.x(), labelPos.y());
    magnifier->repaint();
}

// The star pick reads the latest published frame, which the capture thread does not overwrite
// while the lease is held.
bool MainWindow::measureStar(const QPointF &near, QPointF *star) const
{
    const FrameLease frame = rawImage.latest();
    double x = near.x(), y = near.y();
    if (starmeasure::backgroundAwareStarPos(
            frame.image(), near.x(), near.y(), &x, &y, starmeasure::medianOfRegion)
        != 0)
        return false;
    *star = QPointF(x, y);
    return true;
}

std::vector<cv::Point2d> MainWindow::measureStarField() const
{
    const FrameLease frame = rawImage.latest();
    return findStars(frame.image());
}

void MainWindow::pickStar(const QPoint &labelPos, const QPointF &imagePos)
{
    if (quickAlignment->running())
        return; // the quick alignment takes its positions itself
    QPointF star;
    const bool found = measureStar(imagePos, &star);
    const int currentStep = session.step();
    sessionLog.addPick(currentStep, imagePos, found ? &star : nullptr);
    if (!found) {
        QMessageBox::warning(
            this, tr("Warn"), tr("Seems no star in this point, please try other point."), QMessageBox::Ok);
        return;
    }
    switch (currentStep) {
    case STEP_CONFIRM:
    case STEP_GET_EPT_POLARIS:
    case STEP_GET_CUR_POLARIS: {
        // The template goes where the user clicked, not onto the measured star.
        placeTemplateAt(labelPos, imagePos);
        if (currentStep == STEP_CONFIRM)
            templatePoleStar = star;
        else {
            session.setPoleStarPick(star);
            ui->label_curPos->setText(positionText(star));
        }
        effectTimer->start();
        break;
    }
    case STEP_MOVE_POLARIS:
        // Polaris picked again after the readout lost it (a bolt turned far between two frames).
        followRoughPolaris(star);
        break;
    case STEP_GET_STAR1:
        session.startAxisPositions();
        session.addAxisPosition({star, utcNow(), measureStarField()});
        goToStep(STEP_ROTATE_STAR1);
        break;
    case STEP_GET_STAR2:
        session.addAxisPosition({star, utcNow(), measureStarField()});
        goToStep(STEP_ROTATE_STAR2);
        break;
    case STEP_GET_STAR3:
        session.addAxisPosition({star, utcNow(), measureStarField()});
        fitAxisCenter();
        break;
    default:
        break;
    }
}

// The RA axis is the centre of the circle the chosen star describes while the axis turns. Every
// other star of the field turns about the same centre, so with the refinement on, the centre of
// all the stars' common rotation is taken instead when it is better determined. The circle shown
// stays the chosen star's. Between the positions the sky has turned about the pole, which the
// matched template places; that turn is taken out first.
void MainWindow::fitAxisCenter()
{
    const bool refine = ui->actionRefine_Axis_Centre->isChecked();
    const axismeasurement::Measurement m
        = session.measureAxis(refine, axisfit::cameraLens(cv::Size(KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT)));
    if (!m.ok) {
        qCritical("Axis centre: %s", m.failure);
        QMessageBox::warning(this, tr("Warn"),
            tr("Can not get the Axis center, please click 'reset' to re-find it."), QMessageBox::Ok);
        return;
    }
    if (refine && !m.fit.ok)
        qCritical("Axis centre from all stars: %s; the chosen star's circle is used.", m.fit.failure);
    logAxisMeasurement(m);
    if (!m.consistent) {
        qCritical(
            "Axis centre rejected: the stars did not turn about one point (%.2f px)", m.inconsistencyPx);
        QMessageBox::warning(this, tr("Warn"),
            tr("The stars did not turn about one point between the three positions (they disagree by %1″): "
               "the camera may have shifted in its holder, the RA clutch slipped or a cable pulled the "
               "mount. "
               "Please make sure all is firm, return the RA axis to where it started and measure the axis "
               "centre again.")
                .arg(m.inconsistencyPx * cameraArcsecPerPixel, 0, 'f', 0),
            QMessageBox::Ok);
        goToStep(STEP_GET_STAR1);
        return;
    }
    adoptAxisCentre();
    goToStep(STEP_VALIDATE_CENTER);
}

void MainWindow::logAxisMeasurement(const axismeasurement::Measurement &m) const
{
    const auto &positions = session.axisPositions();
    qInfo("Axis centre (%.2f,%.2f) +- %.2f px from %s (%d stars, %.3f px each, fit +- %.3f px); sky turned "
          "%.0f s, positions disagree by %.2f px",
        m.centre.centre.x, m.centre.centre.y, axisfit::radialSigma(m.centre.covariance),
        m.centre.fromAllStars ? "all stars" : "the chosen star's circle", m.fit.starsUsed, m.fit.noisePx,
        axisfit::radialSigma(m.fit.covariance), positions.last().utc - positions.first().utc,
        m.inconsistencyPx);
}

// A consistent measurement: kept for the next run and shown beside its circle.
void MainWindow::adoptAxisCentre()
{
    axisCenter.store(session.axisCentre());
    axisCenterCovariance.store(session.axisCovariance());
    axisCircleRadius = session.axisCircleRadius();
    ui->label_axisPos->setText(positionText(session.axisCentre())); // beside the circle it belongs to
}

// The celestial pole where the matched template, laid on the pole star at `poleStar`, puts it.
QPointF MainWindow::poleBeside(const QPointF &poleStar) const
{
    return wizard::expectedPolarisPosition(
        session.templateStars().starB, session.templateStars().pole, session.templateAngle(), poleStar);
}

// ---- Template matching ---------------------------------------------------------------------------

void MainWindow::placeTemplateAt(const QPoint &labelPos, const QPointF &imagePos)
{
    clickLabelPos = labelPos;
    session.setTemplatePosition(imagePos);
    QLabel *label = ui->label_templateImg;
    label->move(labelPos.x() - label->width() / 2, labelPos.y() - label->height() / 2);
    label->show();
    drawTemplate(session.templateAngle());
}

void MainWindow::drawTemplate(int angle)
{
    if (ui->label_templateImg->isHidden())
        return;
    const QImage &mask = templateMask(regionName != QLatin1String("South"));
    const wizard::PlacedTemplate placed = wizard::placeTemplate(mask, zoomFactor, angle, clickLabelPos);
    ui->label_templateImg->setGeometry(placed.geometry);
    const QPixmap picture = QPixmap::fromImage(placed.image);
    ui->label_templateImg->setPixmap(
        displayStyle.load() == QLatin1String("Night") ? nightTinted(picture) : picture);
}

void MainWindow::on_horizontalSlider_confirm_match_valueChanged(int value)
{
    templateTurnedByHand = true;
    session.setTemplateAngle(value);
    drawTemplate(value);
}

void MainWindow::on_horizontalSlider_rough_match_valueChanged(int value)
{
    session.setTemplateAngle(value);
    drawTemplate(value);
    updateExpectedPolarisPos();
}

// Polaris must stand at the axis centre shifted by the matched template's vector from the pole to
// Polaris; then the celestial pole lies on the RA axis.
void MainWindow::updateExpectedPolarisPos()
{
    const QPointF expected = wizard::expectedPolarisPosition(session.templateStars().pole,
        session.templateStars().starB, session.templateAngle(), axisCenter.load());
    expectedPolarisPos.store(expected);
    ui->label_eptPos->setText(positionText(expected));
}

// Both sliders share the template's angle; the buttons step it and move their own slider, whose slot then
// redraws (only when its value really changes).
void MainWindow::stepMatchAngle(QSlider *slider, int delta)
{
    session.setTemplateAngle(std::clamp(session.templateAngle() + delta, 0, 360));
    slider->setValue(session.templateAngle());
}

void MainWindow::on_pushButton_confirm_minus_clicked()
{
    stepMatchAngle(ui->horizontalSlider_confirm_match, -1);
}

void MainWindow::on_pushButton_confirm_add_clicked()
{
    stepMatchAngle(ui->horizontalSlider_confirm_match, 1);
}

void MainWindow::on_pushButton_rough_minus_clicked()
{
    stepMatchAngle(ui->horizontalSlider_rough_match, -1);
}

void MainWindow::on_pushButton_rough_add_clicked()
{
    stepMatchAngle(ui->horizontalSlider_rough_match, 1);
}

void MainWindow::increaseAngleTimeout()
{
    reticleAngle = wizard::reticleAngleAt(utcNow());
}

// Blinks the glow of the slider the user should turn after picking Polaris.
void MainWindow::graphicsEffectTimeout()
{
    QGraphicsEffect *glow = nullptr;
    const int currentStep = session.step();
    if (currentStep == STEP_CONFIRM)
        glow = confirmSliderEffect;
    else if (currentStep == STEP_GET_EPT_POLARIS || currentStep == STEP_GET_CUR_POLARIS)
        glow = roughSliderEffect;
    if (glow)
        glow->setEnabled(!glow->isEnabled());
}
