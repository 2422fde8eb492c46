// The star data generator: its ERFA pole geometry reproduces the angles shipped for 2016-2024 (made
// with the nutation in longitude reversed), its output is the embedded files (the angles to 1e-9
// degree, the rest byte for byte), and the files have the exact format the program reads.
#include "patternstarsfile.h"
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

// Largest difference, degrees, between the shipped 2016-2024 angles and computed ones.
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

void addHemispheres()
{
    QTest::addColumn<bool>("north");
    QTest::newRow("north") << true;
    QTest::newRow("south") << false;
}

} // namespace

class TestStarDataGenerator : public QObject
{
    Q_OBJECT

private slots:
    void shippedAnglesReproduced_data() { addHemispheres(); }
    void shippedAnglesReproduced();
    void embeddedFileIsOutput_data() { addHemispheres(); }
    void embeddedFileIsOutput();
    void embeddedPatternStarsAreOutput();
    void angleText();
};

void TestStarDataGenerator::shippedAnglesReproduced()
{
    QFETCH(bool, north);
    const HemisphereDefinition &definition = north ? northDefinition() : southDefinition();
    const double reversed = largestDifference(definition, NutationInLongitude::Reversed);
    QVERIFY2(reversed < 0.01, qPrintable(QStringLiteral("largest difference %1 deg").arg(reversed)));
    // The correct sign moves the angles by several hundredths of a degree: the test tells them apart.
    const double correct = largestDifference(definition, NutationInLongitude::Correct);
    QVERIFY2(correct > 0.03, qPrintable(QStringLiteral("largest difference %1 deg").arg(correct)));
}

void TestStarDataGenerator::embeddedFileIsOutput()
{
    QFETCH(bool, north);
    const HemisphereDefinition &definition = north ? northDefinition() : southDefinition();
    const QByteArray text
        = starDataFileText(definition, starDataEpochs(definition, catalogStars(definition)));
    QFile embedded(QStringLiteral(":/starData/") + definition.fileName);
    QVERIFY(embedded.open(QIODevice::ReadOnly));
    // On a difference, regenerate: build/bin/stardata resources/catalog/polar_stars.csv resources/starData
    // The 15th digit of an angle depends on the machine's floating point under ERFA (fused
    // multiply-add, libm), so the angles are compared as numbers; the reversed nutation alone moves
    // them by hundredths of a degree.
    const QByteArray shipped = embedded.readAll();
    QVERIFY(shipped.endsWith("\r\n"));
    const QList<QByteArray> shippedLines = shipped.chopped(2).split('\n');

    // CR LF lines "key=value": six positions, then six angles for each of 25 epochs in a fixed order,
    // integer texts of 15 to 17 digits whose triangles close (BAP + ABP + BPA = BDP + DBP + BPD = 180).
    QVERIFY(text.endsWith("\r\n"));
    const QList<QByteArray> lines = text.chopped(2).split('\n');
    QCOMPARE(lines.size(), 6 + 25 * 6);
    QCOMPARE(shippedLines.size(), lines.size());
    const QByteArrayList positionKeys {
        "A_X_Mask", "A_Y_Mask", "B_X_Mask", "B_Y_Mask", "D_X_Mask", "D_Y_Mask"};
    const QByteArrayList angleKeys {"BAP_", "ABP_", "BPA_", "BDP_", "DBP_", "BPD_"};
    const QRegularExpression angleValue(QStringLiteral("^[0-9]{15,17}\r?$"));
    double angles[6] = {};
    for (int i = 0; i < lines.size(); ++i) {
        QVERIFY2(lines[i].endsWith('\r') == (i + 1 < lines.size()), lines[i]);
        const QByteArray key = lines[i].left(lines[i].indexOf('='));
        const QByteArray value = lines[i].mid(key.size() + 1).trimmed();
        if (i < 6) {
            QCOMPARE(lines[i], shippedLines[i]);
            QCOMPARE(key, positionKeys[i]);
            QCOMPARE(QByteArray::number(value.toInt()), value);
            continue;
        }
        const int k = (i - 6) % 6;
        QCOMPARE(key, angleKeys[k] + QByteArray::number(2016 + (i - 6) / 6) + "0523");
        QVERIFY2(angleValue.match(QString::fromLatin1(value)).hasMatch(), lines[i]);
        angles[k] = storedAngleDegrees(QString::fromLatin1(value));
        const QByteArray shippedValue = shippedLines[i].mid(key.size() + 1).trimmed();
        QCOMPARE(shippedLines[i], key + '=' + shippedValue + (lines[i].endsWith('\r') ? "\r" : ""));
        QVERIFY2(std::fabs(angles[k] - storedAngleDegrees(QString::fromLatin1(shippedValue))) < 1e-9,
            lines[i] + " made, " + shippedLines[i] + " embedded");
        if (k == 5) {
            QVERIFY2(std::fabs(angles[0] + angles[1] + angles[2] - 180) < 1e-12, key);
            QVERIFY2(std::fabs(angles[3] + angles[4] + angles[5] - 180) < 1e-12, key);
        }
    }
}

// The table the program computes the pole's angles from holds the catalogue's rows of the six stars.
void TestStarDataGenerator::embeddedPatternStarsAreOutput()
{
    QString error;
    const QByteArray text = patternStarsFileText(QStringLiteral(VELTO_CATALOG), &error);
    QVERIFY2(!text.isEmpty(), qPrintable(error));
    QCOMPARE(text.count('\n'), 7);
    QFile embedded(QStringLiteral(":/starData/") + patternStarsFileName);
    QVERIFY(embedded.open(QIODevice::ReadOnly));
    // On a difference, regenerate: build/bin/stardata resources/catalog/polar_stars.csv resources/starData
    QCOMPARE(text, embedded.readAll());
    QVERIFY(patternStarsFileText(QStringLiteral("/nonexistent/polar_stars.csv"), &error).isEmpty());
    QVERIFY(error.contains(QLatin1String("cannot read")));
}

void TestStarDataGenerator::angleText()
{
    QCOMPARE(storedAngleText(12.4543449046107), QString("1245434490461070"));
    QCOMPARE(storedAngleText(115.088198660843), QString("11508819866084300"));
    QCOMPARE(storedAngleText(5.3729631099286), QString("537296310992860"));
    QCOMPARE(storedAngleText(9.793172480515484), QString("979317248051548")); // rounded to 15 digits
    QCOMPARE(storedAngleText(0.25), QString("25000000000000"));
}

QTEST_GUILESS_MAIN(TestStarDataGenerator)
#include "tst_stardatagen.moc"
