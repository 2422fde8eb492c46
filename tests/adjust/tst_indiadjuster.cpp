// The INDI adjuster and the INDI mount against our sky driver's "Velto Q7 Adjuster" and "Velto Q7
// Mount" on a real indiserver, watched by a second client of the test's own: a move runs (Busy),
// and each row's trouble in the middle of it must end in the right way: Abort stops the motors
// within a second and nothing moves after, a move beyond the travel is refused before anything
// turns, a driver that hangs, a mount that turns the wrong way or a server that goes away fails
// the device with a message. A turn of the mount left alone ends where it was asked to, by the
// simulator's RA axis.
#include "indiadjuster.h"
#include "indimount.h"
#include "indiserver.h"

#include <QTcpSocket>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {
const QString adjuster = QStringLiteral("Velto Q7 Adjuster");
const QString mount = QStringLiteral("Velto Q7 Mount");
} // namespace

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
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<double>("moveDeg");  // the adjuster's altitude, the mount's hour angle
    QTest::addColumn<QString>("failure"); // part of the device's reason; empty: no failure
    QTest::newRow("abort") << adjuster << "abort" << 0.5 << QString();
    QTest::newRow("beyond the travel") << adjuster << "" << 9.0 << "travel";
    QTest::newRow("driver hangs") << adjuster << "hang" << 0.5 << "no answer";
    QTest::newRow("server stops") << adjuster << "stop" << 0.5 << "closed";
    QTest::newRow("mount turns") << mount << "" << 40.0 << QString();
    QTest::newRow("mount turns, sky clock set") << mount << "clock" << 40.0 << QString();
    QTest::newRow("mount aborted") << mount << "abort" << -40.0 << QString();
    QTest::newRow("mount hangs") << mount << "HANG" << 40.0 << "does not answer";
    QTest::newRow("mount reversed") << mount << "REVERSED" << 40.0 << "wrong way";
    QTest::newRow("mount's server stops") << mount << "stop" << 40.0 << "closed";
}

