// The embedded star data as the program reads it: the epoch rule, the shipped values, the template
// positions, and the defaults for missing or unreadable values.
#include "hemispherestardata.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList yearlyEpochs(int first, int last)
{
    QStringList epochs;
    for (int year = first; year <= last; ++year) {
        epochs << QString::number(year) + QStringLiteral("0523");
    }
    return epochs;
}

} // namespace

class TestStarData : public QObject
{
    Q_OBJECT

private slots:
    void epochRule_data();
    void epochRule();
    void embeddedData();
    void defaults();
};

void TestStarData::epochRule_data()
{
    QTest::addColumn<QStringList>("epochs");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("expected");
    const QStringList nine = yearlyEpochs(2016, 2024), shipped = yearlyEpochs(2016, 2040);
    QTest::newRow("22 Nov 2016") << nine << QDate(2016, 11, 22) << "20160523";
    QTest::newRow("23 Nov 2016") << nine << QDate(2016, 11, 23) << "20170523";
    QTest::newRow("22 Nov 2023") << nine << QDate(2023, 11, 22) << "20230523";
    QTest::newRow("23 Nov 2023") << nine << QDate(2023, 11, 23) << "20240523";
    QTest::newRow("nine epochs, 2031") << nine << QDate(2031, 3, 1) << "20240523";
    QTest::newRow("clock in 2010") << nine << QDate(2010, 1, 1) << "20160523";
    QTest::newRow("shipped, 23 Nov 2024") << shipped << QDate(2024, 11, 23) << "20250523";
    QTest::newRow("shipped, Dec 2026") << shipped << QDate(2026, 12, 7) << "20270523";
    QTest::newRow("shipped, 22 Nov 2040") << shipped << QDate(2040, 11, 22) << "20400523";
    QTest::newRow("shipped, 2055") << shipped << QDate(2055, 6, 1) << "20400523";
    // Out of order, with a gap and a malformed date: 20200523 serves from 23 Nov 2019 on.
    const QStringList gap {"20200523", "2016x523", "20160523"};
    QTest::newRow("gap, 22 Nov 2019") << gap << QDate(2019, 11, 22) << "20160523";
    QTest::newRow("gap, 23 Nov 2019") << gap << QDate(2019, 11, 23) << "20200523";
    QTest::newRow("no epochs") << QStringList() << QDate(2020, 1, 1) << "";
}

void TestStarData::epochRule()
{
    QFETCH(QStringList, epochs);
    QFETCH(QDate, today);
    QTEST(chooseStarDataEpoch(epochs, today), "expected");
}

void TestStarData::embeddedData()
{
    LoadStarPosData(QDate(2016, 11, 22));
    QCOMPARE(northStarData.starA, QPointF(445, 218));
    QCOMPARE(northStarData.starB, QPointF(400, 400));
    QCOMPARE(northStarData.starD, QPointF(648, 495));
    QCOMPARE(northStarData.angleBAP, 12.4543449046107); // exactly 1245434490461070 / 10^14
    QCOMPARE(northStarData.angleABP, 18.4713634052194);
    QCOMPARE(northStarData.angleDBP, 115.088198660843);
    QCOMPARE(southStarData.starA, QPointF(227, 405));
    QCOMPARE(southStarData.starB, QPointF(400, 337));
    QCOMPARE(southStarData.starD, QPointF(228, 563));
    QCOMPARE(southStarData.angleBAP, 12.4931201999016);
    QCOMPARE(southStarData.angleABP, 5.3729631099286);
    QCOMPARE(southStarData.angleDBP, 25.822029682887);
    QCOMPARE(northStarData.pole, QPointF()); // left to the template pole computation
    LoadStarPosData(QDate(2023, 11, 23));
    QCOMPARE(northStarData.angleBAP, 10.0666795664832);
    QCOMPARE(southStarData.angleDBP, 24.2119638002926);
    // After 2024 the angles go on changing: Polaris and sigma Oct keep circling their poles.
    LoadStarPosData(QDate(2026, 12, 7));
    QVERIFY(northStarData.angleBAP < 9.2 && southStarData.angleBAP > 19.2);
}

void TestStarData::defaults()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stars.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("A_X_Mask=abc\r\nA_Y_Mask=17\r\nB_X_Mask=nan\r\nB_Y_Mask=inf\r\n"
               "BAP_20200523=1000000000000000\r\nABP_20200523=x\r\nDBP_20200523=-inf\r\n");
    file.close();
    HemisphereStarData defaults;
    defaults.starA = {1, 2};
    defaults.starB = {3, 4};
    defaults.starD = {5, 6};
    defaults.angleABP = 99; // angles fall back to 0, not to the defaults
    HemisphereStarData data = readStarPosData(path, defaults, QDate(2020, 1, 1));
    QCOMPARE(data.starA, QPointF(1, 17));
    QCOMPARE(data.starB, QPointF(3, 4));
    QCOMPARE(data.starD, QPointF(5, 6));
    QCOMPARE(data.angleBAP, 10.0);
    QCOMPARE(data.angleABP, 0.0);
    QCOMPARE(data.angleDBP, 0.0);
    data = readStarPosData(dir.filePath(QStringLiteral("missing.ini")), defaults, QDate(2020, 1, 1));
    QCOMPARE(data.starA, QPointF(1, 2));
    QCOMPARE(data.angleABP, 0.0);
}

QTEST_GUILESS_MAIN(TestStarData)
#include "tst_stardata.moc"
