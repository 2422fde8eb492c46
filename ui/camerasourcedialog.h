// camerasourcedialog.h - Device > Camera Source...: the simulated sky, a recorded session (.ser) or
// a camera on an INDI server.
//
// "Refresh" asks the server for its cameras on a thread of its own, so the window stays responsive
// while a distant or absent server is waited for; the list shows each camera's pixel size where
// the driver reports one.
//
// Host, port and focal length are checked as typed, with the reason beside a refused field; OK
// and Refresh wait until what they use is accepted. The dialog is made anew from the stored
// choice each time it opens, so Cancel leaves that choice as it was.
#ifndef CAMERASOURCEDIALOG_H
#define CAMERASOURCEDIALOG_H

#include "camerasource.h"
#include "checkedfield.h"

#include <QDialog>
#include <QMap>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CameraSourceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CameraSourceDialog(const CameraSource::Choice &choice, QWidget *parent = nullptr);

    // What the dialog shows now; a recording needs a file name, an INDI camera a host and a device.
    // Read it once the dialog is accepted: a refused field gives the default in its place.
    CameraSource::Choice choice() const;

    void accept() override;

private:
    struct Camera
    {
        QString device;
        double pixelSizeUm;
    };

    QLayout *indiFields();
    void browse();
    void refresh();
    void showCameras(const QVector<Camera> &cameras, const QString &problem);
    void showPixelSize();
    // Shows why a field is refused; true when the chosen source can be used as shown.
    bool checkAll();
    bool checkHost();
    void updateButtons();

    QRadioButton *m_simulator;
    QRadioButton *m_recording;
    QLineEdit *m_path;
    QPushButton *m_browse;
    QRadioButton *m_indi;
    QLineEdit *m_host;
    QLabel *m_hostProblem;
    CheckedField m_port;
    QComboBox *m_camera;
    QPushButton *m_refresh;
    bool m_asking = false; // a Refresh waits for its answer
    CheckedField m_focalLength;
    QLabel *m_pixelSize;
    QLabel *m_indiStatus;
    QDialogButtonBox *m_buttons;
    QMap<QString, double> m_pixelSizes; // by device, as the server reported them
};

#endif // CAMERASOURCEDIALOG_H
