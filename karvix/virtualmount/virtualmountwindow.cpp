#include "virtualmountwindow.h"

#include "simcontrol.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <QVariant>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kSliderStepsPerDegree = 10;
// Tracking turns the RA axis by itself; the slider and the truth follow it at this interval.
constexpr int kRefreshMs = 200;

} // namespace

VirtualMountWindow::VirtualMountWindow(QWidget *parent)
    : VirtualMountWindow(karvix::sim::cameraSimulator(), parent)
{ }

VirtualMountWindow::VirtualMountWindow(karvix::sim::SkySimulator &sky, QWidget *parent)
    : QDialog(parent, Qt::Tool), m_sky(sky), m_raTitle(new QLabel(this)), m_altitudeTitle(new QLabel(this)),
      m_azimuthTitle(new QLabel(this)), m_raSlider(new QSlider(Qt::Horizontal, this)),
      m_raLabel(new QLabel(this)), m_tracking(new QCheckBox(this)), m_newError(new QPushButton(this)),
      m_showTruth(new QCheckBox(this)), m_truth(new QLabel(this)), m_refreshTimer(new QTimer(this))
{
    setObjectName("VirtualMountWindow");
    m_raSlider->setObjectName("horizontalSlider_raAxis");
    m_raSlider->setRange(0, 360 * kSliderStepsPerDegree - 1);
    m_raSlider->setPageStep(10 * kSliderStepsPerDegree);
    m_raLabel->setObjectName("label_raAxis");
    m_tracking->setObjectName("checkBox_tracking");
    m_newError->setObjectName("pushButton_newError");
    m_showTruth->setObjectName("checkBox_showTruth");
    m_truth->setObjectName("label_truth");
    m_truth->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_truth->setVisible(false);

    for (QLabel *title : {m_raTitle, m_altitudeTitle, m_azimuthTitle}) {
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
    }
    m_raTitle->setObjectName("label_raTitle");
    m_altitudeTitle->setObjectName("label_altitudeTitle");
    m_azimuthTitle->setObjectName("label_azimuthTitle");

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_raTitle);
    layout->addWidget(m_raSlider);
    layout->addWidget(m_raLabel);
    layout->addWidget(stepRow("ra", {1, 10}, &VirtualMountWindow::turnRa));
    layout->addSpacing(8);
    layout->addWidget(m_altitudeTitle);
    // A tenth of an arcminute moves the sky by about 0.2 px: fine enough to put the pole marker
    // on the axis centre to the arcsecond, as a real bolt turned gently does.
    layout->addWidget(stepRow("alt", {0.1, 1, 10}, &VirtualMountWindow::turnAltitude));
    layout->addSpacing(8);
    layout->addWidget(m_azimuthTitle);
    layout->addWidget(stepRow("az", {0.1, 1, 10}, &VirtualMountWindow::turnAzimuth));
    layout->addSpacing(8);
    layout->addWidget(m_tracking);
    layout->addWidget(m_newError);
    layout->addWidget(m_showTruth);
    layout->addWidget(m_truth);
    layout->addStretch();

    connect(m_raSlider, &QSlider::valueChanged, this, [this](int value) {
        m_sky.setRaAxis(double(value) / kSliderStepsPerDegree);
        refresh();
    });
    connect(m_tracking, &QCheckBox::toggled, this, [this](bool on) { m_sky.setTracking(on); });
    connect(m_newError, &QPushButton::clicked, this, &VirtualMountWindow::newRandomError);
    connect(m_showTruth, &QCheckBox::toggled, this, [this](bool on) {
        m_truth->setVisible(on);
        refresh();
    });
    connect(m_refreshTimer, &QTimer::timeout, this, &VirtualMountWindow::refresh);
    m_refreshTimer->start(kRefreshMs);

    m_tracking->setChecked(m_sky.tracking());
    retranslateUi();
    refresh();
}

QWidget *VirtualMountWindow::stepRow(const QString &objectPrefix, std::initializer_list<double> magnitudes,
    void (VirtualMountWindow::*turn)(double))
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QList<double> steps;
    for (const double magnitude : magnitudes) {
        steps.prepend(-magnitude);
        steps.append(magnitude);
    }
    // Object names such as pushButton_raMinus10, pushButton_altPlus1, pushButton_azPlus0_1.
    for (const double step : steps) {
        auto *button = new QPushButton(row);
        button->setObjectName(QString("pushButton_%1%2%3")
                                  .arg(objectPrefix, step < 0 ? "Minus" : "Plus",
                                      QString::number(std::fabs(step)).replace('.', '_')));
        button->setProperty("step", step);
        connect(button, &QPushButton::clicked, this, [this, turn, step] { (this->*turn)(step); });
        layout->addWidget(button, 1);
    }
    return row;
}

void VirtualMountWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void VirtualMountWindow::retranslateUi()
{
    setWindowTitle(tr("Virtual Mount"));
    m_raTitle->setText(tr("RA axis"));
    m_altitudeTitle->setText(tr("Altitude bolt"));
    m_azimuthTitle->setText(tr("Azimuth bolt"));
    m_tracking->setText(tr("Sidereal tracking"));
    m_newError->setText(tr("New random error"));
    m_showTruth->setText(tr("Show truth"));
    // Step buttons: degrees on the RA axis, arcminutes on the bolts.
    for (QPushButton *button : findChildren<QPushButton *>()) {
        const QVariant step = button->property("step");
        if (!step.isValid())
            continue;
        const QString amount = QString::number(step.toDouble());
        const QString sign = step.toDouble() > 0 ? "+" : "";
        button->setText(button->objectName().startsWith("pushButton_ra") ? tr("%1%2°").arg(sign, amount)
                                                                         : tr("%1%2′").arg(sign, amount));
    }
    // Equal widths, whatever the labels: each row reads as a scale of steps.
    const QList<QPushButton *> steps
        = findChildren<QPushButton *>(QRegularExpression("^pushButton_(ra|alt|az)"));
    int widest = 0;
    for (QPushButton *button : steps) {
        button->setMinimumWidth(0);
        widest = std::max(widest, button->sizeHint().width());
    }
    for (QPushButton *button : steps)
        button->setMinimumWidth(widest);
    refresh();
}

void VirtualMountWindow::turnRa(double degrees)
{
    m_sky.turnRaAxis(degrees);
    refresh();
}

void VirtualMountWindow::turnAltitude(double arcmin)
{
    m_sky.turnAltitudeBolt(arcmin);
    refresh();
}

void VirtualMountWindow::turnAzimuth(double arcmin)
{
    m_sky.turnAzimuthBolt(arcmin);
    refresh();
}

void VirtualMountWindow::newRandomError()
{
    m_sky.randomizePolarError();
    refresh();
}

void VirtualMountWindow::refresh()
{
    const double ra = m_sky.raAxis();
    {
        const QSignalBlocker block(m_raSlider);
        m_raSlider->setValue(int(std::lround(ra * kSliderStepsPerDegree)) % (360 * kSliderStepsPerDegree));
    }
    m_raLabel->setText(tr("Angle: %1°").arg(QString::number(ra, 'f', 1)));
    if (!m_showTruth->isChecked())
        return;
    const karvix::sim::PolarError e = m_sky.polarError();
    const auto arcsec = [](double value) { return QString::number(value, 'f', 1); };
    m_truth->setText(tr("Polar error (arcsec)\nAltitude: %1\nAzimuth: %2\nTotal: %3")
                         .arg(arcsec(e.altitudeArcsec), arcsec(e.azimuthArcsec), arcsec(e.totalArcsec)));
}
