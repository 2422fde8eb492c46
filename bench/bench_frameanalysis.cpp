// Time per frame of the capture thread while the pole is monitored (two star measurements,
// refraction, pole, magnified view, display copy and overlays), for the capture thread's pipeline
// and for the naive reference, alone and together with the display step at zoom 0.75. Prints the
// ratios at the end.
#include "frameanalysis.h"
#include "naivepipeline.h"

#include <QGuiApplication>
#include <QPixmap>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <map>
#include <opencv2/imgproc.hpp>
#include <string>

namespace {

const cv::Size frameSize(1280, 960);
const QPointF starA(705.3, 292.8), starB(640.6, 480.2);

// A noisy sky with two Gaussian stars (FWHM about 3 pixels) where the search positions expect them.
cv::Mat skyFrame()
{
    cv::Mat sky(frameSize, CV_32FC1);
    cv::RNG rng(42);
    rng.fill(sky, cv::RNG::NORMAL, 20.0, 3.0);
    for (const QPointF &s : {starA, starB})
        for (int y = int(s.y()) - 8; y <= int(s.y()) + 8; ++y)
            for (int x = int(s.x()) - 8; x <= int(s.x()) + 8; ++x) {
                const double r2 = (x - s.x()) * (x - s.x()) + (y - s.y()) * (y - s.y());
                sky.at<float>(y, x) += float(200.0 * std::exp(-r2 / (2 * 1.3 * 1.3)));
            }
    cv::Mat grey;
    sky.convertTo(grey, CV_8UC1);
    return grey;
}

FrameInputs monitoringInputs()
{
    FrameInputs in;
    in.monitorPole = in.showAxisCenter = in.showStarAMarker = in.showStarBMarker = true;
    in.axisCenter = QPointF(650.4, 440.7);
    in.axisCircleRadius = 120;
    in.starASearchPos = starA + QPointF(2, -1);
    in.starBSearchPos = starB + QPointF(-1, 2);
    in.poleAngleAtA = 12.4543449046107; // the north pattern's angles
    in.poleAngleAtB = 18.4713634052194;
    in.refractionEnabled = true;
    in.siteLatitude = 39.9f;
    in.airPressureKPa = 101.0f;
    in.airTemperature = 10.0f;
    return in;
}

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

// What showImages does with a queued frame at zoom 0.75.
void showAtZoom(const QImage &frame)
{
    const QImage scaled = frame.scaled(
        int(0.75 * frame.width()), int(0.75 * frame.height()), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    benchmark::DoNotOptimize(QPixmap::fromImage(scaled));
}

template <bool withDisplay> void fastPipeline(benchmark::State &state)
{
    const cv::Mat grey = skyFrame();
    QImage frameImage(frameSize.width, frameSize.height, QImage::Format_RGB888);
    QImage magnifierFrame(200, 200, QImage::Format_RGB888);
    for (auto _ : state) {
        const QImage queued = captureFrame(grey, frameImage, magnifierFrame, analyseFrame);
        if (withDisplay)
            showAtZoom(queued);
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
            showAtZoom(queued);
    }
}

// Remembers each benchmark's time per iteration for the summary.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

} // namespace

BENCHMARK_TEMPLATE(fastPipeline, false)->Name("capture/fast")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(naivePipeline, false)->Name("capture/naive")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(fastPipeline, true)->Name("capture+display75/fast")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(naivePipeline, true)->Name("capture+display75/naive")->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // QPixmap needs the GUI application
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char *stage : {"capture", "capture+display75"}) {
        const auto fast = reporter.times.find(std::string(stage) + "/fast");
        const auto naive = reporter.times.find(std::string(stage) + "/naive");
        if (fast != reporter.times.end() && naive != reporter.times.end())
            std::printf("%-18s naive %.3f ms, fast %.3f ms per frame: ratio %.1f\n", stage, naive->second,
                fast->second, naive->second / fast->second);
    }
    return 0;
}
