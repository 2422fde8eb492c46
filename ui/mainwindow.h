// mainwindow.h - the program's one window: form, menus, dialogs, settings, and (in the pieces
// named below) the live camera view and the alignment wizard.
//
// The implementation is split by concern:
//   mainwindow.cpp           construction, close, destruction
//   mainwindow_settings.cpp  the settings file (read at construction, written at close)
//   mainwindow_menus.cpp     shell menu commands, interface languages, the manual, pole tracking
//   mainwindow_sections.cpp  collapsing and expanding the five sections of the left panel
//   mainwindow_wizard.cpp    the alignment wizard: tip panel, steps, star picks, template matching
//   mainwindow_camera.cpp    the camera: Connect, exposure and gain, live view, zoom, Mono Style, Save As
//   mainwindow_recording.cpp Record Session and the camera source (simulated sky or a recording)
//   mainwindow_mount.cpp     Device > Mount...: the INDI telescope that turns the RA axis
#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QPoint>
#include <QPointF>
#include <QProgressDialog>
#include <QString>

#include "alignmentsession.h"
#include "boltguide.h"
#include "boltturns.h"
#include "camerasource.h"
#include "freshness.h"
#include "imagingsetupdialog.h"
#include "mountdevice.h"
#include "mountdialog.h"
#include "platesolvetask.h"
#include "recordingnotes.h"
#include "sessionlog.h"
#include "stargeometry.h"
#include "tippanel.h"

#include <array>
#include <cstdint>
#include <memory>
#include <opencv2/core.hpp>
#include <optional>
#include <vector>

class AboutDialog;
class AdjusterPanel;
class AstroRefractionDialog;
class AxisErrorPanel;
class CaptureThread;
class MagnifierWidget;
class PhoneViewDialog;
class PoleTrackingDialog;
class QuickAlignment;
class QuickAlignmentPanel;
class QAction;
class QActionGroup;
class QGraphicsDropShadowEffect;
class QGridLayout;
namespace SettingsFile {
struct Values;
}
class QImage;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class QTranslator;
class UserInputWatcher;
class VirtualMountWindow;
struct HemisphereStarData;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Streams from the recorded session at path during this run (--replay); the camera source kept
    // in the settings file stays as it is.
    void replayForThisRun(const QString &path);

    // The alignment this window shows and drives.
    AlignmentSession &alignment() { return session; }
    // The mount chosen in Device > Mount..., not opened; null while none is chosen.
    MountDevice *mountDevice() const { return mount.get(); }

    // Shows step `step` of the wizard (wizardstep.h) as its buttons do; any other number (a
    // command such as Done of the last step, or a disconnection) hides the tip panel.
    void goToStep(int step);

    // Records the session into the SER file at path, as Record Session does once its file is chosen.
    bool startRecording(const QString &path);

    float zoom() const { return zoomFactor; } // label pixels per camera image pixel
    // The interface language as the settings keep it: "EN", "ZH", ... or any text stored there.
    QString language() const { return languageCode; }
    // Whether the template pictures (4.7 MB) are in memory; they are only while the template shows.
    bool holdsTemplatePictures() const { return !northMaskImage->isNull() || !southMaskImage->isNull(); }

