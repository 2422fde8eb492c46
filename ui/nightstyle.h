// nightstyle.h - Tools > Night Style: the window in dark red on black, for eyes adapted to the dark.
//
// The night look is derived from the day's style sheet rather than kept as a second copy of it:
// every colour becomes a red of the same brightness, dimmed, so the layout, the names it addresses
// and its contrasts stay those of the day style.
#ifndef NIGHTSTYLE_H
#define NIGHTSTYLE_H

#include <QColor>
#include <QPixmap>
#include <QString>

class QWidget;

// The night colour of a day colour: red only, from black (black) to a dark red (white), darker
// still for a background; alpha kept.
QColor nightColour(const QColor &day, bool background);

// The style sheet with each of its colours (#rgb, #rrggbb, rgb(), rgba(), white, black) turned
// into its night colour, as a background's when its property is one.
QString nightStyleSheet(const QString &dayStyleSheet);

// The picture's shape in the night style's red, its transparency kept.
QPixmap nightTinted(const QPixmap &picture);

// Turns the application's style sheet and the own style sheets of `window` and its children to
// night or back to day; the day sheets are kept on the objects, so switching back restores them.
void applyNightStyle(QWidget *window, bool night);

#endif // NIGHTSTYLE_H
