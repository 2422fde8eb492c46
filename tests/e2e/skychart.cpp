#include "skychart.h"

#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <erfa.h>
#include <erfam.h>
#include <opencv2/imgproc.hpp>

namespace e2e {

namespace {

constexpr double kUnixEpochJd = 2440587.5;
// Pairs of points closer than this give a poorly determined turn.
constexpr double kShortestBasePx = 40;
// How many of the brightest points pairs are formed from, and how many are compared.
constexpr size_t kPairSources = 10;
constexpr size_t kPairTargets = 30;
constexpr size_t kComparedPoints = 40;

double distance(const QPointF &a, const QPointF &b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// The value of the histogram's middle count: the median of an 8-bit image.
int medianOf(const cv::Mat &hist, double total)
{
    double seen = 0;
    for (int v = 0; v < hist.rows; ++v) {
        seen += hist.at<float>(v);
        if (seen >= total / 2)
            return v;
    }
    return hist.rows - 1;
}

cv::Mat histogramOf(const cv::Mat &image)
{
    const int channels[] = {0};
    const int size[] = {256};
    const float range[] = {0, 256};
    const float *ranges[] = {range};
    cv::Mat hist;
    cv::calcHist(&image, 1, channels, cv::Mat(), hist, 1, size, ranges);
    return hist;
}

int nearestIndex(const std::vector<QPointF> &points, size_t count, const QPointF &p, double tolerance)
{
    int best = -1;
    double bestDistance = tolerance;
    for (size_t i = 0; i < std::min(count, points.size()); ++i) {
        const double d = distance(points[i], p);
        if (d <= bestDistance) {
            bestDistance = d;
            best = int(i);
        }
    }
    return best;
}

// The pairs (index in from, index in to) that `map` lays within the tolerance of each other.
std::vector<std::pair<int, int>> agreeingPairs(
    const PatternMap &map, const std::vector<QPointF> &from, const std::vector<QPointF> &to, double tolerance)
{
    std::vector<std::pair<int, int>> pairs;
    for (size_t i = 0; i < std::min(kComparedPoints, from.size()); ++i) {
        const int j = nearestIndex(to, kComparedPoints, map.apply(from[i]), tolerance);
        if (j >= 0)
            pairs.emplace_back(int(i), j);
    }
    return pairs;
}

// The least-squares turn and shift (mirror kept) of the agreeing pairs.
PatternMap refined(PatternMap map, const std::vector<QPointF> &from, const std::vector<QPointF> &to,
    const std::vector<std::pair<int, int>> &pairs)
{
    auto source = [&](int i) { return map.mirrored ? QPointF(from[i].x(), -from[i].y()) : from[i]; };
    QPointF meanFrom, meanTo;
    for (const auto &[i, j] : pairs) {
        meanFrom += source(i);
        meanTo += to[size_t(j)];
    }
    meanFrom /= double(pairs.size());
    meanTo /= double(pairs.size());
    double sinSum = 0, cosSum = 0;
    for (const auto &[i, j] : pairs) {
        const QPointF a = source(i) - meanFrom, b = to[size_t(j)] - meanTo;
        cosSum += a.x() * b.x() + a.y() * b.y();
        sinSum += a.x() * b.y() - a.y() * b.x();
    }
    map.angleRad = std::atan2(sinSum, cosSum);
    const double c = std::cos(map.angleRad), s = std::sin(map.angleRad);
    map.shift = meanTo - QPointF(c * meanFrom.x() - s * meanFrom.y(), s * meanFrom.x() + c * meanFrom.y());
    return map;
}

} // namespace

QPointF PatternMap::apply(const QPointF &p) const
{
    const QPointF q = mirrored ? QPointF(p.x(), -p.y()) : p;
    const double c = std::cos(angleRad), s = std::sin(angleRad);
    return QPointF(c * q.x() - s * q.y(), s * q.x() + c * q.y()) + shift;
}

std::vector<SeenStar> seenStars(const QImage &shown, double zoom)
{
    std::vector<SeenStar> stars;
    if (shown.isNull() || shown.depth() != 32 || zoom <= 0)
        return stars;
    const cv::Mat bgra(shown.height(), shown.width(), CV_8UC4, const_cast<uchar *>(shown.constBits()),
        size_t(shown.bytesPerLine()));
    cv::Mat channels[4];
    cv::split(bgra, channels);
    cv::Mat grey = cv::min(cv::min(channels[0], channels[1]), channels[2]);

    // The sky's level and noise from the median and the median absolute deviation.
    const double total = double(grey.total());
    const int background = medianOf(histogramOf(grey), total);
    cv::Mat deviation;
    cv::absdiff(grey, cv::Scalar(background), deviation);
    const double noise = 1.4826 * std::max(1, medianOf(histogramOf(deviation), total));
    const cv::Mat bright = grey > background + 5 * noise;

    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(bright, labels, stats, centroids, 8, CV_32S);
    const int smallest = std::max(1, int(std::lround(2 * zoom * zoom)));
    for (int i = 1; i < count; ++i) {
        if (stats.at<int>(i, cv::CC_STAT_AREA) < smallest)
            continue; // a hot pixel
        const cv::Rect box
            = cv::Rect(stats.at<int>(i, cv::CC_STAT_LEFT) - 2, stats.at<int>(i, cv::CC_STAT_TOP) - 2,
                  stats.at<int>(i, cv::CC_STAT_WIDTH) + 4, stats.at<int>(i, cv::CC_STAT_HEIGHT) + 4)
            & cv::Rect(0, 0, grey.cols, grey.rows);
        double sum = 0, sx = 0, sy = 0;
        for (int y = box.y; y < box.y + box.height; ++y) {
            for (int x = box.x; x < box.x + box.width; ++x) {
                const double v = std::max(0, int(grey.at<uchar>(y, x)) - background);
                sum += v;
                sx += v * x;
                sy += v * y;
            }
        }
        if (sum > 0)
            stars.push_back({QPointF(sx / sum, sy / sum) / zoom, sum / (zoom * zoom)});
    }
    std::sort(
        stars.begin(), stars.end(), [](const SeenStar &a, const SeenStar &b) { return a.flux > b.flux; });
    return stars;
}

SkyChart::SkyChart(
    const QString &catalogCsv, bool south, double unixSeconds, double radiusDeg, double faintestVmag)
{
    QFile file(catalogCsv);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_error = QStringLiteral("cannot read the catalogue %1").arg(catalogCsv);
        return;
    }
    // The pole of the date, with the stars carried along by their proper motions; UTC stands in
    // for TT (a minute moves the pole by nothing a chart shows).
    const double jd = kUnixEpochJd + unixSeconds / 86400.0;
    double toDate[3][3];
    eraPnm06a(jd, 0.0, toDate);
    const double years = (jd - ERFA_DJ00) / 365.25;
    const double sign = south ? -1 : 1;
    const double pixelsPerRadian = ERFA_DR2AS / kPlateScaleArcsecPerPx;
    const double minPoleDistance = std::cos(radiusDeg * ERFA_DD2R);

