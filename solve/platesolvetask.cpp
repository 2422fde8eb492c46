// platesolvetask.cpp - the solving thread.
#include "platesolvetask.h"

#include <QThread>
#include <QTimer>

namespace {
constexpr int donePollMs = 20; // how often the owner's thread looks whether the solve has ended
} // namespace

PlateSolveTask::PlateSolveTask(QObject *parent) : QObject(parent)
{ }

PlateSolveTask::~PlateSolveTask()
{
    if (m_thread) {
        cancel();
        m_thread->wait();
        // The solve's results are destroyed with the task: the flag the thread set last makes its
        // writes visible here (QThread::wait synchronises in a way ThreadSanitizer cannot see).
        (void)m_done.load(std::memory_order_acquire);
    }
}

bool PlateSolveTask::isRunning() const
{
    return m_thread != nullptr;
}

void PlateSolveTask::cancel()
{
    m_cancel = true;
}

bool PlateSolveTask::start(const cv::Mat &frame, const ObservingSite &site, double utcSeconds,
    double scaleArcsecPerPx, const QVector<NamedStar> &named)
{
    if (m_thread || frame.empty())
        return false;
    m_cancel = false;
    m_done = false;
    m_thread = QThread::create([this, frame = frame.clone(), site, utcSeconds, scaleArcsecPerPx, named] {
        solveOnThread(frame, site, utcSeconds, scaleArcsecPerPx, named);
        m_done.store(true, std::memory_order_release);
    });
    m_thread->setParent(this); // deleted with the task if it still runs when the window closes
    // The owner's thread looks for the end itself rather than receive QThread::finished from the
    // solving thread: the event that would carry it is made and freed by Qt on two threads under
    // a lock ThreadSanitizer cannot see.
    if (!m_poll) {
        m_poll = new QTimer(this);
        m_poll->setInterval(donePollMs);
        connect(m_poll, &QTimer::timeout, this, &PlateSolveTask::collect);
    }
    m_poll->start();
    m_thread->start();
    return true;
}

void PlateSolveTask::collect()
{
    if (!m_done.load(std::memory_order_acquire))
        return;
    m_poll->stop();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    emit finished();
}

void PlateSolveTask::solveOnThread(const cv::Mat &frame, const ObservingSite &site, double utcSeconds,
    double scaleArcsecPerPx, const QVector<NamedStar> &named)
{
    SolveControl control;
    control.cancel = &m_cancel;
    SolveHints hints;
    hints.scaleArcsecPerPx = scaleArcsecPerPx;
    PlateSolution solution = solveNearVisiblePole(frame, hints, site, utcSeconds, control);
    m_sky = skyInImage(solution, site, utcSeconds, named);
    m_solution = std::move(solution);
}
