// platewcs.h - a plate solution's mapping between sky and image: a gnomonic (TAN) projection about
// a reference place with a linear pixel transformation, FITS's CRVAL/CRPIX/CD model. Pixels are
// 0-based (the centre of pixel (i, j) is (i, j)), x right, y down; sky places are astrometric
// RA/Dec in degrees.
#ifndef PLATEWCS_H
#define PLATEWCS_H

#include "skyorientation.h"

#include <QJsonObject>
#include <QVector>
#include <optional>

class PlateWcs
{
public:
    PlateWcs() = default;

    // The TAN projection about `reference` that maps the sample places to the sample pixels best
    // (least squares in pixels); empty with fewer than three samples or when they are degenerate.
    // rmsPx receives the fit's root-mean-square residual.
    static std::optional<PlateWcs> fit(const SkyPlace &reference, const QVector<ImagePosition> &pixels,
        const QVector<SkyPlace> &places, double *rmsPx = nullptr);

    bool isValid() const { return m_valid; }
    // Empty for a place 90 degrees or more from the reference (behind the projection).
    std::optional<ImagePosition> pixelOf(const SkyPlace &place) const;
    SkyPlace placeOf(const ImagePosition &pixel) const;
    // The mean scale, sqrt|det CD|, in arcseconds per pixel.
    double scaleArcsecPerPx() const;
    // True when the image is the sky's mirror image (east and north turn the other way round).
    bool mirrored() const;

    QJsonObject toJson() const;
    // Empty (and a logged fault) when the object does not hold a usable WCS.
    static std::optional<PlateWcs> fromJson(const QJsonObject &json);

private:
    bool m_valid = false;
    SkyPlace m_reference;
    ImagePosition m_referencePixel;
    double m_cd[2][2] = {{0, 0}, {0, 0}}; // degrees of standard coordinates (xi, eta) per pixel
};

#endif // PLATEWCS_H
