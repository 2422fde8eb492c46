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

// The solver worker's executable, or an empty string when it cannot be found.
QString solverWorkerPath();

#endif // PLATESOLVER_H
