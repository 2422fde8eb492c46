// templatefigure.cpp - drawing the template images.
#include "templatefigure.h"

#include "stardatafile.h"

#include <QLineF>
#include <QPainter>
#include <QPen>

namespace {

const QColor ringColour(242, 242, 236, 210); // near-white, partly transparent
const QColor edgeColour(40, 40, 40, 190);    // the darker outer edge
const QColor lineColour(255, 236, 150, 190); // pale yellow
constexpr double ringWidth = 3;
constexpr double lineWidth = 1.5;

QPointF painterPoint(QPoint pixel)
{
    return QPointF(pixel.x() + 0.5, pixel.y() + 0.5);
}

} // namespace

TemplateFigure northTemplateFigure()
{
    const HemisphereDefinition &north = northDefinition();
    return {QSize(800, 800),
        {{north.starB, 31}, {north.starA, 25}, {north.starD, 25}, {{58, 448}, 31}, {{608, 697}, 31},
            {{281, 699}, 25}},
        {}};
}

TemplateFigure southTemplateFigure()
{
    const HemisphereDefinition &south = southDefinition();
    return {QSize(800, 674),
        {{south.starB, 41}, {south.starA, 33}, {south.starD, 33}, {{444, 134}, 41}, {{625, 54}, 41},
            {{564, 433}, 41}, {{295, 411}, 29}},
        {0, 3, 4, 5}};
}

QImage drawTemplate(const TemplateFigure &figure)
{
    QImage image(figure.size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);

    // Lines run from ring edge to ring edge, so they never cross a star.
    painter.setPen(QPen(lineColour, lineWidth, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < figure.outline.size(); ++i) {
        const TemplateRing &from = figure.rings[figure.outline[i]];
        const TemplateRing &to = figure.rings[figure.outline[(i + 1) % figure.outline.size()]];
        QLineF line(painterPoint(from.centre), painterPoint(to.centre));
        const double length = line.length();
        const QPointF step = (line.p2() - line.p1()) / length;
        line = QLineF(line.p1() + step * (from.diameter / 2.0), line.p2() - step * (to.diameter / 2.0));
        painter.drawLine(line);
    }

    for (const TemplateRing &ring : figure.rings) {
        const QPointF centre = painterPoint(ring.centre);
        const double outer = ring.diameter / 2.0;
        painter.setPen(QPen(edgeColour, 1));
        painter.drawEllipse(centre, outer - 0.5, outer - 0.5);
        painter.setPen(QPen(ringColour, ringWidth));
        painter.drawEllipse(centre, outer - 1 - ringWidth / 2, outer - 1 - ringWidth / 2);
    }
    return image;
}
