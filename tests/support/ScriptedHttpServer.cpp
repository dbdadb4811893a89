#include "tests/support/ScriptedHttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

ScriptedHttpServer::Response ScriptedHttpServer::Response::page(const QByteArray& statusLine, const QByteArray& body)
{
    return {.pieces = {
                QByteArray(statusLine + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body)}};
}

ScriptedHttpServer::Response ScriptedHttpServer::Response::endless(const QByteArray& head, const QByteArray& fillerLine)
{
    return {.pieces = {head}, .ending = Ending::Endless, .filler = fillerLine.repeated(16 * 1024 / fillerLine.size())};
}

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
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            ++m_closed;
            socket->deleteLater();
        });
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, received] {
            *received += socket->readAll();
            const qsizetype end = received->indexOf("\r\n\r\n");
            if (end < 0) {
                return;
            }
            disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
            m_requests << received->left(end + 2);
            write(socket, m_scripts.value(received->split(' ').value(1), m_default), 0);
        });
    }
}

void ScriptedHttpServer::write(QTcpSocket* socket, const Response& response, int piece)
{
    if (piece < response.pieces.size()) {
        QTimer::singleShot(response.pieces[piece].pauseBeforeMs, socket, [this, socket, response, piece] {
            if (socket->state() == QAbstractSocket::ConnectedState) {
                socket->write(response.pieces[piece].bytes);
                write(socket, response, piece + 1);
            }
        });
    } else if (response.ending == Response::Ending::Close) {
        socket->disconnectFromHost();
    } else if (response.ending == Response::Ending::Endless) {
        // Only a little waits to go out at any time: the client's reading sets the pace.
        const auto feed = [socket, filler = response.filler] {
            while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < 64 * 1024) {
                socket->write(filler);
            }
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, feed);
        feed();
    }
}
