// The INDI adjuster against our sky driver's "Velto Q7 Adjuster" on a real indiserver, watched by
// a second client of the test's own: a move runs (Busy), and each row's trouble in the middle of
// it must end in the right way: Abort stops the motors within a second, a move beyond the travel
// is refused before anything turns, a driver that hangs or a server that goes away fails the
// device with a message.
#include "indiadjuster.h"
#include "indiserver.h"

#include <QTcpSocket>
#include <QtTest>

namespace {
const QString adjuster = QStringLiteral("Velto Q7 Adjuster");
}

class TestIndiAdjuster : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SKIP_WITHOUT_INDISERVER(); }
    void troubleInAMove_data();
    void troubleInAMove();
};

void TestIndiAdjuster::troubleInAMove_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<double>("altitudeDeg");
    QTest::addColumn<QString>("failure"); // part of the device's reason; empty: no failure
    QTest::newRow("abort") << "abort" << 0.5 << QString();
    QTest::newRow("beyond the travel") << "" << 9.0 << "travel";
    QTest::newRow("driver hangs") << "hang" << 0.5 << "no answer";
    QTest::newRow("server stops") << "stop" << 0.5 << "closed";
}

void TestIndiAdjuster::troubleInAMove()
{
    QFETCH(QString, trouble);
    QFETCH(double, altitudeDeg);
    QFETCH(QString, failure);
    IndiServer server;
    QVERIFY(server.start({QStringLiteral(VELTO_SKY_DRIVER)}));
    // The driver's own view of the motors, as a second client sees it.
    IndiPropertyReader reader(adjuster);
    QTcpSocket watcher;
    QString state;
    QMap<QString, double> position;
    connect(&watcher, &QTcpSocket::readyRead, this, [&] {
        for (const auto &vector : reader.feed(watcher.readAll())) {
            if (vector.name == QLatin1String("PAC_MANUAL_ADJUSTMENT"))
                state = vector.state;
            for (auto number = vector.numbers.begin(); number != vector.numbers.end(); ++number)
                position[number.key()] = number.value().value;
        }
    });
    watcher.connectToHost(QStringLiteral("localhost"), server.port());
    QVERIFY(watcher.waitForConnected(5000));
    watcher.write("<getProperties version=\"1.7\" device=\"Velto Q7 Adjuster\"/>\n");

    IndiAdjuster device(QStringLiteral("localhost"), server.port(), adjuster);
    QSignalSpy opened(&device, &AdjusterDevice::opened);
    QSignalSpy failed(&device, &AdjusterDevice::failed);
    device.open();
    QVERIFY(opened.wait(5000));
    device.move(altitudeDeg, -0.5);
    if (altitudeDeg < 5) {
        QTRY_COMPARE_WITH_TIMEOUT(state, QStringLiteral("Busy"), 5000);
        QTest::qWait(500);
    }
    if (trouble == QLatin1String("abort")) {
        device.abort();
        QTRY_VERIFY_WITH_TIMEOUT(state != QLatin1String("Busy"), 1000);
        const double stoppedAt = position.value(QStringLiteral("ALT_POSITION"));
        QTest::qWait(500);
        QCOMPARE(position.value(QStringLiteral("ALT_POSITION")), stoppedAt);
        QVERIFY(stoppedAt > 0 && stoppedAt < altitudeDeg);
    } else if (trouble == QLatin1String("hang")) {
        server.pauseDrivers(true);
    } else if (trouble == QLatin1String("stop")) {
        server.stop();
    }
    if (!failure.isEmpty()) {
        QVERIFY(failed.wait(5000));
        QVERIFY2(failed[0][0].toString().contains(failure), qPrintable(failed[0][0].toString()));
        QVERIFY(!device.isOpen() && !device.moving());
    }
    server.pauseDrivers(false);
}

QTEST_MAIN(TestIndiAdjuster)
#include "tst_indiadjuster.moc"
