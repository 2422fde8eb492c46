#include "sessionlog.h"

#include "utcclock.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

namespace {

QString utcText()
{
    return utcNowDateTime().toString(Qt::ISODateWithMs);
}

QJsonArray point(const QPointF &p)
{
    return {p.x(), p.y()};
}

} // namespace

QString SessionLog::notesPath(const QString &recordingPath)
{
    const QFileInfo file(recordingPath);
    if (file.suffix().compare(QLatin1String("ser"), Qt::CaseInsensitive) == 0)
        return file.path() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral(".json");
    return recordingPath + QStringLiteral(".json");
}

bool SessionLog::begin(const QString &recordingPath, const QJsonObject &context, QString *problem)
{
    m_path = notesPath(recordingPath);
    m_notes = context;
    m_notes.insert(QStringLiteral("recording"), QFileInfo(recordingPath).fileName());
    m_notes.insert(QStringLiteral("started_utc"), utcText());
    m_events = QJsonArray();
    return write(problem);
}

void SessionLog::addStep(int step)
{
    addEvent({{QStringLiteral("event"), QStringLiteral("step")}, {QStringLiteral("step"), step}});
}

void SessionLog::addPick(int step, const QPointF &clicked, const QPointF *star)
{
    QJsonObject event {{QStringLiteral("event"), QStringLiteral("pick")}, {QStringLiteral("step"), step},
        {QStringLiteral("clicked_px"), point(clicked)}};
    event.insert(QStringLiteral("star_px"), star ? QJsonValue(point(*star)) : QJsonValue());
    addEvent(event);
}

void SessionLog::addCamera(double exposureUs, int gain)
{
    addEvent({{QStringLiteral("event"), QStringLiteral("camera")}, {QStringLiteral("exposure_us"), exposureUs},
        {QStringLiteral("gain"), gain}});
}

void SessionLog::addSummary(const QStringList &lines, const QJsonObject &figures)
{
    addEvent({{QStringLiteral("event"), QStringLiteral("summary")},
        {QStringLiteral("lines"), QJsonArray::fromStringList(lines)}, {QStringLiteral("figures"), figures}});
}

void SessionLog::addEvent(QJsonObject event)
{
    if (!isOpen())
        return;
    event.insert(QStringLiteral("utc"), utcText());
    m_events.append(event);
}

bool SessionLog::finish(qint64 framesWritten, QString *problem)
{
    if (!isOpen())
        return true;
    m_notes.insert(QStringLiteral("stopped_utc"), utcText());
    m_notes.insert(QStringLiteral("frames"), framesWritten);
    const bool written = write(problem);
    m_path.clear();
    return written;
}

bool SessionLog::write(QString *problem) const
{
    QJsonObject notes = m_notes;
    notes.insert(QStringLiteral("events"), m_events);
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(notes).toJson()) >= 0 && file.commit())
        return true;
    if (problem)
        *problem = QStringLiteral("%1: %2").arg(m_path, file.errorString());
    return false;
}
