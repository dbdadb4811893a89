// Item pages as they come off the network: arbitrary bytes read as a response in pieces of
// arbitrary size, decoded and read for the values. A reading that fails is the reader's answer
// to a broken page; a crash, a hang, a sanitizer report or a broken promise (a NUL in the text
// included) is a finding.
//
// Input: a flags byte, a seed byte for the piece sizes, then, when flag 1 is set, a
// Content-Type value up to the first line feed; the rest is the body.
//   flag 1: a Content-Type is given          flag 2: the page counts as cut off at the limit
//   flags 4 and 8: how the body is framed: 0 the input is the whole response, 1 a header and a
//                  body that lasts until the close, 2 a Content-Length header, 3 chunked
//   flag 16: small limits, so that the header and body limits are reached with short inputs

#include "core/HttpResponseParser.h"
#include "core/ItemPageReader.h"
#include "core/PageDecoder.h"
#include "fuzz/FuzzCheck.h"

#include <QList>
#include <algorithm>

namespace {
constexpr qsizetype ContentTypeLimit = 128;

struct Input
{
    quint8 flags = 0;
    quint8 seed = 0;
    QByteArray contentType;
    QByteArray body;
};

Input split(const QByteArray& bytes)
{
    Input input;
    input.flags = bytes.size() > 0 ? static_cast<quint8>(bytes[0]) : 0;
    input.seed = bytes.size() > 1 ? static_cast<quint8>(bytes[1]) : 0;
    QByteArray rest = bytes.mid(2);
    if (input.flags & 1) {
        const qsizetype end = rest.first(std::min(rest.size(), ContentTypeLimit)).indexOf('\n');
        input.contentType = end < 0 ? QByteArray() : rest.first(end);
        rest = end < 0 ? rest : rest.sliced(end + 1);
    }
    input.body = rest;
    return input;
}

// A reading holds the values before its failure and none after; without a failure, all of them.
void checkReading(const ItemPageReading& reading)
{
    if (!reading.foundPriceLine) {
        check(!reading.failure && reading.missingLabels.isEmpty());
        for (const std::optional<QString>& value : reading.values) {
            check(!value);
        }
        return;
    }
    bool stopped = false;
    for (const std::optional<QString>& value : reading.values) {
        if (!value) {
            stopped = true;
            continue;
        }
        check(!stopped && !value->contains(u'<'));
    }
    check(stopped == reading.failure.has_value());
    check(!reading.failure || !reading.failure->isEmpty());
    for (PageField field : reading.missingLabels) {
        check(reading.value(field) && reading.value(field)->isEmpty());
    }
}

QByteArray response(const Input& input)
{
    const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n";
    switch ((input.flags >> 2) & 3) {
    case 1:
        return head + "\r\n" + input.body;
    case 2: // one byte short now and then, so that a body cut short is met too
        return head + "Content-Length: " + QByteArray::number(input.body.size() + (input.seed & 1)) + "\r\n\r\n" +
               input.body;
    case 3:
        return head + "Transfer-Encoding: chunked\r\n\r\n" + input.body;
    default:
        return input.body;
    }
}

// Piece sizes from 1 to 2^(seed % 8), drawn by a small xorshift from the seed.
QList<QByteArrayView> pieces(QByteArrayView bytes, quint8 seed)
{
    QList<QByteArrayView> list;
    quint32 state = 0x9e3779b9u ^ seed;
    const quint32 mask = (1u << (seed % 8)) - 1;
    while (!bytes.isEmpty()) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const qsizetype size = std::min<qsizetype>(bytes.size(), 1 + (state & mask));
        list << bytes.first(size);
        bytes = bytes.sliced(size);
    }
    return list;
}

void checkSame(const HttpResponseParser& a, const HttpResponseParser& b, qsizetype headerLimit, qsizetype bodyLimit)
{
    check(a.state() == b.state() && a.headerComplete() == b.headerComplete());
    check(a.persistent() == b.persistent() && a.messageComplete() == b.messageComplete() && a.surplus() == b.surplus());
    check(a.headerText() == b.headerText() && a.body() == b.body());
    check(a.headerText().size() <= headerLimit && a.body().size() <= bodyLimit);
}

// The same bytes whole and in pieces must give the same response, and the same answer to
// whether the connection may serve another; a whole one is then read as the monitoring cycle
// reads it.
void fuzzResponse(const Input& input)
{
    const bool small = input.flags & 16;
    const qsizetype headerLimit = small ? 128 : 64 * 1024;
    const qsizetype bodyLimit = small ? 256 : 12 * 1024;
    const QByteArray bytes = response(input);
    HttpResponseParser whole(headerLimit, bodyLimit);
    HttpResponseParser pieced(headerLimit, bodyLimit);
    whole.feed(bytes);
    for (QByteArrayView piece : pieces(bytes, input.seed)) {
        pieced.feed(piece);
    }
    checkSame(whole, pieced, headerLimit, bodyLimit);
    whole.finish();
    pieced.finish();
    checkSame(whole, pieced, headerLimit, bodyLimit);
    check(whole.state() == HttpResponseParser::State::Done || whole.state() == HttpResponseParser::State::Failed);

    if (whole.state() == HttpResponseParser::State::Done) {
        const QByteArray body = whole.body();
        checkReading(readItemPage(decodePage(body, whole.headerValue("Content-Type"), body.size() >= bodyLimit)));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Input input = split(fuzzBytes(data, size));
    const QString page = decodePage(input.body, input.contentType, input.flags & 2);
    check(!page.contains(QChar::Null));
    checkReading(readItemPage(page));
    fuzzResponse(input);
    return 0;
}
