// platesolution.h - what goes into a plate solve and what comes out, and its JSON form (the
// solver worker's answer on its standard output).
#ifndef PLATESOLUTION_H
#define PLATESOLUTION_H

#include "platewcs.h"

#include <QJsonObject>
#include <QString>
#include <QVector>

struct SolveHints
{
    // The expected plate scale; 0 solves blind in scale (a camera of unknown lens).
    double scaleArcsecPerPx = 30.5;
    // Where to search: the visible pole's astrometric place and a radius around it. Without a
    // position the whole sky is searched.
    bool usePosition = false;
    SkyPlace position;
    double searchRadiusDeg = 15;
    // The frame's instant (UTC seconds since 1970); with it the solution is refined on the
    // catalogue stars of that instant (catalogrefinement.h). 0: not known, not refined.
    double utcSeconds = 0;
};

struct ExtractedStar
{
    ImagePosition position; // 0-based pixels
    double flux = 0;
};

struct PlateSolution
{
    bool solved = false;
    int imageWidth = 0, imageHeight = 0;
    QString whyNot; // a sentence for the user when not solved
    PlateWcs wcs;
    double scaleArcsecPerPx = 0;
    // Image angle (atan2(-dy, dx), degrees) of celestial north at the image centre.
    double northAngleDeg = 0;
    bool mirrored = false;
    double fitRmsPx = 0;          // how far the solver's own WCS departs from the TAN model, pixels
    QVector<ExtractedStar> stars; // the brightest sources, as used for solving
    double solveMs = 0;

    // Scale, parity and north's direction from the WCS.
    void takeFiguresFromWcs();

    QJsonObject toJson() const;
    // A solution that says why it cannot be read when the object is not a worker's answer.
    static PlateSolution fromJson(const QJsonObject &json);
    static PlateSolution failure(const QString &whyNot);
};

#endif // PLATESOLUTION_H
