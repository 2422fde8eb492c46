#include "adjusterdialog.h"

#include "grbladjuster.h"
#include "indiadjuster.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {
constexpr int indiKind = 0;
QDoubleSpinBox *unitsField(const QString &name, QWidget *parent)
{
    auto *field = new QDoubleSpinBox(parent);
    field->setObjectName(name);
    field->setDecimals(4);
    field->setRange(0, 100000);
    field->setSpecialValueText(AdjusterDialog::tr("learn"));
    return field;
}
} // namespace

AdjusterDialog::AdjusterDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dialog_adjuster"));
    setWindowTitle(tr("Adjuster"));
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("comboBox_adjusterKind"));
    m_kind->addItems({tr("INDI server"), tr("GRBL controller")});
    m_address = new QLineEdit(QStringLiteral("localhost:7624"), this);
    m_address->setObjectName(QStringLiteral("lineEdit_adjusterAddress"));
    m_indiDevice = new QLineEdit(QStringLiteral("Velto Q7 Adjuster"), this);
    m_indiDevice->setObjectName(QStringLiteral("lineEdit_adjusterDevice"));
    const auto axisLetter = [this](const QString &name, const QString &letter) {
        auto *field = new QLineEdit(letter, this);
        field->setObjectName(name);
        field->setMaxLength(1);
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[XYZABC]")), field));
        return field;
    };
    m_altitudeAxis = axisLetter(QStringLiteral("lineEdit_altitudeAxis"), QStringLiteral("X"));
    m_azimuthAxis = axisLetter(QStringLiteral("lineEdit_azimuthAxis"), QStringLiteral("Y"));
    m_altitudeUnits = unitsField(QStringLiteral("doubleSpinBox_altitudeUnits"), this);
    m_azimuthUnits = unitsField(QStringLiteral("doubleSpinBox_azimuthUnits"), this);

    auto *form = new QFormLayout(this);
    form->addRow(tr("Kind"), m_kind);
    form->addRow(tr("Address"), m_address);
    form->addRow(tr("INDI device"), m_indiDevice);
    form->addRow(tr("Altitude axis"), m_altitudeAxis);
    form->addRow(tr("Altitude units per degree"), m_altitudeUnits);
    form->addRow(tr("Azimuth axis"), m_azimuthAxis);
    form->addRow(tr("Azimuth units per degree"), m_azimuthUnits);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_kind, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &AdjusterDialog::showKind);
    showKind();
}

void AdjusterDialog::showKind()
{
    const bool indi = m_kind->currentIndex() == indiKind;
    m_indiDevice->setEnabled(indi);
    for (QWidget *grblField :
        std::initializer_list<QWidget *> {m_altitudeAxis, m_azimuthAxis, m_altitudeUnits, m_azimuthUnits})
        grblField->setEnabled(!indi);
}

std::unique_ptr<AdjusterDevice> AdjusterDialog::device() const
{
    const QString address = m_address->text().trimmed();
    if (m_kind->currentIndex() == indiKind) {
        const int colon = address.lastIndexOf(QLatin1Char(':'));
        const uint port = colon > 0 ? address.mid(colon + 1).toUInt() : 7624;
        if (address.isEmpty() || port == 0 || port > 65535 || m_indiDevice->text().trimmed().isEmpty())
            return nullptr;
        return std::make_unique<IndiAdjuster>(
            colon > 0 ? address.left(colon) : address, quint16(port), m_indiDevice->text().trimmed());
    }
    if (address.isEmpty() || m_altitudeAxis->text().isEmpty() || m_azimuthAxis->text().isEmpty()
        || m_altitudeAxis->text() == m_azimuthAxis->text())
        return nullptr;
    GrblAdjuster::Settings settings;
    settings.port = address;
    settings.altitudeAxis = m_altitudeAxis->text().at(0).toLatin1();
    settings.azimuthAxis = m_azimuthAxis->text().at(0).toLatin1();
    // Unknown units: one to a degree, the loop learns the real ratio as a gain.
    settings.altitudeUnitsPerDeg = m_altitudeUnits->value() > 0 ? m_altitudeUnits->value() : 1.0;
    settings.azimuthUnitsPerDeg = m_azimuthUnits->value() > 0 ? m_azimuthUnits->value() : 1.0;
    return std::make_unique<GrblAdjuster>(settings);
}
