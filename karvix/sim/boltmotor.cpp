#include "boltmotor.h"

#include <algorithm>
#include <cmath>

namespace karvix::sim {

BoltMotor::BoltMotor(const MotorFaults &faults, std::function<void(double arcmin)> turnBolt)
    : m_faults(faults), m_turnBolt(std::move(turnBolt))
{ }

void BoltMotor::setFaults(const MotorFaults &faults)
{
    m_faults = faults;
}

bool BoltMotor::start(double degrees, double now)
{
    const double to = m_position + degrees;
    if (m_moving || !std::isfinite(to) || std::fabs(to) > m_faults.travelDeg)
        return false;
    m_moving = true;
    m_from = m_position;
    m_to = to;
    m_startedAt = now;
    return true;
}

void BoltMotor::advance(double now)
{
    if (!m_moving)
        return;
    const double travelled = std::max(0.0, now - m_startedAt) * m_faults.speedDegPerS;
    const double span = m_to - m_from;
    if (travelled >= std::fabs(span)) {
        moveTo(m_to);
        m_moving = false;
    } else {
        moveTo(m_from + std::copysign(travelled, span));
    }
}

void BoltMotor::stop(double now)
{
    advance(now);
    m_moving = false;
}

// The bolt side follows the motor once the slack between them is taken up: the motor turns
// freely within half the slack either side of it. The bolt starts in the middle of its slack,
// as a motor last driven either way is on average.
void BoltMotor::moveTo(double position)
{
    m_position = position;
    const double halfSlack = m_faults.backlashArcmin / 120.0;
    const double before = m_follower;
    m_follower = std::clamp(m_follower, m_position - halfSlack, m_position + halfSlack);
    const double turned = (m_follower - before) * 60.0 * m_faults.gain * (m_faults.reversed ? -1 : 1);
    if (turned != 0 && m_turnBolt)
        m_turnBolt(turned);
}

} // namespace karvix::sim
