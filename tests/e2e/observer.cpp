#include "observer.h"

#include "indimount.h"
#include "mainwindow.h"
#include "simcontrol.h"
#include "utcclock.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDial>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QRegularExpression>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QtMath>
#include <cmath>
#include <erfa.h>
#include <erfam.h>
#include <opencv2/imgproc.hpp>

using namespace karvix::sim;

namespace e2e {

namespace {

const char *const polarisId = "HIP 11767";   // Polaris (alpha UMi)
const char *const sigmaOctId = "HIP 104382"; // Polaris Australis (sigma Oct)

// The person's chart: the stars to magnitude 7.5 within 9 degrees of the pole, enough to
// recognise any frame around it.
constexpr double chartRadiusDeg = 9.0;
constexpr double chartFaintestVmag = 7.5;
// A star is recognised when the chart and the image agree on its place to this many pixels.
constexpr double recognitionPx = 4.0;
constexpr int recognisedStars = 5;

// Everything a person does takes a moment; a program that has not answered in this time has not.
constexpr int answerTimeoutMs = 5000;
// The readouts beside the picture are updated with it, but may lag a picture or two behind.
constexpr int readoutSettleMs = 80;
// The camera's frames follow each other at this interval of the sky's clock.
constexpr double frameIntervalS = 0.1;
// A person's pace: between two RA positions (turning the axis, walking back to the computer);
// before each move of a bolt (finding it in the dark, turning it); watching the readout settle.
constexpr double minPauseBetweenPositionsS = 20, maxPauseBetweenPositionsS = 60;
constexpr double boltMoveS = 8;
constexpr double readoutWatchS = 3;
// How many frames a person watches the pole's readout before reading it.
constexpr int poleSettlingFrames = 10;
// A replayed action waits this long after its frame has arrived, for the frame to be published
// to the window; the next frame of the recording comes a frame interval later.
constexpr int replayActionDelayMs = 15;
// The pause between a click and the next turn of the axis: how late a replayed click may come.
constexpr double pauseBeforeTurnS = 0.3;
// Quick Alignment at a person's pace: typing the site, walking to the mount and turning the axis.
constexpr double siteTypingS = 30, raTurnByHandS = 10;
// How long the person watches for the quick alignment to finish after the bolts, seconds.
constexpr int quickFinishWaitS = 40;
constexpr int mountSlewsTimeoutMs = 240000;
// How long a person waits for the program to propose the template (the solve, real time).
constexpr int proposalTimeoutMs = 30000;
// Where a person following the readout stops: the readout's own noise is a few arcseconds.
constexpr double readoutGoodEnoughArcsec = 3.0;
// The rough readout leaves out refraction and the template's whole degrees: a minute will do
// before Polaris is put into the reticle by eye.
constexpr double roughReadoutGoodEnoughArcsec = 60.0;
// A hand turning a bolt steadily: this much per frame, 6 px at most, well within a star's search box.
constexpr double steadyTurnArcminPerFrame = 3.0;

// The person's pauses repeat with the session: drawn from its name (FNV-1a), not from the clock.
uint32_t paceSeed(const QString &name)
{
    uint32_t hash = 2166136261u;
    for (const char c : name.toUtf8()) {
        hash ^= uint8_t(c);
        hash *= 16777619u;
    }
    return hash;
}

double distance(const QPointF &a, const QPointF &b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

QPointF point(const ImagePoint &p)
{
    return QPointF(p.x, p.y);
}

std::vector<QPointF> positions(const std::vector<SeenStar> &stars)
{
    std::vector<QPointF> points;
    for (const SeenStar &s : stars)
        points.push_back(s.position);
    return points;
}

// ERFA's refraction at the pole's zenith distance for the site's air (humidity 0.5, green light),
// the model the simulated sky uses.
double refractionAtPoleArcsec(const Session &s)
{
    double a = 0, b = 0;
    eraRefco(s.pressureHpa, s.temperatureC, 0.5, 0.55, &a, &b);
    const double tanZ = std::tan((90.0 - std::abs(s.latitudeDeg)) * ERFA_DD2R);
    return (a * tanZ + b * tanZ * tanZ * tanZ) * ERFA_DR2AS;
}

} // namespace

// With the correction on the mount ends this close to the true pole; with it off, this close to
// where the air's refraction puts the pole.
constexpr double correctedLimitArcsec = 10;
constexpr int maxAdjusterMoves = 6;
constexpr int maxQuickActions = 4;
constexpr double maxQuickReadoutS = 120;
constexpr double uncorrectedToleranceArcsec = 8;

void report(const Session &s, const Verdict &v)
{
    std::printf("RESULT e2e %s correction=%s residual_arcsec=%.1f pole_error_px=%.2f refraction_arcsec=%.1f "
                "sigma_arcsec=%.1f tracking=%s pace_s=%.0f warned=%d\n",
        qPrintable(s.name), s.refractionCorrection ? "on" : "off", v.residualArcsec, v.poleErrorPx,
        v.refractionArcsec, v.sigmaArcsec, s.tracking ? "on" : "off", v.sessionSeconds, int(v.axisWarned));
    if (s.motorised) {
        const auto reversed = s.altitudeMotor.reversed ? (s.azimuthMotor.reversed ? "both" : "alt")
                                                       : (s.azimuthMotor.reversed ? "az" : "none");
        std::printf(
            "RESULT e2e %s moves=%d residual_arcsec=%.1f backlash_arcmin=%g gain_error=%g reversed=%s "
            "tracking=%s pace_s=%.0f\n",
            qPrintable(s.name), v.adjusterMoves, v.residualArcsec, s.altitudeMotor.backlashArcmin,
            std::abs(s.altitudeMotor.gain - 1), reversed, s.tracking ? "on" : "off", v.sessionSeconds);
    }
    if (s.quick && s.mountByProgram)
        std::printf("RESULT e2e %s ra_turns_by_hand=0 actions=%d mount_actions=%d residual_arcsec=%.1f correction=%s "
                    "tracking=%s pace_s=%.0f\n",
            qPrintable(s.name), v.programActions, v.mountActions, v.residualArcsec,
            s.refractionCorrection ? "on" : "off", s.tracking ? "on" : "off", v.sessionSeconds);
    else if (s.quick)
        std::printf("RESULT e2e %s actions=%d mount_actions=%d time_to_readout_s=%.0f residual_arcsec=%.1f "
                    "correction=%s tracking=%s pace_s=%.0f\n",
            qPrintable(s.name), v.programActions, v.mountActions, v.timeToReadoutS, v.residualArcsec,
            s.refractionCorrection ? "on" : "off", s.tracking ? "on" : "off", v.sessionSeconds);
    std::fflush(stdout);
}

// Whether the verdict meets the scenario's expectation; `why` says how it falls short.
bool meetsExpectation(const Session &s, const Verdict &v, QString *why)
{
    const double poleErrorArcsec = v.poleErrorPx * kPlateScaleArcsecPerPx;
    const double expected = s.refractionCorrection ? 0 : v.refractionArcsec;
    const double tolerance = s.refractionCorrection ? correctedLimitArcsec : uncorrectedToleranceArcsec;
    *why = QStringLiteral("%1: residual %2\" and pole error %3\" (%4 px), expected %5\" within %6\"")
               .arg(s.name)
               .arg(v.residualArcsec, 0, 'f', 1)
               .arg(poleErrorArcsec, 0, 'f', 1)
               .arg(v.poleErrorPx, 0, 'f', 2)
               .arg(expected, 0, 'f', 1)
               .arg(tolerance);
    // A camera that slipped must be noticed; a steady one must not be called into question.
    const bool disturbed = s.cameraShiftPx > 0 || s.settleArcsec > 0;
    if (v.axisWarned != (s.cameraShiftPx > 0) && (v.axisWarned || s.cameraShiftPx > 0 || !disturbed))
        *why += v.axisWarned ? QStringLiteral(", the steady RA positions were called inconsistent")
                             : QStringLiteral(", the camera's slip went unnoticed");
    // Quick Alignment: a few actions in the program, and the precise readout within two minutes.
    const bool quickEnough = !s.quick || (v.programActions <= maxQuickActions && v.timeToReadoutS <= maxQuickReadoutS);
    if (!quickEnough)
        *why += QStringLiteral(", %1 actions and %2 s to the readout").arg(v.programActions).arg(v.timeToReadoutS);
    // Motors bring the pole within the tolerance in a few moves.
    if (s.motorised && (v.adjusterMoves < 0 || v.adjusterMoves > maxAdjusterMoves))
        *why += QStringLiteral(", after %1 moves of the motors").arg(v.adjusterMoves);
    return quickEnough && (!s.motorised || (v.adjusterMoves >= 0 && v.adjusterMoves <= maxAdjusterMoves))
        && std::abs(v.residualArcsec - expected) <= tolerance
        && std::abs(poleErrorArcsec - expected) <= tolerance
        && (v.axisWarned == (s.cameraShiftPx > 0) || (disturbed && s.cameraShiftPx == 0));
}

Session withFaultyMotors(Session session)
{
    session.motorised = true;
    for (karvix::sim::MotorFaults *motor : {&session.altitudeMotor, &session.azimuthMotor}) {
        motor->backlashArcmin = 3;
        motor->gain = 1.2;
    }
    session.azimuthMotor.reversed = true;
    return session;
}

double utc(const char *isoDateTime)
{
    QDateTime t = QDateTime::fromString(QLatin1String(isoDateTime), Qt::ISODate);
    t.setTimeSpec(Qt::UTC);
    return double(t.toSecsSinceEpoch());
}

// Answers the program's message boxes as a person does: Yes or No to the saved-centre question as
// planned, OK to anything else, and remembers what they said.
class BoxAnswerer : public QObject
{
public:
    QMessageBox::StandardButton questionAnswer = QMessageBox::No;
    QString fileToChoose;          // the answer to a file dialog
    QString recordingToUse;        // the answer to Camera Source: this recorded session
    quint16 indiPortToUse = 0;     // or: our sky driver on the indiserver at this local port
    AdjusterAddress adjusterToUse; // the answer to Device > Adjuster...
    quint16 mountPortToUse = 0;    // the answer to Device > Mount...: the sky driver's telescope
    QStringList seen;

