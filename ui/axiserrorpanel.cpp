// axiserrorpanel.cpp - the altitude and azimuth readout of the Precise Pole section.
#include "axiserrorpanel.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QtMath>
#include <cmath>

namespace {

QLabel *bigLabel(const char *name, int pointSize, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

AxisErrorPanel::AxisErrorPanel(QWidget *parent)
    : QWidget(parent), m_altitude(bigLabel("label_altitudeError", 18, this)),
      m_azimuth(bigLabel("label_azimuthError", 18, this)), m_total(bigLabel("label_totalError", 14, this))
{
    setObjectName(QStringLiteral("widget_axisError"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_altitude);
    layout->addWidget(m_azimuth);
    layout->addWidget(m_total);
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
        qWarning("Axis error: not finite (altitude %g, azimuth %g arcsec)", error.altitude, error.azimuth);
        return;
    }
    // Facing the pole, east is on the right in the north and on the left in the south.
    const QString towardsEast = north ? QStringLiteral("→") : QStringLiteral("←");
    const QString towardsWest = north ? QStringLiteral("←") : QStringLiteral("→");
    const QString altitude = arcText(error.altitude);
    const QString azimuth = arcText(error.azimuth);
    // The axis above the pole is lowered; the axis east of it is moved west.
    m_altitude->setText(error.altitude > 0
            ? QStringLiteral("↓ ") + tr("Lower the altitude %1").arg(altitude)
            : QStringLiteral("↑ ") + tr("Raise the altitude %1").arg(altitude));
    m_azimuth->setText(error.azimuth > 0
            ? towardsWest + QLatin1Char(' ') + tr("Move azimuth %1 west").arg(azimuth)
            : towardsEast + QLatin1Char(' ') + tr("Move azimuth %1 east").arg(azimuth));
    const double skyAzimuth = error.azimuth * std::cos(qDegreesToRadians(poleAltitudeDeg));
    m_total->setText(tr("Total %1").arg(arcText(std::hypot(error.altitude, skyAzimuth))));
}
