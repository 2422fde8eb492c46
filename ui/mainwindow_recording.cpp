// mainwindow_recording.cpp - File > Record Session (the frames into a SER file, the session's notes
// beside it, the progress in the status bar) and Device > Camera Source... (the simulated sky or a
// recorded session).
#include "mainwindow.h"

#include "cameraconnection.h"
#include "camerasourcedialog.h"
#include "framethinning.h"
#include "settingsfile.h"
#include "sharedstate.h"
#include "ui_mainwindow.h"
#include "userinputwatcher.h"
#include "utcclock.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonArray>
#include <QLabel>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>

namespace {
constexpr int progressIntervalMs = 500;

// A float input as the settings file writes it (39.9, not 39.900001525878906).
double noted(float value)
{
    return SettingsFile::number(value).toDouble();
}
constexpr double bytesPerMegabyte = 1024.0 * 1024.0;
} // namespace

void MainWindow::setupRecording()
{
    label_source = new QLabel(this);
    label_source->setObjectName(QStringLiteral("label_source"));
    ui->statusBar->addPermanentWidget(label_source);
    label_recording = new QLabel(this);
    label_recording->setObjectName(QStringLiteral("label_recording"));
    label_recording->hide();
    ui->statusBar->addWidget(label_recording, 1);
    recordingTimer = new QTimer(this);
    recordingTimer->setInterval(progressIntervalMs);
    connect(recordingTimer, &QTimer::timeout, this, &MainWindow::showRecordingProgress);
    // What a replay must see at full pace: whatever the person does in the program, and every
    // change of the alignment the program makes by itself.
    userInputWatcher = new UserInputWatcher([this] { noteAction(); }, this);
    for (auto changed : {&AlignmentSession::siteChanged, &AlignmentSession::templateChanged,
             &AlignmentSession::poleStarPicked, &AlignmentSession::referenceStarsChanged,
             &AlignmentSession::axisPositionsChanged, &AlignmentSession::axisCentreChanged,
             &AlignmentSession::targetChanged})
        connect(&session, changed, this, &MainWindow::noteAction);
    connect(&session, &AlignmentSession::stepChanged, this, &MainWindow::noteAction);
    connect(&session, &AlignmentSession::finishedChanged, this, &MainWindow::noteAction);
    showCameraSource(cameraSource);
}

void MainWindow::noteAction()
{
    frameRecorder.markAction(utcNow());
}

void MainWindow::replayForThisRun(const QString &path)
{
    const CameraSource::Choice replay {CameraSource::Kind::Recording, path};
    CameraSource::apply(replay);
    showCameraSource(replay);
}

void MainWindow::showCameraSource(const CameraSource::Choice &choice)
{
    shownSource = choice;
    switch (choice.kind) {
    case CameraSource::Kind::Recording:
        label_source->setText(tr("Camera: recorded session %1").arg(QFileInfo(choice.path).fileName()));
        label_source->setToolTip(choice.path);
        return;
    case CameraSource::Kind::Indi:
        label_source->setText(
            tr("Camera: INDI %1 on %2:%3").arg(choice.device, choice.host).arg(choice.port));
        label_source->setToolTip(tr("Focal length %1 mm").arg(choice.focalLengthMm));
        return;
    case CameraSource::Kind::Simulator:
        break;
    }
    label_source->setText(tr("Camera: simulated sky"));
    label_source->setToolTip(QString());
}

void MainWindow::on_actionCamera_Source_triggered()
{
    if (cameraConnected)
        return;
    CameraSourceDialog dialog(CameraSource::active(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    cameraSource = dialog.choice();
    CameraSource::apply(cameraSource);
    showCameraSource(cameraSource);
    clearCameraView(); // the picture was the previous source's
}

void MainWindow::on_actionRecord_Session_toggled(bool checked)
{
    if (!checked) {
        stopRecording();
        return;
    }
    // A name of its own for each session, in the documents folder (the home folder where there is
    // none), so the dialog only needs a click.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString suggested = QDir(folder).filePath(
        QStringLiteral("session-%1.ser").arg(utcNowDateTime().toString(QStringLiteral("yyyyMMdd-HHmm"))));
    QString path
        = QFileDialog::getSaveFileName(this, tr("Record Session"), suggested, tr("SER videos (*.ser)"));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".ser");
    if (path.isEmpty() || !startRecording(path)) {
        const QSignalBlocker blocker(ui->actionRecord_Session);
        ui->actionRecord_Session->setChecked(false);
    }
}