    BoxAnswerer()
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *files = qobject_cast<QFileDialog *>(modal)) {
                // Typed into the name field: selectFile leaves a field that has the focus as it is,
                // so it would depend on whether the dialog was activated yet.
                if (auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                    name->setText(fileToChoose);
                files->selectFile(fileToChoose);
                static_cast<QDialog *>(files)->accept(); // as its Save button does
                return;
            }
            if (modal && modal->objectName() == QLatin1String("dialog_adjuster")) {
                chooseAdjuster(modal);
                return;
            }
            if (modal && modal->objectName() == QLatin1String("dialog_mount")) {
                modal->findChild<QLineEdit *>(QStringLiteral("lineEdit_mountHost"))->setText(QStringLiteral("localhost"));
                modal->findChild<QSpinBox *>(QStringLiteral("spinBox_mountPort"))->setValue(mountPortToUse);
                modal->findChild<QComboBox *>(QStringLiteral("comboBox_mountDevice"))
                    ->setEditText(QLatin1String(IndiMount::kTelescope));
                modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
                return;
            }
            if (modal && modal->objectName() == QLatin1String("CameraSourceDialog")) {
                if (indiPortToUse != 0)
                    chooseIndiCamera(modal);
                else
                    chooseRecording(modal);
                return;
            }
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return;
            seen << box->windowTitle() + QLatin1String(": ") + box->text();
            if (box->button(questionAnswer))
                box->button(questionAnswer)->click();
            else
                box->close();
        });
        timer->start(20);
    }

    // Camera Source is answered anew after this.
    void forgetCameraSource() { m_indiAsked.invalidate(); }

private:
    void chooseAdjuster(QWidget *dialog)
    {
        const auto text = [dialog](const char *name, const std::string &value) {
            dialog->findChild<QLineEdit *>(QLatin1String(name))->setText(QString::fromStdString(value));
        };
        dialog->findChild<QComboBox *>(QStringLiteral("comboBox_adjusterKind"))
            ->setCurrentIndex(adjusterToUse.indi ? 0 : 1);
        text("lineEdit_adjusterAddress", adjusterToUse.address);
        if (adjusterToUse.indi)
            text("lineEdit_adjusterDevice", adjusterToUse.device);
        for (const char *units : {"doubleSpinBox_altitudeUnits", "doubleSpinBox_azimuthUnits"})
            dialog->findChild<QDoubleSpinBox *>(QLatin1String(units))->setValue(adjusterToUse.unitsPerDeg);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    }

    void chooseRecording(QWidget *dialog)
    {
        auto *recording = dialog->findChild<QRadioButton *>(QStringLiteral("radioButton_recording"));
        auto *path = dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit_recording"));
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        if (!recording || !path || !buttons)
            return;
        recording->click();
        path->setText(recordingToUse);
        buttons->button(QDialogButtonBox::Ok)->click();
    }

    // The server's address first and Refresh; at a later look the list has come and the sky
    // driver is picked from it. A list that does not come in 10 s is given up with Cancel.
    void chooseIndiCamera(QWidget *dialog)
    {
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        auto *cameras = dialog->findChild<QComboBox *>(QStringLiteral("comboBox_indiCamera"));
        if (!buttons || !cameras)
            return;
        if (!m_indiAsked.isValid()) {
            dialog->findChild<QRadioButton *>(QStringLiteral("radioButton_indi"))->click();
            dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit_indiHost"))
                ->setText(QStringLiteral("localhost"));
            dialog->findChild<QLineEdit *>(QStringLiteral("spinBox_indiPort"))
                ->setText(QString::number(indiPortToUse));
            dialog->findChild<QPushButton *>(QStringLiteral("pushButton_indiRefresh"))->click();
            m_indiAsked.start();
            return;
        }
        const int sky = cameras->findText(QLatin1String(IndiMount::kDevice));
        if (sky >= 0) {
            cameras->setCurrentIndex(sky);
            buttons->button(QDialogButtonBox::Ok)->click();
        } else if (m_indiAsked.hasExpired(10000)) {
            buttons->button(QDialogButtonBox::Cancel)->click();
        }
    }

    QElapsedTimer m_indiAsked; // since Refresh was pressed
};

Observer::Observer(const Session &session)
    : m_session(session), m_mount(stageMount(session)),
      m_chart(QStringLiteral(VELTO_CATALOG_FILE), session.south, session.utcSeconds, chartRadiusDeg,
          chartFaintestVmag),
      m_boxes(new BoxAnswerer), m_pace(paceSeed(session.name))
{
    setUtcSource([mount = m_mount.get()] { return mount->clock(); });
}

Observer::~Observer()
{
    closeWindow();
    setUtcSource({});
}

void Observer::openWindow()
{
    m_window.reset(new MainWindow);
    m_window->show();
}

void Observer::closeWindow()
{
    if (!m_window)
        return;
    m_window->close();
    m_window.reset();
}

template <typename T> T *Observer::child(const char *name) const
{
    return m_window->findChild<T *>(QLatin1String(name));
}

bool Observer::fail(const QString &why)
{
    m_failure = QStringLiteral("%1 (step %2; boxes: %3)").arg(why).arg(step()).arg(m_boxes->seen.join("; "));
    return false;
}

float Observer::zoom() const
{
    if (child<QAction>("action50")->isChecked())
        return 0.5f;
    if (child<QAction>("action75")->isChecked())
        return 0.75f;
    return 1.0f;
}

QPointF Observer::toLabel(const QPointF &framePoint) const
{
    return framePoint * zoom();
}

int Observer::step() const
{
    if (!m_window)
        return 0;
    const auto *panel = child<QTabWidget>("tabWidget_tipMsg");
    return panel && panel->isVisible() ? panel->currentIndex() + 1 : 0;
}

