#include "framerecorder.h"

#include <QDateTime>
#include <QFile>
#include <cstring>

FrameRecorder::~FrameRecorder()
{
    stop(nullptr);
}

namespace {
// A frame is judged this long after it came, so that an action the window notes a moment after the
// frame it acted on is still in time.
constexpr double kHoldSeconds = FrameThinning::kAroundActionS + 0.5;
} // namespace

bool FrameRecorder::start(const QString &path, int width, int height, double startUtcSeconds,
    QString *problem, bool everyFrame)
{
    stop(nullptr);
    std::string why;
    const double utcOffsetSeconds = QDateTime::currentDateTime().offsetFromUtc();
    if (!m_writer.open(QFile::encodeName(path).toStdString(), width, height, "Velto Q7", startUtcSeconds,
            utcOffsetSeconds, &why)) {
        if (problem)
            *problem = QString::fromStdString(why);
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_frameBytes = size_t(width) * size_t(height);
    m_queue.clear();
    m_held.clear();
    m_thinning = FrameThinning(everyFrame);
    m_thinning.markAction(startUtcSeconds);
    m_progress = Progress();
    m_progress.recording = true;
    m_progress.path = path;
    m_progress.bytesWritten = m_writer.bytesWritten();
    m_accepting = true;
    m_stopping = false;
    m_thread = std::thread(&FrameRecorder::writeQueuedFrames, this);
    return true;
}

bool FrameRecorder::stop(QString *problem)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_thread.joinable())
            return true;
        m_accepting = false;
        judgeHeldFrames(true);
        m_stopping = true;
    }
    m_queued.notify_all();
    m_thread.join();
    std::string why;
    const bool finished = m_writer.finish(&why);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!finished && m_progress.problem.isEmpty())
        m_progress.problem = QString::fromStdString(why);
    m_progress.recording = false;
    m_spare.clear();
    if (problem)
        *problem = m_progress.problem;
    return m_progress.problem.isEmpty();
}

FrameRecorder::Progress FrameRecorder::progress() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_progress;
}

void FrameRecorder::markAction(double utcSeconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_accepting)
        m_thinning.markAction(utcSeconds);
}

void FrameRecorder::judgeHeldFrames(bool all)
{
    const double newest = m_held.empty() ? 0 : m_held.back().utcSeconds;
    while (!m_held.empty()
        && (all || m_held.size() > kHeldFrames || m_held.front().utcSeconds < newest - kHoldSeconds)) {
        Frame frame = std::move(m_held.front());
        m_held.pop_front();
        if (!m_thinning.keep(frame.utcSeconds)) {
            m_spare.push_back(std::move(frame.pixels));
        } else if (m_queue.size() >= kQueueFrames && !all) {
            ++m_progress.framesDropped;
            m_spare.push_back(std::move(frame.pixels));
        } else {
            m_queue.push_back(std::move(frame));
        }
    }
}

void FrameRecorder::offer(const cv::Mat &grey, double utcSeconds)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_accepting)
        return;
    // Held frames wait for their judgement; the queue's room is asked for when they leave the hold.
    const bool held = !m_thinning.everyFrame();
    if (grey.type() != CV_8UC1 || !grey.isContinuous() || grey.total() != m_frameBytes
        || (!held && m_queue.size() >= kQueueFrames)) {
        ++m_progress.framesDropped;
        return;
    }
    Frame frame;
    if (!m_spare.empty()) {
        frame.pixels = std::move(m_spare.back());
        m_spare.pop_back();
    }
    // The copy is made outside the lock, so the GUI thread's progress() does not wait for it.
    lock.unlock();
    frame.pixels.resize(m_frameBytes);
    std::memcpy(frame.pixels.data(), grey.data, m_frameBytes);
    frame.utcSeconds = utcSeconds;
    lock.lock();
    if (!m_accepting || frame.pixels.size() != m_frameBytes)
        return; // stopped (or restarted) meanwhile
    if (held) {
        m_held.push_back(std::move(frame));
        judgeHeldFrames(false);
    } else {
        m_queue.push_back(std::move(frame));
    }
    const bool toWrite = !m_queue.empty();
    lock.unlock();
    if (toWrite)
        m_queued.notify_one();
}

// The writer thread: writes frames in the order they came until stopped or a write fails.
void FrameRecorder::writeQueuedFrames()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_queued.wait(lock, [this] { return !m_queue.empty() || m_stopping; });
        if (m_queue.empty())
            return; // stopping, and everything is written
        Frame frame = std::move(m_queue.front());
        m_queue.pop_front();
        lock.unlock();
        std::string why;
        const bool written = m_writer.writeFrame(frame.pixels.data(), frame.utcSeconds, &why);
        const int64_t frames = m_writer.framesWritten();
        const int64_t bytes = m_writer.bytesWritten();
        lock.lock();
        m_spare.push_back(std::move(frame.pixels));
        m_progress.framesWritten = frames;
        m_progress.bytesWritten = bytes;
        if (!written) {
            m_progress.problem = QString::fromStdString(why);
            m_accepting = false;
            m_queue.clear();
            return;
        }
    }
}
