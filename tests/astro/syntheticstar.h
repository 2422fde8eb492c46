// syntheticstar.h - star images for the measurement tests: circular Gaussians integrated over each
// pixel (so that a pixel's value is the light that falls on its square, not a sample at its centre),
// on a flat background, with optional Gaussian read noise.
#ifndef SYNTHETICSTAR_H
#define SYNTHETICSTAR_H

#include <cmath>
#include <opencv2/core.hpp>

// Fraction of a unit Gaussian's light (standard deviation sigma, centre c) that falls between
// i - 0.5 and i + 0.5.
inline double pixelShare(int i, double c, double sigma)
{
    const double s = sigma * std::sqrt(2.0);
    return 0.5 * (std::erf((i + 0.5 - c) / s) - std::erf((i - 0.5 - c) / s));
}

// Adds a star of the given FWHM (pixels) centred at (x, y) whose brightest point would reach `peak`
// above the background before pixel integration.
inline void addStar(cv::Mat1d &sky, double x, double y, double fwhm, double peak)
{
    const double sigma = fwhm / (2 * std::sqrt(2 * std::log(2.0)));
    const double flux = peak * 2 * M_PI * sigma * sigma;
    const int reach = static_cast<int>(std::ceil(6 * sigma));
    for (int j = std::max(0, int(y) - reach); j <= std::min(sky.rows - 1, int(y) + reach); ++j) {
        const double shareY = pixelShare(j, y, sigma);
        for (int i = std::max(0, int(x) - reach); i <= std::min(sky.cols - 1, int(x) + reach); ++i) {
            sky(j, i) += flux * shareY * pixelShare(i, x, sigma);
        }
    }
}

// The 8-bit frame of `sky` plus `background` and Gaussian noise of `noiseSigma`, rounded and clipped.
inline cv::Mat toFrame(const cv::Mat1d &sky, double background, double noiseSigma, cv::RNG &rng)
{
    cv::Mat1d noisy = sky + background;
    if (noiseSigma > 0) {
        cv::Mat1d noise(sky.size());
        rng.fill(noise, cv::RNG::NORMAL, 0.0, noiseSigma);
        noisy += noise;
    }
    cv::Mat frame;
    noisy.convertTo(frame, CV_8U); // rounds to nearest and saturates
    return frame;
}

#endif // SYNTHETICSTAR_H