void TestIndiAdjuster::troubleInAMove()
{
    QFETCH(QString, device);
    QFETCH(QString, trouble);
    QFETCH(double, moveDeg);
    QFETCH(QString, failure);
    const bool isMount = device == mount;
    IndiServer server;
    QVERIFY(server.start({QStringLiteral(VELTO_SKY_DRIVER)}));
    // The driver's own view of the motors (the mount's: the camera's RA axis), as a second client
    // sees it.
    const QString moving
        = isMount ? QStringLiteral("EQUATORIAL_EOD_COORD") : QStringLiteral("PAC_MANUAL_ADJUSTMENT");
    const QString positionKey = isMount ? QStringLiteral("RA_AXIS_DEG") : QStringLiteral("ALT_POSITION");
    IndiPropertyReader reader {QString()};
    QTcpSocket watcher;
    QMap<QString, QString> states; // by property: the adjuster's and the mount's names differ
    QMap<QString, double> position;
    int coordinatesSent = 0;
    connect(&watcher, &QTcpSocket::readyRead, this, [&] {
        for (const auto &vector : reader.feed(watcher.readAll())) {
            states[vector.name] = vector.state;
            coordinatesSent += vector.name == moving;
            // The camera shows the RA axis once it is switched on, which the server passes on once
            // it knows the device.
            if (vector.device == QLatin1String("Velto Q7 Sky") && vector.name == QLatin1String("CONNECTION")
                && !vector.switches.value(QStringLiteral("CONNECT"), true))
                watcher.write("<newSwitchVector device=\"Velto Q7 Sky\" name=\"CONNECTION\"><oneSwitch "
                              "name=\"CONNECT\">On</oneSwitch></newSwitchVector>\n");
            for (auto number = vector.numbers.begin(); number != vector.numbers.end(); ++number)
                position[number.key()] = number.value().value;
        }
    });
    watcher.connectToHost(QStringLiteral("localhost"), server.port());
    QVERIFY(watcher.waitForConnected(5000));
    watcher.write("<getProperties version=\"1.7\"/>\n");

    std::unique_ptr<QObject> object;
    if (isMount)
        object = std::make_unique<IndiMount>(QStringLiteral("localhost"), server.port(), device);
    else
        object = std::make_unique<IndiAdjuster>(QStringLiteral("localhost"), server.port(), device);
    auto *turning = qobject_cast<MountDevice *>(object.get());
    auto *adjusting = qobject_cast<AdjusterDevice *>(object.get());
    QSignalSpy opened(object.get(), SIGNAL(opened()));
    QSignalSpy done(object.get(), isMount ? SIGNAL(turnDone()) : SIGNAL(moveDone()));
    QSignalSpy failed(object.get(), SIGNAL(failed(QString)));
    turning ? turning->open() : adjusting->open();
    QVERIFY(opened.wait(5000));
    QTRY_VERIFY_WITH_TIMEOUT(position.contains(QStringLiteral("RA_AXIS_DEG")), 5000);
    const double startDeg = position.value(positionKey);
    const bool fault = trouble == QLatin1String("HANG") || trouble == QLatin1String("REVERSED");
    if (fault) {
        watcher.write(
            QStringLiteral("<newSwitchVector device=\"%1\" name=\"MOUNT_FAULTS\"><oneSwitch name=\"%2\">On"
                           "</oneSwitch></newSwitchVector>\n")
                .arg(mount, trouble)
                .toUtf8());
        QTRY_COMPARE_WITH_TIMEOUT(states.value(QStringLiteral("MOUNT_FAULTS")), QStringLiteral("Ok"), 5000);
    }
    // A set clock moves only with exposures, and none runs: the slew must move it on by itself. The
    // turn starts from the coordinates of that clock.
    if (trouble == QLatin1String("clock")) {
        watcher.write("<newNumberVector device=\"Velto Q7 Sky\" name=\"SKY_CLOCK\"><oneNumber "
                      "name=\"UTC_SECONDS\">1796000000</oneNumber></newNumberVector>\n");
        QTRY_COMPARE_WITH_TIMEOUT(states.value(QStringLiteral("SKY_CLOCK")), QStringLiteral("Ok"), 5000);
        const int before = coordinatesSent;
        QTRY_VERIFY_WITH_TIMEOUT(coordinatesSent > before, 5000);
    }
    turning ? turning->turnRa(moveDeg) : adjusting->move(moveDeg, -0.5);
    if (std::fabs(moveDeg) < 5 || (isMount && trouble != QLatin1String("HANG"))) {
        QTRY_COMPARE_WITH_TIMEOUT(states.value(moving), QStringLiteral("Busy"), 5000);
        QTest::qWait(500);
    }
    // The hour angle turns against the simulator's angle about the visible (northern) pole.
    const auto moved
        = [&] { return (isMount ? -1 : 1) * std::remainder(position.value(positionKey) - startDeg, 360.0); };
    if (trouble == QLatin1String("abort")) {
        turning ? turning->abort() : adjusting->abort();
        QTRY_VERIFY_WITH_TIMEOUT(states.value(moving) != QLatin1String("Busy"), 1000);
        const double stoppedAt = moved();
        QTest::qWait(1000);
        QCOMPARE(moved(), stoppedAt);
        QVERIFY2(stoppedAt / moveDeg > 0 && stoppedAt / moveDeg < 1, qPrintable(QString::number(stoppedAt)));
    } else if (trouble == QLatin1String("hang")) {
        server.pauseDrivers(true);
    } else if (trouble == QLatin1String("stop")) {
        server.stop();
    } else if (isMount && failure.isEmpty()) {
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 30000);
        QVERIFY2(std::fabs(moved() - moveDeg) < 0.1, qPrintable(QString::number(moved())));
    }
    if (!failure.isEmpty()) {
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 10000);
        QVERIFY2(failed[0][0].toString().contains(failure), qPrintable(failed[0][0].toString()));
        QVERIFY(turning ? !turning->isOpen() && !turning->moving()
                        : !adjusting->isOpen() && !adjusting->moving());
        if (trouble == QLatin1String("REVERSED")) {
            QTRY_VERIFY_WITH_TIMEOUT(states.value(moving) != QLatin1String("Busy"), 1000);
            const double stoppedAt = moved();
            QTest::qWait(1000);
            QCOMPARE(moved(), stoppedAt);
        }
    }
    QCOMPARE(done.count(), trouble != QLatin1String("abort") && failure.isEmpty() ? 1 : 0);
    server.pauseDrivers(false);
}

QTEST_MAIN(TestIndiAdjuster)
#include "tst_indiadjuster.moc"
