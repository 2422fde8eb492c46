// solverprotocol.cpp - the request to the solver worker.
#include "solverprotocol.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <cstring>

namespace {
constexpr int maximumSide = 16384;
}

QByteArray encodeSolveRequest(const cv::Mat &frame, const SolveHints &hints, const QString &indexFolder)
{
    const QJsonObject header {{QStringLiteral("width"), frame.cols}, {QStringLiteral("height"), frame.rows},
        {QStringLiteral("scale_arcsec_per_px"), hints.scaleArcsecPerPx},
        {QStringLiteral("use_position"), hints.usePosition},
        {QStringLiteral("position"), QJsonArray {hints.position.raDeg, hints.position.decDeg}},
        {QStringLiteral("search_radius_deg"), hints.searchRadiusDeg},
        {QStringLiteral("index_folder"), indexFolder}};
    QByteArray request = QJsonDocument(header).toJson(QJsonDocument::Compact);
    request.append('\n');
    for (int row = 0; row < frame.rows; ++row)
        request.append(reinterpret_cast<const char *>(frame.ptr(row)), frame.cols);
    return request;
}

bool decodeSolveRequest(
    const QByteArray &request, cv::Mat *frame, SolveHints *hints, QString *indexFolder, QString *error)
{
    const int lineEnd = request.indexOf('\n');
    const QJsonDocument document = QJsonDocument::fromJson(request.left(lineEnd));
    if (lineEnd < 0 || !document.isObject()) {
        *error = QStringLiteral("the request has no JSON header line");
        return false;
    }
    const QJsonObject header = document.object();
    const int width = header.value(QStringLiteral("width")).toInt();
    const int height = header.value(QStringLiteral("height")).toInt();
    if (width <= 0 || height <= 0 || width > maximumSide || height > maximumSide) {
        *error = QStringLiteral("the frame size %1 x %2 is unusable").arg(width).arg(height);
        return false;
    }
    const qint64 pixels = qint64(width) * height;
    if (request.size() - lineEnd - 1 != pixels) {
        *error = QStringLiteral("%1 pixel bytes for a %2 x %3 frame")
                     .arg(request.size() - lineEnd - 1)
                     .arg(width)
                     .arg(height);
        return false;
    }
    const QJsonArray position = header.value(QStringLiteral("position")).toArray();
    hints->scaleArcsecPerPx = header.value(QStringLiteral("scale_arcsec_per_px")).toDouble();
    hints->usePosition = header.value(QStringLiteral("use_position")).toBool();
    hints->position = {position.at(0).toDouble(qQNaN()), position.at(1).toDouble(qQNaN())};
    hints->searchRadiusDeg = header.value(QStringLiteral("search_radius_deg")).toDouble(15);
    if (!std::isfinite(hints->scaleArcsecPerPx) || hints->scaleArcsecPerPx < 0
        || (hints->usePosition
            && (!std::isfinite(hints->position.raDeg) || !std::isfinite(hints->position.decDeg)))
        || !(hints->searchRadiusDeg > 0)) {
        *error = QStringLiteral("the hints are unusable");
        return false;
    }
    *indexFolder = header.value(QStringLiteral("index_folder")).toString();
    *frame = cv::Mat(height, width, CV_8UC1);
    std::memcpy(frame->data, request.constData() + lineEnd + 1, size_t(pixels));
    return true;
}
