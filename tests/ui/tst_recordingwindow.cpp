// Record Session and Camera Source in the window: a short recording of the simulated sky with its
// notes, the same session replayed as the camera with the program's clock on the recorded frames'
// time, a damaged recording refused with its reason in the log, and the source kept in the settings.
#include "cameraconnection.h"
#include "camerasourcedialog.h"
#include "mainwindow.h"
#include "serfile.h"
#include "settingsfile.h"
#include "sharedstate.h"
#include "simcontrol.h"
#include "source.h"
#include "utcclock.h"
#include "virtualmountwindow.h"

#include <QAction>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <memory>

namespace {
// Closes every message box as soon as it shows and remembers the last one's text.
class MessageBoxCatcher : public QObject
{
public:
    QString text;

    MessageBoxCatcher()
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                text = box->text();
                box->close();
            }
        });
        timer->start(10);
    }
};
} // namespace

class TestRecording : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void recordsAndReplaysASession();
    void damagedRecordingIsRefusedWithItsReason();
    void cameraSourceIsKeptInTheSettings();

private:
    template <typename T> T *child(const char *name)
    {
        T *object = window->findChild<T *>(QLatin1String(name));
        if (!object)
            qFatal("no child %s", name);
        return object;
    }
    void toggleConnection() { child<QAction>("actionConnect")->trigger(); }
    // Chooses the source in Camera Source as a user would: its radio button, a recording's path, OK.
    void chooseCameraSource(const char *radio, const QString &path = QString())
    {
        QTimer::singleShot(0, [radio, path] {
            auto *dialog = qobject_cast<CameraSourceDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QRadioButton *>(QLatin1String(radio))->click();
            dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit_recording"))->setText(path);
            dialog->accept();
        });
        child<QAction>("actionCamera_Source")->trigger();
    }

    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
};

void TestRecording::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestRecording::init()
{
    QFile::remove(SettingsFile::programPath());
    karvix::sim::resetCameraBus();
    window.reset(new MainWindow);
    QVERIFY(sdkReady);
}

void TestRecording::cleanup()
{
    window.reset();
    QFile::remove(SettingsFile::programPath());
    karvix::selectSource({});
    setUtcSource({});
}

