#include "core/TcpConnection.h"

#include <QHostInfo>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <net/if.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr qsizetype ReadSize = qsizetype{16} * 1024;

TransferFailure failureFor(int error)
{
    using Cause = TransferFailure::Cause;
    switch (error) {
    case ECONNREFUSED:
        return {Cause::ConnectionRefused, qt_error_string(error)};
    case ECONNRESET:
    case EPIPE:
        return {Cause::ConnectionReset, qt_error_string(error)};
    default:
        return {Cause::NetworkError, qt_error_string(error)};
    }
}

// A socket connecting to the address without waiting; -1 with errno set when it cannot.
int startConnecting(const QHostAddress& address, quint16 port)
{
    sockaddr_in v4{};
    sockaddr_in6 v6{};
    const sockaddr* target = nullptr;
    socklen_t targetSize = 0;
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        v6.sin6_family = AF_INET6;
        v6.sin6_port = htons(port);
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::memcpy(&v6.sin6_addr, &bytes, sizeof(v6.sin6_addr));
        if (!address.scopeId().isEmpty()) {
            bool numeric = false;
            const uint scope = address.scopeId().toUInt(&numeric);
            v6.sin6_scope_id = numeric ? scope : if_nametoindex(address.scopeId().toLocal8Bit().constData());
        }
        target = reinterpret_cast<const sockaddr*>(&v6);
        targetSize = sizeof(v6);
    } else {
        v4.sin_family = AF_INET;
        v4.sin_port = htons(port);
        v4.sin_addr.s_addr = htonl(address.toIPv4Address());
        target = reinterpret_cast<const sockaddr*>(&v4);
        targetSize = sizeof(v4);
    }
    const int socket = ::socket(target->sa_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return -1;
    }
    // Each request goes out in one piece; there is nothing to gain by holding it back.
    const int on = 1;
    ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof(on));
    if (::connect(socket, target, targetSize) == 0 || errno == EINPROGRESS || errno == EINTR) {
        return socket;
    }
    const int error = errno;
    ::close(socket);
    errno = error;
    return -1;
}
} // namespace

TcpConnection::TcpConnection(QObject* parent)
    : QObject(parent), m_readNotifier(QSocketNotifier::Read, this), m_writeNotifier(QSocketNotifier::Write, this),
      m_buffer(ReadSize, Qt::Uninitialized)
{
    m_readNotifier.setEnabled(false);
    m_writeNotifier.setEnabled(false);
    connect(&m_readNotifier, &QSocketNotifier::activated, this, &TcpConnection::readable);
    connect(&m_writeNotifier, &QSocketNotifier::activated, this, &TcpConnection::onWritable);
}

TcpConnection::~TcpConnection()
{
    close();
}

void TcpConnection::open(const QString& host, quint16 port)
{
    close();
    m_state = State::Connecting;
    m_port = port;
    const quint64 attempt = m_attempt;
    // Addresses are looked up too, so that even a failure known at once comes from the event loop.
    m_lookup = QHostInfo::lookupHost(host, this, [this, attempt](const QHostInfo& info) {
        if (attempt == m_attempt) {
            lookedUp(info);
        }
    });
}

void TcpConnection::close()
{
    ++m_attempt;
    if (m_lookup >= 0) {
        QHostInfo::abortHostLookup(m_lookup);
        m_lookup = -1;
    }
    closeSocket();
    m_state = State::Closed;
    m_addresses.clear();
    m_unsent.clear();
}

bool TcpConnection::isIdle() const
{
    if (m_state != State::Open) {
        return false;
    }
    char byte = 0;
    return ::recv(m_socket, &byte, 1, MSG_PEEK | MSG_DONTWAIT) < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
}

std::optional<TransferFailure> TcpConnection::write(const QByteArray& bytes)
{
    m_unsent += bytes;
    return flush();
}

TcpConnection::Received TcpConnection::read()
{
    if (m_state != State::Open) {
        return {};
    }
    const ssize_t size = ::recv(m_socket, m_buffer.data(), static_cast<size_t>(m_buffer.size()), 0);
    const int error = errno;
    if (size > 0) {
        return {Received::Kind::Bytes, QByteArrayView(m_buffer.constData(), size)};
    }
    if (size == 0) {
        close();
        return {Received::Kind::End};
    }
    if (error == EAGAIN || error == EWOULDBLOCK || error == EINTR) {
        return {};
    }
    close();
    return {Received::Kind::Failed, {}, failureFor(error)};
}

void TcpConnection::lookedUp(const QHostInfo& info)
{
    m_lookup = -1;
    m_addresses = info.addresses();
    m_nextAddress = 0;
    if (info.error() == QHostInfo::HostNotFound || (info.error() == QHostInfo::NoError && m_addresses.isEmpty())) {
        close();
        Q_EMIT failed({TransferFailure::Cause::HostNotFound});
    } else if (info.error() != QHostInfo::NoError) {
        close();
        Q_EMIT failed({TransferFailure::Cause::NetworkError, info.errorString()});
    } else {
        m_lastError = 0;
        connectNext();
    }
}

// The next address in turn; the last one's failure is the one reported.
void TcpConnection::connectNext()
{
    while (m_nextAddress < m_addresses.size()) {
        m_socket = startConnecting(m_addresses.at(m_nextAddress++), m_port);
        if (m_socket >= 0) {
            // Writable once connected, or once connecting failed.
            m_writeNotifier.setSocket(m_socket);
            m_writeNotifier.setEnabled(true);
            return;
        }
        m_lastError = errno;
    }
    const TransferFailure failure = failureFor(m_lastError);
    close();
    Q_EMIT failed(failure);
}

void TcpConnection::onWritable()
{
    if (m_state == State::Connecting) {
        int error = 0;
        socklen_t size = sizeof(error);
        if (::getsockopt(m_socket, SOL_SOCKET, SO_ERROR, &error, &size) < 0) {
            error = errno;
        }
        if (error != 0) {
            m_lastError = error;
            closeSocket();
            connectNext();
            return;
        }
        m_state = State::Open;
        m_writeNotifier.setEnabled(false);
        m_readNotifier.setSocket(m_socket);
        m_readNotifier.setEnabled(true);
        Q_EMIT connected();
        return;
    }
    if (const std::optional<TransferFailure> failure = flush()) {
        Q_EMIT failed(*failure);
    }
}

std::optional<TransferFailure> TcpConnection::flush()
{
    while (!m_unsent.isEmpty() && m_state == State::Open) {
        const ssize_t sent = ::send(m_socket, m_unsent.constData(), static_cast<size_t>(m_unsent.size()), MSG_NOSIGNAL);
        if (sent >= 0) {
            m_unsent.remove(0, sent);
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            break;
        } else if (errno != EINTR) {
            const TransferFailure failure = failureFor(errno);
            close();
            return failure;
        }
    }
    m_writeNotifier.setEnabled(m_state == State::Open && !m_unsent.isEmpty());
    return std::nullopt;
}

void TcpConnection::closeSocket()
{
    if (m_socket < 0) {
        return;
    }
    m_readNotifier.setEnabled(false);
    m_writeNotifier.setEnabled(false);
    ::close(m_socket);
    m_socket = -1;
}
