#include "streamframe.h"

#include "fitsframe.h"

#include <opencv2/imgproc.hpp>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace karvix::indi {
namespace {

constexpr size_t kInflateChunk = size_t(1) << 20;

// Inflates zlib data of at most `limit` bytes; false when it is damaged or larger than that. The
// output grows with what the data holds, not with what the stream frame's size promises.
bool inflated(const void *data, size_t size, size_t limit, std::vector<unsigned char> *out)
{
    z_stream zs {};
    if (inflateInit(&zs) != Z_OK)
        return false;
    zs.next_in = static_cast<Bytef *>(const_cast<void *>(data));
    zs.avail_in = uInt(size);
    int status = Z_OK;
    out->clear();
    while (status == Z_OK) {
        const size_t done = out->size();
        if (done > limit)
            break;
        out->resize(std::min(done + kInflateChunk, limit + 1));
        zs.next_out = out->data() + done;
        zs.avail_out = uInt(out->size() - done);
        status = inflate(&zs, Z_NO_FLUSH);
        out->resize(out->size() - zs.avail_out);
    }
    inflateEnd(&zs);
    // Z_BUF_ERROR: the input ended before the compressed stream did.
    return status == Z_STREAM_END && out->size() <= limit;
}

bool fail(std::string *problem, const std::string &text)
{
    if (problem)
        *problem = text;
    return false;
}

} // namespace

bool isRawStreamFormat(const char *format)
{
    return format && (std::strcmp(format, ".stream") == 0 || std::strcmp(format, ".stream.z") == 0);
}

bool decodeStreamFrame(const void *data, size_t size, const char *format, int width, int height,
    cv::Mat *luminance, std::string *problem)
{
    if (!data || !luminance || !isRawStreamFormat(format))
        return fail(problem, "not a raw stream frame");
    if (width < 1 || height < 1 || width > kMaxFitsSide || height > kMaxFitsSide)
        return fail(problem,
            "stream frame size " + std::to_string(width) + " x " + std::to_string(height) + " not known");
    const size_t pixels = size_t(width) * size_t(height);
    std::vector<unsigned char> plain;
    if (std::strcmp(format, ".stream.z") == 0) {
        if (!inflated(data, size, 3 * pixels, &plain))
            return fail(problem,
                "compressed stream frame of " + std::to_string(size) + " bytes does not inflate to "
                    + "at most " + std::to_string(3 * pixels) + " bytes");
        data = plain.data();
        size = plain.size();
    }
    if (size != pixels && size != 2 * pixels && size != 3 * pixels)
        return fail(problem,
            "stream frame of " + std::to_string(size) + " bytes for " + std::to_string(width) + " x "
                + std::to_string(height) + " pixels");

    void *bytes = const_cast<void *>(data); // wrapped read-only; every branch copies
    if (size == pixels) {
        cv::Mat(height, width, CV_8UC1, bytes).copyTo(*luminance);
    } else if (size == 2 * pixels) {
        cv::Mat(height, width, CV_16UC1, bytes).copyTo(*luminance);
    } else {
        cv::cvtColor(cv::Mat(height, width, CV_8UC3, bytes), *luminance, cv::COLOR_RGB2GRAY);
    }
    return true;
}

} // namespace karvix::indi
