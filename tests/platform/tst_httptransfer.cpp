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

// The sizes of the chunks up to the end of the body; -1 stands for a wait that brought nothing.
QList<int> chunkSizes(HttpTransfer& transfer, QByteArray& received)
{
    QList<int> sizes;
    for (;;) {
        const std::optional<QByteArray> chunk = nextChunk(transfer);
        if (!chunk || chunk->isEmpty()) {
            return chunk ? sizes : sizes << -1;
        }
        sizes << static_cast<int>(chunk->size());
        received += *chunk;
    }
}

// A transfer and the server that answers it with response.
struct Rig
{
    explicit Rig(const Response& response, std::chrono::milliseconds timeout = 5s) : transfer(manager, timeout)
    {
        server.setDefault(response);
    }
    ScriptedHttpServer server;
    QNetworkAccessManager manager;
    QtHttpTransfer transfer;
};
} // namespace

class TestHttpTransfer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void headerTextIsRebuilt_data();
    void headerTextIsRebuilt();
    void bodyComesInFullChunks_data();
    void bodyComesInFullChunks();
    void endlessBodyStaysBounded();
    void noAnswerGivesNoHeader_data();
    void noAnswerGivesNoHeader();
    void cancel_data();
    void cancel();
};

void TestHttpTransfer::headerTextIsRebuilt_data()
{
    QTest::addColumn<QByteArray>("statusLine");
    QTest::addColumn<QList<QByteArray>>("headers");

    const QList<QByteArray> plain{"Content-Type: text/html", "Content-Length: 0", "Connection: close"};
    QTest::newRow("200") << QByteArray("HTTP/1.1 200 OK") << plain;
    QTest::newRow("own reason phrase") << QByteArray("HTTP/1.1 599 Server Fell Over") << plain;
    QTest::newRow("401 without credentials")
        << QByteArray("HTTP/1.1 401 Unauthorized")
        << QList<QByteArray>{"WWW-Authenticate: Basic realm=\"items\"", "Content-Length: 0", "Connection: close"};
    QTest::newRow("redirect is reported, not followed")
        << QByteArray("HTTP/1.1 302 Found")
        << QList<QByteArray>{"Location: /elsewhere", "Content-Length: 0", "Connection: close"};
    QTest::newRow("header value with blanks and colons")
        << QByteArray("HTTP/1.1 200 OK") << QList<QByteArray>{"X-Note: a: b  c", "Content-Length: 0"};
}

// A plain GET without the URL's credentials; the status line and every header come back as
// sent, each line ended by CR LF, then an empty line.
void TestHttpTransfer::headerTextIsRebuilt()
{
    QFETCH(QByteArray, statusLine);
    QFETCH(QList<QByteArray>, headers);
    Response response;
    response.statusLine = statusLine;
    response.headers = headers;
    Rig rig(response);
    const QString url = "http://user:secret@" + rig.server.host() + "/item?ViewItem&item=1234";

    rig.transfer.get(url);
    QCOMPARE(rig.transfer.url(), url);
    QVERIFY(rig.transfer.stillExecuting());
    QVERIFY(waitForResponse(rig.transfer));
    QCOMPARE(rig.transfer.headerText(), statusLine + "\r\n" + headers.join("\r\n") + "\r\n\r\n");
    QCOMPARE(rig.server.requests().size(), 1);
    const ScriptedHttpServer::Request& request = rig.server.requests().first();
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.target, QByteArray("/item?ViewItem&item=1234"));
    QVERIFY(!request.hasHeader("Authorization"));
}

void TestHttpTransfer::bodyComesInFullChunks_data()
{
    QTest::addColumn<QList<int>>("pieceSizes");
    QTest::addColumn<Response::Ending>("ending");
    QTest::addColumn<QList<int>>("chunkSizes");

    QTest::newRow("one piece") << QList<int>{3000} << Response::Ending::Close << QList<int>{1024, 1024, 952};
    QTest::newRow("slow pieces are gathered")
        << QList<int>{700, 2000, 2300} << Response::Ending::Close << QList<int>{1024, 1024, 1024, 1024, 904};
    QTest::newRow("more than the read buffer") << QList<int>{10000} << Response::Ending::Close
                                               << QList<int>{1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 784};
    // The server promises more than it sends, then drops the connection: what came is kept.
    QTest::newRow("dropped connection") << QList<int>{1500} << Response::Ending::Drop << QList<int>{1024, 476};
}

