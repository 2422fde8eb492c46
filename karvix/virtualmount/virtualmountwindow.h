// virtualmountwindow.h - the "Virtual Mount" tool window: hands on the simulated mount.
//
// While the simulated camera is open a person turns the RA axis and the altitude and azimuth
// bolts here, switches sidereal tracking, asks for a new random polar error, and may look at the
// truth (the polar error), which is hidden by default. Every control acts on the simulator at
// once; the live image shows the change with the next frame.
//
// Usage: auto *mount = new VirtualMountWindow(mainWindow); mount->show();   // a modeless tool
// dialog, so that it takes the application style sheet's dialog colours
// The window works on karvix::sim::cameraSimulator(), the sky the camera library shows; tests
// may hand it another simulator.
#ifndef VIRTUALMOUNTWINDOW_H
#define VIRTUALMOUNTWINDOW_H

#include <QDialog>
#include <initializer_list>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;

namespace karvix::sim {
class SkySimulator;
}

class VirtualMountWindow : public QDialog
{
    Q_OBJECT

public:
    explicit VirtualMountWindow(QWidget *parent = nullptr);
    VirtualMountWindow(karvix::sim::SkySimulator &sky, QWidget *parent);

protected:
    void changeEvent(QEvent *event) override;

private:
    // A row of step buttons, the largest step down first and the largest step up last, each
    // calling `turn` with its step. `magnitudes` are in increasing order.
    QWidget *stepRow(const QString &objectPrefix, std::initializer_list<double> magnitudes,
        void (VirtualMountWindow::*turn)(double));
    void retranslateUi();
    void turnRa(double degrees);
    void turnAltitude(double arcmin);
    void turnAzimuth(double arcmin);
    void newRandomError();
    void refresh(); // slider and truth from the simulator

    karvix::sim::SkySimulator &m_sky;
    QLabel *m_raTitle;
    QLabel *m_altitudeTitle;
    QLabel *m_azimuthTitle;
    QSlider *m_raSlider;
    QLabel *m_raLabel;
    QCheckBox *m_tracking;
    QPushButton *m_newError;
    QCheckBox *m_showTruth;
    QLabel *m_truth;
    QTimer *m_refreshTimer;
};

#endif // VIRTUALMOUNTWINDOW_H
