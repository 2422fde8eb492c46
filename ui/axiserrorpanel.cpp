// axiserrorpanel.cpp - the altitude and azimuth readout of the Precise Pole section.
#include "axiserrorpanel.h"

#include "readoutwords.h"

#include <QLabel>
#include <QStyle>
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
      m_target(new QLabel(this)), m_turns(new QLabel(this)), m_siteUnknown(new QLabel(this)),
      m_staleNote(new QLabel(this))
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
    m_target->setObjectName(QStringLiteral("label_%1target").arg(section));
    m_target->setFont(font);
    m_target->hide();
    m_turns->setObjectName(QStringLiteral("label_%1turns").arg(section));
    m_turns->setFont(font);
    m_turns->setWordWrap(true);
    m_turns->setTextFormat(Qt::PlainText);
    m_turns->hide();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_altitude);
    layout->addWidget(m_azimuth);
    layout->addWidget(m_turns);
    // The target under the total: beside it, a total of a degree and more would push it out of
    // the narrow panel.
    layout->addWidget(m_total);
    layout->addWidget(m_target);
    layout->addWidget(m_siteUnknown);
    layout->addWidget(m_staleNote);
}

// Disabled labels take the style's greyed text; the note itself stays readable.
void AxisErrorPanel::setStale(const QString &note)
{
    for (QLabel *figure : {m_altitude, m_azimuth, m_turns, m_total, m_target})
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
    m_totalArcsec = readoutwords::totalArcsec(error, poleAltitudeDeg);
    m_total->setText(readoutwords::total(m_totalArcsec).toHtmlEscaped());
    showTarget();
}

void AxisErrorPanel::setTarget(double targetArcsec)
{
    m_targetArcsec = std::isfinite(targetArcsec) && targetArcsec > 0 ? targetArcsec : 0.0;
    showTarget();
}

void AxisErrorPanel::showTarget()
{
    const bool inside = m_totalArcsec >= 0 && readoutwords::insideTarget(m_totalArcsec, m_targetArcsec);
    const QString words = readoutwords::target(m_targetArcsec);
    m_target->setText(inside ? QStringLiteral("\u2713 ") + words : words);
    m_target->setVisible(m_targetArcsec > 0);
    if (inside == m_inside)
        return;
    m_inside = inside;
    // The style sheet's colour follows the property only once the labels are polished again.
    for (QLabel *label : {m_altitude, m_azimuth, m_total, m_target}) {
        label->setProperty("insideTarget", inside);
        label->style()->unpolish(label);
        label->style()->polish(label);
    }
}

void AxisErrorPanel::setTurns(const QString &altitude, const QString &azimuth)
{
    QStringList lines;
    for (const QString &line : {altitude, azimuth})
        if (!line.isEmpty())
            lines << line;
    m_turns->setText(lines.join(QLatin1Char('\n')));
    m_turns->setVisible(!lines.isEmpty());
}

void AxisErrorPanel::setSiteKnown(bool known)
{
    // Set each time, so a language change reaches it with the next frame as it does the figures.
    m_siteUnknown->setText(readoutwords::siteUnknown());
    m_siteUnknown->setVisible(!known);
}
