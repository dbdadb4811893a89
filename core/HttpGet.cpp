#include "core/HttpGet.h"

#include "core/ResponseStatus.h"

namespace {
// What may be read and dropped after the kept part of a page so that its connection serves the
// next one. More than that, or a rest still on its way, costs more than a new connection.
constexpr qsizetype DrainBytes = qsizetype{64} * 1024;

QByteArray requestFor(QUrl url, const Route& route)
{
    url.setUserInfo(QString()); // the request never carries the site's credentials
    url.setFragment(QString());
    if (url.path().isEmpty()) {
        url.setPath(QStringLiteral("/"));
    }
    // The encoded form, so that blanks or odd characters in an item number stay inside the
    // target; a proxy is given the whole URL.
    const QByteArray target =
        route.viaProxy ? url.toEncoded() : url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority);
    const QByteArray version = QByteArray::number(BIDORRA_VERSION_MAJOR) + '.' +
                               QByteArray::number(BIDORRA_VERSION_MINOR) + '.' +
                               QByteArray::number(BIDORRA_VERSION_PATCH);
    QByteArray request = "GET " + target + " HTTP/1.1\r\nHost: " + url.authority(QUrl::FullyEncoded).toLatin1() +
                         "\r\nUser-Agent: Bidorra/" + version +
                         "\r\nAccept: text/html, */*\r\nAccept-Encoding: identity\r\n";
    if (!route.proxyAuthorization.isEmpty()) {
        request += "Proxy-Authorization: " + route.proxyAuthorization + "\r\n";
    }
    return request + "\r\n";
}
} // namespace

HttpGet::HttpGet() : HttpGet(Limits()) {}

HttpGet::HttpGet(const Limits& limits, QObject* parent) : QObject(parent), m_limits(limits)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] { fail({TransferFailure::Cause::TimedOut}); });
    connect(&m_connection, &TcpConnection::connected, this, [this] {
        m_connecting = false;
        send();
    });
    connect(&m_connection, &TcpConnection::readable, this, &HttpGet::onReadable);
    connect(&m_connection, &TcpConnection::failed, this, &HttpGet::onConnectionFailed);
}

HttpGet::~HttpGet()
{
    stop();
}

void HttpGet::start(const QUrl& url)
{
    if (m_running) {
        stop(); // the connection is in the middle of an answer nobody wants now
    }
    ++m_transfer;
    m_parser.emplace(m_limits.headerBytes, m_limits.bodyBytes);
    m_headerReported = false;
    m_answered = false;
    m_retried = false;
    m_running = true;
    m_deadline.start(m_limits.deadline);

    std::optional<TransferFailure> failure;
    if (!url.isValid() || url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) != 0 ||
        url.host().isEmpty()) {
        failure = TransferFailure{TransferFailure::Cause::NotHttp};
    } else {
        // Chosen once per host for the life of this object: every item of a cycle takes the same way.
        const QString routeKey = url.host(QUrl::FullyEncoded) + u':' + QString::number(url.port(80));
        if (routeKey != m_routeKey) {
            m_route = routeFor(url);
            m_routeKey = routeKey;
        }
        if (!m_route.unsupportedProxy.isEmpty()) {
            failure = TransferFailure{TransferFailure::Cause::ProxyUnsupported, m_route.unsupportedProxy};
        }
        m_request = requestFor(url, m_route);
    }
    if (failure) {
        QMetaObject::invokeMethod(
            this,
            [this, transfer = m_transfer, failure = *failure] {
                if (transfer == m_transfer) {
                    fail(failure);
                }
            },
            Qt::QueuedConnection);
        return;
    }
    // At once: on a kept connection the server prepares the page while the window shows the last one.
    begin();
}

void HttpGet::abort()
{
    stop();
}

QByteArray HttpGet::headerText() const
{
    return m_parser ? m_parser->headerText() : QByteArray();
}

QByteArray HttpGet::headerValue(QByteArrayView name) const
{
    return m_parser ? m_parser->headerValue(name) : QByteArray();
}

