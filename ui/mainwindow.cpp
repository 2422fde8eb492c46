#include "mainwindow.h"
#include "axiserrorpanel.h"

#include "aboutdialog.h"
#include "adjusterpanel.h"
#include "astrorefractiondialog.h"
#include "cameraconnection.h"
#include "capturethread.h"
#include "hemispherestardata.h"
#include "magnifierwidget.h"
#include "phoneviewdialog.h"
#include "poletrackingdialog.h"
#include "presentation.h"
#include "sharedstate.h"
#include "ui_mainwindow.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QLabel>
#include <QPixmapCache>
#include <QScrollBar>
#include <QTimer>
#include <QTranslator>
#include <algorithm>

namespace {

// Slider glow and icons of the two overlay styles; the glow marks the slider the user should move.
const QColor colorGlow(224, 134, 26, 255);
const QColor monoGlow(248, 248, 255, 255);

QGraphicsDropShadowEffect *createSliderGlow()
{
    auto *effect = new QGraphicsDropShadowEffect;
    effect->setBlurRadius(20);
    effect->setOffset(0, 0);
    effect->setColor(colorGlow);
    effect->setEnabled(false);
    return effect;
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow), clickLabelPos(0, 0)
{
    ui->setupUi(this);
    fitLeftPanelWidth();
    setupMagnifierAndReadouts();
    setupMount();
    setupWizardPictures();
    setupTipPanel();
    setupMenuGroups();
    setupImageArea();
    setupDialogs();
    // The capture thread allocates the frame buffer and the working images once, here; it starts
    // only on Connect.
    captureThread = new CaptureThread;
    setupTimers();
    setFixedStreamParameters();

    LoadStarPosData();
    MarkTemplatePoles();
    if (!loadSettings())
        setDefaultSettings();
    showStoredHemisphere();
    showStoredStyle();
    showStoredZoomAndLanguage();
    showUnconnectedState();

    initialiseCameraLibrary();
    setupRecording();
    setupPlateSolving();
    setupQuickAlignment();
    setupFreshness();
}

void MainWindow::fitLeftPanelWidth()
{
    // The left panel keeps the width of its widest section, so opening a section never needs a
    // horizontal scroll bar and the image area does not jump. All sections are still open here.
    // Polished first, so the style sheet's paddings and borders are counted.
    ensurePolished();
    const int panelWidth = ui->scrollAreaWidgetContents_manager->minimumSizeHint().width();
    ui->scrollAreaWidgetContents_manager->setMinimumWidth(panelWidth);
    ui->scrollArea_manager->setMinimumWidth(std::max(ui->scrollArea_manager->minimumWidth(),
        panelWidth + ui->scrollArea_manager->verticalScrollBar()->sizeHint().width()
            + 2 * ui->scrollArea_manager->frameWidth()));
}

void MainWindow::setupMagnifierAndReadouts()
{
    magnifier = new MagnifierWidget(150, 150, ui->scrollArea_showImg);
    axisErrorPanel = new AxisErrorPanel(QString(), ui->widget_precise);
    // Right under the pole and axis icons, where it shows without scrolling the panel: the
    // magnified view and the monitor group move down a row.
    QGridLayout *precise = ui->gridLayout_precise_content;
    precise->removeWidget(ui->groupBox_monitor);
    precise->addWidget(ui->groupBox_monitor, 3, 0, 1, 4);
    precise->removeWidget(ui->widget_biggerView);
    precise->addWidget(ui->widget_biggerView, 2, 0, 1, 4);
    precise->addWidget(axisErrorPanel, 1, 0, 1, 4);
    axisErrorPanel->hide();
    connect(&session, &AlignmentSession::targetChanged, this, &MainWindow::showTarget);
    connect(&session, &AlignmentSession::axisPositionsChanged, this, &MainWindow::showPickedStars);
    adjusterPanel = new AdjusterPanel(session, ui->widget_precise);
    precise->addWidget(adjusterPanel, 4, 0, 1, 4);
    ui->menuDevice->addAction(adjusterPanel->menuAction());
    // The rough readout, while Polaris is moved into the reticle, on top of the Rough Pole section.
    roughAxisErrorPanel = new AxisErrorPanel(QStringLiteral("rough_"), ui->widget_rough);
    QGridLayout *rough = ui->gridLayout_rough_content;
    rough->removeWidget(ui->groupBox_rough_match);
    rough->addWidget(ui->groupBox_rough_match, 2, 0);
    rough->removeWidget(ui->groupBox_axisCenter);
    rough->addWidget(ui->groupBox_axisCenter, 1, 0);
    rough->addWidget(roughAxisErrorPanel, 0, 0);
    roughAxisErrorPanel->hide();
    magnifier->setZoom(5);
}

void MainWindow::setupWizardPictures()
{
    label_direction = new QLabel(ui->scrollArea_showImg);
    label_direction->setObjectName(QStringLiteral("label_direction"));
    label_direction->setGeometry(0, 130, 238, 171);
    label_direction->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Read while the template is on the screen only (templateMask).
    northMaskImage = new QImage;
    southMaskImage = new QImage;

    confirmSliderEffect = createSliderGlow();
    roughSliderEffect = createSliderGlow();
    ui->horizontalSlider_confirm_match->setGraphicsEffect(confirmSliderEffect);
    ui->horizontalSlider_rough_match->setGraphicsEffect(roughSliderEffect);
}

void MainWindow::setupMenuGroups()
{
    zoomGroup = new QActionGroup(ui->menuZoom);
    zoomGroup->addAction(ui->action100);
    zoomGroup->addAction(ui->action75);
    zoomGroup->addAction(ui->action50);
    zoomGroup->setExclusive(true);
    ui->action100->setChecked(true);

    languageGroup = new QActionGroup(ui->menuLanguage);
    for (QAction *action :
        {ui->actionEnglish, ui->actionChinese, ui->actionJapanese, ui->actionRussian, ui->actionFrench,
            ui->actionGerman, ui->actionSpanish, ui->actionPortuguese, ui->actionItalian, ui->actionKorean})
        languageGroup->addAction(action);
    languageGroup->setExclusive(true);
    ui->actionEnglish->setChecked(true);
}

void MainWindow::setupImageArea()
{
    label_cursorPos = new QLabel(this);
    label_cursorPos->setObjectName(QStringLiteral("label_cursorPos"));
    label_cursorPos->setFrameShape(QFrame::NoFrame);
    label_cursorPos->setFixedSize(85, 18);
    ui->statusBar->addWidget(label_cursorPos, 0);

    imageLayout = new QGridLayout;
    imageLayout->addWidget(ui->label_showImg, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    imageLayout->setSpacing(0);
    imageLayout->setContentsMargins(0, 0, 0, 0);
    ui->scrollAreaWidgetContents_showImg->setLayout(imageLayout);
    ui->label_showImg->installEventFilter(this);
    ui->label_showImg->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ui->label_templateImg->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ui->label_templateImg->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MainWindow::setupDialogs()
{
    aboutDialog = new AboutDialog(this);
    astroRefractionDialog = new AstroRefractionDialog(session, this);
    poleTrackingDialog = new PoleTrackingDialog(this);
    phoneViewDialog = new PhoneViewDialog(&session, this);
    translator = new QTranslator(this);
    qtTranslator = new QTranslator(this);
    connect(this, &MainWindow::changeLanguage, this, &MainWindow::languageChanged);
    connect(this, &MainWindow::resetUI, aboutDialog, &AboutDialog::uiReset);
    connect(this, &MainWindow::resetUI, astroRefractionDialog, &AstroRefractionDialog::uiReset);
    // A new site turns the zenith's direction at once, not at the next minute's update.
    connect(astroRefractionDialog, &QDialog::finished, this, &MainWindow::updatePoleAngles);
    connect(this, &MainWindow::resetUI, poleTrackingDialog, &PoleTrackingDialog::uiReset);
    connect(this, &MainWindow::resetUI, this, &MainWindow::uiReset);
    connect(
        this, &MainWindow::initAstroRefraction, astroRefractionDialog, &AstroRefractionDialog::initValues);
    connect(poleTrackingDialog, &PoleTrackingDialog::trackPole, this, &MainWindow::poleTracking);
}

void MainWindow::setupTimers()
{
    displayTimer = new QTimer(this);
    connect(displayTimer, &QTimer::timeout, this, &MainWindow::showImages);
    displayTimer->start(20);
    angleTimer = new QTimer(this);
    angleTimer->setObjectName(QStringLiteral("angleTimer"));
    connect(angleTimer, &QTimer::timeout, this, &MainWindow::increaseAngleTimeout);
    angleTimer->start(100);
    effectTimer = new QTimer(this);
    effectTimer->setObjectName(QStringLiteral("effectTimer"));
    connect(effectTimer, &QTimer::timeout, this, &MainWindow::graphicsEffectTimeout);
    effectTimer->setInterval(500);
    // The angles change by well under an arcsecond an hour; once a minute keeps them exact.
    poleAnglesTimer = new QTimer(this);
    poleAnglesTimer->setObjectName(QStringLiteral("poleAnglesTimer"));
    connect(poleAnglesTimer, &QTimer::timeout, this, &MainWindow::updatePoleAngles);
    poleAnglesTimer->start(60 * 1000);
}

// Fixed stream parameters for the capture thread; nothing is connected yet.
void MainWindow::setFixedStreamParameters()
{
    roiX = 0;
    roiY = 0;
    exposureTime = 50000.0;
    frameWidth = 1280;
    frameHeight = 960;
    streamParam9 = 0;
    streamParam12 = 30;
    binX = 1;
    binY = 1;
    bitsMode = 8;
    streamMode = 1;
    gain = 50;
    sdkReady = false;
    cameraConnected = false;
}

// The settings just read, shown: the hemisphere here, then the display style, the zoom and the language.
void MainWindow::showStoredHemisphere()
{
    clickLabelPos = QPoint(static_cast<int>(zoomFactor * 640), static_cast<int>(zoomFactor * 480));

    // Anything but exactly "North" selects the south, as a stored "north" always has. Checking the
    // button switches the hemisphere's template data through its toggled slot.
    if (regionName == QLatin1String("North"))
        ui->radioButton_north->setChecked(true);
    else
        ui->radioButton_south->setChecked(true);

    placeTemplateLabel(zoomFactor, regionName);
}

void MainWindow::showStoredStyle()
{
    // The night style shows the mono pictures; its action turns the window dark red.
    const bool night = displayStyle.load() == QLatin1String("Night");
    const bool mono = displayStyle.load() == QLatin1String("Mono") || night;
    ui->actionMono_Style->setChecked(mono && !night);
    confirmSliderEffect->setColor(mono ? monoGlow : colorGlow);
    roughSliderEffect->setColor(mono ? monoGlow : colorGlow);
    const QString suffix = mono ? QString() : QStringLiteral("_color");
    ui->label_precise_poleIcon->setPixmap(QPixmap(QStringLiteral(":/images/pole%1.png").arg(suffix)));
    ui->label_precise_axisIcon->setPixmap(QPixmap(QStringLiteral(":/images/center%1.png").arg(suffix)));
    const QPixmap lampOff = lampPixmap(false, mono);
    ui->label_starPos1_icon->setPixmap(lampOff);
    ui->label_starPos2_icon->setPixmap(lampOff);
    ui->label_starPos3_icon->setPixmap(lampOff);
    ui->actionNight_Style->setChecked(night); // last: it tints what was set above
    // The form read its lamp at full size (1 MB); the pixmap cache would keep it after the labels
    // let it go.
    QPixmapCache::clear();
}

void MainWindow::showStoredZoomAndLanguage()
{
    if (zoomFactor == 0.5f)
        ui->action50->setChecked(true);
    else if (zoomFactor == 0.75f)
        ui->action75->setChecked(true);
    else
        ui->action100->setChecked(true);
    scaleDirectionArrow(zoomFactor);

    emit initAstroRefraction();

    languageAction(languageCode)->setChecked(true);
    emit changeLanguage();
}

// Until Connect: no template, arrow or tips, no camera commands, and every section locked.
void MainWindow::showUnconnectedState()
{
    ui->label_templateImg->hide();
    label_direction->hide();
    tipPanel.tabWidget->hide();
    setCameraActionsEnabled(false);
    ui->actionStretch->setVisible(false);
    ui->actionDisplay_Template->setVisible(false);
    showMagnifiedPlaceholder();

    // The exposure and gain presets are the stored ones (applySettings).

    const std::pair<QPushButton *, QWidget *> sections[] = {{ui->pushButton_head_region, ui->widget_region},
        {ui->pushButton_head_setting, ui->widget_setting}, {ui->pushButton_head_confirm, ui->widget_confirm},
        {ui->pushButton_head_rough, ui->widget_rough}, {ui->pushButton_head_precise, ui->widget_precise}};
    for (const auto &section : sections) {
        section.first->setChecked(false);
        section.first->setEnabled(false);
        section.second->hide();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveSettings();
    stopRecording();
    effectTimer->stop();
    angleTimer->stop();
    displayTimer->stop();
    poleAnglesTimer->stop();
    shutDownCameraLibrary();
    event->accept();
}

MainWindow::~MainWindow()
{
    effectTimer->deleteLater();
    angleTimer->deleteLater();
    displayTimer->deleteLater();
    poleAnglesTimer->deleteLater();
    aboutDialog->deleteLater();
    astroRefractionDialog->deleteLater();
    poleTrackingDialog->deleteLater();
    translator->deleteLater();
    delete captureThread; // waits for a loop that was only asked to stop
    delete imageLayout;
    label_cursorPos->deleteLater();
    languageGroup->deleteLater();
    zoomGroup->deleteLater();
    delete roughSliderEffect;
    delete confirmSliderEffect;
    delete southMaskImage;
    delete northMaskImage;
    label_direction->deleteLater();
    magnifier->deleteLater();
    delete ui;
}