void TestRecording::recordsAndReplaysASession()
{
    const QString path = dir.filePath(QStringLiteral("night.ser"));
    toggleConnection();
    QVERIFY(cameraConnected);
    QVERIFY(!child<QAction>("actionCamera_Source")->isEnabled());
    QVERIFY(window->startRecording(path));
    QVERIFY(child<QAction>("actionRecord_Session")->isChecked());
    child<QPushButton>("pushButton_exp_200")->click();
    child<QPushButton>("pushButton_gain_70")->click();
    QTRY_VERIFY_WITH_TIMEOUT(frameRecorder.progress().framesWritten >= 6, 10000);
    window->goToStep(2);
    QTRY_VERIFY(!child<QLabel>("label_showImg")->pixmap(Qt::ReturnByValue).isNull());
    QTest::mouseDClick(child<QLabel>("label_showImg"), Qt::LeftButton, Qt::NoModifier, QPoint(640, 480));
    auto *progress = child<QLabel>("label_recording");
    // Refreshed twice a second: the frames written and the size so far.
    QTRY_VERIFY(progress->text().contains(
        QRegularExpression(QStringLiteral("^Recording night.ser: [1-9]\\d* frames, [1-9]\\d*\\.\\d MB$"))));
    if (!qEnvironmentVariableIsEmpty("VELTO_SHOTS"))
        window->grab().save(qEnvironmentVariable("VELTO_SHOTS") + QStringLiteral("/recording.png"));
    child<QAction>("actionRecord_Session")->setChecked(false); // stops
    QVERIFY(!progress->isVisible());
    const qint64 frames = frameRecorder.progress().framesWritten;
    toggleConnection();
    QVERIFY(!cameraConnected);
    child<QPushButton>("pushButton_exp_50")->click(); // the person's own presets, for after the replay

    ser::Reader reader;
    std::string problem;
    QVERIFY2(
        reader.open(path.toStdString(), KARVIX_FRAME_WIDTH, KARVIX_FRAME_HEIGHT, &problem), problem.c_str());
    QCOMPARE(reader.frameCount(), frames);

    QFile notesFile(dir.filePath(QStringLiteral("night.json")));
    QVERIFY(notesFile.open(QIODevice::ReadOnly));
    const QJsonObject notes = QJsonDocument::fromJson(notesFile.readAll()).object();
    QCOMPARE(notes.value("frames").toInt(), int(frames));
    QCOMPARE(notes.value("camera_source").toObject().value("kind").toString(), QString("Simulator"));
    QCOMPARE(
        notes.value("site").toObject().value("latitude_deg").toDouble(), 39.9); // as the settings write it
    bool stepSeen = false, pickSeen = false;
    for (const QJsonValue &event : notes.value("events").toArray()) {
        const QJsonObject e = event.toObject();
        stepSeen |= e.value("event") == "step" && e.value("step") == 2;
        pickSeen |= e.value("event") == "pick" && e.value("clicked_px").toArray().at(0) == 640;
        QVERIFY(!e.value("utc").toString().isEmpty());
    }
    QVERIFY(stepSeen && pickSeen);

    // The same session as the camera: the window says so, and the program lives at its frames' time.
    window->replayForThisRun(path);
    QVERIFY(child<QLabel>("label_source")->text().contains(QLatin1String("night.ser")));
    toggleConnection();
    QVERIFY(cameraConnected);
    QCOMPARE(window->windowTitle(), QString("Velto Q7 - ID: Q7-REPLAY"));
    const auto *mount = window->findChild<VirtualMountWindow *>();
    QVERIFY(!mount || !mount->isVisible()); // no mount to turn
    QTRY_VERIFY_WITH_TIMEOUT(frameQueue.size() > 0 || rawImage.latest().image().data, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(utcNow(), reader.frameUtcSeconds(frames - 1), 10000);
    // The presets the frames were taken with, not to be changed; the person's again afterwards.
    QVERIFY(child<QPushButton>("pushButton_exp_200")->isChecked() && child<QPushButton>("pushButton_gain_70")->isChecked());
    QVERIFY(!child<QPushButton>("pushButton_exp_50")->isEnabled());
    toggleConnection();
    QVERIFY(child<QPushButton>("pushButton_exp_50")->isChecked() && child<QPushButton>("pushButton_exp_50")->isEnabled());

    // Back to the simulated sky: the system's clock again.
    CameraSource::apply({CameraSource::Kind::Simulator, QString()});
    QVERIFY(std::abs(utcNow() - QDateTime::currentMSecsSinceEpoch() / 1000.0) < 5);
}

void TestRecording::damagedRecordingIsRefusedWithItsReason()
{
    const QString path = dir.filePath(QStringLiteral("broken.ser"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("LUCAM-RECORDER") + QByteArray(300, '\0'));
    file.close();
    window->replayForThisRun(path);
    MessageBoxCatcher boxes;
    QTest::ignoreMessage(QtCriticalMsg, "OpenKARVIX failure!");
    QTest::ignoreMessage(QtCriticalMsg,
        qPrintable(
            QStringLiteral("Camera source: recording %1: 0 bits per pixel: only 8-bit frames can be replayed")
                .arg(path)));
    toggleConnection();
    QVERIFY(!cameraConnected);
    QTRY_COMPARE(boxes.text,
        QStringLiteral("Can not connect Velto Q7 camera as open error!\n\nrecording %1: 0 bits per pixel: only "
                       "8-bit frames can be replayed")
            .arg(path));
}

void TestRecording::cameraSourceIsKeptInTheSettings()
{
    if (!qEnvironmentVariableIsEmpty("VELTO_SHOTS")) {
        CameraSourceDialog dialog(
            {CameraSource::Kind::Recording, QStringLiteral("/home/observer/night.ser")});
        dialog.show();
        dialog.grab().save(qEnvironmentVariable("VELTO_SHOTS") + QStringLiteral("/camerasource.png"));
    }
    chooseCameraSource("radioButton_recording", QStringLiteral("/data/night.ser"));
    window->close(); // writes the settings
    QSettings settings(SettingsFile::programPath(), QSettings::IniFormat);
    QCOMPARE(settings.value("CAMERA_SOURCE/kind").toString(), QString("Recording"));
    QCOMPARE(settings.value("CAMERA_SOURCE/path").toString(), QString("/data/night.ser"));
    QCOMPARE(settings.value("ZOOM/factor").toString(), QString("1")); // the other groups as before

    const SettingsFile::Values values = SettingsFile::read(SettingsFile::programPath());
    QCOMPARE(values.cameraSourceKind, QString("Recording"));
    QCOMPARE(values.cameraSourcePath, QString("/data/night.ser"));
    // The simulated sky again, in the next run: the group goes, the other groups' keys stay as they were.
    const int keysWithRecording = settings.allKeys().size();
    window.reset(new MainWindow);
    chooseCameraSource("radioButton_simulator");
    window->close();
    settings.sync();
    QVERIFY(!settings.childGroups().contains(QStringLiteral("CAMERA_SOURCE")));
    QCOMPARE(settings.allKeys().size(), keysWithRecording - 2);
    // A recording without a file, or an unknown kind, is the simulated sky.
    QVERIFY(CameraSource::fromSettings("Recording", {}).kind == CameraSource::Kind::Simulator);
    QVERIFY(CameraSource::fromSettings("Unknown", {CameraSource::Kind::Recording, "x"}).kind
        == CameraSource::Kind::Simulator);
}

QTEST_MAIN(TestRecording)
#include "tst_recordingwindow.moc"
