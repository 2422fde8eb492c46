// templatefigure.h - the star-pattern templates that the user turns over the live image to match the
// stars around the pole star: one ring per pattern star on a transparent image, and in the south the
// four-star figure around sigma Oct joined by lines.
//
// Ring centres follow the program's pixel convention: the centre of pixel (i, j) is the point
// (i, j), which QPainter addresses as (i + 0.5, j + 0.5). The rings of stars A, B and D sit exactly on
// the template positions of the star data files. The other rings mark further stars of the pattern
// (north: HIP 37391, 2 UMi, HIP 19454; south: HIP 115836, HIP 111196, HIP 92824, HIP 71348).
#ifndef TEMPLATEFIGURE_H
#define TEMPLATEFIGURE_H

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QVector>

struct TemplateRing
{
    QPoint centre; // template pixel
    int diameter;  // outer diameter, pixels
};

struct TemplateFigure
{
    QSize size;
    QVector<TemplateRing> rings;
    QVector<int> outline; // indices into rings, joined in this order and closed; empty for none
};

TemplateFigure northTemplateFigure(); // 800 x 800, ring 0 = B, 1 = A, 2 = D
TemplateFigure southTemplateFigure(); // 800 x 674, ring 0 = B, 1 = A, 2 = D

QImage drawTemplate(const TemplateFigure &figure);

#endif // TEMPLATEFIGURE_H
