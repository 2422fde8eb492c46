#include "imagequeue.h"

bool ImageQueue::push(const QImage &image)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_images.size() >= capacity)
        return false;
    m_images.append(image);
    return true;
}

bool ImageQueue::take(QImage *image)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_images.isEmpty())
        return false;
    *image = m_images.takeFirst();
    return true;
}

int ImageQueue::size() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_images.size();
}

void ImageQueue::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_images.clear();
}
