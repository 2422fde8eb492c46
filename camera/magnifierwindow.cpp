#include "magnifierwindow.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace {

// Beyond this distance (pixels of the enlargement) a mark cannot touch any window; the bound also
// keeps every sum of coordinates below well inside the int range.
constexpr double farAway = 1 << 24;

// The largest crop: 40 source pixels cover a window row, plus one pixel for a window starting
// mid-pixel, one pixel of margin before and two after.
constexpr int maxCropSide = magnifier::windowSize / magnifier::scale + 4;

// A mark reaches 11 pixels from its centre, plus its antialiased edge; a mark further than this
// outside the window cannot touch it.
constexpr int markMargin = 32;

const cv::Scalar monoMark(255, 248, 248);
const cv::Scalar axisMarkColour(255, 0, 0);
const cv::Scalar poleMarkColour(0, 255, 0);

} // namespace

int magnifiedCoordinate(double frameCoordinate, double offset)
{
    const double v = magnifier::scale * frameCoordinate + offset;
    if (!std::isfinite(v))
        return static_cast<int>(farAway);
    return static_cast<int>(std::clamp(v, -farAway, farAway));
}

cv::Point magnifierWindowOrigin(const QPointF &axisCenter)
{
    const int half = magnifier::windowSize / 2;
    return {magnifiedCoordinate(axisCenter.x()) - half, magnifiedCoordinate(axisCenter.y()) - half};
}

void drawMagnifierMarks(cv::Mat &image, cv::Point origin, const QPointF &axisCenter, const QPointF &pole,
    bool monoStyle, double poleCircleRadius)
{
    // Each coordinate is its own expression truncated toward zero, as the enlargement's marks have
    // always been placed.
    const auto at = [&](const QPointF &p, double dx, double dy) {
        return cv::Point(magnifiedCoordinate(p.x(), dx), magnifiedCoordinate(p.y(), dy)) - origin;
    };
    const auto line = [&](const QPointF &p, double x1, double y1, double x2, double y2, const cv::Scalar &c) {
        cv::line(image, at(p, x1, y1), at(p, x2, y2), c, 1, cv::LINE_8);
    };

    const cv::Scalar axisColour = monoStyle ? monoMark : axisMarkColour;
    cv::circle(image, at(axisCenter, 0, 0), 1, axisColour, cv::FILLED, cv::LINE_AA);
    cv::circle(image, at(axisCenter, 0, 0), 8, axisColour, 1, cv::LINE_AA);
    line(axisCenter, -11, 0, -6, 0, axisColour);
    line(axisCenter, 11, 0, 6, 0, axisColour);
    line(axisCenter, 0, -11, 0, -6, axisColour);
    line(axisCenter, 0, 11, 0, 6, axisColour);

    const cv::Scalar poleColour = monoStyle ? monoMark : poleMarkColour;
    cv::circle(image, at(pole, 0, 0), 2, poleColour, cv::FILLED, cv::LINE_AA);
    line(pole, -11, 0, 11, 0, poleColour);
    line(pole, 0, -11, 0, 11, poleColour);
    // Corner brackets, clockwise from the top-left corner.
    const int corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (const auto &c : corners) {
        const int s = c[0], t = c[1];
        line(pole, 9 * s, 9 * t, 9 * s, 4 * t, poleColour);
        line(pole, 9 * s, 9 * t, 4 * s, 9 * t, poleColour);
    }
    const int radius = magnifiedCoordinate(poleCircleRadius);
    if (poleCircleRadius > 0 && radius <= 10 * magnifier::windowSize) // a larger one is beside the view
        cv::circle(image, at(pole, 0, 0), radius, poleColour, 1, cv::LINE_AA);
}

void renderMagnifierWindow(const cv::Mat &grey, const QPointF &axisCenter, const QPointF &pole,
    bool monoStyle, cv::Mat &window, double poleCircleRadius, bool nightStyle)
{
    const int k = magnifier::scale;
    const int side = magnifier::windowSize;
    if (grey.type() != CV_8UC1 || window.type() != CV_8UC3 || window.size() != cv::Size(side, side))
        return;
    const cv::Point origin = magnifierWindowOrigin(axisCenter);

    // The marks are drawn on a canvas larger than the window by more than a mark's reach, so no
    // mark that touches the window is clipped: OpenCV rasterises a clipped antialiased primitive
    // slightly differently along the clipping edge, and the window must show exactly what the
    // whole enlargement shows.
    const int canvasSide = side + 2 * markMargin;
    unsigned char canvasPixels[canvasSide * canvasSide * 3];
    cv::Mat canvas(canvasSide, canvasSide, CV_8UC3, canvasPixels);
    canvas.setTo(cv::Scalar::all(0));
    const cv::Rect windowInCanvas(markMargin, markMargin, side, side);

    // The part of the window that lies on the enlarged frame; the rest stays black.
    const cv::Rect shown
        = cv::Rect(origin, cv::Size(side, side)) & cv::Rect(0, 0, grey.cols * k, grey.rows * k);
    if (!shown.empty()) {
        // Source crop: from one pixel before the first source pixel the window touches to two past
        // the last, clipped to the frame.
        const int x0 = std::max(shown.x / k - 1, 0);
        const int y0 = std::max(shown.y / k - 1, 0);
        const int x1 = std::min((shown.br().x - 1) / k + 2, grey.cols);
        const int y1 = std::min((shown.br().y - 1) / k + 2, grey.rows);
        const cv::Mat crop = grey(cv::Range(y0, y1), cv::Range(x0, x1));
        // resize and cvtColor find destinations of the right size and type and write into them in
        // place.
        unsigned char enlargedPixels[maxCropSide * k * maxCropSide * k];
        cv::Mat enlarged(crop.rows * k, crop.cols * k, CV_8UC1, enlargedPixels);
        cv::resize(crop, enlarged, enlarged.size(), 0, 0, cv::INTER_LINEAR);
        cv::Mat target = canvas(shown - origin + windowInCanvas.tl());
        cv::cvtColor(enlarged(shown - cv::Point(x0 * k, y0 * k)), target, cv::COLOR_GRAY2RGB);
    }
    drawMagnifierMarks(
        canvas, origin - windowInCanvas.tl(), axisCenter, pole, monoStyle || nightStyle, poleCircleRadius);
    if (nightStyle) {
        // The near-white marks and the grey stars become the night style's dark red (170 at most).
        const cv::Matx33f redOnly(170.0f / 255.0f, 0, 0, 0, 0, 0, 0, 0, 0);
        cv::transform(canvas(windowInCanvas), window, redOnly);
        return;
    }
    canvas(windowInCanvas).copyTo(window);
}
