// manualgen - renders the user manual (Markdown with screenshots of the program) into a PDF, or
// saves the screenshots of one interface language as PNG files for checking the translations.
#include "screenshots.h"
#include "stylesheet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <cstdio>

namespace {

// Widest picture in document pixels (96 per inch): a little less than the 170 mm text width
// of an A4 page with 20 mm margins.
constexpr double maxImageWidth = 600.0;

// Pictures are referenced in the Markdown as ![caption](shot:NAME). Each one is sized to fit the
// page; a picture the run could not take (no camera, so no wizard steps) is left out with its
// paragraph rather than printed as a broken placeholder.
void placeScreenshots(QTextDocument &document, const QHash<QString, QImage> &images)
{
    QList<QTextCursor> missing;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            const QUrl url(format.name());
            const auto image = images.constFind(url.path());
            if (url.scheme() != QLatin1String("shot") || image == images.constEnd()) {
                cursor.setPosition(block.position());
                cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
                missing.append(cursor);
                continue;
            }
            document.addResource(QTextDocument::ImageResource, url, *image);
            const double width = qMin(maxImageWidth, double(image->width()));
            format.setWidth(width);
            format.setHeight(width * image->height() / image->width());
            cursor.setCharFormat(format);
        }
    }
    // Remove back to front so that earlier positions stay valid.
    for (auto it = missing.rbegin(); it != missing.rend(); ++it)
        it->removeSelectedText();
}

int renderPdf(const QString &markdownPath, const QString &pdfPath)
{
    QFile source(markdownPath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "manualgen: cannot read %s\n", qPrintable(markdownPath));
        return 1;
    }
    QHash<QString, QImage> images;
    for (const Screenshot &shot : takeScreenshots(QStringLiteral("EN")))
        images.insert(shot.name, shot.image);

    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    placeScreenshots(document, images);

    QPdfWriter writer(pdfPath);
    writer.setTitle(QStringLiteral("Velto Q7 Manual"));
    writer.setCreator(QStringLiteral("Velto Q7"));
    writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    document.print(&writer);
    if (!QFile::exists(pdfPath)) {
        std::fprintf(stderr, "manualgen: cannot write %s\n", qPrintable(pdfPath));
        return 1;
    }
    return 0;
}

int saveScreenshots(const QString &folder, const QString &languageCode)
{
    if (!QDir().mkpath(folder))
        return 1;
    for (const Screenshot &shot : takeScreenshots(languageCode)) {
        if (!shot.image.save(QDir(folder).filePath(shot.name + QStringLiteral(".png"))))
            return 1;
    }
    return 0;
}

// The offscreen platform notes what it cannot do (window raising, size hints) as warnings; they
// say nothing about the manual. The program's own critical messages still reach the build log.
void criticalOnly(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(criticalOnly);
    QApplication app(argc, argv);
    app.setStyleSheet(readStyleSheet());
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--pdf"))
        return renderPdf(args.at(2), args.at(3));
    if ((args.size() == 3 || args.size() == 4) && args.at(1) == QLatin1String("--shots"))
        return saveScreenshots(args.at(2), args.size() == 4 ? args.at(3) : QStringLiteral("EN"));
    std::fprintf(stderr,
        "usage: manualgen --pdf <manual.md> <output.pdf>\n"
        "       manualgen --shots <folder> [EN|ZH|JA|RU|FR|DE|ES|PT|IT|KO]\n");
    return 2;
}
