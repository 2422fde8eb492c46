// screenshots.h - pictures of the program's own windows, taken in-process for the user manual.
#ifndef SCREENSHOTS_H
#define SCREENSHOTS_H

#include <QImage>
#include <QList>
#include <QString>

struct Screenshot
{
    QString name; // "mainwindow-start", "mainwindow-step1", "aboutdialog", ...
    QImage image;
};

// Builds the main window as the program shows it, switches it to the interface language
// languageCode ("EN", "ZH", ... as stored in the settings file) and grabs the start screen, the
// first two wizard steps when a camera can be connected, any tool window that the connection
// opens, the three dialogs and Camera Source with an INDI camera chosen. Message boxes that come
// up meanwhile are closed at once, so an unattended run never waits for a click.
QList<Screenshot> takeScreenshots(const QString &languageCode);

#endif // SCREENSHOTS_H
