#pragma once

#include <QByteArray>
#include <QString>

// Item pages in the auction site's layout.
namespace ItemPages {

// The values one item page shows.
struct Item
{
    QString price = QStringLiteral("$2.00");
    QString quantity = QStringLiteral("1");
    QString bids = QStringLiteral("4");
    QString timeLeft = QStringLiteral("2 days 3 hours");
    QString ends = QStringLiteral("Dec-05-26 10:00:00 PST");
    QString seller = QStringLiteral("bob (12)");
    QString highBid = QStringLiteral("joe (3)");
};

// A table row with a label and its value in bold.
QString labelled(const QString& label, const QString& value);

// "Currently", the 32 characters of markup the site puts before the price, the price and a
// closing tag, then tail.
QString priceLine(const QString& price, const QString& tail = {});

// The price line with Quantity, # of bids, Time left, Ends, Seller (Rating) and High bid after it.
QString classicLine(const Item& item = {});

// A whole page with CR LF line ends.
QByteArray page(const Item& item = {});

// The path and query of an item's page, as the program asks for it.
QByteArray target(const QString& itemNumber);

} // namespace ItemPages
