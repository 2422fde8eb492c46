#include "frameinputs.h"
#include "sharedstate.h"

#include <cmath>

FrameInputs FrameInputs::read()
{
    FrameInputs in;
    in.monitorPole = ::monitorPole;
    in.showAxisCenter = ::showAxisCenter;
    in.showAxisCircle = ::showAxisCircle;
    in.showReticle = ::showReticle;
    in.showStarAMarker = ::showStarAMarker;
    in.showStarBMarker = ::showStarBMarker;
    const QString style = displayStyle.load();
    in.monoStyle = style == QLatin1String("Mono");
    in.nightStyle = style == QLatin1String("Night");
    in.axisCenter = ::axisCenter.load();
    in.axisCenterCovariance = ::axisCenterCovariance.load();
    in.axisCircleRadius = ::axisCircleRadius;
    in.expectedPolarisPos = ::expectedPolarisPos.load();
    in.reticleAngle = ::reticleAngle;
    in.starASearchPos = ::starASearchPos.load();
    in.starBSearchPos = ::starBSearchPos.load();
    in.pickedStarMarks = ::pickedStarMarks.load();
    const PoleAngles angles = poleAngles.load();
    in.poleAngleAtA = angles.atA;
    in.poleAngleAtB = angles.atB;
    in.poleAnglesErrorArcsec = angles.errorArcsec;
    in.zenithToLineTurnDeg = angles.zenithToLineTurnDeg;
    in.poleSide = angles.poleSide;
    in.trackedRaTurn = ::trackedRaTurn;
    const BoltGuideMarks guide = boltGuideMarks.load();
    in.showBoltGuide = guide.shown;
    in.altitudeStop = guide.altitudeStop;
    in.azimuthStop = guide.azimuthStop;
    in.targetRadiusPx = ::targetRadiusPx;
    in.refractionEnabled = ::refractionEnabled;
    in.refractionModel = ::refractionModel;
    in.siteLatitude = std::fabs(::siteLatitude.load());
    const float pressure = ::airPressure;
    in.airPressureKPa = pressureUnit.load() == QLatin1String("hPa") ? pressure / 10.0f : pressure;
    in.airTemperature = ::airTemperature;
    return in;
}
