// nightstyle.cpp - the day style sheet recoloured in dark red.
#include "nightstyle.h"

#include <QApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The brightest red of the night style: bright enough for text on black, dim enough for the dark.
// Backgrounds, large areas, stay darker still: a light panel must not glow.
constexpr double brightestRed = 200.0;
constexpr double brightestBackgroundRed = 60.0;
const char *const dayStyleSheetProperty = "veltoDayStyleSheet";

QString cssColour(const QColor &c)
{
    return c.alpha() == 255 ? QStringLiteral("rgb(%1, 0, 0)").arg(c.red())
                            : QStringLiteral("rgba(%1, 0, 0, %2)").arg(c.red()).arg(c.alpha());
}

void setNightSheet(
    QObject *object, const QString &current, bool night, const std::function<void(const QString &)> &set)
{
    QVariant day = object->property(dayStyleSheetProperty);
    if (!day.isValid()) {
        if (!night || current.isEmpty())
            return;
        day = current;
        object->setProperty(dayStyleSheetProperty, day);
    }
    set(night ? nightStyleSheet(day.toString()) : day.toString());
}

} // namespace

QColor nightColour(const QColor &day, bool background)
{
    // Perceived brightness (ITU-R BT.601 weights); the power keeps the dark panels near black.
    const double brightness = (0.299 * day.red() + 0.587 * day.green() + 0.114 * day.blue()) / 255.0;
    const double brightest = background ? brightestBackgroundRed : brightestRed;
    return QColor(int(std::lround(brightest * std::pow(brightness, 1.5))), 0, 0, day.alpha());
}

QString nightStyleSheet(const QString &dayStyleSheet)
{
    // A colour value follows a colon, a space, a comma or a bracket; "#name" after a type name is
    // an object-name selector and is left alone.
    static const QRegularExpression colour(QStringLiteral(
        R"((?<=[\s:,(])(#[0-9a-fA-F]{6}|#[0-9a-fA-F]{3}|rgba?\(\s*\d+\s*,\s*\d+\s*,\s*\d+\s*(?:,\s*[\d.]+\s*)?\)|white|black)(?![\w-]))"));
    static const QRegularExpression number(QStringLiteral(R"([\d.]+)"));
    QString night;
    int last = 0;
    auto match = colour.globalMatch(dayStyleSheet);
    while (match.hasNext()) {
        const QRegularExpressionMatch m = match.next();
        const QString text = m.captured(1);
        QColor day;
        if (text.startsWith(QLatin1String("rgb"))) {
            QList<double> parts;
            auto numbers = number.globalMatch(text);
            while (numbers.hasNext())
                parts.append(numbers.next().captured().toDouble());
            day = QColor(int(parts[0]), int(parts[1]), int(parts[2]));
            if (parts.size() == 4) // CSS alpha: 0 to 1, or Qt's 0 to 255
                day.setAlpha(parts[3] <= 1.0 ? int(std::lround(parts[3] * 255)) : int(parts[3]));
        } else {
            day = QColor(text);
        }
        // The property the colour belongs to: the text since the declaration began.
        const int declaration = std::max(dayStyleSheet.lastIndexOf(QLatin1Char(';'), m.capturedStart(1)),
            dayStyleSheet.lastIndexOf(QLatin1Char('{'), m.capturedStart(1)));
        const bool background = dayStyleSheet.mid(declaration + 1, m.capturedStart(1) - declaration - 1)
                                    .contains(QLatin1String("background"));
        night += dayStyleSheet.mid(last, m.capturedStart(1) - last) + cssColour(nightColour(day, background));
        last = m.capturedEnd(1);
    }
    return night + dayStyleSheet.mid(last);
}

QPixmap nightTinted(const QPixmap &picture)
{
    QPixmap tinted = picture;
    QPainter painter(&tinted);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(tinted.rect(), nightColour(Qt::white, false));
    return tinted;
}

void applyNightStyle(QWidget *window, bool night)
{
    // What the day tells apart by hue alone, or leaves to the palette, must differ by brightness at
    // night: a ticked box from an empty one; selections (the palette's bright blue, a drop-down's
    // highlighted item) and input fields (the palette's white) stay dark red, the readout inside
    // its target (green by day) stands on a dark red band, and the buttons' coloured icons go.
    const QString nightOnly = QStringLiteral(
        "\nQCheckBox::indicator:checked, QRadioButton::indicator:checked { background-color: rgb(160, 0, 0); }"
        "\n* { selection-background-color: rgb(70, 0, 0); selection-color: rgb(200, 0, 0); }"
        "\nQLineEdit, QAbstractSpinBox, QAbstractItemView { background-color: rgb(20, 0, 0); color: rgb(200, 0, 0); }"
        "\nQDialogButtonBox { dialogbuttonbox-buttons-have-icons: 0; }"
        "\nQLabel[insideTarget=\"true\"] { color: rgb(200, 0, 0); background-color: rgb(60, 0, 0); }");
    setNightSheet(qApp, qApp->styleSheet(), night,
        [night, nightOnly](const QString &sheet) { qApp->setStyleSheet(night ? sheet + nightOnly : sheet); });
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets)
        setNightSheet(widget, widget->styleSheet(), night,
            [widget](const QString &sheet) { widget->setStyleSheet(sheet); });
}
