#include "platform/QtHttpTransfer.h"
#include "tests/support/ScriptedHttpServer.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

using namespace std::chrono_literals;
using Response = ScriptedHttpServer::Response;

namespace {
// Sleeps in the event loop until the transfer reports progress; false when none came.
bool waitForProgress(HttpTransfer& transfer)
{
    QSignalSpy spy(&transfer, &HttpTransfer::progressed);
    return spy.wait(5000);
}

bool waitForResponse(HttpTransfer& transfer)
{
    while (transfer.stillExecuting()) {
        if (!waitForProgress(transfer)) {
            return false;
        }
    }
    return true;
}

// Takes the next chunk the way the retrieval does: waits until a full one is ready or the body ended.
std::optional<QByteArray> nextChunk(HttpTransfer& transfer)
{
    while (!transfer.chunkReady(1024)) {
        if (!waitForProgress(transfer)) {
            return std::nullopt;
        }
    }
    return transfer.chunk(1024);
}

QList<int> sizesOf(const QList<QByteArray>& chunks)
{
    QList<int> sizes;
    for (const QByteArray& chunk : chunks) {
        sizes << static_cast<int>(chunk.size());
    }
    return sizes;
}
} // namespace

class TestHttpTransfer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void headerTextIsRebuilt_data();
    void headerTextIsRebuilt();
    void requestIsAPlainGet();
    void bodyComesInFullChunks_data();
    void bodyComesInFullChunks();
    void endlessBodyStaysBounded();
    void stalledServerTimesOutWithoutHeader();
    void refusedConnectionGivesNoHeader();
    void droppedConnectionKeepsWhatCame();
    void cancelWithNothingOpenIsHarmless();
    void cancelWhileWaitingEndsTheRequest();
    void cancelDuringBodyEndsIt();
};

void TestHttpTransfer::headerTextIsRebuilt_data()
{
    QTest::addColumn<QByteArray>("statusLine");
    QTest::addColumn<QList<QByteArray>>("headers");
    QTest::addColumn<QByteArray>("expected");

    const QList<QByteArray> plain{"Content-Type: text/html", "Content-Length: 0", "Connection: close"};
    const QByteArray plainText = "Content-Type: text/html\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    QTest::newRow("200") << QByteArray("HTTP/1.1 200 OK") << plain << "HTTP/1.1 200 OK\r\n" + plainText;
    QTest::newRow("206") << QByteArray("HTTP/1.1 206 Partial Content") << plain
                         << "HTTP/1.1 206 Partial Content\r\n" + plainText;
    QTest::newRow("204") << QByteArray("HTTP/1.1 204 No Content") << QList<QByteArray>{"Connection: close"}
                         << QByteArray("HTTP/1.1 204 No Content\r\nConnection: close\r\n\r\n");
    QTest::newRow("404") << QByteArray("HTTP/1.1 404 Not Found") << plain << "HTTP/1.1 404 Not Found\r\n" + plainText;
    QTest::newRow("401 without credentials")
        << QByteArray("HTTP/1.1 401 Unauthorized")
        << QList<QByteArray>{"WWW-Authenticate: Basic realm=\"items\"", "Content-Length: 0", "Connection: close"}
        << QByteArray("HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"items\"\r\n"
                      "Content-Length: 0\r\nConnection: close\r\n\r\n");
    QTest::newRow("redirect is reported, not followed")
        << QByteArray("HTTP/1.1 302 Found")
        << QList<QByteArray>{"Location: /elsewhere", "Content-Length: 0", "Connection: close"}
        << QByteArray("HTTP/1.1 302 Found\r\nLocation: /elsewhere\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    QTest::newRow("own reason phrase") << QByteArray("HTTP/1.1 599 Server Fell Over") << plain
                                       << "HTTP/1.1 599 Server Fell Over\r\n" + plainText;
    QTest::newRow("header value with blanks and colons")
        << QByteArray("HTTP/1.1 200 OK") << QList<QByteArray>{"X-Note: a: b  c", "Content-Length: 0"}
        << QByteArray("HTTP/1.1 200 OK\r\nX-Note: a: b  c\r\nContent-Length: 0\r\n\r\n");
}

void TestHttpTransfer::headerTextIsRebuilt()
{
    QFETCH(QByteArray, statusLine);
    QFETCH(QList<QByteArray>, headers);
    QFETCH(QByteArray, expected);

    ScriptedHttpServer server;
    Response response;
    response.statusLine = statusLine;
    response.headers = headers;
    server.setDefault(response);
    QNetworkAccessManager manager;
    QtHttpTransfer transfer(manager, 5s);

    transfer.get(server.url("/item"));
    QVERIFY(transfer.stillExecuting());
    QVERIFY(waitForResponse(transfer));
    QCOMPARE(transfer.headerText(), expected);
    QCOMPARE(server.requests().size(), 1);
}

void TestHttpTransfer::requestIsAPlainGet()
{
    ScriptedHttpServer server;
    server.setDefault(Response::page("HTTP/1.1 200 OK", "x"));
    QNetworkAccessManager manager;
    QtHttpTransfer transfer(manager, 5s);

    const QString url =
        QStringLiteral("http://user:secret@") + server.host() + QStringLiteral("/item?ViewItem&item=1234");
    transfer.get(url);
    QCOMPARE(transfer.url(), url);
    QVERIFY(waitForResponse(transfer));

    QCOMPARE(server.requests().size(), 1);
    const ScriptedHttpServer::Request& request = server.requests().first();
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.target, QByteArray("/item?ViewItem&item=1234"));
    QVERIFY(!request.hasHeader("Authorization"));
}

