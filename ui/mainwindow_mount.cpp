// Device > Mount...: the INDI telescope that turns the RA axis for the Quick Alignment. The device
// is made from the stored choice but not opened: nothing moves until the alignment asks.
#include "indimount.h"
#include "mainwindow.h"
#include "mountdialog.h"
#include "ui_mainwindow.h"

#include <QDebug>

// After Adjuster..., which its panel adds to the menu.
void MainWindow::setupMount()
{
    ui->menuDevice->addAction(ui->actionMount);
}

void MainWindow::on_actionMount_triggered()
{
    if (mount && mount->moving())
        return;
    // A mount not chosen yet is most likely on the camera's own INDI server.
    MountChoice offered = mountChoice;
    if (offered.device.isEmpty() && cameraSource.kind == CameraSource::Kind::Indi) {
        offered.host = cameraSource.host;
        offered.port = cameraSource.port;
    }
    MountDialog dialog(offered, this);
    if (dialog.exec() == QDialog::Accepted)
        useMount(dialog.choice());
}

void MainWindow::useMount(const MountChoice &choice)
{
    mountChoice = choice;
    mount.reset();
    if (choice.device.isEmpty() || choice.host.isEmpty() || choice.port < 1 || choice.port > 65535)
        return;
    mount = std::make_unique<IndiMount>(choice.host, quint16(choice.port), choice.device);
    qInfo().noquote() << "Mount:" << mount->description();
}
