#include "tests/support/ScriptedHttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

namespace {
const QByteArray Crlf = "\r\n";
constexpr qint64 EndlessBacklog = 64 * 1024;

QByteArray fillerBlock(const QByteArray& line)
{
    QByteArray block;
    while (block.size() < 16 * 1024) {
        block += line;
    }
    return block;
}
} // namespace

struct ScriptedHttpServer::Connection
{
    QTcpSocket* socket = nullptr;
    QByteArray received;
    Response response;
    bool answered = false;
    bool closed = false;
    bool endless = false;
    bool dropWhenFlushed = false;
    QByteArray filler; // what an endless ending keeps writing
};

ScriptedHttpServer::Response ScriptedHttpServer::Response::page(const QByteArray& statusLine, const QByteArray& body)
{
    Response response;
    response.statusLine = statusLine;
    response.headers = {"Content-Type: text/html", "Content-Length: " + QByteArray::number(body.size()),
                        "Connection: close"};
    if (!body.isEmpty()) {
        response.body = {Piece{body, 0}};
    }
    return response;
}

ScriptedHttpServer::Response ScriptedHttpServer::Response::silent()
{
    Response response;
    response.ending = Ending::Silent;
    return response;
}

ScriptedHttpServer::Response ScriptedHttpServer::Response::endless(const QByteArray& statusLine)
{
    Response response;
    response.statusLine = statusLine;
    response.headers = {"Content-Type: text/html", "Connection: close"};
    response.ending = Ending::Endless;
    return response;
}

bool ScriptedHttpServer::Request::hasHeader(const QByteArray& name) const
{
    for (const Header& header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

ScriptedHttpServer::ScriptedHttpServer(QObject* parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedHttpServer::onNewConnection);
    const bool listening = m_server.listen(QHostAddress::LocalHost, 0);
    Q_ASSERT(listening);
    Q_UNUSED(listening);
}

ScriptedHttpServer::~ScriptedHttpServer()
{
    m_server.close();
    const QList<Connection*> open = m_open;
    m_open.clear();
    for (Connection* connection : open) {
        connection->socket->disconnect(this);
        delete connection->socket;
        delete connection;
    }
}

QString ScriptedHttpServer::url(const QString& pathAndQuery) const
{
    return QStringLiteral("http://") + host() + pathAndQuery;
}

QString ScriptedHttpServer::host() const
{
    return QStringLiteral("127.0.0.1:") + QString::number(port());
}

void ScriptedHttpServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++m_connections;
        auto* connection = new Connection;
        connection->socket = socket;
        m_open << connection;
        // The connection's data lives exactly as long as its socket, so that timers bound
        // to the socket never see it gone.
        connect(socket, &QObject::destroyed, this, [this, connection] {
            m_open.removeOne(connection);
            delete connection;
        });
        connect(socket, &QTcpSocket::readyRead, this, [this, connection] { onReadyRead(connection); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, connection](qint64 count) {
            m_bytesWritten += count;
            if (connection->endless) {
                feedEndless(connection);
            } else if (connection->dropWhenFlushed && connection->socket->bytesToWrite() == 0) {
                connection->socket->abort();
            }
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, connection] {
            if (!connection->closed) {
                connection->closed = true;
                ++m_closed;
            }
            connection->socket->deleteLater();
        });
    }
}

void ScriptedHttpServer::onReadyRead(Connection* connection)
{
    connection->received += connection->socket->readAll();
    if (connection->answered) {
        return;
    }
    const qsizetype end = connection->received.indexOf("\r\n\r\n");
    if (end < 0) {
        return;
    }
    connection->answered = true;

    const QList<QByteArray> lines = connection->received.left(end).split('\n');
    Request request;
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0) {
            request.headers << Header(line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
        }
    }
    m_requests << request;
    answer(connection, m_scripts.value(request.target, m_default));
}

void ScriptedHttpServer::answer(Connection* connection, const Response& response)
{
    connection->response = response;
    if (response.ending == Response::Ending::Silent) {
        return;
    }
    if (response.dripMs > 0) {
        QList<Piece> drops;
        for (const Piece& piece : response.body) {
            for (char byte : piece.bytes) {
                drops << Piece{QByteArray(1, byte), response.dripMs};
            }
        }
        connection->response.body = drops;
    }
    const auto writeHead = [this, connection] {
        if (connection->closed) {
            return;
        }
        QByteArray head = connection->response.statusLine + Crlf;
        for (const QByteArray& header : connection->response.headers) {
            head += header + Crlf;
        }
        const bool headEnds = connection->response.ending != Response::Ending::EndlessHeader;
        connection->socket->write(headEnds ? head + Crlf : head);
        writePiece(connection, 0);
    };
    if (response.pauseBeforeHeadMs > 0) {
        QTimer::singleShot(response.pauseBeforeHeadMs, connection->socket, writeHead);
    } else {
        writeHead();
    }
}

void ScriptedHttpServer::writePiece(Connection* connection, int index)
{
    const QList<Piece>& body = connection->response.body;
    if (index >= body.size()) {
        finish(connection);
        return;
    }
    const auto write = [this, connection, index] {
        if (connection->closed) {
            return;
        }
        connection->socket->write(connection->response.body.at(index).bytes);
        writePiece(connection, index + 1);
    };
    if (body.at(index).pauseBeforeMs > 0) {
        QTimer::singleShot(body.at(index).pauseBeforeMs, connection->socket, write);
    } else {
        write();
    }
}

void ScriptedHttpServer::finish(Connection* connection)
{
    switch (connection->response.ending) {
    case Response::Ending::Close:
        connection->socket->disconnectFromHost();
        break;
    case Response::Ending::Drop:
        // Abort throws away what is still queued; the client is meant to get everything before the drop.
        if (connection->socket->bytesToWrite() > 0) {
            connection->dropWhenFlushed = true;
        } else {
            connection->socket->abort();
        }
        break;
    case Response::Ending::Endless:
    case Response::Ending::EndlessHeader: {
        static const QByteArray body = fillerBlock("<tr><td>filler filler filler</td></tr>\r\n");
        static const QByteArray header = fillerBlock("X-Filler: filler filler filler\r\n");
        connection->filler = connection->response.ending == Response::Ending::Endless ? body : header;
        connection->endless = true;
        feedEndless(connection);
        break;
    }
    case Response::Ending::Silent:
        break;
    }
}

// Writes more filler only while little is waiting to go out, so the body is bounded by how
// much the client reads, not by the server.
void ScriptedHttpServer::feedEndless(Connection* connection)
{
    QTcpSocket* socket = connection->socket;
    while (!connection->closed && socket->state() == QAbstractSocket::ConnectedState &&
           socket->bytesToWrite() < EndlessBacklog) {
        socket->write(connection->filler);
    }
}
