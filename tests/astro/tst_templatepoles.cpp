// The template poles: computed from the star data, stored in the records and marked on the images.
#include "hemispherestardata.h"
#include "messagelog.h"
#include "templatepoles.h"

#include <QtTest>
#include <cmath>

namespace {

bool near(const QPointF &a, const QPointF &b, double tolerance)
{
    return std::fabs(a.x() - b.x()) <= tolerance && std::fabs(a.y() - b.y()) <= tolerance;
}

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

class TestTemplatePoles : public QObject
{
    Q_OBJECT

private slots:
    void polesOf2016();
    void crossMarksThePole();
    void failureLeavesPoleAtOrigin();
    void missingImages();
};

void TestTemplatePoles::polesOf2016()
{
    LoadStarPosData(QDate(2016, 5, 23));
    QImage north(":/images/north_mask.png"), south(":/images/south_mask.png");
    const MessageLog log;
    markTemplatePoles(&north, &south);
    QVERIFY(log.criticals().isEmpty());
    QVERIFY(near(northStarData.pole, QPointF(393.713, 321.578), 5e-4));
    QVERIFY(near(southStarData.pole, QPointF(283.042, 396.159), 5e-4));
    QCOMPARE(north.size(), QSize(800, 800));
}

void TestTemplatePoles::crossMarksThePole()
{
    LoadStarPosData(QDate(2026, 12, 7));
    QImage north = blank(800, 800), south = blank(800, 674);
    markTemplatePoles(&north, &south);
    for (const auto &[image, pole] :
        {std::pair<QImage, QPointF>(north, northStarData.pole), {south, southStarData.pole}}) {
        const QPoint centre(qRound(pole.x()), qRound(pole.y()));
        // The arms reach 5 pixels from the pole along the row and the column, not the diagonals.
        for (const QPoint arm : {QPoint(4, 0), QPoint(-4, 0), QPoint(0, 4), QPoint(0, -4)}) {
            QVERIFY(qAlpha(image.pixel(centre + arm)) > 0);
        }
        QCOMPARE(qAlpha(image.pixel(centre + QPoint(3, 3))), 0);
        QCOMPARE(qAlpha(image.pixel(centre + QPoint(8, 0))), 0);
        const QRgb mark = image.pixel(centre);
        QVERIFY(qGreen(mark) > qRed(mark) && qBlue(mark) > qRed(mark));
    }
}

void TestTemplatePoles::failureLeavesPoleAtOrigin()
{
    LoadStarPosData(QDate(2026, 12, 7));
    northStarData.angleBAP = northStarData.angleABP = 0; // as if the star data were missing
    northStarData.pole = QPointF(1, 1);
    QImage north = blank(800, 800), south = blank(800, 674);
    const MessageLog log;
    markTemplatePoles(&north, &south);
    const QStringList expected {
        "did not calculate the appropriate pole", "Failed to calculate the north pole."};
    QCOMPARE(log.criticals(), expected);
    QCOMPARE(northStarData.pole, QPointF(0, 0));
    QCOMPARE(north, blank(800, 800));
    QVERIFY(south != blank(800, 674));
}

void TestTemplatePoles::missingImages()
{
    LoadStarPosData(QDate(2026, 12, 7));
    northStarData.pole = QPointF(1, 1);
    QImage nullImage;
    const MessageLog log;
    markTemplatePoles(nullptr, &nullImage);
    QCOMPARE(northStarData.pole, QPointF(1, 1)); // no image object: nothing computed
    QVERIFY(southStarData.pole.x() > 200);       // computed, nothing to paint on
    QVERIFY(nullImage.isNull());
    QVERIFY(log.criticals().isEmpty());
}

QTEST_MAIN(TestTemplatePoles)
#include "tst_templatepoles.moc"
