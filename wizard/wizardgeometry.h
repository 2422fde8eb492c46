// wizardgeometry.h - the small computations behind the wizard's image interaction: label and image
// pixels, the rotated star-pattern template, where Polaris and reference star A must be, and the
// phase of the rotating reticle. Angles are degrees, positive clockwise on screen (y down).
#ifndef WIZARDGEOMETRY_H
#define WIZARDGEOMETRY_H

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>

namespace wizard {

// The readout under the pointer: "x,y" with one decimal each, e.g. "640.5,480.0".
QString cursorText(const QPointF &imagePos);

// Label pixels -> image pixels; `zoom` is label pixels per image pixel (1.0, 0.75 or 0.5).
QPointF labelToImage(const QPoint &labelPos, double zoom);

// The template shown over the image: the mask scaled by the zoom, turned by `angle`, and placed so
// that its centre stays on `click` (label pixels) whatever the angle. The image is the bounding
// box of the turned picture, so its size changes with the angle.
struct PlacedTemplate
{
    QImage image;
    QRect geometry;
};
PlacedTemplate placeTemplate(const QImage &mask, double zoom, int angle, const QPoint &click);

// Where Polaris must stand so that the celestial pole lies on the axis centre: the axis centre
// shifted by the template's vector from the pole to Polaris, turned by `angle`.
QPointF expectedPolarisPosition(
    const QPointF &templatePole, const QPointF &templateStarB, int angle, const QPointF &axisCenter);

// Where reference star A should be when the template, turned by `angle`, is laid over the image
// with its Polaris point on `polaris`.
QPointF predictedStarA(
    const QPointF &polaris, const QPointF &templateStarA, const QPointF &templateStarB, int angle);

// The template angle (whole degrees, 0 to 359) that lays the template's star A on `starA` when its
// Polaris point lies on `polaris`: the inverse of predictedStarA, for a template proposed from the
// stars a plate solution names.
int templateAngleFor(
    const QPointF &polaris, const QPointF &starA, const QPointF &templateStarA, const QPointF &templateStarB);

// The reticle's phase at an instant of the program's clock (UTC seconds): 0, 10, ..., 70 and back
// to 0, a step every 100 ms (eight phases; the four gaps of the reticle repeat every 90 degrees,
// so the turn looks continuous). Taken from the clock rather than counted by a timer, so that a
// picture of the sky at a given instant always carries the same reticle, in a replayed night too.
double reticleAngleAt(double utcSeconds);

} // namespace wizard

#endif // WIZARDGEOMETRY_H
