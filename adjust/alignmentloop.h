// alignmentloop.h - the pole brought onto the axis by motorised adjusters, with no hand on the
// mount.
//
// The loop watches the alignment session's readout and drives one AdjusterDevice:
//   measure: wait for live readouts with a known ± after the last move until two of them,
//            `settleReadouts` apart, agree within twice the ± (the readout averages about a second
//            of frames; frames that a server delivers late may still show the pole moving)
//   move:    both axes by the readout's guidance, converted with what each axis has shown so far
//            (AxisLearner: gain, direction, slack)
//   wait:    for the device to say it is done, then measure again.
// It stops, saying why, when the pole is inside the target and within twice the readout's +- of
// the axis (what is left then cannot be told from nothing), when a move would leave the
// motors' travel, when the ± is larger than the step it would take, when the motors moved but the
// pole did not, after `maxMoves`, on Abort, when the figures stop being live (a lost camera) and
// when the device fails or stops answering. It never moves on a stale figure or one without a ±.
// Every move, its reason and its result go to the log.
//
// The clock (seconds) is the program's: the sky's in the tests, so moves and frames keep time.
#ifndef ALIGNMENTLOOP_H
#define ALIGNMENTLOOP_H

#include "alignmentsession.h"
#include "axislearner.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class AdjusterDevice;

class AlignmentLoop : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        double targetArcsec = 30;
        int settleReadouts = 20; // live readouts between two that must agree after a move
        int maxMoves = 10;
        double moveTimeoutS = 300;   // on the loop's clock
        double readoutTimeoutS = 30; // for the live readouts after a move
    };

    AlignmentLoop(AlignmentSession *session, std::function<double()> clock, QObject *parent = nullptr);

    void setSettings(const Settings &settings) { m_settings = settings; }
    const Settings &settings() const { return m_settings; }

    // Whether start() would run now: a device that is open, the axis measured, the readout live.
    bool canStart(const AdjusterDevice *device) const;
    void start(AdjusterDevice *device);
    void abort();
    bool running() const { return m_phase != Phase::Idle; }
    int moves() const { return m_moves; }
    const AxisLearner &altitude() const { return m_altitude; }
    const AxisLearner &azimuth() const { return m_azimuth; }

signals:
    void progress(const QString &what);
    void finished(bool aligned, const QString &why);

private:
    enum class Phase { Idle, Measuring, Moving };
    void onReadout();
    void onMoveDone();
    void onDeviceFailed(const QString &why);
    void checkTimeouts();
    void measured(const AlignmentSession::Readout &readout);
    void startMeasuring();
    void stop(bool aligned, const QString &why);

    AlignmentSession *m_session;
    std::function<double()> m_clock;
    Settings m_settings;
    QPointer<AdjusterDevice> m_device;
    QTimer m_watch;
    Phase m_phase = Phase::Idle;
    double m_phaseSince = 0;
    int m_fresh = 0;
    int m_moves = 0;
    bool m_haveLast = false;
    AlignmentSession::Readout m_last;
    AlignmentSession::Readout m_candidate;              // the last settling readout, to be confirmed
    double m_lastAltitudeDeg = 0, m_lastAzimuthDeg = 0; // the last move, as sent
    AxisLearner m_altitude, m_azimuth;
};

#endif // ALIGNMENTLOOP_H
