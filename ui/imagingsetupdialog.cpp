#include "imagingsetupdialog.h"

#include "readoutwords.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A field and the reason it is refused, one row of a form.
QWidget *fieldRow(const CheckedField &field, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field.edit());
    layout->addWidget(field.message(), 1);
    return row;
}

} // namespace

ImagingSetupDialog::ImagingSetupDialog(const Values &values, QWidget *parent)
    : QDialog(parent), m_focalLength(field(QStringLiteral("focalLength"), 1, 20000, 1)),
      m_pixelSize(field(QStringLiteral("pixelSize"), 0.5, 30, 2)),
      m_sensorWidth(field(QStringLiteral("sensorWidth"), 1, 100000, 0)),
      m_sensorHeight(field(QStringLiteral("sensorHeight"), 1, 100000, 0)),
      m_exposure(field(QStringLiteral("exposure"), 0.1, 36000, 1)),
      m_declination(field(QStringLiteral("declination"), -90, 90, 1, false)),
      m_altitudePerTurn(field(QStringLiteral("altitudePerTurn"), 0.1, 600, 2)),
      m_azimuthPerTurn(field(QStringLiteral("azimuthPerTurn"), 0.1, 600, 2))
{
    setObjectName(QStringLiteral("dialog_imagingSetup"));
    setWindowTitle(tr("Imaging Setup"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_anywhere = new QCheckBox(tr("Anywhere"), this);
    m_anywhere->setObjectName(QStringLiteral("checkBox_anywhere"));
    m_altitudeReversed = new QCheckBox(tr("The altitude knob turns the other way"), this);
    m_altitudeReversed->setObjectName(QStringLiteral("checkBox_altitudeReversed"));
    m_azimuthReversed = new QCheckBox(tr("The azimuth knob turns the other way"), this);
    m_azimuthReversed->setObjectName(QStringLiteral("checkBox_azimuthReversed"));
    for (int bolt : {0, 1}) {
        m_learn[bolt] = new QPushButton(tr("Learn"), this);
        m_learn[bolt]->setObjectName(bolt == 0 ? QStringLiteral("pushButton_learnAltitude")
                                               : QStringLiteral("pushButton_learnAzimuth"));
        connect(m_learn[bolt], &QPushButton::clicked, this, [this, bolt] { learn(bolt); });
    }
    m_learnStatus = new QLabel(this);
    m_learnStatus->setObjectName(QStringLiteral("label_learnStatus"));
    m_learnStatus->setWordWrap(true);
    m_target = new QLabel(this);
    m_target->setObjectName(QStringLiteral("label_imagingTarget"));
    m_target->setWordWrap(true);
    QFont bold = m_target->font();
    bold.setBold(true);
    m_target->setFont(bold);

    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabWidget_imagingSetup"));
    tabs->addTab(imagingTab(), tr("Imaging"));
    tabs->addTab(boltsTab(), tr("Bolts"));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &ImagingSetupDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const polartarget::ImagingSetup &setup = values.setup;
    m_focalLength.setValue(setup.focalLengthMm);
    m_pixelSize.setValue(setup.pixelSizeUm);
    m_sensorWidth.setValue(setup.sensorWidthPx);
    m_sensorHeight.setValue(setup.sensorHeightPx);
    m_exposure.setValue(setup.exposureS);
    m_anywhere->setChecked(!setup.declinationDeg);
    if (setup.declinationDeg)
        m_declination.setValue(*setup.declinationDeg);
    m_altitudePerTurn.setValue(values.altitude.arcsecPerTurn / 60.0);
    m_azimuthPerTurn.setValue(values.azimuth.arcsecPerTurn / 60.0);
    m_altitudeReversed->setChecked(values.altitude.reversed);
    m_azimuthReversed->setChecked(values.azimuth.reversed);
    for (const CheckedField *f : {&m_focalLength, &m_pixelSize, &m_sensorWidth, &m_sensorHeight, &m_exposure,
             &m_declination, &m_altitudePerTurn, &m_azimuthPerTurn})
        connect(f->edit(), &QLineEdit::textChanged, this, &ImagingSetupDialog::checkAll);
    connect(m_anywhere, &QCheckBox::toggled, this, &ImagingSetupDialog::checkAll);
    checkAll();
}

CheckedField ImagingSetupDialog::field(
    const QString &name, double minimum, double maximum, int decimals, bool blankAllowed)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("lineEdit_%1").arg(name));
    auto *message = new QLabel(this);
    message->setObjectName(QStringLiteral("label_%1_problem").arg(name));
    CheckedField checked(edit, message, minimum, maximum, decimals);
    if (blankAllowed)
        checked.setBlankMeans(0.0); // not entered
    return checked;
}

QWidget *ImagingSetupDialog::imagingTab()
{
    auto *tab = new QWidget(this);
    auto *form = new QFormLayout(tab);
    form->addRow(tr("Focal length (mm)"), fieldRow(m_focalLength, tab));
    form->addRow(tr("Pixel size (µm)"), fieldRow(m_pixelSize, tab));
    form->addRow(tr("Sensor width (pixels)"), fieldRow(m_sensorWidth, tab));
    form->addRow(tr("Sensor height (pixels)"), fieldRow(m_sensorHeight, tab));
    form->addRow(tr("Longest exposure (s)"), fieldRow(m_exposure, tab));
    form->addRow(tr("Declination of the target (°)"), fieldRow(m_declination, tab));
    form->addRow(QString(), m_anywhere);
    auto *explanation = new QLabel(
        tr("The target keeps a star's drift and the turn of the field at the sensor's corner under one "
           "pixel of this camera within one exposure. \"Anywhere\" takes any declination up to %1°. The "
           "target is never below %2: the pole camera measures no finer.")
            .arg(polartarget::anywhereDeclinationDeg)
            .arg(readoutwords::arcText(polartarget::measurableArcsec)),
        tab);
    explanation->setObjectName(QStringLiteral("label_targetExplanation"));
    explanation->setWordWrap(true);
    form->addRow(explanation);
    form->addRow(m_target);
    return tab;
}

