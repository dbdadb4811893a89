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

// Three digits after the status line's first space, starting with 1: "100 Continue" and its
// kind, which a server may send before the real answer.
bool isInterim(QByteArrayView block)
{
    const qsizetype lineEnd = block.indexOf('\n');
    const QByteArrayView statusLine = lineEnd < 0 ? block : block.first(lineEnd);
    const qsizetype space = statusLine.indexOf(' ');
    if (space < 0) {
        return false;
    }
    const QByteArrayView code = statusLine.sliced(space + 1);
    qsizetype digits = 0;
    while (digits < code.size() && isDigit(code[digits])) {
        ++digits;
    }
    return digits == 3 && code[0] == '1';
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
    // Every step takes at least one byte or ends the response, so this loop always ends.
    while (!bytes.isEmpty() && (m_state == State::ReadingHeader || m_state == State::ReadingBody)) {
        const qsizetype used = m_state == State::ReadingHeader ? readHeader(bytes) : readBody(bytes);
        bytes = bytes.sliced(used);
    }
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
            m_state = State::Done;
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
// than the limit.
qsizetype HttpResponseParser::readHeader(QByteArrayView bytes)
{
    const qsizetype scanFrom = m_block.size();
    const qsizetype taken = std::min(bytes.size(), m_headerLimit + 1 - scanFrom);
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
        if (i >= m_headerLimit) {
            break; // the empty line itself is over the limit
        }
        const QByteArray block = m_block.first(m_lineStart);
        m_block.clear();
        m_lineStart = 0;
        endHeaderBlock(block);
        return i + 1 - scanFrom;
    }
    if (m_block.size() > m_headerLimit) {
        fail(TransferFailure::Cause::HeaderTooLarge);
    }
    return taken;
}

void HttpResponseParser::endHeaderBlock(const QByteArray& block)
{
    if (isInterim(block)) {
        return; // the real answer follows
    }
    m_headerText = block;
    m_headerComplete = true;
    m_state = State::ReadingBody;

    const QList<QByteArrayView> encodings = headerValues(m_headerText, "Transfer-Encoding");
    const bool chunked = std::any_of(encodings.begin(), encodings.end(), [](QByteArrayView encoding) {
        return encoding.toByteArray().toLower().contains("chunked");
    });
    if (chunked) {
        m_framing = Framing::Chunked;
    } else if (const std::optional<qint64> length = contentLength(headerValue("Content-Length"))) {
        m_framing = Framing::Length;
        m_remaining = *length;
        if (m_remaining == 0) {
            m_state = State::Done;
        }
    }
    if (m_bodyLimit == 0) {
        m_state = State::Done;
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
            m_state = State::Done;
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
    if (m_chunkStep == ChunkStep::DataEnd) {
        // More data than the chunk size announced is a broken page, not a new chunk.
        m_chunkStep = ChunkStep::Size;
        if (!line.isEmpty()) {
            fail(TransferFailure::Cause::Malformed);
        }
    } else {
        const qsizetype extensions = line.indexOf(';');
        if (extensions >= 0) {
            line.truncate(extensions);
        }
        const std::optional<qint64> size = chunkSize(line.trimmed());
        if (!size) {
            fail(TransferFailure::Cause::Malformed);
        } else if (*size == 0) {
            m_state = State::Done; // the last chunk: the trailers that may follow hold nothing we keep
        } else {
            m_remaining = *size;
            m_chunkStep = ChunkStep::Data;
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

void HttpResponseParser::fail(TransferFailure::Cause cause)
{
    m_state = State::Failed;
    m_failure = cause;
}
