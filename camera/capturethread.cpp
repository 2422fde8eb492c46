#include "capturethread.h"

#include "frameanalysis.h"
#include "sharedstate.h"
#include "utcclock.h"

#include <QDebug>
#include <chrono>
#include <functional>
#include <opencv2/imgproc.hpp>
#include <string_view>

#ifdef VELTO_TSAN
// OpenCV hands parallel work to its TBB worker pool, which synchronises through TBB's own
// primitives that ThreadSanitizer cannot see. In ThreadSanitizer builds OpenCV therefore works on
// the calling thread, so the two threads of the program are all there is to check.
namespace {
const bool openCvOnCallingThread = (cv::setNumThreads(0), true);
}
#endif

namespace {
constexpr unsigned long noFramePollUs = 10000; // pause before asking again for a frame
constexpr int magnifierSize = 200;             // pixels of the magnified crop
} // namespace

CaptureThread::CaptureThread(QObject *parent)
    : QThread(parent), magnifierFrame(magnifierSize, magnifierSize, QImage::Format_RGB888),
      m_displayFrames(KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT, QImage::Format_RGB32)
{
    magnifierFrame.fill(Qt::black);
    rawImage.allocate(
        KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT, FramePool::defaultSlots, KARVIX_FRAME_BUFFER_SIZE);
}

// The object may be destroyed while the loop still runs (the window only requests a stop when it
// closes); a QThread must not be destroyed before its run() has returned.
CaptureThread::~CaptureThread()
{
    stopAndWait();
}

void CaptureThread::startCapture()
{
    if (isRunning()) {
        if (!stopRequested)
            return; // already streaming
        wait();
    }
    std::lock_guard<std::mutex> returned(m_running);
    stopRequested = false;
    start();
}

void CaptureThread::stop()
{
    stopRequested = true;
}

void CaptureThread::stopAndWait()
{
    stop();
    wait();
    std::lock_guard<std::mutex> returned(m_running);
}

void CaptureThread::run()
{
    std::lock_guard<std::mutex> running(m_running);
    if (!cameraConnected)
        return;
    const KarvixHandle handle = cameraHandle;

    const double exposure = exposureTime;
    if (SetKARVIXParam(handle, KARVIX_CONTROL_EXPOSURE, exposure) == 0)
        m_appliedExposureTime = exposure;
    const int requestedGain = gain;
    if (SetKARVIXParam(handle, KARVIX_CONTROL_GAIN, requestedGain) == 0)
        m_appliedGain = requestedGain;
    SetKARVIXParam(handle, KARVIX_CONTROL_12, streamParam12);
    SetKARVIXParam(handle, KARVIX_CONTROL_9, streamParam9);
    SetKARVIXBitsMode(handle, bitsMode);
    SetKARVIXBinMode(handle, binX, binY);
    SetKARVIXResolution(handle, roiX, roiY, frameWidth, frameHeight);
    if (BeginKARVIXLive(handle) != 0) {
        qCritical("BeginKARVIXLive failure");
        return;
    }

    while (!stopRequested) {
        // The camera writes straight into a free frame of the pool (each has room for the
        // largest frame the library may deliver); while every frame is still being read, the
        // camera keeps its frame a little longer.
        cv::Mat grey = rawImage.beginWrite();
        int width = 0, height = 0, bitsPerPixel = 0, channels = 0;
        if (!grey.empty()
            && GetKARVIXLiveFrame(handle, &width, &height, &bitsPerPixel, &channels, grey.data) == 0) {
            frameWidth = width;
            frameHeight = height;
            handleFrame(grey);
        } else {
            QThread::usleep(noFramePollUs);
        }
        sendPendingSettings(handle);
    }
}

// Whatever size the camera reports, the frame is read as the first 1280 x 960 bytes of the
// buffer, so nothing outside the buffer or the images is touched.
void CaptureThread::handleFrame(const cv::Mat &grey)
{
    rawImage.publish();
    frameArrivalNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
                         .count();
    const size_t hash = std::hash<std::string_view>()(
        std::string_view(reinterpret_cast<const char *>(grey.data), grey.total()));
    m_newExposure = hash != m_lastFrameHash;
    m_lastFrameHash = hash;
    // A frame the camera hands over again (the same exposure) is recorded once.
    if (m_newExposure)
        frameRecorder.offer(grey, utcNow());

    const FrameInputs inputs = FrameInputs::read();
    // A display frame is drawn only when the queue has room for it. It is queued as it is: the
    // next frame is drawn into another buffer while the GUI thread still shows this one. It is
    // RGB32 (bytes blue, green, red, 255), the format of the screen's pixmaps, so the window shows
    // it without converting or copying it.
    if (frameQueue.size() < ImageQueue::capacity)
        frameImage = m_displayFrames.take();
    if (!frameImage.isNull()) {
        cv::Mat display(
            frameImage.height(), frameImage.width(), CV_8UC4, frameImage.bits(), frameImage.bytesPerLine());
        if (inputs.nightStyle) {
            // Red only (byte 2 of blue, green, red, 255): white stars would dazzle dark-adapted eyes.
            display.setTo(cv::Scalar(0, 0, 0, 255));
            const int greyToRed[] = {0, 2};
            cv::mixChannels(&grey, 1, &display, 1, greyToRed, 1);
        } else {
            cv::cvtColor(grey, display, cv::COLOR_GRAY2BGRA);
        }
    }

    // The crop is queued as a copy, so the next one can be prepared in the same image while the
    // GUI thread still shows this one; a copy is made only when the queue has room.
    if (processFrame(grey, inputs) && magnifierQueue.size() < ImageQueue::capacity)
        magnifierQueue.push(magnifierFrame.copy());
    if (!frameImage.isNull())
        frameQueue.push(frameImage);
    frameImage = QImage(); // the queue holds the only copy
}

bool CaptureThread::processFrame(const cv::Mat &grey, const FrameInputs &inputs)
{
    return analyseFrame(grey, inputs, &frameImage, &magnifierFrame, m_poleAverager,
        polestatistics::windowFrames(m_appliedExposureTime), m_newExposure);
}

// A rejected value stays pending and is sent again after the next pass.
void CaptureThread::sendPendingSettings(KarvixHandle handle)
{
    const double exposure = exposureTime;
    if (exposure != m_appliedExposureTime) {
        if (SetKARVIXParam(handle, KARVIX_CONTROL_EXPOSURE, exposure) == 0)
            m_appliedExposureTime = exposure;
        else
            qCritical() << "SetKARVIXParam CONTROL_EXPOSURE" << exposure << "Failure.";
    }
    const int requestedGain = gain;
    if (requestedGain != m_appliedGain) {
        if (SetKARVIXParam(handle, KARVIX_CONTROL_GAIN, requestedGain) == 0)
            m_appliedGain = requestedGain;
        else
            qCritical() << "SetKARVIXParam CONTROL_GAIN" << requestedGain << "Failure";
    }
}
