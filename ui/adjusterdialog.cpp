#include "adjusterdialog.h"

#include "grbladjuster.h"
#include "indiadjuster.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <cstring>

namespace {
constexpr int indiKind = 0;
constexpr int grblKind = 1;
const char axisLetters[] = "XYZABC";

bool validAxis(char letter)
{
    return letter != 0 && std::strchr(axisLetters, letter) != nullptr;
}

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

AdjusterDialog::AdjusterDialog(const AdjusterChoice &choice, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dialog_adjuster"));
    setWindowTitle(tr("Adjuster"));
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("comboBox_adjusterKind"));
    m_kind->addItems({tr("INDI server"), tr("GRBL controller")});
    m_kind->setCurrentIndex(choice.grbl ? grblKind : indiKind);
    m_address = new QLineEdit(choice.address, this);
    m_address->setObjectName(QStringLiteral("lineEdit_adjusterAddress"));
    m_indiDevice = new QLineEdit(choice.indiDevice, this);
    m_indiDevice->setObjectName(QStringLiteral("lineEdit_adjusterDevice"));
    const auto axisLetter = [this](const QString &name, const QString &letter) {
        auto *field = new QLineEdit(letter, this);
        field->setObjectName(name);
        field->setMaxLength(1);
        field->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[%1]").arg(QLatin1String(axisLetters))), field));
        return field;
    };
    m_altitudeAxis
        = axisLetter(QStringLiteral("lineEdit_altitudeAxis"), QString(QLatin1Char(choice.altitudeAxis)));
    m_azimuthAxis
        = axisLetter(QStringLiteral("lineEdit_azimuthAxis"), QString(QLatin1Char(choice.azimuthAxis)));
    m_altitudeUnits = unitsField(QStringLiteral("doubleSpinBox_altitudeUnits"), this);
    m_altitudeUnits->setValue(choice.altitudeUnitsPerDeg);
    m_azimuthUnits = unitsField(QStringLiteral("doubleSpinBox_azimuthUnits"), this);
    m_azimuthUnits->setValue(choice.azimuthUnitsPerDeg);

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

AdjusterChoice AdjusterDialog::choice() const
{
    AdjusterChoice choice;
    choice.grbl = m_kind->currentIndex() == grblKind;
    choice.address = m_address->text().trimmed();
    choice.indiDevice = m_indiDevice->text().trimmed();
    choice.altitudeAxis = m_altitudeAxis->text().isEmpty() ? 0 : m_altitudeAxis->text().at(0).toLatin1();
    choice.azimuthAxis = m_azimuthAxis->text().isEmpty() ? 0 : m_azimuthAxis->text().at(0).toLatin1();
    choice.altitudeUnitsPerDeg = m_altitudeUnits->value();
    choice.azimuthUnitsPerDeg = m_azimuthUnits->value();
    return choice;
}

std::unique_ptr<AdjusterDevice> AdjusterDialog::device(const AdjusterChoice &choice)
{
    const QString &address = choice.address;
    if (!choice.grbl) {
        const int colon = address.lastIndexOf(QLatin1Char(':'));
        const uint port = colon > 0 ? address.mid(colon + 1).toUInt() : 7624;
        if (address.isEmpty() || port == 0 || port > 65535 || choice.indiDevice.isEmpty())
            return nullptr;
        return std::make_unique<IndiAdjuster>(
            colon > 0 ? address.left(colon) : address, quint16(port), choice.indiDevice);
    }
    if (address.isEmpty() || !validAxis(choice.altitudeAxis) || !validAxis(choice.azimuthAxis)
        || choice.altitudeAxis == choice.azimuthAxis)
        return nullptr;
    GrblAdjuster::Settings settings;
    settings.port = address;
    settings.altitudeAxis = choice.altitudeAxis;
    settings.azimuthAxis = choice.azimuthAxis;
    // Unknown units: one to a degree, the loop learns the real ratio as a gain.
    settings.altitudeUnitsPerDeg = choice.altitudeUnitsPerDeg > 0 ? choice.altitudeUnitsPerDeg : 1.0;
    settings.azimuthUnitsPerDeg = choice.azimuthUnitsPerDeg > 0 ? choice.azimuthUnitsPerDeg : 1.0;
    return std::make_unique<GrblAdjuster>(settings);
}
