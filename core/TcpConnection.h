#pragma once

#include "core/TransferFailure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <optional>

class QHostInfo;

// One TCP connection at a time, on a non-blocking socket of our own watched by socket
// notifiers. QTcpSocket takes a reset (ECONNRESET) for an orderly end of the stream, so a page
// that lasts until the close could not tell a reset from its end; here only the peer's orderly
// close is the end, and a reset is a failure, in the system's words.
class TcpConnection : public QObject
{
    Q_OBJECT
public:
    enum class State { Closed, Connecting, Open };

    // What one read brought.
    struct Received
    {
        enum class Kind { Bytes, Nothing, End, Failed };
        Kind kind = Kind::Nothing;
        QByteArrayView bytes = {};    // valid until the next read
        TransferFailure failure = {}; // when Failed
    };

    explicit TcpConnection(QObject* parent = nullptr);
    ~TcpConnection() override;

    // Closes any earlier connection, looks the host up and tries its addresses in turn;
    // connected() or failed() follows, always from the event loop.
    void open(const QString& host, quint16 port);
    // Closes the socket at once; no signal follows.
    void close();
    State state() const { return m_state; }
    // Open, not closed by the peer, and nothing unasked waiting to be read.
    bool isIdle() const;

    // Sends the bytes: what the socket takes at once, the rest as it drains. A failure met at
    // once is returned and closes the connection; a later one comes as failed().
    std::optional<TransferFailure> write(const QByteArray& bytes);
    // Reads what has arrived, at most 16 KiB. The end and a failure close the connection.
    Received read();

Q_SIGNALS:
    void connected();
    // Bytes, the end or a failure wait to be read.
    void readable();
    // Connecting or sending failed; the connection is closed.
    void failed(const TransferFailure& failure);

private:
    void lookedUp(const QHostInfo& info);
    void connectNext();
    void onWritable();
    std::optional<TransferFailure> flush();
    void closeSocket();

    QSocketNotifier m_readNotifier;
    QSocketNotifier m_writeNotifier;
    int m_socket = -1;
    State m_state = State::Closed;
    quint16 m_port = 0;
    QList<QHostAddress> m_addresses;
    qsizetype m_nextAddress = 0;
    int m_lastError = 0;
    int m_lookup = -1;
    quint64 m_attempt = 0; // a lookup answered after close() or a new open() is recognised by it
    QByteArray m_unsent;
    QByteArray m_buffer;
};
