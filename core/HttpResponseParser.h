#pragma once

#include "core/TransferFailure.h"

#include <QByteArray>
#include <QByteArrayView>

// Reads an HTTP/1.1 response from the bytes as they come off the connection, in pieces of
// any size, and keeps no more than its limits: an endless header block or body never grows
// memory. It knows nothing of sockets or event loops, so the same bytes always give the same
// result however they are split.
class HttpResponseParser
{
public:
    // Done: the body to keep is complete (all of it, or the body limit of it). The rest of the
    // message may still be on its way; further bytes go on being read, and dropped, until its
    // framing ends (messageComplete()).
    enum class State { ReadingHeader, ReadingBody, Done, Failed };

    HttpResponseParser(qsizetype headerLimit, qsizetype bodyLimit);

    // Takes the next bytes of the response; ignored once Failed, and once Done unless the rest of
    // a persistent message is still to come.
    State feed(QByteArrayView bytes);
    // The peer closed the connection cleanly: only a body that lasts until the close is whole then.
    State finish();

    State state() const { return m_state; }
    // Why the response failed, once Failed.
    TransferFailure::Cause failure() const { return m_failure; }
    bool headerComplete() const { return m_headerComplete; }
    // The final header block as received, each line with its own line end, without the empty
    // line that ends the block; empty until the block is complete.
    QByteArray headerText() const { return m_headerText; }
    // The first header of that name (any case), its value trimmed; empty when there is none.
    QByteArray headerValue(QByteArrayView name) const;
    // The body bytes kept so far, chunked framing removed; never more than the body limit.
    QByteArray body() const { return m_body; }

    // The header lets the connection carry another request: HTTP/1.1, no "Connection: close",
    // and a body whose end the framing tells.
    bool persistent() const { return m_persistent; }
    // The whole message has been read, to the end of its framing.
    bool messageComplete() const { return m_messageComplete; }
    // Bytes came after the end of the message, which no request of ours asked for.
    bool surplus() const { return m_surplus; }

private:
    enum class Framing { UntilClose, Length, Chunked };
    enum class ChunkStep { Size, Data, DataEnd, Trailer };

    qsizetype readHeader(QByteArrayView bytes);
    void endHeaderBlock(const QByteArray& block);
    void chooseFraming();
    qsizetype readBody(QByteArrayView bytes);
    qsizetype readChunked(QByteArrayView bytes);
    void endChunkLine();
    void keep(QByteArrayView bytes);
    void completeMessage();
    void fail(TransferFailure::Cause cause);

    const qsizetype m_headerLimit;
    const qsizetype m_bodyLimit;
    State m_state = State::ReadingHeader;
    TransferFailure::Cause m_failure = TransferFailure::Cause::Malformed;
    bool m_anyBytes = false; // something came at all

    QByteArray m_block;          // the header block being read, at most one byte over the limit
    qsizetype m_lineStart = 0;   // where the block's current line begins
    qsizetype m_interimSize = 0; // bytes of the interim blocks before it, which count against the limit
    bool m_headerComplete = false;
    QByteArray m_headerText;

    Framing m_framing = Framing::UntilClose;
    ChunkStep m_chunkStep = ChunkStep::Size;
    qint64 m_remaining = 0; // bytes left of the Content-Length body or of the current chunk
    QByteArray m_line;      // a chunk-size line, the line end after a chunk or a trailer line, being read
    QByteArray m_body;
    bool m_persistent = false;
    bool m_messageComplete = false;
    bool m_surplus = false;
};
