// overlays.h - the wizard's marks drawn over the live display frame.
#ifndef OVERLAYS_H
#define OVERLAYS_H

#include "frameanalysis.h"

#include <QColor>
#include <QImage>

// Colours of the display marks; "Mono" keeps everything white so the view stays monochrome.
namespace overlayColours {
QColor axisCenter(bool monoStyle);
QColor axisCircle(bool monoStyle); // 70 % opaque
QColor marker();                   // reticle and the two reference-star marks
QColor pole(bool monoStyle);
QColor night(); // every mark in the night style
QColor altitudeBolt(bool monoStyle);
QColor azimuthBolt(bool monoStyle);
QColor target(bool monoStyle);
} // namespace overlayColours

// Paints, in this order and each only when its switch in `inputs` is set: the axis-centre mark, the
// axis circle, the rotating reticle at the expected Polaris position, the marks of reference stars
// A and B and the computed pole (at the positions in `measured`), and while monitoring the target's
// circle about the axis centre and each bolt's line from the pole through the point where to stop
// turning it, the stop circled. Antialiased, one-device-pixel (cosmetic) pens, nothing filled,
// coordinates not rounded. A mark whose position is not a finite number is skipped. The stars picked
// at the RA positions taken so far are ringed (one tick per position) whenever `inputs` holds them.
void drawDisplayOverlays(QImage *frame, const FrameInputs &inputs, const PoleMeasurement &measured);

#endif // OVERLAYS_H
