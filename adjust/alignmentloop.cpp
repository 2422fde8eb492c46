#include "alignmentloop.h"

#include "adjusterdevice.h"

#include <QDebug>
#include <cmath>

namespace {
constexpr int watchIntervalMs = 200;
// A move that changes the error by less than this many ± on both axes did not reach the pole.
constexpr double noChangeSigmas = 3;
constexpr double nilSigmas = 2;
constexpr double settledSigmas = 2;
} // namespace

AlignmentLoop::AlignmentLoop(AlignmentSession *session, std::function<double()> clock, QObject *parent)
    : QObject(parent), m_session(session), m_clock(std::move(clock))
{
    connect(m_session, &AlignmentSession::readoutChanged, this, &AlignmentLoop::onReadout);
    m_watch.setInterval(watchIntervalMs);
    connect(&m_watch, &QTimer::timeout, this, &AlignmentLoop::checkTimeouts);
}

bool AlignmentLoop::canStart(const AdjusterDevice *device) const
{
    const AlignmentSession::Readout &readout = m_session->readout();
    return device && device->isOpen() && m_session->axisCentreKnown() && readout.shown && !readout.stale;
}

void AlignmentLoop::start(AdjusterDevice *device)
{
    if (running())
        return;
    m_device = device;
    m_moves = 0;
    m_haveLast = false;
    m_altitude = AxisLearner();
    m_azimuth = AxisLearner();
    if (!canStart(device)) {
        emit finished(
            false, tr("Measure the axis and connect the adjuster first: the figures must be live."));
        return;
    }
    connect(device, &AdjusterDevice::moveDone, this, &AlignmentLoop::onMoveDone);
    connect(device, &AdjusterDevice::failed, this, &AlignmentLoop::onDeviceFailed);
    qInfo().noquote() << QStringLiteral("Automatic alignment with %1, target %2 arcsec")
                             .arg(device->description())
                             .arg(m_settings.targetArcsec);
    m_watch.start();
    startMeasuring();
}

void AlignmentLoop::abort()
{
    if (!running())
        return;
    if (m_device)
        m_device->abort();
    stop(false, tr("Aborted."));
}

void AlignmentLoop::startMeasuring()
{
    m_phase = Phase::Measuring;
    m_phaseSince = m_clock();
    m_fresh = 0;
    emit progress(tr("Measuring…"));
}

void AlignmentLoop::onReadout()
{
    if (!running())
        return;
    const AlignmentSession::Readout &readout = m_session->readout();
    if (readout.stale || !readout.shown) {
        // The figures of a camera that is gone: nothing more may move on them.
        if (m_device && m_device->moving())
            m_device->abort();
        stop(false,
            tr("Stopped: the figures are not live (%1).")
                .arg(readout.staleReason.isEmpty() ? tr("no pole") : readout.staleReason));
        return;
    }
    checkTimeouts();
    if (m_phase != Phase::Measuring || readout.sigmaArcsec <= 0)
        return;
    if (++m_fresh < m_settings.settleReadouts)
        return;
    // Settled when a readout agrees with the one `settleReadouts` before it: frames that come late
    // (a server's queue) may still show the pole on its way.
    if (m_fresh % m_settings.settleReadouts != 0)
        return;
    const double tolerance = settledSigmas * readout.sigmaArcsec;
    if (m_fresh > m_settings.settleReadouts
        && std::fabs(readout.error.altitude - m_candidate.error.altitude) <= tolerance
        && std::fabs(readout.error.azimuth - m_candidate.error.azimuth) <= tolerance) {
        measured(readout);
        return;
    }
    m_candidate = readout;
}

