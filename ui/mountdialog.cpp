#include "mountdialog.h"

#include "telescopefinder.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

MountDialog::MountDialog(const MountChoice &choice, QWidget *parent)
    : QDialog(parent), m_finder(new TelescopeFinder(this))
{
    setObjectName(QStringLiteral("dialog_mount"));
    setWindowTitle(tr("Mount"));
    m_host = new QLineEdit(choice.host, this);
    m_host->setObjectName(QStringLiteral("lineEdit_mountHost"));
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("spinBox_mountPort"));
    m_port->setRange(1, 65535);
    m_port->setValue(choice.port);
    m_device = new QComboBox(this);
    m_device->setObjectName(QStringLiteral("comboBox_mountDevice"));
    m_device->setEditable(true);
    m_device->setMinimumContentsLength(24);
    m_device->setEditText(choice.device);
    m_refresh = new QPushButton(tr("Refresh"), this);
    m_refresh->setObjectName(QStringLiteral("pushButton_refreshMounts"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("label_mountStatus"));

    auto *deviceRow = new QHBoxLayout;
    deviceRow->addWidget(m_device, 1);
    deviceRow->addWidget(m_refresh);
    auto *form = new QFormLayout(this);
    form->addRow(tr("INDI server"), m_host);
    form->addRow(tr("Port"), m_port);
    form->addRow(tr("Telescope"), deviceRow);
    form->addRow(m_status);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_refresh, &QPushButton::clicked, this, &MountDialog::refresh);
    connect(m_finder, &TelescopeFinder::found, this, &MountDialog::showFound);
}

MountChoice MountDialog::choice() const
{
    MountChoice choice;
    choice.host = m_host->text().trimmed();
    choice.port = m_port->value();
    choice.device = m_device->currentText().trimmed();
    return choice;
}

void MountDialog::refresh()
{
    m_refresh->setEnabled(false);
    m_status->setText(tr("Asking the server…"));
    m_finder->ask(m_host->text().trimmed(), quint16(m_port->value()));
}

// The typed name stays: the list only offers what the server has.
void MountDialog::showFound(const QStringList &telescopes)
{
    const QString typed = m_device->currentText();
    m_device->clear();
    m_device->addItems(telescopes);
    m_device->setEditText(typed.isEmpty() && !telescopes.isEmpty() ? telescopes.first() : typed);
    m_status->setText(telescopes.isEmpty() ? tr("The server offers no telescope.")
                                           : tr("%n telescope(s) found.", nullptr, int(telescopes.size())));
    m_refresh->setEnabled(true);
}
