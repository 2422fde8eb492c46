// fuzz_indiframe.cpp - what an INDI server sends as a camera's frame, with arbitrary contents: a FITS
// file (decodeFits, through CFITSIO) when the input starts with "F:", otherwise one frame of the
// video stream whose first three bytes give the stream frame's width and height (1 to 64) and its
// format (raw or zlib). A frame the decoders accept must be a luminance plane of the declared size
// (the stream) or within the FITS limits, and must convert to the program's 1280 x 960 8-bit frame
// at any plate scale.
#include "fitsframe.h"
#include "fuzzsupport.h"
#include "streamframe.h"

#include <string>

namespace {

void requireConvertible(const cv::Mat &luminance, uint8_t scaleByte)
{
    using fuzzsupport::require;
    require(luminance.type() == CV_8UC1 || luminance.type() == CV_16UC1, "luminance is 8 or 16 bit, one channel");
    // From a tenth of the program's scale to ten times it, the ways a lens may be wrong.
    const double cameraArcsecPerPixel = 3.05 * (1 + scaleByte % 100);
    const cv::Mat frame = karvix::indi::toProgramFrame(luminance, cameraArcsecPerPixel);
    require(frame.type() == CV_8UC1 && frame.cols == 1280 && frame.rows == 960, "the program's frame comes out");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzsupport::silenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using fuzzsupport::require;
    std::string problem;
    if (size >= 3 && data[0] == 'F' && data[1] == ':') {
        karvix::indi::FitsFrame fits;
        if (karvix::indi::decodeFits(data + 3, size - 3, &fits, &problem)) {
            require(!fits.luminance.empty() && fits.luminance.cols <= karvix::indi::kMaxFitsSide
                    && fits.luminance.rows <= karvix::indi::kMaxFitsSide,
                "an accepted FITS frame has a size within the limits");
            requireConvertible(fits.luminance, data[2]);
        } else {
            require(!problem.empty(), "a refused FITS frame comes with a reason");
        }
        return 0;
    }
    if (size < 3)
        return 0;
    const int width = 1 + data[0] % 64, height = 1 + data[1] % 64;
    const char *format = data[2] & 1 ? ".stream.z" : ".stream";
    cv::Mat luminance;
    if (karvix::indi::decodeStreamFrame(data + 3, size - 3, format, width, height, &luminance, &problem)) {
        require(luminance.cols == width && luminance.rows == height, "a stream frame has the stream's size");
        requireConvertible(luminance, data[2] >> 1);
    } else {
        require(!problem.empty(), "a refused stream frame comes with a reason");
    }
    return 0;
}
