// imagequeue.h - hand-off of finished images from the capture thread to the GUI thread.
#ifndef IMAGEQUEUE_H
#define IMAGEQUEUE_H

#include <QImage>
#include <QList>
#include <mutex>

// Holds at most two images: a slow GUI drops frames instead of accumulating them. The mutex is
// held only for the append or the take, never while an image is drawn or shown. It is a
// std::mutex rather than a QMutex because ThreadSanitizer sees its ordering (Qt's own mutex
// locks inside the uninstrumented Qt library, so every hand-off would look like a race).
class ImageQueue
{
public:
    static constexpr int capacity = 2;

    // Appends a snapshot (QImage shares its pixels copy-on-write, so later writes by the producer
    // into its own image do not change the queued one). Returns false when the image was dropped.
    bool push(const QImage &image);
    // Takes the oldest image; returns false when the queue is empty.
    bool take(QImage *image);
    int size() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    QList<QImage> m_images;
};

#endif // IMAGEQUEUE_H
