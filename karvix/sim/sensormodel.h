// sensormodel.h - the camera's sensor: light to 8-bit pixel values.
//
// A 1280 x 960 monochrome sensor of 3.75 um pixels behind a 25 mm lens, read out as 8 bits.
// Stars are Gaussian point-spread functions (FWHM 2.5 px unless the conditions say otherwise,
// varying a little from frame to frame with the seeing)
// integrated over each pixel, so a star's centroid is its true position. The signal in electrons
// grows with the exposure; the gain scales electrons to output units. On top come the sky
// background, photon noise, read noise, a few hot pixels, a bias level and 8-bit saturation.
// Calibrated so that at 50 ms and gain 50 stars to about V = 8 stand out of the noise (peak some
// six sigma) and Polaris saturates its core.
//
// Speed: the background and its noise are one pass over the frame (normal deviates are drawn
// once into a table and read from a random offset each frame); each star touches only a small
// window around itself. The frame is built in bands of rows, so only one band of 16-bit signal
// stays resident beside the table.
#ifndef KARVIX_SIM_SENSORMODEL_H
#define KARVIX_SIM_SENSORMODEL_H

#include "simtypes.h"

#include <cstdint>
#include <opencv2/core/mat.hpp>
#include <random>
#include <vector>

namespace karvix::sim {

// What the sensor accepts: exposures from 32 us to a minute, gain 0 to 100 in steps of 0.2 dB.
constexpr double kMinExposureUs = 32;
constexpr double kMaxExposureUs = 60e6;
constexpr double kMaxGain = 100;

// A star as the sensor receives it.
struct StarSpot
{
    double x = 0; // image position, pixels
    double y = 0;
    double electronsPerSec = 0;
};

class SensorModel
{
public:
    explicit SensorModel(uint32_t seed);

    // Photo-electrons per second from a star of the given V magnitude.
    static double starElectronsPerSec(double vmag);

    // Renders the frame taken at `unixSeconds` into `frame` (8-bit, 960 rows of 1280; reallocated
    // only if it has another size or type, so it may wrap a caller's buffer). An ideal sensor has
    // no noise, no hot pixels and steady seeing. A frame's noise and seeing depend only on the seed
    // and the instant: in real time every frame differs, while under a stopped test clock every
    // frame is the same, so a test gives the same figures however many frames it happens to read.
    // `conditions` set the seeing and the sky's brightness (a cloud's dimming is in the spots).
    void render(const std::vector<StarSpot> &stars, double exposureUs, double gain, bool ideal,
        double unixSeconds, const Conditions &conditions, cv::Mat &frame);

private:
    struct HotPixel
    {
        int x, y;
        double electronsPerSec;
    };

    // A star's pixels on the frame and its photon noise's deviates, drawn before the frame is built.
    struct StarWindow
    {
        StarSpot star;
        double electrons = 0;
        int x0 = 0, x1 = -1, y0 = 0, y1 = -1; // inclusive
        const int16_t *noise = nullptr;       // null for an ideal sensor
    };

    void placeStar(const StarSpot &star, double electrons, double sigmaPx, double aduPerElectron, bool ideal);
    // Adds the star's rows from `top` to `bottom` (exclusive) to the band that starts at row `top`.
    void addStar(
        const StarWindow &window, double sigmaPx, double aduPerElectron, cv::Mat &band, int top, int bottom);
    const int16_t *noiseAt(size_t offset) const;

    cv::Mat m_noise; // standard normal deviates in steps of 1/2048, one row, longer than a frame
    cv::Mat m_band;  // a band of the frame being built, 16-bit steps of 1/64 output unit
    std::vector<StarWindow> m_windows;
    std::vector<HotPixel> m_hotPixels;
    std::vector<double> m_weightX, m_weightY; // per-star scratch: pixel-integrated PSF profile
    uint32_t m_seed;
    std::mt19937 m_rng;
};

} // namespace karvix::sim

#endif // KARVIX_SIM_SENSORMODEL_H
