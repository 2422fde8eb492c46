// alignmentsession.h - one polar alignment, apart from any window.
//
// The session holds what an alignment has found and what it tells the person at the mount: the
// wizard's step, the site, the star picked at each RA position with its UTC and the field's stars,
// the template laid on the pole star, the pole star's pick and the reference stars that monitoring
// follows, the axis centre and how well it is known, and the readout (the altitude and azimuth to turn, in
// words and figures, the total, its ± and whether the figures are live). Everything that shows or
// drives an alignment (the window, the headless commands, a phone, a motor loop, the tests) reads
// and changes this one object; it signals each change.
//
// Usage:
//   AlignmentSession session;
//   session.setSite({39.9, 116.3, 1010, 10, true});
//   session.startAxisPositions();
//   session.addAxisPosition({star, utc, field});         // three times, one per RA position
//   const auto m = session.measureAxis(useField, sky);  // the centre, the sky's turn taken out
//   session.setReadout(AlignmentSession::readoutFor(error, sigma, ...));
#ifndef ALIGNMENTSESSION_H
#define ALIGNMENTSESSION_H

#include "axismeasurement.h"
#include "hemispherestardata.h"
#include "skyorientation.h"

#include <QObject>
#include <QPointF>
#include <QString>
#include <QVector>
#include <opencv2/core.hpp>
#include <optional>
#include <vector>

class AlignmentSession : public QObject
{
    Q_OBJECT

public:
    struct Site
    {
        double latitudeDeg = 0; // signed, north positive
        double longitudeDeg = 0;
        double pressureHpa = 1010;
        double temperatureC = 10;
        bool known = false; // entered by the person or found by a location source
    };

    // One RA position: the picked star, when it was taken (the program's clock), the field's stars.
    struct AxisPosition
    {
        QPointF star;
        double utc = 0;
        std::vector<cv::Point2d> field;
    };

    // What the person at the mount reads. The words are translated texts with %1 for the figure.
    struct Readout
    {
        bool shown = false;     // false while the orientation is unknown: nothing to read
        AxisErrorArcsec error;  // positive: the axis above / east of the pole
        double totalArcsec = 0; // on the sky
        double sigmaArcsec = 0; // root-mean-square error of the total; 0 when not known
        bool raise = false;     // the altitude is to be raised (else lowered)
        bool east = false;      // the azimuth is to move east (else west)
        bool siteKnown = false; // false: the figures carry the air's refraction
        bool stale = false;     // no fresh frame: the figures are not live
        QString staleReason;    // why, in words, with the age
    };

    explicit AlignmentSession(QObject *parent = nullptr);

    int step() const { return m_step; }
    // A new step also ends the finished state.
    void setStep(int step);
    // Done was pressed in the last step: the alignment is finished (monitoring may go on).
    bool finished() const { return m_finished; }
    void setFinished(bool finished);

    bool north() const { return m_north; }
    // The hemisphere and its star pattern, template pixels (hemispherestardata.h).
    void setNorth(bool north, const HemisphereStarData &templateStars);
    const HemisphereStarData &templateStars() const { return m_templateStars; }

    const Site &site() const { return m_site; }
    void setSite(const Site &site);

    // ---- The RA axis centre ----------------------------------------------------------------
    // Forgets the positions taken so far (a new measurement begins).
    void startAxisPositions();
    void addAxisPosition(const AxisPosition &position);
    int axisPositionsTaken() const { return m_positions.size(); }
    const QVector<AxisPosition> &axisPositions() const { return m_positions; }
    // The celestial pole's image where the template laid on the pole star in the confirm step (by
    // a pick or a plate solve) puts it, in the frame of `utc` with the stars `field`: the sky turns
    // about it between the positions, and it turns with the RA axis when that is turned before the
    // first position.
    void setTemplatePole(const QPointF &pole, double utc, const std::vector<cv::Point2d> &field);
    void forgetTemplatePole();
    // The centre from the three positions taken. A consistent measurement becomes the session's
    // axis centre (axisCentreChanged); an inconsistent one is returned and changes nothing.
    axismeasurement::Measurement measureAxis(bool useField, const axisfit::Lens &lens);
    QPointF axisCentre() const { return m_axisCentre; }
    cv::Matx22d axisCovariance() const { return m_axisCovariance; }
    int axisCircleRadius() const { return m_axisCircleRadius; }
    bool axisCentreKnown() const { return m_axisCentreKnown; }
    // A centre found earlier (the last session's, from the settings) or by hand.
    void setAxisCentre(const QPointF &centre, const cv::Matx22d &covariance, int circleRadius = 0);

