// Night Style: the day's style sheet in dark red, and every overlay mark in the night's red.
#include "frameanalysis.h"
#include "frameinputs.h"
#include "nightstyle.h"
#include "overlays.h"

#include <QtTest>

class TestNightStyle : public QObject
{
    Q_OBJECT

private slots:
    void styleSheetTurnsRed_data();
    void styleSheetTurnsRed();
    void overlaysAreRedOnly();
};

void TestNightStyle::styleSheetTurnsRed_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("night");
    QTest::newRow("light text") << "QLabel { color: #F8F8FF; }"
                                << "QLabel { color: rgb(193, 0, 0); }";
    // Backgrounds darker than text of the same day colour: a light panel must not glow.
    QTest::newRow("light panel, rgb") << "QWidget { background-color: rgb(248, 248, 255); color: black }"
                                      << "QWidget { background-color: rgb(58, 0, 0); color: rgb(0, 0, 0) }";
    QTest::newRow("named, short hex, alpha kept")
        << "QMenu { color: white; border: 1px solid #000; background: rgba(255, 255, 255, 0.5); }"
        << "QMenu { color: rgb(200, 0, 0); border: 1px solid rgb(0, 0, 0); background: rgba(60, 0, 0, 128); "
           "}";
    // "#add" is an object name here, not a colour; "whitespace" is not "white".
    QTest::newRow("selectors untouched") << "QPushButton#add { qproperty-text: whitespace; }"
                                         << "QPushButton#add { qproperty-text: whitespace; }";
}

void TestNightStyle::styleSheetTurnsRed()
{
    QFETCH(QString, day);
    QFETCH(QString, night);
    QCOMPARE(nightStyleSheet(day), night);
}

void TestNightStyle::overlaysAreRedOnly()
{
    QImage frame(200, 200, QImage::Format_RGB32);
    frame.fill(Qt::black);
    FrameInputs in;
    in.nightStyle = true;
    in.showAxisCenter = in.showAxisCircle = in.showReticle = in.showStarAMarker = in.monitorPole = true;
    in.axisCenter = QPointF(100, 100);
    in.axisCircleRadius = 50;
    in.expectedPolarisPos = QPointF(60, 60);
    PoleMeasurement measured;
    measured.starAPos = QPointF(140, 60);
    measured.polePos = QPointF(110, 120);
    drawDisplayOverlays(&frame, in, measured);
    int drawn = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const QColor c = frame.pixelColor(x, y);
            QVERIFY2(c.green() == 0 && c.blue() == 0 && c.red() <= overlayColours::night().red(),
                qPrintable(QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(c.name())));
            drawn += c.red() > 0;
        }
    QVERIFY(drawn > 400);
}

QTEST_MAIN(TestNightStyle)
#include "tst_nightstyle.moc"
