// polestatistics.h - the monitored pole averaged over the latest frames, and how well the
// pole-minus-axis offset is known.
//
// The pole follows from the positions of reference stars A and B in each frame, which scatter with
// the noise and the seeing. The average over the frames of the last second is steadier; a pole that
// jumps by far more than that scatter (a bolt was turned) starts a new average at once, so the
// readout follows the bolts without delay.
//
// The offset's uncertainty combines three parts, each a 2 x 2 covariance in image pixels:
// - the averaged pole: the reference stars' scatter, measured from their frame-to-frame moves,
//   carried through the pole's construction (its Jacobian) and divided by the frames averaged;
// - the axis centre: the covariance of the fit (or of the three-point circle);
// - what no measurement shows: the error of the pole's angles at A and B and, while the refraction
//   correction is off, the refraction the correction would remove. Angles of the instant (apparent
//   places from the catalogue) leave what the plane triangle and the image's projection do not
//   describe: over thirty seeded alignments on the simulated sky the pole is off by 2 arcsec
//   root-mean-square with the refraction's share, at most 6. The
//   yearly star data, used when the catalogue cannot be read, leave out the annual aberration and
//   the months since their epoch: 10 to 25 arcsec on most dates, up to 35 just before the epoch
//   changes, about 20 root-mean-square over the year. The refraction correction leaves a few per
//   cent of the refraction: the formula's error, and weather entered for the site rather than
//   measured at the telescope (2 %: a few hPa and degrees off give 1 %; 1.4 arcsec at 40 degrees'
//   latitude, 6 at 10 degrees).
// The figure shown is the root-mean-square length of the offset's error, the square root of the
// covariance's trace, as it really is, neither widened for safety nor narrowed: a round error lies
// within it about two times in three and within twice it 98 % of the time.
#ifndef POLESTATISTICS_H
#define POLESTATISTICS_H

#include <deque>
#include <opencv2/core.hpp>

namespace polestatistics {

// The error of the pole computed from the angles at A and B (root-mean-square length, arcsec), with
// the angles of the instant and with the yearly star data's.
constexpr double instantAnglesErrorArcsec = 2.0;
constexpr double yearlyAnglesErrorArcsec = 20.0;
// The fraction of the refraction at the pole that the correction may miss (root-mean-square).
constexpr double refractionModelError = 0.02;
// The averaging window: the frames of about the last second, at least two, at most this many.
constexpr int maxFrames = 16;
// How many frames of `exposureUs` make the window.
int windowFrames(double exposureUs);

// Derivatives of the pole by (ax, ay, bx, by), as StarAlgorithms::CalcPoleCOOR computes it from
// stars A and B with the angles at them. False where the pole is not defined nearby.
bool poleJacobian(const cv::Point2d &a, double angleA, const cv::Point2d &b, double angleB,
    const cv::Point2d &reference, cv::Matx<double, 2, 4> *jacobian);

// Root-mean-square length of the pole-minus-axis offset's error, px: the averaged pole's and the
// axis centre's covariances and the errors no measurement shows (a length, px).
double offsetSigmaPx(const cv::Matx22d &poleCovariance, const cv::Matx22d &axisCovariance, double unseenPx);

class PoleAverager
{
public:
    // One frame: the measured stars and the pole computed from them with its Jacobian. The average
    // keeps the latest `windowFrames` frames.
    void add(const cv::Point2d &starA, const cv::Point2d &starB, const cv::Point2d &pole,
        const cv::Matx<double, 2, 4> &jacobian, int windowFrames);
    // Forgets the frames and the stars' last positions; their measured scatter is kept.
    void restart();

    bool empty() const { return m_frames.empty(); }
    int frames() const { return int(m_frames.size()); }
    cv::Point2d pole() const;
    // Of the averaged pole, px^2.
    cv::Matx22d covariance() const;
    // Of one frame's pole, px^2.
    cv::Matx22d frameCovariance() const;

private:
    // Per-coordinate variance of a star from the median of its recent squared moves.
    double starVariance(const std::deque<double> &squaredMoves) const;
    void noteMove(std::deque<double> *moves, bool *known, cv::Point2d *last, const cv::Point2d &now);

    std::deque<cv::Point2d> m_frames; // the poles of the latest frames
    cv::Matx<double, 2, 4> m_jacobian = cv::Matx<double, 2, 4>::zeros();
    std::deque<double> m_movesA, m_movesB; // squared frame-to-frame moves of stars A and B, px^2
    cv::Point2d m_lastA, m_lastB;
    bool m_lastAKnown = false, m_lastBKnown = false;
};

} // namespace polestatistics

#endif // POLESTATISTICS_H
