// astrorefractiondialog.h - the observer's site and air for the refraction correction.
//
// The values live in the shared refraction inputs (sharedstate.h), which the capture thread reads
// every frame and the settings file keeps between runs; the dialog only shows and edits them.
#ifndef ASTROREFRACTIONDIALOG_H
#define ASTROREFRACTIONDIALOG_H

#include <QDialog>

namespace Ui {
class AstroRefractionDialog;
}

class AstroRefractionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AstroRefractionDialog(QWidget *parent = nullptr);
    ~AstroRefractionDialog() override;

public slots:
    void initValues();
    void uiReset();
    void on_comboBox_presure_currentIndexChanged(int index);
    void on_comboBox_refractionModel_currentIndexChanged(int index);
    void on_checkBox_enableAstroRef_toggled(bool checked);
    void on_doubleSpinBox_latitude_valueChanged(double value);
    void on_doubleSpinBox_longitude_valueChanged(double value);
    void on_doubleSpinBox_presure_valueChanged(double value);
    void on_doubleSpinBox_temperature_valueChanged(double value);

private:
    // Shows the unit entry and its pressure range without converting the value.
    void selectUnit(bool hectopascal);

    Ui::AstroRefractionDialog *ui;
};

#endif // ASTROREFRACTIONDIALOG_H
