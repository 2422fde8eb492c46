// alignmentsummary.h - what an alignment achieved, said when Done ends it: the error left in
// altitude and azimuth with its uncertainty, the refraction correction it was measured with and
// how long it took. The same lines are shown in the window, written to the log and, while a
// session is recorded, kept in its notes (with the figures as numbers).
#ifndef ALIGNMENTSUMMARY_H
#define ALIGNMENTSUMMARY_H

#include "refraction.h"
#include "skyorientation.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QStringList>
#include <optional>

struct AlignmentSummary
{
    Q_DECLARE_TR_FUNCTIONS(AlignmentSummary)

public:
    // The readout's last figures (positive: the axis above / east of the pole); none while the
    // camera's orientation was not known.
    std::optional<AxisErrorArcsec> error;
    double poleAltitudeDeg = 0;
    double sigmaArcsec = 0; // the stated uncertainty beside the pole; 0: none stated
    bool refractionCorrected = false;
    RefractionModel refractionModel = RefractionModel::Bennett;
    double pressure = 0;  // in pressureUnit
    QString pressureUnit; // "hPa" or "kPa"
    double temperatureC = 0;
    double seconds = 0; // from Connect to Done, on the program's clock

    QStringList lines() const;
    QJsonObject figures() const;
};

#endif // ALIGNMENTSUMMARY_H
