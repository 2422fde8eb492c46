// axiserrorpanel.cpp - the altitude and azimuth readout of the Precise Pole section.
#include "axiserrorpanel.h"

#include <QLabel>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>
#include <cmath>

namespace {

// The words in the panel's font, the figure below them in large digits: a person at the mount
// reads the figure from a metre away.
constexpr int figurePointSize = 24;

QLabel *readoutLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::RichText);
    return label;
}

// `sentence` is a translated text whose %1 stands for the figure.
QString withLargeFigure(const QString &arrow, const QString &sentence, const QString &figure)
{
    const QString large = QStringLiteral("<br><span style=\"font-size:%1pt; font-weight:600;\">%2</span>")
                              .arg(figurePointSize)
                              .arg(figure.toHtmlEscaped());
    return arrow + QLatin1Char(' ') + sentence.toHtmlEscaped().arg(large);
}

} // namespace

AxisErrorPanel::AxisErrorPanel(const QString &section, QWidget *parent)
    : QWidget(parent), m_altitude(readoutLabel(QStringLiteral("label_%1altitudeError").arg(section), this)),
      m_azimuth(readoutLabel(QStringLiteral("label_%1azimuthError").arg(section), this)),
      m_total(readoutLabel(QStringLiteral("label_%1totalError").arg(section), this)),
      m_siteUnknown(new QLabel(this)), m_staleNote(new QLabel(this))
{
    m_siteUnknown->setObjectName(QStringLiteral("label_%1siteUnknown").arg(section));
    m_siteUnknown->setWordWrap(true);
    QFont warning = m_siteUnknown->font();
    warning.setPointSize(figurePointSize);
    m_siteUnknown->setFont(warning);
    m_siteUnknown->hide();
    m_staleNote->setObjectName(QStringLiteral("label_%1staleNote").arg(section));
    m_staleNote->setWordWrap(true);
    QFont bold = m_staleNote->font();
    bold.setBold(true);
    m_staleNote->setFont(bold);
    m_staleNote->hide();
    setObjectName(QStringLiteral("widget_%1axisError").arg(section));
    QFont font = m_total->font();
    font.setPointSize(14);
    font.setBold(true);
    m_total->setFont(font);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_altitude);
    layout->addWidget(m_azimuth);
    layout->addWidget(m_total);
    layout->addWidget(m_siteUnknown);
    layout->addWidget(m_staleNote);
}

// Disabled labels take the style's greyed text; the note itself stays readable.
void AxisErrorPanel::setStale(const QString &note)
{
    for (QLabel *figure : {m_altitude, m_azimuth, m_total})
        figure->setEnabled(note.isEmpty());
    m_staleNote->setText(note);
    m_staleNote->setVisible(!note.isEmpty());
}

QString AxisErrorPanel::plainText(const QLabel *label)
{
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

double AxisErrorPanel::totalArcsec(const AxisErrorArcsec &error, double poleAltitudeDeg)
{
    return std::hypot(error.altitude, error.azimuth * std::cos(qDegreesToRadians(poleAltitudeDeg)));
}

QString AxisErrorPanel::arcText(double arcsec)
{
    // Rounded to the second first, so 59.6" reads 1'00", never 0'60".
    const long seconds = std::lround(std::fabs(arcsec));
    if (seconds >= 3600)
        return QStringLiteral("%1°%2′%3″")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1′%2″").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void AxisErrorPanel::showError(const AxisErrorArcsec &error, double poleAltitudeDeg, bool north)
{
    if (!std::isfinite(error.altitude) || !std::isfinite(error.azimuth)) {
        qCritical("Axis error: not finite (altitude %g, azimuth %g arcsec)", error.altitude, error.azimuth);
        return;
    }
    // Facing the pole, east is on the right in the north and on the left in the south.
    const QString towardsEast = north ? QStringLiteral("→") : QStringLiteral("←");
    const QString towardsWest = north ? QStringLiteral("←") : QStringLiteral("→");
    const QString altitude = arcText(error.altitude);
    const QString azimuth = arcText(error.azimuth);
    // The axis above the pole is lowered; the axis east of it is moved west.
    m_altitude->setText(error.altitude > 0
            ? withLargeFigure(QStringLiteral("↓"), tr("Lower the altitude %1"), altitude)
            : withLargeFigure(QStringLiteral("↑"), tr("Raise the altitude %1"), altitude));
    m_azimuth->setText(error.azimuth > 0 ? withLargeFigure(towardsWest, tr("Move azimuth %1 west"), azimuth)
                                         : withLargeFigure(towardsEast, tr("Move azimuth %1 east"), azimuth));
    m_total->setText(tr("Total %1").arg(arcText(totalArcsec(error, poleAltitudeDeg))).toHtmlEscaped());
}

void AxisErrorPanel::setSiteKnown(bool known)
{
    // Set each time, so a language change reaches it with the next frame as it does the figures.
    m_siteUnknown->setText(tr("site unknown: the air's bending of up to 1′30″ is not corrected"));
    m_siteUnknown->setVisible(!known);
}
