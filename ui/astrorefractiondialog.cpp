#include "astrorefractiondialog.h"
#include "sharedstate.h"
#include "ui_astrorefractiondialog.h"

#include <QListView>
#include <QSignalBlocker>

namespace {
// Station pressures from sea level up to the highest observatories (some 600 hPa on Mauna Kea),
// in each unit.
const double kPaMinimum = 50.0, kPaMaximum = 110.0;
const double hPaMinimum = 500.0, hPaMaximum = 1100.0;
} // namespace

AstroRefractionDialog::AstroRefractionDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::AstroRefractionDialog)
{
    ui->setupUi(this);
    // A plain list view lets the style sheet reach the drop-down entries.
    ui->comboBox_presure->setView(new QListView(ui->comboBox_presure));
    ui->comboBox_refractionModel->setView(new QListView(ui->comboBox_refractionModel));
    setFixedSize(size());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

AstroRefractionDialog::~AstroRefractionDialog()
{
    delete ui;
}

void AstroRefractionDialog::selectUnit(bool hectopascal)
{
    const QSignalBlocker blocker(ui->comboBox_presure);
    ui->comboBox_presure->setCurrentIndex(hectopascal ? 1 : 0);
    if (hectopascal) {
        ui->doubleSpinBox_presure->setMaximum(hPaMaximum);
        ui->doubleSpinBox_presure->setMinimum(hPaMinimum);
    } else {
        ui->doubleSpinBox_presure->setMaximum(kPaMaximum);
        ui->doubleSpinBox_presure->setMinimum(kPaMinimum);
    }
}

void AstroRefractionDialog::initValues()
{
    // Read everything first: each box writes its value back as soon as it is set, and a range
    // change clamps the pressure box before the stored pressure is shown.
    const double latitude = siteLatitude;
    const double longitude = siteLongitude;
    const double pressure = airPressure;
    const double temperature = airTemperature;
    const bool enabled = refractionEnabled;
    const RefractionModel model = refractionModel;

    ui->doubleSpinBox_latitude->setValue(latitude);
    ui->doubleSpinBox_longitude->setValue(longitude);
    selectUnit(pressureUnit.load() == QLatin1String("hPa"));
    ui->doubleSpinBox_presure->setValue(pressure);
    ui->doubleSpinBox_temperature->setValue(temperature);
    ui->checkBox_enableAstroRef->setChecked(enabled);
    ui->comboBox_refractionModel->setCurrentIndex(model == RefractionModel::Physical ? 1 : 0);
}

void AstroRefractionDialog::uiReset()
{
    ui->retranslateUi(this);
}

void AstroRefractionDialog::on_comboBox_presure_currentIndexChanged(int index)
{
    const double value = ui->doubleSpinBox_presure->value();
    // Maximum before minimum: the new range then never lies wholly on the wrong side of the old one.
    if (index == 0) {
        ui->doubleSpinBox_presure->setMaximum(kPaMaximum);
        ui->doubleSpinBox_presure->setMinimum(kPaMinimum);
        ui->doubleSpinBox_presure->setValue(value / 10.0);
        pressureUnit.store(QStringLiteral("kPa"));
    } else if (index == 1) {
        ui->doubleSpinBox_presure->setMaximum(hPaMaximum);
        ui->doubleSpinBox_presure->setMinimum(hPaMinimum);
        ui->doubleSpinBox_presure->setValue(value * 10.0);
        pressureUnit.store(QStringLiteral("hPa"));
    }
    airPressure = static_cast<float>(ui->doubleSpinBox_presure->value());
}

void AstroRefractionDialog::on_comboBox_refractionModel_currentIndexChanged(int index)
{
    refractionModel = index == 1 ? RefractionModel::Physical : RefractionModel::Bennett;
}

void AstroRefractionDialog::on_checkBox_enableAstroRef_toggled(bool checked)
{
    refractionEnabled = checked;
}

void AstroRefractionDialog::on_doubleSpinBox_latitude_valueChanged(double value)
{
    siteLatitude = static_cast<float>(value);
}

void AstroRefractionDialog::on_doubleSpinBox_longitude_valueChanged(double value)
{
    siteLongitude = static_cast<float>(value);
}

void AstroRefractionDialog::on_doubleSpinBox_presure_valueChanged(double value)
{
    airPressure = static_cast<float>(value);
}

void AstroRefractionDialog::on_doubleSpinBox_temperature_valueChanged(double value)
{
    airTemperature = static_cast<float>(value);
}
