#include "wizardgeometry.h"

#include "staralgorithms.h"

#include <QTransform>
#include <cmath>

namespace wizard {

QString cursorText(const QPointF &imagePos)
{
    return QStringLiteral("%1,%2").arg(imagePos.x(), 0, 'f', 1).arg(imagePos.y(), 0, 'f', 1);
}

QPointF labelToImage(const QPoint &labelPos, double zoom)
{
    return {labelPos.x() / zoom, labelPos.y() / zoom};
}

PlacedTemplate placeTemplate(const QImage &mask, double zoom, int angle, const QPoint &click)
{
    const QImage scaled = mask.scaled(
        int(mask.width() * zoom), int(mask.height() * zoom), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    PlacedTemplate placed;
    placed.image = scaled.transformed(QTransform().rotate(angle), Qt::SmoothTransformation);
    const int w = placed.image.width(), h = placed.image.height();
    placed.geometry = QRect(click.x() - (w - 1) / 2, click.y() - (h - 1) / 2, w, h);
    return placed;
}

QPointF expectedPolarisPosition(
    const QPointF &templatePole, const QPointF &templateStarB, int angle, const QPointF &axisCenter)
{
    double px = 0, py = 0;
    starAlgorithms.RotatePoint(
        angle, templatePole.x(), templatePole.y(), templateStarB.x(), templateStarB.y(), &px, &py);
    return axisCenter + (templateStarB - QPointF(px, py));
}

QPointF predictedStarA(
    const QPointF &polaris, const QPointF &templateStarA, const QPointF &templateStarB, int angle)
{
    double ax = 0, ay = 0;
    starAlgorithms.RotatePoint(
        angle, templateStarA.x(), templateStarA.y(), templateStarB.x(), templateStarB.y(), &ax, &ay);
    return polaris - templateStarB + QPointF(ax, ay);
}

int templateAngleFor(
    const QPointF &polaris, const QPointF &starA, const QPointF &templateStarA, const QPointF &templateStarB)
{
    // predictedStarA turns the template's B-to-A vector by the angle, clockwise on screen as
    // atan2 with y down counts.
    const QPointF seen = starA - polaris, drawn = templateStarA - templateStarB;
    const double turnDeg = (std::atan2(seen.y(), seen.x()) - std::atan2(drawn.y(), drawn.x())) * 180.0 / M_PI;
    const int whole = int(std::lround(std::fmod(turnDeg + 720.0, 360.0)));
    return whole % 360;
}

double reticleAngleAt(double utcSeconds)
{
    if (!std::isfinite(utcSeconds))
        return 0.0;
    // A hair over a tenth, so that clock steps of exactly 0.1 s land inside their phase.
    const double tenths = std::floor(utcSeconds * 10 + 1e-4);
    return 10.0 * std::fmod(tenths, 8.0);
}

} // namespace wizard
