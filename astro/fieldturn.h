// fieldturn.h - how far the whole star field has turned between two frames, whatever the angle.
//
// A person (or a mount) turns the RA axis by tens of degrees between two frames the program looks
// at, so the field cannot be followed by looking near each star's last place. The turn is found
// from the stars' own geometry instead: the distance between two stars does not change when the
// field turns, so every pair of bright stars in one frame and every pair of the same length in the
// other vote for the angle between their directions; the angle most pairs agree on is the field's
// turn. The shift follows from the matched pairs, and every star that then finds its partner refines
// both by a least-squares fit of a turn and a shift.
//
// Usage:
//   const FieldTurn turn = fieldTurnBetween(startStars, nowStars);
//   if (turn.ok) qInfo("turned %.1f deg", turn.angleRad * 180 / CV_PI);
#ifndef FIELDTURN_H
#define FIELDTURN_H

#include <opencv2/core.hpp>
#include <optional>
#include <vector>

struct FieldTurn
{
    bool ok = false;
    double angleRad = 0;   // positive clockwise on the screen (y down), in (-pi, pi]
    cv::Point2d shift;     // now = R(angle) * before + shift
    int starsMatched = 0;  // stars of `before` found again
    double residualPx = 0; // root-mean-square distance of the matched stars from their predicted place

    // Where a point of the first frame lies in the second.
    cv::Point2d apply(const cv::Point2d &before) const;
    // The point the turn leaves in place (the RA axis's image); false for a turn too small to tell.
    bool centre(cv::Point2d *fixedPoint) const;
};

// The star of `stars` within `tolerancePx` of `near` when no other lies within twice that: a star
// found again without doubt.
std::optional<cv::Point2d> loneStarNear(
    const std::vector<cv::Point2d> &stars, const cv::Point2d &near, double tolerancePx);

// The turn and shift that carry the stars of `before` onto those of `now` (both brightest first, as
// findStars gives them). Fails (ok false) when too few stars agree: clouds, a frame of another sky,
// stars smeared by a turn during the exposure.
FieldTurn fieldTurnBetween(const std::vector<cv::Point2d> &before, const std::vector<cv::Point2d> &now);

#endif // FIELDTURN_H
