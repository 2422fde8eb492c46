// Font scaling by screen DPI and the style sheet resource.
#include "fontscale.h"
#include "stylesheet.h"

#include <QTemporaryFile>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void fontScaleThresholds_data();
    void fontScaleThresholds();
    void scaledPointSizeTruncates();
    void styleSheetAddressesTheFixedObjectNames();
    void styleSheetStopsAtTheFirstNul();
    void missingStyleSheetLeavesTheApplicationUnstyled();
};

void TestStartup::fontScaleThresholds_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<float>("scale");
    QTest::newRow("96") << 96.0 << 1.0f;
    QTest::newRow("105.5 just below 1.1") << 105.5 << 1.0f;
    // 105.6 / 96 is 1.1; as a float it lies just above the double 1.1.
    QTest::newRow("105.6") << 105.6 << 1.25f;
    QTest::newRow("120") << 120.0 << 1.25f;
    // 134.4 / 96 is 1.4; as a float it lies just below the double 1.4.
    QTest::newRow("134.4") << 134.4 << 1.25f;
    QTest::newRow("144") << 144.0 << 1.5f;
    QTest::newRow("168") << 168.0 << 1.75f;
    // 172.8 / 96 is 1.8; as a float it lies just below the double 1.8.
    QTest::newRow("172.8") << 172.8 << 1.75f;
    QTest::newRow("173") << 173.0 << 2.0f;
    QTest::newRow("192") << 192.0 << 2.0f;
    QTest::newRow("288") << 288.0 << 2.0f;
    QTest::newRow("72") << 72.0 << 1.0f;
}

void TestStartup::fontScaleThresholds()
{
    QFETCH(double, dpi);
    QFETCH(float, scale);
    QCOMPARE(fontScaleForDpi(dpi), scale);
}

void TestStartup::scaledPointSizeTruncates()
{
    QCOMPARE(scaledPointSize(9, 1.25f), 11);
    QCOMPARE(scaledPointSize(9, 1.75f), 15);
    QCOMPARE(scaledPointSize(10, 1.0f), 10);
}

void TestStartup::styleSheetAddressesTheFixedObjectNames()
{
    const QString sheet = readStyleSheet();
    QVERIFY(!sheet.isEmpty());
    const char *names[] = {"#grpBox_region", "#groupBox_setting", "#groupBox_confirm", "#groupBox_rough",
        "#groupBox_precise", "#groupBox_confirm_match", "#groupBox_axisCenter", "#groupBox_rough_match",
        "#groupBox_monitor", "#groupBox_refStarA", "#groupBox_refStarB", "#pushButton_head_region",
        "#pushButton_head_precise", "#pushButton_confirm_minus", "#pushButton_tracking_add",
        "#label_setting_tipMsg", "#label_finetunePole_tipMsg", "#tabWidget_tipMsg::pane", "#label_curPos",
        "#label_refStarB_pos", "#centralWidget", "#scrollAreaWidgetContents_manager",
        "#scrollAreaWidgetContents_showImg", "#936639"};
    for (const char *name : names)
        QVERIFY2(sheet.contains(QLatin1String(name)), name);

    // Every image the sheet names is in the resources.
    const QRegularExpression url(QStringLiteral("url\\((:/[^)]+)\\)"));
    auto it = url.globalMatch(sheet);
    int images = 0;
    while (it.hasNext()) {
        const QString path = it.next().captured(1);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        ++images;
    }
    QVERIFY(images >= 14);
}

void TestStartup::styleSheetStopsAtTheFirstNul()
{
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(QByteArray("QLabel { color: white; }\0garbage", 33));
    file.close();
    QCOMPARE(readStyleSheet(file.fileName()), QStringLiteral("QLabel { color: white; }"));
}

void TestStartup::missingStyleSheetLeavesTheApplicationUnstyled()
{
    QVERIFY(readStyleSheet(QStringLiteral(":/qss/missing.qss")).isEmpty());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
