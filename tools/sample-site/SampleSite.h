#pragma once

// A minimal HTTP/1.1 server on 127.0.0.1 for the sample auctions. As real servers do, it keeps
// an HTTP/1.1 connection open for the next request unless the client asks it to close, and
// closes one that stays idle for 15 seconds; an HTTP/1.0 request is answered and closed. GET
// and HEAD only.
//   /                                            the front page with links to every item
//   /aw-cgi/eBayISAPI.dll?ViewItem&item=NUMBER   an item page (see Auctions.h); the watcher fixes this path
// Pages are UTF-8 and say so in the Content-Type header.
// The Host header is ignored, so the watcher may be pointed here under any host name.

#include "Auctions.h"

#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

class SampleSite : public QObject
{
    Q_OBJECT

public:
    explicit SampleSite(Auctions& auctions, QObject* parent = nullptr);

    // Port 0 picks a free port; port() tells which.
    bool listen(quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

private:
    void acceptConnections();
    void readRequests(QTcpSocket* socket);
    // Whether the connection goes on to the next request.
    bool answerRequest(QTcpSocket* socket, const QByteArray& head);
    enum class Method { Get, Head }; // a HEAD is answered without the body
    enum class Connection { KeepOpen, Close };
    // Whether the connection goes on, as answerRequest.
    bool sendAnswer(QTcpSocket* socket, const SiteAnswer& answer, Method method, Connection connection,
                    const QByteArray& extraHeaders = {});

    Auctions& m_auctions;
    QTcpServer m_server;
};
