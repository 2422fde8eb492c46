#include "camerasource.h"

#include "source.h"
#include "utcclock.h"

#include <QFile>

namespace CameraSource {
namespace {
// Whether apply() installed the recording's clock; only then does it remove the clock again, so
// that a clock a test installed stays in force while the simulated sky is the source.
bool recordingClockInstalled = false;
} // namespace

QString kindName(Kind kind)
{
    return kind == Kind::Recording ? QStringLiteral("Recording") : QStringLiteral("Simulator");
}

Choice fromSettings(const QString &kind, const QString &path)
{
    if (kind == QLatin1String("Recording") && !path.isEmpty())
        return {Kind::Recording, path};
    return {Kind::Simulator, QString()};
}

Choice active()
{
    const karvix::SourceChoice source = karvix::selectedSource();
    if (source.kind == karvix::SourceChoice::Kind::Recording)
        return {Kind::Recording, QFile::decodeName(source.path.c_str())};
    return {Kind::Simulator, QString()};
}

void apply(const Choice &choice)
{
    karvix::SourceChoice source;
    if (choice.kind == Kind::Recording) {
        source.kind = karvix::SourceChoice::Kind::Recording;
        source.path = QFile::encodeName(choice.path).toStdString();
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