    QTextStream in(&file);
    in.readLine(); // the header
    while (!in.atEnd()) {
        // Columns: id, ra_deg, dec_deg, epoch, pmra_mas_yr, pmdec_mas_yr, parallax_mas, vmag, name.
        const QStringList fields = in.readLine().split(QLatin1Char(','));
        if (fields.size() < 8)
            continue;
        const double vmag = fields[7].toDouble();
        const double dec = fields[2].toDouble() + fields[5].toDouble() / 3.6e6 * years;
        if (vmag > faintestVmag || dec * sign < 90 - radiusDeg - 1)
            continue;
        const double decRad = dec * ERFA_DD2R;
        const double ra = fields[1].toDouble() * ERFA_DD2R
            + fields[4].toDouble() / 3.6e6 * years * ERFA_DD2R / std::cos(decRad);
        double j2000[3], date[3];
        eraS2c(ra, decRad, j2000);
        eraRxp(toDate, j2000, date);
        const double up = sign * date[2];
        if (up < minPoleDistance)
            continue;
        m_stars.push_back({fields[0].toStdString(), vmag,
            QPointF(date[0] / up * pixelsPerRadian, sign * date[1] / up * pixelsPerRadian)});
    }
    std::sort(m_stars.begin(), m_stars.end(),
        [](const ChartStar &a, const ChartStar &b) { return a.vmag < b.vmag; });
    if (m_stars.empty())
        m_error = QStringLiteral("no chart stars in %1").arg(catalogCsv);
}

std::optional<ChartStar> SkyChart::star(const std::string &id) const
{
    for (const ChartStar &s : m_stars) {
        if (s.id == id)
            return s;
    }
    return std::nullopt;
}

std::optional<PatternMap> matchPattern(const std::vector<QPointF> &from, const std::vector<QPointF> &to,
    bool allowMirror, double tolerancePx, int minMatches)
{
    std::optional<PatternMap> best;
    const size_t sources = std::min(kPairSources, from.size());
    const size_t targets = std::min(kPairTargets, to.size());
    for (const bool mirrored : {false, true}) {
        if (mirrored && !allowMirror)
            break;
        auto source = [&](size_t i) { return mirrored ? QPointF(from[i].x(), -from[i].y()) : from[i]; };
        for (size_t a = 0; a < sources; ++a) {
            for (size_t b = a + 1; b < sources; ++b) {
                const QPointF fa = source(a), fb = source(b);
                const double baseFrom = distance(fa, fb);
                if (baseFrom < kShortestBasePx)
                    continue;
                for (size_t i = 0; i < targets; ++i) {
                    for (size_t j = 0; j < targets; ++j) {
                        if (i == j || std::abs(distance(to[i], to[j]) - baseFrom) > tolerancePx)
                            continue;
                        PatternMap map;
                        map.mirrored = mirrored;
                        map.angleRad = std::atan2(to[j].y() - to[i].y(), to[j].x() - to[i].x())
                            - std::atan2(fb.y() - fa.y(), fb.x() - fa.x());
                        map.shift = QPointF();
                        map.shift = to[i] - map.apply(from[a]);
                        map.matches = int(agreeingPairs(map, from, to, tolerancePx).size());
                        if (!best || map.matches > best->matches)
                            best = map;
                    }
                }
            }
        }
    }
    if (!best || best->matches < minMatches)
        return std::nullopt;
    // Settle the map on every agreeing pair, then count again.
    PatternMap map = refined(*best, from, to, agreeingPairs(*best, from, to, tolerancePx));
    map.matches = int(agreeingPairs(map, from, to, tolerancePx).size());
    return map.matches >= minMatches ? std::optional<PatternMap>(map) : std::nullopt;
}

} // namespace e2e
