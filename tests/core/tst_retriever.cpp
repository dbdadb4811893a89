#include "core/ResponseStatus.h"
#include "tests/support/ItemPages.h"
#include "tests/support/NetworkRig.h"

#include <QDir>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;
using Response = ScriptedHttpServer::Response;
using Icon = Messages::Icon;

namespace {
const QByteArray ItemTarget = ItemPages::target(QStringLiteral("1001"));
const QString ErrorTitle = QStringLiteral("Error Retrieving Data");
const QString ServerSaid = QStringLiteral("The server returned the following response:\r\r");

Response okPage(const QByteArray& body)
{
    return Response::page("HTTP/1.1 200 OK", body);
}

QByteArray pricedPage(const QString& price, qsizetype fillerBefore = 0)
{
    ItemPages::Item item;
    item.price = price;
    return ItemPages::page(item, fillerBefore);
}

// A retrieval of item 1001, whose row shows $3.00 from an earlier cycle.
struct Rig : NetworkRig
{
    explicit Rig(std::chrono::milliseconds timeout = 5s) : NetworkRig(timeout)
    {
        grid.setRows(3);
        grid.setText(1, 0, QStringLiteral("1001"));
        grid.setText(1, 3, QStringLiteral("$3.00"));
    }
    void retrieve() { NetworkRig::retrieve(server.url(QString::fromLatin1(ItemTarget))); }
    QString price() const { return grid.text(1, 3); }
};
} // namespace

class TestRetriever : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shortHeaderText_data();
    void shortHeaderText();
    void response_data();
    void response();
    void pageFileThatCannotBeCreated();
    void storedPart_data();
    void storedPart();
    void endlessBodyStopsAfterTheLimit();
    void bareLineFeedsStayInTheLine();
    void stop_data();
    void stop();
    void priceChangeBetweenCyclesIsLoggedOnce();
};

// Header texts no real server sends, judged as the retrieval judges them.
void TestRetriever::shortHeaderText_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("text"); // empty: downloaded, no message

    QTest::newRow("code is read by position") << QByteArray("HTTP/1.0 2000 Odd\r\n\r\n") << "200" << QString();
    QTest::newRow("eleven characters ending CR LF")
        << QByteArray("HTTP/1.1 \r\n") << "\r\n"
        << "Cannot establish connection.\r\rCheck your Internet connection and try again.";
    QTest::newRow("ten characters") << QByteArray("HTTP/1.1\r\n") << "\n" << ServerSaid + "HTTP/1.1\r";
    QTest::newRow("shorter than ten with CR") << QByteArray("HTTP\r\n") << "" << ServerSaid + "HTTP\r";
    QTest::newRow("shorter than ten without CR") << QByteArray("HTTP/1.1") << "" << ServerSaid + "<nothing>";
    QTest::newRow("empty") << QByteArray() << "" << ServerSaid + "<nothing>";
}

void TestRetriever::shortHeaderText()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, status);
    QFETCH(QString, text);

    QCOMPARE(statusTextOf(header), status);
    const std::optional<StatusMessage> message = statusMessageFor(status, header, QStringLiteral("http://host/item"));
    QCOMPARE(message ? message->text : QString(), text);
}

