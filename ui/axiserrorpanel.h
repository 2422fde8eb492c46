// axiserrorpanel.h - how far the RA axis is off the pole, in words a person behind the mount can
// act on (readoutwords.h): "Raise the altitude 2'14"", "Move azimuth 0'40" east", with arrows and the total,
// the figures in digits large enough to read from a metre away (on a line of their own, so the labels hold
// rich text; plainText() reads them as a person does).
#ifndef AXISERRORPANEL_H
#define AXISERRORPANEL_H

#include "skyorientation.h"

#include <QWidget>

class QLabel;

class AxisErrorPanel : public QWidget
{
    Q_OBJECT

public:
    // Object names: widget_<section>axisError, label_<section>altitudeError, ..._azimuthError,
    // ..._totalError, ..._target, ..._turns, ..._staleNote, so that each section's panel has its own ("" or
    // "rough_").
    explicit AxisErrorPanel(const QString &section = QString(), QWidget *parent = nullptr);

    // `error` as axisErrorArcsec() gives it (positive: the axis above / east of the pole);
    // `poleAltitudeDeg` turns the azimuth back into sky for the total; `north` says which side
    // east lies on for a person facing the pole.
    void showError(const AxisErrorArcsec &error, double poleAltitudeDeg, bool north);
    // The total good enough to stop at, shown beside the total ("target 1′12″"); 0: none. While
    // the total is inside it (readoutwords::insideTarget) the figures' labels have the property
    // "insideTarget", which the style sheet shows in green, and the target reads "✓ target 1′12″" (a mark
    // that holds in the night and mono styles too).
    void setTarget(double targetArcsec);
    bool insideTarget() const { return m_inside; }
    // The knobs' advice below the words (readoutwords::turns); hidden while both are empty.
    void setTurns(const QString &altitude, const QString &azimuth);
    // Until the site is known the figures carry the air's refraction at the pole; the panel says
    // so below them, as large as the figures, so that they are not taken for final.
    void setSiteKnown(bool known);

    // The figures greyed with `note` below them ("stale: no frame for 4 s"), while the frames they
    // were measured on are not live; an empty note shows them live again.
    void setStale(const QString &note);

    // A readout label's text as it reads on screen, the figure on its own line.
    static QString plainText(const QLabel *label);

private:
    QLabel *m_altitude;
    QLabel *m_azimuth;
    QLabel *m_total;
    QLabel *m_target;
    QLabel *m_turns;
    QLabel *m_siteUnknown;
    QLabel *m_staleNote;
    double m_targetArcsec = 0;
    double m_totalArcsec = -1; // none shown yet
    bool m_inside = false;

    void showTarget();
};

#endif // AXISERRORPANEL_H
