#include "fontscale.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

float fontScaleForDpi(double logicalDpi)
{
    const float ratio = static_cast<float>(logicalDpi / 96.0);
    if (ratio < 1.1)
        return 1.0f;
    if (ratio < 1.4)
        return 1.25f;
    if (ratio < 1.6)
        return 1.5f;
    if (ratio < 1.8)
        return 1.75f;
    return 2.0f;
}

int scaledPointSize(int pointSize, float fontScale)
{
    return static_cast<int>(pointSize * fontScale);
}

void applyFontScale()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return;
    QFont font = QApplication::font();
    font.setPointSize(
        scaledPointSize(font.pointSize(), fontScaleForDpi(screens.first()->logicalDotsPerInch())));
    QApplication::setFont(font);
}
