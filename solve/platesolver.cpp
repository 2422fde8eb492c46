// platesolver.cpp - the solver worker as a child process with a hard time limit.
#include "platesolver.h"

#include "catalogrefinement.h"
#include "indexfiles.h"
#include "solverprotocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>

namespace {

constexpr int pollMs = 20;
// Fewer stars than this cannot match a field anywhere: no second try at the other pole.
constexpr int minimumStarsForOtherPole = 4;

PlateSolution failed(const QString &why)
{
    qCritical("Plate solving: %s", qPrintable(why));
    return PlateSolution::failure(why);
}

} // namespace

QString solverWorkerPath()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList candidates {QDir(programDir).filePath(QLatin1String(solverWorkerName)),
        QDir(programDir)
            .filePath(QStringLiteral("../%1/%2")
                          .arg(QLatin1String(VELTO_PRIVATE_LIBDIR), QLatin1String(solverWorkerName)))};
    for (const QString &candidate : candidates)
        if (QFileInfo(candidate).isExecutable())
            return QDir::cleanPath(candidate);
    return {};
}

PlateSolution solvePlate(const cv::Mat &frame, const SolveHints &hints, const SolveControl &control)
{
    if (frame.empty() || frame.type() != CV_8UC1)
        return failed(QStringLiteral("The frame is not an 8-bit grey image."));
    QString missing;
    const QString indexFolder = control.indexFolder.isEmpty() ? defaultIndexFolder() : control.indexFolder;
    if (indexFilesFor(hints.scaleArcsecPerPx, frame.cols, indexFolder, &missing).isEmpty())
        return failed(missing);
    const QString worker = control.workerPath.isEmpty() ? solverWorkerPath() : control.workerPath;
    if (worker.isEmpty())
        return failed(QStringLiteral("The plate solver %1 is not installed beside the program.")
                          .arg(QLatin1String(solverWorkerName)));

    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(worker, QStringList());
    if (!process.waitForStarted(5000))
        return failed(QStringLiteral("The plate solver did not start: %1").arg(process.errorString()));
    const QByteArray request = encodeSolveRequest(frame, hints, indexFolder);
    process.write(request);
    process.closeWriteChannel();

    QElapsedTimer timer;
    timer.start();
    while (!process.waitForFinished(pollMs)) {
        if (process.state() == QProcess::NotRunning)
            break;
        const bool cancelled = control.cancel && control.cancel->load();
        if (cancelled || timer.elapsed() > control.timeLimitMs) {
            process.kill();
            process.waitForFinished(5000);
            return failed(cancelled ? QStringLiteral("Plate solving was cancelled.")
                                    : QStringLiteral("Plate solving gave up after %1 s.")
                                          .arg(control.timeLimitMs / 1000.0, 0, 'f', 1));
        }
    }
    const QByteArray answer = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit)
        return failed(QStringLiteral("The plate solver stopped unexpectedly."));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(answer, &error);
    if (!document.isObject())
        return failed(
            QStringLiteral("The plate solver's answer is unreadable (%1).").arg(error.errorString()));
    PlateSolution solution = PlateSolution::fromJson(document.object());
    if (!solution.solved)
        qCritical("Plate solving: %s", qPrintable(solution.whyNot));
    else if (hints.utcSeconds > 0)
        refineWithCatalogue(&solution, hints.utcSeconds);
    return solution;
}

cv::Mat greyPixels(const QImage &frame)
{
    if (frame.isNull())
        return {};
    const QImage grey = frame.convertToFormat(QImage::Format_Grayscale8);
    // QImage rows are padded to 4 bytes: wrap them with their stride, then copy into one block.
    const cv::Mat wrapped(grey.height(), grey.width(), CV_8UC1, const_cast<uchar *>(grey.constBits()),
        size_t(grey.bytesPerLine()));
    return wrapped.clone();
}

PlateSolution solvePlate(const QImage &frame, const SolveHints &hints, const SolveControl &control)
{
    if (frame.isNull())
        return failed(QStringLiteral("The frame is empty."));
    return solvePlate(greyPixels(frame), hints, control);
}

PlateSolution solveNearVisiblePole(const cv::Mat &frame, SolveHints hints, const ObservingSite &site,
    double utcSeconds, const SolveControl &control)
{
    const auto pole = visiblePolePlace(site, utcSeconds);
    if (!pole)
        return failed(QStringLiteral("The instant or the site is unusable."));
    hints.usePosition = true;
    hints.position = *pole;
    hints.utcSeconds = utcSeconds;
    PlateSolution solution = solvePlate(frame, hints, control);
    const bool cancelled = control.cancel && control.cancel->load();
    if (solution.solved || cancelled || int(solution.stars.size()) < minimumStarsForOtherPole)
        return solution;
    hints.position = {pole->raDeg, -pole->decDeg};
    PlateSolution other = solvePlate(frame, hints, control);
    return other.solved ? other : solution;
}
