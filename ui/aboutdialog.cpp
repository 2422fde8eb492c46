#include "aboutdialog.h"
#include "ui_aboutdialog.h"

#include <QDesktopServices>
#include <QUrl>

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent), ui(new Ui::AboutDialog)
{
    ui->setupUi(this);
    setFixedSize(size());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->label_version->setText(versionText());
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

QString AboutDialog::versionText()
{
    return QStringLiteral("Velto Q7 " VELTO_VERSION ", release on " VELTO_RELEASE_DATE);
}

void AboutDialog::on_label_logo_linkActivated(QString link)
{
    QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
}

void AboutDialog::on_pushButton_ok_clicked()
{
    close();
}

void AboutDialog::uiReset()
{
    ui->retranslateUi(this);
    // The form's own version line is a placeholder; the real one is never translated.
    ui->label_version->setText(versionText());
}
