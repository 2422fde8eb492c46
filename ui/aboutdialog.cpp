#include "aboutdialog.h"
#include "ui_aboutdialog.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
const char *const version = "21.4.20.0";
const char *const releaseDate = "2021-04-20";
} // namespace

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
    return QStringLiteral("Velto Q7 %1, release on %2")
        .arg(QLatin1String(version), QLatin1String(releaseDate));
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
