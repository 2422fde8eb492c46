// boltguide.h - which way each bolt moves the pole in the image, learnt while the user turns it,
// and where to stop turning each.
//
// Usage: setExpected() with the directions the orientation predicts (the altitude bolt moves the
// pole along the zenith's image direction, the azimuth bolt along the east's); addPole() with the
// monitored pole of every frame. A straight move of the pole of at least a few pixels is taken as
// one bolt's doing, the bolt whose direction it is closer to, and that bolt's direction becomes
// the move's: a mount whose bolts do not turn exactly in altitude and azimuth is learnt as it is.
// stops() then says where the pole must be when each bolt has been turned far enough that the
// other bolt alone brings it onto the axis centre. Image pixels; directions are lines (their sign
// does not matter).
#ifndef BOLTGUIDE_H
#define BOLTGUIDE_H

#include <opencv2/core.hpp>
#include <vector>

class BoltGuide
{
public:
    // Unit directions are made of any non-zero vectors; both are forgotten when they change.
    void setExpected(const cv::Vec2d &altitude, const cv::Vec2d &azimuth);
    void addPole(const cv::Point2d &pole);
    void restart(); // a new pole track: the next position starts it

    bool known() const { return m_known; }
    cv::Vec2d altitude() const { return m_altitude; }
    cv::Vec2d azimuth() const { return m_azimuth; }

    // The pole's position after turning only the altitude bolt (or only the azimuth bolt) so far
    // that the other one alone finishes the alignment. False when the directions are unknown or
    // nearly parallel.
    bool stops(const cv::Point2d &pole, const cv::Point2d &axis, cv::Point2d *altitudeStop,
        cv::Point2d *azimuthStop) const;

private:
    cv::Vec2d m_expectedAltitude, m_expectedAzimuth;
    cv::Vec2d m_altitude, m_azimuth;
    cv::Point2d m_anchor;
    std::vector<cv::Point2d> m_track; // since the anchor
    int m_runBolt = -1;               // 0 altitude, 1 azimuth: the bolt of the latest straight moves
    cv::Point2d m_runStart;           // where they began: a longer run gives a steadier direction
    bool m_known = false;
    bool m_anchored = false;
};

#endif // BOLTGUIDE_H
