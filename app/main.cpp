// Velto Q7: polar alignment with a camera on the mount's RA axis.
#include "fontscale.h"
#include "heapsettings.h"
#include "logmessagehandler.h"
#include "mainwindow.h"
#include "programfiles.h"
#include "stylesheet.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    returnLargeBlocksToTheSystem();
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(VELTO_VERSION));
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Polar alignment with a camera on the mount's RA axis."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption replay(QStringLiteral("replay"),
        QStringLiteral("Streams from a session recorded with File > Record Session instead of the camera."),
        QStringLiteral("FILE.ser"));
    options.addOption(replay);
    options.process(app); // --help and --version answer and leave
    // Installed, the desktop knows the program by its launcher entry and draws its themed icon.
    QGuiApplication::setDesktopFileName(QLatin1String(ProgramFiles::appId));
    if (ProgramFiles::installed())
        QApplication::setWindowIcon(QIcon::fromTheme(QLatin1String(ProgramFiles::appId)));

    applyFontScale();

    logFilePath = prepareLogFile(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDateTime::currentDateTime());
    qInstallMessageHandler(LogMessageHandler);

    app.setStyleSheet(readStyleSheet());

    MainWindow window;
    if (options.isSet(replay))
        window.replayForThisRun(options.value(replay));
    window.show();
    return app.exec();
}
