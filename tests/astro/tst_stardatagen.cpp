// The star data generator: its ERFA pole geometry reproduces the angles shipped for 2016-2024 (which
// were computed with the nutation in longitude reversed), and its output is what the program embeds.
#include "stardatafile.h"

#include <QFile>
#include <QtTest>
#include <cmath>

namespace {

QVector<CatalogStar> catalogStars(const HemisphereDefinition &definition)
{
    QVector<CatalogStar> stars;
    QString error;
    if (!readCatalogStars(QStringLiteral(VELTO_CATALOG), definition.catalogIds, &stars, &error)) {
        qFatal("%s", qPrintable(error));
    }
    return stars;
}

// Largest difference, degrees, between the shipped 2016-2024 angles and the computed ones.
double largestDifference(const HemisphereDefinition &definition, NutationInLongitude nutation)
{
    const QVector<CatalogStar> stars = catalogStars(definition);
    double largest = 0;
    for (const EpochAngleTexts &epoch : definition.shipped) {
        const PoleTriangleAngles angles
            = poleTriangleAngles(definition.hemisphere, stars[0], stars[1], stars[2], epoch.year, nutation);
        largest = std::max({largest, std::fabs(angles.bap - storedAngleDegrees(epoch.bap)),
            std::fabs(angles.abp - storedAngleDegrees(epoch.abp)),
            std::fabs(angles.dbp - storedAngleDegrees(epoch.dbp))});
    }
    return largest;
}

} // namespace

class TestStarDataGenerator : public QObject
{
    Q_OBJECT

private slots:
    void reversedNutationReproducesShippedAngles_data();
    void reversedNutationReproducesShippedAngles();
    void outputIsTheEmbeddedFile_data();
    void outputIsTheEmbeddedFile();
    void derivedAnglesCloseTheTriangles();
    void angleText_data();
    void angleText();
};

void TestStarDataGenerator::reversedNutationReproducesShippedAngles_data()
{
    QTest::addColumn<bool>("north");
    QTest::newRow("north") << true;
    QTest::newRow("south") << false;
}

void TestStarDataGenerator::reversedNutationReproducesShippedAngles()
{
    QFETCH(bool, north);
    const HemisphereDefinition &definition = north ? northDefinition() : southDefinition();
    const double reversed = largestDifference(definition, NutationInLongitude::Reversed);
    QVERIFY2(reversed < 0.01, qPrintable(QStringLiteral("largest difference %1 deg").arg(reversed)));
    // The correct sign moves the pole by up to 15" and the angles by several hundredths of a degree,
    // so this comparison does tell the two apart.
    const double correct = largestDifference(definition, NutationInLongitude::Correct);
    QVERIFY2(correct > 0.03, qPrintable(QStringLiteral("largest difference %1 deg").arg(correct)));
}

void TestStarDataGenerator::outputIsTheEmbeddedFile_data()
{
    QTest::addColumn<bool>("north");
    QTest::newRow("north") << true;
    QTest::newRow("south") << false;
}

void TestStarDataGenerator::outputIsTheEmbeddedFile()
{
    QFETCH(bool, north);
    const HemisphereDefinition &definition = north ? northDefinition() : southDefinition();
    const QByteArray generated
        = starDataFileText(definition, starDataEpochs(definition, catalogStars(definition)));
    QFile embedded(QStringLiteral(":/starData/") + definition.fileName);
    QVERIFY(embedded.open(QIODevice::ReadOnly));
    // On a difference, regenerate: build/bin/stardata resources/catalog/polar_stars.csv resources/starData
    QCOMPARE(generated, embedded.readAll());
}

void TestStarDataGenerator::derivedAnglesCloseTheTriangles()
{
    for (const HemisphereDefinition *definition : {&northDefinition(), &southDefinition()}) {
        const QVector<EpochAngleTexts> epochs = starDataEpochs(*definition, catalogStars(*definition));
        QCOMPARE(epochs.size(), 25);
        const QList<QByteArray> lines = starDataFileText(*definition, epochs).split('\n');
        for (int e = 0; e < epochs.size(); ++e) {
            QCOMPARE(epochs[e].year, 2016 + e);
            double angle[6]; // BAP, ABP, BPA, BDP, DBP, BPD
            for (int k = 0; k < 6; ++k) {
                const QByteArray line = lines[6 + 6 * e + k].trimmed();
                angle[k] = storedAngleDegrees(QString::fromLatin1(line.mid(line.indexOf('=') + 1)));
            }
            QVERIFY(std::fabs(angle[0] + angle[1] + angle[2] - 180) < 1e-12);
            QVERIFY(std::fabs(angle[3] + angle[4] + angle[5] - 180) < 1e-12);
            QVERIFY(angle[3] > 0 && angle[3] < 180);
        }
    }
}

void TestStarDataGenerator::angleText_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("text");
    QTest::newRow("two integer digits") << 12.4543449046107 << "1245434490461070";
    QTest::newRow("three integer digits") << 115.088198660843 << "11508819866084300";
    QTest::newRow("one integer digit") << 5.3729631099286 << "537296310992860";
    QTest::newRow("rounded to 15 digits") << 9.793172480515484 << "979317248051548";
    QTest::newRow("below one degree") << 0.25 << "25000000000000";
}

void TestStarDataGenerator::angleText()
{
    QFETCH(double, degrees);
    QFETCH(QString, text);
    QCOMPARE(storedAngleText(degrees), text);
}

QTEST_GUILESS_MAIN(TestStarDataGenerator)
#include "tst_stardatagen.moc"
