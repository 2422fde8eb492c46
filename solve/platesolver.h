// platesolver.h - solve a frame: one call, frame and hints in, solution out.
//
// The solve runs in a child process, the solver worker velto-q7-solver (installed beside the
// program's private libraries, or next to the executable in a build), which is killed when the
// time limit passes or `cancel` becomes true. The call blocks; run it off the GUI thread (it needs
// no event loop in its thread). Index files missing, a frame without enough stars, a worker that
// dies or does not answer: the solution is not solved and says why in one sentence, which is also
// logged.
#ifndef PLATESOLVER_H
#define PLATESOLVER_H

#include "platesolution.h"
#include "skyinimage.h"

#include <QImage>
#include <atomic>
#include <opencv2/core/mat.hpp>

struct SolveControl
{
    int timeLimitMs = 20000;
    const std::atomic<bool> *cancel = nullptr;
    QString indexFolder; // empty: /usr/share/astrometry
    QString workerPath;  // empty: found beside the program
};

// `frame`: 8-bit, one channel (a colour QImage is converted to grey).
PlateSolution solvePlate(const cv::Mat &frame, const SolveHints &hints, const SolveControl &control = {});
PlateSolution solvePlate(const QImage &frame, const SolveHints &hints, const SolveControl &control = {});

// The frame as 8-bit grey pixels in one block (a colour image converted); empty for a null image.
cv::Mat greyPixels(const QImage &frame);

// A frame of the pole the site sees, solved near that pole at `utcSeconds`. When its field is not
// found there but it holds stars enough, the other pole is tried, so that a frame of the wrong
// hemisphere is named as such (by skyInImage) rather than reported as matching no part of the sky.
// `hints` gives the scale; its position and instant are set here.
PlateSolution solveNearVisiblePole(const cv::Mat &frame, SolveHints hints, const ObservingSite &site,
    double utcSeconds, const SolveControl &control = {});

// The solver worker's executable, or an empty string when it cannot be found.
QString solverWorkerPath();

#endif // PLATESOLVER_H
