// stellarsolverrun.cpp - StellarSolver's settings for a wide, star-poor field around the pole.
#include "stellarsolverrun.h"

#include "indexfiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <opencv2/core.hpp>
#include <stellarsolver.h>

namespace {

// StellarSolver's positions are FITS pixels: the first pixel's centre is (1, 1).
constexpr double fitsPixelOrigin = 1.0;

SSolver::Parameters polarFieldParameters(const SolveHints &hints)
{
    SSolver::Parameters parameters;
    // Partitioned extraction finds a different number of stars on every run of the same frame;
    // one pass over the whole frame is deterministic.
    parameters.partition = false;
    // The 50 brightest sources solve a clear frame; keeping every detection makes a cloudy one
    // take minutes.
    parameters.keepNum = 50;
    // A faint frame's stars cover few pixels above the threshold.
    parameters.minarea = 5;
    parameters.search_radius = hints.searchRadiusDeg;
    parameters.inParallel = false;
    parameters.multiAlgorithm = SSolver::NOT_MULTI;
    parameters.autoDownsample = false;
    parameters.downsample = 1;
    return parameters;
}

void configure(StellarSolver &solver, const SolveHints &hints)
{
    solver.setProperty("ExtractorType", SSolver::EXTRACTOR_INTERNAL);
    solver.setProperty("SolverType", SSolver::SOLVER_STELLARSOLVER);
    solver.setParameters(polarFieldParameters(hints));
    solver.setLogLevel(LOG_NONE);
    solver.setSSLogLevel(SSolver::LOG_OFF);
}

QVector<ExtractedStar> extractedStars(const QList<FITSImage::Star> &stars)
{
    QVector<ExtractedStar> extracted;
    for (const FITSImage::Star &star : stars)
        extracted.append({{star.x - fitsPixelOrigin, star.y - fitsPixelOrigin}, star.flux});
    return extracted;
}

// The solver's WCS refitted as a TAN projection, so that it can leave this process as a handful of
// numbers. It is sampled at the stars it was fitted to: its polynomial distortion terms are only
// held by stars, and in a field half under cloud they bend away where there are none.
std::optional<PlateWcs> sampledWcs(
    StellarSolver &solver, const QVector<ExtractedStar> &stars, int width, int height, double *rmsPx)
{
    WCSData wcsData = solver.getWCSData();
    const ImagePosition centre {(width - 1) / 2.0, (height - 1) / 2.0};
    FITSImage::wcs_point centrePlace;
    if (!wcsData.pixelToWCS(QPointF(centre.x + fitsPixelOrigin, centre.y + fitsPixelOrigin), centrePlace))
        return std::nullopt;
    QVector<ImagePosition> pixels;
    for (const ExtractedStar &star : stars)
        pixels.append(star.position);
    constexpr int fewestStars = 8;
    if (pixels.size() < fewestStars) {
        pixels.clear();
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                pixels.append({(width - 1) * column / 2.0, (height - 1) * row / 2.0});
    }
    QVector<ImagePosition> sampled;
    QVector<SkyPlace> places;
    for (const ImagePosition &pixel : pixels) {
        FITSImage::wcs_point place;
        if (!wcsData.pixelToWCS(QPointF(pixel.x + fitsPixelOrigin, pixel.y + fitsPixelOrigin), place))
            continue;
        sampled.append(pixel);
        places.append({place.ra, place.dec});
    }
    return PlateWcs::fit({centrePlace.ra, centrePlace.dec}, sampled, places, rmsPx);
}

} // namespace

PlateSolution solveWithStellarSolver(
    const cv::Mat &frame, const SolveHints &hints, const QString &indexFolder)
{
    QElapsedTimer timer;
    timer.start();
    if (frame.empty() || frame.type() != CV_8UC1 || !frame.isContinuous() || frame.cols > 65535
        || frame.rows > 65535)
        return PlateSolution::failure(QStringLiteral("The frame is not an 8-bit grey image."));
    if (!QCoreApplication::instance())
        return PlateSolution::failure(QStringLiteral("Plate solving needs a running Qt application."));
    QString missing;
    const QStringList indexFiles = indexFilesFor(hints.scaleArcsecPerPx, frame.cols, indexFolder, &missing);
    if (indexFiles.isEmpty())
        return PlateSolution::failure(missing);

    // StellarSolver takes the data type and range from these figures; its extractor measures the
    // background itself, so the mean stands in for the median.
    FITSImage::Statistic statistic;
    statistic.width = uint16_t(frame.cols);
    statistic.height = uint16_t(frame.rows);
    statistic.dataType = 11; // cfitsio's TBYTE
    statistic.bytesPerPixel = 1;
    statistic.channels = 1;
    statistic.samples_per_channel = uint32_t(frame.cols * frame.rows);
    double minimum = 0, maximum = 0;
    cv::minMaxLoc(frame, &minimum, &maximum);
    statistic.min[0] = minimum;
    statistic.max[0] = maximum;
    cv::Scalar mean, deviation;
    cv::meanStdDev(frame, mean, deviation);
    statistic.mean[0] = mean[0];
    statistic.stddev[0] = deviation[0];
    statistic.median[0] = mean[0];
    statistic.size = int64_t(frame.total());

    StellarSolver solver(SSolver::SOLVE, statistic, frame.data);
    configure(solver, hints);
    solver.setIndexFilePaths(indexFiles);
    if (hints.scaleArcsecPerPx > 0)
        solver.setSearchScale(
            hints.scaleArcsecPerPx * 0.9, hints.scaleArcsecPerPx * 1.1, SSolver::ARCSEC_PER_PIX);
    if (hints.usePosition)
        solver.setSearchPositionInDegrees(hints.position.raDeg, hints.position.decDeg);

    const bool solved = solver.solve();
    PlateSolution solution;
    solution.imageWidth = frame.cols;
    solution.imageHeight = frame.rows;
    if (!solved || !solver.solvingDone() || !solver.hasWCSData()) {
        // A failed solve keeps no star list: extract once more to say why.
        StellarSolver extractor(SSolver::EXTRACT, statistic, frame.data);
        configure(extractor, hints);
        if (extractor.extract())
            solution.stars = extractedStars(extractor.getStarList());
        solution.whyNot = solution.stars.size() < 4
            ? QStringLiteral("Too few stars in the frame to solve it (%1 found).").arg(solution.stars.size())
            : QStringLiteral("The %1 stars found match no part of the sky.").arg(solution.stars.size());
    } else if (solution.stars = extractedStars(solver.getStarListFromSolve()); const auto wcs
               = sampledWcs(solver, solution.stars, frame.cols, frame.rows, &solution.fitRmsPx)) {
        solution.solved = true;
        solution.wcs = *wcs;
    } else {
        solution.whyNot = QStringLiteral("The solver found a match but no usable WCS.");
    }
    solution.solveMs = timer.nsecsElapsed() / 1e6;
    return solution;
}
