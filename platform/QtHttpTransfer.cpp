#include "platform/QtHttpTransfer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <algorithm>

QtHttpTransfer::QtHttpTransfer(QNetworkAccessManager& manager, std::chrono::milliseconds timeout, QObject* parent)
    : HttpTransfer(parent), m_manager(manager), m_timeout(timeout)
{}

QtHttpTransfer::~QtHttpTransfer()
{
    if (m_reply) {
        m_reply->disconnect(this);
        delete m_reply; // ends the request when it is still open
    }
}

void QtHttpTransfer::get(const QString& url)
{
    dropReply();
    m_url = url;
    m_headerText.clear();
    m_executing = true;

    QUrl target(url);
    target.setUserInfo(QString()); // the request carries no credentials
    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(static_cast<int>(m_timeout.count()));
    // The stored page is the body as sent, never a decompressed copy of it.
    request.setRawHeader("Accept-Encoding", "identity");

    m_reply = m_manager.get(request);
    m_reply->setReadBufferSize(ReadBufferSize);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &QtHttpTransfer::onProgress);
    connect(m_reply, &QNetworkReply::readyRead, this, &QtHttpTransfer::onProgress);
    connect(m_reply, &QNetworkReply::errorOccurred, this, &QtHttpTransfer::onProgress);
    connect(m_reply, &QNetworkReply::finished, this, &QtHttpTransfer::onProgress);
}

bool QtHttpTransfer::chunkReady(qsizetype maxBytes) const
{
    if (!m_reply || m_reply->isFinished()) {
        return true;
    }
    // The read buffer never holds more than its size, so a larger request counts as ready once it is full.
    return m_reply->bytesAvailable() >= std::min<qint64>(maxBytes, ReadBufferSize);
}

QByteArray QtHttpTransfer::chunk(qsizetype maxBytes)
{
    if (!m_reply || !m_reply->isOpen()) {
        return {};
    }
    return m_reply->read(maxBytes);
}

void QtHttpTransfer::cancel()
{
    dropReply();
    m_executing = false;
    emit progressed();
}

// Headers, body bytes, the end or an error: the request is no longer waiting for its response.
void QtHttpTransfer::onProgress()
{
    if (m_headerText.isEmpty()) {
        takeHeaders();
    }
    m_executing = false;
    emit progressed();
}

// Qt keeps no raw header text, so it is rebuilt from the parsed status line and headers.
void QtHttpTransfer::takeHeaders()
{
    const QVariant code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!code.isValid()) {
        return;
    }
    const bool http2 = m_reply->attribute(QNetworkRequest::Http2WasUsedAttribute).toBool();
    QByteArray text = "HTTP/" + QByteArray(http2 ? "2" : "1.1") + ' ' + QByteArray::number(code.toInt()) + ' ' +
                      m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray() + "\r\n";
    for (const auto& [name, value] : m_reply->rawHeaderPairs()) {
        text += name + ": " + value + "\r\n";
    }
    text += "\r\n";
    m_headerText = text;
}

void QtHttpTransfer::dropReply()
{
    if (!m_reply) {
        return;
    }
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    // A reply that already reported its error only waits for its end; aborting it again makes Qt complain.
    if (!reply->isFinished() && reply->error() == QNetworkReply::NoError) {
        reply->abort();
    }
    // Cancel may be called from a handler that runs inside one of the reply's own signals.
    reply->deleteLater();
}
