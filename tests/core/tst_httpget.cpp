#include "core/HttpGet.h"
#include "core/ProxyChoice.h"
#include "tests/support/ScriptedHttpServer.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QScopeGuard>
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

// How a failed transfer went: its header came first, it ended at the deadline.
enum Shape { Failed = 0, HeaderFirst = 1, AtDeadline = 2, HeaderFirstAtDeadline = 3 };

// A header of a request as the server saw it; empty when there is none.
QByteArray requestHeader(const QByteArray& request, const QByteArray& name)
{
    for (const QByteArray& line : request.split('\n')) {
        if (line.toLower().startsWith(QByteArray(name.toLower() + ':'))) {
            return line.mid(name.size() + 1).trimmed();
        }
    }
    return {};
}

} // namespace

class TestHttpGet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fetchesPage_data()
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

    void fetchesPage()
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
        const QByteArray request = server.requests().value(0);
        QVERIFY2(request.startsWith("GET /item?ViewItem&item=12%2034 HTTP/1.1\r\n") && !request.contains("secret"),
                 request);
    }

    void fails_data()
    {
        QTest::addColumn<QString>("url"); // {server} stands for the server's host and port
        QTest::addColumn<Response>("response");
        QTest::addColumn<int>("shape");
        QTest::addColumn<TransferFailure::Cause>("cause");

        using Cause = TransferFailure::Cause;
        const auto row = [](const char* name, const Response& response, Cause cause, Shape shape = Failed,
                            const QString& url = QStringLiteral("http://{server}/")) {
            QTest::newRow(name) << url << response << int(shape) << cause;
        };
        const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Length: 200\r\n\r\n";
        Response drip{.pieces = {head}};
        for (int byte = 0; byte < 200; ++byte) {
            drip.pieces << ScriptedHttpServer::Piece{"d", 50};
        }
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const QString refused = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
        closed.close();
        const QByteArray interim = "HTTP/1.1 100 Continue\r\n\r\n";

        row("silent server", Response::silent(), Cause::TimedOut, AtDeadline);
        row("endless header", Response::endless("HTTP/1.1 200 OK\r\n", "X-Filler: filler\r\n"), Cause::HeaderTooLarge);
        row("endless interim answers", Response::endless(interim, interim), Cause::HeaderTooLarge);
        // Only an orderly close ends a body that lasts until the close.
        row("reset inside a body",
            {.pieces = {{"HTTP/1.1 200 OK\r\n\r\npart of a page"}, {" and more", 50}},
             .ending = Response::Ending::Reset},
            Cause::ConnectionReset, HeaderFirst);
        row("reset before an answer", {.ending = Response::Ending::Reset}, Cause::ConnectionReset);
        row("body dripped slowly", drip, Cause::TimedOut, HeaderFirstAtDeadline);
        row("body cut short", {.pieces = {QByteArray(head + QByteArray(100, 'c'))}}, Cause::CutShort, HeaderFirst);
        row("closed without a word", Response(), Cause::NoAnswer);
        row("header cut short", {.pieces = {QByteArray("HTTP/1.1 200 OK\r\nContent-")}}, Cause::CutShort);
        row("refused", Response(), Cause::ConnectionRefused, Failed, refused);
        row("not http", Response(), Cause::NotHttp, Failed, QStringLiteral("ftp://{server}/"));
    }

    // Every failure ends in failed(), never from inside start(). The deadline covers the whole
    // transfer, so a body that keeps trickling ends there too.
    void fails()
    {
        QFETCH(QString, url);
        QFETCH(Response, response);
        QFETCH(int, shape);
        const bool atDeadline = shape & AtDeadline;
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
        QCOMPARE(recorder.events, (shape & HeaderFirst ? QStringList{"header", "failed"} : QStringList{"failed"}));
        QTEST(recorder.cause.value(), "cause");
        const qint64 elapsed = clock.elapsed();
        const qint64 deadline = limits.deadline.count();
        QVERIFY2(atDeadline ? elapsed >= deadline * 9 / 10 && elapsed < deadline + 2500 : elapsed < deadline / 2,
                 QByteArray::number(elapsed));
    }

    void keepsConnection_data()
    {
        QTest::addColumn<QByteArray>("head"); // of the answers to the first and the third GET
        QTest::addColumn<QList<Response>>("second");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("connections");
        QTest::addColumn<int>("requests");

        using Ending = Response::Ending;
        const QByteArray ok = "HTTP/1.1 200 OK";
        const Response page = Response::page(ok, "page", Ending::KeepOpen);
        const QStringList three{"body", "body", "body"};
        QTest::newRow("kept open") << ok << QList{page} << three << 1 << 3;
        const QByteArray closing = ok + "\r\nConnection: close";
        QTest::newRow("closed after each answer")
            << closing << QList{Response::page(closing, "page")} << three << 3 << 3;
        QTest::newRow("long page, its rest dropped")
            << ok << QList{Response::page(ok, QByteArray(40000, 'p'), Ending::KeepOpen)} << three << 1 << 3;
        QTest::newRow("closed before answering, asked again") << ok << QList{Response(), page} << three << 2 << 4;
        QTest::newRow("reset before answering, asked again")
            << ok << QList{Response{.ending = Ending::Reset}, page} << three << 2 << 4;
        QTest::newRow("closed again") << ok << QList{Response()} << QStringList{"body", "failed", "body"} << 3 << 4;
    }

    // Three GETs in a row, each started when the one before ends; the connection goes with the object.
    void keepsConnection()
    {
        QFETCH(QByteArray, head);
        QFETCH(QList<Response>, second);
        ScriptedHttpServer server;
        server.setDefault(Response::page(head, "page", Response::Ending::KeepOpen));
        server.script("/2", second);
        HttpGet::Limits limits;
        limits.bodyBytes = 100;
        auto get = std::make_unique<HttpGet>(limits);
        Recorder recorder(*get);
        int item = 1;
        const auto next = [&] {
            if (++item <= 3) {
                get->start(QUrl(server.url(QStringLiteral("/%1").arg(item))));
            }
        };
        connect(get.get(), &HttpGet::bodyReceived, this, next);
        connect(get.get(), &HttpGet::failed, this, next);

        get->start(QUrl(server.url("/1")));
        QTRY_COMPARE(recorder.events.count(u"body") + recorder.events.count(u"failed"), 3);
        QTEST(recorder.events.filter(QRegularExpression("body|failed")), "events");
        QCOMPARE(recorder.cause.value_or(TransferFailure::Cause::NoAnswer), TransferFailure::Cause::NoAnswer);
        QTEST(server.acceptedConnections(), "connections");
        QTEST(int(server.requests().size()), "requests");
        get.reset();
        QTRY_COMPARE(server.closedConnections(), server.acceptedConnections());
    }

    void stopOnAKeptConnection()
    {
        ScriptedHttpServer server;
        server.script("/1", Response::page("HTTP/1.1 200 OK", "page", Response::Ending::KeepOpen));
        server.script("/2", Response::silent());
        HttpGet get;
        Recorder recorder(get);
        get.start(QUrl(server.url("/1")));
        QTRY_COMPARE(recorder.events, QStringList({"header", "body"}));
        get.start(QUrl(server.url("/2")));
        QTRY_COMPARE(server.requests().size(), 2);
        get.abort();
        QVERIFY(!get.isRunning());
        QTRY_COMPARE(server.closedConnections(), 1);
        QCOMPARE(server.acceptedConnections(), 1);
        QCOMPARE(recorder.events, QStringList({"header", "body"}));
    }

    void throughProxy_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QString>("proxy"); // {proxy} stands for the scripted proxy's host and port
        QTest::addColumn<QString>("noProxy");
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<std::optional<TransferFailure::Cause>>("cause");
        QTest::addColumn<int>("proxied"); // requests the proxy saw
        QTest::addColumn<QByteArray>("authorization");

        using Cause = std::optional<TransferFailure::Cause>;
        const auto row = [](const char* name, const char* variable, const char* proxy, Cause cause = {},
                            int proxied = 1, const char* noProxy = "", const QByteArray& status = "HTTP/1.1 200 OK",
                            const QByteArray& authorization = {}) {
            QTest::newRow(name) << QByteArray(variable) << QString::fromLatin1(proxy) << QString::fromLatin1(noProxy)
                                << status << cause << proxied << authorization;
        };
        row("http_proxy", "http_proxy", "http://{proxy}");
        row("all_proxy with a user, no scheme", "ALL_PROXY", "us%20er:p%40ss@{proxy}", {}, 1, "", "HTTP/1.1 200 OK",
            "Basic " + QByteArray("us er:p@ss").toBase64());
        row("no_proxy names the site", "http_proxy", "http://{proxy}", {}, 0, "auction.example, 127.0.0.1");
        row("407", "http_proxy", "http://{proxy}", TransferFailure::Cause::ProxyAuthRequired, 1, "",
            "HTTP/1.1 407 Proxy Authentication Required");
        row("refused", "http_proxy", "127.0.0.1:1", TransferFailure::Cause::ProxyUnreachable, 0);
        row("socks", "all_proxy", "socks5://{proxy}", TransferFailure::Cause::ProxyUnsupported, 0);
    }

    // The site's name need not resolve: only the proxy looks it up.
    void throughProxy()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QString, proxy);
        QFETCH(QString, noProxy);
        QFETCH(QByteArray, status);
        ScriptedHttpServer proxyServer;
        ScriptedHttpServer site;
        proxyServer.setDefault(Response::page(status, {}));
        site.setDefault(Response::page(status, {}));
        const bool direct = !noProxy.isEmpty();
        const QString url = direct ? site.url("/item?x=1") : QStringLiteral("http://auction.example:8080/item?x=1");
        qputenv(variable, proxy.replace("{proxy}", proxyServer.host()).toUtf8());
        qputenv("no_proxy", noProxy.toUtf8());
        const auto unset = qScopeGuard([&] {
            qunsetenv(variable);
            qunsetenv("no_proxy");
        });
        HttpGet get;
        Recorder recorder(get);

        get.start(QUrl(url + "#top"));
        QTRY_VERIFY(!get.isRunning());
        QTEST(recorder.cause, "cause");
        QCOMPARE(site.requests().size(), direct ? 1 : 0);
        QTEST(int(proxyServer.requests().size()), "proxied");
        if (!proxyServer.requests().isEmpty()) {
            const QByteArray request = proxyServer.requests().first();
            QVERIFY2(request.startsWith(QByteArray("GET " + url.toLatin1() + " HTTP/1.1\r\n")), request);
            QCOMPARE(requestHeader(request, "Host"), QByteArray("auction.example:8080"));
            QTEST(requestHeader(request, "Proxy-Authorization"), "authorization");
        }
    }

    void noProxy_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("noProxy");
        QTest::addColumn<bool>("bypass");

        const auto row = [](const char* name, const char* url, const char* noProxy, bool bypass) {
            QTest::newRow(name) << QString::fromLatin1(url) << QString::fromLatin1(noProxy) << bypass;
        };
        row("exact host", "http://auction.example/", "auction.example", true);
        row("any case, trailing dot", "http://Auction.Example./", "auction.EXAMPLE", true);
        row("suffix", "http://www.auction.example/", ".auction.example", true);
        row("only at a dot", "http://notauction.example/", "auction.example", false);
        row("list with blanks", "http://b.example/", "a.example,, b.example", true);
        row("star alone", "http://b.example/", " * ", true);
        row("star as a wildcard", "http://b.example/", "*.example", false);
        row("same port", "http://b.example:8080/", "b.example:8080", true);
        row("another port", "http://b.example:8080/", "b.example:80", false);
        row("default port", "http://b.example/", "b.example:80", true);
        row("address range", "http://10.1.2.3/", "10.0.0.0/8", true);
        row("another address", "http://10.1.2.3/", "10.1.2.4", false);
        row("IPv6 with a port", "http://[::1]:8080/", "[::1]:8080", true);
        row("a name is no address", "http://localhost/", "127.0.0.1", false);
        row("empty", "http://b.example/", "", false);
    }

    void noProxy()
    {
        QFETCH(QString, url);
        QFETCH(QString, noProxy);
        QTEST(bypassesProxy(QUrl(url), noProxy), "bypass");
    }
};

QTEST_GUILESS_MAIN(TestHttpGet)
#include "tst_httpget.moc"