// What one retrieval through the network stack makes of each kind of answer.
void TestRetriever::response_data()
{
    QTest::addColumn<Response>("response");
    QTest::addColumn<QString>("text"); // empty: no message; "%1" stands for the URL
    QTest::addColumn<QString>("title");
    QTest::addColumn<Icon>("icon");
    QTest::addColumn<QString>("price"); // the row's price afterwards
    QTest::addColumn<bool>("aborted");

    QTest::newRow("200") << okPage(pricedPage("$12.50")) << ""
                         << "" << Icon::None << "$12.50" << false;
    QTest::newRow("206") << Response::page("HTTP/1.1 206 Partial Content", pricedPage("$12.50")) << ""
                         << "" << Icon::None << "$12.50" << false;
    QTest::newRow("204") << Response::page("HTTP/1.1 204 No Content", {}) << "Nothing to download!"
                         << "No Content" << Icon::Information << "$3.00" << false;
    Response unauthorized = Response::page("HTTP/1.1 401 Unauthorized", pricedPage("$1"));
    unauthorized.headers << "WWW-Authenticate: Basic realm=\"auction\"";
    QTest::newRow("401") << unauthorized << "Authorization failed!"
                         << "Unauthorized" << Icon::Critical << "$3.00" << false;
    QTest::newRow("404") << Response::page("HTTP/1.1 404 Not Found", pricedPage("$1"))
                         << "The file, \"%1\" was not found!"
                         << "File Not Found" << Icon::Critical << "$3.00" << false;
    QTest::newRow("503") << Response::page("HTTP/1.1 503 Service Unavailable", "busy")
                         << ServerSaid + "HTTP/1.1 503 Service Unavailable\r" << ErrorTitle << Icon::Critical << "$3.00"
                         << false;
    QTest::newRow("stalled server times out")
        << Response::silent() << ServerSaid + "<nothing>" << ErrorTitle << Icon::Critical << "$3.00" << false;
    QTest::newRow("parse failure ends monitoring")
        << okPage("<html>\r\n<b>Currently</b> sold\r\n</html>\r\n")
        << "Error: Price not found after 'Currently' occurred." << ErrorTitle << Icon::Critical << "$3.00" << true;
}

void TestRetriever::response()
{
    QFETCH(Response, response);
    QFETCH(QString, text);
    Rig rig(1s);
    rig.server.script(ItemTarget, response);

    rig.retrieve();

    if (text.isEmpty()) {
        QVERIFY(rig.messages.shown.empty());
        QCOMPARE(rig.pageFile(), response.body.first().bytes);
    } else {
        QCOMPARE(rig.messages.shown.size(), size_t(1));
        QCOMPARE(rig.messages.shown[0].text,
                 text.replace(QStringLiteral("%1"), rig.server.url(QString::fromLatin1(ItemTarget))));
        QTEST(rig.messages.shown[0].title, "title");
        QTEST(rig.messages.shown[0].icon, "icon");
    }
    QFETCH(bool, aborted);
    if (!text.isEmpty() && !aborted) {
        QVERIFY(!rig.pageFileExists());
    }
    QTEST(rig.price(), "price");
    QCOMPARE(rig.cycle.AbortRequested, aborted);
    QCOMPARE(rig.view.statusTexts, QStringList{QStringLiteral("Stopped")});
    QCOMPARE(rig.server.requests().size(), 1);
}

// A program folder the program may not write in.
void TestRetriever::pageFileThatCannotBeCreated()
{
    Rig rig;
    QVERIFY(QDir(rig.folder.path()).mkdir(QStringLiteral("data.htm")));
    rig.server.script(ItemTarget, okPage(pricedPage("$5")));

    rig.retrieve();

    QVERIFY(rig.cycle.AbortRequested);
    QCOMPARE(rig.messages.shown.size(), size_t(1));
    QCOMPARE(rig.messages.shown[0].text, QStringLiteral("Error: Path/File access error occurred."));
    QCOMPARE(rig.price(), QStringLiteral("$3.00"));
}

void TestRetriever::storedPart_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces"); // sent with a pause between them
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("price");

    const QByteArray start = ItemPages::priceLine(QStringLiteral("$9")).toLatin1() + "\r\n";
    QTest::newRow("last chunk one byte") << QList<QByteArray>{start + ItemPages::filler(1024 - start.size()), "x"}
                                         << 1025 << "$9";
    QTest::newRow("lone byte in the middle")
        << QList<QByteArray>{start + ItemPages::filler(1023 - start.size()), "x", ItemPages::filler(2000)} << 3024
        << "$9";
    // Twelve full chunks reach the limit; the price line after them is never read.
    QTest::newRow("price beyond the stored part")
        << QList<QByteArray>{pricedPage("$4.00", 12'500) + ItemPages::filler(50'000)} << 12 * 1024 << "$3.00";
}

