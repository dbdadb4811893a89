#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// One HTTP GET at a time, read the way the retrieval reads it: start it, ask whether it is
// still executing, read the complete header text, then take the body in chunks. Every bit
// of progress (headers, body bytes, the end, a cancel, a time-out) emits progressed(), so
// that a waiting caller can sleep in an event loop instead of polling.
class HttpTransfer : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~HttpTransfer() override = default;

    // Starts a GET of url without credentials and returns at once. Cancels any earlier one.
    virtual void get(const QString& url) = 0;
    // The URL of the last get().
    virtual QString url() const = 0;
    // True until the response headers arrived, the request failed, timed out or was cancelled.
    virtual bool stillExecuting() const = 0;
    // "HTTP/1.1 200 OK\r\n", each header as "Name: value\r\n", then "\r\n"; empty when no
    // response came.
    virtual QByteArray headerText() const = 0;
    // True when maxBytes body bytes are ready, or the body has ended (then chunk() may give fewer).
    virtual bool chunkReady(qsizetype maxBytes) const = 0;
    // The next body bytes, at most maxBytes; empty once the body is exhausted.
    virtual QByteArray chunk(qsizetype maxBytes) = 0;
    // Ends the transfer; harmless when none is open.
    virtual void cancel() = 0;

Q_SIGNALS:
    void progressed();
};
