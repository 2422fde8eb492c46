#include "framepool.h"

#include <algorithm>
#include <utility>

FrameLease::FrameLease(const FramePool *pool, int slot, cv::Mat image)
    : m_pool(pool), m_slot(slot), m_image(std::move(image))
{ }

FrameLease::FrameLease(FrameLease &&other) noexcept
    : m_pool(std::exchange(other.m_pool, nullptr)), m_slot(std::exchange(other.m_slot, -1)),
      m_image(std::move(other.m_image))
{ }

FrameLease &FrameLease::operator=(FrameLease &&other) noexcept
{
    if (this != &other) {
        release();
        m_pool = std::exchange(other.m_pool, nullptr);
        m_slot = std::exchange(other.m_slot, -1);
        m_image = std::move(other.m_image);
    }
    return *this;
}

FrameLease::~FrameLease()
{
    release();
}

void FrameLease::release()
{
    m_image.release();
    if (m_pool)
        m_pool->releaseLease(m_slot);
    m_pool = nullptr;
    m_slot = -1;
}

void FramePool::allocate(int width, int height, int slots)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // A reader may still hold a lease on the frames already there; they stay as they are.
    const bool allocated = int(m_slots.size()) == slots
        && std::all_of(m_slots.begin(), m_slots.end(), [&](const cv::Mat &slot) {
               return slot.cols == width && slot.rows == height && slot.type() == CV_8UC1;
           });
    if (allocated)
        return;
    m_slots.resize(slots);
    for (cv::Mat &slot : m_slots)
        slot.create(height, width, CV_8UC1);
    m_leases.assign(slots, 0);
    m_published = -1;
    m_writing = -1;
}

cv::Mat FramePool::beginWrite()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writing = -1;
    for (int i = 0; i < int(m_slots.size()); ++i) {
        if (i != m_published && m_leases[i] == 0) {
            m_writing = i;
            return m_slots[i];
        }
    }
    return cv::Mat();
}

void FramePool::publish()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_writing >= 0)
        m_published = m_writing;
    m_writing = -1;
}

FrameLease FramePool::latest() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_published < 0)
        return FrameLease();
    ++m_leases[m_published];
    return FrameLease(this, m_published, m_slots[m_published]);
}

void FramePool::releaseLease(int slot) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    --m_leases[slot];
}
