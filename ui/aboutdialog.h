// aboutdialog.h - product name, version and release date, and the maker's web site.
#ifndef ABOUTDIALOG_H
#define ABOUTDIALOG_H

#include <QDialog>

namespace Ui {
class AboutDialog;
}

class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

    // "Velto Q7 <version>, release on <date>"; not translated.
    static QString versionText();

public slots:
    void on_label_logo_linkActivated(QString link);
    void on_pushButton_ok_clicked();
    void uiReset();

private:
    Ui::AboutDialog *ui;
};

#endif // ABOUTDIALOG_H
