// Velto Q7: polar alignment with a camera on the mount's RA axis.
#include "fontscale.h"
#include "logmessagehandler.h"
#include "mainwindow.h"
#include "stylesheet.h"

#include <QApplication>
#include <QDateTime>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);

    applyFontScale();

    logFilePath = prepareLogFile(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDateTime::currentDateTime());
    qInstallMessageHandler(LogMessageHandler);

    app.setStyleSheet(readStyleSheet());

    MainWindow window;
    window.show();
    return app.exec();
}
