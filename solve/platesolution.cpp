// platesolution.cpp - the JSON form of a plate solution.
#include "platesolution.h"

#include <QJsonArray>
#include <cmath>

PlateSolution PlateSolution::failure(const QString &whyNot)
{
    PlateSolution solution;
    solution.whyNot = whyNot;
    return solution;
}

QJsonObject PlateSolution::toJson() const
{
    QJsonArray starArray;
    for (const ExtractedStar &star : stars)
        starArray.append(QJsonArray {star.position.x, star.position.y, star.flux});
    QJsonObject json {{QStringLiteral("solved"), solved}, {QStringLiteral("stars"), starArray},
        {QStringLiteral("solve_ms"), solveMs}, {QStringLiteral("width"), imageWidth},
        {QStringLiteral("height"), imageHeight}};
    if (solved) {
        json.insert(QStringLiteral("wcs"), wcs.toJson());
        json.insert(QStringLiteral("fit_rms_px"), fitRmsPx);
    } else {
        json.insert(QStringLiteral("why"), whyNot);
    }
    return json;
}

PlateSolution PlateSolution::fromJson(const QJsonObject &json)
{
    if (!json.value(QStringLiteral("solved")).isBool())
        return failure(QStringLiteral("The solver gave no answer."));
    PlateSolution solution;
    solution.solveMs = json.value(QStringLiteral("solve_ms")).toDouble();
    solution.imageWidth = json.value(QStringLiteral("width")).toInt();
    solution.imageHeight = json.value(QStringLiteral("height")).toInt();
    for (const QJsonValue &value : json.value(QStringLiteral("stars")).toArray()) {
        const QJsonArray star = value.toArray();
        const ExtractedStar extracted {
            {star.at(0).toDouble(qQNaN()), star.at(1).toDouble(qQNaN())}, star.at(2).toDouble()};
        if (std::isfinite(extracted.position.x) && std::isfinite(extracted.position.y))
            solution.stars.append(extracted);
    }
    if (!json.value(QStringLiteral("solved")).toBool()) {
        solution.whyNot
            = json.value(QStringLiteral("why")).toString(QStringLiteral("The frame was not solved."));
        return solution;
    }
    const auto wcs = PlateWcs::fromJson(json.value(QStringLiteral("wcs")).toObject());
    if (!wcs)
        return failure(QStringLiteral("The solver's answer holds no usable WCS."));
    solution.solved = true;
    solution.wcs = *wcs;
    solution.fitRmsPx = json.value(QStringLiteral("fit_rms_px")).toDouble();
    solution.takeFiguresFromWcs();
    return solution;
}

void PlateSolution::takeFiguresFromWcs()
{
    scaleArcsecPerPx = wcs.scaleArcsecPerPx();
    mirrored = wcs.mirrored();
    // North at the image centre: the direction towards a point a little further north (or, within
    // that little of the pole, a little less far south).
    const ImagePosition centre {(imageWidth - 1) / 2.0, (imageHeight - 1) / 2.0};
    const SkyPlace place = wcs.placeOf(centre);
    const double step = place.decDeg < 89.99 ? 0.01 : -0.01;
    const auto other = wcs.pixelOf({place.raDeg, place.decDeg + step});
    if (other)
        northAngleDeg = imageAngleDeg((other->x - centre.x) * step, (other->y - centre.y) * step);
}
