#include "core/HttpResponseParser.h"

#include <QList>
#include <algorithm>
#include <limits>
#include <optional>

namespace {
// A chunk-size line or the line end after a chunk; a real server never comes near this.
constexpr qsizetype MaxChunkLine = 1024;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The status code: three digits after the status line's first space, and no fourth.
std::optional<int> statusCode(QByteArrayView block)
{
    const qsizetype lineEnd = block.indexOf('\n');
    const QByteArrayView statusLine = lineEnd < 0 ? block : block.first(lineEnd);
    const qsizetype space = statusLine.indexOf(' ');
    if (space < 0) {
        return std::nullopt;
    }
    const QByteArrayView code = statusLine.sliced(space + 1);
    int value = 0;
    qsizetype digits = 0;
    while (digits < code.size() && isDigit(code[digits])) {
        value = value * 10 + (code[digits] - '0');
        if (++digits > 3) {
            return std::nullopt;
        }
    }
    return digits == 3 ? std::optional(value) : std::nullopt;
}

// "100 Continue" and its kind, which a server may send before the real answer.
bool isInterim(QByteArrayView block)
{
    const std::optional<int> code = statusCode(block);
    return code && *code / 100 == 1;
}

// The values of every header line of that name after the status line, trimmed.
QList<QByteArrayView> headerValues(QByteArrayView text, QByteArrayView name)
{
    QList<QByteArrayView> values;
    qsizetype start = text.indexOf('\n') + 1;
    while (start > 0 && start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) {
            end = text.size();
        }
        const QByteArrayView line = text.sliced(start, end - start);
        const qsizetype colon = line.indexOf(':');
        if (colon == name.size() && line.first(colon).compare(name, Qt::CaseInsensitive) == 0) {
            values << line.sliced(colon + 1).trimmed();
        }
        start = end + 1;
    }
    return values;
}

// The comma-separated items of those values, trimmed; empty items are left out.
QList<QByteArrayView> tokens(const QList<QByteArrayView>& values)
{
    QList<QByteArrayView> items;
    for (QByteArrayView value : values) {
        while (!value.isEmpty()) {
            const qsizetype comma = value.indexOf(',');
            const QByteArrayView item = (comma < 0 ? value : value.first(comma)).trimmed();
            if (!item.isEmpty()) {
                items << item;
            }
            value = comma < 0 ? QByteArrayView() : value.sliced(comma + 1);
        }
    }
    return items;
}

bool hasToken(const QList<QByteArrayView>& items, QByteArrayView token)
{
    return std::any_of(items.begin(), items.end(),
                       [token](QByteArrayView item) { return item.compare(token, Qt::CaseInsensitive) == 0; });
}

std::optional<qint64> contentLength(QByteArrayView value)
{
    // Eighteen digits always fit; a longer length is no page we would wait for.
    if (value.isEmpty() || value.size() > 18) {
        return std::nullopt;
    }
    qint64 length = 0;
    for (char c : value) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        length = length * 10 + (c - '0');
    }
    return length;
}

std::optional<qint64> chunkSize(QByteArrayView text)
{
    if (text.isEmpty()) {
        return std::nullopt;
    }
    qint64 size = 0;
    for (char c : text) {
        const int digit = hexValue(c);
        if (digit < 0 || size > std::numeric_limits<qint64>::max() / 16) {
            return std::nullopt;
        }
        size = size * 16 + digit;
    }
    return size;
}
} // namespace

HttpResponseParser::HttpResponseParser(qsizetype headerLimit, qsizetype bodyLimit)
    : m_headerLimit(std::max<qsizetype>(headerLimit, 0)), m_bodyLimit(std::max<qsizetype>(bodyLimit, 0))
{}

