// streamframe.h - one frame of an INDI camera's video stream as a luminance plane.
//
// A driver streaming through libindi's RAW encoder sends each frame on the BLOB its exposures use,
// as the bare pixels of its stream frame (CCD_STREAM_FRAME's WIDTH x HEIGHT, no header), in format
// ".stream", or ".stream.z" when the driver compresses its BLOBs (zlib). How many bytes a pixel has
// follows from the size alone: 1 (8-bit mono; libindi also reduces deeper sensors to 8 bits for
// streaming), 2 (16-bit mono, in the host's byte order) or 3 (RGB, as webcams send).
#ifndef KARVIX_INDI_STREAMFRAME_H
#define KARVIX_INDI_STREAMFRAME_H

#include <opencv2/core.hpp>

#include <cstddef>
#include <string>

namespace karvix::indi {

// Whether a BLOB of this format is a frame of the video stream, raw or compressed.
bool isRawStreamFormat(const char *format);

// The frame's luminance (CV_8UC1 or CV_16UC1, width x height), a copy of its own. False, with the
// reason in *problem, for a frame whose size is not width x height x 1, 2 or 3 bytes, a size not
// known yet (0), or compressed data that does not inflate.
bool decodeStreamFrame(const void *data, size_t size, const char *format, int width, int height,
    cv::Mat *luminance, std::string *problem);

} // namespace karvix::indi

#endif // KARVIX_INDI_STREAMFRAME_H
