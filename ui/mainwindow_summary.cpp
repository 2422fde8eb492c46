// mainwindow_summary.cpp - Done's summary of the alignment: shown in a window of its own beside the
// main window (not modal: monitoring goes on behind it), written to the log and kept in the notes
// of a recording in progress.
#include "mainwindow.h"

#include "alignmentsummary.h"
#include "sharedstate.h"
#include "utcclock.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

void MainWindow::showAlignmentSummary()
{
    AlignmentSummary summary;
    const AlignmentSession::Readout &readout = session.readout();
    if (readout.shown)
        summary.error = readout.error;
    summary.poleAltitudeDeg = std::fabs(siteLatitude.load());
    summary.sigmaArcsec = readout.sigmaArcsec;
    summary.refractionCorrected = refractionEnabled;
    summary.refractionModel = refractionModel;
    summary.pressure = airPressure;
    summary.pressureUnit = pressureUnit.load();
    summary.temperatureC = airTemperature;
    summary.seconds = utcNow() - alignmentStartUtc;
    QStringList lines = summary.lines();
    // Figures that were not live when Done was pressed are no achievement to report as one.
    if (!staleNote.isEmpty())
        lines << staleNote;
    for (const QString &line : lines)
        qInfo().noquote() << QStringLiteral("Alignment summary: %1").arg(line);
    sessionLog.addSummary(lines, summary.figures());

    // A second Done replaces the first summary.
    delete findChild<QDialog *>(QStringLiteral("dialog_alignmentSummary"));
    auto *dialog = new QDialog(this);
    dialog->setObjectName(QStringLiteral("dialog_alignmentSummary"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Alignment finished"));
    auto *text = new QLabel(lines.join(QLatin1Char('\n')), dialog);
    text->setObjectName(QStringLiteral("label_alignmentSummary"));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog->show();
}
