// solverprotocol.h - how the program hands a frame to the solver worker: on its standard input
// one line of JSON (hints, index folder, frame size) and then the frame's rows of 8-bit pixels;
// the worker answers with one PlateSolution JSON object on its standard output.
#ifndef SOLVERPROTOCOL_H
#define SOLVERPROTOCOL_H

#include "platesolution.h"

#include <QByteArray>
#include <opencv2/core/mat.hpp>

constexpr const char *solverWorkerName = "velto-q7-solver";

QByteArray encodeSolveRequest(const cv::Mat &frame, const SolveHints &hints, const QString &indexFolder);

// False (with the reason in `error`) when the request is malformed or its pixels are incomplete.
bool decodeSolveRequest(
    const QByteArray &request, cv::Mat *frame, SolveHints *hints, QString *indexFolder, QString *error);

#endif // SOLVERPROTOCOL_H
