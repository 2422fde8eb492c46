// The phone view in a real browser: the virtual observer brings the window to monitoring on the
// simulated sky, Debian's chromium (headless, a phone's 390 x 844 viewport) loads the page from the
// program on loopback, and once the pushed readout shows on the page it must be one the window
// showed meanwhile. Prints
//   RESULT e2e phone-view readout_matches=<0|1>
// Without chromium the test is skipped; VELTO_REQUIRE_CHROMIUM=1 (CI, which installs it) fails it.
#include "axiserrorpanel.h"
#include "mainwindow.h"
#include "observer.h"
#include "phoneview.h"
#include "phoneviewdialog.h"
#include "settingsfile.h"
#include "simcontrol.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSet>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

class TestPhoneBrowser : public QObject
{
    Q_OBJECT

private slots:
    void readoutMatchesTheWindow();
};

namespace {

// Chromium, headless, driven over its DevTools pipe: commands go in on its descriptor 3 and
// answers come out of its descriptor 4, each a JSON text ending in a NUL.
class Browser
{
public:
    Browser(const QString &program, const QString &url)
    {
        int in[2], out[2];
        if (pipe(in) != 0 || pipe(out) != 0)
            return;
        m_toBrowser = in[1];
        m_fromBrowser = out[0];
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 3);
        posix_spawn_file_actions_adddup2(&actions, out[1], 4);
        const QByteArray exe = program.toLocal8Bit(), address = url.toUtf8();
        const char *argv[] = {exe.constData(), "--headless", "--no-sandbox", "--disable-gpu",
            "--window-size=390,844", "--remote-debugging-pipe", address.constData(), nullptr};
        if (posix_spawn(&m_pid, exe.constData(), &actions, nullptr, const_cast<char **>(argv), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
    }
    ~Browser()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
        ::close(m_toBrowser);
        ::close(m_fromBrowser);
    }

    // Sends `method` with `params` (to the page once attached) and returns its result; empty when
    // the browser does not answer within 10 s.
    QJsonObject call(const QString &method, const QJsonObject &params = {})
    {
        QJsonObject command {{QStringLiteral("id"), ++m_lastId}, {QStringLiteral("method"), method},
            {QStringLiteral("params"), params}};
        if (!m_session.isEmpty())
            command.insert(QStringLiteral("sessionId"), m_session);
        const QByteArray text = QJsonDocument(command).toJson(QJsonDocument::Compact) + '\0';
        if (m_pid <= 0 || ::write(m_toBrowser, text.constData(), size_t(text.size())) != text.size())
            return {};
        for (;;) {
            const int end = m_received.indexOf('\0');
            if (end >= 0) {
                const QJsonObject answer = QJsonDocument::fromJson(m_received.left(end)).object();
                m_received.remove(0, end + 1);
                if (answer.value(QStringLiteral("id")).toInt() == m_lastId)
                    return answer.value(QStringLiteral("result")).toObject();
                continue;
            }
            pollfd ready {m_fromBrowser, POLLIN, 0};
            char chunk[65536];
            const ssize_t n = ::poll(&ready, 1, 10000) == 1 ? ::read(m_fromBrowser, chunk, sizeof chunk) : 0;
            if (n <= 0)
                return {};
            m_received.append(chunk, int(n));
        }
    }

    // Attaches to the page the browser opened. A browser slow to start (a loaded machine) answers
    // before its page exists: it is asked again for 30 s.
    bool attach()
    {
        QElapsedTimer waited;
        waited.start();
        while (m_session.isEmpty() && waited.elapsed() < 30000) {
            for (const QJsonValue target :
                call(QStringLiteral("Target.getTargets")).value(QStringLiteral("targetInfos")).toArray()) {
                if (target[QStringLiteral("type")].toString() != QLatin1String("page"))
                    continue;
                m_session = call(QStringLiteral("Target.attachToTarget"),
                    {{QStringLiteral("targetId"), target[QStringLiteral("targetId")]},
                        {QStringLiteral("flatten"), true}})
                                .value(QStringLiteral("sessionId"))
                                .toString();
            }
            if (m_session.isEmpty())
                QTest::qWait(200);
        }
        return !m_session.isEmpty();
    }

    QString evaluate(const QString &expression)
    {
        return call(QStringLiteral("Runtime.evaluate"), {{QStringLiteral("expression"), expression}})
            .value(QStringLiteral("result"))
            .toObject()
            .value(QStringLiteral("value"))
            .toString();
    }

private:
    pid_t m_pid = -1;
    int m_toBrowser = -1, m_fromBrowser = -1, m_lastId = 0;
    QByteArray m_received;
    QString m_session;
};

// The page's altitude, azimuth and total lines as rendered, spaces collapsed; empty while hidden.
const QString pageReadout
    = QStringLiteral("document.getElementById('readout').hidden ? '' : ['altitude', 'azimuth', 'total'].map("
                     "id => document.getElementById(id).innerText.replace(/\\s+/g, ' ').trim()).join(' | ')");

QString windowReadout(const MainWindow &window)
{
    QStringList lines;
    for (const char *name : {"label_altitudeError", "label_azimuthError", "label_totalError"})
        lines << AxisErrorPanel::plainText(window.findChild<QLabel *>(name)).simplified();
    return lines.join(QStringLiteral(" | "));
}

} // namespace

void TestPhoneBrowser::readoutMatchesTheWindow()
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty()) {
        if (qEnvironmentVariableIntValue("VELTO_REQUIRE_CHROMIUM") == 1)
            QFAIL("chromium is not installed, and VELTO_REQUIRE_CHROMIUM=1 requires it");
        QSKIP("chromium is not installed");
    }
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(SettingsFile::programPath());

    e2e::Session session;
    session.name = QStringLiteral("phone-view");
    session.refractionCorrection = true;
    e2e::Observer observer(session);
    observer.openWindow();
    QVERIFY2(observer.connectCamera() && observer.chooseExposure() && observer.setRefraction()
            && observer.confirmPolaris(false) && observer.findAxisCentre() && observer.placeExpectedPolaris()
            && observer.movePolarisIntoReticle() && observer.confirmCurrentPolaris()
            && observer.startMonitor(),
        qPrintable(observer.failure()));
    karvix::sim::cameraSimulator().useSystemClock(); // frames stream while the browser looks

    PhoneViewServer &server = observer.window()->findChild<PhoneViewDialog *>()->phoneView().server();
    QString error;
    QVERIFY2(server.start(QStringLiteral("127.0.0.1"), 0, &error), qPrintable(error));
    Browser browser(chromium, server.url());
    QVERIFY2(browser.attach(), "chromium answers nothing on its DevTools pipe");
    // Every readout the window shows until the page shows one; the page's must be among them.
    QSet<QString> shown;
    QString page;
    QElapsedTimer waited;
    waited.start();
    while (page.isEmpty() && waited.elapsed() < 30000) {
        QTest::qWait(50);
        shown.insert(windowReadout(*observer.window()));
        page = browser.evaluate(pageReadout);
        shown.insert(windowReadout(*observer.window()));
    }
    const bool matches = shown.contains(page);
    std::printf("RESULT e2e phone-view readout_matches=%d\n", matches ? 1 : 0);
    std::fflush(stdout);
    QVERIFY2(matches,
        qPrintable(QStringLiteral("the page reads \"%1\"; the window showed: %2")
                       .arg(page, QStringList(shown.values()).join(QStringLiteral("; ")))));
    observer.closeWindow();
    QFile::remove(SettingsFile::programPath());
}

QTEST_MAIN(TestPhoneBrowser)
#include "tst_phonebrowser.moc"
