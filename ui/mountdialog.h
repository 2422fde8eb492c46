// mountdialog.h - Device > Mount...: the INDI telescope whose RA axis the program turns.
//
// The INDI server (host and port, which may differ from the camera's) and the telescope's device
// name on it; Refresh lists the server's devices that report equatorial coordinates. An empty
// device name means no mount. The choice is kept in the settings file's group MOUNT.
#ifndef MOUNTDIALOG_H
#define MOUNTDIALOG_H

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TelescopeFinder;

struct MountChoice
{
    QString host = QStringLiteral("localhost");
    int port = 7624;
    QString device; // empty: no mount
};

class MountDialog : public QDialog
{
    Q_OBJECT

public:
    MountDialog(const MountChoice &choice, QWidget *parent = nullptr);
    MountChoice choice() const;

private:
    void refresh();
    void showFound(const QStringList &telescopes);

    QLineEdit *m_host;
    QSpinBox *m_port;
    QComboBox *m_device;
    QPushButton *m_refresh;
    QLabel *m_status;
    TelescopeFinder *m_finder;
};

#endif // MOUNTDIALOG_H
