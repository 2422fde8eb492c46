// quickalignment.cpp - the quick alignment's phases, driven by frames, a solve and the mount.
#include "quickalignment.h"

#include "readoutwords.h"

#include <QCoreApplication>
#include <cmath>

namespace {

constexpr double degPerRad = 180.0 / CV_PI;
// The followed star: far enough from the middle of the frame that its circle tells the centre,
// near enough that it stays in the frame when the axis turns 40 degrees.
constexpr double followedMinPx = 150, followedMaxPx = 330;
constexpr double matchPx = 3.0;
// A mount that says it turned but the field turned less than this is not the camera's mount.
constexpr double mountTurnSeenDeg = 20;
// The axis is home again when the field is this close to the first position's.
constexpr double homeDeg = 2.0;

} // namespace

QuickAlignment::QuickAlignment(
    AlignmentSession *session, std::function<double()> clock, const axisfit::Lens &lens, QObject *parent)
    : QObject(parent), m_session(session), m_clock(std::move(clock)), m_lens(lens)
{
    connect(m_session, &AlignmentSession::readoutChanged, this, &QuickAlignment::onReadout);
}

void QuickAlignment::start(bool withMount)
{
    m_withMount = withMount;
    m_mountMoving = false;
    m_turnedDeg = 0;
    m_firstTurnSign = 0;
    m_recent.clear();
    m_insideSince = -1;
    m_firstField.clear();
    qInfo("Quick Alignment: started, the RA axis turned by %s", withMount ? "the mount" : "hand");
    setPhase(Phase::Solving);
}

void QuickAlignment::stop()
{
    if (!running())
        return;
    qInfo("Quick Alignment: stopped in phase %d", int(m_phase));
    setPhase(Phase::Off);
}

double QuickAlignment::target() const
{
    return m_session->targetArcsec() > 0 ? m_session->targetArcsec() : defaultTargetArcsec;
}

QString QuickAlignment::instruction() const
{
    switch (m_phase) {
    case Phase::Off:
        return QString();
    case Phase::Solving:
        return tr("Solving the sky...");
    case Phase::FirstPosition:
        return tr("Hold the mount still");
    case Phase::TurnAway:
        return m_withMount ? tr("The mount turns the RA axis...")
                           : tr("Turn the RA axis by 30° or more, either way");
    case Phase::TurnBack:
        return m_withMount ? tr("The mount turns the RA axis back...") : tr("Turn it back past the start");
    case Phase::ReturnHome:
        return tr("The mount returns the RA axis to where it started...");
    case Phase::Monitoring:
        return tr("Turn the bolts until the pole is inside the target");
    case Phase::Done:
        return tr("Aligned");
    }
    return QString();
}

void QuickAlignment::setPhase(Phase phase)
{
    if (phase == m_phase)
        return;
    m_phase = phase;
    m_recent.clear();
    m_session->setInstruction(instruction());
    emit phaseChanged(phase);
}

void QuickAlignment::fail(const QString &why)
{
    qCritical("Quick Alignment: %s", qPrintable(why));
    setPhase(Phase::Off);
    emit failed(why);
}

void QuickAlignment::solved(const Solution &solution)
{
    if (m_phase != Phase::Solving)
        return;
    m_solution = solution;
    qInfo("Quick Alignment: the sky solved, the pole star at (%.1f,%.1f)", solution.poleStar.x(),
        solution.poleStar.y());
    setPhase(Phase::FirstPosition);
}

bool QuickAlignment::still() const
{
    if (m_recent.size() < 2 || m_recent.back().utc - m_recent.front().utc < stillSeconds)
        return false;
    double low = m_recent.front().angleDeg, high = low;
    for (const Seen &s : m_recent) {
        low = std::min(low, s.angleDeg);
        high = std::max(high, s.angleDeg);
    }
    return high - low <= stillDeg;
}

