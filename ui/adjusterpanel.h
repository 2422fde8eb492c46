// adjusterpanel.h - the motorised adjuster in the Precise Pole section: "Align Automatically",
// "Abort" (Esc too) and a line saying what the loop does or why it stopped.
//
// It owns the device chosen in Device > Adjuster... and the AlignmentLoop that drives it from the
// window's alignment session. Align Automatically is enabled while the device is connected, the
// axis is measured and the readout is live.
#ifndef ADJUSTERPANEL_H
#define ADJUSTERPANEL_H

#include "adjusterchoice.h"

#include <QWidget>
#include <memory>
#include <optional>

class AdjusterDevice;
class AlignmentLoop;
class AlignmentSession;
class QAction;
class QLabel;
class QPushButton;

class AdjusterPanel : public QWidget
{
    Q_OBJECT

public:
    AdjusterPanel(AlignmentSession &session, QWidget *parent = nullptr);
    ~AdjusterPanel() override;

    // Device > Adjuster...: the dialog, then the chosen device connected in place of the last.
    void chooseDevice();
    // The choice the dialog was last confirmed with (or, before that, the stored one); empty when
    // no adjuster was ever chosen. Setting it opens nothing: motors stay off until the user asks.
    const std::optional<AdjusterChoice> &choice() const { return m_choice; }
    void setChoice(const std::optional<AdjusterChoice> &choice) { m_choice = choice; }
    void useDevice(std::unique_ptr<AdjusterDevice> device);
    // "Adjuster...", for the Device menu.
    QAction *menuAction() const { return m_menuAction; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void updateButtons();
    void say(const QString &text);

    AlignmentSession &m_session;
    std::unique_ptr<AdjusterDevice> m_device;
    std::optional<AdjusterChoice> m_choice;
    AlignmentLoop *m_loop;
    QAction *m_menuAction;
    QPushButton *m_align, *m_abort;
    QLabel *m_status;
};

#endif // ADJUSTERPANEL_H
