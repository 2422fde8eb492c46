// bench_staralgorithms - time per star measurement (GetPreciseStarPos) on a 1280 x 960 frame when
// only the pixels around the star are median-filtered, against filtering the whole frame for each of
// the two steps (brightest pixel, centroid). Both give the same result to the last bit.
//
//   /work/wt/locked.sh build/bin/bench_staralgorithms
#include "staralgorithms.h"
#include "starmeasure.h"

#include <benchmark/benchmark.h>
#include <opencv2/imgproc.hpp>

namespace {

// A night-sky frame: background 20 with read noise, and a star of FWHM about 3 px at (640.3, 480.6).
cv::Mat skyFrame()
{
    cv::Mat1f sky(960, 1280);
    cv::RNG rng(1);
    rng.fill(sky, cv::RNG::NORMAL, 20.0, 3.0);
    cv::Mat1f star(960, 1280, 0.0f);
    star(480, 640) = 2200;
    star(481, 640) = 1000;
    cv::GaussianBlur(star, star, cv::Size(11, 11), 1.3);
    cv::Mat frame;
    cv::Mat1f(sky + star).convertTo(frame, CV_8U);
    return frame;
}

void measure(benchmark::State &state, starmeasure::RegionFilter filter)
{
    const cv::Mat frame = skyFrame();
    double x = 0, y = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(starmeasure::preciseStarPos(frame, 645.2, 476.9, &x, &y, filter));
    }
    state.counters["x"] = x;
    state.counters["y"] = y;
}

void BM_GetPreciseStarPos_FilterAroundStar(benchmark::State &state)
{
    measure(state, starmeasure::medianOfRegion);
}

void BM_GetPreciseStarPos_FilterWholeFrame(benchmark::State &state)
{
    measure(state, starmeasure::medianOfWholeFrame);
}

// The program's own entry point, to show that it is the shortcut that is timed above.
void BM_StarAlgorithms_GetPreciseStarPos(benchmark::State &state)
{
    const cv::Mat frame = skyFrame();
    double x = 0, y = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(starAlgorithms.GetPreciseStarPos(frame, 645.2, 476.9, &x, &y));
    }
}

} // namespace

BENCHMARK(BM_GetPreciseStarPos_FilterAroundStar)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GetPreciseStarPos_FilterWholeFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StarAlgorithms_GetPreciseStarPos)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
