#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A local HTTP server that answers each request the way a test scripted it: any bytes, in
// pieces with pauses between them, then a close, silence or filler without end. It listens on
// 127.0.0.1 on a free port and runs in the test's own event loop; nothing in it blocks.
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
            Close,   // close the connection once every piece is written
            Silent,  // keep it open and write nothing more
            Endless, // write the filler again and again until the client goes away
        };
        QList<Piece> pieces = {}; // the status line and the headers are the start of the first one
        Ending ending = Ending::Close;
        QByteArray filler = {};

        // A whole response with its Content-Length.
        static Response page(const QByteArray& statusLine, const QByteArray& body);
        static Response silent() { return {.ending = Ending::Silent}; }
        // The head (whole, or never ending when it lacks the empty line), then filler lines for ever.
        static Response endless(const QByteArray& head, const QByteArray& fillerLine);
    };

    ScriptedHttpServer();
    ~ScriptedHttpServer() override;

    // "127.0.0.1:<port>", for code that builds its URLs from a host.
    QString host() const;
    QString url(const QString& pathAndQuery) const { return QStringLiteral("http://") + host() + pathAndQuery; }

    // The answer to requests for target (path and query); others get the default.
    void script(const QByteArray& target, const Response& response) { m_scripts.insert(target, response); }
    void setDefault(const Response& response) { m_default = response; }

    // Every request's head as it came, without the empty line that ends it.
    const QList<QByteArray>& requests() const { return m_requests; }
    // Connections the client has closed or dropped.
    int closedConnections() const { return m_closed; }

private:
    void accept();
    void write(QTcpSocket* socket, const Response& response, int piece);

    QTcpServer m_server;
    QHash<QByteArray, Response> m_scripts;
    Response m_default = Response::page("HTTP/1.1 404 Not Found", QByteArray());
    QList<QByteArray> m_requests;
    int m_closed = 0;
};
