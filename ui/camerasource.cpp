#include "camerasource.h"

#include "source.h"
#include "utcclock.h"

#include <QFile>
#include <cmath>

namespace CameraSource {
namespace {
// Whether apply() installed the recording's clock; only then does it remove the clock again, so
// that a clock a test installed stays in force while the simulated sky is the source.
bool recordingClockInstalled = false;
} // namespace

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Recording:
        return QStringLiteral("Recording");
    case Kind::Indi:
        return QStringLiteral("INDI");
    case Kind::Simulator:
        break;
    }
    return QStringLiteral("Simulator");
}

Choice fromSettings(const QString &kind, Choice stored)
{
    if (kind == kindName(Kind::Recording) && !stored.path.isEmpty()) {
        stored.kind = Kind::Recording;
        return stored;
    }
    if (kind == kindName(Kind::Indi) && !stored.host.trimmed().isEmpty() && !stored.device.isEmpty()
        && stored.port > 0 && stored.port < 65536 && std::isfinite(stored.focalLengthMm)
        && stored.focalLengthMm >= 0) {
        stored.kind = Kind::Indi;
        return stored;
    }
    return Choice();
}

Choice active()
{
    const karvix::SourceChoice source = karvix::selectedSource();
    Choice choice;
    switch (source.kind) {
    case karvix::SourceChoice::Kind::Recording:
        choice.kind = Kind::Recording;
        choice.path = QFile::decodeName(source.path.c_str());
        break;
    case karvix::SourceChoice::Kind::Indi:
        choice.kind = Kind::Indi;
        choice.host = QString::fromStdString(source.host);
        choice.port = source.port;
        choice.device = QString::fromStdString(source.device);
        choice.focalLengthMm = source.focalLengthMm;
        break;
    case karvix::SourceChoice::Kind::Simulator:
        break;
    }
    return choice;
}

void apply(const Choice &choice)
{
    karvix::SourceChoice source;
    if (choice.kind == Kind::Recording) {
        source.kind = karvix::SourceChoice::Kind::Recording;
        source.path = QFile::encodeName(choice.path).toStdString();
    } else if (choice.kind == Kind::Indi) {
        source.kind = karvix::SourceChoice::Kind::Indi;
        source.host = choice.host.trimmed().toStdString();
        source.port = choice.port;
        source.device = choice.device.toStdString();
        source.focalLengthMm = choice.focalLengthMm;
    }
    karvix::selectSource(source);
    if (choice.kind == Kind::Recording) {
        // Until a frame has been read the library has no time to give (NaN): the system's UTC.
        setUtcSource([] { return karvix::sourceFrameUtc(); });
        recordingClockInstalled = true;
    } else if (recordingClockInstalled) {
        setUtcSource({});
        recordingClockInstalled = false;
    }
}

} // namespace CameraSource