bool Observer::press(const char *buttonName)
{
    auto *button = child<QPushButton>(buttonName);
    if (!button || !button->isVisible() || !button->isEnabled())
        return fail(QStringLiteral("cannot press %1").arg(buttonName));
    m_actions.append({Action::Kind::Press, utcNow(), QString::fromLatin1(buttonName), {}, 0});
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

bool Observer::pickStar(const QPointF &where)
{
    const QPointF label = toLabel(where);
    const int warningsBefore = m_boxes->seen.size();
    m_actions.append({Action::Kind::Pick, utcNow(), QString(), where, 0});
    QTest::mouseDClick(child<QLabel>("label_showImg"), Qt::LeftButton, Qt::NoModifier,
        QPoint(qRound(label.x()), qRound(label.y())));
    QTest::qWait(60); // a warning box would show and be answered in this time
    if (m_boxes->seen.size() != warningsBefore && m_boxes->seen.last().contains(QLatin1String("one point"))) {
        m_axisWarned = true; // the program asks for the axis to be measured again
        return true;
    }
    if (m_boxes->seen.size() != warningsBefore)
        return fail(QStringLiteral("no star found at (%1,%2)").arg(where.x()).arg(where.y()));
    return true;
}

std::optional<QPointF> Observer::shownPosition(const char *labelName) const
{
    static const QRegularExpression text(QStringLiteral("^\\((-?[0-9.]+),(-?[0-9.]+)\\)$"));
    const QRegularExpressionMatch m = text.match(child<QLabel>(labelName)->text());
    if (!m.hasMatch())
        return std::nullopt;
    return QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
}

// Time passes while the person watches: the window first shows a picture of the sky and mount as
// they are now, then for each frame the sky's clock moves on by one frame interval and the window
// shows a picture taken after the step. Every state the observer leaves the sky in is thus seen
// by the program before the next, however fast its camera runs, and the figures repeat exactly.
bool Observer::waitForFreshFrames(int frames)
{
    const auto *label = child<QLabel>("label_showImg");
    if (!m_mount->awaitFrameAfterChange(answerTimeoutMs))
        return fail(QStringLiteral("no frame after the mount moved %1")
                        .arg(QString::fromStdString(m_mount->problem())));
    for (int frame = 0; frame <= frames; ++frame) {
        if (frame > 0)
            m_mount->letTimePass(frameIntervalS);
        // The first two pictures may have waited in the display queue since before the change.
        qint64 shown = label->pixmap(Qt::ReturnByValue).cacheKey();
        int fresh = -2;
        QElapsedTimer clock;
        clock.start();
        while (fresh < 1) {
            if (clock.elapsed() > answerTimeoutMs)
                return fail(QStringLiteral("no new frames"));
            QTest::qWait(5);
            const qint64 now = label->pixmap(Qt::ReturnByValue).cacheKey();
            if (now != shown) {
                shown = now;
                ++fresh;
            }
        }
    }
    // The readouts beside the picture follow it within a few of the window's 20 ms updates.
    QTest::qWait(readoutSettleMs);
    return true;
}

// ---- What the person sees ------------------------------------------------------------------------

std::vector<SeenStar> Observer::look() const
{
    return seenStars(child<QLabel>("label_showImg")->pixmap(Qt::ReturnByValue).toImage(), zoom());
}

// The chart laid onto the stars of the image, and the seen star where the chart's star falls.
std::optional<QPointF> Observer::find(const std::string &chartId, const std::vector<SeenStar> &seen) const
{
    const std::optional<ChartStar> wanted = m_chart.star(chartId);
    if (!wanted)
        return std::nullopt;
    std::vector<QPointF> chart;
    for (const ChartStar &s : m_chart.stars())
        chart.push_back(s.position);
    const std::vector<QPointF> image = positions(seen);
    const auto map = matchPattern(chart, image, true, recognitionPx, recognisedStars);
    if (!map)
        return std::nullopt;
    const QPointF expected = map->apply(wanted->position);
    std::optional<QPointF> nearest;
    for (const QPointF &p : image) {
        if (distance(p, expected) <= recognitionPx
            && (!nearest || distance(p, expected) < distance(*nearest, expected)))
            nearest = p;
    }
    return nearest;
}

std::optional<QPointF> Observer::find(const std::string &chartId) const
{
    return find(chartId, look());
}

std::optional<QPointF> Observer::poleStar() const
{
    return find(m_session.south ? sigmaOctId : polarisId);
}

std::optional<QPointF> Observer::shownPole()
{
    // The readout settles over about a second of frames after anything changed; a person watches
    // it that long and reads it then.
    if (!waitForFreshFrames(poleSettlingFrames))
        return std::nullopt;
    return shownPosition("label_pole");
}

// ---- Template matching -------------------------------------------------------------------------

// How well the template's rings, as the program draws them now, sit on the stars a person sees:
// each ring counts by the distance from its centre to the nearest star, in a Gaussian of width
// sigma. The rings' centres are the holes of the drawing: what the outside cannot reach.
double Observer::templateCover(double sigmaLabelPx)
{
    const auto *label = child<QLabel>("label_templateImg");
    if (!label->isVisible())
        return 0;
    // The pixmap's own pixels when they are 32-bit with alpha (premultiplying keeps alpha as it
    // is); a converted copy would be one more image of some 5 MB per look.
    QImage drawing = label->pixmap(Qt::ReturnByValue).toImage();
    if (drawing.format() != QImage::Format_ARGB32 && drawing.format() != QImage::Format_ARGB32_Premultiplied)
        drawing = drawing.convertToFormat(QImage::Format_ARGB32);
    const cv::Mat argb(drawing.height(), drawing.width(), CV_8UC4, const_cast<uchar *>(drawing.constBits()),
        size_t(drawing.bytesPerLine()));
    cv::Mat alpha;
    cv::extractChannel(argb, alpha, 3); // B, G, R, A in memory on this byte order
    cv::Mat ink;
    cv::copyMakeBorder(alpha > 40, ink, 1, 1, 1, 1, cv::BORDER_CONSTANT, 0);
    cv::floodFill(ink, cv::Point(0, 0), 255);
    const cv::Mat holes = ink == 0;
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(holes, labels, stats, centroids);
    const double z = zoom();
    double cover = 0;
    for (int i = 1; i < count; ++i) {
        const int area = stats.at<int>(i, cv::CC_STAT_AREA);
        if (area < 20 * z * z || area > 2500 * z * z)
            continue; // not a ring
        const QPointF centre = QPointF(
            label->x() + centroids.at<double>(i, 0) - 1, label->y() + centroids.at<double>(i, 1) - 1);
        double nearest = 1e9;
        for (const QPointF &star : m_visibleStars)
            nearest = std::min(nearest, distance(star, centre));
        cover += std::exp(-nearest * nearest / (2 * sigmaLabelPx * sigmaLabelPx));
    }
    return cover;
}

void Observer::rememberVisibleStars()
{
    m_visibleStars.clear();
    for (const SeenStar &star : look())
        m_visibleStars << toLabel(star.position);
}

// A person sweeps the slider over its whole range in page steps, looking for where the rings come
// close to stars, then turns it degree by degree around the best place and leaves it where the
// rings sit best.
bool Observer::matchTemplate(QSlider *slider)
{
    if (!slider->isVisible())
        return fail(QStringLiteral("the template slider is hidden"));
    rememberVisibleStars();
    const double z = zoom();

    // A slider already at 0 still shows the angle the other slider left: move it off and back.
    QTest::keyClick(slider, Qt::Key_Right);
    QTest::keyClick(slider, Qt::Key_Home);
    int coarseBest = 0;
    double coarseScore = -1;
    for (;;) {
        const double score = templateCover(25 * z);
        if (score > coarseScore) {
            coarseScore = score;
            coarseBest = slider->value();
        }
        if (slider->value() >= slider->maximum())
            break;
        QTest::keyClick(slider, Qt::Key_PageUp);
    }
    auto moveTo = [slider](int value) {
        QTest::keyClick(slider, Qt::Key_Home);
        while (slider->value() + slider->pageStep() <= value)
            QTest::keyClick(slider, Qt::Key_PageUp);
        while (slider->value() < value)
            QTest::keyClick(slider, Qt::Key_Right);
    };
    const int from = std::max(slider->minimum(), coarseBest - slider->pageStep());
    const int to = std::min(slider->maximum(), coarseBest + slider->pageStep());
    moveTo(from);
    int best = from;
    double bestScore = -1;
    for (;;) {
        const double score = templateCover(4 * z);
        if (score > bestScore) {
            bestScore = score;
            best = slider->value();
        }
        if (slider->value() >= to)
            break;
        QTest::keyClick(slider, Qt::Key_Right);
    }
    while (slider->value() > best)
        QTest::keyClick(slider, Qt::Key_Left);
    m_actions.append({Action::Kind::Slider, utcNow(), slider->objectName(), {}, slider->value()});
    if (bestScore < 2.5) // Polaris's own ring and at least two more
        return fail(QStringLiteral("the template matches no stars (best %1 at %2)").arg(bestScore).arg(best));
    return true;
}

// ---- Bolts ---------------------------------------------------------------------------------------

// One small trial turn of each bolt shows how the marker moves per arcminute; then the person
// turns both by what that predicts until the marker sits on the target to a tenth of a pixel.
bool Observer::turnBoltsUntilMeet(const std::function<std::optional<QPointF>()> &seen, const QPointF &target,
    double trialArcmin, const char *what)
{
    const auto p0 = seen();
    m_mountActions += 2;
    m_mount->turnAltitudeBolt(trialArcmin);
    const auto p1 = seen();
    m_mount->turnAzimuthBolt(trialArcmin);
    const auto p2 = seen();
    if (!p0 || !p1 || !p2)
        return fail(QStringLiteral("%1 lost during the trial turns").arg(what));
    const QPointF perAltitude = (*p1 - *p0) / trialArcmin;
    const QPointF perAzimuth = (*p2 - *p1) / trialArcmin;
    const double det = perAltitude.x() * perAzimuth.y() - perAltitude.y() * perAzimuth.x();
    if (std::abs(det) < 1e-6)
        return fail(QStringLiteral("the bolts do not move %1 independently").arg(what));
    QPointF now = *p2;
    for (int turn = 0; turn < 10; ++turn) {
        if (summaryShown()) // a person stops turning when the program says it is done
            return true;
        const QPointF d = target - now;
        if (std::abs(d.x()) <= 0.1 && std::abs(d.y()) <= 0.1)
            return true;
        const double altitude = (d.x() * perAzimuth.y() - d.y() * perAzimuth.x()) / det;
        const double azimuth = (perAltitude.x() * d.y() - perAltitude.y() * d.x()) / det;
        pause(boltMoveS);
        m_mountActions += 2;
        m_mount->turnAltitudeBolt(altitude);
        if (!waitForFreshFrames(0))
            return false;
        pause(boltMoveS);
        m_mount->turnAzimuthBolt(azimuth);
        pause(readoutWatchS);
        const auto next = seen();
        if (!next)
            return fail(QStringLiteral("%1 lost while turning the bolts").arg(what));
        now = *next;
    }
    // The readout's noise may keep it a little off; a person stops when it no longer improves.
    if (distance(now, target) > 0.5)
        return fail(QStringLiteral("%1 does not reach its target: (%2,%3) against (%4,%5)")
                        .arg(what)
                        .arg(now.x())
                        .arg(now.y())
                        .arg(target.x())
                        .arg(target.y()));
    return true;
}

// ---- The alignment -------------------------------------------------------------------------------

bool Observer::connectCamera()
{
    if (m_session.south)
        QTest::mouseClick(child<QRadioButton>("radioButton_south"), Qt::LeftButton);
    else
        QTest::mouseClick(child<QRadioButton>("radioButton_north"), Qt::LeftButton);
    // A camera still being reached (a network camera) connects a moment after Connect; until then
    // the picture may show what it showed before.
    const auto *picture = child<QLabel>("label_showImg");
    const qint64 before = picture->pixmap(Qt::ReturnByValue).cacheKey();
    child<QAction>("actionConnect")->trigger();
    QElapsedTimer clock;
    clock.start();
    while (picture->pixmap(Qt::ReturnByValue).isNull()
        || picture->pixmap(Qt::ReturnByValue).cacheKey() == before) {
        if (clock.elapsed() > answerTimeoutMs)
            return fail(QStringLiteral("no live image"));
        QTest::qWait(10);
    }
    return step() == 1 || fail(QStringLiteral("the wizard does not start at step 1"));
}

bool Observer::chooseExposure()
{
    return press(m_session.exposureButton) && press(m_session.gainButton) && waitForFreshFrames();
}

// The person types the site's weather into the refraction dialog and enables the correction, or
// leaves it off, picks the refraction model and presses OK. A person who does not know the site
// yet leaves it for the wizard's question, and cancels that (answerSiteQuestion).
bool Observer::setRefraction()
{
    if (!m_session.siteEntered)
        return true;
    child<QAction>("actionAstronomical_Refraction")->trigger();
    return fillRefractionDialog();
}

// The refraction dialog, open (from the menu or as the site question): the site's weather typed,
// the correction and the model chosen, OK.
bool Observer::fillRefractionDialog()
{
    auto *hpa = child<QComboBox>("comboBox_presure");
    auto *enable = child<QCheckBox>("checkBox_enableAstroRef");
    if (!hpa || !enable || !enable->isVisible())
        return fail(QStringLiteral("no refraction dialog"));
    hpa->setCurrentIndex(1);
    if (!typeInto("doubleSpinBox_latitude", QString::number(std::abs(m_session.latitudeDeg)))
        || !typeInto("doubleSpinBox_longitude", QString::number(m_session.longitudeDeg))
        || !typeInto("doubleSpinBox_presure",
            QString::number(m_session.pressureHpa + m_session.enteredPressureErrorHpa))
        || !typeInto("doubleSpinBox_temperature",
            QString::number(m_session.temperatureC + m_session.enteredTemperatureErrorC)))
        return fail(QStringLiteral("the refraction dialog does not take the site's values"));
    if (enable->isChecked() != m_session.refractionCorrection)
        QTest::mouseClick(enable, Qt::LeftButton, Qt::NoModifier, QPoint(5, enable->height() / 2));
    if (enable->isChecked() != m_session.refractionCorrection)
        return fail(QStringLiteral("the refraction switch does not follow"));
    auto *model = child<QComboBox>("comboBox_refractionModel");
    if (!model)
        return fail(QStringLiteral("no refraction model choice"));
    model->setCurrentIndex(m_session.physicalRefraction ? 1 : 0);
    QTest::mouseClick(refractionButton(QDialogButtonBox::Ok), Qt::LeftButton);
    return !enable->isVisible() || fail(QStringLiteral("the refraction dialog refuses the site"));
}

// Whether the field takes the text as typed: it shows it, and nothing is said beside it.
bool Observer::typeInto(const char *field, const QString &text)
{
    auto *edit = child<QLineEdit>(field);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    const auto *message
        = child<QLabel>((QByteArray(field).replace("doubleSpinBox_", "label_") + "_problem").constData());
    return edit->text() == text && message->text().isEmpty();
}

QPushButton *Observer::refractionButton(QDialogButtonBox::StandardButton which) const
{
    return child<QDialogButtonBox>("buttonBox")->button(which);
}

// The wizard asks for the site after Setting Finished when it does not know it; a person who has
// not entered it (the session's siteEntered false) answers Cancel and goes on without it.
bool Observer::answerSiteQuestion()
{
    const auto *intro = child<QLabel>("label_siteIntro");
    if (!intro || !intro->isVisible())
        return true;
    if (m_session.siteEntered)
        return fail(QStringLiteral("the site is asked for although it was entered"));
    QTest::mouseClick(refractionButton(QDialogButtonBox::Cancel), Qt::LeftButton);
    return !intro->isVisible() || fail(QStringLiteral("Cancel does not close the site question"));
}

// While the readout runs, a latitude of 95 typed by mistake: refused beside the field with OK
// unavailable, and the readout stays where it was (nothing applied); Cancel then shows the
// latitude as it was.
bool Observer::typeLatitudeTypo(bool *refused, bool *applied)
{
    const auto before = shownPole();
    child<QAction>("actionAstronomical_Refraction")->trigger();
    auto *latitude = child<QLineEdit>("doubleSpinBox_latitude");
    if (!before || !latitude || !latitude->isVisible())
        return fail(QStringLiteral("no pole or no refraction dialog"));
    const QString was = latitude->text();
    typeInto("doubleSpinBox_latitude", QStringLiteral("95"));
    QTest::mouseClick(refractionButton(QDialogButtonBox::Ok), Qt::LeftButton);
    *refused = latitude->isVisible() && latitude->text() == QLatin1String("95")
        && !child<QLabel>("label_latitude_problem")->text().isEmpty();
    const auto after = shownPole();
    if (!after)
        return fail(QStringLiteral("no pole after the typo"));
    // A latitude of 95 would take the refraction (a minute of arc at 40 degrees) out of the pole.
    *applied = std::hypot(after->x() - before->x(), after->y() - before->y()) > 1.0;
    QTest::mouseClick(refractionButton(QDialogButtonBox::Cancel), Qt::LeftButton);
    child<QAction>("actionAstronomical_Refraction")->trigger();
    const bool restored = latitude->text() == was;
    QTest::mouseClick(refractionButton(QDialogButtonBox::Cancel), Qt::LeftButton);
    return restored || fail(QStringLiteral("Cancel does not restore the latitude %1").arg(was));
}

// The words beside the precise figures while the site is unknown, as shown (empty: none).
QString Observer::siteWarning() const
{
    const auto *words = child<QLabel>("label_siteUnknown");
    return words && words->isVisible() ? words->text() : QString();
}

bool Observer::confirmPolaris(bool reuseSavedCentre)
{
    if (!press("pushButton_setting_done") || !answerSiteQuestion() || step() != 2)
        return fail(QStringLiteral("Setting Finished does not lead to step 2"));
    if (m_session.takeProposedTemplate ? !acceptProposedTemplate()
                                       : !pickPoleStarAndMatch("horizontalSlider_confirm_match"))
        return false;
    m_boxes->questionAnswer = reuseSavedCentre ? QMessageBox::Yes : QMessageBox::No;
    const int boxesBefore = m_boxes->seen.size();
    if (!press("pushButton_confirm_done"))
        return false;
    QTest::qWait(60);
    if (reuseSavedCentre && m_boxes->seen.size() == boxesBefore)
        return fail(QStringLiteral("the saved axis centre is not offered"));
    return step() == (reuseSavedCentre ? 9 : 3) || fail(QStringLiteral("Success leads to the wrong step"));
}

// A bright star of the chart well away from the pole star and from other stars, whose circle
// around the axis stays in the frame.
std::string Observer::referenceStar() const
{
    const std::vector<SeenStar> seen = look();
    const QPointF centre(639.5, 479.5);
    const auto pole = find(m_session.south ? sigmaOctId : polarisId, seen);
    if (!pole)
        return std::string();
    for (const ChartStar &candidate : m_chart.stars()) { // brightest first
        if (candidate.vmag > 7.0)
            break;
        const auto p = find(candidate.id, seen);
        if (!p || distance(*p, centre) < 150 || distance(*p, centre) > 330 || distance(*p, *pole) < 60)
            continue;
        const bool crowded = std::any_of(seen.begin(), seen.end(),
            [&](const SeenStar &o) { return o.position != *p && distance(o.position, *p) < 15; });
        if (!crowded)
            return candidate.id;
    }
    return std::string();
}

// A moment passes between a click and the next turn of the axis, so all frames of the click's
// instant show the mount the click was made on: a replay of the session does the click at that
// instant of the recording.
bool Observer::turnRaAxisAfterAPause(double degrees)
{
    m_mount->letTimePass(pauseBeforeTurnS);
    if (!waitForFreshFrames(0)) // the program sees the pause, whatever its camera's pace
        return false;
    m_mount->turnRaAxis(degrees);
    return true;
}

void Observer::pause(double seconds)
{
    if (m_session.personPace)
        m_mount->letTimePass(seconds);
}

double Observer::pauseBetweenPositions()
{
    return std::uniform_real_distribution<double>(minPauseBetweenPositionsS, maxPauseBetweenPositionsS)(
        m_pace);
}

// Steps 3 to 8; a program that finds the stars did not turn about one point (the camera slipped)
// says so and returns to step 3, and the person measures once more from the axis's home.
bool Observer::findAxisCentre()
{
    if (measureAxisPositions())
        return true;
    if (!m_axisWarned || step() != 3)
        return false;
    m_failure.clear();
    return turnRaAxisAfterAPause(-2 * m_session.raTurnDeg) && measureAxisPositions();
}

bool Observer::measureAxisPositions()
{
    const std::string star = referenceStar();
    if (star.empty())
        return fail(QStringLiteral("no star to follow around the axis"));
    auto pickAgain = [&](int expectedStep) {
        if (!waitForFreshFrames())
            return false;
        const auto where = find(star);
        return where && pickStar(*where) && step() == expectedStep;
    };
    const double turnDeg = m_session.raTurnDeg;
    if (!pickAgain(4))
        return fail(QStringLiteral("first position not taken"));
    if (!turnRaAxisAfterAPause(turnDeg))
        return false;
    pause(pauseBetweenPositions());
    if (!press("pushButton_rotateStar1_done") || !pickAgain(6))
        return fail(QStringLiteral("second position not taken"));
    if (!turnRaAxisAfterAPause(turnDeg))
        return false;
    // The mount's weight moves with the axis: a mount that has not settled sinks a little; a
    // camera loose in its holder slips (once: the person tightens it when told).
    if (!waitForFreshFrames(0))
        return false;
    m_mount->turnAltitudeBolt(-m_session.settleArcsec / 60.0);
    if (m_session.cameraShiftPx > 0 && !m_axisWarned && !m_mount->shiftCamera(m_session.cameraShiftPx))
        return fail(QStringLiteral("this camera cannot be shifted"));
    pause(pauseBetweenPositions());
    if (!press("pushButton_rotateStar2_done") || !pickAgain(8))
        return fail(QStringLiteral("third position not taken or no circle fitted"));
    // Home, watching the star follow the circle.
    if (!turnRaAxisAfterAPause(-2 * turnDeg) || !waitForFreshFrames()
        || !press("pushButton_validateCenter_done") || step() != 9)
        return fail(QStringLiteral("Correct does not lead to step 9"));
    return true;
}

// Double-clicks the pole star where the image shows it, then turns the template with `slider`
// until its rings sit on the stars; a person who took the proposed template only looks whether
// its rings still sit on them.
bool Observer::pickPoleStarAndMatch(const char *slider)
{
    const auto pole = poleStar();
    if (!pole)
        return fail(QStringLiteral("the pole star is not recognised in the image"));
    if (!pickStar(*pole))
        return false;
    if (!m_session.takeProposedTemplate)
        return matchTemplate(child<QSlider>(slider));
    rememberVisibleStars();
    const double cover = templateCover(4 * zoom());
    return cover >= 2.5
        || fail(QStringLiteral("the proposed template's rings left the stars (%1)").arg(cover));
}

// The person waits for the program to lay the template over the image by itself and looks whether
// its rings sit on the stars, as they would after turning it by hand.
bool Observer::acceptProposedTemplate()
{
    const auto *label = child<QLabel>("label_templateImg");
    QElapsedTimer waited;
    waited.start();
    while (!label->isVisible() && waited.elapsed() < proposalTimeoutMs)
        QTest::qWait(50);
    if (!label->isVisible())
        return fail(QStringLiteral("no template proposed within %1 s").arg(proposalTimeoutMs / 1000));
    rememberVisibleStars();
    const double cover = templateCover(4 * zoom());
    return cover >= 2.5 || fail(QStringLiteral("the proposed template matches no stars (%1)").arg(cover));
}

bool Observer::placeExpectedPolaris()
{
    if (!waitForFreshFrames() || !pickPoleStarAndMatch("horizontalSlider_rough_match"))
        return false;
    if (!shownPosition("label_eptPos"))
        return fail(QStringLiteral("no expected position shown"));
    return (press("pushButton_getEptPolaris_done") && step() == 10)
        || fail(QStringLiteral("Success does not lead to step 10"));
}

bool Observer::movePolarisIntoReticle()
{
    const auto reticle = shownPosition("label_eptPos");
    if (!reticle)
        return fail(QStringLiteral("no reticle position"));
    const auto polaris = [this]() -> std::optional<QPointF> {
        if (!waitForFreshFrames())
            return std::nullopt;
        return poleStar();
    };
    // A person who goes by the words turns the bolts by the rough readout first.
    if (m_session.boltsByReadout
        && !followAxisErrorReadout(QStringLiteral("rough_"), roughReadoutGoodEnoughArcsec))
        return false;
    if (!turnBoltsUntilMeet(polaris, *reticle, 5.0, "Polaris"))
        return false;
    return (press("pushButton_movePolaris_done") && step() == 11)
        || fail(QStringLiteral("adjustment Finished does not lead to step 11"));
}

bool Observer::confirmCurrentPolaris()
{
    if (!waitForFreshFrames() || !pickPoleStarAndMatch("horizontalSlider_rough_match"))
        return false;
    return (press("pushButton_getCurPolaris_done") && step() == 12)
        || fail(QStringLiteral("Success does not lead to step 12"));
}

bool Observer::startMonitor()
{
    if (!press("pushButton_monitor") || step() != 13)
        return fail(QStringLiteral("Start Monitor does not lead to step 13"));
    if (m_session.cloudOverStarB < 1.0) {
        // The weather, not the person: a thin cloud drifts over the pole star and stays there.
        if (m_session.indiPort != 0)
            return fail(QStringLiteral("clouds come only to the built-in camera's sky"));
        SkySimulator &sky = cameraSimulator();
        Conditions weather = sky.conditions();
        weather.cloudCentre
            = sky.starPosition(m_session.south ? sigmaOctId : polarisId).value_or(ImagePoint());
        weather.cloudRadiusPx = 40;
        weather.cloudTransmission = m_session.cloudOverStarB;
        sky.setConditions(weather);
    }
    return shownPole().has_value() || fail(QStringLiteral("no pole shown while monitoring"));
}

// Reads "Raise the altitude 2'14"" and "Move azimuth 0'40" east" off the window's readout of
// `section` ("" for Precise Pole, "rough_" for Rough Pole) and turns the bolts by just that, until
// the total is down to `goodEnoughArcsec`. The bolts are turned steadily, a little per frame, as a
// hand turns them, so the program sees the stars move; the readout averages a second of frames
// and starts again after each turn.
bool Observer::followAxisErrorReadout(const QString &section, double goodEnoughArcsec)
{
    // The words and figures as they read on screen (the labels hold rich text).
    const auto shownText = [this, &section](const char *name) {
        QTextDocument document;
        document.setHtml(child<QLabel>(qPrintable(QStringLiteral("label_%1%2").arg(section, name)))->text());
        return document.toPlainText().simplified();
    };
    static const QRegularExpression altitudeWords(
        QStringLiteral("(Raise|Lower) the altitude\\s+(?:(\\d+)°)?(\\d+)′(\\d+)″"));
    static const QRegularExpression azimuthWords(
        QStringLiteral("Move azimuth\\s+(?:(\\d+)°)?(\\d+)′(\\d+)″ (east|west)"));
    static const QRegularExpression totalWords(QStringLiteral("Total (?:(\\d+)°)?(\\d+)′(\\d+)″"));
    const auto arcmin = [](const QRegularExpressionMatch &m, int first) {
        return m.captured(first).toDouble() * 60 + m.captured(first + 1).toDouble()
            + m.captured(first + 2).toDouble() / 60;
    };
    const auto turnSteadily = [&](void (Mount::*bolt)(double), double amountArcmin) {
        pause(boltMoveS);
        const int steps = int(std::ceil(std::abs(amountArcmin) / steadyTurnArcminPerFrame));
        ++m_mountActions;
        for (int i = 0; i < steps; ++i) {
            (m_mount.get()->*bolt)(amountArcmin / steps);
            if (!waitForFreshFrames(0))
                return false;
        }
        return true;
    };
    for (int turn = 0; turn < 8; ++turn) {
        if (summaryShown())
            return true;
        pause(readoutWatchS);
        if (!waitForFreshFrames(poleSettlingFrames))
            return false;
        const QString altitudeText = shownText("altitudeError");
        const QString azimuthText = shownText("azimuthError");
        const auto altitude = altitudeWords.match(altitudeText);
        const auto azimuth = azimuthWords.match(azimuthText);
        const auto total = totalWords.match(shownText("totalError"));
        if (!child<QWidget>(qPrintable(QStringLiteral("widget_%1axisError").arg(section)))->isVisible()
            || !altitude.hasMatch() || !azimuth.hasMatch() || !total.hasMatch())
            return fail(QStringLiteral("no altitude and azimuth to read: \"%1\", \"%2\"")
                            .arg(altitudeText, azimuthText));
        qInfo("Readout %s: %s, %s", qPrintable(section), qPrintable(altitudeText), qPrintable(azimuthText));
        if (arcmin(total, 1) * 60 <= goodEnoughArcsec)
            return true;
        if (!turnSteadily(&Mount::turnAltitudeBolt,
                (altitude.captured(1) == QLatin1String("Raise") ? 1 : -1) * arcmin(altitude, 2))
            || !turnSteadily(&Mount::turnAzimuthBolt,
                (azimuth.captured(4) == QLatin1String("east") ? 1 : -1) * arcmin(azimuth, 1)))
            return false;
    }
    return fail(
        QStringLiteral("the %1readout does not come down to %2 arcsec").arg(section).arg(goodEnoughArcsec));
}

bool Observer::bringPoleOntoAxis()
{
    if (m_session.boltsByReadout)
        return followAxisErrorReadout(QString(), readoutGoodEnoughArcsec);
    const auto centre = shownPosition("label_axisPos");
    if (!centre)
        return fail(QStringLiteral("no axis centre shown"));
    return turnBoltsUntilMeet([this] { return shownPole(); }, *centre, 3.0, "the pole");
}

// The person fits the motors, chooses them in Device > Adjuster..., waits until Align
// Automatically can be pressed and presses it; then the sky's time passes frame by frame while the
// motors run, until the program says it is done. How many moves it made, it says too.
bool Observer::alignAutomatically()
{
    const auto address = m_mount->motoriseBolts(m_session.altitudeMotor, m_session.azimuthMotor);
    if (!address)
        return fail(
            QStringLiteral("no motors on the bolts: %1").arg(QString::fromStdString(m_mount->problem())));
    m_boxes->adjusterToUse = *address;
    child<QAction>("actionAdjuster")->trigger();
    auto *align = child<QPushButton>("pushButton_alignAutomatically");
    const auto *abort = child<QPushButton>("pushButton_abortAdjuster");
    const auto *status = child<QLabel>("label_adjusterStatus");
    const auto nextFrame = [this] {
        m_mount->letTimePass(frameIntervalS);
        return waitForFreshFrames(0);
    };
    pause(readoutWatchS);
    for (int frame = 0; !align->isEnabled(); ++frame)
        if (frame > 100 || !nextFrame())
            return fail(QStringLiteral("Align Automatically stays disabled: \"%1\"").arg(status->text()));
    QTest::mouseClick(align, Qt::LeftButton);
    // A degree at the motors' pace and a few measurements: a few thousand frames at most.
    for (int frame = 0; abort->isEnabled(); ++frame)
        if (frame > 20000 || !nextFrame())
            return fail(QStringLiteral("the automatic alignment does not end: \"%1\"").arg(status->text()));
    qInfo("Adjuster: %s", qPrintable(status->text()));
    static const QRegularExpression aligned(QStringLiteral("^Aligned: .*; moves: (\\d+)"));
    const QRegularExpressionMatch m = aligned.match(status->text());
    if (!m.hasMatch())
        return fail(QStringLiteral("the automatic alignment stopped: \"%1\"").arg(status->text()));
    m_adjusterMoves = m.captured(1).toInt();
    return waitForFreshFrames(poleSettlingFrames);
}

namespace {
// The summary's figures as a person reads them, arcseconds: the altitude and azimuth (negative
// below and west) and the total.
QVector<double> summaryFiguresIn(const QString &text)
{
    static const QRegularExpression figure(
        QStringLiteral("(?:(\\d+)°)?(\\d+)′(\\d+)″(?: (below|west))?"));
    QVector<double> figures;
    for (auto m = figure.globalMatch(text); m.hasNext();) {
        const QRegularExpressionMatch f = m.next();
        const double arcsec
            = f.captured(1).toDouble() * 3600 + f.captured(2).toDouble() * 60 + f.captured(3).toDouble();
        figures.append(f.captured(4).isEmpty() ? arcsec : -arcsec);
    }
    return figures;
}

// The figure after "Total" in a label's text (rich or plain), arcseconds.
std::optional<double> totalArcsecIn(const QString &text)
{
    QTextDocument document;
    document.setHtml(text);
    static const QRegularExpression total(QStringLiteral("Total (?:(\\d+)°)?(\\d+)′(\\d+)″"));
    const QRegularExpressionMatch m = total.match(document.toPlainText().simplified());
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toDouble() * 3600 + m.captured(2).toDouble() * 60 + m.captured(3).toDouble();
}
} // namespace

// Done hides the panel and sums the alignment up: the person reads the summary, whose total and ±
// are the readout's, and closes it.
bool Observer::finish()
{
    if (!press("pushButton_finetunePole_done") || step() != 0)
        return fail(QStringLiteral("Done does not hide the panel"));
    return readSummary(true);
}

// The summary, closed once read; its total and ± are the readout's when it was shown just now.
bool Observer::readSummary(bool justShown)
{
    auto *summary = m_window->findChild<QDialog *>(QStringLiteral("dialog_alignmentSummary"));
    const auto *text
        = summary ? summary->findChild<QLabel *>(QStringLiteral("label_alignmentSummary")) : nullptr;
    if (!text || !summary->isVisible())
        return fail(QStringLiteral("Done shows no summary"));
    const QString said = text->text();
    if (!summaryShot.isEmpty()) // the screen as the person sees it, the summary beside the window
        QGuiApplication::primaryScreen()->grabWindow(0).save(summaryShot);
    summary->close();
    qInfo("Summary: %s", qPrintable(QString(said).replace(QLatin1Char('\n'), QLatin1String("; "))));
    const QString sigma = child<QLabel>("label_poleSigma")->text();
    if (!totalArcsecIn(said))
        return fail(QStringLiteral("the summary \"%1\" gives no total").arg(said));
    m_summaryFigures = summaryFiguresIn(said);
    if (justShown && child<QWidget>("widget_axisError")->isVisible()
        && (totalArcsecIn(said) != totalArcsecIn(child<QLabel>("label_totalError")->text())
            || !totalArcsecIn(said) || !said.contains(sigma)))
        return fail(QStringLiteral("the summary \"%1\" is not what the readout shows").arg(said));
    return true;
}

bool Observer::alignFully(bool reuseSavedCentre)
{
    if (!connectCamera() || !chooseExposure() || !setRefraction() || !confirmPolaris(reuseSavedCentre))
        return false;
    if (!reuseSavedCentre && !findAxisCentre())
        return false;
    return placeExpectedPolaris() && movePolarisIntoReticle() && confirmCurrentPolaris() && startMonitor()
        && (m_session.motorised ? alignAutomatically() : bringPoleOntoAxis()) && finish();
}

// Quick Alignment as a person at the mount does it: the menu entry (which connects), the site typed
// when asked, the RA axis turned when the panel says so and back past the start, then the bolts by
// the readout; the program takes every position itself and finishes when the pole stays inside
// the target.
bool Observer::quickAlign()
{
    const double start = m_mount->clock();
    int actions = 0;
    if (m_session.south) {
        QTest::mouseClick(child<QRadioButton>("radioButton_south"), Qt::LeftButton);
        ++actions;
    }
    if (m_session.mountByProgram) {
        m_boxes->mountPortToUse = m_session.indiPort;
        child<QAction>("actionMount")->trigger();
        ++actions;
    }
    child<QAction>("actionQuick_Alignment")->trigger();
    ++actions;
    const auto *intro = child<QLabel>("label_siteIntro");
    QElapsedTimer clock;
    clock.start();
    while (m_session.siteEntered && !(intro && intro->isVisible())) {
        if (clock.elapsed() > answerTimeoutMs)
            return fail(QStringLiteral("Quick Alignment does not ask for the site"));
        QTest::qWait(10);
    }
    if (m_session.siteEntered) {
        pause(siteTypingS);
        if (!fillRefractionDialog())
            return false;
        ++actions;
    }
    for (const double turn : {m_session.raTurnDeg, -2 * m_session.raTurnDeg}) {
        if (m_session.mountByProgram)
            break;
        if (!waitForInstruction(turn > 0 ? QStringLiteral("Turn the RA axis by 30° or more, either way")
                                         : QStringLiteral("Turn it back past the start"), proposalTimeoutMs))
            return false;
        pause(raTurnByHandS);
        if (!turnRaAxisAfterAPause(turn))
            return false;
        ++m_mountActions;
    }
    // The mount's slews take a minute and more of the sky's clock.
    if (!waitForInstruction(QStringLiteral("Turn the bolts until the pole is inside the target"),
            m_session.mountByProgram ? mountSlewsTimeoutMs : proposalTimeoutMs)
        || step() != 13)
        return fail(QStringLiteral("Quick Alignment does not lead to the precise readout (step %1)").arg(step()));
    m_timeToReadoutS = m_mount->clock() - start;
    m_programActions = actions;
    if (!bringPoleOntoAxis())
        return false;
    // The person watches the readout; the program finishes by itself.
    // On the sky's clock: the driver's moves on by its exposures, not by the observer's pauses.
    const double watchUntil = m_mount->clock() + quickFinishWaitS;
    for (int frame = 0; m_mount->clock() < watchUntil && frame < 2000; ++frame) {
        if (summaryShown())
            return step() == 0 ? readSummary(false) : fail(QStringLiteral("the panel stays after the summary"));
        m_mount->letTimePass(1.0);
        if (!waitForFreshFrames(0))
            return false;
    }
    return fail(QStringLiteral("Quick Alignment does not finish by itself: \"%1\"")
                    .arg(child<QLabel>("label_quickInstruction")->text()));
}

bool Observer::summaryShown() const
{
    const auto *summary = m_window->findChild<QDialog *>(QStringLiteral("dialog_alignmentSummary"));
    return summary && summary->isVisible();
}

// The quick panel's instruction, while the sky's time passes frame by frame.
bool Observer::waitForInstruction(const QString &text, int timeoutMs)
{
    const auto *label = child<QLabel>("label_quickInstruction");
    QElapsedTimer clock;
    clock.start();
    while (label->text() != text) {
        if (clock.elapsed() > timeoutMs)
            return fail(QStringLiteral("Quick Alignment says \"%1\" (%2), not \"%3\"")
                            .arg(label->text(), child<QLabel>("label_quickDetail")->text(), text));
        m_mount->letTimePass(frameIntervalS);
        if (!waitForFreshFrames(0))
            return false;
    }
    return true;
}

bool Observer::slewAndTrack(double degrees, QPointF *poleBefore, QPointF *poleAfter)
{
    const auto before = shownPole();
    const auto centre = shownPosition("label_axisPos");
    if (!before || !centre)
        return fail(QStringLiteral("no pole before the slew"));
    *poleBefore = *before;
    // Which way of the RA axis turns the image clockwise, as the dial does: a look at Polaris
    // while nudging the axis.
    const auto a = poleStar();
    m_mount->turnRaAxis(1);
    const auto b = waitForFreshFrames() ? poleStar() : std::nullopt;
    m_mount->turnRaAxis(-1);
    if (!waitForFreshFrames(0))
        return false;
    if (!a || !b)
        return fail(QStringLiteral("the pole star is not recognised while nudging the axis"));
    const QPointF from = *a - *centre, to = *b - *centre;
    const double clockwise = from.x() * to.y() - from.y() * to.x() > 0 ? 1 : -1; // y points down
    m_mount->turnRaAxis(clockwise * degrees);
    if (!waitForFreshFrames())
        return false;

    child<QAction>("actionManual_Trace")->trigger();
    auto *dial = child<QDial>("dial_tracking");
    if (!dial || !dial->isVisible())
        return fail(QStringLiteral("no tracking dial"));
    const int target = qRound(degrees);
    // The dial may turn either way for a key (its controls can be inverted): one press tells.
    const int start = dial->value();
    QTest::keyClick(dial, Qt::Key_Up);
    const bool upAdds = dial->value() == start + 1;
    const Qt::Key more = upAdds ? Qt::Key_Up : Qt::Key_Down;
    const Qt::Key less = upAdds ? Qt::Key_Down : Qt::Key_Up;
    for (int press = 0; press < 400 && dial->value() != target; ++press)
        QTest::keyClick(dial, dial->value() < target ? more : less);
    if (dial->value() != target)
        return fail(QStringLiteral("the dial does not reach %1").arg(target));
    dial->window()->close();

    const auto after = shownPole();
    if (!after)
        return fail(QStringLiteral("no pole after the slew"));
    *poleAfter = *after;
    // Both markers must sit on stars again, not where the stars were before the slew (nor beside
    // them, as the refraction correction would put them if it moved the markers too).
    const std::vector<SeenStar> stars = look();
    for (const char *label : {"label_refStarA_pos", "label_refStarB_pos"}) {
        const auto marker = shownPosition(label);
        if (!marker)
            return fail(QStringLiteral("%1 shows no position after the slew").arg(label));
        double nearest = 1e9;
        for (const SeenStar &s : stars)
            nearest = std::min(nearest, distance(s.position, *marker));
        if (nearest > 1.0)
            return fail(QStringLiteral("%1 at (%2,%3) is %4 px from the nearest star after the slew")
                            .arg(label)
                            .arg(marker->x())
                            .arg(marker->y())
                            .arg(nearest));
    }
    return true;
}

// ---- Recording and replay ----------------------------------------------------------------------

bool Observer::startRecording(const QString &path)
{
    m_boxes->fileToChoose = path;
    child<QAction>("actionRecord_Session")->trigger();
    auto *progress = child<QLabel>("label_recording");
    QElapsedTimer clock;
    clock.start();
    while (!progress || !progress->isVisible() || !progress->text().contains(QFileInfo(path).fileName())) {
        if (clock.elapsed() > answerTimeoutMs)
            return fail(QStringLiteral("Record Session shows no progress"));
        QTest::qWait(20);
    }
    return true;
}

bool Observer::stopRecording()
{
    QAction *record = child<QAction>("actionRecord_Session");
    if (!record->isChecked())
        return fail(QStringLiteral("the recording stopped by itself"));
    record->trigger();
    return !record->isChecked() || fail(QStringLiteral("the recording does not stop"));
}

bool Observer::chooseRecording(const QString &path)
{
    m_boxes->recordingToUse = path;
    child<QAction>("actionCamera_Source")->trigger();
    const auto *source = child<QLabel>("label_source");
    return (source && source->text().contains(QFileInfo(path).fileName()))
        || fail(QStringLiteral("the window does not name the recorded session as its camera"));
}

bool Observer::chooseIndiCamera()
{
    if (!m_mount->problem().empty())
        return fail(
            QStringLiteral("the mount is not ready: %1").arg(QString::fromStdString(m_mount->problem())));
    m_boxes->indiPortToUse = m_session.indiPort;
    m_boxes->forgetCameraSource();
    child<QAction>("actionCamera_Source")->trigger();
    const auto *source = child<QLabel>("label_source");
    const QString shown = QStringLiteral("Camera: INDI %1 on localhost:%2")
                              .arg(QLatin1String(IndiMount::kDevice))
                              .arg(m_session.indiPort);
    return (source && source->text() == shown)
        || fail(
            QStringLiteral("the window names \"%1\" as its camera").arg(source ? source->text() : QString()));
}

bool Observer::redo(const QVector<Action> &actions)
{
    for (const Action &action : actions) {
        // The recording moves the program's clock on frame by frame; the action follows the frame
        // of its instant, as it did when the session was recorded.
        QElapsedTimer clock;
        clock.start();
        const qint64 limitMs = qint64(1000 * std::max(0.0, action.utcSeconds - utcNow())) + answerTimeoutMs;
        while (utcNow() < action.utcSeconds) {
            if (clock.elapsed() > limitMs)
                return fail(
                    QStringLiteral("the recording does not reach %1").arg(action.utcSeconds, 0, 'f', 1));
            QTest::qWait(5);
        }
        QTest::qWait(replayActionDelayMs);
        if (action.kind == Action::Kind::Pick && utcNow() >= action.utcSeconds + pauseBeforeTurnS)
            return fail(QStringLiteral("the recording ran %1 s ahead of the replayed click")
                            .arg(utcNow() - action.utcSeconds, 0, 'f', 2));
        switch (action.kind) {
        case Action::Kind::Press: {
            // A replay shows the camera's presets as recorded, not to be pressed: the one pressed
            // then shows chosen now.
            const auto *preset = child<QPushButton>(qPrintable(action.widget));
            if (preset && preset->isCheckable() && !preset->isEnabled()) {
                if (!QTest::qWaitFor([preset] { return preset->isChecked(); }, answerTimeoutMs))
                    return fail(QStringLiteral("the replay does not show %1 as recorded").arg(action.widget));
                break;
            }
            if (!press(qPrintable(action.widget)) || (summaryShown() && !readSummary(true)))
                return false;
            break;
        }
        case Action::Kind::Pick:
            if (!pickStar(action.framePos))
                return false;
            break;
        case Action::Kind::Slider:
            if (auto *slider = child<QSlider>(qPrintable(action.widget)))
                slider->setValue(action.value);
            else
                return fail(QStringLiteral("no slider %1").arg(action.widget));
            break;
        }
    }
    return true;
}

Verdict Observer::verdict()
{
    Verdict v;
    v.residualArcsec = m_mount->polarError().totalArcsec;
    const auto pole = shownPole();
    const auto truePole = m_mount->truePolePosition();
    v.poleErrorPx = pole && truePole ? distance(*pole, point(*truePole)) : qInf();
    if (truePole)
        v.truePolePx = point(*truePole);
    v.refractionArcsec = refractionAtPoleArcsec(m_session);
    v.sessionSeconds = m_mount->clock() - m_session.utcSeconds;
    v.axisWarned = m_axisWarned;
    v.adjusterMoves = m_adjusterMoves;
    v.programActions = m_programActions;
    v.mountActions = m_mountActions;
    v.timeToReadoutS = m_timeToReadoutS;
    // "± 4″": the first number of the label beside the pole, when the program shows one.
    v.sigmaArcsec = qQNaN();
    static const QRegularExpression number(QStringLiteral("[0-9]+(\\.[0-9]+)?"));
    if (const auto *sigma = child<QLabel>("label_poleSigma")) {
        const QRegularExpressionMatch m = number.match(sigma->text());
        if (m.hasMatch())
            v.sigmaArcsec = m.captured(0).toDouble();
    }
    return v;
}

} // namespace e2e
