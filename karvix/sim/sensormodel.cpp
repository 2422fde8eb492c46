#include "sensormodel.h"

#include "mountmodel.h"

#include <algorithm>
#include <cmath>
#include <opencv2/core.hpp>

namespace karvix::sim {
namespace {

// Photo-electrons per second from a V = 0 star (aperture, optics and quantum efficiency).
constexpr double kZeroPointElectronsPerSec = 7.8e6;
// Sky background of a suburban site, electrons per second per pixel.
constexpr double kSkyElectronsPerSec = 400.0;
constexpr double kReadNoiseElectrons = 3.0;
constexpr double kBiasLevel = 6.0; // output units
// Output units per electron at gain 50; the gain control is in steps of 0.2 dB.
constexpr double kUnitsPerElectronAtGain50 = 0.4;
constexpr double kSeeingSpread = 0.04; // relative standard deviation of the FWHM, frame to frame
constexpr int kHotPixelCount = 12;
// Star pixels fainter than this (output units) are left out of the window.
constexpr double kFaintestPixel = 0.01;
constexpr int kMaxStarRadiusPx = 12;
constexpr size_t kFramePixels = size_t(kImageWidth) * kImageHeight;
constexpr size_t kNoiseSlack = 1 << 16; // room for the random offset of each frame
// The deviates and the frame being built are 16-bit integers, half of what floats take (the
// simulator stays resident while the pole is monitored). The deviates are steps of 1/2048 (range
// +-16), the signal steps of 1/64 output unit (range -512 to +512, beyond the 0 to 255 of the
// output): both far finer than the output's rounding.
constexpr double kNoiseUnit = 1.0 / 2048.0;
constexpr double kSignalSteps = 64.0; // per output unit
// The frame is built a band of rows at a time: 80 kB of signal instead of a whole frame's 2.5 MB.
constexpr int kBandRows = 32;

double unitsPerElectron(double gain)
{
    return kUnitsPerElectronAtGain50 * std::pow(10.0, (gain - 50.0) / 100.0);
}

// Fraction of a unit Gaussian profile (centre c, sigma s) that falls on the pixels first..first+n-1.
void pixelProfile(double c, double s, int first, int n, std::vector<double> &weights)
{
    weights.resize(size_t(n));
    const double k = 1.0 / (s * M_SQRT2);
    double lower = std::erf((first - 0.5 - c) * k);
    for (int i = 0; i < n; ++i) {
        const double upper = std::erf((first + i + 0.5 - c) * k);
        weights[size_t(i)] = 0.5 * (upper - lower);
        lower = upper;
    }
}

// Adds output units to a pixel of the signal, saturating: a bright star's core only has to stay
// above the output's 255.
void addSignal(int16_t &pixel, double units)
{
    pixel = cv::saturate_cast<int16_t>(pixel + units * kSignalSteps);
}

} // namespace

SensorModel::SensorModel(uint32_t seed)
    : m_noise(1, int(kFramePixels + kNoiseSlack), CV_16S), m_band(kBandRows, kImageWidth, CV_16S),
      m_seed(seed), m_rng(seed)
{
    cv::RNG rng(seed);
    cv::Mat deviates(1, int(kNoiseSlack), CV_32F); // drawn a slice at a time, to stay small
    for (int start = 0; start < m_noise.cols; start += deviates.cols) {
        cv::Mat slice = m_noise.colRange(start, std::min(start + deviates.cols, m_noise.cols));
        rng.fill(deviates, cv::RNG::NORMAL, 0.0, 1.0);
        deviates.colRange(0, slice.cols).convertTo(slice, CV_16S, 1.0 / kNoiseUnit);
    }
    // Hot pixels: fixed for the sensor, dark currents spread over a decade.
    std::uniform_int_distribution<int> px(0, kImageWidth - 1), py(0, kImageHeight - 1);
    std::uniform_real_distribution<double> decade(0.0, 1.0);
    for (int i = 0; i < kHotPixelCount; ++i)
        m_hotPixels.push_back({px(m_rng), py(m_rng), 2000.0 * std::pow(10.0, decade(m_rng))});
}

double SensorModel::starElectronsPerSec(double vmag)
{
    return kZeroPointElectronsPerSec * std::pow(10.0, -0.4 * vmag);
}

const int16_t *SensorModel::noiseAt(size_t offset) const
{
    return m_noise.ptr<int16_t>() + offset % kNoiseSlack;
}

void SensorModel::render(const std::vector<StarSpot> &stars, double exposureUs, double gain, bool ideal,
    double unixSeconds, const Conditions &conditions, cv::Mat &frame)
{
    const auto microseconds = uint64_t(std::isfinite(unixSeconds) ? std::llround(unixSeconds * 1e6) : 0);
    std::seed_seq instant {m_seed, uint32_t(microseconds), uint32_t(microseconds >> 32)};
    m_rng.seed(instant);
    // Out-of-range settings (the C functions refuse them already) give a dark frame, never NaN.
    const double seconds
        = std::isfinite(exposureUs) ? std::clamp(exposureUs, 0.0, kMaxExposureUs) * 1e-6 : 0.0;
    const double aduPerElectron
        = unitsPerElectron(std::isfinite(gain) ? std::clamp(gain, 0.0, kMaxGain) : 0.0);
    const double skyElectrons = kSkyElectronsPerSec * conditions.skyBrightness * seconds;
    const double mean = kBiasLevel + skyElectrons * aduPerElectron;
    const double sigma = aduPerElectron * std::sqrt(skyElectrons + kReadNoiseElectrons * kReadNoiseElectrons);
    const int16_t *backgroundNoise = ideal ? nullptr : noiseAt(m_rng());

    double fwhm = conditions.seeingFwhmPx;
    if (!ideal) {
        std::normal_distribution<double> seeing(1.0, kSeeingSpread);
        fwhm *= std::clamp(seeing(m_rng), 1.0 - 3 * kSeeingSpread, 1.0 + 3 * kSeeingSpread);
    }
    const double sigmaPx = fwhm / (2.0 * std::sqrt(2.0 * std::log(2.0)));
    m_windows.clear();
    for (const StarSpot &star : stars)
        placeStar(star, star.electronsPerSec * seconds, sigmaPx, aduPerElectron, ideal);

    // Band by band, each pixel gets the same sums in the same order as a whole frame would: the
    // background and its noise, the hot pixels, then the stars in their order.
    frame.create(kImageHeight, kImageWidth, CV_8UC1);
    for (int top = 0; top < kImageHeight; top += kBandRows) {
        const int bottom = std::min(top + kBandRows, kImageHeight);
        cv::Mat band = m_band.rowRange(0, bottom - top);
        if (ideal) {
            band.setTo(cv::saturate_cast<int16_t>(mean * kSignalSteps));
        } else {
            const cv::Mat noise(bottom - top, kImageWidth, CV_16S,
                const_cast<int16_t *>(backgroundNoise + size_t(top) * kImageWidth));
            noise.convertTo(band, CV_16S, sigma * kNoiseUnit * kSignalSteps, mean * kSignalSteps);
            for (const HotPixel &h : m_hotPixels)
                if (h.y >= top && h.y < bottom)
                    addSignal(band.at<int16_t>(h.y - top, h.x), h.electronsPerSec * seconds * aduPerElectron);
        }
        for (const StarWindow &window : m_windows)
            if (window.y0 < bottom && window.y1 >= top)
                addStar(window, sigmaPx, aduPerElectron, band, top, bottom);
        band.convertTo(frame.rowRange(top, bottom), CV_8U, 1.0 / kSignalSteps); // rounds and saturates
    }
}

void SensorModel::placeStar(
    const StarSpot &star, double electrons, double sigmaPx, double aduPerElectron, bool ideal)
{
    // Window radius: out to where the profile drops below the faintest pixel worth drawing.
    const double peak = electrons * aduPerElectron / (2.0 * M_PI * sigmaPx * sigmaPx);
    if (!(peak > kFaintestPixel))
        return;
    const int radius = std::min(
        kMaxStarRadiusPx, int(std::ceil(sigmaPx * std::sqrt(2.0 * std::log(peak / kFaintestPixel)))) + 1);
    const int cx = int(std::lround(star.x)), cy = int(std::lround(star.y));
    StarWindow window;
    window.star = star;
    window.electrons = electrons;
    window.x0 = std::max(cx - radius, 0);
    window.x1 = std::min(cx + radius, kImageWidth - 1);
    window.y0 = std::max(cy - radius, 0);
    window.y1 = std::min(cy + radius, kImageHeight - 1);
    if (window.x0 > window.x1 || window.y0 > window.y1)
        return;
    window.noise = ideal ? nullptr : noiseAt(m_rng());
    m_windows.push_back(window);
}

void SensorModel::addStar(
    const StarWindow &w, double sigmaPx, double aduPerElectron, cv::Mat &band, int top, int bottom)
{
    const int width = w.x1 - w.x0 + 1;
    const int first = std::max(w.y0, top), last = std::min(w.y1, bottom - 1);
    pixelProfile(w.star.x, sigmaPx, w.x0, width, m_weightX);
    pixelProfile(w.star.y, sigmaPx, w.y0, w.y1 - w.y0 + 1, m_weightY);
    for (int y = first; y <= last; ++y) {
        int16_t *row = band.ptr<int16_t>(y - top);
        const double rowElectrons = w.electrons * m_weightY[size_t(y - w.y0)];
        // The window's deviates run row by row through the whole window.
        const int16_t *noise = w.noise ? w.noise + size_t(y - w.y0) * size_t(width) : nullptr;
        for (int x = w.x0; x <= w.x1; ++x) {
            const double e = rowElectrons * m_weightX[size_t(x - w.x0)];
            // Photon noise: Poisson, close to normal at the counts that matter.
            const double shot = noise ? std::sqrt(e) * (*noise++ * kNoiseUnit) : 0.0;
            addSignal(row[x], (e + shot) * aduPerElectron);
        }
    }
}

} // namespace karvix::sim
