// adjusterchoice.h - the motorised adjuster chosen in Device > Adjuster..., as the dialog shows it and
// the settings file keeps it (group ADJUSTER), so that the next run offers the same device.
#ifndef ADJUSTERCHOICE_H
#define ADJUSTERCHOICE_H

#include <QString>

struct AdjusterChoice
{
    bool grbl = false; // else a device on an INDI server
    // The INDI server's host:port, or the GRBL controller's serial port or host:port.
    QString address = QStringLiteral("localhost:7624");
    QString indiDevice = QStringLiteral("Velto Q7 Adjuster");
    // The GRBL axes that turn the bolts, and how many of their units make a degree (0: learnt).
    char altitudeAxis = 'X';
    char azimuthAxis = 'Y';
    double altitudeUnitsPerDeg = 0;
    double azimuthUnitsPerDeg = 0;
};

#endif // ADJUSTERCHOICE_H
