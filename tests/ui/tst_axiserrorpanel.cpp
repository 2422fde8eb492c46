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
    void turnsAdvice_data();
    void turnsAdvice();
    void learntKnob_data();
    void learntKnob();
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
    QTest::addColumn<double>("target");
    QTest::addColumn<QString>("targetText"); // empty: hidden
    // At 60 degrees of pole altitude an arcminute of azimuth is half an arcminute of sky.
    QTest::newRow("axis low and west, north; outside the target")
        << -134.0 << -40.0 << true << QStringLiteral("↑ Raise the altitude \n2′14″")
        << QStringLiteral("→ Move azimuth \n0′40″ east") << QStringLiteral("Total 2′15″") << true << 90.0
        << QStringLiteral("target 1′30″");
    QTest::newRow("axis high and east, north; inside the target")
        << 30.0 << 120.0 << true << QStringLiteral("↓ Lower the altitude \n0′30″")
        << QStringLiteral("← Move azimuth \n2′00″ west") << QStringLiteral("Total 1′07″") << true << 67.1
        << QStringLiteral("✓ target 1′07″");
    QTest::newRow("axis west, south: east is on the left; site unknown; no target")
        << 0.0 << -60.0 << false << QStringLiteral("↑ Raise the altitude \n0′00″")
        << QStringLiteral("← Move azimuth \n1′00″ east") << QStringLiteral("Total 0′30″") << false << 0.0
        << QString();
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
    QFETCH(double, target);
    QFETCH(QString, targetText);
    AxisErrorPanel panel;
    panel.setTarget(target);
    panel.showError({altitude, azimuth}, 60.0, north);
    panel.setSiteKnown(siteKnown);
    QCOMPARE(AxisErrorPanel::plainText(panel.findChild<QLabel *>("label_altitudeError")), altitudeText);
    QCOMPARE(AxisErrorPanel::plainText(panel.findChild<QLabel *>("label_azimuthError")), azimuthText);
    QCOMPARE(AxisErrorPanel::plainText(panel.findChild<QLabel *>("label_totalError")), totalText);
    const auto *targetLabel = panel.findChild<QLabel *>("label_target");
    QCOMPARE(targetLabel->isHidden(), targetText.isEmpty());
    QCOMPARE(targetLabel->isHidden() ? QString() : targetLabel->text(), targetText);
    // Green (the style sheet's) on the figures while the total is inside the target.
    const bool inside = targetText.startsWith(QStringLiteral("✓"));
    QCOMPARE(panel.insideTarget(), inside);
    QCOMPARE(panel.findChild<QLabel *>("label_totalError")->property("insideTarget").toBool(), inside);
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

// What a knob's advisor says after a series of readings of the move still needed (arcsec on the
// sky, positive: raise or move east), the noise 5 arcsec.
void TestAxisErrorPanel::turnsAdvice_data()
{
    QTest::addColumn<double>("arcsecPerTurn");
    QTest::addColumn<bool>("reversed");
    QTest::addColumn<bool>("altitude");
    QTest::addColumn<QList<double>>("needed");
    QTest::addColumn<QString>("text");
    QTest::newRow("turn not known: no words") << 0.0 << false << true << QList<double> {90} << QString();
    QTest::newRow("90 of 120 a turn")
        << 120.0 << false << true << QList<double> {90} << QStringLiteral("Altitude: ¾ turn clockwise");
    QTest::newRow("reversed knob") << 120.0 << true << true << QList<double> {90}
                                   << QStringLiteral("Altitude: ¾ turn anticlockwise");
    QTest::newRow("1.3 turns to the west") << 120.0 << false << false << QList<double> {-156}
                                           << QStringLiteral("Azimuth: 1¼ turns anticlockwise");
    QTest::newRow("a fifth of a turn") << 120.0 << false << false << QList<double> {24}
                                       << QStringLiteral("Azimuth: less than ¼ turn clockwise");
    // Turned 20 past the stop: back a quarter beyond it, then forward a quarter.
    QTest::newRow("went past") << 120.0 << false << true << QList<double> {90, 50, 10, -20}
                               << QStringLiteral(
                                      "Altitude: went past — turn back ½ turn, then forward ¼ turn");
    QTest::newRow("went past 70, reversed: the same words")
        << 120.0 << true << true << QList<double> {-90, -30, 70}
        << QStringLiteral("Altitude: went past — turn back 1 turn, then forward ¼ turn");
    QTest::newRow("back on the working side") << 120.0 << false << true << QList<double> {90, 40, -30, 10}
                                              << QStringLiteral("Altitude: less than ¼ turn clockwise");
    QTest::newRow("the pole's noise about the stop is no overshoot")
        << 120.0 << false << true << QList<double> {4, -4, 3, -4}
        << QStringLiteral("Altitude: less than ¼ turn anticlockwise");
    QTest::newRow("turned the wrong way first, then past")
        << 120.0 << false << true << QList<double> {30, 60, 20, -40}
        << QStringLiteral("Altitude: went past — turn back ¾ turn, then forward ¼ turn");
    QTest::newRow("not a number: nothing") << 120.0 << false << true << QList<double> {qQNaN()} << QString();
}

void TestAxisErrorPanel::turnsAdvice()
{
    QFETCH(double, arcsecPerTurn);
    QFETCH(bool, reversed);
    QFETCH(bool, altitude);
    QFETCH(QList<double>, needed);
    QFETCH(QString, text);
    boltturns::TurnAdvisor advisor;
    advisor.setKnob({arcsecPerTurn, reversed});
    boltturns::Advice advice;
    for (double reading : needed)
        advice = advisor.advise(reading, 5.0);
    QCOMPARE(readoutwords::turns(altitude, advice), text);
}

// One full clockwise turn between two readings of the move still needed.
void TestAxisErrorPanel::learntKnob_data()
{
    QTest::addColumn<double>("before");
    QTest::addColumn<double>("after");
    QTest::addColumn<double>("arcsecPerTurn"); // 0: nothing learnt
    QTest::addColumn<bool>("reversed");
    QTest::newRow("raised by 1'30\"") << 200.0 << 110.0 << 90.0 << false;
    QTest::newRow("moved west: reversed") << -170.0 << -20.0 << 150.0 << true;
    QTest::newRow("within the noise") << 40.0 << 36.0 << 0.0 << false;
    QTest::newRow("not a number") << qQNaN() << 36.0 << 0.0 << false;
}

void TestAxisErrorPanel::learntKnob()
{
    QFETCH(double, before);
    QFETCH(double, after);
    QFETCH(double, arcsecPerTurn);
    QFETCH(bool, reversed);
    const std::optional<boltturns::Knob> knob = boltturns::learntKnob(before, after, 5.0);
    QCOMPARE(knob.has_value(), arcsecPerTurn > 0);
    if (knob) {
        QCOMPARE(knob->arcsecPerTurn, arcsecPerTurn);
        QCOMPARE(knob->reversed, reversed);
    }
}

QTEST_MAIN(TestAxisErrorPanel)
#include "tst_axiserrorpanel.moc"
