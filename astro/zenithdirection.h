// zenithdirection.h - which way the zenith lies in the image, from two identified stars.
//
// Usage: once the pattern stars A and B are identified in the image (the matched template), their
// places around the visible pole at the instant (starAroundPole) and the image's handedness
// (eastTurnInImage, from any three points of the pattern: the template's are enough) give the turn
// from the zenith direction to the line from A to B (zenithToLineTurnDeg). The image angle of that
// line, measured on every frame, minus the turn is the image angle of the zenith: it follows any
// camera roll and any RA turn without knowing either. Image angles are counter-clockwise from +x,
// atan2(-dy, dx), as in skyorientation.h.
#ifndef ZENITHDIRECTION_H
#define ZENITHDIRECTION_H

#include "poletriangles.h"
#include "skyorientation.h"

#include <optional>

// A star's place on the tangent plane at the visible pole: along the meridian towards the zenith
// and towards the east point, in degrees of sky.
struct AroundPole
{
    double towardsZenithDeg = 0;
    double towardsEastDeg = 0;
};

// At an instant (UTC seconds since 1970) and a site (geodetic latitude, north positive, which also
// chooses the pole; east longitude; degrees), without refraction. Empty, with a logged fault, when the
// inputs are not finite or ERFA rejects the instant.
std::optional<AroundPole> starAroundPole(
    const CatalogStar &star, double utcSeconds, double latitudeDeg, double longitudeDeg);

// +1 when in the image the east direction lies a quarter turn counter-clockwise of the zenith
// direction, -1 when clockwise (an unmirrored view: -1 facing the northern pole, +1 the southern).
// Decided by the turning sense of the triangle pole-A-B in the image against that on the sky;
// 0 when either triangle is degenerate.
int eastTurnInImage(const AroundPole &a, const AroundPole &b, const ImagePosition &poleInImage,
    const ImagePosition &aInImage, const ImagePosition &bInImage);

// The turn from the zenith direction to the line from A to B in the image's angles, degrees in
// (-180, 180]: the zenith's image angle is the line's image angle minus this.
double zenithToLineTurnDeg(const AroundPole &a, const AroundPole &b, int eastTurn);

#endif // ZENITHDIRECTION_H