// Sends on the kept connection, or opens one; neither reports anything before start() has returned.
void HttpGet::begin()
{
    m_reused = m_connectionRoute == m_route && m_connection.isIdle();
    if (m_reused) {
        send();
        return;
    }
    m_connectionRoute = m_route;
    m_connecting = true;
    m_connection.open(m_route.host, m_route.port);
}

void HttpGet::send()
{
    if (const std::optional<TransferFailure> failure = m_connection.write(m_request)) {
        onConnectionFailed(*failure);
    }
}

void HttpGet::onReadable()
{
    const TcpConnection::Received received = m_connection.read();
    using Kind = TcpConnection::Received::Kind;
    if (!m_running) {
        // Between transfers a server has nothing to say; one that does, or leaves, serves no more.
        if (received.kind == Kind::Bytes) {
            m_connection.close();
        }
        return;
    }
    switch (received.kind) {
    case Kind::Nothing:
        return;
    case Kind::Bytes:
        m_answered = true;
        m_parser->feed(received.bytes);
        report();
        return;
    case Kind::End:
        if (!retry()) {
            m_parser->finish();
            report();
        }
        return;
    case Kind::Failed:
        onConnectionFailed(received.failure);
        return;
    }
}

void HttpGet::onConnectionFailed(const TransferFailure& failure)
{
    if (retry()) {
        return;
    }
    if (m_connecting && m_route.viaProxy) {
        const QString proxy = m_route.host + u':' + QString::number(m_route.port);
        fail({TransferFailure::Cause::ProxyUnreachable,
              proxy + QStringLiteral(": ") + transferFailureText(failure, m_limits.deadline)});
        return;
    }
    fail(failure);
}

// A server may close a kept connection just as the next request goes out; that request is
// asked once more, on a new connection.
bool HttpGet::retry()
{
    if (!m_reused || m_answered || m_retried) {
        return false;
    }
    m_retried = true;
    m_reused = false;
    m_connecting = true;
    m_connection.open(m_route.host, m_route.port);
    return true;
}

void HttpGet::report()
{
    const quint64 transfer = m_transfer;
    if (m_parser->headerComplete() && !m_headerReported) {
        m_headerReported = true;
        if (m_route.viaProxy && statusTextOf(m_parser->headerText()) == u"407") {
            fail({TransferFailure::Cause::ProxyAuthRequired});
            return;
        }
        Q_EMIT headerReceived();
        if (transfer != m_transfer) {
            return; // the receiver aborted or started another transfer
        }
    }
    switch (m_parser->state()) {
    case HttpResponseParser::State::Done:
        finish();
        Q_EMIT bodyReceived(m_parser->body());
        break;
    case HttpResponseParser::State::Failed:
        fail({m_parser->failure()});
        break;
    case HttpResponseParser::State::ReadingHeader:
    case HttpResponseParser::State::ReadingBody:
        break;
    }
}

// The transfer is over. The connection stays open for the next one when the answer allows it
// and has been read to its end; the rest of a page past the kept part is read here when it has
// already come.
void HttpGet::finish()
{
    ++m_transfer;
    m_running = false;
    m_deadline.stop();
    HttpResponseParser& parser = *m_parser;
    qsizetype dropped = 0;
    while (parser.persistent() && !parser.messageComplete() && dropped < DrainBytes) {
        const TcpConnection::Received received = m_connection.read();
        if (received.kind != TcpConnection::Received::Kind::Bytes) {
            break;
        }
        parser.feed(received.bytes);
        dropped += received.bytes.size();
    }
    if (!parser.persistent() || !parser.messageComplete() || parser.surplus()) {
        m_connection.close();
    }
}

// Ends the transfer without a word and closes the connection, so that nothing more of the
// page is fetched.
void HttpGet::stop()
{
    ++m_transfer;
    m_running = false;
    m_connecting = false;
    m_deadline.stop();
    m_connection.close();
}

void HttpGet::fail(const TransferFailure& failure)
{
    stop();
    Q_EMIT failed(failure);
}
