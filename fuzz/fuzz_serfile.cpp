// fuzz_serfile.cpp - a recorded session (.ser) with arbitrary contents, opened the way the replay
// camera opens it (ser::Reader, 1280 x 960 mono). A file the reader accepts must be whole: every
// frame readable and every time stamp a finite time no earlier than the one before. The header
// fields of small inputs are mostly nonsense, so the input's first two bytes, when they are "S:",
// make the rest a file of 4 x 2 frames instead, which the fuzzer can then fill completely.
#include "fuzzsupport.h"
#include "serfile.h"

#include <cmath>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzsupport::silenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using fuzzsupport::require;
    const bool small = size >= 2 && data[0] == 'S' && data[1] == ':';
    const int width = small ? 4 : 1280;
    const int height = small ? 2 : 960;
    if (small) {
        data += 2;
        size -= 2;
    }
    const QString file = fuzzsupport::writeInput(data, size);
    ser::Reader reader;
    std::string problem;
    const bool opened = reader.open(file.toStdString(), width, height, &problem);
    if (!opened) {
        require(!problem.empty(), "a refused file comes with a reason");
        require(reader.frameCount() == 0, "a refused file has no frames");
    } else {
        require(reader.frameCount() > 0, "an accepted file has frames");
        std::vector<uint8_t> pixels(size_t(width) * size_t(height));
        double previous = -INFINITY;
        for (int64_t i = 0; i < reader.frameCount(); ++i) {
            require(reader.readFrame(i, pixels.data(), &problem), "every frame of an accepted file reads");
            const double utc = reader.frameUtcSeconds(i);
            require(std::isfinite(utc) && utc >= previous, "time stamps are finite and in order");
            previous = utc;
        }
        require(!reader.readFrame(reader.frameCount(), pixels.data(), &problem), "no frame after the last");
    }
    fuzzsupport::removeInput(file);
    return 0;
}
