#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTcpServer>
#include <optional>

class QTcpSocket;

// A local HTTP server that answers each request the way a test scripted it: any status line
// and headers, a body in pieces with pauses between them, silence, an endless body or a
// dropped connection. It listens on 127.0.0.1 on a free port and runs in the test's own
// event loop; nothing in it blocks.
class ScriptedHttpServer : public QObject
{
    Q_OBJECT
public:
    using Header = QPair<QByteArray, QByteArray>;

    struct Piece
    {
        QByteArray bytes;
        int pauseBeforeMs = 0;
    };

    struct Response
    {
        enum class Ending {
            Close,         // close the connection once everything is written
            Drop,          // abort the connection once everything is written
            Endless,       // after the pieces, keep writing filler until the client goes away
            Silent,        // read the request and never answer
            EndlessHeader, // after the headers, keep writing header lines; the empty line never comes
        };

        QByteArray statusLine = "HTTP/1.1 200 OK"; // written as given, followed by CR LF
        QList<QByteArray> headers;                 // raw "Name: value" lines
        QList<Piece> body;
        Ending ending = Ending::Close;
        int pauseBeforeHeadMs = 0;
        int dripMs = 0; // when set, the body goes out one byte every dripMs

        // A complete response with Content-Length and Connection: close.
        static Response page(const QByteArray& statusLine, const QByteArray& body);
        static Response silent();
        static Response endless(const QByteArray& statusLine = "HTTP/1.1 200 OK");
    };

    struct Request
    {
        QByteArray method;
        QByteArray target; // path and query, as sent
        QList<Header> headers;
        bool hasHeader(const QByteArray& name) const;
    };

    explicit ScriptedHttpServer(QObject* parent = nullptr);
    ~ScriptedHttpServer() override;

    quint16 port() const { return m_server.serverPort(); }
    // "http://127.0.0.1:<port>" followed by pathAndQuery.
    QString url(const QString& pathAndQuery) const;
    // "127.0.0.1:<port>", for code that builds its URLs from a host.
    QString host() const;

    // The answer to requests for target (path and query); others get the default.
    void script(const QByteArray& target, const Response& response) { m_scripts.insert(target, response); }
    void setDefault(const Response& response) { m_default = response; }

    const QList<Request>& requests() const { return m_requests; }
    int connectionCount() const { return m_connections; }
    // Body and head bytes handed to the sockets and written by them so far.
    qint64 bytesWritten() const { return m_bytesWritten; }
    // Connections the client has closed or that were dropped.
    int closedConnections() const { return m_closed; }

private:
    struct Connection;
    void onNewConnection();
    void onReadyRead(Connection* connection);
    void answer(Connection* connection, const Response& response);
    void writePiece(Connection* connection, int index);
    void finish(Connection* connection);
    void feedEndless(Connection* connection);

    QTcpServer m_server;
    QHash<QByteArray, Response> m_scripts;
    Response m_default = Response::page("HTTP/1.1 404 Not Found", QByteArray());
    QList<Request> m_requests;
    QList<Connection*> m_open;
    int m_connections = 0;
    int m_closed = 0;
    qint64 m_bytesWritten = 0;
};
