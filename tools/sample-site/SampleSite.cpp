#include "SampleSite.h"

#include "PageFrame.h"
#include "SitePages.h"

#include <QDateTime>
#include <QHostAddress>
#include <QLocale>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

namespace {

// A request head larger than this is refused rather than buffered without end.
constexpr qint64 maxHeadSize = qint64{16} * 1024;
constexpr int idleTimeoutMs = 15'000;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 204:
        return "No Content";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 431:
        return "Request Header Fields Too Large";
    default:
        return "Unknown";
    }
}

QByteArray httpDate(const QDateTime& moment)
{
    return QLocale::c().toString(moment.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss")).toLatin1() + " GMT";
}

// Where the request head ends, or -1 while it is still incomplete. Bare LF line ends are
// accepted as well, as most servers do.
qsizetype headEnd(const QByteArray& data)
{
    const qsizetype crlf = data.indexOf("\r\n\r\n");
    if (crlf >= 0)
        return crlf + 4;
    const qsizetype lf = data.indexOf("\n\n");
    return lf >= 0 ? lf + 2 : -1;
}

// An HTTP/1.1 request keeps the connection unless its Connection header says close.
bool keepsConnection(const QByteArray& version, const QByteArray& head)
{
    if (version != "HTTP/1.1")
        return false;
    for (const QByteArray& line : head.split('\n')) {
        const QByteArray lower = line.toLower();
        if (lower.startsWith("connection:") && lower.contains("close"))
            return false;
    }
    return true;
}

} // namespace

SampleSite::SampleSite(Auctions& auctions, QObject* parent) : QObject(parent), m_auctions(auctions)
{
    connect(&m_server, &QTcpServer::newConnection, this, &SampleSite::acceptConnections);
}

bool SampleSite::listen(quint16 port)
{
    return m_server.listen(QHostAddress::LocalHost, port);
}

void SampleSite::acceptConnections()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        idle->setInterval(idleTimeoutMs);
        connect(idle, &QTimer::timeout, socket, [socket] { socket->disconnectFromHost(); });
        idle->start();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, idle] {
            idle->start();
            readRequests(socket);
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void SampleSite::readRequests(QTcpSocket* socket)
{
    while (socket->state() == QAbstractSocket::ConnectedState) {
        // A head stays in the socket's buffer until it is complete.
        const QByteArray pending = socket->peek(maxHeadSize + 1);
        const qsizetype end = headEnd(pending);
        if (end < 0 && pending.size() <= maxHeadSize)
            return;
        const bool goOn = end < 0 ? sendAnswer(socket, {431, {}, false}, Method::Get, Connection::Close)
                                  : answerRequest(socket, socket->read(end));
        if (!goOn) {
            // Whatever the client sends later is not read.
            disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
            return;
        }
    }
}

bool SampleSite::answerRequest(QTcpSocket* socket, const QByteArray& head)
{
    const QList<QByteArray> requestLine = head.left(head.indexOf('\n')).trimmed().split(' ');
    if (requestLine.size() != 3 || !requestLine[2].startsWith("HTTP/"))
        return sendAnswer(socket, {400, {}, false}, Method::Get, Connection::Close);
    const Connection connection = keepsConnection(requestLine[2], head) ? Connection::KeepOpen : Connection::Close;
    const QByteArray& method = requestLine[0];
    if (method != "GET" && method != "HEAD")
        return sendAnswer(socket, {405, {}, false}, Method::Get, connection, "Allow: GET, HEAD\r\n");
    const Method asked = method == "GET" ? Method::Get : Method::Head;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QUrl target = QUrl::fromEncoded(requestLine[1]);
    const QUrlQuery query(target);
    if (target.path() == QLatin1String("/"))
        return sendAnswer(socket, {200, m_auctions.frontPage(now), false}, asked, connection);
    if (target.path() == itemPath() && query.hasQueryItem(QStringLiteral("ViewItem"))) {
        const QString number = query.queryItemValue(QStringLiteral("item"), QUrl::FullyDecoded).trimmed();
        const SiteAnswer answer = m_auctions.answer(number, now);
        return sendAnswer(socket, answer, asked, connection,
                          answer.status == 401 ? QByteArray("WWW-Authenticate: Basic realm=\"Members\"\r\n")
                                               : QByteArray());
    }
    return sendAnswer(socket, {404, notFoundHtml(QString::fromLatin1(requestLine[1])), false}, asked, connection);
}

bool SampleSite::sendAnswer(QTcpSocket* socket, const SiteAnswer& answer, Method method, Connection connection,
                            const QByteArray& extraHeaders)
{
    // A stalled item keeps the connection open without a word until the client gives up.
    if (answer.stall)
        return false;
    QByteArray response = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + reasonPhrase(answer.status) + "\r\n";
    response += "Date: " + httpDate(QDateTime::currentDateTimeUtc()) + "\r\n";
    response += "Server: bidorra-sample-site\r\n";
    response += extraHeaders;
    if (answer.status != 204) {
        response += "Content-Type: text/html; charset=utf-8\r\n";
        response += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    }
    const bool keepOpen = connection == Connection::KeepOpen;
    response += keepOpen ? "\r\n" : "Connection: close\r\n\r\n";
    if (method == Method::Get && answer.status != 204)
        response += answer.body;
    socket->write(response);
    if (!keepOpen)
        socket->disconnectFromHost(); // once everything written has been sent
    return keepOpen;
}
