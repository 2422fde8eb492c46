// magnifierwidget.h - a round lens floating over the live image that enlarges the part of the
// shown frame under the pointer.
#ifndef MAGNIFIERWIDGET_H
#define MAGNIFIERWIDGET_H

#include <QPixmap>
#include <QWidget>

class MagnifierWidget : public QWidget
{
    Q_OBJECT

public:
    // A lens of width x height widget pixels, placed at (2, 2) of the parent with a 1-pixel rim
    // on each side.
    MagnifierWidget(int width, int height, QWidget *parent = nullptr);

    void setSourcePixmap(const QPixmap &pixmap);
    void setNightStyle(bool night); // rim and cross in the night style's red
    // Centre of the magnified area, in source pixels; kept inside the source when painting.
    void setCenter(int x, int y);
    void setZoom(float zoom);

    QPoint center() const { return QPoint(centerX, centerY); }
    // The square of the source shown at the last paint.
    const QPixmap &shownSquare() const { return lensPixmap; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap sourcePixmap;
    bool nightStyle = false;
    QPixmap lensPixmap;
    float zoom = 3.0f;
    int centerX = 20;
    int centerY = 20;
    int lensWidth;
    int lensHeight;
};

#endif // MAGNIFIERWIDGET_H
