#include "core/HttpGet.h"

#include <QTcpSocket>
#include <utility>

namespace {
// Small enough that a flood waits in the kernel, not in our memory.
constexpr qint64 ReadBufferSize = 16 * 1024;

QByteArray requestFor(QUrl url)
{
    url.setUserInfo(QString()); // the request never carries credentials
    // The encoded form, so that blanks or odd characters in an item number stay inside the target.
    QByteArray target = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    if (!target.startsWith('/')) {
        target.prepend('/');
    }
    const QByteArray version = QByteArray::number(BIDORRA_VERSION_MAJOR) + '.' +
                               QByteArray::number(BIDORRA_VERSION_MINOR) + '.' +
                               QByteArray::number(BIDORRA_VERSION_PATCH);
    return "GET " + target + " HTTP/1.1\r\nHost: " + url.authority(QUrl::FullyEncoded).toLatin1() +
           "\r\nUser-Agent: Bidorra/" + version +
           "\r\nAccept: text/html, */*\r\nAccept-Encoding: identity\r\nConnection: close\r\n\r\n";
}
} // namespace

HttpGet::HttpGet() : HttpGet(Limits()) {}

HttpGet::HttpGet(const Limits& limits, QObject* parent) : QObject(parent), m_limits(limits)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] { fail({TransferFailure::Cause::TimedOut}); });
}

HttpGet::~HttpGet()
{
    stop();
}

void HttpGet::start(const QUrl& url)
{
    stop();
    m_parser.emplace(m_limits.headerBytes, m_limits.bodyBytes);
    m_headerReported = false;
    m_running = true;
    m_deadline.start(m_limits.deadline);
    const quint64 transfer = m_transfer;

    if (!url.isValid() || url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) != 0 ||
        url.host().isEmpty()) {
        QMetaObject::invokeMethod(
            this,
            [this, transfer] {
                if (transfer == m_transfer) {
                    fail({TransferFailure::Cause::NotHttp});
                }
            },
            Qt::QueuedConnection);
        return;
    }

    m_request = requestFor(url);
    m_socket = new QTcpSocket(this);
    m_socket->setReadBufferSize(ReadBufferSize);
    connect(m_socket, &QTcpSocket::connected, this, &HttpGet::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpGet::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpGet::onClosed);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &HttpGet::onError);
    // Connecting to an address may fail before connectToHost() returns; from the event loop,
    // that failure reaches the receivers only after start() has returned.
    QMetaObject::invokeMethod(
        this,
        [this, transfer, host = url.host(QUrl::FullyEncoded), port = static_cast<quint16>(url.port(80))] {
            if (transfer == m_transfer) {
                m_socket->connectToHost(host, port);
            }
        },
        Qt::QueuedConnection);
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

void HttpGet::onConnected()
{
    m_socket->write(m_request);
}

void HttpGet::onReadyRead()
{
    m_parser->feed(m_socket->readAll());
    report();
}

void HttpGet::onClosed()
{
    m_parser->feed(m_socket->readAll());
    m_parser->finish();
    report();
}

void HttpGet::onError()
{
    using Cause = TransferFailure::Cause;
    switch (m_socket->error()) {
    case QAbstractSocket::RemoteHostClosedError:
        // A reset looks like a clean close here; the parser knows whether what came is whole.
        onClosed();
        return;
    case QAbstractSocket::HostNotFoundError:
        fail({Cause::HostNotFound});
        return;
    case QAbstractSocket::ConnectionRefusedError:
        fail({Cause::ConnectionRefused});
        return;
    case QAbstractSocket::SocketTimeoutError:
        fail({Cause::TimedOut});
        return;
    default:
        fail({Cause::NetworkError, m_socket->errorString()});
        return;
    }
}

void HttpGet::report()
{
    const quint64 transfer = m_transfer;
    if (m_parser->headerComplete() && !m_headerReported) {
        m_headerReported = true;
        Q_EMIT headerReceived();
        if (transfer != m_transfer) {
            return; // the receiver aborted or started another transfer
        }
    }
    switch (m_parser->state()) {
    case HttpResponseParser::State::Done:
        stop();
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

// Ends the transfer without a word. The socket is aborted, never closed gracefully, so that
// nothing more of the page is fetched.
void HttpGet::stop()
{
    ++m_transfer;
    m_running = false;
    m_deadline.stop();
    if (QTcpSocket* socket = std::exchange(m_socket, nullptr)) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater(); // this may run inside one of the socket's own signals
    }
}

void HttpGet::fail(const TransferFailure& failure)
{
    stop();
    Q_EMIT failed(failure);
}
