#include "sharedstate.h"

std::atomic<bool> cameraConnected {false};
std::atomic<KarvixHandle> cameraHandle {0};

std::atomic<double> exposureTime {50000.0};
std::atomic<int> gain {50};

int streamParam12 = 30;
int streamParam9 = 0;
int bitsMode = 8;
int binX = 1, binY = 1;
int roiX = 0, roiY = 0;
std::atomic<int> frameWidth {KARVIX_FRAME_WIDTH}, frameHeight {KARVIX_FRAME_HEIGHT};

std::atomic<bool> monitorPole {false};
std::atomic<bool> showAxisCenter {false};
std::atomic<bool> showAxisCircle {false};
std::atomic<bool> showReticle {false};
std::atomic<bool> showStarAMarker {false};
std::atomic<bool> showStarBMarker {false};
Guarded<QString> displayStyle {QStringLiteral("Color")};
Guarded<QPointF> axisCenter;
Guarded<cv::Matx22d> axisCenterCovariance {cv::Matx22d::zeros()};
std::atomic<int> axisCircleRadius {0};
Guarded<QPointF> expectedPolarisPos;
std::atomic<double> reticleAngle {0.0};
Guarded<QPointF> starASearchPos;
Guarded<QPointF> starBSearchPos;
Guarded<std::vector<QPointF>> pickedStarMarks;
Guarded<PoleAngles> poleAngles;
std::atomic<double> trackedRaTurn {0.0};
Guarded<BoltGuideMarks> boltGuideMarks;
std::atomic<double> targetRadiusPx {0.0};

std::atomic<bool> refractionEnabled {false};
std::atomic<RefractionModel> refractionModel {RefractionModel::Bennett};
std::atomic<float> siteLatitude {39.9f};
std::atomic<float> airPressure {101.0f};
std::atomic<float> airTemperature {10.0f};
Guarded<QString> pressureUnit {QStringLiteral("kPa")};

Guarded<QPointF> starAPos;
Guarded<QPointF> starBPos;
Guarded<QPointF> polePos;
std::atomic<double> poleSigmaArcsec {0.0};
std::atomic<std::int64_t> frameArrivalNs {0};

FramePool rawImage;

FrameRecorder frameRecorder;

ImageQueue frameQueue;
ImageQueue magnifierQueue;
