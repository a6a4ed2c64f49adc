#pragma once
// The standard checks every dialog field passes on OK before the dialog's own
// checks: whole numbers, numbers, ranges and lengths, each with the one message
// the framework gives for it. After a failed check the field has the focus with
// its text selected and the dialog stays open.
#include <QString>

#include <cstdint>
#include <optional>

class QLineEdit;
class QWidget;

// The standard messages.
QString IntegerMessage();                              // "Please enter an integer."
QString PositiveIntegerMessage();                      // "Please enter a positive integer."
QString NumberMessage();                               // "Please enter a number."
QString IntegerRangeMessage(int64_t min, int64_t max); // "Please enter an integer between 0 and 255."
QString NumberRangeMessage(double min, double max);    // "Please enter a number between 0.5 and 2."
QString MaxCharsMessage(int count);                    // "Please enter no more than 20 characters."
// The caption of the standard messages: the program's name.
QString StandardCheckCaption();

// How a field's text reads as a number: blanks around it are allowed, nothing
// else. No value when the text is not one (or does not fit).
std::optional<int32_t> ParseIntegerField(const QString& text);
std::optional<uint32_t> ParseUnsignedField(const QString& text); // no minus sign
std::optional<double> ParseNumberField(const QString& text);

// Reads fields of one dialog in turn; the first failing check shows its
// message, and every later call does nothing and fails too, so a dialog can
// read all its fields and then ask Ok().
class CFieldExchange {
public:
    explicit CFieldExchange(QWidget* dialog) : m_dialog(dialog) {}

    bool Integer(QLineEdit* field, int32_t& value);
    bool Unsigned(QLineEdit* field, uint32_t& value);
    bool Number(QLineEdit* field, double& value);
    bool IntegerRange(QLineEdit* field, int64_t value, int64_t min, int64_t max);
    bool NumberRange(QLineEdit* field, double value, double min, double max);
    bool MaxChars(QLineEdit* field, QString& text, int count);

    bool Ok() const { return !m_failed; }

private:
    bool Fail(QLineEdit* field, const QString& message);
    QWidget* m_dialog;
    bool m_failed = false;
};
