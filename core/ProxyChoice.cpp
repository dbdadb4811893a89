#include "core/ProxyChoice.h"

#include <QHostAddress>
#include <QNetworkProxyFactory>
#include <optional>

namespace {
// The proxy's port when its URL gives none, as curl has it.
constexpr int DefaultProxyPort = 1080;

QString variable(const char* lowerCase, const char* upperCase)
{
    const QString value = qEnvironmentVariable(lowerCase);
    return value.isEmpty() ? qEnvironmentVariable(upperCase) : value;
}

QByteArray basicAuthorization(const QString& user, const QString& password)
{
    return "Basic " + (user + u':' + password).toUtf8().toBase64();
}

// A proxy as the environment writes it: a URL, or "host[:port]", which means http.
Route proxyRoute(QString written)
{
    written = written.trimmed();
    const QUrl proxy(written.contains(u"://") ? written : QStringLiteral("http://") + written, QUrl::TolerantMode);
    Route route{.viaProxy = true};
    if (proxy.scheme() != u"http" || proxy.host().isEmpty()) {
        route.unsupportedProxy = proxy.toString(QUrl::RemoveUserInfo);
        return route;
    }
    route.host = proxy.host(QUrl::FullyEncoded);
    route.port = static_cast<quint16>(proxy.port(DefaultProxyPort));
    if (!proxy.userName().isEmpty()) {
        route.proxyAuthorization =
            basicAuthorization(proxy.userName(QUrl::FullyDecoded), proxy.password(QUrl::FullyDecoded));
    }
    return route;
}

// "host:port" and "[v6]:port" name a port; a bare IPv6 address does not.
std::optional<int> entryPort(QStringView& entry)
{
    const qsizetype colon = entry.lastIndexOf(u':');
    const bool bracketed = entry.startsWith(u'[');
    if (colon < 0 || (!bracketed && entry.indexOf(u':') != colon) || (bracketed && entry[colon - 1] != u']')) {
        if (bracketed && entry.endsWith(u']')) {
            entry = entry.sliced(1, entry.size() - 2);
        }
        return std::nullopt;
    }
    bool valid = false;
    const int port = entry.sliced(colon + 1).toInt(&valid);
    entry = bracketed ? entry.sliced(1, colon - 2) : entry.first(colon);
    return valid ? std::optional(port) : std::nullopt;
}

bool nameMatches(QStringView host, QStringView entry)
{
    if (entry.endsWith(u'.')) {
        entry.chop(1);
    }
    if (entry.startsWith(u'.')) {
        entry = entry.sliced(1);
    }
    if (entry.isEmpty() || entry.size() > host.size()) {
        return false;
    }
    const bool atBoundary = entry.size() == host.size() || host[host.size() - entry.size() - 1] == u'.';
    return atBoundary && host.endsWith(entry, Qt::CaseInsensitive);
}

bool addressMatches(const QHostAddress& address, QStringView entry)
{
    if (entry.contains(u'/')) {
        const std::pair<QHostAddress, int> subnet = QHostAddress::parseSubnet(entry.toString());
        return !subnet.first.isNull() && address.isInSubnet(subnet);
    }
    return address.isEqual(QHostAddress(entry.toString()), QHostAddress::StrictConversion);
}
} // namespace

ProxyVariables ProxyVariables::fromEnvironment()
{
    return {variable("http_proxy", "HTTP_PROXY"), variable("all_proxy", "ALL_PROXY"), variable("no_proxy", "NO_PROXY")};
}

bool bypassesProxy(const QUrl& url, QStringView noProxy)
{
    noProxy = noProxy.trimmed();
    if (noProxy == u"*") {
        return true;
    }
    QString host = url.host();
    const QHostAddress address(host);
    if (address.isNull() && host.endsWith(u'.')) {
        host.chop(1);
    }
    const int port = url.port(80);
    qsizetype start = 0;
    while (start < noProxy.size()) {
        qsizetype end = start;
        while (end < noProxy.size() && noProxy[end] != u',' && !noProxy[end].isSpace()) {
            ++end;
        }
        QStringView entry = noProxy.sliced(start, end - start);
        start = end + 1;
        if (entry.isEmpty()) {
            continue;
        }
        const std::optional<int> entryPortNumber = entryPort(entry);
        if (entryPortNumber && *entryPortNumber != port) {
            continue;
        }
        if (address.isNull() ? nameMatches(host, entry) : addressMatches(address, entry)) {
            return true;
        }
    }
    return false;
}

Route routeFor(const QUrl& url, const ProxyVariables& variables)
{
    Route direct{.host = url.host(QUrl::FullyEncoded), .port = static_cast<quint16>(url.port(80))};
    if (bypassesProxy(url, variables.none)) {
        return direct;
    }
    const QString proxy = variables.http.isEmpty() ? variables.all : variables.http;
    if (!proxy.isEmpty()) {
        return proxyRoute(proxy);
    }
    // Qt hands the question to the desktop's settings (and a proxy auto-configuration they name).
    for (const QNetworkProxy& candidate : QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url))) {
        switch (candidate.type()) {
        case QNetworkProxy::NoProxy:
        case QNetworkProxy::DefaultProxy:
            return direct;
        case QNetworkProxy::HttpProxy:
        case QNetworkProxy::HttpCachingProxy: {
            if (candidate.hostName().isEmpty()) {
                break;
            }
            Route route{.host = candidate.hostName(), .port = candidate.port(), .viaProxy = true};
            if (!candidate.user().isEmpty()) {
                route.proxyAuthorization = basicAuthorization(candidate.user(), candidate.password());
            }
            return route;
        }
        case QNetworkProxy::Socks5Proxy:
        case QNetworkProxy::FtpCachingProxy:
            break; // not for us; the next one may be
        }
    }
    return direct;
}
