// templates - draws the template images north_mask.png and south_mask.png.
//
// Usage: templates <output folder>      e.g. build/bin/templates resources/images
#include "templatefigure.h"

#include <QDir>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: templates <output folder>\n";
        return 2;
    }
    const QDir out(args[1]);
    if (!drawTemplate(northTemplateFigure()).save(out.filePath(QStringLiteral("north_mask.png")))
        || !drawTemplate(southTemplateFigure()).save(out.filePath(QStringLiteral("south_mask.png")))) {
        err << "cannot write the images to " << args[1] << '\n';
        return 1;
    }
    return 0;
}
