#include "core/ResponseStatus.h"

QString statusTextOf(const QByteArray& headerText)
{
    return QString::fromLatin1(headerText.mid(9, 3));
}

std::optional<Message> statusMessageFor(const QByteArray& headerText, const QString& url)
{
    using Icon = Message::Icon;
    const QString status = statusTextOf(headerText);
    if (status == u"200" || status == u"206") {
        return std::nullopt;
    }
    if (status == u"204") {
        return Message{QStringLiteral("Nothing to download!"), QStringLiteral("No Content"), Icon::Information};
    }
    if (status == u"401") {
        return Message{QStringLiteral("Authorization failed!"), QStringLiteral("Unauthorized"), Icon::Critical};
    }
    if (status == u"404") {
        return Message{QStringLiteral("The file, \"") + url + QStringLiteral("\" was not found!"),
                       QStringLiteral("File Not Found"), Icon::Critical};
    }
    if (status == u"\r\n") {
        return Message{QStringLiteral("Cannot establish connection.\r\rCheck your Internet connection and try again."),
                       QStringLiteral("Cannot Establish Connection"), Icon::Warning};
    }
    // The first header line keeps its carriage return.
    const qsizetype lineEnd = headerText.indexOf('\r');
    const QString firstLine =
        lineEnd < 0 ? QStringLiteral("<nothing>") : QString::fromLatin1(headerText.left(lineEnd + 1));
    return Message{QStringLiteral("The server returned the following response:\r\r") + firstLine,
                   QStringLiteral("Error Retrieving Data"), Icon::Critical};
}
