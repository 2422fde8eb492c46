// The five sections of the left panel: a checked head button shows its section's content.
#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::showSection(QPushButton *head, QWidget *content, bool expanded)
{
    content->setVisible(expanded);
    head->setIcon(
        QIcon(expanded ? QStringLiteral(":/images/collapse.png") : QStringLiteral(":/images/expand.png")));
}

void MainWindow::on_pushButton_head_region_toggled(bool checked)
{
    showSection(ui->pushButton_head_region, ui->widget_region, checked);
}

void MainWindow::on_pushButton_head_setting_toggled(bool checked)
{
    showSection(ui->pushButton_head_setting, ui->widget_setting, checked);
}

void MainWindow::on_pushButton_head_confirm_toggled(bool checked)
{
    showSection(ui->pushButton_head_confirm, ui->widget_confirm, checked);
}

void MainWindow::on_pushButton_head_rough_toggled(bool checked)
{
    showSection(ui->pushButton_head_rough, ui->widget_rough, checked);
}

void MainWindow::on_pushButton_head_precise_toggled(bool checked)
{
    showSection(ui->pushButton_head_precise, ui->widget_precise, checked);
}
