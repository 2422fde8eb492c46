// capturethread.h - the thread that owns the camera stream between Connect and Disconnect.
//
// Usage protocol (GUI thread):
//   startCapture()  after a successful connection; waits first for a loop that was told to stop
//                   and has not returned yet, so two loops never share the camera.
//   stop()          asks the loop to end at its next check and returns at once.
//   stopAndWait()   stop() and wait until run() has returned; call it before the stream is
//                   stopped or the camera closed, so no library call is in progress then.
//
// run() sets the stream up, then reads frames until stopped: each frame is published in rawImage,
// offered to the recorder (File > Record Session),
// analysed by processFrame() and, while the display queue has room, expanded to colour in a
// display frame, annotated and queued for showImages; exposure and gain changes are sent to the camera
// between frames.
#ifndef CAPTURETHREAD_H
#define CAPTURETHREAD_H

#include "displayframes.h"
#include "frameinputs.h"
#include "karvix.h"
#include "polestatistics.h"

#include <QImage>
#include <QThread>
#include <atomic>
#include <mutex>
#include <opencv2/core.hpp>

class CaptureThread : public QThread
{
    Q_OBJECT

public:
    explicit CaptureThread(QObject *parent = nullptr);
    ~CaptureThread() override;

    void startCapture();
    void stop();
    void stopAndWait();

    // What the camera last accepted; read once the loop has stopped (stopAndWait).
    double appliedExposureTime() const { return m_appliedExposureTime; }
    int appliedGain() const { return m_appliedGain; }

protected:
    void run() override;

    // The per-frame analysis and overlays, on the capture thread. `grey` is the published
    // 1280 x 960 frame (read only); frameImage already holds it as RGB, or is null when the
    // display queue is full. Returns true when magnifierFrame holds a new crop to queue.
    virtual bool processFrame(const cv::Mat &grey, const FrameInputs &inputs);

    std::atomic<bool> stopRequested {false};
    QImage frameImage;     // display frame being prepared, 1280 x 960 RGB32 (one of m_displayFrames)
    QImage magnifierFrame; // magnified crop being prepared, 200 x 200 RGB

private:
    void handleFrame(const cv::Mat &grey);
    void sendPendingSettings(KarvixHandle handle);

    DisplayFrames m_displayFrames;
    polestatistics::PoleAverager m_poleAverager; // the monitored pole's latest frames
    // A camera may hand over the same exposure again (a stalled stream, a simulated sky under a
    // stopped clock): the frame's fingerprint tells, and a repeat adds nothing to the average.
    size_t m_lastFrameHash = 0;
    bool m_newExposure = true;
    double m_appliedExposureTime = 0.0; // microseconds
    int m_appliedGain = 0;
    // Held by run() from start to end. Waiting for it after QThread::wait() orders everything the
    // loop did before whatever the waiter does next in a way ThreadSanitizer can see (QThread's
    // own wait synchronises inside the uninstrumented Qt library).
    std::mutex m_running;
};

#endif // CAPTURETHREAD_H