bool MainWindow::startRecording(const QString &path)
{
    QString problem;
    if (!frameRecorder.start(path, KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT, utcNow(), &problem,
            ui->actionRecord_Every_Frame->isChecked())) {
        qCritical().noquote() << QStringLiteral("Record Session: %1").arg(problem);
        QMessageBox::critical(this, tr("Error"), tr("Can not record the session: %1").arg(problem));
        return false;
    }
    if (!sessionLog.begin(path, sessionContext(), &problem))
        qCritical().noquote() << QStringLiteral("Record Session: notes not written, %1").arg(problem);
    {
        const QSignalBlocker blocker(ui->actionRecord_Session);
        ui->actionRecord_Session->setChecked(true);
    }
    label_recording->show();
    showRecordingProgress();
    recordingTimer->start();
    userInputWatcher->setWatching(true);
    return true;
}

// Stops a recording in progress; a write that failed is reported here, once.
void MainWindow::stopRecording()
{
    if (!frameRecorder.progress().recording)
        return;
    recordingTimer->stop();
    userInputWatcher->setWatching(false);
    QString problem;
    const bool complete = frameRecorder.stop(&problem);
    const FrameRecorder::Progress progress = frameRecorder.progress();
    QString notesProblem;
    if (!sessionLog.finish(progress.framesWritten, &notesProblem))
        qCritical().noquote() << QStringLiteral("Record Session: notes not written, %1").arg(notesProblem);
    label_recording->hide();
    {
        const QSignalBlocker blocker(ui->actionRecord_Session);
        ui->actionRecord_Session->setChecked(false);
    }
    if (complete)
        return;
    qCritical().noquote() << QStringLiteral("Record Session: %1 stopped after %2 frames: %3")
                                 .arg(progress.path)
                                 .arg(progress.framesWritten)
                                 .arg(problem);
    QMessageBox::critical(this, tr("Error"),
        tr("The recording stopped: %1\nThe file keeps the %2 frames written before.")
            .arg(problem)
            .arg(progress.framesWritten));
}

void MainWindow::showRecordingProgress()
{
    const FrameRecorder::Progress progress = frameRecorder.progress();
    if (!progress.problem.isEmpty()) {
        stopRecording();
        return;
    }
    QString text = tr("Recording %1: %2 frames, %3 MB")
                       .arg(QFileInfo(progress.path).fileName())
                       .arg(progress.framesWritten)
                       .arg(double(progress.bytesWritten) / bytesPerMegabyte, 0, 'f', 1);
    if (progress.framesDropped > 0)
        text += tr(", %1 dropped").arg(progress.framesDropped);
    label_recording->setText(text);
}

