#include "camerasourcedialog.h"

#include "offthread.h"
#include "source.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

namespace {
// How long Refresh waits for a server to answer and tell its devices.
constexpr int refreshTimeoutMs = 3000;
// Longer than any lens a pole camera is put behind; 0 (or a blank field) when it is not known.
constexpr double longestFocalLengthMm = 5000;
} // namespace

CameraSourceDialog::CameraSourceDialog(const CameraSource::Choice &choice, QWidget *parent)
    : QDialog(parent), m_simulator(new QRadioButton(tr("Simulated sky"), this)),
      m_recording(new QRadioButton(tr("Recorded session"), this)), m_path(new QLineEdit(this)),
      m_browse(new QPushButton(tr("Browse..."), this)), m_indi(new QRadioButton(tr("INDI server"), this)),
      m_host(new QLineEdit(this)), m_hostProblem(new QLabel(this)),
      m_port(new QLineEdit(this), new QLabel(this), 1, 65535, 0), m_camera(new QComboBox(this)),
      m_refresh(new QPushButton(tr("Refresh"), this)),
      m_focalLength(new QLineEdit(this), new QLabel(this), 0, longestFocalLengthMm, 2),
      m_pixelSize(new QLabel(this)), m_indiStatus(new QLabel(this)),
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
    layout->addWidget(m_indi);
    layout->addLayout(indiFields());
    layout->addStretch(1);
    layout->addWidget(m_buttons);

    (choice.kind == CameraSource::Kind::Recording     ? m_recording
            : choice.kind == CameraSource::Kind::Indi ? m_indi
                                                      : m_simulator)
        ->setChecked(true);
    m_path->setText(choice.path);
    const CameraSource::Choice defaults;
    m_host->setText(choice.kind == CameraSource::Kind::Indi ? choice.host : defaults.host);
    m_port.setValue(choice.kind == CameraSource::Kind::Indi ? choice.port : defaults.port);
    m_camera->setEditText(choice.device);
    m_focalLength.setValue(
        choice.kind == CameraSource::Kind::Indi ? choice.focalLengthMm : defaults.focalLengthMm);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &CameraSourceDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_browse, &QPushButton::clicked, this, &CameraSourceDialog::browse);
    connect(m_refresh, &QPushButton::clicked, this, &CameraSourceDialog::refresh);
    for (QRadioButton *kind : {m_recording, m_indi})
        connect(kind, &QRadioButton::toggled, this, &CameraSourceDialog::updateButtons);
    connect(m_path, &QLineEdit::textChanged, this, &CameraSourceDialog::updateButtons);
    for (QLineEdit *field : {m_host, m_port.edit(), m_focalLength.edit()})
        connect(field, &QLineEdit::textChanged, this, &CameraSourceDialog::updateButtons);
    connect(m_camera, &QComboBox::currentTextChanged, this, &CameraSourceDialog::updateButtons);
    connect(m_camera, &QComboBox::currentTextChanged, this, &CameraSourceDialog::showPixelSize);
    updateButtons();
    showPixelSize();
}

QLayout *CameraSourceDialog::indiFields()
{
    m_indi->setObjectName(QStringLiteral("radioButton_indi"));
    m_host->setObjectName(QStringLiteral("lineEdit_indiHost"));
    m_hostProblem->setObjectName(QStringLiteral("label_indiHost_problem"));
    // The port and the focal length keep the names of the spin boxes they once were, which the
    // tests and scripts that drive the dialog look for.
    m_port.edit()->setObjectName(QStringLiteral("spinBox_indiPort"));
    m_port.message()->setObjectName(QStringLiteral("label_indiPort_problem"));
    m_camera->setObjectName(QStringLiteral("comboBox_indiCamera"));
    m_refresh->setObjectName(QStringLiteral("pushButton_indiRefresh"));
    m_focalLength.edit()->setObjectName(QStringLiteral("doubleSpinBox_focalLength"));
    m_focalLength.message()->setObjectName(QStringLiteral("label_focalLength_problem"));
    m_pixelSize->setObjectName(QStringLiteral("label_pixelSize"));
    m_indiStatus->setObjectName(QStringLiteral("label_indiStatus"));

    m_hostProblem->setStyleSheet(m_port.message()->styleSheet());
    // Room for a name and five digits while a refused field's reason widens the row.
    m_host->setMinimumWidth(180);
    m_port.edit()->setFixedWidth(80);
    m_camera->setEditable(true);        // a device can be named before its server runs
    m_camera->setMinimumWidth(240);
    m_camera->lineEdit()->setPlaceholderText(tr("Press Refresh to list the server's cameras"));
    // Blank (or 0): the lens is not known; a plate solve measures it.
    m_focalLength.setBlankMeans(0);
    m_focalLength.edit()->setPlaceholderText(tr("unknown: a plate solve measures it"));
    m_focalLength.edit()->setMinimumWidth(240);

    auto *server = new QHBoxLayout;
    server->addWidget(m_host, 1);
    server->addWidget(m_hostProblem);
    server->addWidget(new QLabel(tr("Port"), this));
    server->addWidget(m_port.edit());
    server->addWidget(m_port.message());
    auto *camera = new QHBoxLayout;
    camera->addWidget(m_camera, 1);
    camera->addWidget(m_refresh);
    auto *focalLength = new QHBoxLayout;
    focalLength->addWidget(m_focalLength.edit());
    focalLength->addWidget(new QLabel(tr("mm"), this));
    focalLength->addWidget(m_focalLength.message());
    focalLength->addStretch(1);
    auto *fields = new QFormLayout;
    fields->setContentsMargins(24, 0, 0, 0); // under its radio button
    fields->addRow(tr("Host"), server);
    fields->addRow(tr("Camera"), camera);
    fields->addRow(QString(), m_indiStatus);
    fields->addRow(tr("Focal length"), focalLength);
    fields->addRow(tr("Pixel size"), m_pixelSize);
    return fields;
}

