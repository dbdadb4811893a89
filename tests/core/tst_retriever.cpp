#include "core/AppState.h"
#include "core/PageParser.h"
#include "core/ResponseStatus.h"
#include "core/ResultsGrid.h"
#include "core/Retriever.h"
#include "platform/QtHttpTransfer.h"
#include "tests/support/Fakes.h"
#include "tests/support/ScriptedHttpServer.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string_view>

using namespace std::chrono_literals;
using Response = ScriptedHttpServer::Response;
using Icon = Messages::Icon;

namespace {
const QString ItemPath = QStringLiteral("/item?ViewItem&item=1001");

// The parser skips the 32 characters after the label blindly; the price follows them.
constexpr std::string_view AfterLabel = "</b></td><td><font size=3><b>$$ ";
static_assert(AfterLabel.size() == 32);

QByteArray priceLine(const QByteArray& price)
{
    return "<tr><td><b>Currently" + QByteArray(AfterLabel.data(), AfterLabel.size()) + price + "</b></td></tr>";
}

QByteArray page(const QByteArray& price)
{
    return "<html>\r\n<head><title>Item 1001</title></head>\r\n<body>\r\n" + priceLine(price) +
           "\r\n</body>\r\n</html>\r\n";
}

// Filler lines of markup, n bytes in all.
QByteArray filler(qsizetype n)
{
    QByteArray bytes;
    while (bytes.size() < n) {
        bytes += "<p>no label here, only words to fill the page</p>\r\n";
    }
    return bytes.left(n);
}

// One retrieval with everything it talks to: a local server, the real transfer and parser,
// and recording stand-ins for the message boxes and the status panel.
struct Rig
{
    explicit Rig(std::chrono::milliseconds timeout = 5s) : transfer(manager, timeout)
    {
        grid.ResetGrid();
        grid.setRows(3);
        grid.setRow(1);
        grid.setCol(0);
        grid.setCellText(QStringLiteral("1001"));
        cycle.CurrentRow = 1;
    }

    void retrieve(const QString& url)
    {
        cycle.ItemUrl = url;
        retriever.RetrieveItemPage();
    }
    void retrieve() { retrieve(server.url(ItemPath)); }
    // What Stop does to a running retrieval.
    void stopAfter(std::chrono::milliseconds delay)
    {
        QTimer::singleShot(delay, &server, [this] {
            retriever.cancelTransfer();
            cycle.AbortRequested = true;
        });
    }
    QByteArray pageFile() const { return folder.read(QStringLiteral("data.htm")); }
    bool pageFileExists() const { return folder.exists(QStringLiteral("data.htm")); }

    ScriptedHttpServer server;
    QNetworkAccessManager manager;
    QtHttpTransfer transfer;
    TempProgramFolder folder;
    CycleState cycle;
    ResultsGrid grid;
    RecordingLog log;
    FakeClock clock;
    PageParser parser{cycle, grid, log, clock};
    RecordingMessages messages;
    RecordingView view;
    Retriever retriever{Retriever::Ports{cycle, transfer, parser, messages, view, folder.path()}};
};
} // namespace

class TestRetriever : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void statusDecision_data();
    void statusDecision();
    void successIsDownloadedAndParsed_data();
    void successIsDownloadedAndParsed();
    void otherStatusShowsItsMessage_data();
    void otherStatusShowsItsMessage();
    void noResponseShowsNothingReceived();
    void stalledServerTimesOut();
    void priceBeyondTheStoredPartIsNotParsed();
    void endlessBodyStopsAfterTheLimit();
    void downloadEndsOnlyAtAOneByteChunk_data();
    void downloadEndsOnlyAtAOneByteChunk();
    void bareLineFeedsStayInTheLine();
    void stopWhileWaitingForTheResponse();
    void stopWhileDownloading();
    void parseFailureStopsMonitoring();
    void pageFileThatCannotBeCreated();
};

