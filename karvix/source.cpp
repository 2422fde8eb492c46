// source.cpp - the one selected back end behind the C functions.
#include "source.h"

#include "backend.h"
#include "indiloader.h"
#include "replay/replaybackend.h"
#include "sim/camerabus.h"

#include <cmath>
#include <cstdio>
#include <mutex>

namespace karvix {
namespace {

// The log outlives the selected back end (statics go in reverse order), so a back end's threads
// never report to a log that is gone.
std::mutex problemLogMutex;
std::function<void(const std::string &)> problemLog;
std::mutex selectionMutex;
SourceChoice selection;
std::shared_ptr<Backend> selected;

// The simulator's bus lives as long as the process; the pointer does not own it.
std::shared_ptr<Backend> simulator()
{
    return std::shared_ptr<Backend>(&sim::CameraBus::instance(), [](Backend *) {});
}

} // namespace

std::shared_ptr<Backend> selectedBackend()
{
    std::lock_guard<std::mutex> lock(selectionMutex);
    if (!selected)
        selected = simulator();
    return selected;
}

void selectSource(const SourceChoice &choice)
{
    std::shared_ptr<Backend> backend;
    switch (choice.kind) {
    case SourceChoice::Kind::Recording:
        backend = std::make_shared<replay::ReplayBackend>(choice.path);
        break;
    case SourceChoice::Kind::Indi:
        backend = makeIndiBackend(choice);
        break;
    case SourceChoice::Kind::Simulator:
        backend = simulator();
        break;
    }
    std::lock_guard<std::mutex> lock(selectionMutex);
    selection = choice;
    selected.swap(backend);
    // The previous back end goes when its last caller lets it go, outside the lock.
}

SourceChoice selectedSource()
{
    std::lock_guard<std::mutex> lock(selectionMutex);
    return selection;
}

double sourceFrameUtc()
{
    return selectedBackend()->frameUtc();
}

std::string sourceProblem()
{
    return selectedBackend()->problem();
}

std::string sourceOutage()
{
    return selectedBackend()->outage();
}

double adoptIndiPlateScale(double arcsecPerPixel)
{
    const double focalLengthMm = selectedBackend()->adoptPlateScale(arcsecPerPixel);
    std::lock_guard<std::mutex> lock(selectionMutex);
    if (std::isfinite(focalLengthMm) && selection.kind == SourceChoice::Kind::Indi)
        selection.focalLengthMm = focalLengthMm;
    return focalLengthMm;
}

bool sourceConnecting()
{
    return selectedBackend()->connecting();
}

void reachSource()
{
    selectedBackend()->reach();
}

bool sourceReconnecting()
{
    return selectedBackend()->reconnecting();
}

void setProblemLog(std::function<void(const std::string &)> log)
{
    std::lock_guard<std::mutex> lock(problemLogMutex);
    problemLog = std::move(log);
}

void logProblem(const std::string &text)
{
    std::lock_guard<std::mutex> lock(problemLogMutex);
    if (problemLog)
        problemLog(text);
    else
        std::fprintf(stderr, "%s\n", text.c_str());
}

} // namespace karvix