signals:
    void initAstroRefraction();
    void changeLanguage();
    void resetUI();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    // Shell menu commands and languages (mainwindow_menus.cpp).
    void on_actionExit_triggered();
    void on_actionAstronomical_Refraction_triggered();
    void on_actionImaging_Setup_triggered();
    void on_actionManual_Trace_triggered();
    void on_actionNordvane_Manual_triggered();
    void on_actionAbout_triggered();
    void on_actionPhone_View_triggered();
    void on_actionEnglish_toggled(bool checked);
    void on_actionChinese_toggled(bool checked);
    void on_actionJapanese_toggled(bool checked);
    void on_actionRussian_toggled(bool checked);
    void on_actionFrench_toggled(bool checked);
    void on_actionGerman_toggled(bool checked);
    void on_actionSpanish_toggled(bool checked);
    void on_actionPortuguese_toggled(bool checked);
    void on_actionItalian_toggled(bool checked);
    void on_actionKorean_toggled(bool checked);
    void languageChanged();
    void uiReset();
    void poleTracking(double degree);

    // Left panel sections (mainwindow_sections.cpp).
    void on_pushButton_head_region_toggled(bool checked);
    void on_pushButton_head_setting_toggled(bool checked);
    void on_pushButton_head_confirm_toggled(bool checked);
    void on_pushButton_head_rough_toggled(bool checked);
    void on_pushButton_head_precise_toggled(bool checked);

    // Alignment wizard (mainwindow_wizard.cpp): the tip panel's buttons, the monitor button, the
    // template sliders, the hemisphere and the two animation timers.
    void pushbuttonSettingDoneClicked();
    void pushbuttonConfirmDoneClicked();
    void pushbuttonRotateStar1ResetClicked();
    void pushbuttonRotateStar1DoneClicked();
    void pushbuttonGetStar2ResetClicked();
    void pushbuttonRotateStar2ResetClicked();
    void pushbuttonRotateStar2DoneClicked();
    void pushbuttonGetStar3ResetClicked();
    void pushbuttonValidateCenterResetClicked();
    void pushbuttonValidateCenterDoneClicked();
    void pushbuttonGetEptPolarisDoneClicked();
    void pushbuttonMovePolarisDoneClicked();
    void pushbuttonGetCurPolarisDoneClicked();
    void pushbuttonFinetunePoleResetClicked();
    void pushbuttonFinetunePoleDoneClicked();
    void on_pushButton_monitor_clicked();
    void on_horizontalSlider_confirm_match_valueChanged(int value);
    void on_horizontalSlider_rough_match_valueChanged(int value);
    void on_pushButton_confirm_minus_clicked();
    void on_pushButton_confirm_add_clicked();
    void on_pushButton_rough_minus_clicked();
    void on_pushButton_rough_add_clicked();
    void on_radioButton_north_toggled(bool checked);
    void on_radioButton_south_toggled(bool checked);
    void increaseAngleTimeout();
    void graphicsEffectTimeout();

    // Camera and live view (mainwindow_camera.cpp).
    void on_actionConnect_triggered();
    void on_pushButton_exp_50_clicked();
    void on_pushButton_exp_100_clicked();
    void on_pushButton_exp_200_clicked();
    void on_pushButton_exp_300_clicked();
    void on_pushButton_gain_50_clicked();
    void on_pushButton_gain_70_clicked();
    void on_pushButton_gain_90_clicked();
    void on_pushButton_gain_100_clicked();
    void showImages();
    void on_action100_toggled(bool checked);
    void on_action75_toggled(bool checked);
    void on_action50_toggled(bool checked);
    void on_actionMono_Style_toggled(bool checked);
    void on_actionNight_Style_toggled(bool checked);
    void on_actionSave_As_triggered();

    // Recording and camera source (mainwindow_recording.cpp).
    void on_actionRecord_Session_toggled(bool checked);
    void on_actionCamera_Source_triggered();
    void showRecordingProgress();

    // The mount (mainwindow_mount.cpp).
    void on_actionMount_triggered();

    // Plate solving (mainwindow_solve.cpp).
    void on_actionSolve_Now_triggered();
    void showPlateSolution();

