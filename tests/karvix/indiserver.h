// indiserver.h - a real indiserver on a free local port for the tests that talk INDI.
//
//   IndiServer server;
//   SKIP_WITHOUT_INDISERVER();
//   QVERIFY(server.start({"indi_simulator_ccd"}));   // listens when start returns true
//   ... server.port() ...
//   server.stop();                                    // or let it go out of scope
#ifndef TESTS_INDISERVER_H
#define TESTS_INDISERVER_H

#include <QProcess>
#include <QStringList>

class IndiServer
{
public:
    ~IndiServer() { stop(); }

    static bool installed();
    // Starts indiserver with the drivers (names on the PATH or absolute paths) on port(), a free
    // one chosen at the first start and kept for later starts; false when it does not listen
    // within 10 s.
    bool start(const QStringList &drivers);
    void stop();
    quint16 port();
    // Stops or continues the drivers' processes (SIGSTOP, SIGCONT): a driver that hangs.
    void pauseDrivers(bool paused);

private:
    // The server ends with the test process, even one killed by a timeout: left running, it would
    // hold the test's error stream open and keep ctest waiting for its end.
    class ServerProcess : public QProcess
    {
    protected:
        void setupChildProcess() override;
    };

    ServerProcess m_process;
    quint16 m_port = 0;
    bool m_listened = false;
};

// A port nothing listens on.
quint16 freeLocalPort();

// Skips the calling test function where indiserver is not installed. CI installs it on purpose and
// sets VELTO_REQUIRE_INDI=1: there a missing server fails instead of leaving INDI untested.
#define SKIP_WITHOUT_INDISERVER()                                                                            \
    do {                                                                                                     \
        if (!IndiServer::installed()) {                                                                      \
            if (qEnvironmentVariableIntValue("VELTO_REQUIRE_INDI") == 1)                                     \
                QFAIL("indiserver (indi-bin) is not installed, and VELTO_REQUIRE_INDI=1 requires it");       \
            QSKIP("indiserver (indi-bin) is not installed");                                                 \
        }                                                                                                    \
    } while (false)

#endif // TESTS_INDISERVER_H
