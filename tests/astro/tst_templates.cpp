// The template images: the embedded PNGs are the generator's drawing, and every ring is centred on its
// star's template position, A, B and D on those of the star data.
#include "hemispherestardata.h"
#include "templatefigure.h"

#include <QtTest>
#include <cmath>

namespace {

// Alpha-weighted centroid of the pixels within `radius` of `centre`, in pixel-centre coordinates.
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

void addHemispheres()
{
    QTest::addColumn<bool>("north");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::newRow("north") << true << ":/images/north_mask.png" << QSize(800, 800);
    QTest::newRow("south") << false << ":/images/south_mask.png" << QSize(800, 674);
}

TemplateFigure figure(bool north)
{
    return north ? northTemplateFigure() : southTemplateFigure();
}

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT

private slots:
    void embeddedImagesAreTheDrawing_data() { addHemispheres(); }
    void embeddedImagesAreTheDrawing();
    void ringsCentredOnStars_data() { addHemispheres(); }
    void ringsCentredOnStars();
    void patternStarsMatchStarData();
    void southFigureIsJoined();
};

void TestTemplates::embeddedImagesAreTheDrawing()
{
    QFETCH(bool, north);
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    const QImage embedded(resource);
    QCOMPARE(embedded.size(), size);
    QVERIFY(embedded.hasAlphaChannel());
    QCOMPARE(qAlpha(embedded.pixel(0, 0)), 0); // transparent background
    // On a difference, redraw: build/bin/templates -platform offscreen resources/images
    QCOMPARE(embedded.convertToFormat(QImage::Format_ARGB32), drawTemplate(figure(north)));
}

void TestTemplates::ringsCentredOnStars()
{
    QFETCH(bool, north);
    TemplateFigure rings = figure(north);
    rings.outline.clear(); // the joining lines would pull the centroids
    const QImage image = drawTemplate(rings);
    for (const TemplateRing &ring : rings.rings) {
        const QPointF centroid = alphaCentroid(image, ring.centre, ring.diameter / 2 + 2);
        QVERIFY2(std::fabs(centroid.x() - ring.centre.x()) < 0.01
                && std::fabs(centroid.y() - ring.centre.y()) < 0.01,
            qPrintable(QStringLiteral("ring at (%1, %2) centred at (%3, %4)")
                           .arg(ring.centre.x())
                           .arg(ring.centre.y())
                           .arg(centroid.x())
                           .arg(centroid.y())));
        // Near-white ring, transparent inside.
        const QRgb onRing = image.pixel(ring.centre + QPoint(ring.diameter / 2 - 2, 0));
        QVERIFY(qAlpha(onRing) > 150 && qRed(onRing) > 200 && qBlue(onRing) > 200);
        QCOMPARE(qAlpha(image.pixel(ring.centre)), 0);
    }
}

void TestTemplates::patternStarsMatchStarData()
{
    LoadStarPosData(QDate(2026, 12, 7));
    for (bool north : {true, false}) {
        const TemplateFigure f = figure(north);
        const HemisphereStarData &data = north ? northStarData : southStarData;
        QCOMPARE(QPointF(f.rings[0].centre), data.starB);
        QCOMPARE(QPointF(f.rings[1].centre), data.starA);
        QCOMPARE(QPointF(f.rings[2].centre), data.starD);
    }
}

void TestTemplates::southFigureIsJoined()
{
    const TemplateFigure south = southTemplateFigure();
    const QImage image = drawTemplate(south);
    for (int i = 0; i < south.outline.size(); ++i) {
        const QPoint from = south.rings[south.outline[i]].centre;
        const QPoint to = south.rings[south.outline[(i + 1) % south.outline.size()]].centre;
        const QRgb middle = image.pixel((from + to) / 2);
        QVERIFY2(qAlpha(middle) > 60 && qRed(middle) > qBlue(middle), qPrintable(QString::number(i)));
    }
}

QTEST_MAIN(TestTemplates)
#include "tst_templates.moc"