HttpResponseParser::State HttpResponseParser::feed(QByteArrayView bytes)
{
    m_anyBytes = m_anyBytes || !bytes.isEmpty();
    // Every step takes at least one byte or ends the reading, so this loop always ends. Once the
    // kept body is complete, the rest of a message that may keep the connection is read to its end.
    const auto reading = [this] {
        return m_state == State::ReadingHeader || m_state == State::ReadingBody ||
               (m_state == State::Done && m_persistent && !m_messageComplete);
    };
    while (!bytes.isEmpty() && reading()) {
        const qsizetype used = m_state == State::ReadingHeader ? readHeader(bytes) : readBody(bytes);
        bytes = bytes.sliced(used);
    }
    m_surplus = m_surplus || (m_messageComplete && !bytes.isEmpty());
    return m_state;
}

HttpResponseParser::State HttpResponseParser::finish()
{
    using Cause = TransferFailure::Cause;
    if (m_state == State::ReadingHeader) {
        fail(m_anyBytes ? Cause::CutShort : Cause::NoAnswer);
    } else if (m_state == State::ReadingBody) {
        // A page cut short must never pass as whole.
        if (m_framing == Framing::UntilClose) {
            completeMessage();
        } else {
            fail(Cause::CutShort);
        }
    }
    return m_state;
}

QByteArray HttpResponseParser::headerValue(QByteArrayView name) const
{
    const QList<QByteArrayView> values = headerValues(m_headerText, name);
    return values.isEmpty() ? QByteArray() : values.first().toByteArray();
}

// Takes no more than one byte past the limit, so that an endless header costs no more memory
// than the limit. Interim blocks count against the same limit: a flood of them is an endless header.
qsizetype HttpResponseParser::readHeader(QByteArrayView bytes)
{
    const qsizetype limit = m_headerLimit - m_interimSize;
    const qsizetype scanFrom = m_block.size();
    const qsizetype taken = std::min(bytes.size(), limit + 1 - scanFrom);
    m_block.append(bytes.first(taken));
    for (qsizetype i = scanFrom; i < m_block.size(); ++i) {
        if (m_block.at(i) != '\n') {
            continue;
        }
        const qsizetype lineLength = i - m_lineStart;
        if (lineLength > 1 || (lineLength == 1 && m_block.at(m_lineStart) != '\r')) {
            m_lineStart = i + 1;
            continue;
        }
        if (i >= limit) {
            break; // the empty line itself is over the limit
        }
        const QByteArray block = m_block.first(m_lineStart);
        m_block.clear();
        m_lineStart = 0;
        if (isInterim(block)) {
            m_interimSize += i + 1; // the real answer follows
        } else {
            endHeaderBlock(block);
        }
        return i + 1 - scanFrom;
    }
    if (m_block.size() > limit) {
        fail(TransferFailure::Cause::HeaderTooLarge);
    }
    return taken;
}

void HttpResponseParser::endHeaderBlock(const QByteArray& block)
{
    m_headerText = block;
    m_headerComplete = true;
    m_state = State::ReadingBody;
    chooseFraming();
    if (m_state == State::Failed) {
        return;
    }
    const std::optional<int> status = statusCode(block);
    if (status == 204 || status == 304 || (m_framing == Framing::Length && m_remaining == 0)) {
        completeMessage(); // no body follows
    }
    m_persistent = block.startsWith("HTTP/1.1 ") &&
                   !hasToken(tokens(headerValues(m_headerText, "Connection")), "close") &&
                   (m_framing != Framing::UntilClose || m_messageComplete);
    if (m_bodyLimit == 0) {
        m_state = State::Done;
    }
}

