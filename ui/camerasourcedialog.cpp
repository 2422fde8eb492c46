#include "camerasourcedialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CameraSourceDialog::CameraSourceDialog(const CameraSource::Choice &choice, QWidget *parent)
    : QDialog(parent), m_simulator(new QRadioButton(tr("Simulated sky"), this)),
      m_recording(new QRadioButton(tr("Recorded session"), this)), m_path(new QLineEdit(this)),
      m_browse(new QPushButton(tr("Browse..."), this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("CameraSourceDialog"));
    setWindowTitle(tr("Camera Source"));
    m_simulator->setObjectName(QStringLiteral("radioButton_simulator"));
    m_recording->setObjectName(QStringLiteral("radioButton_recording"));
    m_path->setObjectName(QStringLiteral("lineEdit_recording"));
    m_browse->setObjectName(QStringLiteral("pushButton_browse"));
    m_path->setPlaceholderText(tr("A .ser file made with File > Record Session"));
    m_path->setMinimumWidth(360);

    auto *file = new QHBoxLayout;
    file->setContentsMargins(24, 0, 0, 0); // under its radio button
    file->addWidget(m_path, 1);
    file->addWidget(m_browse);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_simulator);
    layout->addWidget(m_recording);
    layout->addLayout(file);
    layout->addStretch(1);
    layout->addWidget(m_buttons);

    const bool recording = choice.kind == CameraSource::Kind::Recording;
    (recording ? m_recording : m_simulator)->setChecked(true);
    m_path->setText(choice.path);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_browse, &QPushButton::clicked, this, &CameraSourceDialog::browse);
    connect(m_recording, &QRadioButton::toggled, this, &CameraSourceDialog::updateButtons);
    connect(m_path, &QLineEdit::textChanged, this, &CameraSourceDialog::updateButtons);
    updateButtons();
}

CameraSource::Choice CameraSourceDialog::choice() const
{
    if (m_recording->isChecked())
        return {CameraSource::Kind::Recording, m_path->text().trimmed()};
    return {CameraSource::Kind::Simulator, QString()};
}

void CameraSourceDialog::browse()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Recorded Session"),
        QFileInfo(m_path->text()).absolutePath(), tr("SER videos (*.ser);;All files (*)"));
    if (file.isEmpty())
        return;
    m_path->setText(file);
    m_recording->setChecked(true);
}

void CameraSourceDialog::updateButtons()
{
    m_path->setEnabled(m_recording->isChecked());
    m_browse->setEnabled(m_recording->isChecked());
    m_buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(!m_recording->isChecked() || !m_path->text().trimmed().isEmpty());
}
