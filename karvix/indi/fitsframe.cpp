#include "fitsframe.h"

#include "karvix.h"

#include <fitsio.h>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace karvix::indi {
namespace {

constexpr double kArcsecPerMicronPerMillimetre = 206.264806; // 1 µm seen from 1 mm, in arcseconds
constexpr size_t kFitsBlock = 2880;
// The brightest star's core lands at this fraction of full scale.
constexpr double kPeakFraction = 0.9;
constexpr double kBlackSigmas = 3.0;
constexpr double kMadToSigma = 1.4826;
constexpr double kHotPixelRatio = 3.0;
// A camera whose scale moves no point of the frame by more than this from the program's grid is
// taken as it is: interpolating would only blur it and cost most of a frame's conversion time.
constexpr double kNegligibleShiftPx = 0.02;

struct FitsCloser
{
    void operator()(fitsfile *file) const
    {
        int status = 0;
        fits_close_file(file, &status);
    }
};
using FitsFile = std::unique_ptr<fitsfile, FitsCloser>;

std::string fitsError(int status)
{
    char text[FLEN_STATUS] = {};
    fits_get_errstatus(status, text);
    fits_clear_errmsg();
    return text;
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
long daysFromCivil(long year, long month, long day)
{
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yoe = year - era * 400;
    const long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

double readDouble(fitsfile *file, const char *key)
{
    int status = 0;
    double value = std::numeric_limits<double>::quiet_NaN();
    if (fits_read_key(file, TDOUBLE, key, &value, nullptr, &status) != 0) {
        fits_clear_errmsg();
        return std::numeric_limits<double>::quiet_NaN();
    }
    return value;
}

int readInt(fitsfile *file, const char *key, int fallback)
{
    int status = 0;
    int value = fallback;
    if (fits_read_key(file, TINT, key, &value, nullptr, &status) != 0) {
        fits_clear_errmsg();
        return fallback;
    }
    return value;
}

std::string readText(fitsfile *file, const char *key)
{
    int status = 0;
    char value[FLEN_VALUE] = {};
    if (fits_read_key(file, TSTRING, key, value, nullptr, &status) != 0) {
        fits_clear_errmsg();
        return std::string();
    }
    return value;
}

// DATE-OBS (the start of the exposure, UTC) in seconds since 1970; NaN when absent or unreadable.
double startUtcSeconds(fitsfile *file)
{
    std::string text = readText(file, "DATE-OBS");
    if (text.empty())
        return std::numeric_limits<double>::quiet_NaN();
    int status = 0, year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double second = 0;
    if (fits_str2time(text.data(), &year, &month, &day, &hour, &minute, &second, &status) != 0) {
        fits_clear_errmsg();
        return std::numeric_limits<double>::quiet_NaN();
    }
    return double(daysFromCivil(year, month, day)) * 86400.0 + hour * 3600.0 + minute * 60.0 + second;
}

// OpenCV names a Bayer pattern by the second row's second and third pixels, FITS by the first
// row's first two and the second row's first two, so FITS RGGB is OpenCV's BG. An odd offset
// (XBAYROFF, YBAYROFF) moves the pattern by a column or a row.
int bayerToGrey(std::string pattern, int offsetX, int offsetY)
{
    if (pattern.size() != 4)
        return -1;
    if (offsetX % 2 != 0)
        pattern = {pattern[1], pattern[0], pattern[3], pattern[2]};
    if (offsetY % 2 != 0)
        pattern = {pattern[2], pattern[3], pattern[0], pattern[1]};
    if (pattern == "RGGB")
        return cv::COLOR_BayerBG2GRAY;
    if (pattern == "BGGR")
        return cv::COLOR_BayerRG2GRAY;
    if (pattern == "GRBG")
        return cv::COLOR_BayerGB2GRAY;
    if (pattern == "GBRG")
        return cv::COLOR_BayerGR2GRAY;
    return -1;
}

// The mean of three planes stacked one above the other, in the planes' depth.
cv::Mat meanOfPlanes(const cv::Mat &stacked, int height)
{
    cv::Mat sum;
    stacked.rowRange(0, height).convertTo(sum, CV_32F);
    cv::accumulate(stacked.rowRange(height, 2 * height), sum);
    cv::accumulate(stacked.rowRange(2 * height, 3 * height), sum);
    cv::Mat mean;
    sum.convertTo(mean, stacked.type(), 1.0 / 3.0);
    return mean;
}

bool fail(std::string *problem, const std::string &text)
{
    if (problem)
        *problem = text;
    return false;
}

} // namespace

bool decodeFits(const void *data, size_t size, FitsFrame *frame, std::string *problem)
{
    if (!data || !frame)
        return fail(problem, "no data");
    if (size < kFitsBlock || std::memcmp(data, "SIMPLE  =", 9) != 0)
        return fail(problem, "not a FITS file (" + std::to_string(size) + " bytes)");

    // CFITSIO reads whole records of 2880 bytes, and in a memory file it does not stop at the end
    // of the buffer: a file that does not end on a record's end (FITS files are padded to whole
    // records; a damaged one may not be) is read from a padded copy.
    std::vector<unsigned char> padded;
    if (size % kFitsBlock != 0) {
        const auto *bytes = static_cast<const unsigned char *>(data);
        padded.assign(bytes, bytes + size);
        padded.resize((size / kFitsBlock + 1) * kFitsBlock, 0);
    }
    // CFITSIO only reads the buffer of a READONLY memory file; it never reallocates it.
    void *memory = padded.empty() ? const_cast<void *>(data) : padded.data();
    size_t memorySize = padded.empty() ? size : padded.size();
    fitsfile *opened = nullptr;
    int status = 0;
    if (fits_open_memfile(&opened, "frame.fits", READONLY, &memory, &memorySize, 0, nullptr, &status) != 0)
        return fail(problem, "FITS not readable: " + fitsError(status));
    const FitsFile file(opened);

    int bitpix = 0, naxis = 0;
    long naxes[3] = {0, 0, 0};
    if (fits_get_img_equivtype(file.get(), &bitpix, &status) != 0
        || fits_get_img_dim(file.get(), &naxis, &status) != 0)
        return fail(problem, "FITS header not readable: " + fitsError(status));
    if (naxis != 2 && naxis != 3)
        return fail(problem, "FITS image has " + std::to_string(naxis) + " axes, expected 2 or 3");
    if (fits_get_img_size(file.get(), naxis, naxes, &status) != 0)
        return fail(problem, "FITS header not readable: " + fitsError(status));
    const long width = naxes[0], height = naxes[1], planes = naxis == 3 ? naxes[2] : 1;
    if (width < 1 || height < 1 || width > kMaxFitsSide || height > kMaxFitsSide)
        return fail(
            problem, "impossible FITS image size " + std::to_string(width) + " x " + std::to_string(height));
    if (planes != 1 && planes != 3)
        return fail(problem, "FITS image has " + std::to_string(planes) + " planes, expected 1 or 3");

    int depth = 0, fitsType = 0;
    size_t bytesPerPixel = 0;
    switch (bitpix) {
    case BYTE_IMG:
        depth = CV_8U, fitsType = TBYTE, bytesPerPixel = 1;
        break;
    case SHORT_IMG:
    case USHORT_IMG:
        depth = CV_16U, fitsType = TUSHORT, bytesPerPixel = 2;
        break;
    default:
        return fail(problem, "FITS pixels of BITPIX " + std::to_string(bitpix) + ", expected 8 or 16 bit");
    }
    const size_t pixels = size_t(width) * size_t(height) * size_t(planes);
    LONGLONG headerStart = 0, dataStart = 0, dataEnd = 0;
    if (fits_get_hduaddrll(file.get(), &headerStart, &dataStart, &dataEnd, &status) != 0)
        return fail(problem, "FITS header not readable: " + fitsError(status));
    if (size_t(dataStart) + pixels * bytesPerPixel > size)
        return fail(problem,
            "FITS header declares " + std::to_string(pixels * bytesPerPixel)
                + " bytes of pixels, the file has " + std::to_string(size - size_t(dataStart)));

    // INDI drivers write the sensor's first row first; it stays the frame's top row.
    cv::Mat stacked(int(height * planes), int(width), CV_MAKETYPE(depth, 1));
    int anyNull = 0;
    if (fits_read_img(file.get(), fitsType, 1, LONGLONG(pixels), nullptr, stacked.data, &anyNull, &status)
        != 0)
        return fail(problem, "FITS pixels not readable: " + fitsError(status));

    cv::Mat luminance = stacked;
    if (planes == 3) {
        luminance = meanOfPlanes(stacked, int(height));
    } else {
        const std::string pattern = readText(file.get(), "BAYERPAT");
        if (!pattern.empty()) {
            const int code = bayerToGrey(
                pattern, readInt(file.get(), "XBAYROFF", 0), readInt(file.get(), "YBAYROFF", 0));
            if (code < 0)
                return fail(problem, "unknown Bayer pattern " + pattern);
            if (width < 2 || height < 2)
                return fail(
                    problem, "Bayer image of " + std::to_string(width) + " x " + std::to_string(height));
            try {
                cv::cvtColor(stacked, luminance, code);
            } catch (const cv::Exception &e) {
                return fail(problem, std::string("Bayer image not converted: ") + e.what());
            }
        }
    }

    frame->luminance = luminance;
    frame->exposureSeconds = readDouble(file.get(), "EXPTIME");
    const double start = startUtcSeconds(file.get());
    frame->utcSeconds = std::isfinite(frame->exposureSeconds) ? start + frame->exposureSeconds / 2 : start;
    return true;
}

double plateScaleArcsecPerPixel(double pixelSizeUm, int binning, double focalLengthMm)
{
    if (!(pixelSizeUm > 0) || binning < 1 || !(focalLengthMm > 0) || !std::isfinite(pixelSizeUm)
        || !std::isfinite(focalLengthMm))
        return std::numeric_limits<double>::quiet_NaN();
    return pixelSizeUm * binning / focalLengthMm * kArcsecPerMicronPerMillimetre;
}

double focalLengthMmFor(double pixelSizeUm, int binning, double arcsecPerPixel)
{
    // scale = size x binning x k / focal length is its own inverse in the focal length and the scale.
    return plateScaleArcsecPerPixel(pixelSizeUm, binning, arcsecPerPixel);
}

namespace {

// The camera's image cut out of or laid into the program's frame about the centres, when it has the
// program's scale (to kNegligibleShiftPx at the frame's corners) and its centre falls on the
// program's pixel grid; empty otherwise. A camera of exactly the frame's size is the frame itself.
cv::Mat placedAsItIs(const cv::Mat &luminance, double scale, cv::Rect *footprint)
{
    const double cornerShift
        = std::abs(scale - 1) * std::hypot(double(KARVIX_FRAME_WIDTH), double(KARVIX_FRAME_HEIGHT)) / 2;
    const int offsetX = (KARVIX_FRAME_WIDTH - luminance.cols) / 2,
              offsetY = (KARVIX_FRAME_HEIGHT - luminance.rows) / 2;
    if (!(cornerShift < kNegligibleShiftPx) || (KARVIX_FRAME_WIDTH - luminance.cols) % 2 != 0
        || (KARVIX_FRAME_HEIGHT - luminance.rows) % 2 != 0)
        return cv::Mat();
    const cv::Rect frameArea(0, 0, KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT);
    *footprint = cv::Rect(offsetX, offsetY, luminance.cols, luminance.rows) & frameArea;
    if (*footprint == frameArea && luminance.size() == frameArea.size())
        return luminance;
    cv::Mat frame = cv::Mat::zeros(frameArea.size(), luminance.type());
    luminance(*footprint - cv::Point(offsetX, offsetY)).copyTo(frame(*footprint));
    return frame;
}

// The camera's image resampled onto the program's grid, in its own depth. A camera much finer
// than the program is first averaged over whole blocks of k x k pixels (exact, no aliasing), then
// interpolated for what remains of the scale.
cv::Mat resampled(const cv::Mat &luminance, double cameraArcsecPerPixel, cv::Rect *footprint)
{
    const double scale = cameraArcsecPerPixel / kProgramArcsecPerPixel; // program pixels per camera pixel
    if (cv::Mat placed = placedAsItIs(luminance, scale, footprint); !placed.empty())
        return placed;
    cv::Mat source = luminance;
    double step = 1, firstCentre = 0; // camera pixels per source pixel; camera x of source pixel 0
    const int block = scale < 0.5 ? std::min({int(1.0 / scale), luminance.cols, luminance.rows}) : 1;
    if (block > 1) {
        const cv::Mat whole
            = luminance(cv::Rect(0, 0, luminance.cols / block * block, luminance.rows / block * block));
        cv::resize(whole, source, cv::Size(whole.cols / block, whole.rows / block), 0, 0, cv::INTER_AREA);
        step = block;
        firstCentre = (block - 1) / 2.0;
    }
    // Frame x = frame centre + scale * (camera x - camera centre), camera x = firstCentre + step * j.
    const double frameCentreX = (KARVIX_FRAME_WIDTH - 1) / 2.0,
                 frameCentreY = (KARVIX_FRAME_HEIGHT - 1) / 2.0;
    const double cameraCentreX = (luminance.cols - 1) / 2.0, cameraCentreY = (luminance.rows - 1) / 2.0;
    const cv::Matx23d toFrame(scale * step, 0, frameCentreX + scale * (firstCentre - cameraCentreX), 0,
        scale * step, frameCentreY + scale * (firstCentre - cameraCentreY));
    cv::Mat frame;
    cv::warpAffine(source, frame, toFrame, cv::Size(KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT),
        cv::INTER_LINEAR, cv::BORDER_CONSTANT, cv::Scalar(0));
    const double halfWidth = scale * luminance.cols / 2.0, halfHeight = scale * luminance.rows / 2.0;
    const cv::Rect seen(cv::Point(int(std::ceil(frameCentreX + 0.5 - halfWidth)),
                            int(std::ceil(frameCentreY + 0.5 - halfHeight))),
        cv::Point(int(std::floor(frameCentreX + 0.5 + halfWidth)),
            int(std::floor(frameCentreY + 0.5 + halfHeight))));
    *footprint = seen & cv::Rect(0, 0, frame.cols, frame.rows);
    return frame;
}

// Median and noise sigma (from the median absolute deviation) of every fourth pixel of every
// fourth row: plenty of samples for a background, at a sixteenth of the work.
void backgroundOf(const cv::Mat &image, double *median, double *sigma)
{
    std::vector<uint16_t> samples;
    samples.reserve(size_t(image.rows / 4 + 1) * size_t(image.cols / 4 + 1));
    for (int y = 0; y < image.rows; y += 4) {
        const uint16_t *row = image.ptr<uint16_t>(y);
        for (int x = 0; x < image.cols; x += 4)
            samples.push_back(row[x]);
    }
    const auto middle = samples.begin() + samples.size() / 2;
    std::nth_element(samples.begin(), middle, samples.end());
    *median = *middle;
    for (uint16_t &s : samples)
        s = uint16_t(std::abs(int(s) - int(*median)));
    std::nth_element(samples.begin(), middle, samples.end());
    *sigma = kMadToSigma * *middle;
}

// The highest pixel that belongs to a star rather than being a hot pixel: a star's core has a
// neighbour at least a third as far above the background as itself (even a sharp star of 2.5 px
// FWHM has one at two thirds), a hot pixel stands alone.
double brightestStarPeak(const cv::Mat &image, double median, double sigma)
{
    cv::Mat ring = cv::Mat::ones(3, 3, CV_8U);
    ring.at<uint8_t>(1, 1) = 0;
    cv::Mat neighbours;
    cv::dilate(image, neighbours, ring);
    cv::Mat excess, neighbourExcess;
    image.convertTo(excess, CV_32F, 1.0, -median);
    neighbours.convertTo(
        neighbourExcess, CV_32F, kHotPixelRatio, -kHotPixelRatio * median + kBlackSigmas * sigma);
    const cv::Mat starLike = excess <= neighbourExcess;
    double peak = median;
    cv::minMaxLoc(image, nullptr, &peak, nullptr, nullptr, starLike);
    return peak;
}

} // namespace

cv::Mat toProgramFrame(const cv::Mat &luminance, double cameraArcsecPerPixel)
{
    if (luminance.empty() || (luminance.type() != CV_8UC1 && luminance.type() != CV_16UC1))
        return cv::Mat::zeros(KARVIX_FRAME_HEIGHT, KARVIX_FRAME_WIDTH, CV_8UC1);
    if (!(cameraArcsecPerPixel > 0) || !std::isfinite(cameraArcsecPerPixel))
        cameraArcsecPerPixel = kProgramArcsecPerPixel;
    cv::Rect footprint;
    const cv::Mat frame = resampled(luminance, cameraArcsecPerPixel, &footprint);
    if (frame.depth() == CV_8U || footprint.empty())
        return frame.depth() == CV_8U ? frame : cv::Mat::zeros(frame.size(), CV_8UC1);

    const cv::Mat seen = frame(footprint);
    double median = 0, sigma = 0;
    backgroundOf(seen, &median, &sigma);
    const double peak = brightestStarPeak(seen, median, sigma);
    const double black = std::max(0.0, median - kBlackSigmas * sigma);
    const double white = std::max(black + 1, black + (peak - black) / kPeakFraction);
    cv::Mat program;
    frame.convertTo(program, CV_8U, 255.0 / (white - black), -black * 255.0 / (white - black));
    return program;
}

} // namespace karvix::indi
