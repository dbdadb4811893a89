#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// The values an item page shows, in the order they are read from the page.
enum class PageField { Price, Quantity, Bids, TimeLeft, EndTime, Seller, HighBidder };
inline constexpr int PageFieldCount = 7;

// What one item page said. Reading stops at the first failure: the values read before it are
// there, the later ones are not.
struct ItemPageReading
{
    bool foundPriceLine = false; // false: no line holds "Currently", nothing was read
    std::array<std::optional<QString>, PageFieldCount> values;
    QList<PageField> missingLabels; // labels not on the price line; their values are empty
    std::optional<QString> failure; // why reading stopped, in words for the user

    const std::optional<QString>& value(PageField field) const { return values[static_cast<int>(field)]; }
};

// Reads the first line of the page that holds "Currently" (lines end at CR or CR LF; a bare LF
// stays inside its line). The price stands 41 characters after the "C" of "Currently"; every
// other value follows its label after any markup and runs up to the next tag. Labels are
// searched in reading order, each after the place where the previous value stood.
ItemPageReading readItemPage(QStringView page);

// One labelled value cut out of the running text.
struct LabelledValue
{
    enum class Outcome { Found, Missing, Failed };
    Outcome outcome = Outcome::Missing;
    QString value;   // empty unless found
    QString failure; // why the value could not be cut, when it failed
};

// Finds label in text and takes the value after it, skipping markup, up to the next tag; text
// is shortened to start with that value. A missing label leaves text as it was. The cut fails
// when no tag follows the value or a tag before it never closes.
LabelledValue takeLabelledValue(QStringView label, QStringView& text);
