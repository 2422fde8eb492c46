// axislearner.h - what one adjuster axis really does, learnt from the moves it made.
//
// Between motor and bolt sits slack of B (in the motor's arcsec): the motor turns freely within
// it, and the bolt moves only once the slack on the side the motor turns to is taken up. A move C
// therefore changes the measured error by
//   d = g * (C minus the part of it that took up slack)
// with g the gain and its sign (the direction; 1 for a motor that does as it is told). Which part
// took up slack follows from where in the slack the motor is, which the moves so far tell for a
// given B, starting from its middle (where a motor left either way is on average).
// After each move, B is the value for which the moves so far are explained best (g fitted by
// least squares for each B), with a mild preference for a gain near 1 and little slack where the
// moves cannot tell.
//
// The first move of an axis goes this much (probeArcsec) beyond the correction: whatever the
// slack, it is then taken up and the next move, back towards the pole, shows it whole.
#ifndef AXISLEARNER_H
#define AXISLEARNER_H

#include <vector>

class AxisLearner
{
public:
    static constexpr double probeArcsec = 300;

    // What to send, degrees, for the error to change by `changeArcsec`.
    double commandFor(double changeArcsec) const;
    // A move of `commandDeg` (as sent) changed the error by `observedArcsec`.
    void learn(double commandDeg, double observedArcsec);

    double gain() const { return m_gain; }                     // signed: negative for a reversed axis
    double backlashArcsec() const { return m_backlashArcsec; } // in the motor's arcsec
    int moves() const { return int(m_moves.size()); }

private:
    struct Move
    {
        double commandArcsec;
        double observedArcsec;
    };
    void fit();

    std::vector<Move> m_moves;
    double m_gain = 1.0;
    double m_backlashArcsec = 0;
    double m_offsetArcsec = 0; // where the motor is in the slack, from its middle, after the moves
};

#endif // AXISLEARNER_H
