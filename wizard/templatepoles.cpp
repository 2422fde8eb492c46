// templatepoles.cpp - template pole computation and its mark on the template images.
#include "templatepoles.h"

#include "hemispherestardata.h"
#include "staralgorithms.h"

#include <QImage>
#include <QPainter>
#include <QPen>

namespace {

const QColor poleMarkColour(150, 244, 254);
constexpr double poleMarkHalf = 5; // pixels from the pole to each end of the cross

void paintPoleMark(QImage *mask, QPointF pole)
{
    if (mask->isNull())
        return; // an image that failed to load has nothing to paint on
    // Template points are pixel centres; QPainter puts the centre of pixel (i, j) at (i + 0.5, j + 0.5).
    const QPointF centre = pole + QPointF(0.5, 0.5);
    QPainter painter(mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(poleMarkColour, 1));
    painter.drawLine(centre - QPointF(poleMarkHalf, 0), centre + QPointF(poleMarkHalf, 0));
    painter.drawLine(centre - QPointF(0, poleMarkHalf), centre + QPointF(0, poleMarkHalf));
}

void markTemplatePole(QImage *mask, HemisphereStarData *data, const char *failure)
{
    if (!mask)
        return;
    double x = 0, y = 0;
    const int result
        = starAlgorithms.CalcTemplatePole(data->starA.x(), data->starA.y(), data->angleBAP, data->starB.x(),
            data->starB.y(), data->angleABP, &x, &y, data->starD.x(), data->starD.y(), data->angleDBP);
    data->pole = QPointF(x, y);
    if (result != 0) {
        qCritical("%s", failure);
        return;
    }
    paintPoleMark(mask, data->pole);
}

} // namespace

void markTemplatePoles(QImage *northMask, QImage *southMask)
{
    markTemplatePole(northMask, &northStarData, "Failed to calculate the north pole.");
    markTemplatePole(southMask, &southStarData, "Failed to calculate the south pole.");
}

QImage loadTemplateMask(bool north)
{
    QImage mask(
        north ? QStringLiteral(":/images/north_mask.png") : QStringLiteral(":/images/south_mask.png"));
    if (mask.isNull())
        qCritical("The %s template image cannot be read.", north ? "north" : "south");
    const QPointF pole = north ? northStarData.pole : southStarData.pole;
    if (pole != QPointF(0, 0)) // (0, 0): the pole could not be computed
        paintPoleMark(&mask, pole);
    return mask;
}
