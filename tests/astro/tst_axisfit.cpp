// The RA axis centre from the field's stars, on synthetic star sets turned about a known centre:
// a camera looking along the RA axis and one tilted against it, centroid noise, stars that come and
// go, wrong matches and spurious detections; the sky's own turn about the pole between positions
// taken minutes apart, and a camera that shifts between them.
#include "axisfit.h"
#include "axismeasurement.h"
#include "fieldturn.h"
#include "messagelog.h"
#include "staralgorithms.h"

#include <QtTest>
#include <cmath>
#include <limits>
#include <random>

using axisfit::Lens;
using axisfit::StarTrack;

namespace {

const double degree = CV_PI / 180;
const std::array<double, 3> turns = {0.0, 40 * degree, 80 * degree};

// A sky of stars around the RA axis, seen by a camera whose optical axis is tilted by `tiltDeg`
// against it (gnomonic projection, the lens's focal length and optical centre).
class Sky
{
public:
    Sky(unsigned seed, double tiltDeg, int stars) : m_random(seed)
    {
        const double t = tiltDeg * degree;
        m_axis = cv::Vec3d(std::sin(t) * 0.6, std::sin(t) * 0.8, std::cos(t));
        m_pole = turned(m_axis, 0.0, m_axis) + cv::Vec3d(1.5 * degree * 0.8, -1.5 * degree * 0.6, 0);
        m_pole = cv::normalize(m_pole);
        std::uniform_real_distribution<double> x(30, 1250), y(30, 930);
        for (int i = 0; i < stars; ++i)
            m_stars.push_back(direction({x(m_random), y(m_random)}));
    }

    // The image of the RA axis: the centre the stars turn about.
    cv::Point2d centre() const { return image(m_axis); }

    // The celestial pole 1.5 degrees from the axis: the point the sky itself turns about, with the
    // axis turned by `angle`.
    cv::Point2d pole(double angle = 0) const { return image(turned(m_pole, angle)); }

    // Star i without noise, as field() turns it.
    cv::Point2d star(size_t i, double angle, double skyTurn, cv::Point2d shift) const
    {
        return image(turned(turned(m_stars[i], skyTurn, m_pole), angle)) + shift;
    }

    // Every star inside the frame with the axis turned by `angle` after the sky turned by
    // `skyTurn` about the pole, measured with Gaussian noise, the whole picture moved by `shift`.
    std::vector<cv::Point2d> field(double angle, double noisePx, double skyTurn = 0, cv::Point2d shift = {})
    {
        std::normal_distribution<double> noise(0, noisePx);
        std::vector<cv::Point2d> seen;
        for (const cv::Vec3d &s : m_stars) {
            const cv::Point2d p = image(turned(turned(s, skyTurn, m_pole), angle)) + shift
                + cv::Point2d(noise(m_random), noise(m_random));
            if (p.inside(cv::Rect2d(20, 20, 1240, 920)))
                seen.push_back(p);
        }
        return seen;
    }

    const Lens lens = axisfit::cameraLens(cv::Size(1280, 960));

private:
    cv::Vec3d direction(const cv::Point2d &p) const
    {
        const cv::Point2d d = (p - lens.opticalCentre) / lens.focalPx;
        return cv::normalize(cv::Vec3d(d.x, d.y, 1));
    }
    cv::Point2d image(const cv::Vec3d &v) const
    {
        return lens.opticalCentre + cv::Point2d(v[0], v[1]) * (lens.focalPx / v[2]);
    }
    // Rodrigues' rotation about the axis (or `about`); positive angles turn clockwise on the screen.
    cv::Vec3d turned(const cv::Vec3d &v, double angle) const { return turned(v, angle, m_axis); }
    static cv::Vec3d turned(const cv::Vec3d &v, double angle, const cv::Vec3d &about)
    {
        return v * std::cos(angle) + about.cross(v) * std::sin(angle)
            + about * (about.dot(v) * (1 - std::cos(angle)));
    }

