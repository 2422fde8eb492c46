// Time to plate-solve one simulated 1280 x 960 frame, as Tools > Solve Now does: the worker
// process started, the frame handed over, StellarSolver hinted with the pole and the plate scale,
// the WCS refined on the catalogue. Nine frames at different camera rolls, RA turns and both
// hemispheres, one solve each. Prints "RESULT bench solve_ms=<median>" and
// "RESULT bench solve_solved=<solved>/<frames>".
#include "medianreporter.h"
#include "platesolver.h"
#include "skyinimage.h"
#include "skysimulator.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

namespace {

constexpr double dec8Evening2026 = 1796760000.0; // 2026-12-08T20:00:00Z
constexpr int frameCount = 9;

struct Frame
{
    cv::Mat image;
    SolveHints hints;
};

std::vector<Frame> renderFrames()
{
    std::vector<Frame> frames;
    for (int i = 0; i < frameCount; ++i) {
        karvix::sim::SkySimulator sky(karvix::sim::SkySimulator::kDefaultSeed + uint32_t(i));
        sky.setClock(dec8Evening2026);
        karvix::sim::Site site;
        if (i % 3 == 2) { // every third frame in the south
            site.latitudeDeg = -33.9;
            site.longitudeDeg = 18.4;
        }
        sky.setSite(site);
        sky.setCameraRoll(40.0 * i);
        sky.turnRaAxis(-70.0 * i);
        Frame frame;
        sky.renderFrame(50000, 50, frame.image);
        const ObservingSite observing {
            site.latitudeDeg, site.longitudeDeg, site.pressureHpa, site.temperatureC};
        frame.hints.usePosition = true;
        frame.hints.position = *visiblePolePlace(observing, dec8Evening2026);
        frame.hints.utcSeconds = dec8Evening2026;
        frames.push_back(frame);
    }
    return frames;
}

int solvedFrames = 0;

void solveFrame(benchmark::State &state)
{
    static const std::vector<Frame> frames = renderFrames();
    static int next = 0;
    for (auto _ : state) {
        const Frame &frame = frames[size_t(next++ % frameCount)];
        const PlateSolution solution = solvePlate(frame.image, frame.hints);
        solvedFrames += solution.solved ? 1 : 0;
    }
}
BENCHMARK(solveFrame)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(frameCount)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // finds the solver worker beside this program
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("RESULT bench solve_ms=%.1f\n", reporter.medianMs);
    std::printf("RESULT bench solve_solved=%d/%d\n", solvedFrames, frameCount);
    return 0;
}
