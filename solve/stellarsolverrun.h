// stellarsolverrun.h - one plate solve with StellarSolver in this process.
//
// This is the solver worker's half (velto-q7-solver); the program calls solvePlate()
// (platesolver.h), which runs it in a child process that can be killed, because neither
// StellarSolver's time limit nor its abort() bounds the run time. A QCoreApplication must exist, or
// StellarSolver::solve() waits forever for its worker thread's signal.
#ifndef STELLARSOLVERRUN_H
#define STELLARSOLVERRUN_H

#include "platesolution.h"

#include <opencv2/core/mat.hpp>

// `frame`: 8-bit, one channel. `indexFolder` holds the Tycho-2 index files.
PlateSolution solveWithStellarSolver(
    const cv::Mat &frame, const SolveHints &hints, const QString &indexFolder);

#endif // STELLARSOLVERRUN_H
