#pragma once

#include <QString>

// The auction site whose item pages are watched. The application may be handed another host
// (the sample site launcher does); everything else asks for the URL here.
inline constexpr auto DefaultSiteHost = "cgi.ebay.com";

// The item page URL: plain concatenation, the item number unchanged.
QString itemPageUrl(const QString& host, const QString& itemNumber);
