#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The amount a price text shows, for drawing it: "US $1,234.56" is 1234.56. A currency of at
// most three letters and its signs may stand before the number or after it, separated by
// spaces or not. The number is written as the auction site writes it: a point before the
// cents and commas between groups of three digits. Anything else ("EUR 12,50", "1.234,56",
// "--", "no bids") is no amount we can be sure of, and gives nothing.
std::optional<double> priceAmount(QStringView text);

// The currency a price text shows, before or after its amount and trimmed: "US $" for
// "US $1,234.56", "USD" for "1,000 USD"; empty for a text that is no price we can read.
QString priceCurrency(QStringView text);