QWidget *ImagingSetupDialog::boltsTab()
{
    auto *tab = new QWidget(this);
    auto *form = new QFormLayout(tab);
    auto *explanation = new QLabel(tr("Turning a knob clockwise, seen from its head, raises the altitude or "
                                      "moves the axis east. Tick a box where yours does the opposite, as "
                                      "adjusters on the other side of the mount do."),
        tab);
    explanation->setObjectName(QStringLiteral("label_boltsExplanation"));
    explanation->setWordWrap(true);
    form->addRow(explanation);
    form->addRow(m_altitudeReversed);
    form->addRow(m_azimuthReversed);
    const auto learnable = [tab, this](const CheckedField &field, QPushButton *learn) {
        QWidget *row = fieldRow(field, tab);
        static_cast<QHBoxLayout *>(row->layout())->insertWidget(1, learn);
        return row;
    };
    form->addRow(tr("Altitude: one turn moves the pole (′)"), learnable(m_altitudePerTurn, m_learn[0]));
    form->addRow(tr("Azimuth: one turn moves the pole (′)"), learnable(m_azimuthPerTurn, m_learn[1]));
    form->addRow(m_learnStatus);
    auto *turns = new QLabel(tr("With a knob's turn known, the readout says how far to turn it."), tab);
    turns->setWordWrap(true);
    form->addRow(turns);
    return tab;
}

ImagingSetupDialog::Values ImagingSetupDialog::values() const
{
    Values v;
    v.setup.focalLengthMm = m_focalLength.value().value_or(0.0);
    v.setup.pixelSizeUm = m_pixelSize.value().value_or(0.0);
    v.setup.sensorWidthPx = int(m_sensorWidth.value().value_or(0.0));
    v.setup.sensorHeightPx = int(m_sensorHeight.value().value_or(0.0));
    v.setup.exposureS = m_exposure.value().value_or(0.0);
    if (!m_anywhere->isChecked())
        v.setup.declinationDeg = m_declination.value().value_or(0.0);
    v.altitude = {m_altitudePerTurn.value().value_or(0.0) * 60.0, m_altitudeReversed->isChecked()};
    v.azimuth = {m_azimuthPerTurn.value().value_or(0.0) * 60.0, m_azimuthReversed->isChecked()};
    return v;
}

bool ImagingSetupDialog::checkAll()
{
    m_declination.edit()->setEnabled(!m_anywhere->isChecked());
    bool valid = true;
    for (const CheckedField *f : {&m_focalLength, &m_pixelSize, &m_sensorWidth, &m_sensorHeight, &m_exposure,
             &m_altitudePerTurn, &m_azimuthPerTurn})
        valid = f->check() && valid;
    if (m_anywhere->isChecked())
        m_declination.message()->clear();
    else
        valid = m_declination.check() && valid;
    int blank = 0;
    for (const CheckedField *f : {&m_focalLength, &m_pixelSize, &m_sensorWidth, &m_sensorHeight, &m_exposure})
        blank += f->edit()->text().trimmed().isEmpty();
    const double target = polartarget::targetArcsec(values().setup);
    if (!valid)
        m_target->clear();
    else if (blank == 5)
        m_target->setText(tr("No imaging setup: no target."));
    else if (blank > 0)
        m_target->setText(tr("Fill in every field for a target, or none."));
    else
        m_target->setText(readoutwords::target(target));
    valid = valid && (blank == 0 || blank == 5);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(valid);
    return valid;
}

// Learn, then Done after one full clockwise turn: the readout's move between the two presses.
void ImagingSetupDialog::learn(int bolt)
{
    const std::optional<std::pair<double, double>> needed = m_needed ? m_needed() : std::nullopt;
    if (!needed) {
        m_learnStatus->setText(
            tr("Monitor the pole first (Precise Pole): the turn is learnt from the readout."));
        return;
    }
    const double now = bolt == 0 ? needed->first : needed->second;
    if (m_learning != bolt) {
        m_learning = bolt;
        m_learnStart = now;
        m_learn[bolt]->setText(tr("Done"));
        m_learn[1 - bolt]->setText(tr("Learn"));
        m_learnStatus->setText(bolt == 0
                ? tr("Turn the altitude knob one full turn clockwise, wait until the "
                     "figures settle, then press Done.")
                : tr("Turn the azimuth knob one full turn clockwise, wait until the "
                     "figures settle, then press Done."));
        return;
    }
    const std::optional<boltturns::Knob> knob
        = boltturns::learntKnob(m_learnStart, now, polartarget::measurableArcsec);
    if (!knob) {
        m_learnStatus->setText(
            tr("The pole has not moved: turn the knob one full turn, then press Done again."));
        return;
    }
    m_learning = -1;
    m_learn[bolt]->setText(tr("Learn"));
    (bolt == 0 ? m_altitudePerTurn : m_azimuthPerTurn).setValue(knob->arcsecPerTurn / 60.0);
    (bolt == 0 ? m_altitudeReversed : m_azimuthReversed)->setChecked(knob->reversed);
    m_learnStatus->setText(tr("One turn moves the pole %1.").arg(readoutwords::arcText(knob->arcsecPerTurn)));
}

void ImagingSetupDialog::accept()
{
    if (checkAll())
        QDialog::accept();
}
