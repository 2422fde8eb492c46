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

class QThread;
class QTimer;

class PlateSolveTask : public QObject
{
    Q_OBJECT

public:
    explicit PlateSolveTask(QObject *parent = nullptr);
    ~PlateSolveTask() override; // cancels and waits for the thread

    bool isRunning() const;
    // False when a solve is still running or the frame is empty. `scaleArcsecPerPx` is the frame's
    // expected plate scale, 0 to solve blind in scale (a camera whose lens is not known).
    bool start(const cv::Mat &frame, const ObservingSite &site, double utcSeconds, double scaleArcsecPerPx,
        const QVector<NamedStar> &named);
    void cancel();

    // Valid after finished().
    const PlateSolution &solution() const { return m_solution; }
    const SkyInImage &sky() const { return m_sky; }

signals:
    void finished();

private:
    void solveOnThread(const cv::Mat &frame, const ObservingSite &site, double utcSeconds,
        double scaleArcsecPerPx, const QVector<NamedStar> &named);

    void collect(); // on the owner's thread: a solve that has ended is handed over

    QThread *m_thread = nullptr;
    QTimer *m_poll = nullptr;
    std::atomic<bool> m_done {false};
    std::atomic<bool> m_cancel {false};
    // Written by the solving thread before it sets m_done, read on the owner's thread after
    // finished(), which follows the owner's reading m_done.
    PlateSolution m_solution;
    SkyInImage m_sky;
};

#endif // PLATESOLVETASK_H
