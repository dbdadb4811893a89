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
        QObject::connect(&get, &HttpGet::failed, &get, [this](const TransferFailure& failure) {
            events << "failed";
            cause = failure.cause;
        });
    }
    QStringList events;
    QByteArray body;
    std::optional<TransferFailure::Cause> cause;
};
} // namespace

class TestHttpGet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fetchesPage_data();
    void fetchesPage();
    void fails_data();
    void fails();
};

void TestHttpGet::fetchesPage_data()
{
    QTest::addColumn<Response>("response");
    QTest::addColumn<QByteArray>("headerText");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("content-length") << Response::page("HTTP/1.1 200 OK", "<html>item</html>")
                                    << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 17\r\n")
                                    << QByteArray("<html>item</html>");
    QTest::newRow("until close") << Response{.pieces = {{"HTTP/1.1 200 OK\r\n\r\nfirst "}, {"second", 50}}}
                                 << QByteArray("HTTP/1.1 200 OK\r\n") << QByteArray("first second");
    // Only bodyBytes (100 here) are kept, and the connection is dropped then.
    const QByteArray line = "<tr><td>filler filler filler</td></tr>\r\n";
    QTest::newRow("endless body") << Response::endless("HTTP/1.1 200 OK\r\n\r\n", line)
                                  << QByteArray("HTTP/1.1 200 OK\r\n") << line.repeated(3).left(100);
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
    // No credentials, no fragment, and the blank inside the item number stays in the target.
    const QString agent =
        QString("Bidorra/%1.%2.%3").arg(BIDORRA_VERSION_MAJOR).arg(BIDORRA_VERSION_MINOR).arg(BIDORRA_VERSION_PATCH);
    QCOMPARE(server.requests(), QList<QByteArray>{"GET /item?ViewItem&item=12%2034 HTTP/1.1\r\nHost: " +
                                                  server.host().toLatin1() + "\r\nUser-Agent: " + agent.toLatin1() +
                                                  "\r\nAccept: text/html, */*\r\nAccept-Encoding: identity\r\n"
                                                  "Connection: close\r\n"});
}

void TestHttpGet::fails_data()
{
    QTest::addColumn<QString>("url"); // {server} stands for the server's host and port
    QTest::addColumn<Response>("response");
    QTest::addColumn<bool>("atDeadline");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<TransferFailure::Cause>("cause");

    using Cause = TransferFailure::Cause;
    const QStringList failed{"failed"};
    const QStringList headerFirst{"header", "failed"};
    const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Length: 200\r\n\r\n";
    Response drip{.pieces = {head}};
    for (int byte = 0; byte < 200; ++byte) {
        drip.pieces << ScriptedHttpServer::Piece{"d", 50};
    }
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const QString refused = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    closed.close();

    const QString url = QStringLiteral("http://{server}/");
    QTest::newRow("silent server") << url << Response::silent() << true << failed << Cause::TimedOut;
    QTest::newRow("endless header") << url << Response::endless("HTTP/1.1 200 OK\r\n", "X-Filler: filler\r\n") << false
                                    << failed << Cause::HeaderTooLarge;
    QTest::newRow("body dripped slowly") << url << drip << true << headerFirst << Cause::TimedOut;
    QTest::newRow("body cut short") << url << Response{.pieces = {QByteArray(head + QByteArray(100, 'c'))}} << false
                                    << headerFirst << Cause::CutShort;
    QTest::newRow("closed without a word") << url << Response() << false << failed << Cause::NoAnswer;
    QTest::newRow("header cut short") << url << Response{.pieces = {QByteArray("HTTP/1.1 200 OK\r\nContent-")}} << false
                                      << failed << Cause::CutShort;
    QTest::newRow("refused") << refused << Response() << false << failed << Cause::ConnectionRefused;
    QTest::newRow("not http") << "ftp://{server}/" << Response() << false << failed << Cause::NotHttp;
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
    QTEST(recorder.cause.value(), "cause");
    const qint64 elapsed = clock.elapsed();
    const qint64 deadline = limits.deadline.count();
    QVERIFY2(atDeadline ? elapsed >= deadline * 9 / 10 && elapsed < deadline + 2500 : elapsed < deadline / 2,
             QByteArray::number(elapsed));
}

QTEST_GUILESS_MAIN(TestHttpGet)
#include "tst_httpget.moc"
