// The averaged pole and its uncertainty, on reference stars A and B of the north template with
// Gaussian centroid noise: the stated sigma must describe the error the average really makes.
#include "polestatistics.h"
#include "staralgorithms.h"

#include <QtTest>
#include <cmath>
#include <limits>
#include <random>

using polestatistics::PoleAverager;

namespace {

const cv::Point2d starA(445, 218), starB(400, 400), reference(400, 330);
const double angleBAP = 12.4543449046107, angleABP = 18.4713634052194;
const int window = 9; // frames averaged

// One frame: the stars `shift` away from their places, measured with noise; false when no pole.
bool addFrame(PoleAverager &averager, std::mt19937 &random, double noisePx, const cv::Point2d &shift)
{
    std::normal_distribution<double> noise(0, noisePx);
    const cv::Point2d a = starA + shift + cv::Point2d(noise(random), noise(random));
    const cv::Point2d b = starB + shift + cv::Point2d(noise(random), noise(random));
    cv::Point2d pole;
    cv::Matx<double, 2, 4> jacobian;
    if (starAlgorithms.CalcPoleCOOR(
            a.x, a.y, angleBAP, b.x, b.y, angleABP, &pole.x, &pole.y, reference.x, reference.y)
            != 0
        || !polestatistics::poleJacobian(a, angleBAP, b, angleABP, reference, &jacobian))
        return false;
    averager.add(a, b, pole, jacobian, window);
    return true;
}

cv::Point2d truePole(const cv::Point2d &shift)
{
    cv::Point2d pole;
    starAlgorithms.CalcPoleCOOR(starA.x + shift.x, starA.y + shift.y, angleBAP, starB.x + shift.x,
        starB.y + shift.y, angleABP, &pole.x, &pole.y, reference.x, reference.y);
    return pole;
}

} // namespace

class TestPoleStatistics : public QObject
{
    Q_OBJECT

private slots:
    void sigmaDescribesTheAveragedPolesError_data();
    void sigmaDescribesTheAveragedPolesError();
    void boltTurnStartsANewAverage();
    void windowIsAboutASecond();
    void offsetSigmaAddsItsParts();
};

void TestPoleStatistics::sigmaDescribesTheAveragedPolesError_data()
{
    QTest::addColumn<double>("noisePx");
    QTest::newRow("bright stars") << 0.03;
    QTest::newRow("faint stars") << 0.25;
}

// Over many seconds of monitoring, the averaged pole's error scatters as its stated covariance
// says: the mean normalised squared error is about 2 and twice the radial sigma holds >= 90 %.
void TestPoleStatistics::sigmaDescribesTheAveragedPolesError()
{
    QFETCH(double, noisePx);
    std::mt19937 random(11);
    PoleAverager averager;
    const cv::Point2d truth = truePole({0, 0});
    double chiSum = 0;
    int inside = 0, samples = 0;
    for (int frame = 0; frame < 2000; ++frame) {
        QVERIFY(addFrame(averager, random, noisePx, {0, 0}));
        // One look per second: the averages then share no frame.
        if (frame % 8 != 7 || frame < 100)
            continue;
        QCOMPARE(averager.frames(), 9); // the last second, both ends included
        const cv::Matx22d c = averager.covariance();
        const cv::Vec2d d(averager.pole().x - truth.x, averager.pole().y - truth.y);
        chiSum += (d.t() * c.inv() * d)[0];
        inside += cv::norm(d) <= 2 * polestatistics::offsetSigmaPx(c, cv::Matx22d::zeros(), 0);
        ++samples;
    }
    const double meanChi = chiSum / samples;
    QVERIFY2(meanChi > 1.5 && meanChi < 2.6, qPrintable(QString::number(meanChi)));
    QVERIFY(inside >= 0.9 * samples);
    // The average of 9 frames is 3 times steadier than one frame.
    const double frameSigma = polestatistics::offsetSigmaPx(averager.frameCovariance(), {}, 0);
    QVERIFY(std::abs(polestatistics::offsetSigmaPx(averager.covariance(), {}, 0) * 3 - frameSigma)
        < 1e-9 * frameSigma);
}

// A bolt moves the pole by far more than its scatter: the readout shows the new place at once,
// not a mix of old and new frames. A move within the noise keeps the average.
void TestPoleStatistics::boltTurnStartsANewAverage()
{
    std::mt19937 random(5);
    PoleAverager averager;
    for (int i = 0; i < 20; ++i)
        QVERIFY(addFrame(averager, random, 0.05, {0, 0}));
    QCOMPARE(averager.frames(), window);

    QVERIFY(addFrame(averager, random, 0.05, {0.01, 0}));
    QCOMPARE(averager.frames(), window);

    QVERIFY(addFrame(averager, random, 0.05, {3, -2}));
    QCOMPARE(averager.frames(), 1);
    QVERIFY(cv::norm(averager.pole() - truePole({3, -2})) < 0.5);
    // The stars' scatter is still known after the jump: one frame's sigma stays as it was.
    const double frameSigma = polestatistics::offsetSigmaPx(averager.frameCovariance(), {}, 0);
    QVERIFY(frameSigma < 1.0);

    QVERIFY(addFrame(averager, random, 0.05, {3, -2}));
    QCOMPARE(averager.frames(), 2);
    // Monitoring starts again.
    averager.restart();
    QVERIFY(averager.empty());
}

// About a second of frames, and never fewer than two to see the scatter by.
void TestPoleStatistics::windowIsAboutASecond()
{
    QCOMPARE(polestatistics::windowFrames(100000), 10);
    QCOMPARE(polestatistics::windowFrames(1e6 / 3), 3);
    QCOMPARE(polestatistics::windowFrames(20000), polestatistics::maxFrames);
    QCOMPARE(polestatistics::windowFrames(5e6), 2);
    QCOMPARE(polestatistics::windowFrames(0), polestatistics::maxFrames);
}

void TestPoleStatistics::offsetSigmaAddsItsParts()
{
    const cv::Matx22d pole(0.09, 0.01, 0.01, 0.16), axis(0.04, 0, 0, 0.01);
    QCOMPARE(polestatistics::offsetSigmaPx(pole, axis, 0.5), std::sqrt(0.25 + 0.05 + 0.25));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QCOMPARE(polestatistics::offsetSigmaPx(cv::Matx22d(nan, 0, 0, 0), axis, 0.5), 0.0);
}

QTEST_APPLESS_MAIN(TestPoleStatistics)
#include "tst_polestatistics.moc"
