// The camera side of the main window on the simulated sky camera: Connect and Disconnect with
// their messages, menus and title, the presets, the live view at each zoom, and the close.
#include "cameraconnection.h"
#include "mainwindow.h"
#include "presentation.h"
#include "settingsfile.h"
#include "sharedstate.h"
#include "simcontrol.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace karvix::sim;

Q_DECLARE_METATYPE(CameraOperation)

namespace {
// Closes the next message box as soon as it shows and remembers its title and text.
class MessageBoxCatcher : public QObject
{
public:
    QString title, text;
    bool seen = false;

    MessageBoxCatcher()
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen = true;
                title = box->windowTitle();
                text = box->text();
                box->close();
            }
        });
        timer->start(10);
    }
};
} // namespace

class TestMainWindowCamera : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void connectStreamsAndDisconnectRestores();
    void failedConnections_data();
    void failedConnections();
    void connectDoesNothingWithoutTheLibrary();
    void presetsChosenBeforeConnectingReachTheCamera();
    void liveViewFollowsTheZoom();
    void closingTheWindowClosesTheCamera();
    void monoStyleRedrawsTheLampsOfTheStep_data();
    void monoStyleRedrawsTheLampsOfTheStep();

private:
    template <typename T> T *child(const char *name)
    {
        T *object = window->findChild<T *>(QLatin1String(name));
        if (!object)
            qFatal("no child %s", name);
        return object;
    }
    void connectCamera() { child<QAction>("actionConnect")->trigger(); }
    QSize shownSize() { return child<QLabel>("label_showImg")->pixmap(Qt::ReturnByValue).size(); }

    std::unique_ptr<MainWindow> window;
};

void TestMainWindowCamera::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestMainWindowCamera::init()
{
    QFile::remove(SettingsFile::programPath());
    resetCameraBus();
    window.reset(new MainWindow);
    QVERIFY(sdkReady);
}

void TestMainWindowCamera::cleanup()
{
    window.reset();
    QFile::remove(SettingsFile::programPath());
}

void TestMainWindowCamera::connectStreamsAndDisconnectRestores()
{
    const QString startTitle = window->windowTitle();
    connectCamera();
    QVERIFY(cameraConnected);
    QCOMPARE(window->windowTitle(), QString("Velto Q7 - ID: Q7-SIM0001"));
    QCOMPARE(child<QAction>("actionConnect")->text(), QString("Disconnect"));
    for (const char *name : {"actionSave_As", "actionAstronomical_Refraction", "actionManual_Trace"})
        QVERIFY2(child<QAction>(name)->isEnabled(), name);
    QVERIFY(child<QMenu>("menuZoom")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!shownSize().isEmpty(), 5000);

    const KarvixHandle handle = cameraHandle;
    connectCamera(); // now Disconnect
    QVERIFY(!cameraConnected);
    QVERIFY(!cameraStatus(handle).open);
    QCOMPARE(child<QAction>("actionConnect")->text(), QString("Connect"));
    QVERIFY(!child<QAction>("actionSave_As")->isEnabled());
    QVERIFY(!child<QMenu>("menuZoom")->isEnabled());
    QVERIFY(window->windowTitle() != startTitle); // the title keeps the last camera's id
    // The last picture stays, marked as no longer live.
    QTRY_VERIFY(child<QLabel>("label_freshness")->text().endsWith(QStringLiteral("— camera disconnected")));
    QVERIFY(!shownSize().isEmpty());
}

void TestMainWindowCamera::failedConnections_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("no camera") << "none"
                               << ""
                               << "Info"
                               << "No Velto Q7 camera found!";
    QTest::newRow("open") << "open"
                          << "OpenKARVIX failure!"
                          << "Error"
                          << "Can not connect Velto Q7 camera as open error!";
    QTest::newRow("stream mode") << "stream"
                                 << "SetKARVIXStreamMode 1 Failure"
                                 << ""
                                 << "";
    QTest::newRow("init") << "init"
                          << "InitKARVIX failure!"
                          << "Error"
                          << "Can not connect Velto Q7 camera as initialize error!";
}

void TestMainWindowCamera::failedConnections()
{
    QFETCH(QString, fault);
    QFETCH(QString, logLine);
    QFETCH(QString, title);
    QFETCH(QString, text);
    // A failed connect after a stream leaves nothing of the camera that streamed.
    const QString startTitle = window->windowTitle();
    connectCamera();
    QTRY_VERIFY_WITH_TIMEOUT(!shownSize().isEmpty(), 5000);
    connectCamera();
    if (fault == "none")
        setCameraIds({});
    else
        setOperationFails(fault == "open" ? CameraOperation::Open
                : fault == "stream"       ? CameraOperation::StreamMode
                                          : CameraOperation::Init,
            true);
    if (!logLine.isEmpty())
        QTest::ignoreMessage(QtCriticalMsg, qPrintable(logLine));

    MessageBoxCatcher catcher;
    connectCamera();
    QCOMPARE(catcher.seen, !title.isEmpty());
    QCOMPARE(catcher.title, title);
    QCOMPARE(catcher.text, text);
    QVERIFY(!cameraConnected);
    QCOMPARE(child<QAction>("actionConnect")->text(), QString("Connect"));
    QVERIFY(!child<QMenu>("menuZoom")->isEnabled());
    QCOMPARE(window->windowTitle(), startTitle);
    QVERIFY(shownSize().isEmpty());
    QVERIFY(child<QLabel>("label_freshness")->isHidden());
}

