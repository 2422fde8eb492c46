// displayframes.h - the display frames the capture thread draws and hands to the GUI thread,
// allocated once and reused.
//
// Each frame is a QImage over one of a few buffers. The capture thread takes a free buffer, draws
// the frame into it and queues the image; the buffer is free again when the last copy of that
// image is destroyed, on whichever thread (QImage's cleanup function reports it). So no frame is
// copied or allocated per frame, and a buffer is never drawn into while the GUI thread still
// scales or converts the frame it holds.
//
// Usage (capture thread):
//   QImage frame = frames.take(); if (!frame.isNull()) { draw into frame; queue.push(frame); }
#ifndef DISPLAYFRAMES_H
#define DISPLAYFRAMES_H

#include "imagequeue.h"

#include <QImage>
#include <memory>

class DisplayFrames
{
public:
    // One frame on the screen and one queued or being drawn. A frame that finds both in use is
    // not drawn, as one that finds the queue full: the window shows at most one frame per tick,
    // so a second waiting frame would only be overtaken. Each buffer is 4.9 MB at full size.
    static constexpr int defaultSlots = 2;

    DisplayFrames(int width, int height, QImage::Format format, int bufferCount = defaultSlots);

    // A frame over a buffer that no image uses (holding whatever was drawn into it last); a null
    // image when every buffer is in use. A buffer is allocated the first time it is needed.
    QImage take();

private:
    struct Buffers;
    // Shared with every image taken, so a frame may outlive this object.
    std::shared_ptr<Buffers> m_buffers;
};

#endif // DISPLAYFRAMES_H
