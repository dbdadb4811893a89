#include "ui/dialogs/TimeFieldArrows.h"

#include <cmath>

namespace {
// Keeps the precision of the decimal text the program has always shown for numbers.
constexpr int SignificantDigits = 15;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

double TimeFieldArrows::leadingNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) {
        ++i;
    }
    QByteArray number;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        number += text[i++].toLatin1();
    }
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            digits = true;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
        number += c.toLatin1();
    }
    if (!digits) {
        return 0;
    }
    // The point is the decimal point whatever the user's locale, so not strtod.
    bool ok = false;
    const double value = number.toDouble(&ok);
    // A run of digits too long for a double is no time anyone means; it counts as no number.
    return ok && std::isfinite(value) ? value : 0;
}

QString TimeFieldArrows::numberText(double value)
{
    return QString::number(value, 'g', SignificantDigits);
}

QString TimeFieldArrows::up(const QString& text, int limit)
{
    const double result = leadingNumber(text) + 1;
    return result > limit ? QStringLiteral("0") : numberText(result);
}

QString TimeFieldArrows::down(const QString& text)
{
    const double result = leadingNumber(text) - 1;
    return result < 0 ? QStringLiteral("0") : numberText(result);
}
