// framerecorder.h - records the frames the capture thread receives into a SER file.
//
// Threads: the GUI thread starts and stops a recording and reads its progress; the capture thread
// offers each frame it publishes; a writer thread of the recorder's own, running only while a
// recording is on, writes them to the disk. offer() copies the frame into a queue of at most
// kQueueFrames frames and never waits for the disk: a frame that finds the queue full is dropped
// and counted. Unless every frame is asked for, the newest frames wait in a hold of about
// FrameThinning::kAroundActionS until it is known whether an action came near them (markAction);
// FrameThinning decides which are written. When a write fails (disk full, the folder gone) the recorder stops taking frames and
// progress() reports the problem; stop() then finishes the file with the frames written so far,
// so the header's frame count and the trailer's time stamps always agree with the frames in it.
#ifndef FRAMERECORDER_H
#define FRAMERECORDER_H

#include "framethinning.h"
#include "serfile.h"

#include <QString>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <opencv2/core.hpp>
#include <thread>
#include <vector>

class FrameRecorder
{
public:
    static constexpr size_t kQueueFrames = 16; // about 20 MB of 1280 x 960 frames
    // The hold's bound, whatever the camera's pace: about 50 MB.
    static constexpr size_t kHeldFrames = 40;

    struct Progress
    {
        bool recording = false;
        QString path;
        int64_t framesWritten = 0;
        int64_t bytesWritten = 0;
        int64_t framesDropped = 0;
        QString problem; // why writing stopped; empty while all is well
    };

    FrameRecorder() = default;
    FrameRecorder(const FrameRecorder &) = delete;
    FrameRecorder &operator=(const FrameRecorder &) = delete;
    ~FrameRecorder();

    // GUI thread. Creates the file for frames of width x height; false, with the reason, when it
    // cannot be created. The start counts as an action: a replay begins with frames at full pace.
    bool start(const QString &path, int width, int height, double startUtcSeconds, QString *problem,
        bool everyFrame = true);
    // GUI thread. Writes what is still queued, then the trailer and the frame count, and closes the
    // file. False, with the reason, when writing failed at any point; the file then holds the frames
    // written before the failure.
    bool stop(QString *problem);
    Progress progress() const;
    // GUI thread: something happened at utcSeconds that a replay must see with every frame.
    void markAction(double utcSeconds);

    // Capture thread: queues a copy of an 8-bit frame taken at utcSeconds, while recording.
    void offer(const cv::Mat &grey, double utcSeconds);

private:
    struct Frame
    {
        std::vector<uint8_t> pixels;
        double utcSeconds = 0;
    };
    void writeQueuedFrames();
    // With the lock: judges the held frames that no later action can claim any more (all of them
    // when `all`), queueing the kept ones.
    void judgeHeldFrames(bool all);

    mutable std::mutex m_mutex;
    std::condition_variable m_queued;
    std::deque<Frame> m_queue;
    std::deque<Frame> m_held; // taken, not yet judged
    FrameThinning m_thinning;
    std::vector<std::vector<uint8_t>> m_spare; // buffers of written frames, for the next ones
    bool m_accepting = false;                  // frames are taken
    bool m_stopping = false;                   // the writer thread finishes the queue and returns
    size_t m_frameBytes = 0;
    Progress m_progress;
    ser::Writer m_writer; // the writer thread's while it runs, the GUI thread's otherwise
    std::thread m_thread;
};

#endif // FRAMERECORDER_H
