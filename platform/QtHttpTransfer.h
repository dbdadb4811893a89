#pragma once

#include "platform/HttpTransfer.h"

#include <QPointer>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

// HttpTransfer on Qt's network access manager. The reply's read buffer is kept small, so
// the body streams from the socket only as fast as chunk() takes it: a huge or endless
// body never piles up in memory.
class QtHttpTransfer final : public HttpTransfer
{
    Q_OBJECT
public:
    static constexpr qint64 ReadBufferSize = 4096;

    QtHttpTransfer(QNetworkAccessManager& manager, std::chrono::milliseconds timeout, QObject* parent = nullptr);
    ~QtHttpTransfer() override;

    void get(const QString& url) override;
    QString url() const override { return m_url; }
    bool stillExecuting() const override { return m_executing; }
    QByteArray headerText() const override { return m_headerText; }
    bool chunkReady(qsizetype maxBytes) const override;
    QByteArray chunk(qsizetype maxBytes) override;
    void cancel() override;

private:
    void onProgress();
    void takeHeaders();
    void dropReply();

    QNetworkAccessManager& m_manager;
    std::chrono::milliseconds m_timeout;
    QPointer<QNetworkReply> m_reply;
    QString m_url;
    QByteArray m_headerText;
    bool m_executing = false;
};
