// Velto Q7: polar alignment with a camera on the mount's RA axis.
#include "findaxiscommand.h"
#include "fontscale.h"
#include "heapsettings.h"
#include "logmessagehandler.h"
#include "mainwindow.h"
#include "phoneviewdialog.h"
#include "phoneviewserver.h"
#include "programfiles.h"
#include "solvecommand.h"
#include "stylesheet.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>

namespace {

// --help and --version need no display, so they are answered before QApplication, which aborts
// without one. Qt's own options (-platform, -style …) are unknown to this parser and only
// QApplication takes them out of the arguments, so a parse error is left to the full parse later.
void answerHelpOrVersion(int argc, char *argv[], QCommandLineParser &options, const QCommandLineOption &help,
    const QCommandLineOption &version)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i])); // as QCoreApplication::arguments() reads them
    options.parse(arguments);
    if (!options.isSet(help) && !options.isSet(version))
        return;
    QCoreApplication plain(argc, argv); // the usage line and the version line name the program by it
    if (options.isSet(version))
        options.showVersion();
    options.showHelp();
}

// --phone-view=PORT: QCommandLineParser knows no option whose value may be left out, so the port is
// taken off here and the option stays as a plain flag. Returns the port, the default without one,
// or 0 for a port that is not one.
quint16 takePhoneViewPort(QStringList *arguments)
{
    static const QString withPort = QStringLiteral("--phone-view=");
    quint16 port = PhoneViewServer::defaultPort;
    for (QString &argument : *arguments) {
        if (!argument.startsWith(withPort))
            continue;
        bool ok = false;
        const uint value = argument.mid(withPort.size()).toUInt(&ok);
        port = ok && value > 0 && value <= 65535 ? quint16(value) : 0;
        argument = QStringLiteral("--phone-view");
    }
    return port;
}

} // namespace

int main(int argc, char *argv[])
{
    returnLargeBlocksToTheSystem();
    // The headless solve opens no window, so it must not need a display: decided before any
    // QApplication exists.
    if (isSolveCommand(argc, argv))
        return runSolveCommand(argc, argv);
    if (isFindAxisCommand(argc, argv))
        return runFindAxisCommand(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(VELTO_VERSION));
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Polar alignment with a camera on the mount's RA axis."));
    const QCommandLineOption help = options.addHelpOption();
    const QCommandLineOption version = options.addVersionOption();
    const QCommandLineOption replay(QStringLiteral("replay"),
        QStringLiteral("Streams from a session recorded with File > Record Session instead of the camera."),
        QStringLiteral("FILE.ser"));
    options.addOption(replay);
    options.addOption(QCommandLineOption(QStringLiteral("solve"),
        QStringLiteral("Plate-solves a frame and prints the pole, zenith direction and axis error as JSON, "
                       "without a window: --solve FRAME.png --utc TIME --lat DEG --lon DEG [--pressure HPA "
                       "--temperature C] [--axis X,Y]."),
        QStringLiteral("FRAME.png")));
    options.addOption(QCommandLineOption(QStringLiteral("find-axis"),
        QStringLiteral(
            "Finds the RA axis centre in three frames taken at three RA positions and prints it as "
            "JSON, without a window: --find-axis F1.png F2.png F3.png --utc U1,U2,U3 --lat DEG "
            "--lon DEG [--pressure HPA --temperature C]."),
        QStringLiteral("F1.png")));
    const QCommandLineOption phoneView(QStringLiteral("phone-view"),
        QStringLiteral("Starts the phone view (port 8470, or --phone-view=PORT) and prints the address to "
                       "open on a phone or tablet: http://HOST:PORT/?token=..."));
    options.addOption(phoneView);
    answerHelpOrVersion(argc, argv, options, help, version);

    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    QStringList arguments = app.arguments();
    const quint16 phonePort = takePhoneViewPort(&arguments);
    options.process(arguments); // reports unknown options and leaves
    if (phonePort == 0) {
        std::fprintf(stderr, "--phone-view: the port is a number from 1 to 65535\n");
        return 1;
    }
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
    if (options.isSet(phoneView) && !window.findChild<PhoneViewDialog *>()->startForThisRun(phonePort))
        return 1;
    window.show();
    return app.exec();
}
