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

void FramePool::allocate(int width, int height, int slots, size_t slotBytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const size_t bytes = std::max(slotBytes, size_t(std::max(width, 0)) * size_t(std::max(height, 0)));
    // A reader may still hold a lease on the frames already there; they stay as they are.
    const bool allocated = int(m_slots.size()) == slots
        && std::all_of(m_slots.begin(), m_slots.end(),
            [&](const cv::Mat &slot) { return slot.cols == width && slot.rows == height; })
        && std::all_of(m_storage.begin(), m_storage.end(),
            [&](const cv::Mat &storage) { return storage.total() == bytes; });
    if (allocated)
        return;
    m_storage.assign(size_t(slots), cv::Mat());
    m_slots.assign(size_t(slots), cv::Mat());
    for (int i = 0; i < slots; ++i) {
        m_storage[size_t(i)].create(1, int(bytes), CV_8UC1);
        // A view that shares the storage's reference count: a lease keeps its frame alive.
        m_slots[size_t(i)] = m_storage[size_t(i)].colRange(0, width * height).reshape(1, height);
    }
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
