// adjusterdialog.h - Device > Adjuster...: which motorised adjuster to use and how it is reached.
//
// An INDI server (host:port) and the device's name on it, or a GRBL controller on a serial port
// or at host:port, with the letters of the axes that turn the altitude and azimuth bolts and how
// many of its units make a degree (0: the automatic alignment learns it from its first moves).
#ifndef ADJUSTERDIALOG_H
#define ADJUSTERDIALOG_H

#include "adjusterchoice.h"

#include <QDialog>
#include <memory>

class AdjusterDevice;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

class AdjusterDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AdjusterDialog(const AdjusterChoice &choice, QWidget *parent = nullptr);
    AdjusterChoice choice() const;
    // The device a choice describes, not yet opened; empty when it does not make one.
    static std::unique_ptr<AdjusterDevice> device(const AdjusterChoice &choice);

private:
    void showKind();

    QComboBox *m_kind;
    QLineEdit *m_address, *m_indiDevice, *m_altitudeAxis, *m_azimuthAxis;
    QDoubleSpinBox *m_altitudeUnits, *m_azimuthUnits;
};

#endif // ADJUSTERDIALOG_H
