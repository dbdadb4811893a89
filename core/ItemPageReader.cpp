#include "core/ItemPageReader.h"

#include "core/DecimalText.h"

#include <QCoreApplication>

namespace {
const QStringView PriceLabel = u"Currently";
// The label and the fixed markup the site puts between it and the price.
constexpr qsizetype PriceOffset = 41;
constexpr qsizetype QuotedLimit = 40;

struct Label
{
    QStringView text;
    PageField field;
};

// Searched in this order, each after the place where the previous value stood.
constexpr Label Labels[] = {
    {u"Quantity", PageField::Quantity}, {u"# of bids", PageField::Bids},         {u"Time left", PageField::TimeLeft},
    {u"Ends", PageField::EndTime},      {u"Seller (Rating)", PageField::Seller},
};

QString quoted(QStringView value)
{
    return value.size() <= QuotedLimit ? value.toString() : value.left(QuotedLimit).toString() + u"...";
}

// The line that holds position: it starts after the CR (or CR LF) before it and ends at the next CR.
QStringView lineAround(QStringView page, qsizetype position)
{
    qsizetype start = page.lastIndexOf(u'\r', position) + 1;
    if (start > 0 && start < position && page[start] == u'\n') {
        ++start;
    }
    const qsizetype end = page.indexOf(u'\r', position);
    return page.sliced(start, (end < 0 ? page.size() : end) - start);
}
} // namespace

LabelledValue takeLabelledValue(QStringView label, QStringView& text)
{
    using Outcome = LabelledValue::Outcome;
    const qsizetype found = text.indexOf(label);
    if (found < 0) {
        return {};
    }
    QStringView rest = text.sliced(found + label.size());
    // Markup before the value: a tag at the first place, or a line feed and then a tag. A line
    // feed with no tag behind it is dropped, so the skipping always moves on.
    while (!rest.isEmpty() && (rest[0] == u'<' || rest[0] == u'\n')) {
        const bool tagAhead = rest[0] == u'<' || (rest.size() > 1 && rest[1] == u'<');
        if (!tagAhead) {
            rest = rest.sliced(1);
            continue;
        }
        const qsizetype tagEnd = rest.indexOf(u'>');
        if (tagEnd < 0) {
            return {Outcome::Failed,
                    {},
                    QCoreApplication::translate("ItemPageReader", "Unclosed tag after '%1'").arg(label)};
        }
        rest = rest.sliced(tagEnd + 1);
    }
    const qsizetype valueEnd = rest.indexOf(u'<');
    if (valueEnd < 0) {
        return {Outcome::Failed,
                {},
                QCoreApplication::translate("ItemPageReader", "No tag after the value of '%1'").arg(label)};
    }
    text = rest;
    return {Outcome::Found, rest.left(valueEnd).toString(), {}};
}

namespace {
// Takes one labelled value into the reading; false when the reading must stop.
bool take(ItemPageReading& reading, QStringView label, PageField field, QStringView& running)
{
    const LabelledValue taken = takeLabelledValue(label, running);
    switch (taken.outcome) {
    case LabelledValue::Outcome::Failed:
        reading.failure = taken.failure;
        return false;
    case LabelledValue::Outcome::Missing:
        reading.missingLabels << field;
        break;
    case LabelledValue::Outcome::Found:
        break;
    }
    reading.values[static_cast<int>(field)] = taken.value;
    return true;
}
} // namespace

ItemPageReading readItemPage(QStringView page)
{
    ItemPageReading reading;
    const qsizetype found = page.indexOf(PriceLabel);
    if (found < 0) {
        return reading;
    }
    reading.foundPriceLine = true;
    const QStringView line = lineAround(page, found);
    const qsizetype labelAt = found - (line.data() - page.data());

    if (line.size() - labelAt <= PriceOffset) {
        reading.failure = QCoreApplication::translate("ItemPageReader", "Price not found after 'Currently'");
        return reading;
    }
    QStringView running = line.sliced(labelAt + PriceOffset);
    const qsizetype priceEnd = running.indexOf(u'<');
    if (priceEnd < 0) {
        reading.failure =
            QCoreApplication::translate("ItemPageReader", "No tag after the price that follows 'Currently'");
        return reading;
    }
    reading.values[static_cast<int>(PageField::Price)] = running.left(priceEnd).toString();

    for (const Label& label : Labels) {
        if (!take(reading, label.text, label.field, running)) {
            return reading;
        }
    }

    // A count of 1 names the high bidder; any other count is a Dutch auction, and so is no count.
    const QString& quantity = *reading.value(PageField::Quantity);
    std::optional<DecimalText> number;
    if (!quantity.trimmed().isEmpty()) {
        number = DecimalText::parse(quantity.trimmed(), DecimalText::Grouping::Thousands);
        if (!number) {
            reading.failure =
                QCoreApplication::translate("ItemPageReader", "Quantity '%1' is not a number").arg(quoted(quantity));
            return reading;
        }
    }
    if (number && number->isOne()) {
        take(reading, u"High bid", PageField::HighBidder, running);
    } else {
        reading.values[static_cast<int>(PageField::HighBidder)] = QStringLiteral("Dutch Auction");
    }
    return reading;
}