    std::mt19937 m_random;
    cv::Vec3d m_axis, m_pole;
    std::vector<cv::Vec3d> m_stars;
};

axisfit::Rotation roughly(const cv::Point2d &centre)
{
    // A three-point circle's centre is off by a few tenths of a pixel, the picked star's angles by
    // a few degrees when it lies near the centre.
    return {centre + cv::Point2d(0.4, -0.3), {0.0, turns[1] + 2.5 * degree, turns[2] - 3 * degree}};
}

double chiSquare(const axisfit::CentreFit &fit, const cv::Point2d &truth)
{
    const cv::Vec2d d(fit.centre.x - truth.x, fit.centre.y - truth.y);
    return (d.t() * fit.covariance.inv() * d)[0];
}

} // namespace

class TestAxisFit : public QObject
{
    Q_OBJECT

private slots:
    void centreLiesWithinItsCovariance_data();
    void centreLiesWithinItsCovariance();
    void wrongMatchesAreRejected();
    void degenerateInputFails();
    void betterDeterminedCentreIsChosen();
    void skyTurnBetweenPositionsIsTakenOut_data();
    void skyTurnBetweenPositionsIsTakenOut();
    void fieldTurnIsFoundAtAnyAngle_data();
    void fieldTurnIsFoundAtAnyAngle();
};

void TestAxisFit::centreLiesWithinItsCovariance_data()
{
    QTest::addColumn<double>("tiltDeg");
    QTest::addColumn<bool>("withLens");
    QTest::newRow("along the axis") << 0.0 << false;
    QTest::newRow("tilted 0.3 deg, perspective undone") << 0.3 << true;
}

// Over many skies the normalised squared error averages 2 (two coordinates) when the covariance is
// honest, and the centre lies within twice its radial sigma nearly always.
void TestAxisFit::centreLiesWithinItsCovariance()
{
    QFETCH(double, tiltDeg);
    QFETCH(bool, withLens);
    const int runs = 60;
    double chiSum = 0, squaredError = 0;
    int inside = 0;
    for (int seed = 1; seed <= runs; ++seed) {
        Sky sky(seed, tiltDeg, 30);
        std::array<std::vector<cv::Point2d>, 3> fields;
        for (int k = 0; k < 3; ++k)
            fields[k] = sky.field(turns[k], 0.08);
        const axisfit::Rotation rough = axisfit::refineRotation(fields, roughly(sky.centre()));
        QVERIFY(std::abs(rough.angles[1] - turns[1]) < 0.1 * degree);
        const axisfit::CentreFit fit = axisfit::fitRotationCentre(
            axisfit::matchStars(fields, rough), rough, withLens ? sky.lens : Lens {});
        QVERIFY2(fit.ok, fit.failure);
        QVERIFY(fit.starsUsed >= 15);
        QVERIFY(std::abs(fit.noisePx - 0.08) < 0.03);
        chiSum += chiSquare(fit, sky.centre());
        const double error = cv::norm(fit.centre - sky.centre());
        squaredError += error * error;
        inside += error <= 2 * axisfit::radialSigma(fit.covariance);
    }
    const double meanChi = chiSum / runs;
    QVERIFY2(meanChi > 1.4 && meanChi < 2.8, qPrintable(QString::number(meanChi)));
    QVERIFY2(inside >= 0.9 * runs, qPrintable(QString::number(inside)));
    // Thirty stars measured to 0.08 px: the centre to a few hundredths of a pixel.
    QVERIFY(std::sqrt(squaredError / runs) < 0.05);
}

