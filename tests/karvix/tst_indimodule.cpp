// The INDI back end's module (karvix/indi/indimodule.h) as the process sees it: libindiclient and
// CFITSIO (with the network and crypto libraries CFITSIO pulls in) are not mapped while the
// simulated sky or a recording is the source; choosing the INDI source, or listing an INDI
// server's cameras, loads the module from libkarvix's own folder; and without the module the INDI
// camera fails to open with a reason naming the file, while the simulated sky still works.
// The last case runs alone, as tst_indimodule_missing, against a copy of libkarvix in a folder of
// its own with no module beside it; the others as tst_indimodule (tests/karvix/CMakeLists.txt).
#include "karvix.h"
#include "source.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtTest>
#include <vector>

namespace {

// The files of the libraries mapped into this process.
QStringList mappedLibraries()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QStringList files;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash >= 0 && line.contains(".so"))
            files.append(QString::fromLocal8Bit(line.mid(slash)));
    }
    files.removeDuplicates();
    return files;
}

// The mapped library whose file name starts with `name`; empty when none is.
QString mapped(const QString &name)
{
    for (const QString &file : mappedLibraries())
        if (QFileInfo(file).fileName().startsWith(name))
            return file;
    return {};
}

// The libraries the INDI back end brings with it: none may be mapped before it is used.
const char *const kIndiLibraries[] = {"libkarvix-indi.so", "libindiclient.so", "libcfitsio.so", "libcurl"};

karvix::SourceChoice indiChoice()
{
    karvix::SourceChoice source;
    source.kind = karvix::SourceChoice::Kind::Indi;
    source.host = "localhost";
    source.port = 1; // nothing listens there
    source.device = "Velto Q7 Sky";
    return source;
}

// One frame of the simulated sky through the C functions, as the program takes it.
bool simulatorGivesAFrame()
{
    karvix::selectSource({});
    char id[KARVIX_ID_BUFFER_SIZE] = {};
    if (InitKARVIXResource() != 0 || ScanKARVIX() < 1 || GetKARVIXId(0, id) != 0)
        return false;
    const KarvixHandle handle = OpenKARVIX(id);
    if (!handle)
        return false;
    std::vector<unsigned char> buffer(KARVIX_FRAME_BUFFER_SIZE);
    int width = 0, height = 0, bits = 0, channels = 0;
    bool ok = SetKARVIXStreamMode(handle, KARVIX_STREAM_LIVE) == 0 && InitKARVIX(handle) == 0
        && BeginKARVIXLive(handle) == 0;
    // The first frame comes one exposure (50 ms by default) after the start.
    QElapsedTimer waited;
    waited.start();
    while (ok && GetKARVIXLiveFrame(handle, &width, &height, &bits, &channels, buffer.data()) != 0) {
        ok = waited.elapsed() < 5000;
        QTest::qWait(10);
    }
    ok = ok && width == KARVIX_FRAME_WIDTH;
    StopKARVIXLive(handle);
    CloseKARVIX(handle);
    return ok;
}

} // namespace

class TestIndiModule : public QObject
{
    Q_OBJECT

private slots:
    // In this order: the first looks at the process before anything loaded the module.
    void simulatorAndRecordingMapNoIndiLibrary();
    void indiSourceLoadsTheModuleBesideLibkarvix();
    void missingModuleFailsOpenWithTheReason();

private:
    // The folder libkarvix was loaded from, and the module's path in it.
    QString libkarvixFolder() const
    {
        return QFileInfo(mapped(QStringLiteral("libkarvix.so"))).absolutePath();
    }
    QString modulePath() const { return libkarvixFolder() + QStringLiteral("/libkarvix-indi.so"); }
};

void TestIndiModule::simulatorAndRecordingMapNoIndiLibrary()
{
    QVERIFY2(QFileInfo::exists(modulePath()), qPrintable(modulePath()));
    QVERIFY(simulatorGivesAFrame());
    karvix::SourceChoice recording;
    recording.kind = karvix::SourceChoice::Kind::Recording;
    recording.path = QDir::temp().filePath(QStringLiteral("no-such-recording.ser")).toStdString();
    karvix::selectSource(recording);
    QCOMPARE(OpenKARVIX("NORDVANE-REPLAY"), KarvixHandle(0));
    karvix::selectSource({});
    for (const char *library : kIndiLibraries)
        QVERIFY2(mapped(QLatin1String(library)).isEmpty(), library);
}

void TestIndiModule::indiSourceLoadsTheModuleBesideLibkarvix()
{
    QVERIFY2(QFileInfo::exists(modulePath()), qPrintable(modulePath()));
    std::string problem;
    QVERIFY(karvix::listIndiCameras("localhost", 1, 1000, &problem).empty());
    QVERIFY2(problem.find("not reachable") != std::string::npos, problem.c_str());
    QCOMPARE(mapped(QStringLiteral("libkarvix-indi.so")), modulePath());
    QVERIFY(!mapped(QStringLiteral("libindiclient.so")).isEmpty());

    karvix::selectSource(indiChoice());
    QCOMPARE(ScanKARVIX(), 1);
    QCOMPARE(OpenKARVIX("NORDVANE-INDI"), KarvixHandle(0));
    QVERIFY(simulatorGivesAFrame());
}

void TestIndiModule::missingModuleFailsOpenWithTheReason()
{
    QVERIFY2(!QFileInfo::exists(modulePath()), "run it with a libkarvix that has no module beside it");
    const std::string expectedProblem
        = (modulePath() + QStringLiteral(": cannot open shared object file")).toStdString();

    karvix::selectSource(indiChoice());
    char id[KARVIX_ID_BUFFER_SIZE] = {};
    QCOMPARE(ScanKARVIX(), 1);
    QCOMPARE(GetKARVIXId(0, id), 0);
    QCOMPARE(OpenKARVIX(id), KarvixHandle(0));
    QVERIFY(!karvix::sourceConnecting());
    QVERIFY2(
        karvix::sourceProblem().find(expectedProblem) != std::string::npos, karvix::sourceProblem().c_str());

    std::string problem;
    QVERIFY(karvix::listIndiCameras("localhost", 1, 1000, &problem).empty());
    QVERIFY2(problem.find(expectedProblem) != std::string::npos, problem.c_str());

    QVERIFY(mapped(QStringLiteral("libindiclient.so")).isEmpty());
    QVERIFY(simulatorGivesAFrame());
}

QTEST_GUILESS_MAIN(TestIndiModule)
#include "tst_indimodule.moc"
