// observer.h - the virtual observer: a person at the mount who drives the real window through a
// polar alignment on the simulated sky, judged afterwards by the simulator's truth.
//
// What it sees is what a person sees: the stars in the pixels of the shown image, recognised with a
// chart of the sky around the pole (skychart.h), the template the program lays over the image, and
// the positions the program prints (axis centre, expected Polaris, the reference stars, the pole).
// It acts only through the window's widgets (QTest mouse and key events) and through the mount
// (mount.h: the RA axis and bolts of the built-in camera's simulator, or of our sky driver through
// INDI). It reads none of the program's variables, and asks the sky for the truth only when the
// alignment is over.
//
// Every session happens at an instant of its own: the sky's clock is set to it and the program's
// clock follows the sky's, so a session gives the same figures on any day it runs (on the built-in
// camera exactly; the driver's frames fall on instants of their own pace).
//
// Usage (one session):
//   Observer o(session);      // sets the sky and the mount, removes old settings if asked
//   o.openWindow();
//   o.connectCamera() && o.chooseExposure() && o.setRefraction() && o.confirmPolaris(false) && ...
//   o.closeWindow();          // saves the settings like the user's close
// Each step returns false and leaves a reason in failure() when the program did not respond as a
// person would expect.
#ifndef OBSERVER_H
#define OBSERVER_H

#include "mount.h"
#include "skychart.h"
#include "skysimulator.h"

#include <QDialogButtonBox>
#include <QPointF>
#include <QString>
#include <QVector>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>

class MainWindow;
class QLabel;
class QPushButton;
class QSlider;

