#include "core/PriceText.h"

#include "core/DecimalText.h"

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
} // namespace

namespace {
struct PriceParts
{
    QStringView before;
    double amount;
    QStringView after;
};

std::optional<PriceParts> readPrice(QStringView text)
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
    // The number between: digits with commas between groups of three, and cents after a point.
    const std::optional<DecimalText> number =
        DecimalText::parse(text.sliced(first, last - first + 1), DecimalText::Grouping::Thousands);
    if (!number) {
        return std::nullopt;
    }
    return PriceParts{text.first(first).trimmed(), number->toDouble(), text.sliced(last + 1).trimmed()};
}
} // namespace

std::optional<double> priceAmount(QStringView text)
{
    const std::optional<PriceParts> price = readPrice(text);
    return price ? std::optional(price->amount) : std::nullopt;
}

QString priceCurrency(QStringView text)
{
    const std::optional<PriceParts> price = readPrice(text);
    if (!price) {
        return {};
    }
    return (price->before.isEmpty() ? price->after : price->before).toString();
}