void TestHttpTransfer::bodyComesInFullChunks_data()
{
    QTest::addColumn<QList<int>>("pieceSizes");
    QTest::addColumn<int>("pauseMs");
    QTest::addColumn<QList<int>>("chunkSizes");

    QTest::newRow("one piece") << QList<int>{3000} << 0 << QList<int>{1024, 1024, 952};
    QTest::newRow("exact multiple") << QList<int>{2048} << 0 << QList<int>{1024, 1024};
    QTest::newRow("one byte past a chunk") << QList<int>{1025} << 0 << QList<int>{1024, 1};
    QTest::newRow("slow pieces are gathered")
        << QList<int>{700, 2000, 2300} << 30 << QList<int>{1024, 1024, 1024, 1024, 904};
    QTest::newRow("a lone byte mid-body waits for more") << QList<int>{1023, 1, 1000} << 30 << QList<int>{1024, 1000};
    QTest::newRow("more than the read buffer")
        << QList<int>{10000} << 0 << QList<int>{1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 784};
}

void TestHttpTransfer::bodyComesInFullChunks()
{
    QFETCH(QList<int>, pieceSizes);
    QFETCH(int, pauseMs);
    QFETCH(QList<int>, chunkSizes);

    QByteArray body;
    Response response;
    for (int size : pieceSizes) {
        QByteArray piece;
        for (int i = 0; i < size; ++i) {
            piece += static_cast<char>('a' + (body.size() + i) % 26);
        }
        response.body << ScriptedHttpServer::Piece{piece, pauseMs};
        body += piece;
    }
    response.headers = {"Content-Length: " + QByteArray::number(body.size()), "Connection: close"};
    ScriptedHttpServer server;
    server.setDefault(response);
    QNetworkAccessManager manager;
    QtHttpTransfer transfer(manager, 5s);

    transfer.get(server.url("/"));
    QVERIFY(waitForResponse(transfer));
    QList<QByteArray> chunks;
    for (;;) {
        const std::optional<QByteArray> chunk = nextChunk(transfer);
        QVERIFY(chunk);
        if (chunk->isEmpty()) {
            break;
        }
        chunks << *chunk;
    }
    QCOMPARE(sizesOf(chunks), chunkSizes);
    QCOMPARE(chunks.join(), body);
}

void TestHttpTransfer::endlessBodyStaysBounded()
{
    ScriptedHttpServer server;
    server.setDefault(Response::endless());
    QNetworkAccessManager manager;
    QtHttpTransfer transfer(manager, 5s);

    transfer.get(server.url("/"));
    QVERIFY(waitForResponse(transfer));
    for (int i = 0; i < 12; ++i) {
        const std::optional<QByteArray> chunk = nextChunk(transfer);
        QVERIFY(chunk);
        QCOMPARE(chunk->size(), 1024);
    }
    // Nobody reads now: only what the sockets buffer may leave the server.
    QTest::qWait(300);
    const qint64 sent = server.bytesWritten();
    QVERIFY2(sent < 16 * 1024 * 1024, QByteArray::number(sent).constData());

    transfer.cancel();
    QVERIFY(!transfer.stillExecuting());
    QCOMPARE(transfer.chunk(1024), QByteArray());
    QTRY_COMPARE(server.closedConnections(), 1);
}