void QuickAlignment::addFrame(double utc, const std::vector<cv::Point2d> &stars)
{
    if (m_phase == Phase::Off || m_phase == Phase::Solving || m_phase == Phase::Done)
        return;
    if (m_phase == Phase::Monitoring) {
        followReferenceStars(stars);
        return;
    }
    const std::vector<cv::Point2d> &reference = m_firstField.empty() ? m_solution.field : m_firstField;
    const FieldTurn turn = fieldTurnBetween(reference, stars);
    if (!turn.ok) {
        m_recent.clear(); // smeared, clouded or turning too fast to follow: not still
        return;
    }
    const double angleDeg = turn.angleRad * degPerRad;
    if (!m_firstField.empty() && std::fabs(angleDeg - m_turnedDeg) > 0.01) {
        m_turnedDeg = angleDeg;
        emit turnedChanged(m_turnedDeg);
    }
    // A frame exposed while the mount still turned (or before it said it stopped) shows nothing
    // steady.
    if (m_withMount && (m_mountMoving || utc < m_mountStoppedUtc))
        return;
    // Only the latest stillSeconds (and the frame just before them) tell whether it is still.
    m_recent.push_back({utc, angleDeg});
    while (m_recent.size() > 2 && m_recent[1].utc <= utc - stillSeconds)
        m_recent.pop_front();
    if (!still())
        return;
    switch (m_phase) {
    case Phase::FirstPosition:
        takeFirstPosition(utc, stars);
        break;
    case Phase::TurnAway:
        if (m_withMount && std::fabs(angleDeg) < mountTurnSeenDeg) {
            fail(tr("The mount reported the turn, but the stars did not turn with it: is the camera on "
                    "this mount?"));
            return;
        }
        if (std::fabs(angleDeg) >= minTurnAwayDeg && takePosition(utc, stars, turn)) {
            m_firstTurnSign = angleDeg > 0 ? 1 : -1;
            setPhase(Phase::TurnBack);
            if (m_withMount) {
                m_mountMoving = true;
                emit turnWanted(-2 * mountTurnDeg);
            }
        }
        break;
    case Phase::TurnBack:
        if (angleDeg * m_firstTurnSign <= -minTurnPastStartDeg && takePosition(utc, stars, turn))
            measure(stars);
        break;
    case Phase::ReturnHome:
        if (std::fabs(angleDeg) <= homeDeg)
            lookForMonitoring(stars);
        break;
    default:
        break;
    }
}

void QuickAlignment::takeFirstPosition(double utc, const std::vector<cv::Point2d> &stars)
{
    const cv::Point2d middle((m_lens.opticalCentre.x), (m_lens.opticalCentre.y));
    const cv::Point2d poleStar(m_solution.poleStar.x(), m_solution.poleStar.y());
    for (const cv::Point2d &s : stars) { // brightest first
        const double r = cv::norm(s - middle);
        if (r < followedMinPx || r > followedMaxPx || cv::norm(s - poleStar) < 60
            || !loneStarNear(stars, s, matchPx))
            continue;
        m_followedStar = s;
        m_firstField = stars;
        m_turnedDeg = 0;
        m_session->startAxisPositions();
        m_session->addAxisPosition({QPointF(s.x, s.y), utc, stars});
        qInfo("Quick Alignment: first position taken, following the star at (%.1f,%.1f)", s.x, s.y);
        setPhase(Phase::TurnAway);
        if (m_withMount) {
            m_mountMoving = true;
            emit turnWanted(mountTurnDeg);
        }
        return;
    }
    fail(tr("No star to follow around the RA axis: the sky may be clouded."));
}

bool QuickAlignment::takePosition(double utc, const std::vector<cv::Point2d> &stars, const FieldTurn &turn)
{
    const auto found = loneStarNear(stars, turn.apply(m_followedStar), matchPx);
    if (!found)
        return false;
    const cv::Point2d star = *found;
    m_session->addAxisPosition({QPointF(star.x, star.y), utc, stars});
    qInfo("Quick Alignment: position %d taken at %.1f deg, the star at (%.1f,%.1f), %d stars agree",
        m_session->axisPositionsTaken(), turn.angleRad * degPerRad, star.x, star.y, turn.starsMatched);
    return true;
}

