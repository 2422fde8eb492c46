// skyrecording - writes a recorded session of the simulated sky, as File > Record Session would
// have recorded it from the simulated camera, for replays in tests and demonstrations.
//
//   skyrecording OUT.ser [frames=20] [interval_ms=100] [start_utc=1796688000] [turn_every=0] [turn_deg=30]
//
// The sky's clock starts at start_utc (seconds since 1970) and moves on by one interval per frame,
// which is also the frame's time stamp. With turn_every > 0 the RA axis turns by turn_deg after
// every turn_every frames, so a recording can hold the three axis positions of an alignment.
// Exposure 50 ms, gain 50, the simulator's default seed.
#include "serfile.h"
#include "simcontrol.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.ser [frames] [interval_ms] [start_utc] [turn_every] [turn_deg]\n",
            argv[0]);
        return 2;
    }
    const auto arg = [&](int i, double fallback) { return argc > i ? std::atof(argv[i]) : fallback; };
    const int frames = int(arg(2, 20));
    const double intervalSeconds = arg(3, 100) / 1000.0;
    const double startUtc = arg(4, 1796688000.0);
    const int turnEvery = int(arg(5, 0));
    const double turnDeg = arg(6, 30);

    karvix::sim::SkySimulator &sky = karvix::sim::cameraSimulator();
    sky.setClock(startUtc);
    ser::Writer writer;
    std::string problem;
    if (!writer.open(argv[1], KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT, "Velto Q7 simulated sky", startUtc, 0,
            &problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    cv::Mat frame(KARVIX_FRAME_HEIGHT, KARVIX_FRAME_WIDTH, CV_8UC1);
    for (int i = 0; i < frames; ++i) {
        if (turnEvery > 0 && i > 0 && i % turnEvery == 0)
            sky.turnRaAxis(turnDeg);
        sky.renderFrame(50000, 50, frame);
        if (!writer.writeFrame(frame.data, sky.clock(), &problem))
            break;
        sky.stepClock(intervalSeconds);
    }
    if (!writer.finish(&problem) || !problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    std::printf("%s: %d frames\n", argv[1], frames);
    return 0;
}
