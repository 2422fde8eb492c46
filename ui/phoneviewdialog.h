// phoneviewdialog.h - Tools > Phone View...: starts and stops the phone view's web server, shows
// its address with the access token as text and as a QR code, and lists the viewers. The server
// keeps running while the dialog is closed. Whether it runs, on which address and port, is kept
// in the settings file (group PHONE_VIEW) and taken up again at the next start.
#ifndef PHONEVIEWDIALOG_H
#define PHONEVIEWDIALOG_H

#include <QDialog>
#include <QImage>

class AlignmentSession;
class PhoneView;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

class PhoneViewDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PhoneViewDialog(AlignmentSession *session, QWidget *parent = nullptr);
    ~PhoneViewDialog() override;

    PhoneView &phoneView() { return *m_phone; }

    // --phone-view[=PORT]: starts on the kept address (or the first of this computer's network) for
    // this run only and prints the address to open on standard output. False when it cannot.
    bool startForThisRun(quint16 port);

    // `text` as a QR code, black modules on white with the quiet zone, `scale` pixels a module;
    // null when it does not fit a code.
    static QImage qrCode(const QString &text, int scale);

protected:
    void changeEvent(QEvent *event) override;

private:
    bool start(bool keepChoice);
    void stop();
    void showState();
    void retranslate();
    void keepChoice(bool enabled);

    PhoneView *m_phone;
    QComboBox *m_address;
    QSpinBox *m_port;
    QPushButton *m_start;
    QPushButton *m_stop;
    QLabel *m_intro;
    QLabel *m_url;
    QLabel *m_code;
    QLabel *m_viewersTitle;
    QListWidget *m_viewers;
    QLabel *m_error;
    QLabel *m_addressLabel;
    QLabel *m_portLabel;
};

#endif // PHONEVIEWDIALOG_H
