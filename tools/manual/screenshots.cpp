#include "screenshots.h"

#include "camerasourcedialog.h"
#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QTimer>

#include <functional>

namespace {

// Object names of the language actions by the codes the program stores.
const char *languageActionName(const QString &code)
{
    static const struct
    {
        const char *code;
        const char *action;
    } actions[] = {{"EN", "actionEnglish"}, {"ZH", "actionChinese"}, {"JA", "actionJapanese"},
        {"RU", "actionRussian"}, {"FR", "actionFrench"}, {"DE", "actionGerman"}, {"ES", "actionSpanish"},
        {"PT", "actionPortuguese"}, {"IT", "actionItalian"}, {"KO", "actionKorean"}};
    for (const auto &entry : actions) {
        if (code == QLatin1String(entry.code))
            return entry.action;
    }
    return "actionEnglish";
}

// Runs the event loop until done() holds or timeoutMs has passed; the capture thread delivers
// frames through the window's display timer, so only a running loop lets them arrive.
bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

void settle()
{
    waitUntil([] { return false; }, 300);
}

bool showsFrame(const QLabel *image)
{
    return image && !image->pixmap(Qt::ReturnByValue).isNull();
}

} // namespace

QList<Screenshot> takeScreenshots(const QString &languageCode)
{
    QList<Screenshot> shots;

    QTimer modalCloser;
    QObject::connect(&modalCloser, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    modalCloser.start(50);

    MainWindow window;
    if (auto *language = window.findChild<QAction *>(QLatin1String(languageActionName(languageCode))))
        language->setChecked(true);
    window.show();
    settle();
    shots.append({QStringLiteral("mainwindow-start"), window.grab().toImage()});

    // The wizard's first two steps, over the live image when a camera connects. Without one, the
    // hemisphere buttons restart the wizard at step 1 just as they do for the user, which still
    // shows the tip panel and the open sections.
    auto *connectAction = window.findChild<QAction *>(QStringLiteral("actionConnect"));
    auto *image = window.findChild<QLabel *>(QStringLiteral("label_showImg"));
    const QWidgetList before = QApplication::topLevelWidgets();
    bool live = false;
    if (connectAction && connectAction->isEnabled()) {
        connectAction->trigger();
        live = waitUntil([image] { return showsFrame(image); }, 4000);
    }
    if (!live) {
        auto *north = window.findChild<QRadioButton *>(QStringLiteral("radioButton_north"));
        auto *south = window.findChild<QRadioButton *>(QStringLiteral("radioButton_south"));
        if (north && south) {
            QRadioButton *current = north->isChecked() ? north : south;
            (current == north ? south : north)->setChecked(true);
            current->setChecked(true);
        }
    }
    settle();
    shots.append({QStringLiteral("mainwindow-step1"), window.grab().toImage()});
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top != &window && top->isVisible() && !before.contains(top) && !top->objectName().isEmpty())
            shots.append({top->objectName().toLower(), top->grab().toImage()});
    }
    if (auto *done = window.findChild<QPushButton *>(QStringLiteral("pushButton_setting_done"))) {
        done->click();
        settle();
        shots.append({QStringLiteral("mainwindow-step2"), window.grab().toImage()});
    }
    if (live) {
        connectAction->trigger(); // disconnect: stops the capture thread before the window goes
        settle();
    }

    for (const char *name : {"AboutDialog", "AstroRefractionDialog", "PoleTrackingDialog"}) {
        auto *dialog = window.findChild<QDialog *>(QLatin1String(name));
        if (!dialog)
            continue;
        dialog->show();
        settle();
        shots.append({QString::fromLatin1(name).toLower(), dialog->grab().toImage()});
        dialog->hide();
    }

    // Device > Camera Source... as it looks with an INDI camera chosen (no server needed).
    CameraSource::Choice indi;
    indi.kind = CameraSource::Kind::Indi;
    indi.device = QStringLiteral("Velto Q7 Sky");
    CameraSourceDialog source(indi, &window);
    source.show();
    settle();
    shots.append({QStringLiteral("camerasourcedialog-indi"), source.grab().toImage()});
    return shots;
}
