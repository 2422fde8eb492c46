#include "frameanalysis.h"

#include "magnifierwindow.h"
#include "overlays.h"
#include "sharedstate.h"
#include "skyorientation.h"
#include "staralgorithms.h"
#include "starmeasure.h"

#include <QtMath>
#include <cmath>

namespace {

int backgroundAwareStarPos(const cv::Mat &image, double x, double y, double *outX, double *outY)
{
    return starmeasure::backgroundAwareStarPos(image, x, y, outX, outY, starmeasure::medianOfRegion);
}

// The star's measured position, or its search position when no star is found there.
QPointF measureStar(const cv::Mat &grey, const QPointF &searchPos, StarFinder findStar)
{
    double x = searchPos.x(), y = searchPos.y();
    if (findStar(grey, searchPos.x(), searchPos.y(), &x, &y) != 0)
        return searchPos;
    return {x, y};
}

// Refraction lifts every star towards the zenith; the correction moves it back the same way for
// both reference stars. The zenith's image direction is the line from A to B as this frame shows
// it, turned back by the sky's angle between the two, so it follows any camera roll and RA turn.
// While that angle is unknown the camera is taken to sit in its holder: with the RA axis at home
// the horizon below the pole is at the top of the image and the correction moves the stars
// straight up; once the axis has been turned (the pole-tracking dial), the image has turned by
// the same angle and the way to the horizon with it.
QPointF refractionCorrection(const FrameInputs &in, const QPointF &starA, const QPointF &starB)
{
    double y = 0.0;
    if (starAlgorithms.CorrectRefraction(
            y, in.siteLatitude, in.airPressureKPa, in.airTemperature, &y, in.refractionModel)
        != 0)
        return {};
    const QPointF line = starB - starA;
    if (std::isfinite(in.zenithToLineTurnDeg) && !line.isNull()) {
        const double liftPx = -y;
        const double zenith = qDegreesToRadians(imageAngleDeg(line.x(), line.y()) - in.zenithToLineTurnDeg);
        return {-liftPx * std::cos(zenith), liftPx * std::sin(zenith)};
    }
    double dx = 0.0, dy = y;
    starAlgorithms.RotatePoint(in.trackedRaTurn, 0.0, y, 0.0, 0.0, &dx, &dy);
    return {dx, dy};
}

} // namespace

PoleMeasurement measurePole(const cv::Mat &grey, const FrameInputs &inputs, StarFinder findStar)
{
    if (!findStar)
        findStar = backgroundAwareStarPos;
    PoleMeasurement m;
    m.starAPos = measureStar(grey, inputs.starASearchPos, findStar);
    m.starBPos = measureStar(grey, inputs.starBSearchPos, findStar);
    // The markers and readouts show the stars where they are seen; only the pole is computed from
    // their places corrected for refraction (2.3 px at mid latitudes, which would put the markers
    // visibly beside their stars).
    QPointF a = m.starAPos, b = m.starBPos;
    if (inputs.refractionEnabled) {
        const QPointF correction = refractionCorrection(inputs, a, b);
        a += correction;
        b += correction;
    }
    // The apex on the pattern's side of the line from A to B; a point well out on that side
    // chooses it, wherever the axis centre is.
    QPointF side = inputs.axisCenter;
    if (inputs.poleSide != 0) {
        const QPointF line = b - a;
        side = (a + b) / 2 + QPointF(-line.y(), line.x()) * inputs.poleSide;
    }
    double x = 0.0, y = 0.0;
    m.poleFound = starAlgorithms.CalcPoleCOOR(
                      a.x(), a.y(), inputs.poleAngleAtA, b.x(), b.y(), inputs.poleAngleAtB, &x, &y, side.x(), side.y())
        == 0;
    m.polePos = QPointF(x, y);
    m.jacobianFound = m.poleFound
        && polestatistics::poleJacobian({a.x(), a.y()}, inputs.poleAngleAtA, {b.x(), b.y()},
            inputs.poleAngleAtB, {inputs.axisCenter.x(), inputs.axisCenter.y()}, &m.poleJacobian);
    return m;
}

double unseenOffsetErrorPx(const FrameInputs &inputs)
{
    double refractionPx = 0.0;
    starAlgorithms.CorrectRefraction(0.0, inputs.siteLatitude, inputs.airPressureKPa, inputs.airTemperature,
        &refractionPx, inputs.refractionModel);
    // Uncorrected, all of it; corrected, what the model and the entered weather miss.
    const double refractionErrorPx
        = std::abs(refractionPx) * (inputs.refractionEnabled ? polestatistics::refractionModelError : 1.0);
    return std::hypot(inputs.poleAnglesErrorArcsec / cameraArcsecPerPixel, refractionErrorPx);
}

bool analyseFrame(const cv::Mat &grey, const FrameInputs &inputs, QImage *frameImage, QImage *magnifierFrame,
    polestatistics::PoleAverager &averager, int windowFrames, bool newExposure)
{
    PoleMeasurement m;
    if (inputs.monitorPole) {
        m = measurePole(grey, inputs);
        double sigmaPx = 0.0;
        if (m.jacobianFound) {
            if (newExposure || averager.empty())
                averager.add({m.starAPos.x(), m.starAPos.y()}, {m.starBPos.x(), m.starBPos.y()},
                    {m.polePos.x(), m.polePos.y()}, m.poleJacobian, windowFrames);
            const cv::Point2d average = averager.pole();
            m.polePos = QPointF(average.x, average.y);
            sigmaPx = polestatistics::offsetSigmaPx(
                averager.covariance(), inputs.axisCenterCovariance, unseenOffsetErrorPx(inputs));
        } else {
            averager.restart(); // this frame's pole, if any, is shown as it is, its uncertainty unknown
        }
        starAPos.store(m.starAPos);
        starBPos.store(m.starBPos);
        polePos.store(m.polePos);
        poleSigmaArcsec = sigmaPx * cameraArcsecPerPixel;
        if (m.poleFound && !magnifierFrame->isNull()) {
            // bits() detaches the image from any copy queued earlier, so a queued crop is never
            // written again.
            cv::Mat window(magnifierFrame->height(), magnifierFrame->width(), CV_8UC3, magnifierFrame->bits(),
                static_cast<size_t>(magnifierFrame->bytesPerLine()));
            renderMagnifierWindow(
                grey, inputs.axisCenter, m.polePos, inputs.monoStyle, window, 2 * sigmaPx, inputs.nightStyle);
        }
    } else {
        averager.restart();
        // The marks of an earlier monitoring stay where they were last measured.
        m.starAPos = starAPos.load();
        m.starBPos = starBPos.load();
        m.polePos = polePos.load();
    }
    if (!frameImage->isNull())
        drawDisplayOverlays(frameImage, inputs, m);
    return m.poleFound && !magnifierFrame->isNull();
}
