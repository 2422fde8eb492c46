// alignmentsession.cpp - one polar alignment's state and its changes (see alignmentsession.h).
#include "alignmentsession.h"

#include "readoutwords.h"

#include <cmath>

AlignmentSession::AlignmentSession(QObject *parent) : QObject(parent)
{ }

void AlignmentSession::setStep(int step)
{
    if (step == m_step)
        return;
    m_step = step;
    emit stepChanged(step);
    setFinished(false);
}

void AlignmentSession::setFinished(bool finished)
{
    if (finished == m_finished)
        return;
    m_finished = finished;
    emit finishedChanged(finished);
}

void AlignmentSession::setNorth(bool north, const HemisphereStarData &templateStars)
{
    m_north = north;
    m_templateStars = templateStars;
}

void AlignmentSession::setTemplatePosition(const QPointF &imagePos)
{
    m_templatePosition = imagePos;
    emit templateChanged();
}

void AlignmentSession::setTemplateAngle(int degrees)
{
    if (degrees == m_templateAngle)
        return;
    m_templateAngle = degrees;
    emit templateChanged();
}

void AlignmentSession::setPoleStarPick(const QPointF &star)
{
    m_poleStarPick = star;
    emit poleStarPicked();
}

void AlignmentSession::setReferenceStars(const QPointF &starA, const QPointF &starB)
{
    m_referenceStarA = starA;
    m_referenceStarB = starB;
    emit referenceStarsChanged();
}

void AlignmentSession::setSite(const Site &site)
{
    if (!std::isfinite(site.latitudeDeg) || !std::isfinite(site.longitudeDeg)
        || !std::isfinite(site.pressureHpa) || !std::isfinite(site.temperatureC)) {
        qCritical("Site not taken: a value is not a number");
        return;
    }
    m_site = site;
    emit siteChanged();
}

void AlignmentSession::startAxisPositions()
{
    m_positions.clear();
    emit axisPositionsChanged();
}

void AlignmentSession::addAxisPosition(const AxisPosition &position)
{
    if (m_positions.size() >= axisfit::positionCount)
        m_positions.clear(); // a fourth pick begins a new measurement
    m_positions.append(position);
    emit axisPositionsChanged();
}

void AlignmentSession::setTemplatePole(const QPointF &pole, double utc, const std::vector<cv::Point2d> &field)
{
    if (std::isfinite(pole.x()) && std::isfinite(pole.y()))
        m_templatePole = axismeasurement::PoleSighting {cv::Point2d(pole.x(), pole.y()), utc, field};
    else
        m_templatePole.reset();
}

void AlignmentSession::forgetTemplatePole()
{
    m_templatePole.reset();
}

axismeasurement::Measurement AlignmentSession::measureAxis(bool useField, const axisfit::Lens &lens)
{
    if (m_positions.size() != axisfit::positionCount) {
        axismeasurement::Measurement none;
        none.failure = "the three RA positions are not all taken";
        return none;
    }
    std::array<cv::Point2d, axisfit::positionCount> picked;
    std::array<std::vector<cv::Point2d>, axisfit::positionCount> fields;
    axismeasurement::SkyTurn sky;
    for (size_t k = 0; k < picked.size(); ++k) {
        const AxisPosition &p = m_positions[int(k)];
        picked[k] = cv::Point2d(p.star.x(), p.star.y());
        if (useField)
            fields[k] = p.field;
        sky.utc[k] = p.utc;
    }
    if (m_templatePole) {
        sky.hemisphere = m_north ? 1 : -1;
        sky.poleAtFirst = axismeasurement::poleAtFirstPosition(*m_templatePole, picked, m_positions[0].field, sky, lens);
    }
    const axismeasurement::Measurement m = axismeasurement::measureAxis(picked, fields, sky, lens, useField);
    if (m.ok && m.consistent)
        setAxisCentre(QPointF(m.centre.centre.x, m.centre.centre.y), m.centre.covariance, m.threePointRadius);
    return m;
}

void AlignmentSession::setAxisCentre(const QPointF &centre, const cv::Matx22d &covariance, int circleRadius)
{
    m_axisCentre = centre;
    m_axisCovariance = covariance;
    m_axisCircleRadius = circleRadius;
    m_axisCentreKnown
        = std::isfinite(centre.x()) && std::isfinite(centre.y()) && centre.x() > 0 && centre.y() > 0;
    emit axisCentreChanged();
}

void AlignmentSession::setReadout(const Readout &readout)
{
    m_readout = readout;
    emit readoutChanged();
}

void AlignmentSession::setStale(const QString &reason)
{
    const bool stale = !reason.isEmpty();
    if (stale == m_readout.stale && reason == m_readout.staleReason)
        return;
    m_readout.stale = stale;
    m_readout.staleReason = reason;
    emit readoutChanged();
}

AlignmentSession::Readout AlignmentSession::readoutFor(
    const AxisErrorArcsec &error, double poleAltitudeDeg, double sigmaArcsec, bool siteKnown)
{
    Readout r;
    if (!std::isfinite(error.altitude) || !std::isfinite(error.azimuth))
        return r;
    r.shown = true;
    r.error = error;
    r.totalArcsec = readoutwords::totalArcsec(error, poleAltitudeDeg);
    r.sigmaArcsec = std::isfinite(sigmaArcsec) && sigmaArcsec > 0 ? sigmaArcsec : 0.0;
    // The axis above the pole is lowered; the axis east of it is moved west.
    r.raise = error.altitude <= 0;
    r.east = error.azimuth <= 0;
    r.siteKnown = siteKnown;
    return r;
}

void AlignmentSession::setTargetArcsec(double arcsec)
{
    m_targetArcsec = std::isfinite(arcsec) && arcsec > 0 ? arcsec : 0.0;
    emit targetChanged();
}

void AlignmentSession::setPoleView(const cv::Mat &rgb)
{
    if (rgb.empty())
        m_poleView.release();
    else
        rgb.copyTo(m_poleView);
    emit poleViewChanged();
}

void AlignmentSession::setInstruction(const QString &words)
{
    if (words == m_instruction)
        return;
    m_instruction = words;
    emit instructionChanged();
}
