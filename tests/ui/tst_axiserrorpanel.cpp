// The altitude and azimuth readout: which way to turn each bolt, as a person behind the mount
// facing the pole sees it, and how far, in minutes and seconds of arc.
#include "axiserrorpanel.h"
#include "readoutwords.h"

#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

class TestAxisErrorPanel : public QObject
{
    Q_OBJECT

private slots:
    void arcText_data();
    void arcText();
    void wordsAndArrows_data();
    void wordsAndArrows();
};

void TestAxisErrorPanel::arcText_data()
{
    QTest::addColumn<double>("arcsec");
    QTest::addColumn<QString>("text");
    QTest::newRow("minutes and seconds") << 134.2 << QStringLiteral("2′14″");
    QTest::newRow("sign dropped") << -40.0 << QStringLiteral("0′40″");
    QTest::newRow("rounds up into the minute") << 59.6 << QStringLiteral("1′00″");
    QTest::newRow("over a degree") << 3725.0 << QStringLiteral("1°02′05″");
}

void TestAxisErrorPanel::arcText()
{
    QFETCH(double, arcsec);
    QFETCH(QString, text);
    QCOMPARE(readoutwords::arcText(arcsec), text);
}

void TestAxisErrorPanel::wordsAndArrows_data()
{
    QTest::addColumn<double>("altitude");
    QTest::addColumn<double>("azimuth");
    QTest::addColumn<bool>("north");
    QTest::addColumn<QString>("altitudeText");
    QTest::addColumn<QString>("azimuthText");
    QTest::addColumn<QString>("totalText");
    QTest::addColumn<bool>("siteKnown");
    // At 60 degrees of pole altitude an arcminute of azimuth is half an arcminute of sky.
    QTest::newRow("axis low and west, north")
        << -134.0 << -40.0 << true << QStringLiteral("↑ Raise the altitude \n2′14″")
        << QStringLiteral("→ Move azimuth \n0′40″ east") << QStringLiteral("Total 2′15″") << true;
    QTest::newRow("axis high and east, north")
        << 30.0 << 120.0 << true << QStringLiteral("↓ Lower the altitude \n0′30″")
        << QStringLiteral("← Move azimuth \n2′00″ west") << QStringLiteral("Total 1′07″") << true;
    QTest::newRow("axis west, south: east is on the left; site unknown")
        << 0.0 << -60.0 << false << QStringLiteral("↑ Raise the altitude \n0′00″")
        << QStringLiteral("← Move azimuth \n1′00″ east") << QStringLiteral("Total 0′30″") << false;
}

void TestAxisErrorPanel::wordsAndArrows()
{
    QFETCH(double, altitude);
    QFETCH(double, azimuth);
    QFETCH(bool, north);
    QFETCH(QString, altitudeText);
    QFETCH(QString, azimuthText);
    QFETCH(QString, totalText);
    QFETCH(bool, siteKnown);
    AxisErrorPanel panel;
    panel.showError({altitude, azimuth}, 60.0, north);
    panel.setSiteKnown(siteKnown);
    QCOMPARE(AxisErrorPanel::plainText(panel.findChild<QLabel *>("label_altitudeError")), altitudeText);
    QCOMPARE(AxisErrorPanel::plainText(panel.findChild<QLabel *>("label_azimuthError")), azimuthText);
    QCOMPARE(AxisErrorPanel::plainText(panel.findChild<QLabel *>("label_totalError")), totalText);
    // Until the site is known, the words as large as the figures: no figure looks final.
    const auto *words = panel.findChild<QLabel *>("label_siteUnknown");
    QCOMPARE(words->isHidden(), siteKnown);
    QCOMPARE(
        words->text(), QStringLiteral("site unknown: the air's bending of up to 1′30″ is not corrected"));
    const QString figureSize = QRegularExpression(QStringLiteral("font-size:(\\d+)pt"))
                                   .match(panel.findChild<QLabel *>("label_altitudeError")->text())
                                   .captured(1);
    QCOMPARE(QString::number(words->font().pointSize()), figureSize);
}

QTEST_MAIN(TestAxisErrorPanel)
#include "tst_axiserrorpanel.moc"
