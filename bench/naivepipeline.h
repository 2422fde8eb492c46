// naivepipeline.h - the straightforward per-frame pipeline, kept as the reference the fast one is
// measured and checked against: every star measurement filters the whole frame, and the magnified
// view enlarges the whole frame into 6400 x 4800 images (allocated once) before taking its window.
#ifndef NAIVEPIPELINE_H
#define NAIVEPIPELINE_H

#include "frameanalysis.h"

#include <opencv2/core.hpp>

class NaivePipeline
{
public:
    explicit NaivePipeline(cv::Size frameSize);

    // The window of the whole enlargement with the marks drawn on the whole enlargement. Returns
    // false, leaving `window` alone, when the window does not lie entirely on the enlargement.
    bool renderMagnifierWindow(
        const cv::Mat &grey, const QPointF &axisCenter, const QPointF &pole, bool monoStyle, cv::Mat &window);

    // measurePole with whole-frame filtering in every star measurement.
    static PoleMeasurement measurePole(const cv::Mat &grey, const FrameInputs &inputs);

    // analyseFrame built from the two above.
    bool analyseFrame(
        const cv::Mat &grey, const FrameInputs &inputs, QImage *frameImage, QImage *magnifierFrame);

private:
    cv::Mat m_zoomRaw;   // the frame enlarged five times
    cv::Mat m_zoomColor; // the same in three channels, with the marks
};

#endif // NAIVEPIPELINE_H
