// observer.h - the virtual observer: a person at the mount who drives the real window through a
// polar alignment on the simulated sky, judged afterwards by the simulator's truth.
//
// What it sees is what a person sees: the stars where the simulator draws them (their true image
// positions, mapped to label pixels by the chosen zoom), the template the program lays over the
// image, and the positions the program prints (axis centre, expected and current Polaris, the
// reference stars, the pole). It acts only through the window's widgets (QTest mouse and key
// events) and through the mount (the simulator's RA axis and bolts). It never looks at the polar
// error until the alignment is over.
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

#include "skysimulator.h"

#include <QPointF>
#include <QString>
#include <QVector>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class MainWindow;
class QLabel;
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
    double polarErrorDeg = 1.0;        // initial distance of the polar axis from the pole
    double errorDirectionDeg = 35;     // 0: all in altitude, 90: all in azimuth
    double cameraTiltDirectionDeg = 70;
    double cameraRollDeg = karvix::sim::SkySimulator::kHolderRollDeg + 0.6; // in its holder, not quite level
    const char *exposureButton = "pushButton_exp_100";
    const char *gainButton = "pushButton_gain_50";
};

// The truth asked for at the end.
struct Verdict
{
    double residualArcsec = 0; // remaining polar error
    double poleErrorPx = 0;    // the program's pole against the true pole's image
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
    bool finish();                              // step 13's Done
    bool alignFully(bool reuseSavedCentre);     // all of the above after the window is open

    // Monitoring after the alignment: a slew in RA (clockwise on screen as the dial turns), then
    // the tracking dial. Returns the pole shown before and after through the out-parameters.
    bool slewAndTrack(double degrees, QPointF *poleBefore, QPointF *poleAfter);

    // What the program shows, read from its labels ("(x,y)" texts); empty when not a position.
    std::optional<QPointF> shownPosition(const char *labelName) const;
    // The pole as the program shows it, averaged over a few fresh frames.
    std::optional<QPointF> shownPole();
    // Lets the capture thread render and the window show at least `frames` new frames.
    bool waitForFreshFrames(int frames = 3);

    Verdict verdict();
    QString failure() const { return m_failure; }

private:
    template <typename T> T *child(const char *name) const;
    QPointF toLabel(const karvix::sim::ImagePoint &p) const;
    float zoom() const;
    bool fail(const QString &why);
    bool pickStar(const karvix::sim::ImagePoint &where);
    bool press(const char *buttonName);
    int step() const; // the page the tip panel shows, as a step number (0: panel hidden)
    double templateCover(double sigmaLabelPx);
    bool matchTemplate(QSlider *slider);
    bool turnBoltsUntilMeet(const std::function<std::optional<QPointF>()> &seen, const QPointF &target,
        double trialArcmin, const char *what);
    std::string referenceStar() const;
    karvix::sim::ImagePoint poleStar() const; // Polaris or sigma Oct where the sky shows it

    Session m_session;
    std::unique_ptr<MainWindow> m_window;
    QString m_failure;
    std::unique_ptr<BoxAnswerer> m_boxes;
    QVector<QPointF> m_visibleStars; // label pixels, while matching the template
};

} // namespace e2e

#endif // OBSERVER_H