void QuickAlignment::measure(const std::vector<cv::Point2d> &stars)
{
    const axismeasurement::Measurement m = m_session->measureAxis(true, m_lens);
    emit axisMeasured(m);
    if (!m.ok || !m.consistent) {
        // The person (or the mount) begins again from where the axis is now.
        m_firstField.clear();
        m_session->startAxisPositions();
        setPhase(Phase::FirstPosition);
        return;
    }
    if (m_withMount) {
        setPhase(Phase::ReturnHome);
        m_mountMoving = true;
        emit turnWanted(mountTurnDeg);
        return;
    }
    lookForMonitoring(stars);
}

// The pattern's stars as the solve found them, carried by the field's turn since the solve into
// the latest frame.
void QuickAlignment::lookForMonitoring(const std::vector<cv::Point2d> &stars)
{
    const FieldTurn sinceSolve = fieldTurnBetween(m_solution.field, stars);
    if (!sinceSolve.ok)
        return; // the next frame may tell
    const cv::Point2d poleStar = sinceSolve.apply({m_solution.poleStar.x(), m_solution.poleStar.y()});
    const cv::Point2d starA = sinceSolve.apply({m_solution.starA.x(), m_solution.starA.y()});
    m_insideSince = -1;
    m_monitorField = stars;
    m_monitorPoleStar = m_shownPoleStar = poleStar;
    m_monitorStarA = m_shownStarA = starA;
    setPhase(Phase::Monitoring);
    emit readyToMonitor(QPointF(poleStar.x, poleStar.y), QPointF(starA.x, starA.y));
}

// The readout measures each reference star in a small box about its search place; a bolt turned
// far, or the sky's own turn over many minutes, would carry the star out of it. The whole field
// tells where both are now.
void QuickAlignment::followReferenceStars(const std::vector<cv::Point2d> &stars)
{
    constexpr double movedPx = 2.0;
    const FieldTurn turn = fieldTurnBetween(m_monitorField, stars);
    if (!turn.ok)
        return;
    const cv::Point2d poleStar = turn.apply(m_monitorPoleStar), starA = turn.apply(m_monitorStarA);
    if (cv::norm(poleStar - m_shownPoleStar) < movedPx && cv::norm(starA - m_shownStarA) < movedPx)
        return;
    m_shownPoleStar = poleStar;
    m_shownStarA = starA;
    emit referenceStarsMoved(QPointF(starA.x, starA.y), QPointF(poleStar.x, poleStar.y));
}

void QuickAlignment::mountTurned()
{
    if (!m_mountMoving)
        return;
    m_mountMoving = false;
    m_mountStoppedUtc = m_clock();
    m_recent.clear();
}

void QuickAlignment::mountFailed(const QString &why)
{
    m_mountMoving = false;
    if (running())
        fail(why);
}

// Done when the live total, with a known ±, has stayed inside the target for insideTargetSeconds.
void QuickAlignment::onReadout()
{
    if (m_phase != Phase::Monitoring)
        return;
    const AlignmentSession::Readout &r = m_session->readout();
    // A figure inside the target whose ± is wider than the target proves nothing (the air's bending
    // left in, a site not known): the person is told rather than congratulated.
    const bool inside = r.shown && !r.stale && r.totalArcsec <= target();
    const bool trusted = r.sigmaArcsec > 0 && r.sigmaArcsec <= target();
    const QString note = inside && !trusted
        ? tr("Inside the target, but the ± %1 is wider than it: is the refraction correction on?")
              .arg(readoutwords::sigmaText(r.sigmaArcsec))
        : QString();
    if (note != m_note) {
        m_note = note;
        emit noteChanged(note);
    }
    if (!inside || !trusted) {
        m_insideSince = -1;
        return;
    }
    const double now = m_clock();
    if (m_insideSince < 0) {
        m_insideSince = now;
        return;
    }
    if (now - m_insideSince >= insideTargetSeconds) {
        qInfo("Quick Alignment: the pole stayed inside the target (%.0f arcsec) for %.0f s: done, total %.1f "
              "arcsec",
            target(), now - m_insideSince, r.totalArcsec);
        setPhase(Phase::Done);
        emit finished();
    }
}
