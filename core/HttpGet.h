#pragma once

#include "core/HttpResponseParser.h"
#include "core/ProxyChoice.h"
#include "core/TcpConnection.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <optional>

// Plain HTTP GETs one after another, with hard limits: the header block and the kept body are
// bounded, and a single deadline covers each transfer, so a server that trickles bytes cannot
// keep it alive. An answer that leaves the connection open (HTTP/1.1, read to its end) leaves
// it for the next GET to the same place; at most one connection is open, and it closes with
// abort() and with the object. Requests go through the proxy the environment or the desktop names.
class HttpGet : public QObject
{
    Q_OBJECT
public:
    struct Limits
    {
        qsizetype headerBytes = qsizetype{64} * 1024;
        qsizetype bodyBytes = qsizetype{12} * 1024;
        std::chrono::milliseconds deadline = std::chrono::seconds(60); // the whole transfer: connect, header, body
    };

    // Two constructors where one with "limits = {}" would do: GCC cannot take a nested struct's
    // member initializers in a default argument of the class around it.
    HttpGet();
    explicit HttpGet(const Limits& limits, QObject* parent = nullptr);
    ~HttpGet() override; // aborts a running transfer and closes the connection

    // Ends any earlier transfer silently, then starts a GET of an "http" URL. Never emits
    // anything itself; even a failure known at once is reported from the event loop.
    void start(const QUrl& url);
    // Ends the transfer at once and closes the connection; no signal follows.
    void abort();
    bool isRunning() const { return m_running; }
    QByteArray headerText() const;
    QByteArray headerValue(QByteArrayView name) const;

Q_SIGNALS:
    // The final header block is complete. A receiver may abort() or start() again.
    void headerReceived();
    // The body ended or bodyBytes of it were kept. A receiver may start() the next GET.
    void bodyReceived(const QByteArray& body);
    // No answer that could be read, and why.
    void failed(const TransferFailure& failure);

private:
    void begin();
    void send();
    void onReadable();
    void onConnectionFailed(const TransferFailure& failure);
    bool retry();
    void report();
    void finish();
    void stop();
    void fail(const TransferFailure& failure);

    const Limits m_limits;
    TcpConnection m_connection;
    QTimer m_deadline;
    QString m_routeKey; // the host and port m_route was chosen for
    Route m_route;
    Route m_connectionRoute; // where the open connection leads
    std::optional<HttpResponseParser> m_parser;
    QByteArray m_request;
    bool m_running = false;
    bool m_headerReported = false;
    bool m_connecting = false; // the transfer's connection is being opened
    bool m_reused = false;     // the request went on a connection an earlier answer left open
    bool m_answered = false;   // a byte of the answer has come
    bool m_retried = false;
    // Counts transfers, so that a queued call or a receiver's restart is recognised as stale.
    quint64 m_transfer = 0;
};
