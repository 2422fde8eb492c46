#include "naivepipeline.h"

#include "magnifierwindow.h"
#include "overlays.h"
#include "starmeasure.h"

#include <opencv2/imgproc.hpp>

NaivePipeline::NaivePipeline(cv::Size frameSize)
    : m_zoomRaw(frameSize * magnifier::scale, CV_8UC1), m_zoomColor(frameSize * magnifier::scale, CV_8UC3)
{ }

bool NaivePipeline::renderMagnifierWindow(
    const cv::Mat &grey, const QPointF &axisCenter, const QPointF &pole, bool monoStyle, cv::Mat &window)
{
    cv::resize(grey, m_zoomRaw, m_zoomRaw.size(), 0, 0, cv::INTER_LINEAR);
    cv::cvtColor(m_zoomRaw, m_zoomColor, cv::COLOR_GRAY2RGB);
    drawMagnifierMarks(m_zoomColor, cv::Point(0, 0), axisCenter, pole, monoStyle);
    const cv::Rect rect(magnifierWindowOrigin(axisCenter), window.size());
    if ((rect & cv::Rect(cv::Point(0, 0), m_zoomColor.size())) != rect)
        return false;
    m_zoomColor(rect).copyTo(window);
    return true;
}

PoleMeasurement NaivePipeline::measurePole(const cv::Mat &grey, const FrameInputs &inputs)
{
    return ::measurePole(
        grey, inputs, [](const cv::Mat &image, double x, double y, double *outX, double *outY) {
            return starmeasure::backgroundAwareStarPos(image, x, y, outX, outY, starmeasure::medianOfWholeFrame);
        });
}

bool NaivePipeline::analyseFrame(
    const cv::Mat &grey, const FrameInputs &inputs, QImage *frameImage, QImage *magnifierFrame)
{
    PoleMeasurement m;
    bool rendered = false;
    if (inputs.monitorPole) {
        m = measurePole(grey, inputs);
        if (m.poleFound) {
            cv::Mat window(magnifierFrame->height(), magnifierFrame->width(), CV_8UC3, magnifierFrame->bits(),
                static_cast<size_t>(magnifierFrame->bytesPerLine()));
            rendered = renderMagnifierWindow(grey, inputs.axisCenter, m.polePos, inputs.monoStyle, window);
        }
    }
    drawDisplayOverlays(frameImage, inputs, m);
    return rendered;
}
