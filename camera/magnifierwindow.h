// magnifierwindow.h - the magnified view of the RA axis centre shown while the pole is monitored.
//
// The view is the 200 x 200 window, centred on the axis centre, of the frame enlarged five times
// with bilinear interpolation, with the axis-centre and pole marks drawn on it. Only the window is
// computed: a source crop with a one-pixel margin is enlarged with the same cv::resize call, which
// gives exactly the pixels of the whole 6400 x 4800 enlargement (the interpolation weights depend
// only on the destination pixel modulo 5, and the margin keeps the crop's replicated border out of
// the window). The marks are drawn shifted by the window's origin.
#ifndef MAGNIFIERWINDOW_H
#define MAGNIFIERWINDOW_H

#include <QPointF>
#include <opencv2/core.hpp>

namespace magnifier {
constexpr int scale = 5;        // enlargement factor: a frame point (x, y) lies at (5x, 5y)
constexpr int windowSize = 200; // side of the shown window, pixels of the enlargement
} // namespace magnifier

// Frame coordinate -> integer pixel of the enlargement, truncated toward zero. Non-finite and
// absurdly large values are pinned far outside any image, so nothing is drawn for them and the
// integer conversion stays defined.
int magnifiedCoordinate(double frameCoordinate, double offset = 0.0);

// Top-left corner, in pixels of the enlargement, of the window centred on the axis-centre mark.
cv::Point magnifierWindowOrigin(const QPointF &axisCenter);

// Draws the axis-centre mark and the pole mark of the enlargement on `image` (8-bit, three
// channels, red-green-blue), whose pixel (0, 0) is pixel `origin` of the enlargement. "Mono"
// style draws both marks near-white; otherwise the axis centre is red and the pole green. A
// positive `poleCircleRadius` (frame pixels) adds a circle of that radius around the pole in the
// pole's colour: where the pole may lie.
void drawMagnifierMarks(cv::Mat &image, cv::Point origin, const QPointF &axisCenter, const QPointF &pole,
    bool monoStyle, double poleCircleRadius = 0.0);

// Renders the window around `axisCenter` of the grey frame `grey` (8-bit, one channel) into
// `window` (200 x 200, 8-bit, three channels, allocated by the caller; any other image is left
// alone). Parts of the window outside the enlarged frame are black, so the axis centre stays in the
// middle of the view even when it lies near the frame's edge; no pixel outside the frame is read.
// Allocates no image: the enlarged crop and the marks' canvas live on the stack.
// The circle around the pole is drawn as drawMagnifierMarks draws it; a circle reaching more than
// 32 px of the enlargement beyond the window may differ from the whole enlargement's along the edge.
// The night style shows the window, marks and all, in dark red only.
void renderMagnifierWindow(const cv::Mat &grey, const QPointF &axisCenter, const QPointF &pole,
    bool monoStyle, cv::Mat &window, double poleCircleRadius = 0.0, bool nightStyle = false);

#endif // MAGNIFIERWINDOW_H
