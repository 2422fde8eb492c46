// source.h - which source of frames stands behind the camera library's C functions.
//
// The simulated sky is the default. A recorded night (a SER file written by File > Record Session)
// can take its place: it then presents one camera, "NORDVANE-REPLAY", whose frames come at the pace
// they were recorded and whose time is the recorded frames' time. A camera on an INDI server
// (indi/indibackend.h) presents one camera, "NORDVANE-INDI", whose frames are the driver's
// converted to the program's scale. The capture loop sees no difference. Choose the source while no
// camera is open: the previous source's cameras are gone.
#ifndef KARVIX_SOURCE_H
#define KARVIX_SOURCE_H

#include <functional>
#include <string>
#include <vector>

#define KARVIX_SOURCE_EXPORT __attribute__((visibility("default")))

namespace karvix {

struct SourceChoice
{
    enum class Kind { Simulator, Recording, Indi };
    Kind kind = Kind::Simulator;
    std::string path; // Recording: the SER file
    // Indi: the server, the camera's device name and the focal length of its lens
    std::string host = "localhost";
    int port = 7624;
    std::string device;
    double focalLengthMm = 0;
};

// A camera an INDI server offers: its device name and its pixel size in micrometres as the driver
// reports it (NaN while the driver has not said, e.g. before the device is connected).
struct IndiCamera
{
    std::string device;
    double pixelSizeUm;
};

KARVIX_SOURCE_EXPORT void selectSource(const SourceChoice &choice);
KARVIX_SOURCE_EXPORT SourceChoice selectedSource();

// UTC (seconds since 1970) of the frame a recording delivered last, or of its first frame once it
// is open; NaN while the source shows the present (the simulated sky) or no recording is open.
KARVIX_SOURCE_EXPORT double sourceFrameUtc();
// Why the source's camera last failed to open, e.g. what is wrong with a recording; empty if the
// source has nothing to say.
KARVIX_SOURCE_EXPORT std::string sourceProblem();

// What keeps the open camera's frames from coming now, in one line (an INDI server that went away,
// its device switched off or gone); empty while they may come. A source that cannot tell (the
// simulated sky, a recording) is always empty.
KARVIX_SOURCE_EXPORT std::string sourceOutage();

// An INDI camera's frames measured by a plate solve at `arcsecPerPixel`: the lens's focal length
// follows, is used for the following frames and kept in the selected source. Returns it (mm); NaN,
// changing nothing, for other sources or before the driver has told the pixel size.
KARVIX_SOURCE_EXPORT double adoptIndiPlateScale(double arcsecPerPixel);

// Whether the source's camera is still being reached (an INDI server and its device) with nothing
// gone wrong yet: opening it now would fail, opening it a moment later may not.
KARVIX_SOURCE_EXPORT bool sourceConnecting();

// An INDI camera is reached again by itself only when it was lost while live; one that could not be
// reached, or that another client switched off, is tried again when the program asks, here (before
// each Connect). Nothing changes for a camera connected or being reached, nor for other sources.
KARVIX_SOURCE_EXPORT void reachSource();
// While sourceOutage() is not empty: whether the source is reaching the camera again by itself
// (false for a camera that stays off until reachSource()).
KARVIX_SOURCE_EXPORT bool sourceReconnecting();

// Where a source reports, in one line each, what went wrong while it streams (a server that went
// away, a frame that could not be read); the program logs them. Until set they go to stderr.
KARVIX_SOURCE_EXPORT void setProblemLog(std::function<void(const std::string &)> log);

// The cameras (devices with the CCD interface) of the INDI server at host:port. Blocks for up to
// about timeoutMs; call it off the GUI thread. Empty, with the reason in *problem, when the server
// cannot be reached.
KARVIX_SOURCE_EXPORT std::vector<IndiCamera> listIndiCameras(
    const std::string &host, int port, int timeoutMs, std::string *problem);

} // namespace karvix

#endif // KARVIX_SOURCE_H
