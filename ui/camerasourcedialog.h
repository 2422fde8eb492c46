// camerasourcedialog.h - Device > Camera Source...: the simulated sky or a recorded session (.ser).
#ifndef CAMERASOURCEDIALOG_H
#define CAMERASOURCEDIALOG_H

#include "camerasource.h"

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CameraSourceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CameraSourceDialog(const CameraSource::Choice &choice, QWidget *parent = nullptr);

    // What the dialog shows now; a recording needs a file name.
    CameraSource::Choice choice() const;

private:
    void browse();
    void updateButtons();

    QRadioButton *m_simulator;
    QRadioButton *m_recording;
    QLineEdit *m_path;
    QPushButton *m_browse;
    QDialogButtonBox *m_buttons;
};

#endif // CAMERASOURCEDIALOG_H
