// imagegen - draws the program's images (icons, lamps, style-sheet arrows, logos) with QPainter.
//
// Usage: imagegen -platform offscreen <resources folder>
// Writes <folder>/images/*.png, <folder>/icons/Velto.ico and the hicolor theme's icons under
// <folder>/icons/hicolor. The results are committed; run it
// again after changing a drawing. Colours follow the dark theme of qss/default.qss.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

const QColor textLight(0xF8, 0xF8, 0xFF);
const QColor accent(0x93, 0x66, 0x39);
const QColor orange(0xFF, 0xA5, 0x00);
const QColor glow(224, 134, 26);
const QColor panelGrey(0x70, 0x70, 0x70);
const QColor arrowGrey(0xC2, 0xC2, 0xC2);
const QColor arrowHover(0x45, 0xAD, 0xED);

QString outFolder;
// The desktop's name for the program: its icons, launcher entry and metadata carry it.
const QString appId = QStringLiteral("example.nordvane.VeltoQ7");
bool ok = true;

void save(const QString &name, int width, int height, const std::function<void(QPainter &, QSizeF)> &draw)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        draw(painter, QSizeF(width, height));
    }
    const QString path = outFolder + QStringLiteral("/images/") + name;
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ok = false;
    }
}

// A four-pointed star with a faint ring: the pole star in the product's marks.
void drawPoleStar(QPainter &p, QPointF c, double r, const QColor &color)
{
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const double a = qDegreesToRadians(-90.0 + 45.0 * i);
        const double rr = (i % 2 == 0) ? r : r * 0.28;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(star);
}

void drawMark(QPainter &p, QRectF box)
{
    const QPointF c = box.center();
    const double r = std::min(box.width(), box.height()) / 2.0;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(orange, r * 0.09));
    p.drawEllipse(c, r * 0.92, r * 0.92);
    p.setPen(QPen(QColor(textLight.red(), textLight.green(), textLight.blue(), 120), r * 0.04));
    p.drawEllipse(c, r * 0.6, r * 0.6);
    drawPoleStar(p, c, r * 0.7, textLight);
}

// The program's icon: the mark on a dark disc, filling a square of `size` pixels.
void drawAppIcon(QPainter &p, double size)
{
    const double k = size / 64.0;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawEllipse(QRectF(1 * k, 1 * k, 62 * k, 62 * k));
    drawMark(p, QRectF(4 * k, 4 * k, 56 * k, 56 * k));
}

