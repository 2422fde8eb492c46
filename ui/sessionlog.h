// sessionlog.h - the notes beside a recorded session: <name>.json next to <name>.ser.
//
// They hold what the frames do not: the site and refraction inputs, the settings, the camera
// source, the camera's exposure and gain as they change, and the wizard's steps and the user's star picks with their UTC times (the program's
// clock, so a replayed session's notes carry the recorded instants). Written when the recording
// starts and again, complete, when it stops. GUI thread only.
#ifndef SESSIONLOG_H
#define SESSIONLOG_H

#include <QJsonArray>
#include <QJsonObject>
#include <QPointF>
#include <QString>
#include <QStringList>

class SessionLog
{
public:
    // night.ser -> night.json (any other name gets ".json" appended).
    static QString notesPath(const QString &recordingPath);

    // Starts the notes of a recording; context holds the site, settings and source as they are now.
    bool begin(const QString &recordingPath, const QJsonObject &context, QString *problem);
    bool isOpen() const { return !m_path.isEmpty(); }
    // Both do nothing while no recording is on.
    void addStep(int step);
    void addPick(int step, const QPointF &clicked, const QPointF *star);
    // The camera's exposure or gain changed: a replay shows what the frames were taken with.
    void addCamera(double exposureUs, int gain);
    // What the alignment achieved, as the window showed it, and its figures.
    void addSummary(const QStringList &lines, const QJsonObject &figures);
    // Writes the complete notes and closes them.
    bool finish(qint64 framesWritten, QString *problem);

private:
    bool write(QString *problem) const;
    void addEvent(QJsonObject event);

    QString m_path;
    QJsonObject m_notes;
    QJsonArray m_events;
};

#endif // SESSIONLOG_H
