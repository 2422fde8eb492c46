// The embedded images keep the pixel sizes the form and the style sheet were laid out for, and
// every interface language loads.
#include <QImage>
#include <QTranslator>
#include <QtTest>

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void imageSizes_data();
    void imageSizes();
    void everyLanguageLoads_data();
    void everyLanguageLoads();
    void englishIsComplete();
    void windowIconLiesBesideTheProgramFolder();
};

void TestResources::imageSizes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const struct
    {
        const char *name;
        int width, height;
    } images[] = {{"logo.png", 237, 64}, {"direction.png", 238, 171}, {"lighton_color.png", 512, 512},
        {"lightoff_color.png", 512, 512}, {"lighton_mono.png", 512, 512}, {"lightoff_mono.png", 512, 512},
        {"pole.png", 25, 25}, {"pole_color.png", 25, 25}, {"center.png", 25, 25},
        {"center_color.png", 25, 25}, {"collapse.png", 44, 44}, {"expand.png", 44, 44},
        {"Velto.png", 131, 40}, {"up-arrow.png", 202, 160}, {"up-arrow_hover.png", 202, 160},
        {"down-arrow.png", 203, 159}, {"down-arrow_hover.png", 203, 159}, {"left-arrow.png", 160, 202},
        {"left-arrow_hover.png", 160, 202}, {"right-arrow.png", 159, 203},
        {"right-arrow_hover.png", 159, 203}, {"down-arrow-combox.png", 224, 224},
        {"down-arrow-hover-combox.png", 224, 224}, {"up-arrow-spinbox.png", 533, 533},
        {"up-arrow-hover-spinbox.png", 533, 533}, {"down-arrow-spinbox.png", 533, 533},
        {"down-arrow-hover-spinbox.png", 533, 533}};
    for (const auto &image : images)
        QTest::newRow(image.name) << QStringLiteral(":/images/") + image.name
                                  << QSize(image.width, image.height);
}

void TestResources::imageSizes()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
}

void TestResources::everyLanguageLoads_data()
{
    QTest::addColumn<QString>("path");
    for (const char *lang :
        {"en_us", "zh_cn", "ja_jp", "ru_ru", "fr_fr", "de_de", "es_es", "pt_pt", "it_it", "ko_kr"})
        QTest::newRow(lang) << QStringLiteral(":/languages/lan_%1.qm").arg(QLatin1String(lang));
}

void TestResources::everyLanguageLoads()
{
    QFETCH(QString, path);
    QTranslator translator;
    QVERIFY2(translator.load(path), qPrintable(path));
}

void TestResources::englishIsComplete()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/languages/lan_en_us.qm")));
    QCOMPARE(
        translator.translate("MainWindow", "Confirm Polaris/σ Oct"), QStringLiteral("Confirm Polaris/σ Oct"));
    QCOMPARE(translator.translate("AstroRefractionDialog", "T(℃)"), QStringLiteral("T(℃)"));
}

void TestResources::windowIconLiesBesideTheProgramFolder()
{
    const QImage icon(QCoreApplication::applicationDirPath() + QStringLiteral("/../images/Velto.ico"));
    QVERIFY(!icon.isNull());
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