void AlignmentLoop::measured(const AlignmentSession::Readout &readout)
{
    const double sigma = readout.sigmaArcsec;
    if (m_haveLast) {
        const double altitudeChange = readout.error.altitude - m_last.error.altitude;
        const double azimuthChange = readout.error.azimuth - m_last.error.azimuth;
        qInfo("Adjuster move %d result: altitude %+.1f\" to %+.1f\", azimuth %+.1f\" to %+.1f\", "
              "total %.1f\" +- %.1f\"",
            m_moves, m_last.error.altitude, readout.error.altitude, m_last.error.azimuth,
            readout.error.azimuth, readout.totalArcsec, sigma);
        // What the move was to change (the slack it took up first changes nothing).
        const double askedArcsec = std::hypot(m_last.error.altitude, m_last.error.azimuth);
        if (std::fabs(altitudeChange) < noChangeSigmas * sigma
            && std::fabs(azimuthChange) < noChangeSigmas * sigma
            && askedArcsec > 10 * noChangeSigmas * sigma) {
            stop(false, tr("Stopped: the motors moved but the pole did not."));
            return;
        }
        m_altitude.learn(m_lastAltitudeDeg, altitudeChange);
        m_azimuth.learn(m_lastAzimuthDeg, azimuthChange);
        qInfo("Adjuster learnt: altitude gain %.3f, slack %.1f\"; azimuth gain %.3f, slack %.1f\"",
            m_altitude.gain(), m_altitude.backlashArcsec(), m_azimuth.gain(), m_azimuth.backlashArcsec());
    } else {
        qInfo("Adjuster start: altitude %+.1f\", azimuth %+.1f\", total %.1f\" +- %.1f\"",
            readout.error.altitude, readout.error.azimuth, readout.totalArcsec, sigma);
    }
    m_last = readout;
    m_haveLast = true;

    // Inside the target the loop goes on while the error is clearly more than its own +- (a move
    // can still take it out), and stops when what is left is within twice the +- (98 % of round
    // errors that are really nil read so) or the moves are used up.
    const bool inside = readout.totalArcsec <= m_settings.targetArcsec;
    if (inside && (readout.totalArcsec <= nilSigmas * sigma || m_moves >= m_settings.maxMoves)) {
        stop(true,
            tr("Aligned: %1″ from the axis (± %2″); moves: %3.")
                .arg(readout.totalArcsec, 0, 'f', 1)
                .arg(sigma, 0, 'f', 1)
                .arg(m_moves));
        return;
    }
    // The whole error is the next step; a ± as large says nothing about where to go.
    if (sigma > readout.totalArcsec) {
        stop(false,
            tr("Stopped: the ± of %1″ is larger than the step of %2″.")
                .arg(sigma, 0, 'f', 1)
                .arg(readout.totalArcsec, 0, 'f', 1));
        return;
    }
    if (m_moves >= m_settings.maxMoves) {
        stop(false, tr("Stopped: not inside the target; moves: %1.").arg(m_moves));
        return;
    }
    const double altitudeDeg = m_altitude.commandFor(-readout.error.altitude);
    const double azimuthDeg = m_azimuth.commandFor(-readout.error.azimuth);
    if (const auto travel = m_device->travel()) {
        const double altitudeTo = travel->altitudeDeg + altitudeDeg,
                     azimuthTo = travel->azimuthDeg + azimuthDeg;
        if (altitudeTo < travel->altitudeMinDeg || altitudeTo > travel->altitudeMaxDeg
            || azimuthTo < travel->azimuthMinDeg || azimuthTo > travel->azimuthMaxDeg) {
            stop(false,
                tr("Stopped: a move of %1° in altitude and %2° in azimuth would leave the adjuster's travel.")
                    .arg(altitudeDeg, 0, 'f', 4)
                    .arg(azimuthDeg, 0, 'f', 4));
            return;
        }
    }
    ++m_moves;
    m_lastAltitudeDeg = altitudeDeg;
    m_lastAzimuthDeg = azimuthDeg;
    qInfo("Adjuster move %d: altitude %+.4f deg, azimuth %+.4f deg, for an error of %+.1f\" altitude, "
          "%+.1f\" azimuth",
        m_moves, altitudeDeg, azimuthDeg, readout.error.altitude, readout.error.azimuth);
    m_phase = Phase::Moving;
    m_phaseSince = m_clock();
    emit progress(tr("Move %1: altitude %2°, azimuth %3°")
                      .arg(m_moves)
                      .arg(altitudeDeg, 0, 'f', 4)
                      .arg(azimuthDeg, 0, 'f', 4));
    m_device->move(altitudeDeg, azimuthDeg);
}

void AlignmentLoop::onMoveDone()
{
    if (m_phase == Phase::Moving)
        startMeasuring();
}

void AlignmentLoop::onDeviceFailed(const QString &why)
{
    if (running())
        stop(false, tr("Stopped: the adjuster failed (%1).").arg(why));
}

void AlignmentLoop::checkTimeouts()
{
    if (!running())
        return;
    const double waited = m_clock() - m_phaseSince;
    if (m_phase == Phase::Moving && waited > m_settings.moveTimeoutS) {
        if (m_device)
            m_device->abort();
        stop(false,
            tr("Stopped: the adjuster did not finish its move within %1 s.").arg(m_settings.moveTimeoutS));
    } else if (m_phase == Phase::Measuring && waited > m_settings.readoutTimeoutS) {
        stop(false, tr("Stopped: no live figures for %1 s.").arg(m_settings.readoutTimeoutS));
    } else if (!m_device) {
        stop(false, tr("Stopped: the adjuster failed (%1).").arg(tr("it is gone")));
    }
}

void AlignmentLoop::stop(bool aligned, const QString &why)
{
    m_phase = Phase::Idle;
    m_watch.stop();
    if (m_device)
        m_device->disconnect(this);
    if (aligned)
        qInfo().noquote() << "Automatic alignment:" << why;
    else
        qCritical().noquote() << "Automatic alignment:" << why;
    emit finished(aligned, why);
}