// Transfer-Encoding wins over Content-Length. Only chunked as the last coding frames the body;
// with any other, as with no framing at all, the body lasts until the close. Content-Length
// values that differ leave no telling where the body ends.
void HttpResponseParser::chooseFraming()
{
    const QList<QByteArrayView> encodingFields = headerValues(m_headerText, "Transfer-Encoding");
    if (!encodingFields.isEmpty()) {
        const QList<QByteArrayView> codings = tokens(encodingFields);
        if (!codings.isEmpty() && codings.last().compare("chunked", Qt::CaseInsensitive) == 0) {
            m_framing = Framing::Chunked;
        }
        return;
    }
    const QList<QByteArrayView> lengths = tokens(headerValues(m_headerText, "Content-Length"));
    if (lengths.isEmpty()) {
        return;
    }
    const std::optional<qint64> length = contentLength(lengths.first());
    for (QByteArrayView other : lengths) {
        if (other != lengths.first() && (!length || contentLength(other) != length)) {
            fail(TransferFailure::Cause::Malformed);
            return;
        }
    }
    if (length) {
        m_framing = Framing::Length;
        m_remaining = *length;
    }
}

qsizetype HttpResponseParser::readBody(QByteArrayView bytes)
{
    switch (m_framing) {
    case Framing::UntilClose:
        keep(bytes);
        return bytes.size();
    case Framing::Length: {
        const auto taken = static_cast<qsizetype>(std::min<qint64>(m_remaining, bytes.size()));
        keep(bytes.first(taken));
        m_remaining -= taken;
        if (m_remaining == 0) {
            completeMessage();
        }
        return taken;
    }
    case Framing::Chunked:
        return readChunked(bytes);
    }
    return bytes.size();
}

qsizetype HttpResponseParser::readChunked(QByteArrayView bytes)
{
    if (m_chunkStep == ChunkStep::Data) {
        const auto taken = static_cast<qsizetype>(std::min<qint64>(m_remaining, bytes.size()));
        keep(bytes.first(taken));
        m_remaining -= taken;
        if (m_remaining == 0) {
            m_chunkStep = ChunkStep::DataEnd;
        }
        return taken;
    }
    const qsizetype newline = bytes.indexOf('\n');
    const qsizetype taken = newline < 0 ? bytes.size() : newline + 1;
    if (m_line.size() + taken > MaxChunkLine) {
        fail(TransferFailure::Cause::Malformed);
        return bytes.size();
    }
    m_line.append(bytes.first(taken));
    if (newline >= 0) {
        endChunkLine();
    }
    return taken;
}

void HttpResponseParser::endChunkLine()
{
    QByteArrayView line(m_line);
    line.chop(1);
    if (line.endsWith('\r')) {
        line.chop(1);
    }
    switch (m_chunkStep) {
    case ChunkStep::DataEnd:
        // More data than the chunk size announced is a broken page, not a new chunk.
        m_chunkStep = ChunkStep::Size;
        if (!line.isEmpty()) {
            fail(TransferFailure::Cause::Malformed);
        }
        break;
    case ChunkStep::Trailer:
        if (line.isEmpty()) {
            completeMessage();
        }
        break;
    case ChunkStep::Size:
    case ChunkStep::Data: {
        const qsizetype extensions = line.indexOf(';');
        if (extensions >= 0) {
            line.truncate(extensions);
        }
        const std::optional<qint64> size = chunkSize(line.trimmed());
        if (!size) {
            fail(TransferFailure::Cause::Malformed);
        } else if (*size == 0) {
            // The last chunk: the body is whole; the trailers that may follow hold nothing we keep.
            m_state = State::Done;
            m_chunkStep = ChunkStep::Trailer;
        } else {
            m_remaining = *size;
            m_chunkStep = ChunkStep::Data;
        }
        break;
    }
    }
    m_line.clear();
}

void HttpResponseParser::keep(QByteArrayView bytes)
{
    m_body.append(bytes.first(std::min(bytes.size(), m_bodyLimit - m_body.size())));
    if (m_body.size() >= m_bodyLimit) {
        m_state = State::Done;
    }
}

void HttpResponseParser::completeMessage()
{
    m_state = State::Done;
    m_messageComplete = true;
}

// Once the kept body is complete, a broken rest only means the connection cannot be used again.
void HttpResponseParser::fail(TransferFailure::Cause cause)
{
    if (m_state == State::Done) {
        m_persistent = false;
        return;
    }
    m_state = State::Failed;
    m_failure = cause;
}
