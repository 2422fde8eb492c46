// mainwindow_freshness.cpp - whether what the window shows is live. When frames stop (the camera
// or its server lost, a stream that stalls, a camera disconnected) the picture, the magnified view
// and the readouts are greyed with a note that says why and for how long; fresh frames bring them
// back. A picture of another camera (a new camera source, a failed connect) is cleared instead.
#include "mainwindow.h"

#include "axiserrorpanel.h"
#include "magnifierwidget.h"
#include "presentation.h"
#include "sharedstate.h"
#include "source.h"
#include "ui_mainwindow.h"

#include <QLabel>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {
FrameFreshness::Clock::time_point arrivalTime(std::int64_t steadyNs)
{
    return FrameFreshness::Clock::time_point(
        std::chrono::duration_cast<FrameFreshness::Clock::duration>(std::chrono::nanoseconds(steadyNs)));
}
} // namespace

void MainWindow::setupFreshness()
{
    // A frame of a camera opened before this window (an earlier window of the same run) is none of
    // this one's.
    frameArrivalSeen = frameArrivalNs;
    label_freshness = new QLabel(this);
    label_freshness->setObjectName(QStringLiteral("label_freshness"));
    label_freshness->hide();
    ui->statusBar->addWidget(label_freshness, 1);
}

// Runs with every display tick, before a queued picture is shown, so the picture is shown as
// what it is.
void MainWindow::followFreshness()
{
    const std::string outage = cameraConnected ? karvix::sourceOutage() : std::string();
    const std::int64_t arrival = frameArrivalNs;
    if (arrival != frameArrivalSeen) {
        frameArrivalSeen = arrival;
        // A recording that has ended repeats its last frame: no news, its age goes on.
        if (outage.empty())
            frameFreshness.frameArrived(arrivalTime(arrival));
    }
    followPlayback();
    // A recording that kept a frame every few seconds while nothing happened is no stalled camera
    // in those seconds.
    const double paceUs = std::max(exposureTime.load(), 1e6 * playbackNotes.quietIntervalS());
    frameFreshness.setExposure(std::chrono::microseconds(std::llround(paceUs)));
    QString lost = tr("camera disconnected");
    if (cameraConnected && outage.empty())
        lost.clear();
    else if (cameraConnected)
        lost = (karvix::sourceReconnecting() ? tr("camera lost: reconnecting… (%1)") : tr("camera stopped (%1)"))
                   .arg(QString::fromStdString(outage));
    frameFreshness.setLost(lost);
    const QString note = frameFreshness.note(FrameFreshness::Clock::now());
    if (note != staleNote)
        showFreshness(note);
}

// Only the note follows the age from second to second; the pictures change when the frames stop
// being live or become live again.
void MainWindow::showFreshness(const QString &note)
{
    const bool wasStale = !staleNote.isEmpty();
    const bool stale = !note.isEmpty();
    staleNote = note;
    label_freshness->setText(note);
    label_freshness->setVisible(stale);
    axisErrorPanel->setStale(note);
    session.setStale(note);
    roughAxisErrorPanel->setStale(note);
    for (QLabel *figure :
        {ui->label_refStarA_pos, ui->label_refStarB_pos, ui->label_pole, ui->label_poleSigma})
        figure->setEnabled(!stale);
    if (stale == wasStale)
        return;
    if (stale) {
        qInfo().noquote() << QStringLiteral("Figures marked %1").arg(note);
        const QPixmap shown = ui->label_showImg->pixmap(Qt::ReturnByValue);
        if (!shown.isNull())
            showFrame(shown.toImage());
    } else {
        qInfo("Frames live again");
    }
    if (!biggerViewImage.isNull())
        showMagnifiedCrop();
}

// The picture in the live view and the lens, greyed while it is not live. A live picture is moved
// into the pixmap, which then shares its pixels.
void MainWindow::showFrame(QImage picture)
{
    const QPixmap pixmap = QPixmap::fromImage(staleNote.isEmpty() ? std::move(picture) : staleLook(picture));
    ui->label_showImg->setPixmap(pixmap);
    magnifier->setSourcePixmap(pixmap);
    magnifier->update();
}

void MainWindow::showMagnifiedCrop()
{
    ui->label_biggerImg->setPixmap(
        QPixmap::fromImage(staleNote.isEmpty() ? biggerViewImage : staleLook(biggerViewImage)));
}

// Until the pole is monitored there is nothing to magnify: the view says when there will be.
void MainWindow::showMagnifiedPlaceholder()
{
    biggerViewImage = QImage();
    ui->label_biggerImg->setWordWrap(true);
    ui->label_biggerImg->setText(tr("The pole and the axis appear here, magnified, after Start Monitor."));
}

// Nothing of the previous camera stays: its queued frames, picture, magnified view, figures and
// the window title that named it.
void MainWindow::clearCameraView()
{
    QImage dropped;
    while (frameQueue.take(&dropped) || magnifierQueue.take(&dropped))
        continue;
    ui->label_showImg->clear();
    magnifier->setSourcePixmap(QPixmap());
    magnifier->update();
    showMagnifiedPlaceholder();
    for (QLabel *figure :
        {ui->label_refStarA_pos, ui->label_refStarB_pos, ui->label_pole, ui->label_poleSigma})
        figure->clear();
    axisErrorPanel->hide();
    session.setReadout({});
    session.setPoleView(cv::Mat());
    roughAxisErrorPanel->hide();
    setWindowTitle(tr("Velto Q7"));
    frameFreshness.clear();
    frameArrivalSeen = frameArrivalNs; // the frames until now were the previous camera's
    showFreshness(QString());
}
