// quickalignmentpanel.h - what the quick alignment asks of the person, large enough to read from
// the mount: the instruction, how far the RA axis has turned (or why the run stopped), and the two
// ways out, back to the wizard's steps or Abort (Esc), which also stops a turning mount.
//
// It floats over the top of the live image where the wizard's tip panel is, which it replaces
// while the RA positions are taken, and below it while the readout runs. It only shows and asks;
// the window acts.
#ifndef QUICKALIGNMENTPANEL_H
#define QUICKALIGNMENTPANEL_H

#include "quickalignment.h"

#include <QFrame>

class QAction;
class QLabel;
class QPushButton;
class QShortcut;

class QuickAlignmentPanel : public QFrame
{
    Q_OBJECT

public:
    QuickAlignmentPanel(const QuickAlignment &quick, QWidget *parent);

    // "Quick Alignment", for the Device menu.
    QAction *menuAction() const { return m_menuAction; }
    // Says why the run stopped (or what went wrong and is being tried again), in place of the
    // turned angle.
    void say(const QString &text);

signals:
    void startRequested();
    void manualRequested();
    void abortRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showPhase();
    void showTurned(double degrees);

    const QuickAlignment &m_quick;
    QAction *m_menuAction;
    QLabel *m_instruction, *m_detail;
    QPushButton *m_manual, *m_abort;
    QShortcut *m_escape;
};

#endif // QUICKALIGNMENTPANEL_H
