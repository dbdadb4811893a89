#pragma once

#include "platform/Messages.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The message box the retrieval shows for a response it does not download.
struct StatusMessage
{
    QString text;
    QString title;
    Messages::Icon icon;
};

// The status code as the retrieval reads it: at most three characters from the header
// text's tenth on ("200" for "HTTP/1.1 200 OK"); shorter or empty for a short header text.
QString statusTextOf(const QByteArray& headerText);

// Nothing for "200" and "206", which are downloaded; the message to show for anything else.
// url is the transfer's current URL, named by the "File Not Found" message.
std::optional<StatusMessage> statusMessageFor(const QString& statusText, const QByteArray& headerText,
                                              const QString& url);