CameraSource::Choice CameraSourceDialog::choice() const
{
    CameraSource::Choice choice;
    if (m_recording->isChecked()) {
        choice.kind = CameraSource::Kind::Recording;
        choice.path = m_path->text().trimmed();
    } else if (m_indi->isChecked()) {
        choice.kind = CameraSource::Kind::Indi;
        choice.host = m_host->text().trimmed();
        choice.port = static_cast<int>(m_port.value().value_or(choice.port));
        choice.device = m_camera->currentText().trimmed();
        choice.focalLengthMm = m_focalLength.value().value_or(choice.focalLengthMm);
    }
    return choice;
}

void CameraSourceDialog::accept()
{
    if (checkAll())
        QDialog::accept();
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

// The server is asked on a thread of its own (offthread.h), so the window stays responsive.
void CameraSourceDialog::refresh()
{
    if (!checkHost() || !m_port.check())
        return;
    m_asking = true;
    updateButtons();
    const int port = static_cast<int>(*m_port.value());
    m_indiStatus->setText(tr("Asking %1:%2 for its cameras...").arg(m_host->text().trimmed()).arg(port));
    const std::string host = m_host->text().trimmed().toStdString();
    using Answer = std::pair<QVector<Camera>, QString>;
    runOffThread<Answer>(
        this,
        [host, port] {
            std::string problem;
            QVector<Camera> cameras;
            for (const karvix::IndiCamera &camera :
                karvix::listIndiCameras(host, port, refreshTimeoutMs, &problem))
                cameras.append({QString::fromStdString(camera.device), camera.pixelSizeUm});
            return Answer(cameras, QString::fromStdString(problem));
        },
        [this](const Answer &answer) { showCameras(answer.first, answer.second); });
}

void CameraSourceDialog::showCameras(const QVector<Camera> &cameras, const QString &problem)
{
    m_asking = false;
    const QString typed = m_camera->currentText();
    m_camera->clear();
    m_pixelSizes.clear();
    for (const Camera &camera : cameras) {
        m_camera->addItem(camera.device);
        m_pixelSizes.insert(camera.device, camera.pixelSizeUm);
    }
    if (!problem.isEmpty())
        m_indiStatus->setText(problem);
    else if (cameras.isEmpty())
        m_indiStatus->setText(tr("The server has no camera."));
    else
        m_indiStatus->setText(tr("Cameras on the server: %1").arg(cameras.size()));
    // The camera chosen before stays chosen if this server has it, else its first camera; after a
    // failed Refresh no name of another server's camera is left to confirm with OK.
    const int kept = m_camera->findText(typed);
    if (kept >= 0)
        m_camera->setCurrentIndex(kept);
    else if (cameras.isEmpty())
        m_camera->setEditText(QString());
    showPixelSize();
    updateButtons();
}

void CameraSourceDialog::showPixelSize()
{
    const double size = m_pixelSizes.value(m_camera->currentText(), std::nan(""));
    m_pixelSize->setText(std::isfinite(size) ? tr("%1 µm (from the driver)").arg(size, 0, 'f', 2)
                                             : tr("read from the driver once connected"));
}

// A host name or an IPv4 or IPv6 address, without the scheme or port that are often typed with it.
bool CameraSourceDialog::checkHost()
{
    const QString host = m_host->text().trimmed();
    QUrl url;
    url.setHost(host, QUrl::StrictMode);
    const QString problem = host.isEmpty() ? tr("a host name or address is needed")
        : !url.isValid()                   ? tr("not a host name or address")
                                           : QString();
    m_hostProblem->setText(problem);
    return problem.isEmpty();
}

bool CameraSourceDialog::checkAll()
{
    bool indiValid = checkHost();
    for (const CheckedField *field : {&m_port, &m_focalLength})
        indiValid = field->check() && indiValid;
    if (m_recording->isChecked())
        return !m_path->text().trimmed().isEmpty();
    if (m_indi->isChecked())
        return indiValid && !m_camera->currentText().trimmed().isEmpty();
    return true;
}

void CameraSourceDialog::updateButtons()
{
    const bool indi = m_indi->isChecked();
    m_path->setEnabled(m_recording->isChecked());
    m_browse->setEnabled(m_recording->isChecked());
    for (QWidget *field :
        std::initializer_list<QWidget *> {m_host, m_port.edit(), m_camera, m_focalLength.edit()})
        field->setEnabled(indi);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(checkAll());
    m_refresh->setEnabled(indi && !m_asking && checkHost() && m_port.value());
}