void TestRetriever::statusDecision_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("text"); // empty: downloaded, no message
    QTest::addColumn<QString>("title");
    QTest::addColumn<Icon>("icon");

    const QString url = QStringLiteral("http://host/item");
    const QString response = QStringLiteral("The server returned the following response:\r\r");
    const QString error = QStringLiteral("Error Retrieving Data");
    QTest::newRow("200") << QByteArray("HTTP/1.1 200 OK\r\nServer: x\r\n\r\n") << "200" << QString() << QString()
                         << Icon::None;
    QTest::newRow("206") << QByteArray("HTTP/1.1 206 Partial Content\r\n\r\n") << "206" << QString() << QString()
                         << Icon::None;
    QTest::newRow("204") << QByteArray("HTTP/1.1 204 No Content\r\n\r\n") << "204"
                         << "Nothing to download!"
                         << "No Content" << Icon::Information;
    QTest::newRow("401") << QByteArray("HTTP/1.1 401 Unauthorized\r\n\r\n") << "401"
                         << "Authorization failed!"
                         << "Unauthorized" << Icon::Critical;
    QTest::newRow("404") << QByteArray("HTTP/1.1 404 Not Found\r\n\r\n") << "404"
                         << "The file, \"http://host/item\" was not found!"
                         << "File Not Found" << Icon::Critical;
    QTest::newRow("500 names the first line with its CR")
        << QByteArray("HTTP/1.1 500 Internal Server Error\r\nServer: x\r\n\r\n") << "500"
        << response + "HTTP/1.1 500 Internal Server Error\r" << error << Icon::Critical;
    QTest::newRow("code is read by position")
        << QByteArray("HTTP/1.0 2000 Odd\r\n\r\n") << "200" << QString() << QString() << Icon::None;
    QTest::newRow("lower-case 404 still a 404") << QByteArray("http/1.1 404 not found\r\n") << "404"
                                                << "The file, \"http://host/item\" was not found!"
                                                << "File Not Found" << Icon::Critical;
    QTest::newRow("eleven characters ending CR LF")
        << QByteArray("HTTP/1.1 \r\n") << "\r\n"
        << "Cannot establish connection.\r\rCheck your Internet connection and try again."
        << "Cannot Establish Connection" << Icon::Exclamation;
    QTest::newRow("ten characters") << QByteArray("HTTP/1.1\r\n") << "\n"
                                    << response + "HTTP/1.1\r" << error << Icon::Critical;
    QTest::newRow("shorter than ten with CR")
        << QByteArray("HTTP\r\n") << "" << response + "HTTP\r" << error << Icon::Critical;
    QTest::newRow("shorter than ten without CR")
        << QByteArray("HTTP/1.1") << "" << response + "<nothing>" << error << Icon::Critical;
    QTest::newRow("two-digit code") << QByteArray("HTTP/1.1 20") << "20" << response + "<nothing>" << error
                                    << Icon::Critical;
    QTest::newRow("empty") << QByteArray() << "" << response + "<nothing>" << error << Icon::Critical;
}

void TestRetriever::statusDecision()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, status);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(Icon, icon);

    QCOMPARE(statusTextOf(header), status);
    const std::optional<StatusMessage> message = statusMessageFor(status, header, QStringLiteral("http://host/item"));
    QCOMPARE(message.has_value(), !text.isEmpty());
    if (message) {
        QCOMPARE(message->text, text);
        QCOMPARE(message->title, title);
        QCOMPARE(message->icon, icon);
    }
}

void TestRetriever::successIsDownloadedAndParsed_data()
{
    QTest::addColumn<QByteArray>("statusLine");
    QTest::newRow("200") << QByteArray("HTTP/1.1 200 OK");
    QTest::newRow("206") << QByteArray("HTTP/1.1 206 Partial Content");
}

void TestRetriever::successIsDownloadedAndParsed()
{
    QFETCH(QByteArray, statusLine);
    Rig rig;
    const QByteArray body = page("$12.50");
    rig.server.script(ItemPath.toLatin1(), Response::page(statusLine, body));

    rig.retrieve();

    QVERIFY(rig.messages.shown.empty());
    QCOMPARE(rig.grid.text(1, 3), QStringLiteral("$12.50"));
    QCOMPARE(rig.cycle.PageParsed, true);
    QCOMPARE(rig.cycle.ChangeCount, 1);
    QCOMPARE(rig.log.lines.size(), 1);
    QCOMPARE(rig.pageFile(), body);
    QCOMPARE(rig.view.statusTexts, QStringList{QStringLiteral("Stopped")});
    QVERIFY(!rig.cycle.AbortRequested);
}

void TestRetriever::otherStatusShowsItsMessage_data()
{
    QTest::addColumn<Response>("response");
    QTest::addColumn<QString>("text"); // "%1" stands for the URL
    QTest::addColumn<QString>("title");
    QTest::addColumn<Icon>("icon");

    QTest::newRow("204") << Response::page("HTTP/1.1 204 No Content", {}) << "Nothing to download!"
                         << "No Content" << Icon::Information;
    Response unauthorized = Response::page("HTTP/1.1 401 Unauthorized", page("$1"));
    unauthorized.headers << "WWW-Authenticate: Basic realm=\"auction\"";
    QTest::newRow("401") << unauthorized << "Authorization failed!"
                         << "Unauthorized" << Icon::Critical;
    QTest::newRow("404") << Response::page("HTTP/1.1 404 Not Found", page("$1")) << "The file, \"%1\" was not found!"
                         << "File Not Found" << Icon::Critical;
    QTest::newRow("503") << Response::page("HTTP/1.1 503 Service Unavailable", "busy")
                         << "The server returned the following response:\r\rHTTP/1.1 503 Service Unavailable\r"
                         << "Error Retrieving Data" << Icon::Critical;
    Response moved = Response::page("HTTP/1.1 301 Moved Permanently", {});
    moved.headers << "Location: /elsewhere";
    QTest::newRow("redirect") << moved
                              << "The server returned the following response:\r\rHTTP/1.1 301 Moved Permanently\r"
                              << "Error Retrieving Data" << Icon::Critical;
}