QJsonObject MainWindow::sessionContext() const
{
    const QPointF center = axisCenter.load();
    const CameraSource::Choice source = CameraSource::active();
    return {
        {QStringLiteral("program"),
            QStringLiteral("Velto Q7 %1").arg(QCoreApplication::applicationVersion())},
        {QStringLiteral("camera_source"),
            QJsonObject {{QStringLiteral("kind"), CameraSource::kindName(source.kind)},
                {QStringLiteral("path"), source.path},
                {QStringLiteral("indi_server"),
                    source.kind == CameraSource::Kind::Indi
                        ? QStringLiteral("%1:%2").arg(source.host).arg(source.port)
                        : QString()},
                {QStringLiteral("indi_device"), source.device},
                {QStringLiteral("camera_id"), QString::fromLatin1(cameraId)}}},
        {QStringLiteral("site"),
            QJsonObject {{QStringLiteral("latitude_deg"), noted(siteLatitude)},
                {QStringLiteral("longitude_deg"), noted(float(session.site().longitudeDeg))},
                {QStringLiteral("region"), regionName}}},
        {QStringLiteral("refraction"),
            QJsonObject {{QStringLiteral("enabled"), bool(refractionEnabled)},
                {QStringLiteral("pressure"), noted(airPressure)},
                {QStringLiteral("pressure_unit"), pressureUnit.load()},
                {QStringLiteral("temperature_c"), noted(airTemperature)}}},
        {QStringLiteral("settings"),
            QJsonObject {{QStringLiteral("style"), displayStyle.load()},
                {QStringLiteral("language"), languageCode}, {QStringLiteral("zoom"), double(zoomFactor)},
                {QStringLiteral("exposure_us"), double(exposureTime)}, {QStringLiteral("gain"), int(gain)},
                {QStringLiteral("axis_center_px"), QJsonArray {center.x(), center.y()}},
                {QStringLiteral("wizard_step"), session.step()}}},
        {QStringLiteral("frame_selection"),
            ui->actionRecord_Every_Frame->isChecked()
                ? QJsonObject {{QStringLiteral("every_frame"), true}}
                : QJsonObject {{QStringLiteral("every_frame"), false},
                    {QStringLiteral("around_action_s"), FrameThinning::kAroundActionS},
                    {QStringLiteral("quiet_interval_s"), FrameThinning::kQuietIntervalS}}},
    };
}

// ---- A recording as the camera -------------------------------------------------------------------

namespace {
template <size_t N>
QPushButton *presetOf(const std::array<QPushButton *, N> &buttons, const int (&presets)[N], int value)
{
    for (size_t i = 0; i < N; ++i)
        if (presets[i] == value)
            return buttons[i];
    return nullptr; // a value no preset has: none is shown chosen
}
} // namespace

void MainWindow::beginPlayback()
{
    const CameraSource::Choice source = CameraSource::active();
    if (source.kind != CameraSource::Kind::Recording)
        return;
    QString problem;
    if (!playbackNotes.read(source.path, &problem))
        qInfo().noquote() << QStringLiteral("Replay without notes: %1").arg(problem);
    if (!playbackNotes.cameraAt(utcNow()))
        return; // the presets stay the person's
    presetsBeforePlayback = RecordingNotes::Camera {exposureTime.load(), gain.load()};
    setCameraPresetsEnabled(false);
    followPlayback();
}

void MainWindow::followPlayback()
{
    if (!presetsBeforePlayback)
        return;
    const std::optional<RecordingNotes::Camera> recorded = playbackNotes.cameraAt(utcNow());
    if (!recorded || *recorded == RecordingNotes::Camera {exposureTime.load(), gain.load()})
        return;
    chooseCamera(*recorded);
    qInfo("Replay: exposure %.0f ms, gain %d as recorded", recorded->exposureUs / 1000.0, recorded->gain);
}

void MainWindow::endPlayback()
{
    playbackNotes = RecordingNotes();
    if (!presetsBeforePlayback)
        return;
    const RecordingNotes::Camera own = *presetsBeforePlayback;
    presetsBeforePlayback.reset();
    setCameraPresetsEnabled(true);
    chooseCamera(own);
}

// The exposure and gain, each shown on its preset button when one has it.
void MainWindow::chooseCamera(const RecordingNotes::Camera &camera)
{
    chooseExposure(
        presetOf(exposureButtons(), SettingsFile::exposurePresetsMs, qRound(camera.exposureUs / 1000.0)),
        camera.exposureUs);
    chooseGain(presetOf(gainButtons(), SettingsFile::gainPresets, camera.gain), camera.gain);
}

// A replay's presets are the recording's: the buttons only show them.
void MainWindow::setCameraPresetsEnabled(bool enabled)
{
    for (QPushButton *button : exposureButtons())
        button->setEnabled(enabled);
    for (QPushButton *button : gainButtons())
        button->setEnabled(enabled);
}
