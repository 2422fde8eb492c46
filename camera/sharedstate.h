// sharedstate.h - everything the GUI thread and the capture thread share, listed once.
//
// There are two threads, the GUI's and the capture thread, and a third while a session is recorded
// (the recorder's writer, see Recording below). Each entry says who writes it and who reads it. Flags and
// scalars are atomics; points and texts are Guarded values, read and written whole. The capture
// thread reads its inputs once per frame into a local snapshot and works on that. A change made
// by the GUI thread takes effect within the next frame.
#ifndef SHAREDSTATE_H
#define SHAREDSTATE_H

#include "framepool.h"
#include "framerecorder.h"
#include "guarded.h"
#include "imagequeue.h"
#include "karvix.h"
#include "polestatistics.h"
#include "refraction.h"

#include <QPointF>
#include <QString>
#include <atomic>
#include <cstdint>
#include <limits>
#include <opencv2/core.hpp>
#include <vector>

// ---- Camera and stream settings -----------------------------------------------------------------
// Written by Connect/Disconnect and the window's close; read by the capture loop. Whether the library
// is ready, the stream mode and the camera's id are the GUI thread's alone (cameraconnection.h).
extern std::atomic<bool> cameraConnected;      // a camera is open and initialised
extern std::atomic<KarvixHandle> cameraHandle; // 0 = no camera

// Written by the exposure and gain buttons (GUI); the capture loop sends changes between frames.
extern std::atomic<double> exposureTime; // microseconds
extern std::atomic<int> gain;

// Fixed stream parameters, set once by the window constructor before any capture starts.
extern int streamParam12;
extern int streamParam9;
extern int bitsMode;
extern int binX, binY;
extern int roiX, roiY;
// Requested size at stream start; every frame read overwrites them with the reported size.
extern std::atomic<int> frameWidth, frameHeight;

// ---- Per-frame inputs: written by the GUI thread, read by the capture thread --------------------
extern std::atomic<bool> monitorPole; // measure stars A and B, compute the pole, magnify
extern std::atomic<bool> showAxisCenter;
extern std::atomic<bool> showAxisCircle;
extern std::atomic<bool> showReticle;
extern std::atomic<bool> showStarAMarker;
extern std::atomic<bool> showStarBMarker;
extern Guarded<QString> displayStyle; // "Mono": monochrome overlays; "Night": dark red
extern Guarded<QPointF> axisCenter;   // RA axis centre, image pixels
// How well axisCenter is known: its covariance, px^2. Written with axisCenter.
extern Guarded<cv::Matx22d> axisCenterCovariance;
extern std::atomic<int> axisCircleRadius;   // pixels
extern Guarded<QPointF> expectedPolarisPos; // centre of the rotating reticle
extern std::atomic<double> reticleAngle;    // degrees
extern Guarded<QPointF> starASearchPos;
extern Guarded<QPointF> starBSearchPos;
// Where the star was picked at each RA position taken so far, while the axis is measured: marked
// so that the person turning the axis sees where the star set out from. Empty otherwise.
extern Guarded<std::vector<QPointF>> pickedStarMarks;
// The angles of the triangle A-B-P at A and at B, degrees, for the chosen hemisphere at the instant
// of the program's clock: written when the hemisphere is chosen, when monitoring starts and once a
// minute (the window's star geometry). One pair, so a frame never takes A's angle from one instant
// and B's from another.
struct PoleAngles
{
    double atA = 0.0;
    double atB = 0.0;
    // How far the pole they give may be off (root-mean-square, arcsec).
    double errorArcsec = polestatistics::yearlyAnglesErrorArcsec;
    // The turn from the zenith direction to the line from star A to star B in the image's angles
    // (zenithdirection.h), degrees; NaN while unknown, when the refraction correction falls back to
    // the camera sitting in its holder.
    double zenithToLineTurnDeg = std::numeric_limits<double>::quiet_NaN();
    // Which side of the line from A to B the pole lies on in the image, as the star pattern has it:
    // +1 where the cross product (B - A) x (P - A) is positive (y down), -1 on the other; 0 while
    // unknown, when the apex nearer the axis centre is taken. The triangle's two apexes are mirror
    // images, and the axis centre picks the right one only while the pole is near it.
    int poleSide = 0;
};
extern Guarded<PoleAngles> poleAngles;
// How far the pole-tracking dial says the RA axis has turned since the reference stars were found
// with the axis at home, degrees; the image turns with it, and so does the way to the horizon.
extern std::atomic<double> trackedRaTurn;

// Bolt guidance while the pole is monitored (boltguide.h): where the pole must stand when the
// altitude bolt, or the azimuth bolt, has been turned far enough for the other one to finish; the
// overlays draw each bolt's line from the pole through its stop. One value, so a frame never
// takes one stop from one update and the other from the next.
struct BoltGuideMarks
{
    bool shown = false;
    QPointF altitudeStop;
    QPointF azimuthStop;
};
extern Guarded<BoltGuideMarks> boltGuideMarks;
// The alignment's target (AlignmentSession::targetArcsec) in pole-camera pixels, the radius of the
// circle drawn about the axis centre while the pole is monitored; 0: no target. Written by the GUI
// thread when the target changes, read by the capture thread.
extern std::atomic<double> targetRadiusPx;

// Refraction correction inputs (refraction dialog and settings file).
extern std::atomic<bool> refractionEnabled;
extern std::atomic<RefractionModel> refractionModel;
extern std::atomic<float> siteLatitude;   // degrees, north positive (the pole's altitude is its size)
extern std::atomic<float> airPressure;    // in pressureUnit
extern std::atomic<float> airTemperature; // degrees Celsius
extern Guarded<QString> pressureUnit;     // "kPa" or "hPa"
// The longitude and whether the site is known are the GUI thread's alone: the alignment session's site.

// ---- Per-frame outputs: written by the capture thread, read by the GUI thread -------------------
extern Guarded<QPointF> starAPos;
extern Guarded<QPointF> starBPos;
extern Guarded<QPointF> polePos; // averaged over the latest frames (polestatistics.h)
// Root-mean-square error of the pole-minus-axis offset in arcsec; 0 when no pole is measured.
extern std::atomic<double> poleSigmaArcsec;
// When the camera last delivered a frame: the steady clock's time since its epoch, ns; 0 before
// the first. The window's judge of staleness (freshness.h) follows it, so a GUI thread that was
// busy for a while does not take its own delay for a camera's.
extern std::atomic<std::int64_t> frameArrivalNs;

// ---- Frames ------------------------------------------------------------------------------------
// The latest grey frame: written (published) by the capture thread once per frame; read by the
// star pick on the GUI thread through a lease, so a frame being read is never overwritten.
extern FramePool rawImage;

// ---- Recording ---------------------------------------------------------------------------------
// File > Record Session: the GUI thread starts and stops it and reads its progress; the capture
// thread offers every frame it publishes. While a recording is on, the recorder's own writer thread
// (the one thread besides these two) writes the frames; everything it shares is behind the
// recorder's lock.
extern FrameRecorder frameRecorder;

// ---- Hand-off queues: capture thread appends, showImages (GUI, every 20 ms) takes ---------------
extern ImageQueue frameQueue;     // display frames with overlays
extern ImageQueue magnifierQueue; // 200 x 200 magnified crops while monitoring

#endif // SHAREDSTATE_H
