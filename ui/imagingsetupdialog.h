// imagingsetupdialog.h - Tools > Imaging Setup...: the imaging camera, lens and exposure the
// alignment's target is made for (polartarget.h), and on a second tab how the bolts' knobs turn.
//
// The target is shown as the fields are typed. Every imaging field filled in gives a target, every
// one blank gives none (the alignment then has no target, as before a setup was entered); OK waits
// for one or the other, each field in its range. The dialog is made anew from the stored values
// each time it opens, so Cancel leaves them as they were; the window reads values() once accepted.
//
// A knob's turn can be learnt while the pole is monitored: Learn notes the readout, the user turns
// the knob one full turn clockwise, Done notes it again (boltturns::learntKnob).
#ifndef IMAGINGSETUPDIALOG_H
#define IMAGINGSETUPDIALOG_H

#include "boltturns.h"
#include "checkedfield.h"
#include "polartarget.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

class ImagingSetupDialog : public QDialog
{
    Q_OBJECT

public:
    struct Values
    {
        polartarget::ImagingSetup setup;
        boltturns::Knob altitude;
        boltturns::Knob azimuth;
    };

    explicit ImagingSetupDialog(const Values &values, QWidget *parent = nullptr);

    // What the fields say; a refused field counts as blank.
    Values values() const;

    // The moves still needed now, on the sky along the altitude and the azimuth bolt (positive:
    // raise, move east), as the readout says; none while the pole is not monitored. Without it
    // the knobs' turns are typed only.
    using NeededMoves = std::function<std::optional<std::pair<double, double>>()>;
    void setNeededMoves(const NeededMoves &needed) { m_needed = needed; }

    void accept() override;

private:
    // Shows the target the fields give and why OK waits; true when they can be applied.
    bool checkAll();
    // A blank field, where allowed, stands for a value not entered (0).
    CheckedField field(
        const QString &name, double minimum, double maximum, int decimals, bool blankAllowed = true);
    QWidget *imagingTab();
    QWidget *boltsTab();
    void learn(int bolt); // 0 altitude, 1 azimuth

    QCheckBox *m_anywhere;
    QCheckBox *m_altitudeReversed;
    QCheckBox *m_azimuthReversed;
    QLabel *m_target;
    QDialogButtonBox *m_buttons;
    QPushButton *m_learn[2];
    QLabel *m_learnStatus;
    NeededMoves m_needed;
    int m_learning = -1;     // the bolt being turned, -1: none
    double m_learnStart = 0; // its needed move when Learn was pressed
    CheckedField m_focalLength, m_pixelSize, m_sensorWidth, m_sensorHeight, m_exposure, m_declination;
    CheckedField m_altitudePerTurn, m_azimuthPerTurn; // arcminutes on the sky a full turn
};

#endif // IMAGINGSETUPDIALOG_H
