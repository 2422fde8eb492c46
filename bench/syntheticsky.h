// syntheticsky.h - a monitored frame for the benchmarks: a noisy sky with the two reference stars
// where the search positions expect them, and the inputs of the capture thread while it monitors.
#ifndef SYNTHETICSKY_H
#define SYNTHETICSKY_H

#include "frameinputs.h"

#include <QPointF>
#include <cmath>
#include <opencv2/core.hpp>

inline const cv::Size frameSize(1280, 960);
inline const QPointF starA(705.3, 292.8), starB(640.6, 480.2);

// A noisy sky with two Gaussian stars (FWHM about 3 pixels) where the search positions expect them.
inline cv::Mat skyFrame()
{
    cv::Mat sky(frameSize, CV_32FC1);
    cv::RNG rng(42);
    rng.fill(sky, cv::RNG::NORMAL, 20.0, 3.0);
    for (const QPointF &s : {starA, starB})
        for (int y = int(s.y()) - 8; y <= int(s.y()) + 8; ++y)
            for (int x = int(s.x()) - 8; x <= int(s.x()) + 8; ++x) {
                const double r2 = (x - s.x()) * (x - s.x()) + (y - s.y()) * (y - s.y());
                sky.at<float>(y, x) += float(200.0 * std::exp(-r2 / (2 * 1.3 * 1.3)));
            }
    cv::Mat grey;
    sky.convertTo(grey, CV_8UC1);
    return grey;
}

inline FrameInputs monitoringInputs()
{
    FrameInputs in;
    in.monitorPole = in.showAxisCenter = in.showStarAMarker = in.showStarBMarker = true;
    in.axisCenter = QPointF(650.4, 440.7);
    in.axisCircleRadius = 120;
    in.starASearchPos = starA + QPointF(2, -1);
    in.starBSearchPos = starB + QPointF(-1, 2);
    in.poleAngleAtA = 12.4543449046107; // the north pattern's angles
    in.poleAngleAtB = 18.4713634052194;
    in.refractionEnabled = true;
    in.siteLatitude = 39.9f;
    in.airPressureKPa = 101.0f;
    in.airTemperature = 10.0f;
    return in;
}

#endif // SYNTHETICSKY_H
