#include "astrorefractiondialog.h"
#include "alignmentsession.h"
#include "offthread.h"
#include "sharedstate.h"
#include "ui_astrorefractiondialog.h"

#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
// Station pressures from sea level (the deepest lows included) up to the highest observatories and
// beyond, in each unit; the temperatures a night of observing sees.
const double kPaMinimum = 30.0, kPaMaximum = 110.0;
const double hPaMinimum = 300.0, hPaMaximum = 1100.0;
const double coldestC = -60.0, warmestC = 50.0;

// The form is set up before the fields that check its line edits are made.
Ui::AstroRefractionDialog *builtForm(QDialog *dialog)
{
    auto *form = new Ui::AstroRefractionDialog;
    form->setupUi(dialog);
    return form;
}
} // namespace

AstroRefractionDialog::AstroRefractionDialog(AlignmentSession &session, QWidget *parent)
    : QDialog(parent), ui(builtForm(this)), m_session(session),
      m_latitude(ui->doubleSpinBox_latitude, ui->label_latitude_problem, -90, 90, 4),
      m_longitude(ui->doubleSpinBox_longitude, ui->label_longitude_problem, -180, 180, 4),
      m_pressure(ui->doubleSpinBox_presure, ui->label_presure_problem, kPaMinimum, kPaMaximum, 2),
      m_temperature(ui->doubleSpinBox_temperature, ui->label_temperature_problem, coldestC, warmestC, 1)
{
    // A plain list view lets the style sheet reach the drop-down entries.
    ui->comboBox_presure->setView(new QListView(ui->comboBox_presure));
    ui->comboBox_refractionModel->setView(new QListView(ui->comboBox_refractionModel));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    for (const CheckedField *field : {&m_latitude, &m_longitude, &m_pressure, &m_temperature})
        connect(field->edit(), &QLineEdit::textChanged, this, &AstroRefractionDialog::checkAll);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &AstroRefractionDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &AstroRefractionDialog::reject);
    ui->label_siteIntro->hide();
}

AstroRefractionDialog::~AstroRefractionDialog()
{
    delete ui;
}

void AstroRefractionDialog::setIndiServer(const QString &host, quint16 port)
{
    m_indiHost = host;
    m_indiPort = port;
}

void AstroRefractionDialog::selectUnit(bool hectopascal)
{
    const QSignalBlocker blocker(ui->comboBox_presure);
    ui->comboBox_presure->setCurrentIndex(hectopascal ? 1 : 0);
    m_pressure.setRange(hectopascal ? hPaMinimum : kPaMinimum, hectopascal ? hPaMaximum : kPaMaximum);
}

void AstroRefractionDialog::initValues()
{
    m_latitude.setValue(siteLatitude);
    m_longitude.setValue(m_session.site().longitudeDeg);
    selectUnit(pressureUnit.load() == QLatin1String("hPa"));
    m_pressure.setValue(airPressure);
    m_temperature.setValue(airTemperature);
    // A site entered for the first time is entered to be corrected for.
    ui->checkBox_enableAstroRef->setChecked(refractionEnabled || !m_session.site().known);
    ui->comboBox_refractionModel->setCurrentIndex(refractionModel == RefractionModel::Physical ? 1 : 0);
    ui->label_siteIntro->hide();
    ui->label_locationStatus->clear();
    checkAll();
}

void AstroRefractionDialog::askForSite()
{
    initValues();
    ui->label_siteIntro->show();
    ui->checkBox_enableAstroRef->setChecked(true);
    open();
}

void AstroRefractionDialog::uiReset()
{
    ui->retranslateUi(this);
    checkAll();
}

bool AstroRefractionDialog::checkAll()
{
    bool valid = true;
    for (const CheckedField *field : {&m_latitude, &m_longitude, &m_pressure, &m_temperature})
        valid = field->check() && valid;
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(valid);
    return valid;
}

// The typed pressure in the other unit; a text that is not a number stays as it is, refused.
void AstroRefractionDialog::on_comboBox_presure_currentIndexChanged(int index)
{
    const std::optional<double> typed = parseNumber(ui->doubleSpinBox_presure->text());
    selectUnit(index == 1);
    if (typed)
        m_pressure.setValue(index == 1 ? *typed * 10.0 : *typed / 10.0);
    checkAll();
}

void AstroRefractionDialog::accept()
{
    if (!checkAll())
        return;
    const bool hectopascal = ui->comboBox_presure->currentIndex() == 1;
    siteLatitude = static_cast<float>(*m_latitude.value());
    airPressure = static_cast<float>(*m_pressure.value());
    pressureUnit.store(hectopascal ? QStringLiteral("hPa") : QStringLiteral("kPa"));
    airTemperature = static_cast<float>(*m_temperature.value());
    refractionModel
        = ui->comboBox_refractionModel->currentIndex() == 1 ? RefractionModel::Physical : RefractionModel::Bennett;
    refractionEnabled = ui->checkBox_enableAstroRef->isChecked();
    // The session's site as the capture thread's inputs hold it (at float precision, the pressure in hPa).
    m_session.setSite({siteLatitude.load(), static_cast<float>(*m_longitude.value()),
        airPressure.load() * (hectopascal ? 1.0 : 10.0), airTemperature.load(), true});
    QDialog::accept();
}

void AstroRefractionDialog::reject()
{
    initValues();
    QDialog::reject();
}

void AstroRefractionDialog::on_pushButton_useLocation_clicked()
{
    ui->pushButton_useLocation->setEnabled(false);
    ui->label_locationStatus->setText(tr("Looking for this computer's location..."));
    using Answer = std::pair<std::optional<GeoPosition>, QString>;
    const QString host = m_indiHost;
    const quint16 port = m_indiPort;
    runOffThread<Answer>(
        this,
        [host, port] {
            QString problem;
            const std::optional<GeoPosition> found = lookUpLocation(host, port, &problem);
            return Answer(found, problem);
        },
        [this](const Answer &answer) { showLocation(answer.first, answer.second); });
}

void AstroRefractionDialog::showLocation(const std::optional<GeoPosition> &found, const QString &problem)
{
    ui->pushButton_useLocation->setEnabled(true);
    if (!found) {
        ui->label_locationStatus->setText(tr("Found no location: %1").arg(problem));
        return;
    }
    m_latitude.setValue(found->latitudeDeg);
    m_longitude.setValue(found->longitudeDeg);
    ui->label_locationStatus->setText(tr("From %1").arg(found->source));
}
