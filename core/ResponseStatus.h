#pragma once

#include "platform/Messages.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The status code as the program reads it off the header text: at most three characters from
// the tenth on ("200" for "HTTP/1.1 200 OK"); shorter or empty for a short header text.
QString statusTextOf(const QByteArray& headerText);

// Nothing for "200" and "206", whose pages are read; the message to show for any other status.
// url is the page's address, which the "File Not Found" message names.
std::optional<Message> statusMessageFor(const QByteArray& headerText, const QString& url);
