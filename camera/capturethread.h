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
// expanded to RGB in frameImage, annotated by processFrame() and queued for showImages; exposure
// and gain changes are sent to the camera between frames.
#ifndef CAPTURETHREAD_H
#define CAPTURETHREAD_H

#include "frameinputs.h"
#include "karvix.h"

#include <QImage>
#include <QThread>
#include <atomic>
#include <mutex>
#include <opencv2/core.hpp>
#include <vector>

class CaptureThread : public QThread
{
    Q_OBJECT

public:
    explicit CaptureThread(QObject *parent = nullptr);
    ~CaptureThread() override;

    void startCapture();
    void stop();
    void stopAndWait();

protected:
    void run() override;

    // The per-frame analysis and overlays, on the capture thread. `grey` is the published
    // 1280 x 960 frame (read only); frameImage already holds it as RGB. Returns true when
    // magnifierFrame holds a new crop to queue.
    virtual bool processFrame(const cv::Mat &grey, const FrameInputs &inputs);

    std::atomic<bool> stopRequested {false};
    QImage frameImage;     // display frame being prepared, 1280 x 960 RGB
    QImage magnifierFrame; // magnified crop being prepared, 200 x 200 RGB

private:
    void handleFrame();
    void sendPendingSettings(KarvixHandle handle);

    std::vector<unsigned char> m_frameBuffer; // the library writes every frame here
    // Held by run() from start to end. Waiting for it after QThread::wait() orders everything the
    // loop did before whatever the waiter does next in a way ThreadSanitizer can see (QThread's
    // own wait synchronises inside the uninstrumented Qt library).
    std::mutex m_running;
};

#endif // CAPTURETHREAD_H
