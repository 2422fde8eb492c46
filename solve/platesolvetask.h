// platesolvetask.h - a plate solve of the current frame off the GUI thread, for the window.
//
// start() copies the frame and solves it on a thread of its own; finished() comes on the owner's
// thread with the solution and what it shows of the sky. When the chosen hemisphere's pole is
// not found, the other one is tried, so that a wrong hemisphere choice is named rather than
// reported as a failure. cancel() kills the solver worker; finished() follows with "cancelled".
#ifndef PLATESOLVETASK_H
#define PLATESOLVETASK_H

#include "platesolver.h"
#include "skyinimage.h"

#include <QObject>
#include <atomic>
#include <memory>
#include <mutex>

class QThread;

class PlateSolveTask : public QObject
{
    Q_OBJECT

public:
    explicit PlateSolveTask(QObject *parent = nullptr);
    ~PlateSolveTask() override; // cancels and waits for the thread

    bool isRunning() const;
    // False when a solve is still running or the frame is empty.
    bool start(
        const cv::Mat &frame, const ObservingSite &site, double utcSeconds, const QVector<NamedStar> &named);
    void cancel();

    // Valid after finished().
    PlateSolution solution() const;
    SkyInImage sky() const;

signals:
    void finished();

private:
    void solveOnThread(
        const cv::Mat &frame, const ObservingSite &site, double utcSeconds, const QVector<NamedStar> &named);

    QThread *m_thread = nullptr;
    std::atomic<bool> m_cancel {false};
    // Written by the solving thread before it ends, read on the owner's thread after finished().
    // The mutex orders the two for any observer: QThread's own ordering of finished() is not
    // visible to ThreadSanitizer, which reported the read as a race.
    mutable std::mutex m_resultMutex;
    PlateSolution m_solution;
    SkyInImage m_sky;
};

#endif // PLATESOLVETASK_H
