// source.h - which source of frames stands behind the camera library's C functions.
//
// The simulated sky is the default. A recorded night (a SER file written by File > Record Session)
// can take its place: it then presents one camera, "NORDVANE-REPLAY", whose frames come at the pace
// they were recorded and whose time is the recorded frames' time. The capture loop sees no
// difference. Choose the source while no camera is open: the previous source's cameras are gone.
#ifndef KARVIX_SOURCE_H
#define KARVIX_SOURCE_H

#include <string>

#define KARVIX_SOURCE_EXPORT __attribute__((visibility("default")))

namespace karvix {

struct SourceChoice
{
    // A camera on an INDI server (host, port, device) will be a further kind.
    enum class Kind { Simulator, Recording };
    Kind kind = Kind::Simulator;
    std::string path; // Recording: the SER file
};

KARVIX_SOURCE_EXPORT void selectSource(const SourceChoice &choice);
KARVIX_SOURCE_EXPORT SourceChoice selectedSource();

// UTC (seconds since 1970) of the frame a recording delivered last, or of its first frame once it
// is open; NaN while the source shows the present (the simulated sky) or no recording is open.
KARVIX_SOURCE_EXPORT double sourceFrameUtc();
// Why the source's camera last failed to open, e.g. what is wrong with a recording; empty if the
// source has nothing to say.
KARVIX_SOURCE_EXPORT std::string sourceProblem();

} // namespace karvix

#endif // KARVIX_SOURCE_H
