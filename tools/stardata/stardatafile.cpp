// stardatafile.cpp - the text of the star data files.
#include "stardatafile.h"

#include "staralgorithms.h"

#include <cmath>

namespace {

constexpr double angleScale = 1e14;

// Angle at D between B and P, in degrees, in template pixels.
double angleAtD(QPointF d, QPointF b, QPointF p)
{
    const QPointF db = b - d, dp = p - d;
    const double cosine
        = QPointF::dotProduct(db, dp) / (std::hypot(db.x(), db.y()) * std::hypot(dp.x(), dp.y()));
    return std::acos(cosine) * 180 / M_PI;
}

} // namespace

const HemisphereDefinition &northDefinition()
{
    static const HemisphereDefinition north {
        Hemisphere::North,
        QStringLiteral("NStarPosData.ini"),
        {445, 218},
        {400, 400},
        {648, 495},
        patternStarIds(Hemisphere::North),
        {
            {2016, "1245434490461070", "1847136340521940", "11508819866084300"},
            {2017, "1211323119572660", "1812818544743700", "11474532879433900"},
            {2018, "1178675475177860", "1780403689138490", "11442095009659800"},
            {2019, "1147116459523860", "1749154371459160", "11410846812059500"},
            {2020, "1116808661437750", "1719245502878610", "11381005369680300"},
            {2021, "1088218461234480", "1690852369748540", "11352601076471800"},
            {2022, "1060772257413050", "1662506906903300", "11324121927008800"},
            {2023, "1033650409312840", "1633149588336850", "11294883036496200"},
            {2024, "1006667956648320", "1602648707668030", "11264462626820500"},
        },
    };
    return north;
}

const HemisphereDefinition &southDefinition()
{
    static const HemisphereDefinition south {
        Hemisphere::South,
        QStringLiteral("SStarPosData.ini"),
        {227, 405},
        {400, 337},
        {228, 563},
        patternStarIds(Hemisphere::South),
        {
            {2016, "1249312019990160", "537296310992860", "2582202968288700"},
            {2017, "1313843383247070", "558748281069293", "2560661380337430"},
            {2018, "1378651640047080", "580485857602601", "2538921037605770"},
            {2019, "1443785646055950", "602122684927071", "2517234936096140"},
            {2020, "1508666035730600", "623704795252416", "2495932639110690"},
            {2021, "1571534719827810", "644236111155208", "2475057062216790"},
            {2022, "1631349951953990", "663354212362365", "2455899026323500"},
            {2023, "1689435405008040", "681222925974986", "2437991674373810"},
            {2024, "1746172426372240", "698031737944110", "2421196380029260"},
        },
    };
    return south;
}

QString storedAngleText(double degrees)
{
    // 15 significant digits d.dddddddddddddd x 10^e make the integer dddddddddddddd... x 10^e,
    // that is the digits followed by e zeros (every angle here is at least 1 degree).
    const QString scientific = QString::number(degrees, 'e', 14);
    const int mark = scientific.indexOf(QLatin1Char('e'));
    const int exponent = scientific.mid(mark + 1).toInt();
    QString digits = scientific.left(mark).remove(QLatin1Char('.'));
    return exponent >= 0 ? digits + QString(exponent, QLatin1Char('0'))
                         : QString::number(std::llround(degrees * angleScale));
}

double storedAngleDegrees(const QString &text)
{
    return text.toDouble() / angleScale;
}

QVector<EpochAngleTexts> starDataEpochs(
    const HemisphereDefinition &definition, const QVector<CatalogStar> &stars)
{
    QVector<EpochAngleTexts> epochs = definition.shipped;
    for (int year = definition.shipped.last().year + 1; year <= lastStarDataYear; ++year) {
        const PoleTriangleAngles angles
            = poleTriangleAngles(definition.hemisphere, stars[0], stars[1], stars[2], year);
        epochs.append(
            {year, storedAngleText(angles.bap), storedAngleText(angles.abp), storedAngleText(angles.dbp)});
    }
    return epochs;
}

QByteArray starDataFileText(const HemisphereDefinition &definition, const QVector<EpochAngleTexts> &epochs)
{
    QString text;
    const auto line = [&text](const QString &key, const QString &value) {
        text += key + QLatin1Char('=') + value + QLatin1String("\r\n");
    };
    const QPoint positions[] = {definition.starA, definition.starB, definition.starD};
    const char *names[] = {"A", "B", "D"};
    for (int i = 0; i < 3; ++i) {
        line(QStringLiteral("%1_X_Mask").arg(QLatin1String(names[i])), QString::number(positions[i].x()));
        line(QStringLiteral("%1_Y_Mask").arg(QLatin1String(names[i])), QString::number(positions[i].y()));
    }
    for (const EpochAngleTexts &epoch : epochs) {
        const QString date = QString::number(epoch.year) + QLatin1String("0523");
        const double bap = storedAngleDegrees(epoch.bap);
        const double abp = storedAngleDegrees(epoch.abp);
        const double dbp = storedAngleDegrees(epoch.dbp);
        // The template pole as the program computes it from these stored values.
        double poleX = 0, poleY = 0;
        if (starAlgorithms.CalcTemplatePole(definition.starA.x(), definition.starA.y(), bap,
                definition.starB.x(), definition.starB.y(), abp, &poleX, &poleY, definition.starD.x(),
                definition.starD.y(), dbp)
            != 0) {
            return QByteArray();
        }
        const double bdp = angleAtD(definition.starD, definition.starB, QPointF(poleX, poleY));
        line(QStringLiteral("BAP_") + date, epoch.bap);
        line(QStringLiteral("ABP_") + date, epoch.abp);
        line(QStringLiteral("BPA_") + date, storedAngleText(180 - bap - abp));
        line(QStringLiteral("BDP_") + date, storedAngleText(bdp));
        line(QStringLiteral("DBP_") + date, epoch.dbp);
        line(QStringLiteral("BPD_") + date, storedAngleText(180 - bdp - dbp));
    }
    return text.toLatin1();
}
