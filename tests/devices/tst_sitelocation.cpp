// Where the computer is: an INDI GPS device's GEOGRAPHIC_COORD (its longitude given 0 ... 360),
// and sources that are not there, which must say so within their time limit.
#include "indiserver.h"
#include "sitelocation.h"

#include <QElapsedTimer>
#include <QtTest>

class TestSiteLocation : public QObject
{
    Q_OBJECT

private slots:
    void indiServer_data();
    void indiServer();
};

void TestSiteLocation::indiServer_data()
{
    QTest::addColumn<QStringList>("drivers");
    QTest::addColumn<bool>("found");
    // The simulator stands at 51 N, 357.7 E: 2.3 degrees west. It publishes its place only once
    // connected, which the question does.
    QTest::newRow("GPS simulator") << QStringList {QStringLiteral("indi_simulator_gps")} << true;
    QTest::newRow("no server") << QStringList() << false;
}

void TestSiteLocation::indiServer()
{
    QFETCH(QStringList, drivers);
    QFETCH(bool, found);
    IndiServer server;
    quint16 port = freeLocalPort();
    if (!drivers.isEmpty()) {
        SKIP_WITHOUT_INDISERVER();
        QVERIFY(server.start(drivers));
        port = server.port();
    }
    constexpr int timeoutMs = 3000;
    QElapsedTimer clock;
    clock.start();
    QString problem;
    const std::optional<GeoPosition> where
        = askIndiServer(QStringLiteral("localhost"), port, timeoutMs, &problem);
    QVERIFY2(clock.elapsed() < timeoutMs + 500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(bool(where), found);
    if (!found) {
        QVERIFY(problem.contains(QString::number(port)));
        return;
    }
    QCOMPARE(where->source, QStringLiteral("GPS Simulator"));
    QVERIFY2(std::abs(where->latitudeDeg - 51.0) < 1e-6 && std::abs(where->longitudeDeg + 2.3) < 1e-6,
        qPrintable(QStringLiteral("%1, %2").arg(where->latitudeDeg).arg(where->longitudeDeg)));
}

QTEST_MAIN(TestSiteLocation)
#include "tst_sitelocation.moc"
