// frameanalysis.h - what the capture thread does with each frame besides reading it: the pole
// analysis while the pole is monitored, the magnified view, and the display overlays.
//
// The capture thread calls analyseFrame once per frame, with the frame, its colour copy and one
// snapshot of the shared inputs, so a frame never mixes values from before and after a change made
// by the GUI thread. The parts are separate functions for the tests and the benchmark.
#ifndef FRAMEANALYSIS_H
#define FRAMEANALYSIS_H

#include "frameinputs.h"
#include "polestatistics.h"

#include <QImage>
#include <QPointF>
#include <opencv2/core.hpp>

// Where this frame sees the reference stars and the pole (frame pixels).
struct PoleMeasurement
{
    QPointF starAPos;
    QPointF starBPos;
    QPointF polePos;
    bool poleFound = false;
    // The pole's derivatives by star A's and B's coordinates (ax, ay, bx, by), when defined.
    cv::Matx<double, 2, 4> poleJacobian = cv::Matx<double, 2, 4>::zeros();
    bool jacobianFound = false;
};

// Measures stars A and B near their search positions in `grey` (a star that cannot be measured
// keeps its search position) and, from their places corrected for refraction when enabled,
// computes the pole with the axis centre as the reference that picks between the two solutions
// ((0, 0) when that fails). `findStar` measures one star as starmeasure::backgroundAwareStarPos does
// (that routine unless told otherwise; the benchmark passes its whole-frame reference).
using StarFinder = int (*)(const cv::Mat &image, double x, double y, double *outX, double *outY);
PoleMeasurement measurePole(const cv::Mat &grey, const FrameInputs &inputs, StarFinder findStar = nullptr);

// The capture thread's per-frame step. `grey` is the frame (8-bit, one channel); `frameImage`
// holds its colour copy (Format_RGB32 or Format_RGB888) and receives the overlays. While the pole is
// monitored the measurements are published to the shared state, the pole as `averager` averages it
// over the latest frames with the uncertainty of its offset from the axis centre, and, when the pole
// was found, the magnified view with a circle of twice that uncertainty is rendered into
// `magnifierFrame` (200 x 200, Format_RGB888) and true is returned: the caller queues it. No image is
// allocated: the magnified view is rendered in place. `averager` belongs to the caller's thread and
// starts afresh whenever monitoring does; it keeps `windowFrames` frames, and takes none from a
// frame that repeats the one before (`newExposure` false), so a camera that hands over one exposure
// many times neither weighs it more nor makes the scatter look smaller.
bool analyseFrame(const cv::Mat &grey, const FrameInputs &inputs, QImage *frameImage, QImage *magnifierFrame,
    polestatistics::PoleAverager &averager, int windowFrames = polestatistics::maxFrames,
    bool newExposure = true);

// The errors of the pole-minus-axis offset that no frame shows, px: the pole angles', and the
// refraction at the site entered in the refraction dialog: all of it while the correction is off,
// the part the correction may miss while it is on.
double unseenOffsetErrorPx(const FrameInputs &inputs);

#endif // FRAMEANALYSIS_H
