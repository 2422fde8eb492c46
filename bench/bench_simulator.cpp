// Time to render one simulated 1280 x 960 frame with every star in it, as the camera library does
// for each frame it delivers. Prints "RESULT bench sim_frame_ms=<median>".
#include "medianreporter.h"
#include "skysimulator.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

// The clock advances 50 ms per frame, as in a 50 ms stream, so the sky turns between frames and
// the slowly changing apparent places are refreshed as often as they would be live.
void simulatorFrame(benchmark::State &state)
{
    karvix::sim::SkySimulator sky;
    sky.setClock(1796688000.0); // 2026-12-08 00:00 UTC
    cv::Mat frame;
    sky.renderFrame(50000, 50, frame); // first frame builds the apparent places
    for (auto _ : state) {
        sky.stepClock(0.05);
        sky.renderFrame(50000, 50, frame);
        benchmark::DoNotOptimize(frame.data);
    }
}
BENCHMARK(simulatorFrame)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("RESULT bench sim_frame_ms=%.3f\n", reporter.medianMs);
    return 0;
}