void TestRetriever::otherStatusShowsItsMessage()
{
    QFETCH(Response, response);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(Icon, icon);
    Rig rig;
    rig.grid.setText(1, 3, QStringLiteral("$3.00"));
    rig.server.script(ItemPath.toLatin1(), response);

    rig.retrieve();

    QCOMPARE(rig.messages.shown.size(), size_t(1));
    QCOMPARE(rig.messages.shown[0].text, QString(text).replace(QStringLiteral("%1"), rig.server.url(ItemPath)));
    QCOMPARE(rig.messages.shown[0].title, title);
    QCOMPARE(rig.messages.shown[0].icon, icon);
    QVERIFY(!rig.pageFileExists());
    QCOMPARE(rig.grid.text(1, 3), QStringLiteral("$3.00"));
    QCOMPARE(rig.view.statusTexts, QStringList{QStringLiteral("Stopped")});
    QVERIFY(!rig.cycle.AbortRequested);
    QCOMPARE(rig.server.requests().size(), 1);
}

void TestRetriever::noResponseShowsNothingReceived()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const QString url = QStringLiteral("http://127.0.0.1:%1/item").arg(closed.serverPort());
    closed.close();
    Rig rig;

    rig.retrieve(url);

    QCOMPARE(rig.messages.shown.size(), size_t(1));
    QCOMPARE(rig.messages.shown[0].text, QStringLiteral("The server returned the following response:\r\r<nothing>"));
    QCOMPARE(rig.messages.shown[0].title, QStringLiteral("Error Retrieving Data"));
    QVERIFY(!rig.cycle.AbortRequested);
    QCOMPARE(rig.view.statusTexts.last(), QStringLiteral("Stopped"));
}

void TestRetriever::stalledServerTimesOut()
{
    Rig rig(300ms);
    rig.server.setDefault(Response::silent());

    rig.retrieve();

    QCOMPARE(rig.messages.shown.size(), size_t(1));
    QCOMPARE(rig.messages.shown[0].text, QStringLiteral("The server returned the following response:\r\r<nothing>"));
    QCOMPARE(rig.messages.shown[0].title, QStringLiteral("Error Retrieving Data"));
    QCOMPARE(rig.messages.shown[0].icon, Icon::Critical);
    QVERIFY(!rig.pageFileExists());
    QCOMPARE(rig.view.statusTexts, QStringList{QStringLiteral("Stopped")});
}