private:
    // Construction (mainwindow.cpp), in this order.
    void fitLeftPanelWidth();
    void setupMagnifierAndReadouts();
    void setupMount();
    void setupWizardPictures();
    void setupMenuGroups();
    void setupImageArea();
    void setupDialogs();
    void setupTimers();
    void setFixedStreamParameters();
    void showStoredHemisphere();
    void showStoredStyle();
    void showStoredZoomAndLanguage();
    void showUnconnectedState();

    // Settings file (mainwindow_settings.cpp).
    bool loadSettings();
    void saveSettings();
    void setDefaultSettings();
    void applySettings(const SettingsFile::Values &values);

    // Languages (mainwindow_menus.cpp).
    void selectLanguage(bool checked, const QString &code);
    QAction *languageAction(const QString &code) const;

    void showSection(QPushButton *head, QWidget *content, bool expanded);

    // Alignment wizard (mainwindow_wizard.cpp).
    void setupTipPanel();
    void setRegionTipTexts(const QString &region);
    void placeTemplateAt(const QPoint &labelPos, const QPointF &imagePos);
    void drawTemplate(int angle);
    const QImage &templateMask(bool north);
    void releaseTemplateMasks();
    void MarkTemplatePoles();
    void selectHemisphere(const QString &region, const HemisphereStarData &data);
    void updatePoleAngles();
    void showRefractionDialog(bool asSiteQuestion);
    // The imaging setup and the knobs as Tools > Imaging Setup... or the settings give them: the
    // session's target follows.
    void applyImagingSetup(const ImagingSetupDialog::Values &values);
    void showTarget();
    void showPickedStars();
    void showMagnifiedPlaceholder();
    bool handleImageEvent(QEvent *event);
    bool handleTipPageEvent(QObject *page, QEvent *event);
    void updatePointer(const QPoint &labelPos);
    void pickStar(const QPoint &labelPos, const QPointF &imagePos);
    bool measureStar(const QPointF &near, QPointF *star) const;
    std::vector<cv::Point2d> measureStarField() const;
    void fitAxisCenter();
    void logAxisMeasurement(const axismeasurement::Measurement &m) const;
    void adoptAxisCentre();
    QPointF poleBeside(const QPointF &poleStar) const;
    void updateExpectedPolarisPos();
    void goToExpectedPolarisStep();
    void stepMatchAngle(QSlider *slider, int delta);

    // Camera and live view (mainwindow_camera.cpp).
    void initialiseCameraLibrary();
    void shutDownCameraLibrary();
    void connectToCamera();
    void disconnectFromCamera();
    void setCameraActionsEnabled(bool enabled);
    void showVirtualMount(bool shown);
    void chooseExposure(QPushButton *chosen, double exposureUs);
    void chooseGain(QPushButton *chosen, int value);
    // The preset buttons in the order of SettingsFile's exposurePresetsMs and gainPresets.
    std::array<QPushButton *, 4> exposureButtons() const;
    std::array<QPushButton *, 4> gainButtons() const;
    void applyZoom(float zoom);
    void scaleDirectionArrow(float zoom);
    void placeTemplateLabel(float zoom, const QString &region);
    void showAxisError(double sigmaArcsec);
    void showRoughAxisError();
    void followRoughPolaris(const QPointF &polaris);
    bool axisErrorInImage(const QPointF &pole, const QPointF &starA, const QPointF &starB, double turnDeg,
        AxisErrorArcsec *error, PoleInImage *inImage = nullptr) const;
    void updateBoltGuide(const PoleInImage &inImage);
    void showTurns(const AxisErrorArcsec &error, double sigmaArcsec);
    void applyDisplayStyle(const QString &style);

    Ui::MainWindow *ui;
    QActionGroup *zoomGroup;
    QActionGroup *languageGroup;
    QGridLayout *imageLayout;
    QLabel *label_cursorPos;
    QLabel *label_direction = nullptr;
    MagnifierWidget *magnifier;          // lens over the image area, fed by the pointer
    AxisErrorPanel *axisErrorPanel;      // Precise Pole: the altitude and azimuth to turn
    AdjusterPanel *adjusterPanel;        // Precise Pole: motors that turn the bolts (Device > Adjuster...)
    AxisErrorPanel *roughAxisErrorPanel; // Rough Pole, while Polaris is moved into the reticle
    QPointF roughPolaris;                // followed from frame to frame in that step
    bool roughPolarisFollowed = false;
    double roughPolarisPeak = 0;            // its height over the sky when following began
    BoltGuide boltGuide;                    // Precise Pole: each bolt's line, learnt while the user turns it
    polartarget::ImagingSetup imagingSetup; // what the target is made for (Tools > Imaging Setup...)
    boltturns::TurnAdvisor altitudeTurns;   // Precise Pole: how far to turn each knob by hand
    boltturns::TurnAdvisor azimuthTurns;
    AboutDialog *aboutDialog;
    AstroRefractionDialog *astroRefractionDialog;
    PoleTrackingDialog *poleTrackingDialog;
    PhoneViewDialog *phoneViewDialog; // owns the phone view's server, which outlives the dialog's window
    QGraphicsDropShadowEffect *confirmSliderEffect;
    QGraphicsDropShadowEffect *roughSliderEffect;
    QTranslator *translator;
    QTranslator *qtTranslator; // Qt's own texts (file dialog, standard buttons), when installed

    QPoint clickLabelPos;    // where the template is laid (session.templatePosition()), label pixels
    QString languageCode;    // "EN", "ZH", ... (any stored text is kept)
    QString regionName;      // "North" or "South"
    float zoomFactor = 1.0f; // label pixels per image pixel

    // Alignment wizard state (mainwindow_wizard.cpp). Positions are camera image pixels.
    AlignmentSession session; // the step, the site, the template, the picks, the axis centre, the readout
    std::optional<QPointF> templatePoleStar; // the pole star the template was laid on in step 2
    wizard::TipPanel tipPanel;               // tabWidget_tipMsg and its thirteen pages
    QTimer *angleTimer;                      // 100 ms: turns the reticle
    QTimer *effectTimer;                     // 500 ms while running: blinks the glow of the slider to turn
    QImage *northMaskImage; // star-pattern templates at image scale, pole marked; null while hidden
    QImage *southMaskImage;
    bool siteAsked = false; // the site question, once a run
    // The measured pole takes the angles of the moment, from the catalogue; a timer (60 s) keeps
    // them following the clock. The template keeps the star data's yearly angles: its star
    // positions are whole template pixels, far coarser than the aberration of the day.
    StarGeometry starGeometry;
    QTimer *poleAnglesTimer;
    int imageEastTurn = 0; // the image's handedness (zenithdirection.h); 0 while unknown

    // Camera and live view (mainwindow_camera.cpp).
    CaptureThread *captureThread;
    QTimer *displayTimer;                       // 20 ms: showImages
    QImage biggerViewImage;                     // the magnified crop last shown
    VirtualMountWindow *virtualMount = nullptr; // hands on the simulated mount while its camera is open

    // Recording and camera source (mainwindow_recording.cpp).
    void setupRecording();
    void stopRecording();
    void noteAction();
    QJsonObject sessionContext() const;
    // A recording as the camera: its exposure and gain shown, read-only, as they were when each
    // frame was taken; the person's presets back when the camera closes.
    void beginPlayback();
    void followPlayback();
    void endPlayback();
    void chooseCamera(const RecordingNotes::Camera &camera);
    void setCameraPresetsEnabled(bool enabled);
    void showCameraSource(const CameraSource::Choice &choice);
    CameraSource::Choice cameraSource; // as the settings file keeps it

    // The mount (mainwindow_mount.cpp).
    void useMount(const MountChoice &choice);
    MountChoice mountChoice;                      // as the settings file keeps it (group MOUNT)
    std::unique_ptr<MountDevice> mount;           // made from mountChoice; opened by whoever turns it
    CameraSource::Choice shownSource;             // named in the status bar, again in each language
    SessionLog sessionLog;                        // notes of the recording in progress
    QLabel *label_source = nullptr;               // status bar: the camera source in use
    QLabel *label_recording = nullptr;            // status bar: the recording's progress
    QTimer *recordingTimer = nullptr;             // 500 ms while recording: progress and write failures
    UserInputWatcher *userInputWatcher = nullptr; // while recording: the person's actions
    RecordingNotes playbackNotes;                 // of the recording being replayed
    std::optional<RecordingNotes::Camera> presetsBeforePlayback; // while they show the recording's

    // Whether what the window shows is live (mainwindow_freshness.cpp).
    void setupFreshness();
    void followFreshness();
    void showFreshness(const QString &note);
    void showFrame(QImage picture);
    void showMagnifiedCrop();
    void clearCameraView();
    FrameFreshness frameFreshness;
    std::int64_t frameArrivalSeen = 0; // frameArrivalNs when last followed
    QString staleNote;                 // shown now; empty while the frames are live
    QLabel *label_freshness = nullptr; // status bar: the stale note

    // Done's summary (mainwindow_summary.cpp).
    void showAlignmentSummary();
    double alignmentStartUtc = 0; // Connect, on the program's clock

    // Quick Alignment (mainwindow_quick.cpp).
    void setupQuickAlignment();
    void startQuickAlignment();
    void connectQuickMount();
    void feedQuickAlignment();
    void followQuickPhase();
    void quickSolved(const QPointF &poleStar, const QPointF &starA);
    void quickNotSolved(const QString &why, bool hopeless = false);
    void quickAxisMeasured(const axismeasurement::Measurement &m);
    void startQuickMonitoring(const QPointF &poleStar, const QPointF &starA);
    void finishQuickAlignment();
    void leaveQuickAlignment();
    QuickAlignment *quickAlignment = nullptr;
    QuickAlignmentPanel *quickPanel = nullptr;
    QTimer *quickFrameTimer = nullptr; // while the RA positions are taken: the field's stars
    std::int64_t quickFrameSeen = 0;   // frameArrivalNs of the frame last looked at
    double quickFrameUtc = 0;          // and when, on the program's clock
    int quickSolveFailures = 0;
    std::vector<cv::Point2d> solveFrameStars; // of the frame the running solve was given
    double solveFrameUtc = 0;

    // Plate solving (mainwindow_solve.cpp).
    void setupPlateSolving();
    void proposeTemplate(const SkyInImage &sky);
    bool startPlateSolve(); // false without a frame or while a solve runs
    bool adoptMeasuredPlateScale(double arcsecPerPx);
    void showSolveProgress();
    void startAutomaticSolve();
    void cancelAutomaticSolve();
    PlateSolveTask *plateSolveTask = nullptr;
    bool solveIsAutomatic = false;            // the running solve is the confirm step's own, shown nowhere
    bool templateTurnedByHand = false;        // in this confirm step, before the quiet solve answered
    bool indexFilesMissingTold = false;       // once a run
    QProgressDialog *solveProgress = nullptr; // shown while a solve runs; its button cancels
    QTimer *connectRetry = nullptr;           // while a network camera is being reached: Connect again
    QElapsedTimer connectStarted;             // since Connect was pressed
};

#endif // MAINWINDOW_H
