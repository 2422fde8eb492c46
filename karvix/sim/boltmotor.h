// boltmotor.h - a motorised adjuster on one of the mount's bolts, with the faults of real ones.
//
// The motor counts its own position in degrees of the axis it moves (positive raises the polar
// axis or turns it east, as the adjuster protocols say). Between the motor and the bolt sit
// slack, a gear that moves the bolt more or less than the motor thinks, and perhaps a motor wired
// the wrong way round. A move runs at the motor's speed on the sky's clock: the bolt follows as
// the clock moves (advance), so the frames see the pole travel. A move beyond the travel is
// refused before anything turns. The same model turns the bolts of our sky driver's adjuster and
// of the tests' fake GRBL device.
//
// Usage:
//   BoltMotor motor(faults, [&](double arcmin) { sky.turnAltitudeBolt(arcmin); });
//   motor.start(0.25, sky.clock());     // a quarter of a degree
//   motor.advance(sky.clock());         // whenever the clock has moved; moving() until done
#ifndef KARVIX_SIM_BOLTMOTOR_H
#define KARVIX_SIM_BOLTMOTOR_H

#include "simexport.h"

#include <functional>

namespace karvix::sim {

struct MotorFaults
{
    double backlashArcmin = 0;  // slack taken up whenever the motor changes direction
    double gain = 1.0;          // the bolt turns this many times what the motor was told
    bool reversed = false;      // the bolt turns the other way
    double travelDeg = 5;       // the motor's count stays within +- this
    double speedDegPerS = 0.05; // 0: a stuck motor, which says it moves but never gets anywhere
};

class KARVIX_SIM_EXPORT BoltMotor
{
public:
    BoltMotor(const MotorFaults &faults, std::function<void(double arcmin)> turnBolt);

    const MotorFaults &faults() const { return m_faults; }
    void setFaults(const MotorFaults &faults);

    // Starts a move by `degrees` at the clock's `now`, seconds; false (nothing moves) beyond the
    // travel or while a move runs.
    bool start(double degrees, double now);
    // Turns the bolt by what the motor did up to `now`.
    void advance(double now);
    // Stops where the motor is at `now`.
    void stop(double now);
    bool moving() const { return m_moving; }
    double positionDeg() const { return m_position; }

private:
    void moveTo(double position);

    MotorFaults m_faults;
    std::function<void(double)> m_turnBolt;
    double m_position = 0; // the motor's count, degrees
    double m_follower = 0; // where the bolt side of the slack is, in the motor's degrees
    bool m_moving = false;
    double m_from = 0, m_to = 0, m_startedAt = 0;
};

} // namespace karvix::sim

#endif // KARVIX_SIM_BOLTMOTOR_H
