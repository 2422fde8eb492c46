#include "overlays.h"

#include <QLineF>
#include <QPainter>
#include <QRectF>
#include <cmath>

namespace {

// Beyond this distance from the frame no mark can be visible; also keeps the raster engine away
// from coordinates it cannot represent.
constexpr double farAway = 1e7;

bool drawable(const QPointF &p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y()) && std::abs(p.x()) < farAway
        && std::abs(p.y()) < farAway;
}

void crossLines(QPainter &painter, const QPointF &c, double outer, double inner)
{
    const double x = c.x(), y = c.y();
    painter.drawLine(QLineF(x - outer, y, x - inner, y));
    painter.drawLine(QLineF(x + outer, y, x + inner, y));
    painter.drawLine(QLineF(x, y - outer, x, y - inner));
    painter.drawLine(QLineF(x, y + outer, x, y + inner));
}

void drawAxisCenter(QPainter &painter, const QPointF &c)
{
    painter.drawEllipse(QRectF(c.x() - 1, c.y() - 1, 2, 2));
    painter.drawEllipse(QRectF(c.x() - 4, c.y() - 4, 8, 8));
    crossLines(painter, c, 7, 3);
}

// A circle of radius 10 with four 36-degree gaps; `angle` turns it (counter-clockwise, degrees,
// as QPainter::drawArc counts from 3 o'clock in sixteenths of a degree).
void drawReticle(QPainter &painter, const QPointF &c, double angle)
{
    painter.drawLine(QLineF(c.x() - 3, c.y(), c.x() + 3, c.y()));
    painter.drawLine(QLineF(c.x(), c.y() - 3, c.x(), c.y() + 3));
    const QRectF box(c.x() - 10, c.y() - 10, 20, 20);
    for (const int k : {18, 108, 198, 288})
        painter.drawArc(box, static_cast<int>((angle + k) * 16), 54 * 16);
}

void drawStarMarker(QPainter &painter, const QPointF &c)
{
    painter.drawLine(QLineF(c.x() - 5, c.y(), c.x() + 5, c.y()));
    painter.drawLine(QLineF(c.x(), c.y() - 5, c.x(), c.y() + 5));
    painter.drawRect(QRectF(c.x() - 20, c.y() - 20, 40, 40));
}

void drawPole(QPainter &painter, const QPointF &c)
{
    const double x = c.x(), y = c.y();
    painter.drawEllipse(QRectF(x - 1, y - 1, 2, 2));
    painter.drawLine(QLineF(x - 8, y, x + 8, y));
    painter.drawLine(QLineF(x, y - 8, x, y + 8));
    const int corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (const auto &corner : corners) {
        const double s = corner[0], t = corner[1];
        painter.drawLine(QLineF(x + 6 * s, y + 6 * t, x + 6 * s, y + 3 * t));
        painter.drawLine(QLineF(x + 6 * s, y + 6 * t, x + 3 * s, y + 6 * t));
    }
}

// A star picked at an RA position: a ring a little wider than the star, with one tick above it
// for each position (no text: glyphs are not drawn on the capture thread).
void drawPickedStar(QPainter &painter, const QPointF &p, int position)
{
    painter.drawEllipse(p, 9.0, 9.0);
    for (int k = 0; k < position; ++k) {
        const double x = p.x() + 4.0 * (k - (position - 1) / 2.0);
        painter.drawLine(QLineF(x, p.y() - 12, x, p.y() - 16));
    }
}

void setPenColour(QPainter &painter, const QColor &colour)
{
    painter.setPen(QPen(QBrush(colour), 0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

} // namespace

namespace overlayColours {
QColor axisCenter(bool monoStyle)
{
    return monoStyle ? QColor(Qt::white) : QColor(Qt::red);
}
QColor axisCircle(bool monoStyle)
{
    return monoStyle ? QColor(255, 255, 255, 178) : QColor(0, 255, 0, 178);
}
QColor marker()
{
    return QColor(Qt::white);
}
QColor pole(bool monoStyle)
{
    return monoStyle ? QColor(Qt::white) : QColor(Qt::green);
}
QColor altitudeBolt(bool monoStyle)
{
    return monoStyle ? QColor(255, 255, 255, 200) : QColor(255, 215, 0, 200);
}
QColor azimuthBolt(bool monoStyle)
{
    return monoStyle ? QColor(255, 255, 255, 200) : QColor(0, 200, 255, 200);
}
QColor target(bool monoStyle)
{
    return monoStyle ? QColor(255, 255, 255, 220) : QColor(255, 80, 255, 220);
}
QColor night()
{
    return QColor(170, 0, 0);
}
} // namespace overlayColours

void drawDisplayOverlays(QImage *frame, const FrameInputs &s, const PoleMeasurement &m)
{
    QPainter painter(frame);
    if (!painter.isActive())
        return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    const auto pen = [&](const QColor &colour) {
        setPenColour(painter, s.nightStyle ? overlayColours::night() : colour);
    };

    const bool axisKnown = drawable(s.axisCenter);
    if (s.showAxisCenter && axisKnown) {
        pen(overlayColours::axisCenter(s.monoStyle));
        drawAxisCenter(painter, s.axisCenter);
    }
    if (s.showAxisCircle && axisKnown && std::abs(s.axisCircleRadius) < farAway) {
        const double r = s.axisCircleRadius;
        pen(overlayColours::axisCircle(s.monoStyle));
        painter.drawEllipse(QRectF(s.axisCenter.x() - r, s.axisCenter.y() - r, 2 * r, 2 * r));
    }
    pen(overlayColours::marker());
    if (s.showReticle && drawable(s.expectedPolarisPos) && std::isfinite(s.reticleAngle))
        drawReticle(painter, s.expectedPolarisPos, std::fmod(s.reticleAngle, 360.0));
    for (size_t k = 0; k < s.pickedStarMarks.size(); ++k)
        if (drawable(s.pickedStarMarks[k]))
            drawPickedStar(painter, s.pickedStarMarks[k], int(k) + 1);
    if (s.showStarAMarker && drawable(m.starAPos))
        drawStarMarker(painter, m.starAPos);
    if (s.showStarBMarker && drawable(m.starBPos))
        drawStarMarker(painter, m.starBPos);
    // The pole inside this circle is good enough for the user's imaging (polartarget.h).
    if (s.monitorPole && axisKnown && s.targetRadiusPx > 0 && s.targetRadiusPx < farAway) {
        const double r = s.targetRadiusPx;
        pen(overlayColours::target(s.monoStyle));
        painter.drawEllipse(QRectF(s.axisCenter.x() - r, s.axisCenter.y() - r, 2 * r, 2 * r));
    }
    if (s.monitorPole && s.showBoltGuide && drawable(m.polePos)) {
        const auto boltLine = [&](const QPointF &stop, const QColor &colour) {
            if (!drawable(stop))
                return;
            pen(colour);
            QPen dashed = painter.pen();
            dashed.setStyle(Qt::DashLine);
            painter.setPen(dashed);
            painter.drawLine(m.polePos, stop);
            painter.drawEllipse(stop, 4.0, 4.0);
        };
        boltLine(s.altitudeStop, overlayColours::altitudeBolt(s.monoStyle));
        boltLine(s.azimuthStop, overlayColours::azimuthBolt(s.monoStyle));
    }
    if (s.monitorPole && drawable(m.polePos)) {
        pen(overlayColours::pole(s.monoStyle));
        drawPole(painter, m.polePos);
    }
}
