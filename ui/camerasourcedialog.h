// camerasourcedialog.h - Device > Camera Source...: the simulated sky, a recorded session (.ser) or
// a camera on an INDI server.
//
// "Refresh" asks the server for its cameras on a thread of its own, so the window stays responsive
// while a distant or absent server is waited for; the list shows each camera's pixel size where
// the driver reports one.
#ifndef CAMERASOURCEDIALOG_H
#define CAMERASOURCEDIALOG_H

#include "camerasource.h"

#include <QDialog>
#include <QMap>

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class CameraSourceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CameraSourceDialog(const CameraSource::Choice &choice, QWidget *parent = nullptr);

    // What the dialog shows now; a recording needs a file name, an INDI camera a host and a device.
    CameraSource::Choice choice() const;

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
    void updateButtons();

    QRadioButton *m_simulator;
    QRadioButton *m_recording;
    QLineEdit *m_path;
    QPushButton *m_browse;
    QRadioButton *m_indi;
    QLineEdit *m_host;
    QSpinBox *m_port;
    QComboBox *m_camera;
    QPushButton *m_refresh;
    QDoubleSpinBox *m_focalLength;
    QLabel *m_pixelSize;
    QLabel *m_indiStatus;
    QDialogButtonBox *m_buttons;
    QMap<QString, double> m_pixelSizes; // by device, as the server reported them
};

#endif // CAMERASOURCEDIALOG_H
