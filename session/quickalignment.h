// quickalignment.h - the whole alignment in a few actions: the sky solved, the RA axis turned once
// away and once back past the start (by the person, or by the mount when the program can turn it),
// the positions taken by the program when the field has turned far enough and is still, then the
// readout until the pole has stayed inside the target for a while.
//
// It follows the whole field rather than one picked star: every frame's stars are compared with
// those of the first position (fieldturn.h), which tells how far the axis has turned whatever the
// angle, and the star it follows around the axis is one it chose itself. The axis centre is the
// session's measurement with the sky's own turn taken out, exactly as in the wizard's steps.
//
// The window feeds it the frames' stars, a solved sky and the mount's answers, and acts on its
// signals (turn the mount, lay the reference stars, show the summary); the person reads
// instruction().
//
// Usage:
//   QuickAlignment quick(&session, utcNow, lens);
//   quick.start(withMount);
//   quick.solved({poleStar, starA, utc, stars});     // the plate solve placed the pattern
//   quick.addFrame(utc, stars);                      // every new frame
//   ... readyToMonitor(poleStar, starA): the window starts monitoring ... finished()
#ifndef QUICKALIGNMENT_H
#define QUICKALIGNMENT_H

#include "alignmentsession.h"
#include "axisfit.h"
#include "fieldturn.h"

#include <QObject>
#include <QPointF>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

class QuickAlignment : public QObject
{
    Q_OBJECT

public:
    enum class Phase {
        Off,
        Solving,       // waiting for the sky to be solved
        FirstPosition, // the field must be still for the first position
        TurnAway,      // 30 degrees or more either way
        TurnBack,      // back past the start by 20 degrees or more
        ReturnHome,    // the mount brings the axis back to where it started
        Monitoring,    // the readout runs until the pole stays inside the target
        Done,
    };
    Q_ENUM(Phase)

    // The plate solve's answer in the frame it solved: the pole star, the pattern's star A, when
    // and the frame's stars.
    struct Solution
    {
        QPointF poleStar, starA;
        double utc = 0;
        std::vector<cv::Point2d> field;
    };

    static constexpr double minTurnAwayDeg = 30;
    static constexpr double minTurnPastStartDeg = 20;
    static constexpr double mountTurnDeg = 40;
    // The field is still when its frames over this long agree within stillDeg.
    static constexpr double stillSeconds = 2.0;
    static constexpr double stillDeg = 0.05;
    // The pole inside the target this long on the clock, with a ± no wider than the target,
    // finishes the alignment.
    static constexpr double insideTargetSeconds = 10;
    // Without a target from the imaging setup: about what the readout can still tell from nothing
    // (a few times its usual ±).
    static constexpr double defaultTargetArcsec = 10;

    QuickAlignment(AlignmentSession *session, std::function<double()> clock, const axisfit::Lens &lens,
        QObject *parent = nullptr);

    // A new run; with a mount the program turns the RA axis itself (turnWanted).
    void start(bool withMount);
    void stop(); // Abort or the manual path: nothing more is taken or asked of the mount
    Phase phase() const { return m_phase; }
    bool running() const { return m_phase != Phase::Off && m_phase != Phase::Done; }
    bool withMount() const { return m_withMount; }
    // What the person is asked to do now, in words; and how far the axis is turned from the first
    // position, degrees (0 before it).
    QString instruction() const;
    double turnedDeg() const { return m_turnedDeg; }
    double target() const;

    void solved(const Solution &solution);
    void addFrame(double utc, const std::vector<cv::Point2d> &stars);
    // The mount's answers to turnWanted.
    void mountTurned();
    void mountFailed(const QString &why);

signals:
    void phaseChanged(QuickAlignment::Phase phase);
    void turnedChanged(double degrees);
    // The mount is to turn the RA axis by this much (positive: as the first turn went).
    void turnWanted(double degrees);
    void axisMeasured(const axismeasurement::Measurement &measurement);
    // The axis is known and the pattern's stars found in the latest frame: monitoring may start.
    void readyToMonitor(const QPointF &poleStar, const QPointF &starA);
    // While monitoring: where the field's moves (the bolts, the sky's turn) have carried the two
    // reference stars, for their search places; the readout follows them however far the bolts
    // move the pole.
    void referenceStarsMoved(const QPointF &starA, const QPointF &poleStar);
    // The run ended without an alignment; `why` in words for the person.
    void failed(const QString &why);
    void finished();
    // While monitoring: why the readout does not finish although the figure is inside (empty: no
    // such reason).
    void noteChanged(const QString &note);

private:
    void setPhase(Phase phase);
    void fail(const QString &why);
    bool still() const;
    void takeFirstPosition(double utc, const std::vector<cv::Point2d> &stars);
    bool takePosition(double utc, const std::vector<cv::Point2d> &stars, const FieldTurn &turn);
    void measure(const std::vector<cv::Point2d> &stars);
    void lookForMonitoring(const std::vector<cv::Point2d> &stars);
    void followReferenceStars(const std::vector<cv::Point2d> &stars);
    void onReadout();

    AlignmentSession *m_session;
    std::function<double()> m_clock;
    axisfit::Lens m_lens;
    Phase m_phase = Phase::Off;
    bool m_withMount = false;
    bool m_mountMoving = false;
    double m_mountStoppedUtc = 0; // frames exposed after this show the mount at rest
    Solution m_solution;
    std::vector<cv::Point2d> m_firstField;
    cv::Point2d m_followedStar; // in the first position's frame
    double m_turnedDeg = 0;
    double m_firstTurnSign = 0;
    struct Seen
    {
        double utc, angleDeg;
    };
    std::deque<Seen> m_recent; // the latest frames' turns, for stillness
    double m_insideSince = -1;
    QString m_note;
    std::vector<cv::Point2d> m_monitorField;       // the frame monitoring began with
    cv::Point2d m_monitorPoleStar, m_monitorStarA; // in that frame
    cv::Point2d m_shownPoleStar, m_shownStarA;     // as last sent for the search places
};

#endif // QUICKALIGNMENT_H