// The picked star near the centre gives poor angles and the matching may follow a wrong star;
// stars that do not turn with the others are left out and the centre stays within its covariance.
void TestAxisFit::wrongMatchesAreRejected()
{
    Sky sky(7, 0.3, 30);
    std::array<std::vector<cv::Point2d>, 3> fields;
    for (int k = 0; k < 3; ++k)
        fields[k] = sky.field(turns[k], 0.05);
    const axisfit::Rotation rough = axisfit::refineRotation(fields, roughly(sky.centre()));
    std::vector<StarTrack> tracks = axisfit::matchStars(fields, rough);
    QVERIFY(tracks.size() >= 20);
    // Three tracks end on a neighbouring star, 2 to 3 px away: a wrong match.
    int wrong = 0;
    for (StarTrack &t : tracks)
        if (t.seen[2] && wrong < 3)
            t.at[2] += cv::Point2d(2.0 + 0.5 * wrong++, -1.5);
    QCOMPARE(wrong, 3);
    // A star that stood still in the first two positions and a satellite's trail.
    tracks.push_back({{{{300, 300}, {300, 300}, {}}}, {{true, true, false}}});
    tracks.push_back({{{{900, 200}, {905, 200}, {910, 200}}}, {{true, true, true}}});
    const axisfit::CentreFit fit = axisfit::fitRotationCentre(tracks, rough, sky.lens);
    QVERIFY2(fit.ok, fit.failure);
    QCOMPARE(fit.starsRejected, 5);
    QVERIFY2(chiSquare(fit, sky.centre()) < 13.8, // 99.9 % of a two-coordinate chi-square
        qPrintable(QString::number(cv::norm(fit.centre - sky.centre()))));

    // Spurious detections near predicted places make the matches ambiguous: those stars are not
    // followed rather than followed wrongly.
    std::array<std::vector<cv::Point2d>, 3> crowded = fields;
    for (const cv::Point2d &p : fields[1])
        crowded[1].push_back(p + cv::Point2d(3, 0));
    for (const StarTrack &t : axisfit::matchStars(crowded, rough))
        QVERIFY(!t.seen[1]);
}

void TestAxisFit::degenerateInputFails()
{
    MessageLog log;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto check = [](const axisfit::CentreFit &fit, const char *what) {
        QVERIFY2(!fit.ok, what);
        QVERIFY2(*fit.failure != '\0', what);
        QVERIFY2(fit.centre == cv::Point2d(0, 0) && cv::trace(fit.covariance) == 0, what);
    };
    Sky sky(3, 0.0, 30);
    std::array<std::vector<cv::Point2d>, 3> fields;
    for (int k = 0; k < 3; ++k)
        fields[k] = sky.field(turns[k], 0.05);
    const axisfit::Rotation rough = roughly(sky.centre());
    const std::vector<StarTrack> tracks = axisfit::matchStars(fields, axisfit::refineRotation(fields, rough));

    check(axisfit::fitRotationCentre({}, rough), "no stars");
    check(axisfit::fitRotationCentre({tracks.begin(), tracks.begin() + 2}, rough), "two stars");
    std::vector<StarTrack> withNan = tracks;
    withNan[0].at[1].x = nan;
    check(axisfit::fitRotationCentre(withNan, rough), "a NaN position");
    check(axisfit::fitRotationCentre(tracks, {{nan, 400}, rough.angles}), "a NaN centre");
    // The axis never turned: every star stands still and any point could be the centre.
    std::vector<StarTrack> still;
    for (const cv::Point2d &p : fields[0])
        still.push_back({{{p, p, p}}, {{true, true, true}}});
    check(axisfit::fitRotationCentre(still, {rough.centre, {0.0, 0.0, 0.0}}, sky.lens), "no turn");
    QVERIFY(axisfit::matchStars(fields, {{nan, nan}, rough.angles}).empty());
    QVERIFY(log.criticals().isEmpty());
}

