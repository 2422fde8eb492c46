// frameinputs.h - the shared inputs of the per-frame work, read once at the start of a frame.
//
// The GUI thread may change any of them at any time; the capture thread takes one snapshot per
// frame and works only on that, so every frame is drawn from one consistent set of values.
#ifndef FRAMEINPUTS_H
#define FRAMEINPUTS_H

#include "refraction.h"

#include <QPointF>
#include <limits>
#include <opencv2/core.hpp>
#include <vector>

struct FrameInputs
{
    bool monitorPole = false;
    bool showAxisCenter = false;
    bool showAxisCircle = false;
    bool showReticle = false;
    bool showStarAMarker = false;
    bool showStarBMarker = false;
    bool monoStyle = false;  // displayStyle is exactly "Mono"
    bool nightStyle = false; // displayStyle is exactly "Night": the frame and every mark in dark red
    QPointF axisCenter;
    cv::Matx22d axisCenterCovariance = cv::Matx22d::zeros(); // px^2
    int axisCircleRadius = 0;                                // pixels
    QPointF expectedPolarisPos;
    double reticleAngle = 0.0; // degrees
    QPointF starASearchPos;
    QPointF starBSearchPos;
    std::vector<QPointF> pickedStarMarks; // the star's place at each RA position taken
    double poleAngleAtA = 0.0;            // degrees
    double poleAngleAtB = 0.0;
    double poleAnglesErrorArcsec = 0.0; // of the pole they give, root-mean-square
    double zenithToLineTurnDeg = std::numeric_limits<double>::quiet_NaN(); // from A->B, sharedstate.h
    int poleSide = 0;                                                      // PoleAngles::poleSide
    double trackedRaTurn = 0.0;                                            // degrees
    bool showBoltGuide = false; // while monitoring: the bolts' lines through their stops
    QPointF altitudeStop;
    QPointF azimuthStop;
    double targetRadiusPx = 0.0; // while monitoring: the target about the axis centre; 0: none
    bool refractionEnabled = false;
    RefractionModel refractionModel = RefractionModel::Bennett;
    float siteLatitude = 0.0f;   // degrees, the pole's altitude (no sign)
    float airPressureKPa = 0.0f; // converted from hPa when that is the unit in use
    float airTemperature = 0.0f; // degrees Celsius

    // Reads the process-wide values of sharedstate.h.
    static FrameInputs read();
};

#endif // FRAMEINPUTS_H