void drawWordmark(QPainter &p, QRectF box, double nameSize, double subSize, const QColor &nameColor)
{
    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(static_cast<int>(nameSize));
    name.setBold(true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, nameSize * 0.12);
    p.setFont(name);
    p.setPen(nameColor);
    p.drawText(QRectF(box.left(), box.top(), box.width(), nameSize * 1.2), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("NORDVANE"));
    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(static_cast<int>(subSize));
    p.setFont(sub);
    p.setPen(orange);
    p.drawText(QRectF(box.left(), box.top() + nameSize * 1.2, box.width(), subSize * 1.4),
        Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Velto Q7 pole camera"));
}

// A filled triangle pointing along angleDeg (0 = right, 90 = down), inscribed in the image.
void drawArrow(QPainter &p, QSizeF s, double angleDeg, const QColor &color)
{
    p.translate(s.width() / 2, s.height() / 2);
    p.rotate(angleDeg);
    const double r = std::min(s.width(), s.height()) * 0.42;
    QPainterPath tri;
    tri.moveTo(r, 0);
    tri.lineTo(-r * 0.55, -r * 0.9);
    tri.lineTo(-r * 0.55, r * 0.9);
    tri.closeSubpath();
    p.setPen(QPen(color, r * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(color);
    p.drawPath(tri);
}

void drawLamp(QPainter &p, QSizeF s, const QColor &core, const QColor &rim, bool lit)
{
    const QPointF c(s.width() / 2, s.height() / 2);
    const double r = s.width() * 0.40;
    if (lit) {
        QRadialGradient halo(c, s.width() / 2);
        halo.setColorAt(0.6, QColor(core.red(), core.green(), core.blue(), 110));
        halo.setColorAt(1.0, QColor(core.red(), core.green(), core.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(c, s.width() / 2, s.height() / 2);
    }
    QRadialGradient body(c - QPointF(r * 0.3, r * 0.35), r * 1.3);
    body.setColorAt(0.0, core.lighter(lit ? 160 : 130));
    body.setColorAt(0.7, core);
    body.setColorAt(1.0, core.darker(160));
    p.setBrush(body);
    p.setPen(QPen(rim, s.width() * 0.035));
    p.drawEllipse(c, r, r);
    // Specular highlight.
    QRadialGradient shine(c - QPointF(r * 0.35, r * 0.4), r * 0.45);
    shine.setColorAt(0.0, QColor(255, 255, 255, lit ? 200 : 90));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(c - QPointF(r * 0.35, r * 0.4), r * 0.45, r * 0.45);
}

// The pole marker: the square the user brings onto the axis circle.
void drawPoleIcon(QPainter &p, QSizeF s, const QColor &color)
{
    p.setPen(QPen(color, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5, 5, s.width() - 10, s.height() - 10));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QPointF(s.width() / 2, s.height() / 2), 2.0, 2.0);
}

// The RA axis centre: a cross in a circle.
void drawCenterIcon(QPainter &p, QSizeF s, const QColor &color)
{
    const QPointF c(s.width() / 2, s.height() / 2);
    p.setPen(QPen(color, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 8.0, 8.0);
    p.drawLine(QPointF(c.x() - 11, c.y()), QPointF(c.x() + 11, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - 11), QPointF(c.x(), c.y() + 11));
}

// Section head chevrons: pointing down when the section is open, right when it is closed.
void drawChevron(QPainter &p, QSizeF s, bool open)
{
    p.translate(s.width() / 2, s.height() / 2);
    if (!open)
        p.rotate(-90);
    QPainterPath v;
    v.moveTo(-11, -5);
    v.lineTo(0, 7);
    v.lineTo(11, -5);
    p.setPen(QPen(textLight, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(v);
}

// The RA rotation hint: an arc with an arrow head, turning clockwise.
void drawDirection(QPainter &p, QSizeF s)
{
    const QRectF arcBox(24, 22, s.width() - 48, (s.height() - 44) * 2);
    QPainterPath arc;
    arc.arcMoveTo(arcBox, 160);
    arc.arcTo(arcBox, 160, -125);
    QPen outline(QColor(0, 0, 0, 140), 22, Qt::SolidLine, Qt::RoundCap);
    p.strokePath(arc, outline);
    QLinearGradient grad(0, 0, s.width(), 0);
    grad.setColorAt(0.0, glow.darker(120));
    grad.setColorAt(1.0, orange);
    p.strokePath(arc, QPen(QBrush(grad), 14, Qt::SolidLine, Qt::RoundCap));

    const QPointF tip = arc.pointAtPercent(1.0);
    const double angle = arc.angleAtPercent(1.0);
    p.translate(tip);
    p.rotate(-angle);
    QPainterPath head;
    head.moveTo(26, 0);
    head.lineTo(-10, -22);
    head.lineTo(-10, 22);
    head.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 0, 140), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(orange);
    p.drawPath(head);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: imagegen -platform offscreen <resources folder>\n");
        return 2;
    }
    outFolder = args.at(1);
    QDir().mkpath(outFolder + QStringLiteral("/images"));
    QDir().mkpath(outFolder + QStringLiteral("/icons"));

    save(QStringLiteral("logo.png"), 237, 64, [](QPainter &p, QSizeF) {
        drawMark(p, QRectF(8, 7, 40, 40));
        drawWordmark(p, QRectF(56, 8, 178, 40), 20, 11, textLight);
    });
    // Shown through a rich-text label, whose 4 px document margin hides the right and bottom edge:
    // the mark stays inside the top-left 122 x 32 pixels.
    save(QStringLiteral("Velto.png"), 131, 40, [](QPainter &p, QSizeF) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x40, 0x40, 0x40));
        p.drawRoundedRect(QRectF(0.5, 0.5, 121, 31), 4, 4);
        drawMark(p, QRectF(3, 3, 26, 26));
        drawWordmark(p, QRectF(33, 3, 88, 26), 12, 7, textLight);
    });
    save(QStringLiteral("direction.png"), 238, 171, drawDirection);

    save(QStringLiteral("lighton_color.png"), 512, 512, [](QPainter &p, QSizeF s) {
        drawLamp(p, s, QColor(0x3C, 0xD0, 0x5A), QColor(0x1E, 0x6E, 0x30), true);
    });
    save(QStringLiteral("lightoff_color.png"), 512, 512, [](QPainter &p, QSizeF s) {
        drawLamp(p, s, QColor(0x8A, 0x3A, 0x2E), QColor(0x3A, 0x1A, 0x14), false);
    });
    save(QStringLiteral("lighton_mono.png"), 512, 512, [](QPainter &p, QSizeF s) {
        drawLamp(p, s, QColor(0xF0, 0xF0, 0xF8), QColor(0x90, 0x90, 0x98), true);
    });
    save(QStringLiteral("lightoff_mono.png"), 512, 512, [](QPainter &p, QSizeF s) {
        drawLamp(p, s, QColor(0x5A, 0x5A, 0x5E), QColor(0x2A, 0x2A, 0x2C), false);
    });

    save(QStringLiteral("pole.png"), 25, 25, [](QPainter &p, QSizeF s) { drawPoleIcon(p, s, Qt::white); });
    save(QStringLiteral("pole_color.png"), 25, 25,
        [](QPainter &p, QSizeF s) { drawPoleIcon(p, s, QColor(0, 255, 0)); });
    save(
        QStringLiteral("center.png"), 25, 25, [](QPainter &p, QSizeF s) { drawCenterIcon(p, s, Qt::white); });
    save(QStringLiteral("center_color.png"), 25, 25,
        [](QPainter &p, QSizeF s) { drawCenterIcon(p, s, QColor(255, 0, 0)); });

    save(QStringLiteral("collapse.png"), 44, 44, [](QPainter &p, QSizeF s) { drawChevron(p, s, true); });
    save(QStringLiteral("expand.png"), 44, 44, [](QPainter &p, QSizeF s) { drawChevron(p, s, false); });

    struct Arrow
    {
        const char *name;
        int width, height;
        double angle;
    };
    const Arrow arrows[] = {{"up-arrow", 202, 160, -90}, {"down-arrow", 203, 159, 90},
        {"left-arrow", 160, 202, 180}, {"right-arrow", 159, 203, 0}};
    for (const Arrow &a : arrows) {
        const double angle = a.angle;
        save(QString::fromLatin1(a.name) + QStringLiteral(".png"), a.width, a.height,
            [angle](QPainter &p, QSizeF s) { drawArrow(p, s, angle, arrowGrey); });
        save(QString::fromLatin1(a.name) + QStringLiteral("_hover.png"), a.width, a.height,
            [angle](QPainter &p, QSizeF s) { drawArrow(p, s, angle, arrowHover); });
    }
    save(QStringLiteral("down-arrow-combox.png"), 224, 224,
        [](QPainter &p, QSizeF s) { drawArrow(p, s, 90, arrowGrey); });
    save(QStringLiteral("down-arrow-hover-combox.png"), 224, 224,
        [](QPainter &p, QSizeF s) { drawArrow(p, s, 90, arrowHover); });
    save(QStringLiteral("up-arrow-spinbox.png"), 533, 533,
        [](QPainter &p, QSizeF s) { drawArrow(p, s, -90, arrowGrey); });
    save(QStringLiteral("up-arrow-hover-spinbox.png"), 533, 533,
        [](QPainter &p, QSizeF s) { drawArrow(p, s, -90, arrowHover); });
    save(QStringLiteral("down-arrow-spinbox.png"), 533, 533,
        [](QPainter &p, QSizeF s) { drawArrow(p, s, 90, arrowGrey); });
    save(QStringLiteral("down-arrow-hover-spinbox.png"), 533, 533,
        [](QPainter &p, QSizeF s) { drawArrow(p, s, 90, arrowHover); });

    // The window icon (outside the resources; the program loads it from ../images/Velto.ico when
    // it runs from its build folder) and the desktop's icons in the hicolor theme.
    QImage icon(64, 64, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    {
        QPainter p(&icon);
        drawAppIcon(p, 64);
    }
    const QString iconPath = outFolder + QStringLiteral("/icons/Velto.ico");
    if (!icon.save(iconPath, "ICO")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(iconPath));
        ok = false;
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = outFolder + QStringLiteral("/icons/hicolor/%1x%1/apps").arg(size);
        QDir().mkpath(folder);
        QImage themed(size, size, QImage::Format_ARGB32_Premultiplied);
        themed.fill(Qt::transparent);
        {
            QPainter p(&themed);
            drawAppIcon(p, size);
        }
        const QString path = folder + QStringLiteral("/%1.png").arg(appId);
        if (!themed.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    const QString scalable = outFolder + QStringLiteral("/icons/hicolor/scalable/apps");
    QDir().mkpath(scalable);
    QSvgGenerator svg;
    svg.setFileName(scalable + QStringLiteral("/%1.svg").arg(appId));
    svg.setSize(QSize(64, 64));
    svg.setViewBox(QRectF(0, 0, 64, 64));
    svg.setTitle(QStringLiteral("Velto Q7"));
    {
        QPainter p;
        if (!p.begin(&svg)) {
            std::fprintf(stderr, "cannot write the scalable icon\n");
            ok = false;
        } else {
            drawAppIcon(p, 64);
        }
    }
    return ok ? 0 : 1;
}