void TestAxisFit::betterDeterminedCentreIsChosen()
{
    const std::array<cv::Point2d, 3> picked = {{{800, 480}, {750, 600}, {640, 650}}};
    double cx = 0, cy = 0;
    int radius = 0;
    QCOMPARE(starAlgorithms.CalcAxisCenter(picked[0].x, picked[0].y, picked[1].x, picked[1].y, picked[2].x,
                 picked[2].y, &cx, &cy, &radius),
        0);
    cv::Matx22d circle;
    QVERIFY(axisfit::threePointCovariance(picked, 0.1, &circle));
    cv::Matx22d doubled;
    QVERIFY(axisfit::threePointCovariance(picked, 0.2, &doubled));
    QVERIFY(std::abs(cv::trace(doubled) - 4 * cv::trace(circle)) < 1e-6 * cv::trace(circle));

    axisfit::CentreFit fit;
    fit.ok = true;
    fit.centre = {cx + 0.2, cy};
    fit.noisePx = 0.1;
    fit.covariance = circle * 0.01;
    axisfit::AxisCentre chosen;
    QVERIFY(axisfit::chooseAxisCentre(picked, {cx, cy}, fit, &chosen));
    QVERIFY(chosen.fromAllStars);
    QCOMPARE(chosen.centre, fit.centre);

    fit.covariance = circle * 2.0; // a fit of a few poor stars
    QVERIFY(axisfit::chooseAxisCentre(picked, {cx, cy}, fit, &chosen));
    QVERIFY(!chosen.fromAllStars);
    QCOMPARE(chosen.centre, cv::Point2d(cx, cy));

    // Without a fit the circle's covariance follows from a typical star's scatter.
    QVERIFY(axisfit::chooseAxisCentre(picked, {cx, cy}, axisfit::CentreFit(), &chosen));
    QVERIFY(!chosen.fromAllStars);
    QVERIFY(std::abs(cv::trace(chosen.covariance) - cv::trace(circle)) < 1e-9);
}

void TestAxisFit::skyTurnBetweenPositionsIsTakenOut_data()
{
    QTest::addColumn<bool>("useField");
    QTest::addColumn<double>("shiftPx");           // the camera shifts before the third position
    QTest::addColumn<double>("uncorrectedMissPx"); // at least, with the sky's turn left in
    // The RA turn between the frame where the pole was seen (150 s before the first position) and
    // the first position: a person who measures again after turning the axis. 0: seen at the first.
    QTest::addColumn<double>("turnedSinceSeenDeg");
    QTest::newRow("whole field, a minute apart") << true << 0.0 << 0.3 << 0.0;
    QTest::newRow("picked star's circle, a minute apart") << false << 0.0 << 0.3 << 0.0;
    QTest::newRow("whole field, camera shifted by 1 px") << true << 1.0 << 0.0 << 0.0;
    QTest::newRow("whole field, axis turned 50 deg after the pole was seen") << true << 0.0 << 0.3 << 50.0;
}