void TestRetriever::priceBeyondTheStoredPartIsNotParsed()
{
    Rig rig;
    rig.grid.setText(1, 1, QStringLiteral("old seller"));
    rig.grid.setText(1, 3, QStringLiteral("$3.00"));
    const QByteArray body = filler(12'500) + page("$4.00") + filler(50'000);
    rig.server.script(ItemPath.toLatin1(), Response::page("HTTP/1.1 200 OK", body));

    rig.retrieve();

    QVERIFY(rig.messages.shown.empty());
    QCOMPARE(rig.cycle.PageParsed, false);
    QCOMPARE(rig.grid.text(1, 1), QStringLiteral("old seller"));
    QCOMPARE(rig.grid.text(1, 3), QStringLiteral("$3.00"));
    QVERIFY(rig.log.lines.isEmpty());
    // Twelve full chunks reach the limit; the page is stored exactly as sent up to there.
    QCOMPARE(rig.pageFile(), body.left(12 * 1024));
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

void TestRetriever::downloadEndsOnlyAtAOneByteChunk_data()
{
    QTest::addColumn<QList<int>>("pieceSizes");
    QTest::addColumn<int>("stored");

    QTest::newRow("last chunk one byte") << QList<int>{1024, 1} << 1025;
    QTest::newRow("lone byte in the middle") << QList<int>{1023, 1, 2000} << 3024;
    QTest::newRow("short page") << QList<int>{300} << 300;
}

void TestRetriever::downloadEndsOnlyAtAOneByteChunk()
{
    QFETCH(QList<int>, pieceSizes);
    QFETCH(int, stored);
    Rig rig;
    QByteArray body;
    Response response;
    for (int size : pieceSizes) {
        const QByteArray piece =
            body.isEmpty() ? QByteArray(priceLine("$9") + "\r\n" + filler(size)).left(size) : filler(size);
        response.body << ScriptedHttpServer::Piece{piece, body.isEmpty() ? 0 : 40};
        body += piece;
    }
    QCOMPARE(body.size(), stored);
    response.headers = {"Content-Length: " + QByteArray::number(body.size()), "Connection: close"};
    rig.server.script(ItemPath.toLatin1(), response);

    rig.retrieve();

    QCOMPARE(rig.pageFile(), body);
    QCOMPARE(rig.grid.text(1, 3), QStringLiteral("$9"));
    QVERIFY(rig.messages.shown.empty());
}

void TestRetriever::bareLineFeedsStayInTheLine()
{
    Rig rig;
    // Split at the line feed, the price line would be too short to hold a price.
    constexpr std::string_view afterLabel = "</b></td>\n<td><font size=\"3\"><b>";
    static_assert(afterLabel.size() == 32);
    const QByteArray body = "<html>\n<body>\nCurrently" + QByteArray(afterLabel.data(), afterLabel.size()) +
                            "$7.25</b>\n</body>\n</html>\n";
    rig.server.script(ItemPath.toLatin1(), Response::page("HTTP/1.1 200 OK", body));

    rig.retrieve();

    QVERIFY(rig.messages.shown.empty());
    QCOMPARE(rig.grid.text(1, 3), QStringLiteral("$7.25"));
}

void TestRetriever::stopWhileWaitingForTheResponse()
{
    Rig rig;
    rig.grid.setText(1, 3, QStringLiteral("$3.00"));
    rig.server.setDefault(Response::silent());
    rig.stopAfter(50ms);

    rig.retrieve();

    QVERIFY(rig.messages.shown.empty());
    QVERIFY(rig.cycle.AbortRequested);
    QVERIFY(!rig.pageFileExists());
    QCOMPARE(rig.grid.text(1, 3), QStringLiteral("$3.00"));
    QCOMPARE(rig.view.statusTexts, QStringList{QStringLiteral("Stopped")});
}

void TestRetriever::stopWhileDownloading()
{
    Rig rig;
    rig.grid.setText(1, 3, QStringLiteral("$3.00"));
    Response response;
    const QByteArray start = page("$4.00") + filler(2000);
    response.headers = {"Content-Length: 100000"};
    response.body = {{start, 0}, {filler(100'000 - start.size()), 60'000}};
    rig.server.script(ItemPath.toLatin1(), response);
    rig.stopAfter(200ms);

    rig.retrieve();

    QVERIFY(rig.messages.shown.empty());
    QVERIFY(rig.cycle.AbortRequested);
    QCOMPARE(rig.cycle.PageParsed, false);
    QCOMPARE(rig.grid.text(1, 3), QStringLiteral("$3.00"));
    QVERIFY(rig.log.lines.isEmpty());
    QCOMPARE(rig.view.statusTexts, QStringList{QStringLiteral("Stopped")});
    QTRY_COMPARE(rig.server.closedConnections(), 1);
}

void TestRetriever::parseFailureStopsMonitoring()
{
    Rig rig;
    const QByteArray body = "<html>\r\n<b>Currently</b> sold\r\n</html>\r\n";
    rig.server.script(ItemPath.toLatin1(), Response::page("HTTP/1.1 200 OK", body));

    rig.retrieve();

    QVERIFY(rig.cycle.AbortRequested);
    QCOMPARE(rig.messages.shown.size(), size_t(1));
    const RecordingMessages::Shown& shown = rig.messages.shown[0];
    QVERIFY2(shown.text.startsWith(QStringLiteral("Error: ")) && shown.text.endsWith(QStringLiteral(" occurred.")) &&
                 shown.text.size() > 17,
             qPrintable(shown.text));
    QCOMPARE(shown.title, QStringLiteral("Error Retrieving Data"));
    QCOMPARE(shown.icon, Icon::Critical);
    QCOMPARE(rig.view.statusTexts, QStringList{QStringLiteral("Stopped")});
}

void TestRetriever::pageFileThatCannotBeCreated()
{
    Rig rig;
    QVERIFY(QDir(rig.folder.path()).mkdir(QStringLiteral("data.htm")));
    rig.server.script(ItemPath.toLatin1(), Response::page("HTTP/1.1 200 OK", page("$5")));

    rig.retrieve();

    QVERIFY(rig.cycle.AbortRequested);
    QCOMPARE(rig.messages.shown.size(), size_t(1));
    QCOMPARE(rig.messages.shown[0].text, QStringLiteral("Error: Path/File access error occurred."));
    QCOMPARE(rig.messages.shown[0].title, QStringLiteral("Error Retrieving Data"));
    QCOMPARE(rig.messages.shown[0].icon, Icon::Critical);
    QCOMPARE(rig.view.statusTexts, QStringList{QStringLiteral("Stopped")});
}

QTEST_GUILESS_MAIN(TestRetriever)
#include "tst_retriever.moc"
