// platesolvetask.cpp - the solving thread and the second try at the other pole.
#include "platesolvetask.h"

#include <QThread>

PlateSolveTask::PlateSolveTask(QObject *parent) : QObject(parent)
{ }

PlateSolveTask::~PlateSolveTask()
{
    if (m_thread) {
        cancel();
        m_thread->wait();
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

bool PlateSolveTask::start(
    const cv::Mat &frame, const ObservingSite &site, double utcSeconds, const QVector<NamedStar> &named)
{
    if (m_thread || frame.empty())
        return false;
    m_cancel = false;
    m_thread = QThread::create([this, frame = frame.clone(), site, utcSeconds, named] {
        solveOnThread(frame, site, utcSeconds, named);
    });
    m_thread->setParent(this); // deleted with the task if it still runs when the window closes
    connect(m_thread, &QThread::finished, this, [this] {
        m_thread->deleteLater();
        m_thread = nullptr;
        emit finished();
    });
    m_thread->start();
    return true;
}

void PlateSolveTask::solveOnThread(
    const cv::Mat &frame, const ObservingSite &site, double utcSeconds, const QVector<NamedStar> &named)
{
    SolveControl control;
    control.cancel = &m_cancel;
    SolveHints hints;
    hints.usePosition = true;
    hints.utcSeconds = utcSeconds;
    const auto pole = visiblePolePlace(site, utcSeconds);
    if (pole)
        hints.position = *pole;
    PlateSolution solution = solvePlate(frame, hints, control);
    if (!solution.solved && !m_cancel && pole && solution.stars.size() >= 4) {
        // The other pole: a frame of it tells the user the hemisphere choice is wrong.
        hints.position = {pole->raDeg, -pole->decDeg};
        const PlateSolution other = solvePlate(frame, hints, control);
        if (other.solved)
            solution = other;
    }
    SkyInImage sky = skyInImage(solution, site, utcSeconds, named);
    std::lock_guard<std::mutex> lock(m_resultMutex);
    m_sky = std::move(sky);
    m_solution = std::move(solution);
}

PlateSolution PlateSolveTask::solution() const
{
    std::lock_guard<std::mutex> lock(m_resultMutex);
    return m_solution;
}

SkyInImage PlateSolveTask::sky() const
{
    std::lock_guard<std::mutex> lock(m_resultMutex);
    return m_sky;
}