void TestHttpTransfer::bodyComesInFullChunks()
{
    QFETCH(QList<int>, pieceSizes);
    QFETCH(Response::Ending, ending);
    QByteArray body;
    Response response;
    for (int size : pieceSizes) {
        QByteArray piece;
        for (int i = 0; i < size; ++i) {
            piece += static_cast<char>('a' + (body.size() + i) % 26);
        }
        response.body << ScriptedHttpServer::Piece{piece, body.isEmpty() ? 0 : 30};
        body += piece;
    }
    const qsizetype promised = ending == Response::Ending::Drop ? body.size() * 2 : body.size();
    response.headers = {"Content-Length: " + QByteArray::number(promised), "Connection: close"};
    response.ending = ending;
    Rig rig(response);

    rig.transfer.get(rig.server.url("/"));
    QVERIFY(waitForResponse(rig.transfer));
    QByteArray received;
    QTEST(chunkSizes(rig.transfer, received), "chunkSizes");
    QCOMPARE(received, body);
}

void TestHttpTransfer::endlessBodyStaysBounded()
{
    Rig rig(Response::endless());

    rig.transfer.get(rig.server.url("/"));
    QVERIFY(waitForResponse(rig.transfer));
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(nextChunk(rig.transfer).value_or(QByteArray()).size(), 1024);
    }
    // Nobody reads now: only what the sockets buffer may leave the server.
    QTest::qWait(300);
    const qint64 sent = rig.server.bytesWritten();
    QVERIFY2(sent < 16 * 1024 * 1024, QByteArray::number(sent).constData());

    rig.transfer.cancel();
    QTRY_COMPARE(rig.server.closedConnections(), 1);
}

void TestHttpTransfer::noAnswerGivesNoHeader_data()
{
    QTest::addColumn<bool>("refused");
    QTest::newRow("stalled server times out") << false;
    QTest::newRow("connection refused") << true;
}

void TestHttpTransfer::noAnswerGivesNoHeader()
{
    QFETCH(bool, refused);
    Rig rig(Response::silent(), 200ms);
    QString url = rig.server.url("/");
    if (refused) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        url = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    }

    rig.transfer.get(url);
    QVERIFY(waitForResponse(rig.transfer));
    QCOMPARE(rig.transfer.headerText(), QByteArray());
    QCOMPARE(rig.transfer.chunk(1024), QByteArray());
}

void TestHttpTransfer::cancel_data()
{
    QTest::addColumn<Response>("response");
    QTest::addColumn<bool>("requested"); // a request is open when cancel comes
    QTest::addColumn<bool>("inBody");

    QTest::newRow("nothing open") << Response() << false << false;
    QTest::newRow("while waiting for the answer") << Response::silent() << true << false;
    Response slow;
    slow.headers = {"Content-Length: 4000"};
    slow.body = {{QByteArray(100, 'a'), 0}, {QByteArray(3900, 'b'), 60'000}};
    QTest::newRow("during the body") << slow << true << true;
}

// A cancel ends what is open, at once and harmlessly, and the transfer serves the next request.
void TestHttpTransfer::cancel()
{
    QFETCH(Response, response);
    QFETCH(bool, requested);
    QFETCH(bool, inBody);
    Rig rig(response, 60s);
    rig.server.script("/next", Response::page("HTTP/1.1 200 OK", "next"));
    if (requested) {
        rig.transfer.get(rig.server.url("/first"));
        QTRY_COMPARE(rig.server.requests().size(), 1);
    }
    if (inBody) {
        QVERIFY(waitForResponse(rig.transfer));
        QVERIFY(!rig.transfer.chunkReady(1024));
    }

    QSignalSpy progressed(&rig.transfer, &HttpTransfer::progressed);
    rig.transfer.cancel();
    QCOMPARE(progressed.size(), 1);
    QVERIFY(!rig.transfer.stillExecuting());
    QVERIFY(rig.transfer.chunkReady(1024));
    QCOMPARE(rig.transfer.chunk(1024), QByteArray());
    QTRY_COMPARE(rig.server.closedConnections(), requested ? 1 : 0);

    rig.transfer.get(rig.server.url("/next"));
    QVERIFY(waitForResponse(rig.transfer));
    QVERIFY(rig.transfer.headerText().startsWith("HTTP/1.1 200 OK\r\n"));
    QCOMPARE(nextChunk(rig.transfer).value_or("nothing"), QByteArray("next"));
}

QTEST_GUILESS_MAIN(TestHttpTransfer)
#include "tst_httptransfer.moc"