// The drive off, positions 60 and 130 s after the first: the sky turns about a pole 1.5 degrees
// from the axis. With the turn taken out the centre is found as if no time had passed and lies
// within its stated uncertainty; a shifted camera is told apart.
void TestAxisFit::skyTurnBetweenPositionsIsTakenOut()
{
    QFETCH(bool, useField);
    QFETCH(double, shiftPx);
    QFETCH(double, uncorrectedMissPx);
    QFETCH(double, turnedSinceSeenDeg);
    Sky sky(7, 0.3, 40);
    axismeasurement::SkyTurn turn {{0.0, 60.0, 130.0}, sky.pole(), 1};
    const double seenAt = -150, seenSkyTurn = -axismeasurement::siderealRadPerSec * seenAt;
    const axismeasurement::PoleSighting seen {sky.pole(-turnedSinceSeenDeg * degree), seenAt,
        sky.field(-turnedSinceSeenDeg * degree, 0.05, seenSkyTurn)};
    std::array<std::vector<cv::Point2d>, 3> fields;
    std::array<cv::Point2d, 3> picked;
    for (int k = 0; k < 3; ++k) {
        // About the north pole the sky turns anticlockwise on the screen: negative angles.
        const double skyTurn = -axismeasurement::siderealRadPerSec * turn.utc[size_t(k)];
        fields[size_t(k)]
            = sky.field(turns[size_t(k)], 0.05, skyTurn, k == 2 ? cv::Point2d(shiftPx, 0) : cv::Point2d());
        picked[size_t(k)]
            = sky.star(1, turns[size_t(k)], skyTurn, k == 2 ? cv::Point2d(shiftPx, 0) : cv::Point2d());
    }
    turn.poleAtFirst = axismeasurement::poleAtFirstPosition(seen, picked, fields[0], turn, sky.lens);
    const auto m = axismeasurement::measureAxis(picked, fields, turn, sky.lens, useField);
    QVERIFY2(m.ok, m.failure);
    const double miss = cv::norm(m.centre.centre - sky.centre());
    const QString figures = QStringLiteral("miss %1 px, sigma %2 px, inconsistency %3 px")
                                .arg(miss)
                                .arg(axisfit::radialSigma(m.centre.covariance))
                                .arg(m.inconsistencyPx);
    if (shiftPx > 0) {
        QVERIFY2(!m.consistent, qPrintable(figures));
        return;
    }
    QVERIFY2(m.consistent && m.centre.fromAllStars == useField, qPrintable(figures));
    // The circle through one star sees the tilted camera's perspective too; the field's fit does not.
    QVERIFY2((!useField || miss < 0.05) && miss <= 2 * axisfit::radialSigma(m.centre.covariance),
        qPrintable(figures));
    turn.hemisphere = 0;
    const double uncorrected = cv::norm(
        axismeasurement::measureAxis(picked, fields, turn, sky.lens, useField).centre.centre - sky.centre());
    QVERIFY2(uncorrected >= uncorrectedMissPx, qPrintable(QStringLiteral("left in: %1 px").arg(uncorrected)));
}

// The quick alignment follows the field from frame to frame however far the axis was turned
// between them: the turn, and the centre it implies, from the stars alone.
void TestAxisFit::fieldTurnIsFoundAtAnyAngle_data()
{
    QTest::addColumn<double>("angleDeg");
    QTest::addColumn<unsigned>("otherSky"); // not 0: the second frame shows the sky of this seed
    QTest::addColumn<int>("stars");
    QTest::addColumn<bool>("found");
    QTest::newRow("turned 40 deg") << 40.0 << 0u << 120 << true;
    QTest::newRow("turned back 170 deg") << -170.0 << 0u << 120 << true;
    QTest::newRow("still") << 0.0 << 0u << 120 << true;
    QTest::newRow("another sky") << 40.0 << 99u << 120 << false;
    QTest::newRow("five stars") << 40.0 << 0u << 5 << false;
}

void TestAxisFit::fieldTurnIsFoundAtAnyAngle()
{
    QFETCH(double, angleDeg);
    QFETCH(unsigned, otherSky);
    QFETCH(int, stars);
    QFETCH(bool, found);
    Sky sky(7, 0.3, stars);
    Sky other(otherSky, 0.3, stars);
    const std::vector<cv::Point2d> before = sky.field(0, 0.15);
    const std::vector<cv::Point2d> now = (otherSky ? other : sky).field(angleDeg * degree, 0.15);
    const FieldTurn turn = fieldTurnBetween(before, now);
    QCOMPARE(turn.ok, found);
    if (!found)
        return;
    QVERIFY2(std::fabs(turn.angleRad / degree - angleDeg) < 0.02, qPrintable(QString::number(turn.angleRad / degree)));
    QVERIFY(turn.starsMatched > 30);
    cv::Point2d centre;
    if (angleDeg != 0) {
        QVERIFY(turn.centre(&centre));
        QVERIFY2(cv::norm(centre - sky.centre()) < 1.0, qPrintable(QString::number(cv::norm(centre - sky.centre()))));
    }
}

QTEST_APPLESS_MAIN(TestAxisFit)
#include "tst_axisfit.moc"