void TestMainWindowCamera::connectDoesNothingWithoutTheLibrary()
{
    window.reset();
    setOperationFails(CameraOperation::InitResource, true);
    QTest::ignoreMessage(QtCriticalMsg, "InitKARVIXResource: failed");
    window.reset(new MainWindow);
    QVERIFY(!sdkReady);
    clearCameraCallLog();
    MessageBoxCatcher catcher;
    connectCamera();
    QVERIFY(!catcher.seen);
    QVERIFY(!cameraConnected);
    QVERIFY(cameraCallLog().empty());
}

void TestMainWindowCamera::presetsChosenBeforeConnectingReachTheCamera()
{
    child<QPushButton>("pushButton_exp_200")->click();
    child<QPushButton>("pushButton_gain_90")->click();
    QCOMPARE(exposureTime.load(), 200000.0);
    QCOMPARE(gain.load(), 90);
    QVERIFY(child<QPushButton>("pushButton_exp_200")->isChecked());
    QVERIFY(!child<QPushButton>("pushButton_exp_50")->isChecked());
    QVERIFY(child<QPushButton>("pushButton_gain_90")->isChecked());
    QVERIFY(!child<QPushButton>("pushButton_gain_50")->isChecked());

    connectCamera();
    QTRY_COMPARE(cameraStatus(cameraHandle).exposureUs, 200000.0);
    QCOMPARE(cameraStatus(cameraHandle).gain, 90.0);

    // While streaming the next choice follows between frames.
    child<QPushButton>("pushButton_exp_50")->click();
    QTRY_COMPARE(cameraStatus(cameraHandle).exposureUs, 50000.0);
    QVERIFY(!child<QPushButton>("pushButton_exp_200")->isChecked());
}

void TestMainWindowCamera::liveViewFollowsTheZoom()
{
    connectCamera();
    QTRY_COMPARE_WITH_TIMEOUT(shownSize(), QSize(1280, 960), 5000);
    child<QAction>("action50")->trigger();
    QTRY_COMPARE(shownSize(), QSize(640, 480));
    child<QAction>("action75")->trigger();
    QTRY_COMPARE(shownSize(), QSize(960, 720));
    child<QAction>("action100")->trigger();
    QTRY_COMPARE(shownSize(), QSize(1280, 960));
}

void TestMainWindowCamera::closingTheWindowClosesTheCamera()
{
    connectCamera();
    QTRY_VERIFY_WITH_TIMEOUT(!child<QLabel>("label_showImg")->pixmap(Qt::ReturnByValue).isNull(), 5000);
    const KarvixHandle handle = cameraHandle;
    window->close();
    QVERIFY(!cameraConnected);
    QVERIFY(!sdkReady);
    QVERIFY(!cameraStatus(handle).open);
    const std::vector<std::string> calls = cameraCallLog();
    QCOMPARE(calls.back(), std::string("CloseKARVIX"));
}

void TestMainWindowCamera::monoStyleRedrawsTheLampsOfTheStep_data()
{
    QTest::addColumn<QVector<int>>("steps"); // taken in this order
    QTest::addColumn<int>("lit");
    QTest::newRow("step 3") << QVector<int> {3} << 0;
    QTest::newRow("step 5") << QVector<int> {5} << 1;
    QTest::newRow("step 6") << QVector<int> {6} << 2;
    QTest::newRow("step 10") << QVector<int> {9, 10} << 3;
    QTest::newRow("step 11") << QVector<int> {9, 10, 11} << 3;
    QTest::newRow("step 13") << QVector<int> {9, 13} << 3;
    QTest::newRow("restarted") << QVector<int> {8, 1} << 3;
}

void TestMainWindowCamera::monoStyleRedrawsTheLampsOfTheStep()
{
    QFETCH(QVector<int>, steps);
    QFETCH(int, lit);
    auto picture = [this](const char *label) {
        return child<QLabel>(label)
            ->pixmap(Qt::ReturnByValue)
            .toImage()
            .convertToFormat(QImage::Format_ARGB32);
    };
    auto resource = [](const QString &name) {
        return QImage(":/images/" + name).convertToFormat(QImage::Format_ARGB32);
    };
    auto lamp = [](const QString &name) { // scaled to the size the lamps show
        return QImage(":/images/" + name)
            .scaled(lampPixels, lampPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32);
    };
    const char *lamps[] = {"label_starPos1_icon", "label_starPos2_icon", "label_starPos3_icon"};
    for (const int step : steps)
        window->goToStep(step);

    child<QAction>("actionMono_Style")->setChecked(true);
    QCOMPARE(displayStyle.load(), QString("Mono"));
    QCOMPARE(picture("label_precise_poleIcon"), resource("pole.png"));
    QCOMPARE(picture("label_precise_axisIcon"), resource("center.png"));
    for (int i = 0; i < 3; ++i) {
        QVERIFY2(picture(lamps[i]) == lamp(i < lit ? "lighton_mono.png" : "lightoff_mono.png"), lamps[i]);
    }

    child<QAction>("actionMono_Style")->setChecked(false);
    QCOMPARE(displayStyle.load(), QString("Color"));
    QCOMPARE(picture("label_precise_poleIcon"), resource("pole_color.png"));
    QCOMPARE(picture(lamps[0]), lamp(lit > 0 ? "lighton_color.png" : "lightoff_color.png"));
}

QTEST_MAIN(TestMainWindowCamera)
#include "tst_mainwindowcamera.moc"
