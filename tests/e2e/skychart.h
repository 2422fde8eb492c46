// skychart.h - the virtual observer's eyes and star chart.
//
// A person at the mount sees stars as bright points in the shown image and recognises them with a
// chart of the sky around the pole. Both are here, free of the program and of the simulator:
// - seenStars finds the stars in the pixels of the shown image (its own simple detection);
// - SkyChart places the catalogue's brighter stars around the pole of the night's date on a plane
//   at the camera's plate scale, as a printed finder chart would;
// - matchPattern finds the turn and shift that lay one set of points onto another (the chart onto
//   the image, or the image before a turn of the mount onto the image after it).
#ifndef SKYCHART_H
#define SKYCHART_H

#include <QImage>
#include <QPointF>
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// The camera's plate scale at the centre of the frame: 3.75 um pixels behind a 25.4 mm lens.
constexpr double kPlateScaleArcsecPerPx = 206264.806 * 3.75e-3 / 25.4;

struct SeenStar
{
    QPointF position; // frame pixels
    double flux = 0;  // summed counts above the background
};

// The stars of an image the window shows (any 32-bit format) at `zoom`, brightest first. Colour
// marks drawn over the image are not stars: only the pixels' grey part (their darkest channel) counts.
std::vector<SeenStar> seenStars(const QImage &shown, double zoom);

struct ChartStar
{
    std::string id;
    double vmag = 0;
    QPointF position; // chart pixels, the pole at (0, 0)
};

class SkyChart
{
public:
    // The catalogue's stars within `radiusDeg` of the pole of the hemisphere at the UTC instant,
    // down to `faintestVmag`, brightest first.
    SkyChart(
        const QString &catalogCsv, bool south, double unixSeconds, double radiusDeg, double faintestVmag);

    const std::vector<ChartStar> &stars() const { return m_stars; }
    std::optional<ChartStar> star(const std::string &id) const;
    QString error() const { return m_error; }

private:
    std::vector<ChartStar> m_stars;
    QString m_error;
};

// A turn about the origin, optionally mirrored first, then a shift: how one set of points lies on
// another.
struct PatternMap
{
    double angleRad = 0;
    bool mirrored = false;
    QPointF shift;
    int matches = 0;

    QPointF apply(const QPointF &p) const;
};

// The map that lays the most points of `from` (brightest first) within `tolerancePx` of points of
// `to` (brightest first), tried on pairs of the brighter points of both; empty when fewer than
// `minMatches` points agree.
std::optional<PatternMap> matchPattern(const std::vector<QPointF> &from, const std::vector<QPointF> &to,
    bool allowMirror, double tolerancePx, int minMatches);

} // namespace e2e

#endif // SKYCHART_H
