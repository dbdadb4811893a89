#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QUrl>

// Where a request for a page goes: straight to the site, or to an HTTP proxy that asks the site.
struct Route
{
    QString host = {}; // the site's, or the proxy's
    quint16 port = 80;
    bool viaProxy = false;
    QByteArray proxyAuthorization = {}; // the Proxy-Authorization value; empty when the proxy URL has no user
    QString unsupportedProxy = {};      // a proxy we cannot speak to (socks, https), without its password

    bool operator==(const Route&) const = default;
};

// The proxy variables of the environment: the lower-case name first, then the upper-case one.
struct ProxyVariables
{
    QString http; // http_proxy
    QString all;  // all_proxy, when http_proxy is not set
    QString none; // no_proxy

    static ProxyVariables fromEnvironment();
};

// Whether a no_proxy list exempts the URL's host, as curl reads it: "*" alone exempts every host;
// a name exempts itself and the names below it (a leading dot changes nothing); an address or
// an address range ("10.0.0.0/8") exempts the addresses in it. Entries are separated by commas
// or blanks. An entry with a port ("host:8080") exempts that port only.
bool bypassesProxy(const QUrl& url, QStringView noProxy);

// The route for an http URL: the environment's proxy when it names one, unless no_proxy exempts
// the host; otherwise the desktop's own configuration as Qt reads it.
Route routeFor(const QUrl& url, const ProxyVariables& variables = ProxyVariables::fromEnvironment());