void TestHttpTransfer::stalledServerTimesOutWithoutHeader()
{
    ScriptedHttpServer server;
    server.setDefault(Response::silent());
    QNetworkAccessManager manager;
    QtHttpTransfer transfer(manager, 200ms);

    transfer.get(server.url("/"));
    QVERIFY(waitForResponse(transfer));
    QCOMPARE(transfer.headerText(), QByteArray());
    QVERIFY(transfer.chunkReady(1024));
    QCOMPARE(transfer.chunk(1024), QByteArray());
    QCOMPARE(server.requests().size(), 1);
}

void TestHttpTransfer::refusedConnectionGivesNoHeader()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    QNetworkAccessManager manager;
    QtHttpTransfer transfer(manager, 5s);

    transfer.get(QStringLiteral("http://127.0.0.1:%1/").arg(port));
    QVERIFY(waitForResponse(transfer));
    QCOMPARE(transfer.headerText(), QByteArray());
    QCOMPARE(transfer.chunk(1024), QByteArray());
}

void TestHttpTransfer::droppedConnectionKeepsWhatCame()
{
    ScriptedHttpServer server;
    Response response;
    response.headers = {"Content-Length: 5000"};
    response.body = {{QByteArray(1500, 'z'), 0}};
    response.ending = Response::Ending::Drop;
    server.setDefault(response);
    QNetworkAccessManager manager;
    QtHttpTransfer transfer(manager, 5s);

    transfer.get(server.url("/"));
    QVERIFY(waitForResponse(transfer));
    QCOMPARE(transfer.headerText(), QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n"));
    QByteArray received;
    for (;;) {
        const std::optional<QByteArray> chunk = nextChunk(transfer);
        QVERIFY(chunk);
        if (chunk->isEmpty()) {
            break;
        }
        received += *chunk;
    }
    QCOMPARE(received, QByteArray(1500, 'z'));
}

void TestHttpTransfer::cancelWithNothingOpenIsHarmless()
{
    QNetworkAccessManager manager;
    QtHttpTransfer transfer(manager, 5s);
    QSignalSpy progressed(&transfer, &HttpTransfer::progressed);

    transfer.cancel();
    transfer.cancel();
    QCOMPARE(progressed.size(), 2);
    QVERIFY(!transfer.stillExecuting());
    QCOMPARE(transfer.headerText(), QByteArray());
    QVERIFY(transfer.chunkReady(1024));
    QCOMPARE(transfer.chunk(1024), QByteArray());
}

void TestHttpTransfer::cancelWhileWaitingEndsTheRequest()
{
    ScriptedHttpServer server;
    server.setDefault(Response::silent());
    server.script("/second", Response::page("HTTP/1.1 200 OK", "second"));
    QNetworkAccessManager manager;
    QtHttpTransfer transfer(manager, 60s);

    transfer.get(server.url("/first"));
    QTRY_COMPARE(server.requests().size(), 1);
    QSignalSpy progressed(&transfer, &HttpTransfer::progressed);
    transfer.cancel();
    QCOMPARE(progressed.size(), 1);
    QVERIFY(!transfer.stillExecuting());
    QCOMPARE(transfer.headerText(), QByteArray());
    QTRY_COMPARE(server.closedConnections(), 1);

    // The same transfer serves the next request.
    transfer.get(server.url("/second"));
    QVERIFY(waitForResponse(transfer));
    QVERIFY(transfer.headerText().startsWith("HTTP/1.1 200 OK\r\n"));
    const std::optional<QByteArray> chunk = nextChunk(transfer);
    QVERIFY(chunk);
    QCOMPARE(*chunk, QByteArray("second"));
}

void TestHttpTransfer::cancelDuringBodyEndsIt()
{
    ScriptedHttpServer server;
    Response response;
    response.headers = {"Content-Length: 4000"};
    response.body = {{QByteArray(100, 'a'), 0}, {QByteArray(3900, 'b'), 60'000}};
    server.setDefault(response);
    QNetworkAccessManager manager;
    QtHttpTransfer transfer(manager, 60s);

    transfer.get(server.url("/"));
    QVERIFY(waitForResponse(transfer));
    QVERIFY(!transfer.chunkReady(1024));
    transfer.cancel();
    QVERIFY(transfer.chunkReady(1024));
    QCOMPARE(transfer.chunk(1024), QByteArray());
    QTRY_COMPARE(server.closedConnections(), 1);
}

QTEST_GUILESS_MAIN(TestHttpTransfer)
#include "tst_httptransfer.moc"
