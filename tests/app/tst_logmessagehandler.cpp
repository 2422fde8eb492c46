// The per-run log: folder and file name, the line format, and what each message kind writes.
#include "logmessagehandler.h"

#include <QTemporaryDir>
#include <QtTest>
#include <thread>

class TestLogMessageHandler : public QObject
{
    Q_OBJECT

private slots:
    void lineFormat_data();
    void lineFormat();
    void warningWritesNothing();
    void fileNameAndFolders();
    void missingDocumentsFolderCreatesNothing();
    void handlerAppendsWholeLines();
    void warningStillOpensTheFile();
    void unwritableLogIsDropped();

private:
    static QStringList readLines(const QString &path);
};

QStringList TestLogMessageHandler::readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestLogMessageHandler::lineFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("line");
    QTest::newRow("debug") << int(QtDebugMsg) << "hello"
                           << "2024/01/31 21:05:10\tDebug\t hello";
    QTest::newRow("info") << int(QtInfoMsg) << "x"
                          << "2024/01/31 21:05:10\tInfo\t x";
    QTest::newRow("critical") << int(QtCriticalMsg) << "BeginKARVIXLive failure"
                              << "2024/01/31 21:05:10\tCritical\t BeginKARVIXLive failure";
    QTest::newRow("fatal") << int(QtFatalMsg) << "gone"
                           << "2024/01/31 21:05:10\tFatal\t gone";
    QTest::newRow("empty message") << int(QtCriticalMsg) << ""
                                   << "2024/01/31 21:05:10\tCritical\t ";
    // The message is inserted unchanged, placeholders included.
    QTest::newRow("percent signs") << int(QtDebugMsg) << "%1 %2 100%"
                                   << "2024/01/31 21:05:10\tDebug\t %1 %2 100%";
}

void TestLogMessageHandler::lineFormat()
{
    QFETCH(int, type);
    QFETCH(QString, message);
    QFETCH(QString, line);
    const QDateTime time(QDate(2024, 1, 31), QTime(21, 5, 10, 999));
    QCOMPARE(logLine(QtMsgType(type), time, message), line);
}

void TestLogMessageHandler::warningWritesNothing()
{
    QVERIFY(logLine(QtWarningMsg, QDateTime::currentDateTime(), QStringLiteral("w")).isEmpty());
}

void TestLogMessageHandler::fileNameAndFolders()
{
    QTemporaryDir documents;
    const QDateTime start(QDate(2026, 12, 7), QTime(21, 5, 9));
    const QString path = prepareLogFile(documents.path(), start);
    QCOMPARE(path, QDir::toNativeSeparators(documents.path() + "/Nordvane/Log/2026-12-07.21-05-09.log"));
    QVERIFY(QDir(documents.path() + "/Nordvane/Log").exists());
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(QFileInfo(path).size(), qint64(0));
    // A second run in the same second gets the same name and keeps what the first one wrote.
    {
        QFile first(path);
        QVERIFY(first.open(QIODevice::Append | QIODevice::Text));
        first.write("first run\n");
    }
    QCOMPARE(prepareLogFile(documents.path(), start), path);
    QCOMPARE(readLines(path), QStringList {"first run"});
}

void TestLogMessageHandler::missingDocumentsFolderCreatesNothing()
{
    QTemporaryDir parent;
    const QString documents = parent.path() + "/Documents";
    prepareLogFile(documents, QDateTime::currentDateTime());
    QVERIFY(!QFileInfo::exists(documents));
}

void TestLogMessageHandler::handlerAppendsWholeLines()
{
    QTemporaryDir dir;
    logFilePath = dir.filePath("run.log");
    {
        QFile earlier(logFilePath);
        QVERIFY(earlier.open(QIODevice::WriteOnly | QIODevice::Text));
        earlier.write("from an earlier run\n");
    }
    const QtMessageHandler previous = qInstallMessageHandler(LogMessageHandler);
    qDebug("first");
    qCritical("second");
    qWarning("not written");
    // Both threads log: every line arrives whole.
    std::thread other([] {
        for (int i = 0; i < 200; ++i)
            qCritical("capture %d", i);
    });
    for (int i = 0; i < 200; ++i)
        qCritical("gui %d", i);
    other.join();
    qInstallMessageHandler(previous);

    const QStringList lines = readLines(logFilePath);
    QCOMPARE(lines.size(), 1 + 2 + 400);
    QCOMPARE(lines.at(0), QStringLiteral("from an earlier run"));
    QVERIFY(lines.at(1).endsWith("\tDebug\t first"));
    QVERIFY(lines.at(2).endsWith("\tCritical\t second"));
    const QRegularExpression whole(
        QStringLiteral("^\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\\tCritical\\t (gui|capture) \\d+$"));
    for (int i = 3; i < lines.size(); ++i)
        QVERIFY2(whole.match(lines.at(i)).hasMatch(), qPrintable(lines.at(i)));
}

void TestLogMessageHandler::warningStillOpensTheFile()
{
    QTemporaryDir dir;
    logFilePath = dir.filePath("warning.log");
    const QtMessageHandler previous = qInstallMessageHandler(LogMessageHandler);
    qWarning("only a warning");
    qInstallMessageHandler(previous);
    QVERIFY(QFileInfo::exists(logFilePath));
    QCOMPARE(QFileInfo(logFilePath).size(), qint64(0));
}

void TestLogMessageHandler::unwritableLogIsDropped()
{
    QTemporaryDir dir;
    logFilePath = dir.filePath("missing-folder/x.log");
    const QtMessageHandler previous = qInstallMessageHandler(LogMessageHandler);
    qCritical("dropped");
    qInstallMessageHandler(previous);
    QVERIFY(!QFileInfo::exists(logFilePath));
}

QTEST_GUILESS_MAIN(TestLogMessageHandler)
#include "tst_logmessagehandler.moc"