    // ---- The template and the stars monitoring follows ----------------------------------------
    // Where the template's pole-star point is laid on the image (camera image pixels) and how far
    // the template is turned, whole degrees 0..360; the confirm step matches it, Polaris's expected
    // position follows from it.
    QPointF templatePosition() const { return m_templatePosition; }
    void setTemplatePosition(const QPointF &imagePos);
    int templateAngle() const { return m_templateAngle; }
    void setTemplateAngle(int degrees);
    // The pole star (Polaris or sigma Oct) as last picked while its position is taken.
    std::optional<QPointF> poleStarPick() const { return m_poleStarPick; }
    void setPoleStarPick(const QPointF &star);
    // Where reference stars A and B were found when the pole star's current position was taken,
    // the RA axis at home; monitoring follows them from there.
    QPointF referenceStarA() const { return m_referenceStarA; }
    QPointF referenceStarB() const { return m_referenceStarB; }
    void setReferenceStars(const QPointF &starA, const QPointF &starB);

    // ---- The readout -------------------------------------------------------------------------
    const Readout &readout() const { return m_readout; }
    void setReadout(const Readout &readout);
    // Marks the readout stale with the reason in words, or live again (reason empty).
    void setStale(const QString &reason);
    // The readout of `error` (axisErrorArcsec's signs) at a pole `poleAltitudeDeg` high.
    static Readout readoutFor(
        const AxisErrorArcsec &error, double poleAltitudeDeg, double sigmaArcsec, bool siteKnown);
    // The total error good enough to stop at; 0 while no target is set.
    double targetArcsec() const { return m_targetArcsec; }
    void setTargetArcsec(double arcsec);

    // What the person is asked to do when it is not the step's tip (Quick Alignment's words, in
    // the current language); empty: the step's tip.
    QString instruction() const { return m_instruction; }
    void setInstruction(const QString &words);

    // The magnified view of the pole and the axis centre as the window shows it (RGB, 8 bits a
    // channel); empty while the pole is not monitored. The session keeps its own copy.
    const cv::Mat &poleView() const { return m_poleView; }
    void setPoleView(const cv::Mat &rgb);

signals:
    void stepChanged(int step);
    void siteChanged();
    void templateChanged();
    void poleStarPicked();
    void referenceStarsChanged();
    void axisPositionsChanged();
    void axisCentreChanged();
    void readoutChanged();
    void finishedChanged(bool finished);
    void targetChanged();
    void poleViewChanged();
    void instructionChanged();

private:
    int m_step = 0;
    bool m_finished = false;
    bool m_north = true;
    HemisphereStarData m_templateStars;
    Site m_site;
    QPointF m_templatePosition {640, 480}; // the frame's centre until a pick lays it
    int m_templateAngle = 0;
    std::optional<QPointF> m_poleStarPick;
    QPointF m_referenceStarA, m_referenceStarB;
    QVector<AxisPosition> m_positions;
    std::optional<axismeasurement::PoleSighting> m_templatePole;
    QPointF m_axisCentre;
    cv::Matx22d m_axisCovariance = cv::Matx22d::zeros(); // px^2
    int m_axisCircleRadius = 0;
    bool m_axisCentreKnown = false;
    Readout m_readout;
    double m_targetArcsec = 0;
    cv::Mat m_poleView;
    QString m_instruction;
};

#endif // ALIGNMENTSESSION_H
