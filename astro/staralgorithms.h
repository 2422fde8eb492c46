// staralgorithms.h - the numeric routines of the alignment: star centroids, the RA axis circle,
// point rotation, the pole from two stars, and atmospheric refraction.
//
// Conventions shared by every routine:
// - Positions are pixels of the camera frame or of a template image, x to the right and y downwards;
//   the centre of pixel (i, j) is the point (i, j).
// - Angles are degrees and a positive rotation turns clockwise on the screen (y grows downwards).
// - Routines return 0 on success and -1 on failure and deliver results through out-parameters;
//   failures that the log should show are written at critical level.
// - No routine writes a NaN or an infinity to an out-parameter: non-finite inputs are rejected as the
//   routine rejects a position outside the field, and a result that is not finite is not delivered.
//
// The class holds no state; the one global instance `starAlgorithms` is shared by the GUI thread and
// the capture thread, which may call it at the same time.
#ifndef STARALGORITHMS_H
#define STARALGORITHMS_H

#include "refraction.h"

#include <opencv2/core.hpp>

// Plate scale of the Velto Q7 pole camera, 3.75 um pixels behind a 25.4 mm lens: arcseconds of sky
// per image pixel (the camera library's simulated camera images the sky at the same scale).
constexpr double cameraArcsecPerPixel = 30.5;

class StarAlgorithms
{
public:
    // Sub-pixel position of the star near (x, y) in an 8-bit one-channel image: the brightest pixel of
    // the 40 x 40 box around (x, y), refined by GetGravityCenter. Returns 0 also when only the brightest
    // pixel could be found. The outputs are set to (x, y) before anything else is done.
    int GetPreciseStarPos(const cv::Mat &image, double x, double y, double *outX, double *outY) const;
    // Intensity-weighted centroid of the 20 x 20 patch around (x, y) above a background level.
    int GetGravityCenter(const cv::Mat &image, double x, double y, double *outX, double *outY) const;

    // Centre and radius (truncated) of the circle through three points; outputs written only on success.
    int CalcAxisCenter(double x1, double y1, double x2, double y2, double x3, double y3, double *centerX,
        double *centerY, int *radius) const;
    // (px, py) turned by angle degrees about (cx, cy).
    void RotatePoint(
        double angle, double px, double py, double cx, double cy, double *outX, double *outY) const;

    // Pole P of the triangle A-B-P from the angles at A and B; of the two mirror-image apexes the one
    // nearer to the reference point is taken. On failure the outputs are (0, 0).
    int CalcPoleCOOR(double ax, double ay, double angleA, double bx, double by, double angleB, double *outX,
        double *outY, double refX, double refY) const;
    // The same triangle in template coordinates; the apex whose angle at B towards star D is closest to
    // angleDBP is taken.
    int CalcTemplatePole(double ax, double ay, double angleA, double bx, double by, double angleB,
        double *outX, double *outY, double dx, double dy, double angleDBP) const;
    // Writes whichever of the candidates (x1, y1) and (x2, y2) sees D from B at the angle closest to
    // targetAngle; ties and undefined angles go to candidate 2.
    void SelectApexByAngle(double x1, double y1, double x2, double y2, double dx, double dy, double bx,
        double by, double targetAngle, double *outX, double *outY) const;

    // Moves image row y up by the refraction at altitude `latitude`, converted to pixels with the
    // camera's plate scale of 30.5 arcsec per pixel. Bennett (1982, in arcminutes) is scaled for
    // pressure (kPa) and temperature (deg C); the physical model is physicalPoleRefractionArcsec.
    // With the camera in its holder and the RA axis at home, up the image is away from the zenith:
    // the direction that undoes the refraction.
    int CorrectRefraction(double y, double latitude, double pressureKPa, double temperature, double *outY,
        RefractionModel model = RefractionModel::Bennett) const;
};

extern const StarAlgorithms starAlgorithms;

#endif // STARALGORITHMS_H
