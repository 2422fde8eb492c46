// stardatafile.h - the embedded star data files NStarPosData.ini and SStarPosData.ini, built from
// the template geometry, the angles shipped for 2016-2024 and the angles computed for 2025-2040.
//
// Format: INI without a section, one "key=value" line per key, CR LF line ends. The template
// positions of A, B and D come first (integers), then for each epoch (23 May of each year) the keys
// BAP_, ABP_, BPA_, BDP_, DBP_ and BPD_ followed by the date yyyyMMdd: angles in degrees times 10^14,
// as integer text. BPA = 180 - BAP - ABP; BDP is the angle at D of the template triangle D-B-P with the
// template pole P of that epoch; BPD = 180 - BDP - DBP. The program reads BAP, ABP and DBP only.
#ifndef STARDATAFILE_H
#define STARDATAFILE_H

#include "poletriangles.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

// The stored angle texts of one epoch.
struct EpochAngleTexts
{
    int year;
    QString bap, abp, dbp;
};

struct HemisphereDefinition
{
    Hemisphere hemisphere;
    QString fileName;
    QPoint starA, starB, starD;       // template pixels
    QStringList catalogIds;           // A, B, D
    QVector<EpochAngleTexts> shipped; // 2016-2024, exactly as first shipped
};

const HemisphereDefinition &northDefinition();
const HemisphereDefinition &southDefinition();

constexpr int lastStarDataYear = 2040;

// Degrees as stored: the angle to 15 significant digits, times 10^14, as integer text.
QString storedAngleText(double degrees);
double storedAngleDegrees(const QString &text);

// Every epoch's angle texts: the shipped ones, then one per year up to lastStarDataYear computed
// from the catalogue stars (A, B, D).
QVector<EpochAngleTexts> starDataEpochs(
    const HemisphereDefinition &definition, const QVector<CatalogStar> &stars);

// The whole file. Returns an empty array if an epoch's template pole cannot be computed.
QByteArray starDataFileText(const HemisphereDefinition &definition, const QVector<EpochAngleTexts> &epochs);

#endif // STARDATAFILE_H
