#include "core/PriceText.h"

#include <QString>

namespace {
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A currency's name and signs: "US $", "EUR", "£", "$".
bool isCurrency(QStringView text)
{
    int letters = 0;
    for (const QChar c : text) {
        if (c.isLetter()) {
            ++letters;
        } else if (!c.isSpace() && c.category() != QChar::Symbol_Currency) {
            return false;
        }
    }
    return letters <= 3;
}

// Digits with commas between groups of three, the first group of one to three digits.
bool isWholePart(QStringView text)
{
    const qsizetype firstComma = text.indexOf(u',');
    if (firstComma < 0) {
        return !text.isEmpty();
    }
    if (firstComma == 0 || firstComma > 3) {
        return false;
    }
    for (qsizetype at = firstComma; at < text.size(); at += 4) {
        if (text.at(at) != u',' || at + 4 > text.size()) {
            return false;
        }
    }
    return true;
}
} // namespace

std::optional<double> priceAmount(QStringView text)
{
    text = text.trimmed();
    qsizetype first = 0;
    while (first < text.size() && !isDigit(text.at(first))) {
        ++first;
    }
    qsizetype last = text.size() - 1;
    while (last >= first && !isDigit(text.at(last))) {
        --last;
    }
    if (first > last || !isCurrency(text.first(first)) || !isCurrency(text.sliced(last + 1))) {
        return std::nullopt;
    }
    const QStringView number = text.sliced(first, last - first + 1);
    const qsizetype point = number.indexOf(u'.');
    const QStringView whole = point < 0 ? number : number.first(point);
    const QStringView cents = point < 0 ? QStringView() : number.sliced(point + 1);
    for (const QChar c : number) {
        if (!isDigit(c) && c != u',' && c != u'.') {
            return std::nullopt;
        }
    }
    if (!isWholePart(whole) || cents.contains(u',') || cents.contains(u'.') || (point >= 0 && cents.isEmpty())) {
        return std::nullopt;
    }
    // QString reads numbers in the C locale, whatever the user's locale says.
    bool ok = false;
    QString digits = whole.toString().remove(u',');
    if (!cents.isEmpty()) {
        digits += u'.' + cents;
    }
    const double amount = digits.toDouble(&ok);
    return ok ? std::optional(amount) : std::nullopt;
}
