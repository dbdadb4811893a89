#include "core/HttpResponseParser.h"

#include <QTest>
#include <algorithm>

using State = HttpResponseParser::State;

namespace {
const QByteArray Ok = "HTTP/1.1 200 OK\r\n";
const QByteArray Chunked = Ok + "Transfer-Encoding: chunked\r\n";
const QByteArray Thirty = "abcdefghijklmnopqrstuvwxyz0123";

// closed: the peer closed the connection after the bytes.
void row(const char* name, const QByteArray& raw, bool closed, State state, const QByteArray& headerText,
         const QByteArray& body, int headerLimit = 99, int bodyLimit = 99)
{
    QTest::newRow(name) << raw << closed << headerLimit << bodyLimit << state << headerText << body;
}

// The response fed in pieces of pieceSize bytes.
HttpResponseParser fed(const QByteArray& raw, qsizetype pieceSize, int headerLimit, int bodyLimit)
{
    HttpResponseParser parser(headerLimit, bodyLimit);
    for (qsizetype at = 0; at < raw.size(); at += pieceSize) {
        parser.feed(QByteArrayView(raw).sliced(at, std::min(pieceSize, raw.size() - at)));
    }
    return parser;
}
} // namespace

class TestHttpResponseParser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("headerLimit");
        QTest::addColumn<int>("bodyLimit");
        QTest::addColumn<State>("state");
        QTest::addColumn<QByteArray>("headerText");
        QTest::addColumn<QByteArray>("body");

        row("content-length", Ok + "Content-Length: 5\r\n\r\nhelloMORE", true, State::Done,
            Ok + "Content-Length: 5\r\n", "hello");
        row("LF only", "HTTP/1.1 200 OK\ncontent-length: 3\n\nabc", false, State::Done,
            "HTTP/1.1 200 OK\ncontent-length: 3\n", "abc");
        row("empty status", "HTTP/1.1 \r\n\r\n", true, State::Done, "HTTP/1.1 \r\n", "");
        row("interim answers skipped",
            "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 199 Early\r\nX: 1\r\n\r\n" + Ok + "Content-Length: 2\r\n\r\nok",
            false, State::Done, Ok + "Content-Length: 2\r\n", "ok", 92);
        row("interim answers count against the limit", "HTTP/1.1 100 Continue\r\n\r\n" + Ok + "\r\n", false,
            State::Failed, "", "", 43);
        row("length cut short", Ok + "Content-Length: 10\r\n\r\nabc", true, State::Failed,
            Ok + "Content-Length: 10\r\n", "abc");
        row("bad length lasts until close", Ok + "Content-Length: 5x\r\n\r\nabcdefg", true, State::Done,
            Ok + "Content-Length: 5x\r\n", "abcdefg");
        row("lengths that differ", Ok + "Content-Length: 3\r\nContent-Length: 4\r\n\r\nabcd", true, State::Failed,
            Ok + "Content-Length: 3\r\nContent-Length: 4\r\n", "");
        row("the same length twice", Ok + "Content-Length: 3\r\ncontent-length: 3, 03\r\n\r\nabcd", true, State::Done,
            Ok + "Content-Length: 3\r\ncontent-length: 3, 03\r\n", "abc");
        row("chunked not the last coding", Ok + "Transfer-Encoding: chunked, gzip\r\nContent-Length: 1\r\n\r\n2\r\nab",
            true, State::Done, Ok + "Transfer-Encoding: chunked, gzip\r\nContent-Length: 1\r\n", "2\r\nab");
        row("a coding that only contains chunked", Ok + "Transfer-Encoding: xchunked\r\n\r\n2\r\nab", true, State::Done,
            Ok + "Transfer-Encoding: xchunked\r\n", "2\r\nab");
        row("chunked, extensions, trailers",
            Ok + "Content-Length: 3\r\nTransfer-Encoding: gzip, Chunked\r\n\r\n5;a=b\r\nhello\r\nA\r\n, world!!!\r\n"
                 "0;end\r\nX-Sum: 1\r\n\r\n",
            false, State::Done, Ok + "Content-Length: 3\r\nTransfer-Encoding: gzip, Chunked\r\n", "hello, world!!!");
        row("chunked cut short", Chunked + "\r\n5\r\nhello\r\n", true, State::Failed, Chunked, "hello");
        row("chunk longer than its size", Chunked + "\r\n3\r\nhello\r\n", false, State::Failed, Chunked, "hel");
        row("chunk size not hex", Chunked + "\r\nzz\r\n", false, State::Failed, Chunked, "");
        row("chunk size line too long", Chunked + "\r\n" + QByteArray(2000, '0') + "1\r\nx", false, State::Failed,
            Chunked, "");
        row("body limit", Ok + "\r\n" + Thirty, false, State::Done, Ok, Thirty.left(10), 99, 10);
        row("header at the limit", Ok + "\r\n", false, State::ReadingBody, Ok, "", 19);
        row("header over the limit", Ok + "\r\n", false, State::Failed, "", "", 18);
        row("no answer", "", true, State::Failed, "", "");
    }

    // The response whole, then one byte at a time: how the bytes are split never matters.
    void parse()
    {
        QFETCH(QByteArray, raw);
        QFETCH(bool, closed);
        QFETCH(int, headerLimit);
        QFETCH(int, bodyLimit);
        for (const qsizetype pieceSize : {std::max<qsizetype>(raw.size(), 1), qsizetype(1)}) {
            HttpResponseParser parser = fed(raw, pieceSize, headerLimit, bodyLimit);
            if (closed) {
                parser.finish();
            }
            QTEST(parser.state(), "state");
            QTEST(parser.headerText(), "headerText");
            QCOMPARE(parser.headerComplete(), !parser.headerText().isEmpty());
            QTEST(parser.body(), "body");
        }
    }

    void keepsConnection_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("connection");

        // The body limit is 5 here: what lies beyond it is read to the message's end and dropped.
        const auto row = [](const char* name, const QByteArray& raw, const char* connection) {
            QTest::newRow(name) << raw << QString::fromLatin1(connection);
        };
        row("length", Ok + "Content-Length: 3\r\n\r\nabc", "reusable");
        row("rest beyond the kept body", Ok + "Content-Length: 8\r\n\r\nabcdefgh", "reusable");
        row("close among the tokens", Ok + "Connection: keep-alive, Close\r\nContent-Length: 0\r\n\r\n", "closed");
        row("HTTP/1.0", "HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n", "closed");
        row("until close", Ok + "\r\nabcdefgh", "closed");
        row("204 without a length", "HTTP/1.1 204 No Content\r\n\r\n", "reusable");
        row("chunked with trailers", Chunked + "\r\n8\r\nabcdefgh\r\n0\r\nX: 1\r\n\r\n", "reusable");
        row("chunked without the last line", Chunked + "\r\n3\r\nabc\r\n0\r\n", "rest to come");
        row("broken beyond the kept body", Chunked + "\r\n8\r\nabcdefghXX\r\n", "closed");
        row("bytes after the message", Ok + "Content-Length: 1\r\n\r\nab", "surplus");
    }

    // Whether the connection may carry the next request, whole and one byte at a time.
    void keepsConnection()
    {
        QFETCH(QByteArray, raw);
        for (const qsizetype pieceSize : {raw.size(), qsizetype(1)}) {
            const HttpResponseParser parser = fed(raw, pieceSize, 99, 5);
            QCOMPARE(parser.state(), State::Done);
            QTEST(QString(!parser.persistent()       ? "closed"
                          : parser.surplus()         ? "surplus"
                          : parser.messageComplete() ? "reusable"
                                                     : "rest to come"),
                  "connection");
        }
    }
};

QTEST_APPLESS_MAIN(TestHttpResponseParser)
#include "tst_httpresponseparser.moc"
