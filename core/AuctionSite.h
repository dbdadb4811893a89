#pragma once

#include <QString>

// The auction site whose item pages are watched. The application may be handed another host
// (the sample site launcher does); everything else asks for the URL here.
inline constexpr auto DefaultSiteHost = "cgi.ebay.com";

// The item page URL: plain concatenation, the item number unchanged.
QString itemPageUrl(const QString& host, const QString& itemNumber);

// The item number in a pasted item page address: the digits of its "item" field, else the
// digits that end its path. Text that is no web address, or holds no number, comes back as it was.
QString itemNumberInAddress(const QString& text);
