// hemispherestardata.h - the star pattern of each hemisphere, read from the embedded star data.
//
// Each hemisphere's file ":/starData/NStarPosData.ini" or ":/starData/SStarPosData.ini" (INI, no
// section) holds the template pixel positions of the pattern stars A, B (the pole star) and D, and
// for yearly epochs (keys suffixed yyyyMMdd, 23 May of each year) the angles of the triangles A-B-P
// and D-B-P, P being the celestial pole, in degrees times 10^14. LoadStarPosData picks one epoch for
// the date and keeps one record per hemisphere; MarkTemplatePoles adds the template pole. These
// mean angles of the year draw the template; the measured pole takes the angles of the moment
// (stargeometry.h), for which they stand in only when the catalogue table cannot be read.
#ifndef HEMISPHERESTARDATA_H
#define HEMISPHERESTARDATA_H

#include <QDate>
#include <QPointF>
#include <QString>
#include <QStringList>

struct HemisphereStarData
{
    QPointF starA; // template pixels
    QPointF starB;
    QPointF starD;
    double angleBAP = 0; // degrees, at A between B and P
    double angleABP = 0; // degrees, at B between A and P
    double angleDBP = 0; // degrees, at B between D and P
    QPointF pole;        // template pole, filled in by MarkTemplatePoles
};

extern HemisphereStarData northStarData;
extern HemisphereStarData southStarData;

// Fills both records (all but `pole`) for the local date of the program's clock, or for `today`.
void LoadStarPosData();
void LoadStarPosData(const QDate &today);

// Each epoch serves from 23 November of the year before it to 22 November of its own year; dates
// before the first epoch take the first, dates after the last the last. `epochs` are yyyyMMdd texts
// in any order (invalid ones are ignored); returns the chosen one, or an empty text if there is none.
QString chooseStarDataEpoch(const QStringList &epochs, const QDate &today);

// One hemisphere's record from a star data file; a missing or unreadable value keeps the default's.
HemisphereStarData readStarPosData(
    const QString &fileName, const HemisphereStarData &defaults, const QDate &today);

#endif // HEMISPHERESTARDATA_H
