// axislearner.h - what one adjuster axis really does, learnt from the moves it made.
//
// A motor told to move C (arcsec, as the device counts) changes the measured error by
//   d = g * C - K * s * r
// where g is the gain with its sign (the direction; 1 for a perfect motor wired as the protocol
// says), s the move's direction and r how much of the slack the move had to take up first: all of
// it when the motor turns back (r = 1), none when it goes on the same way (r = 0), half on the
// first move, whose slack nobody knows (half on average). K = g * B, B the slack in the motor's
// arcsec. With two moves or more, g and K follow from a least-squares fit; the next command
// asks for the change wanted divided by g, plus the slack the move will have to take up.
#ifndef AXISLEARNER_H
#define AXISLEARNER_H

#include <vector>

class AxisLearner
{
public:
    // What to send, degrees, for the error to change by `changeArcsec`.
    double commandFor(double changeArcsec) const;
    // A move of `commandDeg` (as sent) changed the error by `observedArcsec`.
    void learn(double commandDeg, double observedArcsec);

    double gain() const { return m_gain; }                     // signed: negative for a reversed axis
    double backlashArcsec() const { return m_backlashArcsec; } // in the motor's arcsec
    int moves() const { return int(m_moves.size()); }

private:
    double slackShare(int direction) const;
    void fit();

    struct Move
    {
        double commandArcsec;
        double slack; // -s * r of the model
        double observedArcsec;
    };
    std::vector<Move> m_moves;
    double m_gain = 1.0;
    double m_backlashArcsec = 0;
    int m_lastDirection = 0; // of the motor's last move; 0 before the first
};

#endif // AXISLEARNER_H
