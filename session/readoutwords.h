// readoutwords.h - the readout in the words a person behind the mount acts on: "Raise the altitude
// 2′14″", "Move azimuth 0′40″ west", the arrow beside each and the total. The window's panel and the
// phone view both take their texts from here, so the two never disagree; the texts keep the
// translation context "AxisErrorPanel" of the panel where they were first shown.
#ifndef READOUTWORDS_H
#define READOUTWORDS_H

#include "boltturns.h"
#include "skyorientation.h"

#include <QString>

namespace readoutwords {

// One line of the readout: `sentence` is translated and holds %1 where `figure` goes.
struct Line
{
    QString arrow;
    QString sentence;
    QString figure;
};

// `error` as axisErrorArcsec() gives it (positive: the axis above / east of the pole).
Line altitude(const AxisErrorArcsec &error);
// `north` says which side east lies on for a person facing the pole.
Line azimuth(const AxisErrorArcsec &error, bool north);
// "Total 2′20″".
QString total(double totalArcsec);
// "target 1′12″": the total good enough to stop at (AlignmentSession::targetArcsec).
QString target(double targetArcsec);
// Whether the total is inside a target that is set. The ± is not added: it is the spread of one
// reading about the mean, and the pole held inside the target for seconds is that mean; with it
// added a target near the pole camera's reach could never be met.
bool insideTarget(double totalArcsec, double targetArcsec);
// The knob's advice (boltturns.h) for the altitude bolt or the azimuth bolt: "Altitude: ¾ turn
// clockwise", "Azimuth: less than ¼ turn anticlockwise", "Altitude: went past — turn back ½
// turn, then forward ¼ turn"; empty while the knob's turn is not known.
QString turns(bool altitude, const boltturns::Advice &advice);
// A number of quarter turns in digits and fractions: ¼, 1, 1¾.
QString quarterText(double turns);
// Said below the figures while they still carry the air's refraction.
QString siteUnknown();

// The whole error on the sky: the azimuth turned back into sky at the pole's altitude.
double totalArcsec(const AxisErrorArcsec &error, double poleAltitudeDeg);
// The pole's uncertainty as shown beside it: "± 4″", whole arcseconds, at least 1. A figure and
// units only, the same in every language.
QString sigmaText(double arcsec);
// Degrees, minutes and seconds of arc: 2′14″ for 134 arcsec, 1°00′05″ from an hour of arc up.
QString arcText(double arcsec);

} // namespace readoutwords

#endif // READOUTWORDS_H
