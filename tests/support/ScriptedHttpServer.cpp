#include "tests/support/ScriptedHttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>
#include <memory>
#include <sys/socket.h>

ScriptedHttpServer::Response ScriptedHttpServer::Response::page(const QByteArray& statusLine, const QByteArray& body,
                                                                Ending ending)
{
    return {.pieces = {QByteArray(statusLine + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" +
                                  body)},
            .ending = ending};
}

ScriptedHttpServer::Response ScriptedHttpServer::Response::endless(const QByteArray& head, const QByteArray& fillerLine)
{
    return {.pieces = {head},
            .ending = Ending::Endless,
            .filler = fillerLine.repeated(qsizetype{16} * 1024 / fillerLine.size())};
}

struct ScriptedHttpServer::Connection
{
    QTcpSocket* socket;
    QByteArray received = {};
    bool answering = false; // requests wait while an answer is written
};

ScriptedHttpServer::ScriptedHttpServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedHttpServer::accept);
    m_server.listen(QHostAddress::LocalHost, 0); // any free port; a test without one fails at its first request
}

ScriptedHttpServer::~ScriptedHttpServer()
{
    // The sockets are the server's children and go with it; none may call back into a server half gone.
    for (QTcpSocket* socket : m_server.findChildren<QTcpSocket*>()) {
        socket->disconnect(this);
    }
}

QString ScriptedHttpServer::host() const
{
    return QStringLiteral("127.0.0.1:") + QString::number(m_server.serverPort());
}

void ScriptedHttpServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++m_accepted;
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            ++m_closed;
            socket->deleteLater();
        });
        const auto connection = std::make_shared<Connection>(Connection{socket});
        connect(socket, &QTcpSocket::readyRead, this, [this, connection] {
            connection->received += connection->socket->readAll();
            answerNext(connection);
        });
    }
}

void ScriptedHttpServer::answerNext(const std::shared_ptr<Connection>& connection)
{
    const qsizetype end = connection->received.indexOf("\r\n\r\n");
    if (connection->answering || end < 0) {
        return;
    }
    connection->answering = true;
    const QByteArray head = connection->received.left(end + 2);
    connection->received.remove(0, end + 4);
    m_requests << head;
    QList<Response>& answers = m_scripts[head.split(' ').value(1)];
    const Response response = answers.isEmpty()     ? m_default
                              : answers.size() == 1 ? answers.first()
                                                    : answers.takeFirst();
    write(connection, response, 0);
}

void ScriptedHttpServer::write(const std::shared_ptr<Connection>& connection, const Response& response, int piece)
{
    QTcpSocket* socket = connection->socket;
    if (piece < response.pieces.size()) {
        QTimer::singleShot(response.pieces[piece].pauseBeforeMs, socket, [this, connection, response, piece] {
            if (connection->socket->state() == QAbstractSocket::ConnectedState) {
                connection->socket->write(response.pieces[piece].bytes);
                write(connection, response, piece + 1);
            }
        });
        return;
    }
    switch (response.ending) {
    case Response::Ending::Close:
        socket->disconnectFromHost();
        break;
    case Response::Ending::KeepOpen:
        connection->answering = false;
        answerNext(connection);
        break;
    case Response::Ending::Reset: {
        // What was written goes out first; then a zero linger makes the close a reset.
        socket->flush();
        const linger now{1, 0};
        ::setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof(now));
        socket->abort();
        break;
    }
    case Response::Ending::Silent:
        break;
    case Response::Ending::Endless: {
        // Only a little waits to go out at any time: the client's reading sets the pace.
        const auto feed = [socket, filler = response.filler] {
            while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < qint64{64} * 1024) {
                socket->write(filler);
            }
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, feed);
        feed();
        break;
    }
    }
}
