#include "core/DecimalText.h"

#include <QString>
#include <algorithm>
#include <limits>

namespace {
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimmedBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && isBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

// The whole digits of "1,234,567": every group after the first has three digits.
std::optional<QString> ungrouped(QStringView digits)
{
    QString whole;
    qsizetype groupLength = 0;
    bool grouped = false;
    for (const QChar c : digits) {
        if (c == u',') {
            if (groupLength == 0 || (grouped && groupLength != 3) || (!grouped && groupLength > 3)) {
                return std::nullopt;
            }
            grouped = true;
            groupLength = 0;
            continue;
        }
        whole += c;
        ++groupLength;
    }
    if (grouped && groupLength != 3) {
        return std::nullopt;
    }
    return whole;
}
} // namespace

std::optional<DecimalText> DecimalText::parse(QStringView text, Grouping grouping)
{
    text = trimmedBlanks(text);
    DecimalText number;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        number.m_negative = text[i] == u'-';
        ++i;
    }
    const qsizetype wholeStart = i;
    while (i < text.size() && (isDigit(text[i]) || (grouping == Grouping::Thousands && text[i] == u','))) {
        ++i;
    }
    const std::optional<QString> whole = ungrouped(text.sliced(wholeStart, i - wholeStart));
    if (!whole) {
        return std::nullopt;
    }
    number.m_whole = *whole;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fractionStart = ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
        }
        number.m_fraction = text.sliced(fractionStart, i - fractionStart).toString();
    }
    if (number.m_whole.isEmpty() && number.m_fraction.isEmpty()) {
        return std::nullopt;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    qsizetype zeros = 0;
    while (zeros < number.m_whole.size() && number.m_whole[zeros] == u'0') {
        ++zeros;
    }
    number.m_whole.remove(0, zeros);
    return number;
}

std::optional<int> DecimalText::floorToInt() const
{
    // More than ten whole digits never fit an int, whatever the sign.
    if (m_whole.size() > 10) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const QChar c : m_whole) {
        value = value * 10 + c.digitValue();
    }
    if (m_negative) {
        value = -value - (fractionIsZero() ? 0 : 1);
    }
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

double DecimalText::toDouble() const
{
    // QString reads numbers in the C locale, whatever the user's locale says.
    const QString digits = (m_whole.isEmpty() ? QStringLiteral("0") : m_whole) + u'.' + m_fraction + u'0';
    return (m_negative ? -1 : 1) * digits.toDouble();
}

bool DecimalText::fractionIsZero() const
{
    return std::all_of(m_fraction.cbegin(), m_fraction.cend(), [](QChar c) { return c == u'0'; });
}
