#include "magnifierwidget.h"

#include "overlays.h"

#include <QPainter>

MagnifierWidget::MagnifierWidget(int width, int height, QWidget *parent)
    : QWidget(parent), lensWidth(width), lensHeight(height)
{
    setGeometry(2, 2, lensWidth + 2, lensHeight + 2);
}

void MagnifierWidget::setSourcePixmap(const QPixmap &pixmap)
{
    sourcePixmap = pixmap;
}

void MagnifierWidget::setNightStyle(bool night)
{
    nightStyle = night;
}

void MagnifierWidget::setCenter(int x, int y)
{
    centerX = x;
    centerY = y;
}

void MagnifierWidget::setZoom(float z)
{
    zoom = z;
}

void MagnifierWidget::paintEvent(QPaintEvent *)
{
    // The lens shows an s x s square of the source; the brush transform does the enlargement,
    // so only that square is copied per paint.
    const int side = zoom > 0.0f ? int(lensWidth / zoom) : lensWidth;
    const int half = side / 2;
    // The square stays inside the source (the same margin serves both axes).
    if (centerX < half)
        centerX = half;
    if (centerY < half)
        centerY = half;
    if (centerX > sourcePixmap.width() - half)
        centerX = sourcePixmap.width() - half;
    if (centerY > sourcePixmap.height() - half)
        centerY = sourcePixmap.height() - half;
    lensPixmap = sourcePixmap.copy(centerX - half, centerY - half, side, side);

    QBrush lens(lensPixmap);
    lens.setTransform(QTransform::fromScale(zoom, zoom));

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(lens);
    const int w = lensWidth, t = lensHeight;
    painter.drawEllipse(0, 0, w, t);
    // The night style keeps the rim's shading in reds no brighter than its marks.
    const QColor night = overlayColours::night();
    auto rimPen = [&](const QColor &colour, int width) {
        const QColor shown = nightStyle ? QColor(night.red() * colour.lightness() / 255, 0, 0) : colour;
        return QPen(QBrush(shown), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    };
    painter.setPen(rimPen(QColor(160, 160, 160), 1));
    painter.drawEllipse(-1, -1, w + 2, t + 2);
    painter.setPen(rimPen(Qt::white, 2));
    painter.drawEllipse(0, 0, w, t);
    painter.setPen(rimPen(QColor(215, 215, 215), 1));
    painter.drawEllipse(1, 1, w - 2, t - 2);

    painter.setPen(QPen(nightStyle ? night : QColor(Qt::green), 1));
    painter.drawLine(w / 2 - 8, t / 2, w / 2 + 8, t / 2);
    painter.drawLine(w / 2, t / 2 - 8, w / 2, t / 2 + 8);
}
