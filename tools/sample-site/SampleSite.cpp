#include "SampleSite.h"

#include "PageFrame.h"
#include "SitePages.h"

#include <QDateTime>
#include <QHostAddress>
#include <QLocale>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>

namespace {

// A request head larger than this is refused rather than buffered without end.
constexpr qint64 maxHeadSize = 16 * 1024;

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
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void SampleSite::readRequest(QTcpSocket* socket)
{
    // The head stays in the socket's buffer until it is complete.
    const QByteArray pending = socket->peek(maxHeadSize + 1);
    const qsizetype end = headEnd(pending);
    if (end < 0 && pending.size() <= maxHeadSize)
        return;
    // One request per connection: whatever the client sends later is not read.
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    if (end < 0) {
        sendAnswer(socket, {431, {}, false}, true);
        return;
    }
    answerRequest(socket, socket->read(end));
}

void SampleSite::answerRequest(QTcpSocket* socket, const QByteArray& head)
{
    const QList<QByteArray> requestLine = head.left(head.indexOf('\n')).trimmed().split(' ');
    if (requestLine.size() != 3 || !requestLine[2].startsWith("HTTP/")) {
        sendAnswer(socket, {400, {}, false}, true);
        return;
    }
    const QByteArray& method = requestLine[0];
    if (method != "GET" && method != "HEAD") {
        sendAnswer(socket, {405, {}, false}, true, "Allow: GET, HEAD\r\n");
        return;
    }
    const bool withBody = method == "GET";
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QUrl target = QUrl::fromEncoded(requestLine[1]);
    const QUrlQuery query(target);
    if (target.path() == QLatin1String("/")) {
        sendAnswer(socket, {200, m_auctions.frontPage(now), false}, withBody);
    } else if (target.path() == itemPath() && query.hasQueryItem(QStringLiteral("ViewItem"))) {
        const QString number = query.queryItemValue(QStringLiteral("item"), QUrl::FullyDecoded).trimmed();
        const SiteAnswer answer = m_auctions.answer(number, now);
        sendAnswer(socket, answer, withBody,
                   answer.status == 401 ? QByteArray("WWW-Authenticate: Basic realm=\"Members\"\r\n") : QByteArray());
    } else {
        sendAnswer(socket, {404, notFoundHtml(QString::fromLatin1(requestLine[1])), false}, withBody);
    }
}

void SampleSite::sendAnswer(QTcpSocket* socket, const SiteAnswer& answer, bool withBody, const QByteArray& extraHeaders)
{
    // A stalled item keeps the connection open without a word until the client gives up.
    if (answer.stall)
        return;
    QByteArray response = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + reasonPhrase(answer.status) + "\r\n";
    response += "Date: " + httpDate(QDateTime::currentDateTimeUtc()) + "\r\n";
    response += "Server: bidorra-sample-site\r\n";
    response += extraHeaders;
    if (answer.status != 204) {
        response += "Content-Type: text/html; charset=utf-8\r\n";
        response += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    }
    response += "Connection: close\r\n\r\n";
    if (withBody && answer.status != 204)
        response += answer.body;
    socket->write(response);
    // Closes once everything written has been sent.
    socket->disconnectFromHost();
}
