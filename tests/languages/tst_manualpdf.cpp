// The build renders the user manual beside the executable, where Help -> "Velto Q7 Manual"
// looks for it.
#include <QCoreApplication>
#include <QFile>
#include <QtTest>

namespace {

int countObjects(const QByteArray &pdf, const char *marker)
{
    int count = 0;
    for (int at = pdf.indexOf(marker); at >= 0; at = pdf.indexOf(marker, at + 1))
        ++count;
    return count;
}

} // namespace

class TestManualPdf : public QObject
{
    Q_OBJECT

private slots:
    void manualHasPagesAndPictures();
};

void TestManualPdf::manualHasPagesAndPictures()
{
    QFile pdf(QCoreApplication::applicationDirPath() + QStringLiteral("/Velto Q7 Manual.pdf"));
    QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(pdf.fileName()));
    const QByteArray data = pdf.readAll();
    QVERIFY(data.startsWith("%PDF-"));
    QVERIFY(data.contains("%%EOF"));

    // Page objects are "/Type /Page"; the page tree itself is "/Type /Pages".
    const int pages = countObjects(data, "/Type /Page") - countObjects(data, "/Type /Pages");
    const int pictures = countObjects(data, "/Subtype /Image");
    qInfo("manual: %d bytes, %d pages, %d pictures", int(data.size()), pages, pictures);
    QVERIFY2(pages >= 4, qPrintable(QString::number(pages)));
    QVERIFY2(pictures >= 4, qPrintable(QString::number(pictures)));
}

QTEST_GUILESS_MAIN(TestManualPdf)
#include "tst_manualpdf.moc"
