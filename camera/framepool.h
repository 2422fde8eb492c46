// framepool.h - the latest grey camera frame, published to the GUI thread without ever being
// overwritten while someone reads it.
//
// A few frames are allocated once. The capture thread fills a slot that nobody reads and then
// publishes it; a reader (the star pick on the GUI thread) leases the latest published slot and
// reads it for as long as it holds the lease. A leased or published slot is never handed out for
// writing, so a reader always sees one whole frame, and no frame is allocated per frame.
//
// Usage:
//   capture thread:  cv::Mat slot = pool.beginWrite(); fill slot; pool.publish();
//   any reader:      FrameLease lease = pool.latest(); if (!lease.image().empty()) read lease.image();
#ifndef FRAMEPOOL_H
#define FRAMEPOOL_H

#include <mutex>
#include <opencv2/core.hpp>
#include <vector>

class FramePool;

// Read access to one published frame; the slot stays untouched until the lease is destroyed.
class FrameLease
{
public:
    FrameLease() = default;
    FrameLease(FrameLease &&other) noexcept;
    FrameLease &operator=(FrameLease &&other) noexcept;
    FrameLease(const FrameLease &) = delete;
    FrameLease &operator=(const FrameLease &) = delete;
    ~FrameLease();

    // Empty when nothing has been published yet.
    const cv::Mat &image() const { return m_image; }

private:
    friend class FramePool;
    FrameLease(const FramePool *pool, int slot, cv::Mat image);
    void release();

    const FramePool *m_pool = nullptr;
    int m_slot = -1;
    cv::Mat m_image;
};

class FramePool
{
public:
    // Three slots suffice for one writer and one reader: the slot being written, the latest
    // published one and one a reader may still hold from before.
    static constexpr int defaultSlots = 3;

    FramePool() = default;
    FramePool(const FramePool &) = delete;
    FramePool &operator=(const FramePool &) = delete;

    // Allocates the slots (single-channel 8-bit frames) once; a call with another size, count or
    // room replaces them and forgets the published frame. Call before the capture thread starts.
    // With `slotBytes` beyond width x height, each slot's pixels are followed by room up to that
    // many bytes, so a camera may write a larger frame straight into it (only the bytes written
    // take memory).
    void allocate(int width, int height, int slots = defaultSlots, size_t slotBytes = 0);

    // Capture thread: a slot that is neither published nor leased, to be filled and then
    // published. Empty when every slot is in use (the caller drops the frame).
    cv::Mat beginWrite();
    // Capture thread: the slot returned by the last beginWrite becomes the latest frame.
    void publish();

    // Any thread: the latest published frame.
    FrameLease latest() const;

private:
    friend class FrameLease;
    void releaseLease(int slot) const;

    mutable std::mutex m_mutex;
    std::vector<cv::Mat> m_slots;      // width x height headers over m_storage
    std::vector<cv::Mat> m_storage;    // each slot's bytes, with the room asked for
    mutable std::vector<int> m_leases; // readers per slot
    int m_published = -1;
    int m_writing = -1;
};

#endif // FRAMEPOOL_H
