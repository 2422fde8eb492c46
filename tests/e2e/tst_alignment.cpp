// Whole polar alignments on the simulated sky, done by the virtual observer through the real
// window, judged by the truth: the mount's remaining polar error and the distance between the
// pole the program shows and the true pole's image. Each scenario prints its figures in one line
// (the accuracy record) and fails above 180 arcseconds.
#include "observer.h"
#include "settingsfile.h"

#include <QFile>
#include <QtTest>
#include <cstdio>

using e2e::Observer;
using e2e::Session;
using e2e::Verdict;

Q_DECLARE_METATYPE(Session)

namespace {

constexpr double residualGuardArcsec = 180;

void report(const QString &scenario, const Verdict &v)
{
    std::printf("RESULT e2e %s residual_arcsec=%.1f pole_error_px=%.2f\n", qPrintable(scenario),
        v.residualArcsec, v.poleErrorPx);
    std::fflush(stdout);
}

// The site's air bends the light in every scenario; the person leaves the program's refraction
// correction off (its default) unless the scenario says otherwise.
Session northSession(const QString &name)
{
    Session s;
    s.name = name;
    return s;
}

} // namespace

class TestAlignment : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void alignment_data();
    void alignment();
    void secondSessionReusesTheSavedAxisCentre();
    void slewDuringMonitoringIsFollowedByTheDial();
};

void TestAlignment::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestAlignment::init()
{
    QFile::remove(SettingsFile::programPath());
    QFile::remove(SettingsFile::userPath());
}

void TestAlignment::cleanup()
{
    init();
}

void TestAlignment::alignment_data()
{
    QTest::addColumn<Session>("session");
    QTest::newRow("north, refraction correction off") << northSession("north-refraction-off");
    Session on = northSession("north-refraction-on");
    on.refractionCorrection = true;
    QTest::newRow("north, refraction corrected") << on;

    Session south = northSession("south");
    south.south = true;
    south.latitudeDeg = -33.9;
    south.longitudeDeg = 151.2;
    south.pressureHpa = 1015;
    south.temperatureC = 18;
    south.errorDirectionDeg = 200;
    QTest::newRow("south at 33.9 S") << south;

    Session small = northSession("error-0.5deg");
    small.polarErrorDeg = 0.5;
    small.errorDirectionDeg = 130;
    QTest::newRow("initial error 0.5 degrees") << small;

    Session large = northSession("error-2deg");
    large.polarErrorDeg = 2.0;
    large.errorDirectionDeg = 290;
    QTest::newRow("initial error 2 degrees") << large;

    Session noisy = northSession("short-noisy");
    noisy.exposureButton = "pushButton_exp_50";
    noisy.gainButton = "pushButton_gain_100";
    noisy.errorDirectionDeg = 250;
    QTest::newRow("short noisy exposure") << noisy;
}

void TestAlignment::alignment()
{
    QFETCH(Session, session);
    Observer observer(session);
    observer.openWindow();
    QVERIFY2(observer.alignFully(false), qPrintable(observer.failure()));
    const Verdict v = observer.verdict();
    report(session.name, v);
    QVERIFY2(v.residualArcsec <= residualGuardArcsec, qPrintable(QString::number(v.residualArcsec)));
}

// The camera stays on the mount between nights, so the axis centre found the first night holds;
// the next night the mount stands elsewhere and the saved centre skips steps 3 to 8.
void TestAlignment::secondSessionReusesTheSavedAxisCentre()
{
    Session first = northSession("first-session");
    {
        Observer observer(first);
        observer.openWindow();
        QVERIFY2(observer.alignFully(false), qPrintable(observer.failure()));
    } // closing saves the settings
    QVERIFY(QFile::exists(SettingsFile::programPath()) || QFile::exists(SettingsFile::userPath()));

    Session second = northSession("second-session");
    second.polarErrorDeg = 1.3;
    second.errorDirectionDeg = 160;
    Observer observer(second);
    observer.openWindow();
    QVERIFY2(observer.alignFully(true), qPrintable(observer.failure()));
    const Verdict v = observer.verdict();
    report(second.name, v);
    QVERIFY2(v.residualArcsec <= residualGuardArcsec, qPrintable(QString::number(v.residualArcsec)));
}

// While monitoring, the mount slews 60 degrees in RA: the reference stars leave their search
// places, and the tracking dial at 60 turns the search places after them. The pole lies on the RA
// axis, which the slew does not move; the refraction correction turns with the image, so the
// corrected pole stays too.
void TestAlignment::slewDuringMonitoringIsFollowedByTheDial()
{
    Session session = northSession("slew-60");
    session.errorDirectionDeg = 80;
    session.refractionCorrection = true;
    Observer observer(session);
    observer.openWindow();
    QVERIFY2(observer.alignFully(false), qPrintable(observer.failure()));
    QPointF before, after;
    QVERIFY2(observer.slewAndTrack(60, &before, &after), qPrintable(observer.failure()));
    const Verdict v = observer.verdict();
    report(session.name, v);
    const double moved = std::hypot(after.x() - before.x(), after.y() - before.y());
    QVERIFY2(moved <= 0.5,
        qPrintable(QStringLiteral("pole moved %1 px: (%2,%3) to (%4,%5)")
                       .arg(moved)
                       .arg(before.x())
                       .arg(before.y())
                       .arg(after.x())
                       .arg(after.y())));
    QVERIFY2(v.residualArcsec <= residualGuardArcsec, qPrintable(QString::number(v.residualArcsec)));
}

QTEST_MAIN(TestAlignment)
#include "tst_alignment.moc"
