// boltturns.h - how far to turn a bolt's knob, by hand, in quarter turns, and what to do after
// turning it too far.
//
// The person behind the mount turns a knob, watches the readout, and turns again. Once the pole's
// move for one full turn is known, "Raise the altitude 2′14″" becomes "¾ turn clockwise". A bolt
// turned past its stop has to come back; coming back straight would leave the adjuster's play
// (backlash) on the wrong side, and the axis creeps back later. So after an overshoot the advice is
// to go back past the stop and come forward in the working direction, the play taken up.
//
// Usage, one advisor per knob, fed every readout:
//   TurnAdvisor altitude;
//   altitude.setKnob({90.0, false});                         // 1′30″ on the sky a turn
//   const Advice a = altitude.advise(-error.altitude, 5.0);  // the move needed, the noise
#ifndef BOLTTURNS_H
#define BOLTTURNS_H

#include "skyorientation.h"

#include <optional>
#include <utility>

namespace boltturns {

struct Knob
{
    double arcsecPerTurn = 0; // the pole's move on the sky for one full turn; 0: not known
    // Turning clockwise (seen from the knob's head) raises the altitude or moves the axis east,
    // unless the adjusters sit on the other side of the mount: then it is the other way round.
    bool reversed = false;
};

struct Advice
{
    bool known = false; // the knob's turn is known: there is advice
    double turns = 0;   // in quarters; 0: less than a quarter
    bool clockwise = false;
    // The bolt was turned past its stop: `turns` back, then `forwardTurns` forward.
    bool wentPast = false;
    double forwardTurns = 0;
};

// The moves still needed on the sky along the altitude bolt and the azimuth bolt, positive to raise
// and to move east, for `error` as axisErrorArcsec() gives it at a pole `poleAltitudeDeg` high.
std::pair<double, double> neededMoves(const AxisErrorArcsec &error, double poleAltitudeDeg);

// The quarter turns `turns` rounds to; 0 below a quarter.
double quarterTurns(double turns);

// The knob as one full clockwise turn shows it: the move still needed along its bolt before and
// after the turn (TurnAdvisor::advise's sign). A knob whose turn lowered the altitude, or moved the
// axis west, is reversed. None when the move is within `noiseArcsec`: the knob was not turned.
std::optional<Knob> learntKnob(double neededBefore, double neededAfter, double noiseArcsec);

class TurnAdvisor
{
public:
    // Also forgets what the knob did so far: a different knob starts anew.
    void setKnob(const Knob &knob);
    const Knob &knob() const { return m_knob; }
    // `neededArcsec`: the pole's move on the sky along this bolt still to make, positive to raise
    // the altitude or to move the axis east. Readings within `noiseArcsec` of the last are the
    // pole's noise, not a turn of the knob. Not finite: nothing is known, no advice.
    Advice advise(double neededArcsec, double noiseArcsec);
    void restart();

private:
    Knob m_knob;
    bool m_anchored = false;
    double m_anchor = 0; // where the last turn of the knob ended
    int m_lastTurn = 0;  // +1: the last turn brought the needed move down (raised / moved east)
    int m_side = 0;      // the needed move's sign when last clearly away from the stop
    int m_working = 0;   // the sign of the needed move before the stop was passed
    bool m_wentPast = false;
};

} // namespace boltturns

#endif // BOLTTURNS_H
