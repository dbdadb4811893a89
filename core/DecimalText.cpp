#include "core/DecimalText.h"

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
} // namespace

std::optional<DecimalText> scanDecimal(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && isBlank(text.back())) {
        text.chop(1);
    }
    DecimalText number;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        number.negative = text[i] == u'-';
        ++i;
    }
    const qsizetype wholeStart = i;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    number.whole = text.sliced(wholeStart, i - wholeStart);
    qsizetype digits = number.whole.size();
    if (i < text.size() && text[i] == u'.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i, ++digits) {
            number.fractionIsZero = number.fractionIsZero && text[i] == u'0';
        }
    }
    if (digits == 0 || i != text.size()) {
        return std::nullopt;
    }
    while (!number.whole.isEmpty() && number.whole.front() == u'0') {
        number.whole = number.whole.sliced(1);
    }
    return number;
}

std::optional<int> DecimalText::floorToInt() const
{
    // Ten digits reach past the int range whatever the sign; more can never fit.
    if (whole.size() > 10) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const QChar c : whole) {
        value = value * 10 + c.digitValue();
    }
    if (negative) {
        value = -value - (fractionIsZero ? 0 : 1);
    }
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}
