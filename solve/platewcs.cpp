// platewcs.cpp - gnomonic projection (ERFA tpxes/tpsts) and its least-squares fit.
#include "platewcs.h"

#include <QJsonArray>
#include <QtGlobal>
#include <cmath>
#include <erfa.h>
#include <erfam.h>
#include <opencv2/core.hpp>

namespace {

// Standard coordinates (xi towards east, eta towards north) of `place` about `reference`, degrees;
// empty when the place is not in front of the tangent plane (ERFA's status other than 0: the
// place 90 degrees or more from the reference, within its margin of 1e-6 of the cosine).
std::optional<ImagePosition> standardCoordinates(const SkyPlace &reference, const SkyPlace &place)
{
    double xi = 0, eta = 0;
    if (eraTpxes(place.raDeg * ERFA_DD2R, place.decDeg * ERFA_DD2R, reference.raDeg * ERFA_DD2R,
            reference.decDeg * ERFA_DD2R, &xi, &eta)
        != 0)
        return std::nullopt;
    return ImagePosition {xi * ERFA_DR2D, eta * ERFA_DR2D};
}

bool finite(const SkyPlace &p)
{
    return std::isfinite(p.raDeg) && std::isfinite(p.decDeg);
}

} // namespace

std::optional<PlateWcs> PlateWcs::fit(const SkyPlace &reference, const QVector<ImagePosition> &pixels,
    const QVector<SkyPlace> &places, double *rmsPx)
{
    if (pixels.size() != places.size() || pixels.size() < 3 || !finite(reference))
        return std::nullopt;
    // pixel = referencePixel + M * (xi, eta): three unknowns per pixel axis, solved together.
    cv::Mat design(pixels.size(), 3, CV_64F), target(pixels.size(), 2, CV_64F);
    for (int i = 0; i < pixels.size(); ++i) {
        const auto standard = standardCoordinates(reference, places[i]);
        if (!standard || !std::isfinite(pixels[i].x) || !std::isfinite(pixels[i].y))
            return std::nullopt;
        design.at<double>(i, 0) = 1;
        design.at<double>(i, 1) = standard->x;
        design.at<double>(i, 2) = standard->y;
        target.at<double>(i, 0) = pixels[i].x;
        target.at<double>(i, 1) = pixels[i].y;
    }
    cv::Mat solution;
    if (!cv::solve(design, target, solution, cv::DECOMP_SVD))
        return std::nullopt;
    const cv::Matx22d m(solution.at<double>(1, 0), solution.at<double>(2, 0), solution.at<double>(1, 1),
        solution.at<double>(2, 1));
    if (!(std::fabs(cv::determinant(m)) > 1e-12))
        return std::nullopt;
    const cv::Matx22d cd = m.inv();
    PlateWcs wcs;
    wcs.m_valid = true;
    wcs.m_reference = reference;
    wcs.m_referencePixel = {solution.at<double>(0, 0), solution.at<double>(0, 1)};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            wcs.m_cd[r][c] = cd(r, c);
    if (rmsPx) {
        const cv::Mat residual = design * solution - target;
        *rmsPx = std::sqrt(residual.dot(residual) / pixels.size());
    }
    return wcs;
}

std::optional<ImagePosition> PlateWcs::pixelOf(const SkyPlace &place) const
{
    if (!m_valid || !finite(place))
        return std::nullopt;
    const auto standard = standardCoordinates(m_reference, place);
    if (!standard)
        return std::nullopt;
    const cv::Matx22d m = cv::Matx22d(m_cd[0][0], m_cd[0][1], m_cd[1][0], m_cd[1][1]).inv();
    return ImagePosition {m_referencePixel.x + m(0, 0) * standard->x + m(0, 1) * standard->y,
        m_referencePixel.y + m(1, 0) * standard->x + m(1, 1) * standard->y};
}

SkyPlace PlateWcs::placeOf(const ImagePosition &pixel) const
{
    const double dx = pixel.x - m_referencePixel.x, dy = pixel.y - m_referencePixel.y;
    const double xi = (m_cd[0][0] * dx + m_cd[0][1] * dy) * ERFA_DD2R;
    const double eta = (m_cd[1][0] * dx + m_cd[1][1] * dy) * ERFA_DD2R;
    double ra = 0, dec = 0;
    // RA comes back in [0, 2 pi).
    eraTpsts(xi, eta, m_reference.raDeg * ERFA_DD2R, m_reference.decDeg * ERFA_DD2R, &ra, &dec);
    return {ra * ERFA_DR2D, dec * ERFA_DR2D};
}

double PlateWcs::scaleArcsecPerPx() const
{
    return std::sqrt(std::fabs(m_cd[0][0] * m_cd[1][1] - m_cd[0][1] * m_cd[1][0])) * 3600.0;
}

bool PlateWcs::mirrored() const
{
    // The sky seen from inside, not mirrored, has east to the left of north (xi towards east grows
    // as eta turns clockwise on the image with y down): a positive determinant of CD.
    return m_cd[0][0] * m_cd[1][1] - m_cd[0][1] * m_cd[1][0] < 0;
}

QJsonObject PlateWcs::toJson() const
{
    return {{QStringLiteral("crval"), QJsonArray {m_reference.raDeg, m_reference.decDeg}},
        {QStringLiteral("crpix"), QJsonArray {m_referencePixel.x, m_referencePixel.y}},
        {QStringLiteral("cd"), QJsonArray {m_cd[0][0], m_cd[0][1], m_cd[1][0], m_cd[1][1]}}};
}

std::optional<PlateWcs> PlateWcs::fromJson(const QJsonObject &json)
{
    const QJsonArray crval = json.value(QStringLiteral("crval")).toArray();
    const QJsonArray crpix = json.value(QStringLiteral("crpix")).toArray();
    const QJsonArray cd = json.value(QStringLiteral("cd")).toArray();
    PlateWcs wcs;
    wcs.m_reference = {crval.at(0).toDouble(qQNaN()), crval.at(1).toDouble(qQNaN())};
    wcs.m_referencePixel = {crpix.at(0).toDouble(qQNaN()), crpix.at(1).toDouble(qQNaN())};
    bool usable = crval.size() == 2 && crpix.size() == 2 && cd.size() == 4 && finite(wcs.m_reference)
        && std::isfinite(wcs.m_referencePixel.x) && std::isfinite(wcs.m_referencePixel.y);
    for (int i = 0; i < 4 && usable; ++i) {
        wcs.m_cd[i / 2][i % 2] = cd.at(i).toDouble(qQNaN());
        usable = std::isfinite(wcs.m_cd[i / 2][i % 2]);
    }
    if (!usable || !(std::fabs(wcs.m_cd[0][0] * wcs.m_cd[1][1] - wcs.m_cd[0][1] * wcs.m_cd[1][0]) > 0)) {
        qCritical("Plate solution: the worker's WCS is unusable");
        return std::nullopt;
    }
    wcs.m_valid = true;
    return wcs;
}
