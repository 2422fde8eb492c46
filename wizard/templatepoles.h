// templatepoles.h - the celestial pole in each hemisphere's template image.
#ifndef TEMPLATEPOLES_H
#define TEMPLATEPOLES_H

#include <QImage>

// Computes the template pole of the north and south star data (northStarData.pole and
// southStarData.pole, from the triangle A-B-P and star D) and marks it on the template image with a
// small cross. A null pointer skips that hemisphere; a failure is logged and leaves the pole at (0, 0)
// without a mark. Call after LoadStarPosData. This is the logic of MainWindow::MarkTemplatePoles.
void markTemplatePoles(QImage *northMask, QImage *southMask);

// The hemisphere's template image from the resources, with the pole markTemplatePoles computed
// marked on it (unmarked when it could not be computed); a null image, logged, when it cannot be
// read. For windows that load the template only while it is shown.
QImage loadTemplateMask(bool north);

#endif // TEMPLATEPOLES_H
