#include "checkedfield.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <cmath>

namespace {
// Numbers as the fields show them: no thousands separator, which reads as a decimal point in half
// the world.
QLocale shownLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}
} // namespace

std::optional<double> parseNumber(const QString &text)
{
    QString plain = text.trimmed();
    plain.replace(QChar(0x2212), QLatin1Char('-')); // the typographic minus of our own texts
    bool ok = false;
    double value = QLocale().toDouble(plain, &ok);
    if (!ok)
        value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

CheckedField::CheckedField(QLineEdit *edit, QLabel *message, double minimum, double maximum, int decimals)
    : m_edit(edit), m_message(message), m_minimum(minimum), m_maximum(maximum), m_decimals(decimals)
{
    m_message->setStyleSheet(QStringLiteral("color: rgb(255, 110, 110);"));
}

void CheckedField::setRange(double minimum, double maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

void CheckedField::setValue(double value)
{
    if (m_blank && value == *m_blank) {
        m_edit->clear();
        return;
    }
    // As many decimals as the value has, up to the field's, so a stored 39.9 reads 39.9.
    const QLocale locale = shownLocale();
    QString text = locale.toString(value, 'f', m_decimals);
    if (m_decimals > 0 && text.contains(locale.decimalPoint())) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(locale.decimalPoint()))
            text.chop(1);
    }
    m_edit->setText(text);
}

std::optional<double> CheckedField::value() const
{
    if (!problem().isEmpty())
        return std::nullopt;
    if (m_blank && m_edit->text().trimmed().isEmpty())
        return m_blank;
    return parseNumber(m_edit->text());
}

QString CheckedField::problem() const
{
    if (m_blank && m_edit->text().trimmed().isEmpty())
        return {};
    const std::optional<double> number = parseNumber(m_edit->text());
    if (!number || (m_decimals == 0 && *number != std::floor(*number)))
        return m_decimals == 0 ? QCoreApplication::translate("CheckedField", "not a whole number")
                               : QCoreApplication::translate("CheckedField", "not a number");
    if (*number < m_minimum || *number > m_maximum)
        return QCoreApplication::translate("CheckedField", "must lie between %1 and %2")
            .arg(shownLocale().toString(m_minimum), shownLocale().toString(m_maximum));
    return {};
}

bool CheckedField::check() const
{
    const QString why = problem();
    m_message->setText(why);
    return why.isEmpty();
}