namespace e2e {

class BoxAnswerer;

// One observing session: the sky, the mount and what the person chooses in the window.
struct Session
{
    QString name;
    bool south = false;
    double latitudeDeg = 39.9; // signed, north positive
    double longitudeDeg = 116.3;
    double pressureHpa = 1010; // the sky's atmosphere
    double temperatureC = 10;
    bool refractionCorrection = false; // the person enters the site's weather and enables it
    bool physicalRefraction = false;   // and picks the physical model instead of Bennett's
    double polarErrorDeg = 1.0;        // initial distance of the polar axis from the pole
    double errorDirectionDeg = 35;     // 0: all in altitude, 90: all in azimuth
    double cameraTiltDeg = 0.3;
    double cameraTiltDirectionDeg = 70;
    double cameraRollDeg = karvix::sim::SkySimulator::kHolderRollDeg + 0.6; // in its holder, not quite level
    const char *exposureButton = "pushButton_exp_100";
    const char *gainButton = "pushButton_gain_50";
    double utcSeconds = 1796688000.0;   // the session's instant (2026-12-08 00:00 UTC unless set)
    karvix::sim::Conditions conditions; // the built-in camera's sky only, as is the cloud below
    double raTurnDeg = 40;              // each of the two turns while the axis centre is found
    double settleArcsec = 0;            // the polar axis sinks this much during the second turn
    double cloudOverStarB = 1.0; // starlight let through by a cloud that drifts over star B while monitoring
    bool takeProposedTemplate = false; // leaves the template as the program lays it, never turning it
    bool boltsByReadout = false;       // turns the bolts by the altitude and azimuth the window says
    // The mount's clock drive (a Virtual Mount starts with it off) and its rate, a multiple of the
    // sidereal rate.
    bool tracking = false;
    double trackingRate = 1.0;
    // A person's pace on the sky's clock: 20 to 60 s between the RA positions (drawn from the
    // session's name), the bolts turned in moves a few seconds apart, the readout watched for a
    // few seconds before it is read. Off: the machine's pace, for a session replayed in real time.
    bool personPace = true;
    // The weather the person enters differs from the sky's by this much (a barometer elsewhere).
    double enteredPressureErrorHpa = 0;
    double enteredTemperatureErrorC = 0;
    // The camera slips in its holder by this much between the second and third RA positions.
    double cameraShiftPx = 0;
    // Not 0: the camera is our sky driver on the local indiserver at this port, chosen in Camera
    // Source (chooseIndiCamera), and the mount is turned through the driver's properties.
    quint16 indiPort = 0;
    // Motors under the bolts, with these faults, chosen in Device > Adjuster...: Align
    // Automatically brings the pole onto the axis instead of the person's hands.
    bool motorised = false;
    karvix::sim::MotorFaults altitudeMotor, azimuthMotor;
    // Quick Alignment instead of the wizard's steps: Connect, the site and the positions by the
    // program; the person turns the RA axis when asked, then the bolts; it finishes by itself.
    bool quick = false;
    bool mountByProgram = false; // and the program turns the RA axis through the driver's telescope
    bool siteEntered = true;   // false: the person does not know the site and cancels the question
    bool latitudeTypo = false; // types 95 as the latitude while the readout runs (typeLatitudeTypo)
};

// The session with motors under the bolts that have the faults of real adjusters: 3' of slack on
// each axis, moving 20 % more than told, the azimuth motor wired the wrong way round.
Session withFaultyMotors(Session session);

// A UTC instant as the sessions give it: "2027-03-21T13:00".
double utc(const char *isoDateTime);

// The truth asked for at the end.
struct Verdict
{
    double residualArcsec = 0;   // remaining polar error
    QPointF truePolePx;          // where the true pole is in the frame
    double poleErrorPx = 0;      // the program's pole against the true pole's image
    double refractionArcsec = 0; // the site's refraction at the pole (ERFA's model, as the sky's)
    double sigmaArcsec = 0;      // the uncertainty the program states next to the pole (NaN: none)
    double sessionSeconds = 0;   // on the sky's clock, from the session's start to the verdict
    bool axisWarned = false;     // the program found the RA positions inconsistent and asked again
    int adjusterMoves = -1;      // the moves Align Automatically says it made
    int programActions = -1;     // Quick Alignment: what the person did in the program
    int mountActions = 0;        // RA turns and bolt moves by the person's hands
    double timeToReadoutS = -1;  // Quick Alignment: on the sky's clock, from the start to the precise readout
};

// Prints the scenario's accuracy record, "RESULT e2e <name> correction=on|off residual_arcsec=..."
void report(const Session &session, const Verdict &verdict);
// With the correction on, residual and pole error within 10 arcsec of the true pole; with it off,
// within 8 arcsec of the site's refraction. `why` gets the figures against the expectation.
bool meetsExpectation(const Session &session, const Verdict &verdict, QString *why);

// What the person did in the window, at the program's clock: a recorded session is re-run by
// doing the same things at the same instants of the recording.
struct Action
{
    enum class Kind { Press, Pick, Slider };
    Kind kind = Kind::Press;
    double utcSeconds = 0;
    QString widget;   // Press: the button; Slider: the slider
    QPointF framePos; // Pick: where in the frame
    int value = 0;    // Slider: where it was left
};

class Observer
{
public:
    explicit Observer(const Session &session);
    ~Observer();

    // The window: a new one reads the settings file as the program does at start; closing it
    // writes them.
    void openWindow();
    void closeWindow();
    MainWindow *window() const { return m_window.get(); }

    // The alignment, step by step as the tip panel asks.
    bool connectCamera();
    bool chooseExposure();
    bool setRefraction();
    bool confirmPolaris(bool reuseSavedCentre); // steps 1 and 2, and the saved-centre question
    bool findAxisCentre();                      // steps 3 to 8
    bool placeExpectedPolaris();                // step 9
    bool movePolarisIntoReticle();              // step 10
    bool confirmCurrentPolaris();               // steps 11 and 12
    bool startMonitor();                        // step 13 begins
    bool bringPoleOntoAxis();                   // step 13: bolts until the pole sits on the centre
    bool alignAutomatically();                  // step 13 by the motors: Device > Adjuster..., then
                                                // Align Automatically, the sky's time passing
    bool finish();                              // step 13's Done
    bool alignFully(bool reuseSavedCentre);     // all of the above after the window is open
    bool quickAlign();                          // Quick Alignment, from the menu to its summary

