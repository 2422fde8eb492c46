#include "recordingnotes.h"

#include "sessionlog.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace {

double utcSeconds(const QJsonValue &text)
{
    const QDateTime time = QDateTime::fromString(text.toString(), Qt::ISODateWithMs);
    return time.isValid() ? time.toMSecsSinceEpoch() / 1000.0 : qQNaN();
}

// Only values a camera can have: a broken or edited file leaves the window's presets alone.
std::optional<RecordingNotes::Camera> cameraIn(const QJsonObject &object)
{
    const double exposureUs = object.value(QStringLiteral("exposure_us")).toDouble(-1);
    const int gain = object.value(QStringLiteral("gain")).toInt(-1);
    if (!(exposureUs > 0 && exposureUs < 1e9) || gain < 0)
        return std::nullopt;
    return RecordingNotes::Camera {exposureUs, gain};
}

} // namespace

bool RecordingNotes::read(const QString &recordingPath, QString *problem)
{
    m_changes.clear();
    m_quietIntervalS = 0;
    QFile file(SessionLog::notesPath(recordingPath));
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    QJsonParseError error;
    const QJsonObject notes = QJsonDocument::fromJson(file.readAll(), &error).object();
    if (error.error != QJsonParseError::NoError) {
        *problem = QStringLiteral("%1: %2").arg(file.fileName(), error.errorString());
        return false;
    }
    const double interval = notes.value(QStringLiteral("frame_selection"))
                                .toObject()
                                .value(QStringLiteral("quiet_interval_s"))
                                .toDouble();
    m_quietIntervalS = std::isfinite(interval) ? std::clamp(interval, 0.0, 3600.0) : 0.0;
    if (const auto start = cameraIn(notes.value(QStringLiteral("settings")).toObject()))
        m_changes.push_back({-qInf(), *start}); // in force until the first change
    for (const QJsonValue &value : notes.value(QStringLiteral("events")).toArray()) {
        const QJsonObject event = value.toObject();
        const double utc = utcSeconds(event.value(QStringLiteral("utc")));
        if (event.value(QStringLiteral("event")) != QLatin1String("camera") || !std::isfinite(utc))
            continue;
        if (const auto camera = cameraIn(event))
            m_changes.push_back({utc, *camera});
    }
    std::stable_sort(m_changes.begin(), m_changes.end(),
        [](const Change &a, const Change &b) { return a.utcSeconds < b.utcSeconds; });
    return true;
}

std::optional<RecordingNotes::Camera> RecordingNotes::cameraAt(double utcSeconds) const
{
    if (m_changes.empty())
        return std::nullopt;
    Camera camera = m_changes.front().camera;
    for (const Change &change : m_changes) {
        if (change.utcSeconds > utcSeconds)
            break;
        camera = change.camera;
    }
    return camera;
}
