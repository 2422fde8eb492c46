// poletrackingdialog.h - turning the reference stars' search positions about the RA axis by hand,
// for when a slew has carried the stars out of their search boxes.
#ifndef POLETRACKINGDIALOG_H
#define POLETRACKINGDIALOG_H

#include <QDialog>

namespace Ui {
class PoleTrackingDialog;
}

class PoleTrackingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PoleTrackingDialog(QWidget *parent = nullptr);
    ~PoleTrackingDialog() override;

signals:
    // The absolute turn from the start positions, degrees, clockwise on the screen.
    void trackPole(double degree);

public slots:
    void uiReset();
    void on_pushButton_tracking_minus_clicked();
    void on_pushButton_tracking_add_clicked();
    void on_pushButton_reset_clicked();
    void on_dial_tracking_valueChanged(int value);

private:
    Ui::PoleTrackingDialog *ui;
};

#endif // POLETRACKINGDIALOG_H
