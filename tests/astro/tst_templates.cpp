// The template images and their pole marks: the embedded PNGs are the generator's drawing, every ring
// is centred on its star (A, B and D on the star data's positions), and the template poles are
// computed and marked.
#include "hemispherestardata.h"
#include "imagecompare.h"
#include "messagelog.h"
#include "templatefigure.h"
#include "templatepoles.h"

#include <QtTest>
#include <cmath>

namespace {

// Alpha-weighted centroid of the square of `radius` around `centre`, in pixel-centre coordinates.
QPointF alphaCentroid(const QImage &image, QPoint centre, int radius)
{
    double sum = 0, sumX = 0, sumY = 0;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y) {
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x) {
            const double alpha = qAlpha(image.pixel(x, y));
            sum += alpha;
            sumX += alpha * x;
            sumY += alpha * y;
        }
    }
    return QPointF(sumX / sum, sumY / sum);
}

QImage blank(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT

private slots:
    void images_data();
    void images();
    void templatePoles();
    void templatePoleFailures();
};

void TestTemplates::images_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::newRow("north") << ":/images/north_mask.png" << QSize(800, 800);
    QTest::newRow("south") << ":/images/south_mask.png" << QSize(800, 674);
}

void TestTemplates::images()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    const bool north = size.height() == 800;
    TemplateFigure figure = north ? northTemplateFigure() : southTemplateFigure();
    const QImage embedded(resource);
    QCOMPARE(embedded.size(), size);
    QCOMPARE(qAlpha(embedded.pixel(0, 0)), 0); // transparent background
    // On a difference, redraw: build/bin/templates resources/images
    const QString difference = imageDifference(embedded, drawTemplate(figure), 2);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));

    LoadStarPosData(QDate(2026, 12, 7));
    const HemisphereStarData &data = north ? northStarData : southStarData;
    QCOMPARE(QPointF(figure.rings[0].centre), data.starB);
    QCOMPARE(QPointF(figure.rings[1].centre), data.starA);
    QCOMPARE(QPointF(figure.rings[2].centre), data.starD);
    // The south figure's lines cross the middle of each joined pair; then, without them, each ring's
    // light is centred on its star, near-white on the ring and transparent inside.
    const QImage drawn = drawTemplate(figure);
    for (int i = 0; i < figure.outline.size(); ++i) {
        const QPoint from = figure.rings[figure.outline[i]].centre;
        const QPoint to = figure.rings[figure.outline[(i + 1) % figure.outline.size()]].centre;
        QVERIFY(qAlpha(drawn.pixel((from + to) / 2)) > 60);
    }
    figure.outline.clear();
    const QImage rings = drawTemplate(figure);
    for (const TemplateRing &ring : figure.rings) {
        const QPointF centroid = alphaCentroid(rings, ring.centre, ring.diameter / 2 + 2);
        QVERIFY2(std::hypot(centroid.x() - ring.centre.x(), centroid.y() - ring.centre.y()) < 0.02,
            qPrintable(QString("ring (%1, %2) centred at (%3, %4)")
                           .arg(ring.centre.x())
                           .arg(ring.centre.y())
                           .arg(centroid.x())
                           .arg(centroid.y())));
        const QRgb onRing = rings.pixel(ring.centre + QPoint(ring.diameter / 2 - 2, 0));
        QVERIFY(qAlpha(onRing) > 150 && qRed(onRing) > 200 && qBlue(onRing) > 200);
        QCOMPARE(qAlpha(rings.pixel(ring.centre)), 0);
    }
}

void TestTemplates::templatePoles()
{
    LoadStarPosData(QDate(2016, 5, 23));
    QImage north = blank(QSize(800, 800)), south = blank(QSize(800, 674));
    const MessageLog log;
    markTemplatePoles(&north, &south);
    QVERIFY(log.criticals().isEmpty());
    QVERIFY(std::hypot(northStarData.pole.x() - 393.713, northStarData.pole.y() - 321.578) < 1e-3);
    QVERIFY(std::hypot(southStarData.pole.x() - 283.042, southStarData.pole.y() - 396.159) < 1e-3);
    // A cross with arms 5 pixels long along the row and the column, in light cyan.
    for (const auto &[image, pole] :
        {std::make_pair(north, northStarData.pole), {south, southStarData.pole}}) {
        const QPoint centre = pole.toPoint();
        for (const QPoint arm : {QPoint(4, 0), QPoint(-4, 0), QPoint(0, 4), QPoint(0, -4)}) {
            QVERIFY(qAlpha(image.pixel(centre + arm)) > 0);
        }
        QCOMPARE(qAlpha(image.pixel(centre + QPoint(3, 3))), 0);
        QCOMPARE(qAlpha(image.pixel(centre + QPoint(8, 0))), 0);
        QVERIFY(qGreen(image.pixel(centre)) > qRed(image.pixel(centre)));
    }
}

void TestTemplates::templatePoleFailures()
{
    LoadStarPosData(QDate(2026, 12, 7));
    northStarData.angleBAP = northStarData.angleABP = 0; // as with missing star data
    QImage north = blank(QSize(800, 800)), nullImage;
    MessageLog log;
    markTemplatePoles(&north, &nullImage);
    QCOMPARE(log.criticals(),
        QStringList({"did not calculate the appropriate pole", "Failed to calculate the north pole."}));
    QCOMPARE(northStarData.pole, QPointF(0, 0));
    QCOMPARE(north, blank(QSize(800, 800))); // no mark
    QVERIFY(southStarData.pole.x() > 200);   // computed, though there is nothing to paint on
    // Without an image object the pole is not computed at all.
    southStarData.pole = QPointF(1, 1);
    markTemplatePoles(nullptr, nullptr);
    QCOMPARE(southStarData.pole, QPointF(1, 1));
}

QTEST_GUILESS_MAIN(TestTemplates)
#include "tst_templates.moc"
