#include "dialogs/FieldChecks.h"

#include "dialogs/DialogMessage.h"
#include "support/io/TextCodec.h"

#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

QString IntegerMessage()
{
    return QStringLiteral("Please enter an integer.");
}

QString PositiveIntegerMessage()
{
    return QStringLiteral("Please enter a positive integer.");
}

QString NumberMessage()
{
    return QStringLiteral("Please enter a number.");
}

QString IntegerRangeMessage(int64_t min, int64_t max)
{
    return QStringLiteral("Please enter an integer between %1 and %2.").arg(min).arg(max);
}

QString NumberRangeMessage(double min, double max)
{
    // As many digits as a double holds, no more.
    return QStringLiteral("Please enter a number between %1 and %2.")
        .arg(QString::number(min, 'g', 15), QString::number(max, 'g', 15));
}

QString MaxCharsMessage(int count)
{
    return QStringLiteral("Please enter no more than %1 characters.").arg(count);
}

QString StandardCheckCaption()
{
    return QStringLiteral("Tessellmancery");
}

namespace {
bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The text without the blanks around it; the inside must hold no blank.
QString Core(const QString& text)
{
    int begin = 0;
    int end = int(text.size());
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// An optional sign and at least one digit, nothing else; the magnitude, held
// at a value beyond 32 bits when it is larger.
std::optional<std::pair<bool, uint64_t>> SignedDigits(const QString& core)
{
    int i = 0;
    bool negative = false;
    if (i < core.size() && (core[i] == QLatin1Char('+') || core[i] == QLatin1Char('-'))) {
        negative = core[i] == QLatin1Char('-');
        ++i;
    }
    if (i == core.size())
        return std::nullopt;
    uint64_t magnitude = 0;
    for (; i < core.size(); ++i) {
        const QChar c = core[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        magnitude = std::min<uint64_t>(magnitude * 10 + uint64_t(c.unicode() - '0'), uint64_t(1) << 40);
    }
    return std::make_pair(negative, magnitude);
}
} // namespace

std::optional<int32_t> ParseIntegerField(const QString& text)
{
    const auto digits = SignedDigits(Core(text));
    if (!digits)
        return std::nullopt;
    const int64_t value = digits->first ? -int64_t(digits->second) : int64_t(digits->second);
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return int32_t(value);
}

std::optional<uint32_t> ParseUnsignedField(const QString& text)
{
    const auto digits = SignedDigits(Core(text));
    if (!digits || digits->first || digits->second > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    return uint32_t(digits->second);
}

std::optional<double> ParseNumberField(const QString& text)
{
    const QString core = Core(text);
    // Plain decimal notation with an optional exponent; no words such as "inf".
    for (QChar c : core)
        if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('+')
              || c == QLatin1Char('e') || c == QLatin1Char('E')))
            return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(core, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool CFieldExchange::Fail(QLineEdit* field, const QString& message)
{
    m_failed = true;
    ShowDialogMessage(m_dialog, message, StandardCheckCaption());
    if (field) {
        field->setFocus();
        field->selectAll();
    }
    return false;
}

bool CFieldExchange::Integer(QLineEdit* field, int32_t& value)
{
    if (m_failed)
        return false;
    const auto parsed = ParseIntegerField(field->text());
    if (!parsed)
        return Fail(field, IntegerMessage());
    value = *parsed;
    return true;
}

bool CFieldExchange::Unsigned(QLineEdit* field, uint32_t& value)
{
    if (m_failed)
        return false;
    const auto parsed = ParseUnsignedField(field->text());
    if (!parsed)
        return Fail(field, PositiveIntegerMessage());
    value = *parsed;
    return true;
}

bool CFieldExchange::Number(QLineEdit* field, double& value)
{
    if (m_failed)
        return false;
    const auto parsed = ParseNumberField(field->text());
    if (!parsed)
        return Fail(field, NumberMessage());
    value = *parsed;
    return true;
}

bool CFieldExchange::IntegerRange(QLineEdit* field, int64_t value, int64_t min, int64_t max)
{
    if (m_failed)
        return false;
    if (value < min || value > max)
        return Fail(field, IntegerRangeMessage(min, max));
    return true;
}

bool CFieldExchange::NumberRange(QLineEdit* field, double value, double min, double max)
{
    if (m_failed)
        return false;
    if (value < min || value > max)
        return Fail(field, NumberRangeMessage(min, max));
    return true;
}

bool CFieldExchange::MaxChars(QLineEdit* field, QString& text, int count)
{
    if (m_failed)
        return false;
    const QString typed = field->text();
    if (typed.size() > count)
        return Fail(field, MaxCharsMessage(count));
    text = TypedText(typed);
    return true;
}
