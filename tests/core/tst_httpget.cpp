#include "core/HttpGet.h"
#include "tests/support/ScriptedHttpServer.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTest>

using Response = ScriptedHttpServer::Response;

namespace {
// The signals of a transfer in the order they came.
struct Recorder
{
    explicit Recorder(HttpGet& get)
    {
        QObject::connect(&get, &HttpGet::headerReceived, &get, [this] { events << "header"; });
        QObject::connect(&get, &HttpGet::bodyReceived, &get, [this](const QByteArray& received) {
            events << "body";
            body = received;
        });
        QObject::connect(&get, &HttpGet::failed, &get, [this] { events << "failed"; });
    }
    QStringList events;
    QByteArray body;
};
} // namespace

class TestHttpGet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fetchesPage_data();
    void fetchesPage();
    void receiverEndsTransferOnHeader_data();
    void receiverEndsTransferOnHeader();
    void fails_data();
    void fails();
};

void TestHttpGet::fetchesPage_data()
{
    QTest::addColumn<Response>("response");
    QTest::addColumn<QByteArray>("headerText");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("content-length")
        << Response::page("HTTP/1.1 200 OK", "<html>item</html>")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 17\r\nConnection: close\r\n")
        << QByteArray("<html>item</html>");
    Response untilClose;
    untilClose.body = {{"first ", 0}, {"second", 50}};
    QTest::newRow("until close") << untilClose << QByteArray("HTTP/1.1 200 OK\r\n") << QByteArray("first second");
    // Only bodyBytes (100 here) are kept, and the connection is dropped then.
    QTest::newRow("endless body") << Response::endless()
                                  << QByteArray("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n")
                                  << QByteArray("<tr><td>filler filler filler</td></tr>\r\n").repeated(3).left(100);
}

void TestHttpGet::fetchesPage()
{
    QFETCH(Response, response);
    ScriptedHttpServer server;
    server.setDefault(response);
    HttpGet::Limits limits;
    limits.bodyBytes = 100;
    HttpGet get(limits);
    Recorder recorder(get);

    get.start(QUrl(QString("http://user:secret@" + server.host() + "/item?ViewItem&item=12 34#top")));
    QVERIFY(get.isRunning());
    QTRY_VERIFY(!get.isRunning());
    QCOMPARE(recorder.events, QStringList({"header", "body"}));
    QTEST(get.headerText(), "headerText");
    QTEST(recorder.body, "body");
    QTRY_COMPARE(server.closedConnections(), 1);

    const ScriptedHttpServer::Request request = server.requests().value(0);
    QCOMPARE(request.method + ' ' + request.target, QByteArray("GET /item?ViewItem&item=12%2034"));
    const QString agent =
        QString("Bidorra/%1.%2.%3").arg(BIDORRA_VERSION_MAJOR).arg(BIDORRA_VERSION_MINOR).arg(BIDORRA_VERSION_PATCH);
    QCOMPARE(request.headers, QList<ScriptedHttpServer::Header>({{"Host", server.host().toLatin1()},
                                                                 {"User-Agent", agent.toLatin1()},
                                                                 {"Accept", "text/html, */*"},
                                                                 {"Accept-Encoding", "identity"},
                                                                 {"Connection", "close"}}));
}

void TestHttpGet::receiverEndsTransferOnHeader_data()
{
    QTest::addColumn<bool>("again");
    QTest::newRow("abort") << false;
    QTest::newRow("start again") << true;
}

// A 404 needs no body: its receiver ends the transfer, and that transfer says no more.
void TestHttpGet::receiverEndsTransferOnHeader()
{
    QFETCH(bool, again);
    ScriptedHttpServer server;
    server.script("/gone", Response::page("HTTP/1.1 404 Not Found", "<html>gone</html>"));
    server.script("/other", Response::page("HTTP/1.1 200 OK", "other"));
    HttpGet get;
    Recorder recorder(get);
    connect(&get, &HttpGet::headerReceived, this, [&] {
        if (get.headerText().startsWith("HTTP/1.1 404")) {
            again ? get.start(QUrl(server.url("/other"))) : get.abort();
        }
    });

    get.start(QUrl(server.url("/gone")));
    QTRY_VERIFY(!recorder.events.isEmpty() && !get.isRunning());
    // The server closes its end of each connection itself; this only gives a late signal time to come.
    QTRY_COMPARE(server.closedConnections(), again ? 2 : 1);
    QCOMPARE(recorder.events, again ? QStringList({"header", "header", "body"}) : QStringList({"header"}));
    QCOMPARE(recorder.body, again ? QByteArray("other") : QByteArray());
}

void TestHttpGet::fails_data()
{
    QTest::addColumn<QString>("url"); // {server} stands for the server's host and port
    QTest::addColumn<Response>("response");
    QTest::addColumn<bool>("atDeadline");
    QTest::addColumn<QStringList>("events");

    const QStringList failed{"failed"};
    const QStringList headerFirst{"header", "failed"};
    const Response drip{.headers = {"Content-Length: 200"}, .body = {{QByteArray(200, 'd'), 0}}, .dripMs = 50};
    const Response reset{
        .headers = {"Content-Length: 1000"}, .body = {{QByteArray(400, 'r'), 0}}, .ending = Response::Ending::Drop};
    Response endlessHeader;
    endlessHeader.ending = Response::Ending::EndlessHeader;
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const QString refused = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    closed.close();

    QTest::newRow("silent server") << "http://{server}/" << Response::silent() << true << failed;
    QTest::newRow("endless header") << "http://{server}/" << endlessHeader << false << failed;
    QTest::newRow("body dripped slowly") << "http://{server}/" << drip << true << headerFirst;
    QTest::newRow("reset in the body") << "http://{server}/" << reset << false << headerFirst;
    QTest::newRow("refused") << refused << Response() << false << failed;
    QTest::newRow("not http") << "ftp://{server}/" << Response() << false << failed;
}

// Every failure ends in failed(), never from inside start(). The deadline covers the whole
// transfer, so a body that keeps trickling ends there too.
void TestHttpGet::fails()
{
    QFETCH(QString, url);
    QFETCH(Response, response);
    QFETCH(bool, atDeadline);
    ScriptedHttpServer server;
    server.setDefault(response);
    HttpGet::Limits limits;
    limits.deadline = std::chrono::milliseconds(atDeadline ? 300 : 10'000);
    HttpGet get(limits);
    Recorder recorder(get);
    QElapsedTimer clock;
    clock.start();

    get.start(QUrl(url.replace("{server}", server.host())));
    QCOMPARE(recorder.events, QStringList());
    QTRY_VERIFY_WITH_TIMEOUT(!get.isRunning(), 5000);
    QTEST(recorder.events, "events");
    const qint64 elapsed = clock.elapsed();
    const qint64 deadline = limits.deadline.count();
    QVERIFY2(atDeadline ? elapsed >= deadline * 9 / 10 && elapsed < deadline + 2500 : elapsed < deadline / 2,
             QByteArray::number(elapsed));
}

QTEST_GUILESS_MAIN(TestHttpGet)
#include "tst_httpget.moc"
