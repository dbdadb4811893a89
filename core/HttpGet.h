#pragma once

#include "core/HttpResponseParser.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <optional>

class QTcpSocket;

// One plain HTTP GET on its own connection, with hard limits: the header block and the kept
// body are bounded, and a single deadline covers the whole transfer, so a server that trickles
// bytes cannot keep it alive. The connection is always closed for good when the transfer ends.
class HttpGet : public QObject
{
    Q_OBJECT
public:
    struct Limits
    {
        qsizetype headerBytes = 64 * 1024;
        qsizetype bodyBytes = 12 * 1024;
        std::chrono::milliseconds deadline = std::chrono::seconds(60); // the whole transfer: connect, header, body
    };

    // Two constructors where one with "limits = {}" would do: GCC cannot take a nested struct's
    // member initializers in a default argument of the class around it.
    HttpGet();
    explicit HttpGet(const Limits& limits, QObject* parent = nullptr);
    ~HttpGet() override; // aborts a running transfer

    // Aborts any earlier transfer silently, then starts a GET of an "http" URL. Never emits
    // anything itself; even a failure known at once is reported from the event loop.
    void start(const QUrl& url);
    // Ends the transfer at once; no signal follows.
    void abort();
    bool isRunning() const { return m_running; }
    QByteArray headerText() const;
    QByteArray headerValue(QByteArrayView name) const;

Q_SIGNALS:
    // The final header block is complete. A receiver may abort() or start() again.
    void headerReceived();
    // The body ended or bodyBytes of it were kept; the connection is closed for good.
    void bodyReceived(const QByteArray& body);
    // No answer that could be read, and why.
    void failed(const TransferFailure& failure);

private:
    void onConnected();
    void onReadyRead();
    void onClosed();
    void onError();
    void report();
    void stop();
    void fail(const TransferFailure& failure);

    const Limits m_limits;
    QTcpSocket* m_socket = nullptr;
    QTimer m_deadline;
    std::optional<HttpResponseParser> m_parser;
    QByteArray m_request;
    bool m_running = false;
    bool m_headerReported = false;
    // Counts transfers, so that a queued call or a receiver's restart is recognised as stale.
    quint64 m_transfer = 0;
};