void TestRetriever::storedPart()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(int, stored);
    Rig rig;
    Response response;
    for (const QByteArray& piece : pieces) {
        response.body << ScriptedHttpServer::Piece{piece, response.body.isEmpty() ? 0 : 40};
    }
    const QByteArray body = pieces.join();
    response.headers = {"Content-Length: " + QByteArray::number(body.size()), "Connection: close"};
    rig.server.script(ItemTarget, response);

    rig.retrieve();

    QVERIFY(rig.messages.shown.empty());
    QCOMPARE(rig.pageFile(), body.left(stored));
    QTEST(rig.price(), "price");
    QCOMPARE(rig.view.statusTexts, QStringList{QStringLiteral("Stopped")});
}

void TestRetriever::endlessBodyStopsAfterTheLimit()
{
    Rig rig;
    rig.server.setDefault(Response::endless());

    rig.retrieve();

    const qsizetype stored = rig.pageFile().size();
    QVERIFY2(stored >= 12'000 && stored <= 13'024, QByteArray::number(stored).constData());
    QVERIFY(rig.messages.shown.empty());
    QTRY_COMPARE(rig.server.closedConnections(), 1);
}

void TestRetriever::bareLineFeedsStayInTheLine()
{
    Rig rig;
    // Cut at its line feeds, the price line would lose the labels after it.
    const QString line = ItemPages::classicLine().replace(QStringLiteral("</tr>"), QStringLiteral("</tr>\n"));
    rig.server.script(ItemTarget, okPage("<html>\n<body>\n" + line.toLatin1() + "</body>\n</html>\n"));

    rig.retrieve();

    QVERIFY(rig.messages.shown.empty());
    QCOMPARE(rig.price(), QStringLiteral("$2.00"));
    QCOMPARE(rig.grid.text(1, 1), QStringLiteral("bob (12)"));
}

void TestRetriever::stop_data()
{
    QTest::addColumn<Response>("response");
    QTest::addColumn<bool>("downloading");

    QTest::newRow("while waiting for the answer") << Response::silent() << false;
    Response slow;
    const QByteArray start = pricedPage("$4.00") + ItemPages::filler(2000);
    slow.headers = {"Content-Length: 100000"};
    slow.body = {{start, 0}, {ItemPages::filler(100'000 - start.size()), 60'000}};
    QTest::newRow("while downloading") << slow << true;
}

// Stop cancels the transfer and asks for the abort; the retrieval ends without a message and parses nothing.
void TestRetriever::stop()
{
    QFETCH(Response, response);
    QFETCH(bool, downloading);
    Rig rig;
    rig.server.script(ItemTarget, response);
    QTimer::singleShot(downloading ? 200ms : 50ms, &rig.server, [&rig] {
        rig.retriever.cancelTransfer();
        rig.cycle.AbortRequested = true;
    });

    rig.retrieve();

    QVERIFY(rig.messages.shown.empty());
    QCOMPARE(rig.price(), QStringLiteral("$3.00"));
    QVERIFY(rig.log.lines.isEmpty());
    QCOMPARE(rig.view.statusTexts, QStringList{QStringLiteral("Stopped")});
    QVERIFY(!rig.pageFileExists()); // a stopped download leaves no half page behind
    QTRY_COMPARE(rig.server.closedConnections(), 1);
}

void TestRetriever::priceChangeBetweenCyclesIsLoggedOnce()
{
    NetworkRig rig;
    rig.items.items = {QStringLiteral("1001")};
    const QStringList prices = {QStringLiteral("$1.00"), QStringLiteral("$1.50"), QStringLiteral("$1.50")};
    for (const QString& price : prices) {
        rig.server.script(ItemTarget, okPage(pricedPage(price)));
        rig.clock.advance(60);
        rig.monitor.CountdownTick(); // an empty interval is due on every tick
    }
    QCOMPARE(rig.server.requests().size(), 3);
    QCOMPARE(rig.log.lines, QStringList({QStringLiteral("At 10:01:00 : Item #1001 Price= $1.00"),
                                         QStringLiteral("At 10:02:00 : Item #1001 Price= $1.50")}));
    QVERIFY(rig.messages.shown.empty());
}

QTEST_GUILESS_MAIN(TestRetriever)
#include "tst_retriever.moc"
