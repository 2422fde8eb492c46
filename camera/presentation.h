// presentation.h - how the live view presents frames: display size per zoom, position texts, the
// look of the Mono and Color styles and the saving of snapshots. Used by the main window.
#ifndef PRESENTATION_H
#define PRESENTATION_H

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPointF>
#include <QSize>
#include <QString>

class QWidget;

// The size a frame is shown at: the frame size the camera reported, times the zoom, truncated.
// A reported size that is not positive or exceeds the queued image (a camera that reports
// nonsense) is replaced by the image's own size.
QSize displaySize(float zoom, int reportedWidth, int reportedHeight, const QSize &imageSize);

// The frame scaled smoothly (bilinear filtering, as Qt's smooth transformation is defined) to
// the display size, the aspect ratio kept. Done by OpenCV on the calling thread: Qt spreads a
// smooth scaling over its thread pool and, on a busy two-core machine, waits for it for
// milliseconds per shown frame. A frame that already has the size is returned as it is.
QImage scaleForDisplay(const QImage &frame, const QSize &size);

// A picture that is not live any more (freshness.h): grey and dimmed, so that nobody takes it,
// or the marks drawn on it, for the sky as it is now.
QImage staleLook(const QImage &picture);

// "(x,y)" with one decimal each and no spaces, e.g. "(640.0,479.5)".
QString positionText(const QPointF &point);

// The alignment lamps' pictures; which are lit is the wizard's (steppresentation.h).
QString lampPicture(bool lit, bool mono);
// A lamp's picture at the size it is drawn: the pictures are 512 x 512, the lamps 25 x 25 labels
// that scale their contents; 64 pixels stay sharp with the fonts scaled up 2.5 times, at a
// sixty-fourth of the memory.
constexpr int lampPixels = 64;
QPixmap lampPixmap(bool lit, bool mono);
QString poleIconPicture(bool mono);
QString axisIconPicture(bool mono);
QColor sliderGlowColor(bool mono);

// Asks for a file name (PNG, JPEG or BMP) and saves the image under it. Nothing is written when
// the dialog is cancelled; a failed write is not reported.
void saveSnapshotAs(QWidget *parent, const QImage &image);
// Saves the image in the format the file name's suffix gives (png, jpg or bmp), default quality.
bool saveSnapshot(const QImage &image, const QString &fileName);

#endif // PRESENTATION_H
