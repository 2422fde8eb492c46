// checkedfield.h - a number typed into a line edit, checked as a whole against its range, with the
// reason beside the field while it is refused.
//
// A spin box drops a key that would leave its range and swallows letters, so "95" typed as a
// latitude of at most 90 became 9 without a word. Here what the user typed stays as typed; a
// dialog asks valid() of all its fields before it applies any of them.
#ifndef CHECKEDFIELD_H
#define CHECKEDFIELD_H

#include <QString>
#include <optional>

class QLabel;
class QLineEdit;

// The number in `text`, in the user's locale or with a decimal point, a leading "-" or "−"
// allowed; none when the text is not one finite number.
std::optional<double> parseNumber(const QString &text);

class CheckedField
{
public:
    // `decimals` 0 asks for a whole number. `message` shows the reason, `edit`'s text otherwise.
    CheckedField(QLineEdit *edit, QLabel *message, double minimum, double maximum, int decimals);

    void setRange(double minimum, double maximum);
    // A blank field stands for `value` (a focal length of 0: not known) and shows the edit's
    // placeholder; setValue(value) blanks it.
    void setBlankMeans(double value) { m_blank = value; }
    void setValue(double value);
    // The typed number when it is one and lies in the range.
    std::optional<double> value() const;
    // Shows why the text is refused (or nothing) beside the field; true when it is accepted.
    bool check() const;
    QLineEdit *edit() const { return m_edit; }
    QLabel *message() const { return m_message; }

private:
    QString problem() const;

    QLineEdit *m_edit;
    QLabel *m_message;
    double m_minimum;
    double m_maximum;
    int m_decimals;
    std::optional<double> m_blank;
};

#endif // CHECKEDFIELD_H
