// The simulated sky judged by its own truth and by independent ERFA computations: rendered stars
// sit where the truth says, the image turns about the RA axis, the pole and the mount behave as
// on a real sky, and the sensor shows what a real one would.
#include "simcontrol.h"
#include "skysimulator.h"

#include <QtTest>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <erfa.h>
#include <erfam.h>
#include <opencv2/core.hpp>
#include <thread>

using namespace karvix::sim;

namespace {

constexpr double kDec8_2026 = 1796688000.0; // 2026-12-08 00:00 UTC
constexpr double kFocalPx = 206264.80624709636 / 30.5;
const char *const kPolaris = "Polaris (alpha UMi)";

double distance(const ImagePoint &a, const ImagePoint &b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Angle on the sky between two image points, arcsec, inverting the camera's gnomonic projection
// (30.5 arcsec per pixel, optical centre at the middle of the frame).
double skyAngleArcsec(const ImagePoint &a, const ImagePoint &b)
{
    const cv::Vec3d u((a.x - 639.5) / kFocalPx, (a.y - 479.5) / kFocalPx, 1.0);
    const cv::Vec3d v((b.x - 639.5) / kFocalPx, (b.y - 479.5) / kFocalPx, 1.0);
    return std::atan2(cv::norm(u.cross(v)), u.dot(v)) * 206264.80624709636;
}

// Intensity-weighted centroid of the pixels above `background` within `radius` of (x, y).
ImagePoint centroid(const cv::Mat &frame, const ImagePoint &near, int radius, double background)
{
    double sum = 0, sx = 0, sy = 0;
    const int cx = int(std::lround(near.x)), cy = int(std::lround(near.y));
    for (int y = cy - radius; y <= cy + radius; ++y) {
        for (int x = cx - radius; x <= cx + radius; ++x) {
            const double v = frame.at<uchar>(y, x) - background;
            sum += v;
            sx += v * x;
            sy += v * y;
        }
    }
    return {sx / sum, sy / sum};
}

double median(const cv::Mat &frame)
{
    std::vector<uchar> v(frame.begin<uchar>(), frame.end<uchar>());
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// Stars of the frame down to `faintest` with no other catalogue star (to V 11) within
// `clearance` pixels and at least `clearance` pixels from the edges.
std::vector<StarTruth> isolatedStars(
    const SkySimulator &sky, double brightest, double faintest, double clearance)
{
    const auto all = sky.starsInFrame(11.0);
    std::vector<StarTruth> result;
    for (const StarTruth &s : all) {
        if (s.vmag < brightest || s.vmag > faintest)
            continue;
        const ImagePoint p = s.position;
        if (p.x < clearance || p.y < clearance || p.x > 1279 - clearance || p.y > 959 - clearance)
            continue;
        const bool alone = std::none_of(all.begin(), all.end(), [&](const StarTruth &o) {
            return o.catalogIndex != s.catalogIndex && distance(o.position, p) < clearance;
        });
        if (alone)
            result.push_back(s);
    }
    return result;
}

// Centre of the circle through three points.
ImagePoint circleCentre(const ImagePoint &a, const ImagePoint &b, const ImagePoint &c)
{
    const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
    const double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
    return {(a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
        (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d};
}

} // namespace

class TestSkySimulator : public QObject
{
    Q_OBJECT

private slots:
    void noiselessCentroidIsTheTruth();
    void raTurnMovesStarsOnCirclesAboutTheAxisCentre();
    void renderedStarsTurnAboutTheAxisCentre();
    void poleOnTheAxisImagesAtTheAxisCentre_data();
    void poleOnTheAxisImagesAtTheAxisCentre();
    void holderTurnsTheHorizonToTheTop_data();
    void holderTurnsTheHorizonToTheTop();
    void polarisDistanceFromThePoleMatchesErfa_data();
    void polarisDistanceFromThePoleMatchesErfa();
    void trackingHoldsTheSkyStill();
    void boltsMoveThePoleInTheImage();
    void randomErrorIsWithinRange();
    void sensorShowsStarsToMagnitude8AndSaturatesPolaris();
    void seededRunsRepeat();
    void dateOutsideErfaRangeRendersNoStars();
    void nonFiniteInputsAreIgnored();
    void captureAndGuiThreadsDoNotRace();
};

// An ideal sensor's star: its intensity centroid lies within 0.05 px of the truth position.
void TestSkySimulator::noiselessCentroidIsTheTruth()
{
    SkySimulator sky;
    sky.setClock(kDec8_2026);
    sky.setIdealSensor(true);
    cv::Mat frame;
    sky.renderFrame(50000, 50, frame);
    const double background = median(frame);
    double worst = 0;
    int measured = 0;
    for (const StarTruth &s : isolatedStars(sky, 5.0, 7.0, 12)) {
        const ImagePoint c = centroid(frame, s.position, 5, background);
        if (frame.at<uchar>(int(std::lround(s.position.y)), int(std::lround(s.position.x))) == 255)
            continue; // a saturated core has no centroid to speak of
        worst = std::max(worst, distance(c, s.position));
        ++measured;
    }
    qInfo("%d isolated V 5-7 stars: largest centroid error %.4f px", measured, worst);
    QVERIFY(measured >= 10);
    QVERIFY2(worst < 0.05, qPrintable(QString("centroid error %1 px").arg(worst)));
}

// On the sky each star moves on a circle about the RA axis; the camera's tilt makes the image of
// that circle slightly non-circular (gnomonic projection about a point 35 px off the axis centre,
// a few tenths of a pixel at the frame's edge). With no tilt the image circles are exact.
void TestSkySimulator::raTurnMovesStarsOnCirclesAboutTheAxisCentre()
{
    for (const double tilt : {0.0, 0.3}) {
        SkySimulator sky;
        sky.setClock(kDec8_2026);
        sky.setCameraTilt(tilt, 70);
        const ImagePoint axis = *sky.axisCentre();
        const auto stars = sky.starsInFrame(8.0);
        QVERIFY(stars.size() > 50);
        double worst = 0;
        for (const double turn : {25.0, 90.0, 180.0, 300.0}) {
            sky.setRaAxis(turn);
            QVERIFY(distance(*sky.axisCentre(), axis) < 1e-6);
            for (const StarTruth &s : stars) {
                const auto p = sky.starPosition(s.id);
                QVERIFY(p);
                const double r0 = distance(s.position, axis), r = distance(*p, axis);
                worst = std::max(worst, std::fabs(r - r0));
            }
        }
        qInfo("tilt %.1f deg: %zu stars to V 8, largest change of distance from the axis centre %.4f px",
            tilt, stars.size(), worst);
        QVERIFY2(worst < (tilt == 0 ? 1e-6 : 1.0), qPrintable(QString("%1 px").arg(worst)));
    }
}

// From rendered frames, as the program does it: a star measured at three RA positions gives a
// circle whose centre is the truth's axis centre.
void TestSkySimulator::renderedStarsTurnAboutTheAxisCentre()
{
    SkySimulator sky;
    sky.setClock(kDec8_2026);
    sky.setIdealSensor(true);
    const ImagePoint axis = *sky.axisCentre();
    // A star well away from the axis centre, that stays inside the frame as the axis turns.
    const auto stars = isolatedStars(sky, 4.0, 7.0, 12);
    const auto star = std::find_if(stars.begin(), stars.end(), [&](const StarTruth &s) {
        const double r = distance(s.position, axis);
        return r > 150 && r < 400;
    });
    QVERIFY(star != stars.end());
    ImagePoint seen[3];
    const double turns[3] = {0, 40, 80};
    cv::Mat frame;
    for (int i = 0; i < 3; ++i) {
        sky.setRaAxis(turns[i]);
        sky.renderFrame(50000, 50, frame);
        seen[i] = centroid(frame, *sky.starPosition(star->id), 5, median(frame));
    }
    const ImagePoint centre = circleCentre(seen[0], seen[1], seen[2]);
    qInfo("%s at %.0f px: circle centre (%.3f, %.3f), truth axis centre (%.3f, %.3f), off by %.3f px",
        star->id.c_str(), distance(star->position, axis), centre.x, centre.y, axis.x, axis.y,
        distance(centre, axis));
    QVERIFY(distance(centre, axis) < 0.5);
}

void TestSkySimulator::poleOnTheAxisImagesAtTheAxisCentre_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("pressure");
    QTest::newRow("Beijing") << 39.9 << 1010.0;
    QTest::newRow("Beijing, no air") << 39.9 << 0.0;
    QTest::newRow("Sydney") << -33.9 << 1010.0;
    QTest::newRow("Tromso") << 69.6 << 1010.0;
}

// With the polar axis on the true pole, the true pole's image is the axis centre. The refracted
// pole is lifted by the refraction at the pole's altitude (about 1 arcmin at 40 degrees).
void TestSkySimulator::poleOnTheAxisImagesAtTheAxisCentre()
{
    QFETCH(double, latitude);
    QFETCH(double, pressure);
    SkySimulator sky;
    sky.setClock(kDec8_2026);
    Site site;
    site.latitudeDeg = latitude;
    site.pressureHpa = pressure;
    sky.setSite(site);
    sky.setPolarError(0, 0);
    QVERIFY(sky.polarError().totalArcsec < 1e-6);
    const ImagePoint axis = *sky.axisCentre(), pole = *sky.truePolePosition(),
                     refracted = *sky.refractedPolePosition();
    const double lift = skyAngleArcsec(pole, refracted);
    // Refraction of Bennett (1982) at the pole's altitude, with ERFA's pressure/temperature scaling.
    const double h = std::fabs(latitude);
    const double bennett
        = 60.0 / std::tan((h + 7.31 / (h + 4.4)) * M_PI / 180) * (pressure / 1010.0) * (283.0 / 283.15);
    qInfo(
        "axis centre (%.3f, %.3f), true pole off by %.2e px, refracted pole %.1f arcsec away (Bennett %.1f)",
        axis.x, axis.y, distance(axis, pole), lift, bennett);
    QVERIFY(distance(axis, pole) < 1e-6);
    QVERIFY2(
        std::fabs(lift - bennett) < 0.07 * 60, qPrintable(QString("%1 vs %2 arcsec").arg(lift).arg(bennett)));
    // The axis centre is some 30-40 px from the image centre (0.3 degree tilt).
    const double offCentre = std::hypot(axis.x - 639.5, axis.y - 479.5);
    QVERIFY(offCentre > 30 && offCentre < 40);
}

void TestSkySimulator::holderTurnsTheHorizonToTheTop_data()
{
    QTest::addColumn<uint>("seed");
    QTest::addColumn<double>("latitude");
    QTest::newRow("Beijing, default camera") << uint(SkySimulator::kDefaultSeed) << 39.9;
    QTest::newRow("Beijing, camera 7") << 7u << 39.9;
    QTest::newRow("Sydney, camera 11") << 11u << -33.9;
    QTest::newRow("Tromso, camera 3") << 3u << 69.6;
}

// Refraction lifts the pole straight towards the zenith. In the holder, at RA home with the polar
// axis on the pole, that is straight down the image (angle 0 from +y) within the 1 degree
// mounting tolerance; unrolled, straight up. The 0.3 degree tilt turns the image by far less.
void TestSkySimulator::holderTurnsTheHorizonToTheTop()
{
    QFETCH(uint, seed);
    QFETCH(double, latitude);
    SkySimulator sky(seed);
    sky.setClock(kDec8_2026);
    Site site;
    site.latitudeDeg = latitude;
    sky.setSite(site);
    sky.setPolarError(0, 0);
    auto zenithwardDeg = [&sky] {
        const ImagePoint pole = *sky.truePolePosition(), lifted = *sky.refractedPolePosition();
        return std::atan2(lifted.x - pole.x, lifted.y - pole.y) * 180 / M_PI;
    };
    const double held = zenithwardDeg();
    sky.setCameraRoll(0);
    const double unrolled = std::remainder(zenithwardDeg() - 180, 360);
    qInfo("zenith %.2f deg from straight down the image in the holder; %.2f deg from straight up unrolled",
        held, unrolled);
    QVERIFY2(std::fabs(held) < 1.02, qPrintable(QString("%1 deg").arg(held)));
    QVERIFY2(std::fabs(unrolled) < 0.02, qPrintable(QString("%1 deg").arg(unrolled)));
}

void TestSkySimulator::polarisDistanceFromThePoleMatchesErfa_data()
{
    QTest::addColumn<double>("unixTime");
    QTest::addColumn<bool>("aberration");
    QTest::newRow("2026-12-08 00:00") << kDec8_2026 << true;
    QTest::newRow("2020-03-01 03:00") << 1583031600.0 << true;
    QTest::newRow("2030-06-21 18:00") << 1908295200.0 << true;
    QTest::newRow("2026-12-08 00:00, mean places") << kDec8_2026 << false;
    QTest::newRow("2030-06-21 18:00, mean places") << 1908295200.0 << false;
}

// Polaris's angular distance from the true pole in the image agrees with 90 degrees minus its
// declination from ERFA within 0.5 arcsec: the CIRS place of eraAtci13, or without annual
// aberration the mean place of date (eraPmsafe, then eraC2i06a). Diurnal aberration, which the
// aberrated image has and eraAtci13's geocentric place has not, is at most 0.3 arcsec.
void TestSkySimulator::polarisDistanceFromThePoleMatchesErfa()
{
    QFETCH(double, unixTime);
    QFETCH(bool, aberration);
    SkySimulator sky;
    sky.setClock(unixTime);
    sky.setAnnualAberration(aberration);
    Site site;
    site.pressureHpa = 0;
    sky.setSite(site);
    const double inImage = skyAngleArcsec(*sky.starPosition(kPolaris), *sky.truePolePosition());

    // Polaris as in the catalogue: ICRS J2000, proper motion in mas/yr (mu_alpha*).
    const double ra = 37.95461297 * ERFA_DD2R, dec = 89.26410812 * ERFA_DD2R;
    const double pmRa = 44.48 / 1000 * ERFA_DAS2R / std::cos(dec), pmDec = -11.85 / 1000 * ERFA_DAS2R;
    double tt1, tt2, tai1, tai2, di;
    const double days = unixTime / 86400.0;
    eraUtctai(2440587.5 + std::floor(days), days - std::floor(days), &tai1, &tai2);
    eraTaitt(tai1, tai2, &tt1, &tt2);
    if (aberration) {
        double ri, eo;
        eraAtci13(ra, dec, pmRa, pmDec, 0, 0, tt1, tt2, &ri, &di, &eo);
    } else {
        double ra2, dec2, pmr, pmd, px, rv, icrs[3], cirs[3], c2i[3][3];
        eraPmsafe(ra, dec, pmRa, pmDec, 0, 0, ERFA_DJ00, 0, tt1, tt2, &ra2, &dec2, &pmr, &pmd, &px, &rv);
        eraS2c(ra2, dec2, icrs);
        eraC2i06a(tt1, tt2, c2i);
        eraRxp(c2i, icrs, cirs);
        di = std::asin(cirs[2]);
    }
    const double erfa = (M_PI / 2 - di) * ERFA_DR2AS;
    qInfo("Polaris from the pole: %.3f arcsec in the image, %.3f arcsec from ERFA, difference %.3f", inImage,
        erfa, inImage - erfa);
    QVERIFY2(std::fabs(inImage - erfa) < 0.5, qPrintable(QString("%1 vs %2").arg(inImage).arg(erfa)));
}

// Tracking turns the RA axis with the sky: with the axis on the pole an hour passes and the stars
// stay put; without tracking Polaris moves 15 degrees round the pole.
void TestSkySimulator::trackingHoldsTheSkyStill()
{
    for (const double latitude : {39.9, -33.9}) {
        SkySimulator sky;
        sky.setClock(kDec8_2026);
        Site site;
        site.latitudeDeg = latitude;
        site.pressureHpa = 0;
        sky.setSite(site);
        sky.setPolarError(0, 0);
        const std::string star = latitude > 0 ? kPolaris : "Polaris Australis (sigma Oct)";
        const ImagePoint before = *sky.starPosition(star);
        sky.setTracking(true);
        sky.stepClock(3600);
        const double tracked = distance(*sky.starPosition(star), before);
        sky.setTracking(false);
        sky.stepClock(3600);
        const double untracked = distance(*sky.starPosition(star), before);
        const double radius = distance(before, *sky.truePolePosition());
        const double expected = 2 * radius * std::sin(15.04 / 2 * M_PI / 180);
        qInfo("latitude %.1f: tracked hour moved %.3f px, untracked hour %.2f px (expected %.2f)", latitude,
            tracked, untracked, expected);
        QVERIFY(tracked < 0.1);
        QVERIFY(std::fabs(untracked - expected) < 0.5);
    }
}

// A bolt turn moves the polar axis, and the pole's image by that angle (the axis centre stays
// where it is, the camera being fixed to the mount): 10' of altitude is 19.7 px, 10' of azimuth
// is 19.7 px times cos(altitude).
void TestSkySimulator::boltsMoveThePoleInTheImage()
{
    SkySimulator sky;
    sky.setClock(kDec8_2026);
    const PolarError e0 = sky.polarError();
    const ImagePoint axis0 = *sky.axisCentre(), pole0 = *sky.truePolePosition();
    sky.turnAltitudeBolt(10);
    const PolarError e1 = sky.polarError();
    const ImagePoint pole1 = *sky.truePolePosition();
    sky.turnAzimuthBolt(-10);
    const PolarError e2 = sky.polarError();
    const ImagePoint pole2 = *sky.truePolePosition();
    QVERIFY(distance(*sky.axisCentre(), axis0) < 1e-6);
    QCOMPARE(qRound(e1.altitudeArcsec - e0.altitudeArcsec), 600);
    QCOMPARE(qRound(e2.azimuthArcsec - e1.azimuthArcsec), -600);
    const double altPx = skyAngleArcsec(pole0, pole1), azPx = skyAngleArcsec(pole1, pole2);
    qInfo("10' bolt turns moved the pole %.2f arcsec (altitude) and %.2f arcsec (azimuth)", altPx, azPx);
    QVERIFY(std::fabs(altPx - 600) < 1.0);
    QVERIFY(std::fabs(azPx - 600 * std::cos(39.9 * M_PI / 180)) < 6.0);
}

void TestSkySimulator::randomErrorIsWithinRange()
{
    SkySimulator sky(7);
    for (int i = 0; i < 50; ++i) {
        sky.randomizePolarError();
        const double total = sky.polarError().totalArcsec;
        QVERIFY2(
            total > 0.3 * 3600 - 30 && total < 2.0 * 3600 + 30, qPrintable(QString("%1 arcsec").arg(total)));
    }
}

// At 50 ms and gain 50 stars of V 8 peak well above the noise and Polaris's core saturates.
void TestSkySimulator::sensorShowsStarsToMagnitude8AndSaturatesPolaris()
{
    SkySimulator sky;
    sky.setClock(kDec8_2026);
    cv::Mat frame;
    sky.renderFrame(50000, 50, frame);
    const double background = median(frame);
    // Noise from the median absolute deviation of the whole frame (stars are a tiny fraction).
    cv::Mat deviation;
    cv::absdiff(frame, cv::Scalar(background), deviation);
    const double sigma = std::max(1.0, 1.4826 * median(deviation));
    const ImagePoint polaris = *sky.starPosition(kPolaris);
    QCOMPARE(int(frame.at<uchar>(int(std::lround(polaris.y)), int(std::lround(polaris.x)))), 255);
    std::vector<double> snr;
    for (const StarTruth &s : isolatedStars(sky, 7.8, 8.2, 8)) {
        double peak = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                peak = std::max(peak,
                    double(frame.at<uchar>(
                        int(std::lround(s.position.y)) + dy, int(std::lround(s.position.x)) + dx)));
        snr.push_back((peak - background) / sigma);
    }
    QVERIFY(snr.size() >= 5);
    std::sort(snr.begin(), snr.end());
    const double medianSnr = snr[snr.size() / 2];
    qInfo("background %.0f, noise %.2f, %zu stars of V 7.8-8.2 peak at a median %.1f sigma", background,
        sigma, snr.size(), medianSnr);
    QVERIFY(background > 8 && background < 30);
    QVERIFY(medianSnr > 4 && medianSnr < 15);
}

void TestSkySimulator::seededRunsRepeat()
{
    SkySimulator a(42), b(42), c(43);
    for (SkySimulator *s : {&a, &b, &c})
        s->setClock(kDec8_2026);
    cv::Mat fa, fb, fc;
    a.renderFrame(50000, 50, fa);
    b.renderFrame(50000, 50, fb);
    c.renderFrame(50000, 50, fc);
    QCOMPARE(cv::norm(fa, fb, cv::NORM_INF), 0.0);
    QVERIFY(cv::norm(fa, fc, cv::NORM_INF) > 0);
    QCOMPARE(a.polarError().totalArcsec, b.polarError().totalArcsec);
    QVERIFY(a.polarError().totalArcsec != c.polarError().totalArcsec);

    // A frame's noise belongs to its instant, not to how many frames were read before: the same
    // again while the clock stands, new noise a tenth of a second later, and the earlier frame
    // once more when the clock is set back (the end-to-end tests rely on this to repeat).
    b.renderFrame(50000, 50, fb);
    QCOMPARE(cv::norm(fa, fb, cv::NORM_INF), 0.0);
    a.stepClock(0.1);
    a.renderFrame(50000, 50, fc);
    QVERIFY(cv::norm(fa, fc, cv::NORM_INF) > 0);
    a.setClock(kDec8_2026);
    a.renderFrame(50000, 50, fc);
    QCOMPARE(cv::norm(fa, fc, cv::NORM_INF), 0.0);
}

// ERFA refuses dates before -4799 (its calendar's start): the frame is sky background only and the
// truth empty.
void TestSkySimulator::dateOutsideErfaRangeRendersNoStars()
{
    SkySimulator sky;
    sky.setClock(-1e12);
    sky.setIdealSensor(true);
    cv::Mat frame;
    sky.renderFrame(50000, 50, frame);
    double low, high;
    cv::minMaxLoc(frame, &low, &high);
    QCOMPARE(low, high);
    QVERIFY(!sky.starPosition(kPolaris));
    QVERIFY(sky.starsInFrame(11).empty());
}

// NaN and infinity never reach the scene: setters ignore them, the sensor shows a dark frame.
void TestSkySimulator::nonFiniteInputsAreIgnored()
{
    SkySimulator sky;
    sky.setClock(kDec8_2026);
    const PolarError before = sky.polarError();
    sky.setClock(qQNaN());
    sky.stepClock(qInf());
    sky.setPolarError(qQNaN(), 0);
    sky.turnAltitudeBolt(qInf());
    sky.turnRaAxis(qQNaN());
    QCOMPARE(sky.clock(), kDec8_2026);
    QCOMPARE(sky.polarError().totalArcsec, before.totalArcsec);
    QCOMPARE(sky.raAxis(), 0.0);
    sky.setIdealSensor(true);
    cv::Mat frame;
    sky.renderFrame(qQNaN(), qQNaN(), frame);
    double low, high;
    cv::minMaxLoc(frame, &low, &high);
    QCOMPARE(low, high); // bias level only
}

// The capture thread reads frames through the C functions while the GUI thread turns the mount
// and reads the truth (run under ThreadSanitizer in the sanitizer build).
void TestSkySimulator::captureAndGuiThreadsDoNotRace()
{
    resetCameraBus();
    SkySimulator &sky = cameraSimulator();
    sky.setClock(kDec8_2026);
    QCOMPARE(InitKARVIXResource(), 0);
    const KarvixHandle h = OpenKARVIX("NORDVANE-SIM0001");
    QVERIFY(h && SetKARVIXStreamMode(h, 1) == 0 && InitKARVIX(h) == 0 && BeginKARVIXLive(h) == 0);
    std::atomic<bool> stop {false};
    std::atomic<int> frames {0};
    std::thread capture([&] {
        std::vector<unsigned char> buffer(KARVIX_FRAME_BUFFER_SIZE);
        int w, hh, b, c;
        while (!stop) {
            if (GetKARVIXLiveFrame(h, &w, &hh, &b, &c, buffer.data()) == 0)
                ++frames;
            SetKARVIXParam(h, KARVIX_CONTROL_GAIN, 50 + frames % 50);
        }
    });
    for (int i = 0; frames < 20 || i < 200; ++i) {
        sky.turnRaAxis(1);
        sky.turnAltitudeBolt(i % 2 ? 1 : -1);
        sky.setTracking(i % 3 == 0);
        sky.stepClock(0.05);
        QVERIFY(sky.starPosition(kPolaris));
        QVERIFY(sky.polarError().totalArcsec > 0);
    }
    stop = true;
    capture.join();
    QCOMPARE(StopKARVIXLive(h), 0);
    QCOMPARE(CloseKARVIX(h), 0);
    qInfo("%d frames read while the mount turned", int(frames));
}

QTEST_GUILESS_MAIN(TestSkySimulator)
#include "tst_skysimulator.moc"
