// stylesheet.h - the application's dark theme, carried in the resources.
#ifndef STYLESHEET_H
#define STYLESHEET_H

#include <QString>

// The text of the style sheet at resourcePath, up to its first NUL byte, decoded as UTF-8; an empty
// text when it cannot be opened (the program then runs unstyled).
QString readStyleSheet(const QString &resourcePath = QStringLiteral(":/qss/default.qss"));

#endif // STYLESHEET_H
