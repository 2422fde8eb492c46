// The phone view's server refuses what it must: every request without the token of this start, or
// with another, gets 403 and opens no stream; the ninth viewer is refused while eight watch.
#include "phoneviewhub.h"
#include "phoneviewserver.h"

#include <QTcpSocket>
#include <QtTest>
#include <memory>
#include <vector>

class TestPhoneViewServer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refused_data();
    void refused();
    void ninthViewerRefused();

private:
    // Sends a GET of `target` on a connection of its own; the status line comes with statusLine().
    std::unique_ptr<QTcpSocket> get(const QString &target);
    static QByteArray statusLine(QTcpSocket &socket);
    PhoneViewServer m_server;
};

void TestPhoneViewServer::init()
{
    QString error;
    QVERIFY2(m_server.start(QStringLiteral("127.0.0.1"), 0, &error), qPrintable(error));
}

void TestPhoneViewServer::cleanup()
{
    m_server.stop();
}

std::unique_ptr<QTcpSocket> TestPhoneViewServer::get(const QString &target)
{
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QStringLiteral("127.0.0.1"), m_server.port());
    if (socket->waitForConnected(5000))
        socket->write("GET " + target.toUtf8() + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    return socket;
}

QByteArray TestPhoneViewServer::statusLine(QTcpSocket &socket)
{
    while (!socket.canReadLine() && socket.waitForReadyRead(5000))
        continue;
    return socket.readLine().trimmed();
}

void TestPhoneViewServer::refused_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("page without token") << "/";
    QTest::newRow("stream without token") << "/events";
    QTest::newRow("stream, empty token") << "/events?token=";
    QTest::newRow("stream, last digit wrong") << "/events?token=%wrong";
    QTest::newRow("stream, token of a former start") << "/events?token=%former";
    QTest::newRow("stream, token twice as long") << "/events?token=%token%token";
    QTest::newRow("elsewhere without token") << "/favicon.ico";
}

void TestPhoneViewServer::refused()
{
    QFETCH(QString, target);
    const QString token = m_server.token();
    QString wrong = token;
    wrong[wrong.size() - 1] = token.endsWith(QLatin1Char('0')) ? QLatin1Char('1') : QLatin1Char('0');
    const QString former = token;
    cleanup();
    init();
    QVERIFY(m_server.token() != former);
    target.replace(QLatin1String("%wrong"), wrong)
        .replace(QLatin1String("%former"), former)
        .replace(QLatin1String("%token"), m_server.token());
    const auto socket = get(target);
    QCOMPARE(statusLine(*socket), QByteArray("HTTP/1.1 403 Forbidden"));
    QVERIFY(m_server.viewers().isEmpty());
    // And with the token the same request is answered.
    const QString allowed
        = target.section(QLatin1Char('?'), 0, 0) + QStringLiteral("?token=") + m_server.token();
    const QByteArray expected
        = allowed.startsWith(QLatin1String("/favicon")) ? "HTTP/1.1 404 Not Found" : "HTTP/1.1 200 OK";
    QCOMPARE(statusLine(*get(allowed)), expected);
}

void TestPhoneViewServer::ninthViewerRefused()
{
    const QString stream = QStringLiteral("/events?token=") + m_server.token();
    std::vector<std::unique_ptr<QTcpSocket>> viewers;
    for (int i = 0; i < PhoneViewHub::maxViewers; ++i) {
        viewers.push_back(get(stream));
        QCOMPARE(statusLine(*viewers.back()), QByteArray("HTTP/1.1 200 OK"));
    }
    QTRY_COMPARE(m_server.viewers().size(), PhoneViewHub::maxViewers);
    const auto ninth = get(stream);
    QCOMPARE(statusLine(*ninth), QByteArray("HTTP/1.1 503 Service Unavailable"));
    // One leaves: a seat is free again.
    viewers.pop_back();
    QTRY_COMPARE_WITH_TIMEOUT(m_server.viewers().size(), PhoneViewHub::maxViewers - 1, 10000);
    QCOMPARE(statusLine(*get(stream)), QByteArray("HTTP/1.1 200 OK"));
}

QTEST_GUILESS_MAIN(TestPhoneViewServer)
#include "tst_phoneviewserver.moc"
