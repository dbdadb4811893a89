#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <memory>

class QTcpSocket;

// A local HTTP server that answers each request the way a test scripted it: any bytes, in
// pieces with pauses between them, then a close, a reset, silence, filler without end, or the
// next request on the same connection. It listens on 127.0.0.1 on a free port and runs in the
// test's own event loop; nothing in it blocks. Requests in absolute form ("GET http://...")
// are scripted by their URL, which makes it a proxy too.
class ScriptedHttpServer : public QObject
{
    Q_OBJECT
public:
    struct Piece
    {
        Piece(const QByteArray& text, int pauseMs = 0) : bytes(text), pauseBeforeMs(pauseMs) {}
        QByteArray bytes;
        int pauseBeforeMs;
    };

    struct Response
    {
        enum class Ending {
            Close,    // close the connection once every piece is written
            KeepOpen, // then read the next request on it
            Reset,    // then drop it with a reset
            Silent,   // keep it open and write nothing more
            Endless,  // write the filler again and again until the client goes away
        };
        QList<Piece> pieces = {}; // the status line and the headers are the start of the first one
        Ending ending = Ending::Close;
        QByteArray filler = {};

        // A whole response with its Content-Length.
        static Response page(const QByteArray& statusLine, const QByteArray& body, Ending ending = Ending::Close);
        static Response silent() { return {.ending = Ending::Silent}; }
        // The head (whole, or never ending when it lacks the empty line), then filler lines for ever.
        static Response endless(const QByteArray& head, const QByteArray& fillerLine);
    };

    ScriptedHttpServer();
    ~ScriptedHttpServer() override;

    // "127.0.0.1:<port>", for code that builds its URLs from a host.
    QString host() const;
    QString url(const QString& pathAndQuery) const { return QStringLiteral("http://") + host() + pathAndQuery; }

    // The answers to requests for target (path and query, or the URL): the first to the first
    // request, and so on; the last one to every later request. Others get the default.
    void script(const QByteArray& target, const QList<Response>& responses) { m_scripts.insert(target, responses); }
    void script(const QByteArray& target, const Response& response) { script(target, QList{response}); }
    void setDefault(const Response& response) { m_default = response; }

    // Every request's head as it came, without the empty line that ends it.
    const QList<QByteArray>& requests() const { return m_requests; }
    // Connections the client has closed or dropped.
    int closedConnections() const { return m_closed; }
    int acceptedConnections() const { return m_accepted; }

private:
    struct Connection;
    void accept();
    void answerNext(const std::shared_ptr<Connection>& connection);
    void write(const std::shared_ptr<Connection>& connection, const Response& response, int piece);

    QTcpServer m_server;
    QHash<QByteArray, QList<Response>> m_scripts;
    Response m_default = Response::page("HTTP/1.1 404 Not Found", QByteArray());
    QList<QByteArray> m_requests;
    int m_closed = 0;
    int m_accepted = 0;
};
