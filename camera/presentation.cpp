#include "presentation.h"

#include <opencv2/imgproc.hpp>

#include <QCoreApplication>
#include <QFileDialog>
#include <QPainter>
#include <algorithm>
#include <cmath>

QSize displaySize(float zoom, int reportedWidth, int reportedHeight, const QSize &imageSize)
{
    const bool plausible = reportedWidth > 0 && reportedHeight > 0 && reportedWidth <= imageSize.width()
        && reportedHeight <= imageSize.height();
    const QSize frame = plausible ? QSize(reportedWidth, reportedHeight) : imageSize;
    return QSize(int(zoom * frame.width()), int(zoom * frame.height()));
}

QImage staleLook(const QImage &picture)
{
    QImage grey = picture.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&grey);
    painter.fillRect(grey.rect(), QColor(0, 0, 0, 110));
    return grey;
}

QString positionText(const QPointF &point)
{
    return QStringLiteral("(%1,%2)").arg(point.x(), 0, 'f', 1).arg(point.y(), 0, 'f', 1);
}

QString lampPicture(bool lit, bool mono)
{
    return QStringLiteral(":/images/light%1_%2.png")
        .arg(lit ? QLatin1String("on") : QLatin1String("off"),
            mono ? QLatin1String("mono") : QLatin1String("color"));
}

QPixmap lampPixmap(bool lit, bool mono)
{
    // Read as an image: a pixmap read from a file would stay in the pixmap cache at full size.
    return QPixmap::fromImage(
        QImage(lampPicture(lit, mono))
            .scaled(lampPixels, lampPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QString poleIconPicture(bool mono)
{
    return mono ? QStringLiteral(":/images/pole.png") : QStringLiteral(":/images/pole_color.png");
}

QString axisIconPicture(bool mono)
{
    return mono ? QStringLiteral(":/images/center.png") : QStringLiteral(":/images/center_color.png");
}

QColor sliderGlowColor(bool mono)
{
    return mono ? QColor(248, 248, 255, 255) : QColor(224, 134, 26, 255);
}

void saveSnapshotAs(QWidget *parent, const QImage &image)
{
    const QString fileName
        = QFileDialog::getSaveFileName(parent, QCoreApplication::translate("MainWindow", "Save"), QString(),
            QCoreApplication::translate("MainWindow", "Images (*.png *.jpg *.bmp)"));
    if (!fileName.isEmpty())
        saveSnapshot(image, fileName);
}

bool saveSnapshot(const QImage &image, const QString &fileName)
{
    return image.save(fileName);
}

QImage scaleForDisplay(const QImage &frame, const QSize &size)
{
    const QSize target = frame.size().scaled(size, Qt::KeepAspectRatio);
    if (target == frame.size() || target.isEmpty())
        return frame;
    const int type = frame.format() == QImage::Format_RGB32 ? CV_8UC4
        : frame.format() == QImage::Format_RGB888           ? CV_8UC3
                                                            : -1;
    if (type < 0)
        return frame.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage scaled(target, frame.format());
    const cv::Mat source(frame.height(), frame.width(), type, const_cast<uchar *>(frame.constBits()),
        static_cast<size_t>(frame.bytesPerLine()));
    cv::Mat destination(
        scaled.height(), scaled.width(), type, scaled.bits(), static_cast<size_t>(scaled.bytesPerLine()));
    cv::resize(source, destination, destination.size(), 0, 0, cv::INTER_LINEAR);
    return scaled;
}
