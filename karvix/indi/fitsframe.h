// fitsframe.h - an INDI camera's FITS frame turned into the program's frame.
//
// Two pure steps, so that both are tested without a server:
//   decodeFits:      the bytes of a FITS file (as a CCD driver sends them in its BLOB) to one
//                    luminance plane, 8 or 16 bit, with the frame's time and exposure;
//   toProgramFrame:  that plane to the program's 8-bit 1280 x 960 frame at 30.5" per pixel,
//                    resampled from the camera's plate scale about the two images' centres.
#ifndef KARVIX_INDI_FITSFRAME_H
#define KARVIX_INDI_FITSFRAME_H

#include <opencv2/core.hpp>

#include <cstddef>
#include <string>

namespace karvix::indi {

// The program's plate scale (the built-in camera's), in arcseconds per pixel.
constexpr double kProgramArcsecPerPixel = 30.5;
// The largest side a camera frame may have; anything larger is taken for a damaged header.
constexpr long kMaxFitsSide = 32768;

struct FitsFrame
{
    cv::Mat luminance; // CV_8UC1 or CV_16UC1; Bayer and RGB frames reduced to luminance
    double utcSeconds; // middle of the exposure (DATE-OBS + EXPTIME / 2), seconds since 1970; NaN if unknown
    double exposureSeconds; // EXPTIME, NaN if absent
};

// Decodes an 8- or 16-bit FITS image (2-D mono or Bayer by its BAYERPAT, or 3 planes of colour)
// held in memory. False, with the reason in *problem, for anything else: not FITS, another bit
// depth, a size of 0 or beyond kMaxFitsSide, or less data than the header declares.
bool decodeFits(const void *data, size_t size, FitsFrame *frame, std::string *problem);

// Arcseconds per pixel of a camera: pixel size (micrometres) times binning over the focal length
// (millimetres). NaN when any of them is not a positive number.
double plateScaleArcsecPerPixel(double pixelSizeUm, int binning, double focalLengthMm);
// The focal length (millimetres) at which such a camera sees arcsecPerPixel; NaN likewise.
double focalLengthMmFor(double pixelSizeUm, int binning, double arcsecPerPixel);

// The program's frame (CV_8UC1, 1280 x 960) from a luminance plane whose pixels are
// cameraArcsecPerPixel wide: the camera's centre on the frame's centre, same orientation, black
// where the camera sees less. 8-bit planes keep their values (the camera chose its stretch).
// 16-bit planes are stretched linearly from a black point three noise sigmas (from the median
// absolute deviation) below the median background to a white point that puts the brightest star's
// core (hot pixels aside) at 90 % of full scale: the reference stars, the brightest near the pole,
// keep their profile instead of clipping, and linear keeps their centroids where they were.
cv::Mat toProgramFrame(const cv::Mat &luminance, double cameraArcsecPerPixel);

} // namespace karvix::indi

#endif // KARVIX_INDI_FITSFRAME_H