    // File > Record Session into `path` (the file dialog answered), and the same menu entry again
    // to stop; the progress line shows while recording.
    bool startRecording(const QString &path);
    bool stopRecording();
    // Device > Camera Source...: the recorded session at `path` instead of the simulated sky.
    bool chooseRecording(const QString &path);
    // Device > Camera Source...: the session's INDI server, its camera picked from the list that
    // Refresh brings.
    bool chooseIndiCamera();
    // What the person did so far, and doing it again: each action once the program's clock (the
    // recording's, when one is replayed) has reached the action's instant.
    const QVector<Action> &actions() const { return m_actions; }
    bool redo(const QVector<Action> &actions);
    // The last summary read: altitude, azimuth (negative below and west) and total, arcsec.
    const QVector<double> &summaryFigures() const { return m_summaryFigures; }
    QString summaryShot; // where to save the screen when a summary is read; empty: nowhere

    // Monitoring after the alignment: a slew in RA (clockwise on screen as the dial turns), then
    // the tracking dial. Returns the pole shown before and after through the out-parameters.
    bool slewAndTrack(double degrees, QPointF *poleBefore, QPointF *poleAfter);

    // What the program shows, read from its labels ("(x,y)" texts); empty when not a position.
    std::optional<QPointF> shownPosition(const char *labelName) const;
    // The pole as the program shows it, averaged over a few fresh frames.
    std::optional<QPointF> shownPole();
    // Waits until the window shows the sky as it is, then lets `frames` frame intervals of the
    // sky's clock pass, each with a new frame shown.
    bool waitForFreshFrames(int frames = 3);
    // The refraction dialog while monitoring: see observer.cpp.
    bool typeLatitudeTypo(bool *refused, bool *applied);
    QString siteWarning() const;

    Verdict verdict();
    QString failure() const { return m_failure; }

private:
    template <typename T> T *child(const char *name) const;
    QPointF toLabel(const QPointF &framePoint) const;
    float zoom() const;
    bool fail(const QString &why);
    bool pickStar(const QPointF &where);
    bool press(const char *buttonName);
    bool typeInto(const char *field, const QString &text);
    QPushButton *refractionButton(QDialogButtonBox::StandardButton which) const;
    bool answerSiteQuestion();
    bool fillRefractionDialog();
    bool waitForInstruction(const QString &text, int timeoutMs);
    bool readSummary(bool justShown);
    bool summaryShown() const;
    int step() const; // the page the tip panel shows, as a step number (0: panel hidden)
    double templateCover(double sigmaLabelPx);
    void rememberVisibleStars(); // for templateCover, label pixels
    bool matchTemplate(QSlider *slider);
    bool pickPoleStarAndMatch(const char *slider);
    bool acceptProposedTemplate();
    bool followAxisErrorReadout(const QString &section, double goodEnoughArcsec);
    bool turnRaAxisAfterAPause(double degrees);
    bool measureAxisPositions();
    // A person's pause on the sky's clock (nothing at the machine's pace).
    void pause(double seconds);
    double pauseBetweenPositions();
    bool turnBoltsUntilMeet(const std::function<std::optional<QPointF>()> &seen, const QPointF &target,
        double trialArcmin, const char *what);
    // The stars in the shown image, and where a chart star is among them (frame pixels).
    std::vector<SeenStar> look() const;
    std::optional<QPointF> find(const std::string &chartId) const;
    std::optional<QPointF> find(const std::string &chartId, const std::vector<SeenStar> &seen) const;
    std::optional<QPointF> poleStar() const; // Polaris or sigma Oct where the image shows it
    std::string referenceStar() const;

    Session m_session;
    std::unique_ptr<Mount> m_mount;
    SkyChart m_chart;
    std::unique_ptr<MainWindow> m_window;
    QString m_failure;
    std::unique_ptr<BoxAnswerer> m_boxes;
    QVector<QPointF> m_visibleStars; // label pixels, while matching the template
    QVector<Action> m_actions;
    QVector<double> m_summaryFigures;
    std::mt19937 m_pace; // the person's pauses, drawn from the session's name
    bool m_axisWarned = false;
    int m_adjusterMoves = -1;
    int m_programActions = -1;
    int m_mountActions = 0;
    double m_timeToReadoutS = -1;
};

} // namespace e2e

#endif // OBSERVER_H
