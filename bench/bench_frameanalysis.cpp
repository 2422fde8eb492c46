// Time per frame of the capture thread while the pole is monitored (two star measurements,
// refraction, pole, magnified view, display copy and overlays), for the capture thread's pipeline
// and for the naive reference, alone and together with the display step at zooms 1, 0.75 and 0.5.
// Prints the ratios of the medians at the end:
//   RESULT bench capture_speedup ratio=<naive / fast>
//   RESULT bench frame_speedup zoom=<z> ratio=<naive / fast>
#include "frameanalysis.h"
#include "naivepipeline.h"
#include "presentation.h"
#include "syntheticsky.h"

#include <QGuiApplication>
#include <QPixmap>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <map>
#include <opencv2/imgproc.hpp>
#include <string>

namespace {

// One capture-thread frame: colour copy into the display image, the analysis, and the snapshots
// queued for the display (returned so the display step can show them).
template <typename Analyse>
QImage captureFrame(const cv::Mat &grey, QImage &frameImage, QImage &magnifierFrame, const Analyse &analyse)
{
    cv::Mat display(frameImage.height(), frameImage.width(), CV_8UC3, frameImage.bits(),
        static_cast<size_t>(frameImage.bytesPerLine()));
    cv::cvtColor(grey, display, cv::COLOR_GRAY2RGB);
    if (!analyse(grey, monitoringInputs(), &frameImage, &magnifierFrame))
        std::abort(); // the sky is made so that the pole is found
    benchmark::DoNotOptimize(magnifierFrame.copy());
    return frameImage.copy();
}

QSize zoomedSize(const QImage &frame, double zoom)
{
    return QSize(int(zoom * frame.width()), int(zoom * frame.height()));
}

// What showImages does with a queued frame at a zoom.
void showAtZoom(const QImage &frame, double zoom)
{
    benchmark::DoNotOptimize(QPixmap::fromImage(scaleForDisplay(frame, zoomedSize(frame, zoom))));
}

// The naive display step: Qt's smooth scaling of the whole frame.
void showAtZoomNaive(const QImage &frame, double zoom)
{
    const QImage scaled
        = frame.scaled(zoomedSize(frame, zoom), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    benchmark::DoNotOptimize(QPixmap::fromImage(scaled));
}

template <bool withDisplay> void fastPipeline(benchmark::State &state)
{
    const cv::Mat grey = skyFrame();
    QImage frameImage(frameSize.width, frameSize.height, QImage::Format_RGB888);
    QImage magnifierFrame(200, 200, QImage::Format_RGB888);
    polestatistics::PoleAverager averager;
    const auto analyse = [&](const cv::Mat &g, const FrameInputs &in, QImage *f, QImage *m) {
        return analyseFrame(g, in, f, m, averager);
    };
    for (auto _ : state) {
        const QImage queued = captureFrame(grey, frameImage, magnifierFrame, analyse);
        if (withDisplay)
            showAtZoom(queued, state.range(0) / 100.0);
    }
}

template <bool withDisplay> void naivePipeline(benchmark::State &state)
{
    const cv::Mat grey = skyFrame();
    NaivePipeline naive(frameSize);
    QImage frameImage(frameSize.width, frameSize.height, QImage::Format_RGB888);
    QImage magnifierFrame(200, 200, QImage::Format_RGB888);
    const auto analyse = [&](const cv::Mat &g, const FrameInputs &in, QImage *f, QImage *m) {
        return naive.analyseFrame(g, in, f, m);
    };
    for (auto _ : state) {
        const QImage queued = captureFrame(grey, frameImage, magnifierFrame, analyse);
        if (withDisplay)
            showAtZoomNaive(queued, state.range(0) / 100.0);
    }
}

// Remembers each benchmark's median time per iteration for the summary.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    // A table without colour codes: one would precede the RESULT line and hide it from grep.
    RatioReporter() : ConsoleReporter(OO_Tabular) { }
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // Keyed by the name and the argument ("frame/fast/zoom:75"), without the repetitions.
        for (const Run &run : runs)
            if (run.aggregate_name == "median")
                times[run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args)]
                    = run.GetAdjustedRealTime();
    }
    // Naive time over fast time; -1 when either was not run.
    double ratio(const std::string &fastName, const std::string &naiveName) const
    {
        const auto fast = times.find(fastName);
        const auto naive = times.find(naiveName);
        return fast != times.end() && naive != times.end() ? naive->second / fast->second : -1;
    }
    std::map<std::string, double> times;
};

// Medians of several repetitions: the machine is shared, and a median ignores the odd slow run.
constexpr int repetitions = 7;

} // namespace

BENCHMARK_TEMPLATE(fastPipeline, false)
    ->Name("capture/fast")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK_TEMPLATE(naivePipeline, false)
    ->Name("capture/naive")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK_TEMPLATE(fastPipeline, true)
    ->Name("frame/fast")
    ->ArgName("zoom")
    ->Arg(100)
    ->Arg(75)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK_TEMPLATE(naivePipeline, true)
    ->Name("frame/naive")
    ->ArgName("zoom")
    ->Arg(100)
    ->Arg(75)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(repetitions)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // QPixmap needs the GUI application
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("RESULT bench capture_speedup ratio=%.1f\n", reporter.ratio("capture/fast", "capture/naive"));
    for (const int zoom : {100, 75, 50}) {
        // Run names carry the argument: "frame/fast/zoom:75".
        const std::string arg = "/zoom:" + std::to_string(zoom);
        std::printf("RESULT bench frame_speedup zoom=%.2f ratio=%.1f\n", zoom / 100.0,
            reporter.ratio("frame/fast" + arg, "frame/naive" + arg));
    }
    return 0;
}
