// axiserrorpanel.cpp - the altitude and azimuth readout of the Precise Pole section.
#include "axiserrorpanel.h"

#include "readoutwords.h"

#include <QLabel>
#include <QTextDocument>
#include <QVBoxLayout>
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

QString withLargeFigure(const readoutwords::Line &line)
{
    const QString large = QStringLiteral("<br><span style=\"font-size:%1pt; font-weight:600;\">%2</span>")
                              .arg(figurePointSize)
                              .arg(line.figure.toHtmlEscaped());
    return line.arrow + QLatin1Char(' ') + line.sentence.toHtmlEscaped().arg(large);
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

void AxisErrorPanel::showError(const AxisErrorArcsec &error, double poleAltitudeDeg, bool north)
{
    if (!std::isfinite(error.altitude) || !std::isfinite(error.azimuth)) {
        qCritical("Axis error: not finite (altitude %g, azimuth %g arcsec)", error.altitude, error.azimuth);
        return;
    }
    m_altitude->setText(withLargeFigure(readoutwords::altitude(error)));
    m_azimuth->setText(withLargeFigure(readoutwords::azimuth(error, north)));
    m_total->setText(readoutwords::total(readoutwords::totalArcsec(error, poleAltitudeDeg)).toHtmlEscaped());
}

void AxisErrorPanel::setSiteKnown(bool known)
{
    // Set each time, so a language change reaches it with the next frame as it does the figures.
    m_siteUnknown->setText(readoutwords::siteUnknown());
    m_siteUnknown->setVisible(!known);
}
