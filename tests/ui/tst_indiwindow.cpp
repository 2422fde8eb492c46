// An INDI camera chosen and used in the window as a user would: Camera Source lists the server's
// cameras after Refresh, the choice is shown and kept in the settings, Connect waits for the
// camera without holding the window, frames of our sky driver reach the live view, and the camera
// disconnects and connects again, and a lens left unknown is measured. VELTO_SHOTS=<folder> saves the dialog and the window.
#include "cameraconnection.h"
#include "camerasourcedialog.h"
#include "indiserver.h"
#include "mainwindow.h"
#include "settingsfile.h"
#include "sharedstate.h"
#include "source.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>
#include <cmath>
#include <memory>

class TestIndiWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void choosesAndStreamsAnIndiCamera();

private:
    template <typename T> T *child(QObject *parent, const char *name)
    {
        T *object = parent->findChild<T *>(QLatin1String(name));
        if (!object)
            qFatal("no child %s", name);
        return object;
    }
    void toggleConnection() { child<QAction>(window.get(), "actionConnect")->trigger(); }
    void shot(QWidget *widget, const QString &name)
    {
        if (!qEnvironmentVariableIsEmpty("VELTO_SHOTS"))
            widget->grab().save(qEnvironmentVariable("VELTO_SHOTS") + QLatin1Char('/') + name);
    }
    // Fills the Camera Source dialog (open and modal) for the server's sky driver and presses OK.
    void chooseSkyDriver();

    IndiServer server;
    std::unique_ptr<MainWindow> window;
};

void TestIndiWindow::initTestCase()
{
    SKIP_WITHOUT_INDISERVER();
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(SettingsFile::programPath());
    QVERIFY(server.start({QStringLiteral(VELTO_SKY_DRIVER)}));
    window.reset(new MainWindow);
    window->show();
    QVERIFY(sdkReady);
}

void TestIndiWindow::cleanup()
{
    window.reset();
    QFile::remove(SettingsFile::programPath());
    karvix::selectSource({});
}

void TestIndiWindow::chooseSkyDriver()
{
    auto *dialog = qobject_cast<CameraSourceDialog *>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    child<QRadioButton>(dialog, "radioButton_indi")->click();
    child<QLineEdit>(dialog, "lineEdit_indiHost")->setText(QStringLiteral("localhost"));
    child<QLineEdit>(dialog, "spinBox_indiPort")->setText(QString::number(server.port()));
    auto *cameras = child<QComboBox>(dialog, "comboBox_indiCamera");
    auto *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    QVERIFY(!ok->isEnabled()); // no camera chosen yet
    child<QPushButton>(dialog, "pushButton_indiRefresh")->click();
    QTRY_COMPARE_WITH_TIMEOUT(cameras->findText(QStringLiteral("Velto Q7 Sky")), 0, 10000);
    QCOMPARE(cameras->currentText(), QStringLiteral("Velto Q7 Sky"));
    QCOMPARE(child<QLineEdit>(dialog, "doubleSpinBox_focalLength")->text(), QStringLiteral("25.36"));
    QVERIFY(ok->isEnabled());
    shot(dialog, QStringLiteral("camerasource-indi.png"));
    // A Refresh that reaches no server leaves no camera to confirm.
    auto *port = child<QLineEdit>(dialog, "spinBox_indiPort");
    port->setText(QString::number(freeLocalPort()));
    child<QPushButton>(dialog, "pushButton_indiRefresh")->click();
    QTRY_VERIFY_WITH_TIMEOUT(cameras->count() == 0 && cameras->currentText().isEmpty() && !ok->isEnabled(), 10000);
    port->setText(QString::number(server.port()));
    child<QPushButton>(dialog, "pushButton_indiRefresh")->click();
    QTRY_COMPARE_WITH_TIMEOUT(cameras->findText(QStringLiteral("Velto Q7 Sky")), 0, 10000);
    QVERIFY(ok->isEnabled());
    ok->click();
}

void TestIndiWindow::choosesAndStreamsAnIndiCamera()
{
    bool dialogDone = false;
    QTimer::singleShot(0, this, [&] {
        chooseSkyDriver();
        dialogDone = true;
        if (auto *dialog = QApplication::activeModalWidget())
            dialog->close(); // a failed check leaves the dialog open
    });
    child<QAction>(window.get(), "actionCamera_Source")->trigger();
    QVERIFY(dialogDone);
    const QString shown = QStringLiteral("Camera: INDI Velto Q7 Sky on localhost:%1").arg(server.port());
    QCOMPARE(child<QLabel>(window.get(), "label_source")->text(), shown);

    // Connect right after choosing: the window keeps answering while the camera is reached.
    toggleConnection();
    QTRY_VERIFY_WITH_TIMEOUT(cameraConnected, 15000);
    QVERIFY(window->windowTitle().contains(QStringLiteral("Velto Q7 Sky")));
    const QPixmap *pixmap = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(
        (pixmap = child<QLabel>(window.get(), "label_showImg")->pixmap()) && !pixmap->isNull(), 10000);
    QTest::qWait(500);
    shot(window.get(), QStringLiteral("indi-live.png"));

    // Disconnect and connect again.
    toggleConnection();
    QVERIFY(!cameraConnected);
    toggleConnection();
    QTRY_VERIFY_WITH_TIMEOUT(cameraConnected, 15000);
    toggleConnection();

    // A lens left unknown is measured by a solve, even at the scale the frames are shown at then.
    CameraSource::Choice unknownLens = CameraSource::active();
    unknownLens.focalLengthMm = 0;
    CameraSource::apply(unknownLens);
    const std::int64_t framesBefore = frameArrivalNs;
    toggleConnection();
    QTRY_VERIFY_WITH_TIMEOUT(cameraConnected && frameArrivalNs != framesBefore, 15000);
    child<QAction>(window.get(), "actionSolve_Now")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(std::abs(karvix::selectedSource().focalLengthMm - 25.36) < 0.1, 30000);
    toggleConnection();

    window->close(); // writes the settings
    QSettings settings(SettingsFile::programPath(), QSettings::IniFormat);
    QCOMPARE(settings.value("CAMERA_SOURCE/kind").toString(), QStringLiteral("INDI"));
    QCOMPARE(settings.value("CAMERA_SOURCE/device").toString(), QStringLiteral("Velto Q7 Sky"));
    QCOMPARE(settings.value("CAMERA_SOURCE/port").toInt(), int(server.port()));
    QVERIFY(std::abs(settings.value("CAMERA_SOURCE/focalLengthMm").toDouble() - 25.36) < 0.1); // as measured
    const SettingsFile::Values values = SettingsFile::read(SettingsFile::programPath());
    CameraSource::Choice stored;
    stored.host = values.cameraSourceHost;
    stored.port = values.cameraSourcePort;
    stored.device = values.cameraSourceDevice;
    stored.focalLengthMm = values.cameraSourceFocalLengthMm;
    QVERIFY(CameraSource::fromSettings(values.cameraSourceKind, stored).kind == CameraSource::Kind::Indi);
    stored.device.clear();
    QVERIFY(
        CameraSource::fromSettings(values.cameraSourceKind, stored).kind == CameraSource::Kind::Simulator);
}

QTEST_MAIN(TestIndiWindow)
#include "tst_indiwindow.moc"
