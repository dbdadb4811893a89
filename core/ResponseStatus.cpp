#include "core/ResponseStatus.h"

QString statusTextOf(const QByteArray& headerText)
{
    return QString::fromLatin1(headerText.mid(9, 3));
}

std::optional<StatusMessage> statusMessageFor(const QString& statusText, const QByteArray& headerText,
                                              const QString& url)
{
    using Icon = Messages::Icon;
    if (statusText == QLatin1String("200") || statusText == QLatin1String("206")) {
        return std::nullopt;
    }
    if (statusText == QLatin1String("204")) {
        return StatusMessage{QStringLiteral("Nothing to download!"), QStringLiteral("No Content"), Icon::Information};
    }
    if (statusText == QLatin1String("401")) {
        return StatusMessage{QStringLiteral("Authorization failed!"), QStringLiteral("Unauthorized"), Icon::Critical};
    }
    if (statusText == QLatin1String("404")) {
        return StatusMessage{QStringLiteral("The file, \"") + url + QStringLiteral("\" was not found!"),
                             QStringLiteral("File Not Found"), Icon::Critical};
    }
    if (statusText == QLatin1String("\r\n")) {
        return StatusMessage{
            QStringLiteral("Cannot establish connection.\r\rCheck your Internet connection and try again."),
            QStringLiteral("Cannot Establish Connection"), Icon::Exclamation};
    }
    // The first header line keeps its carriage return.
    const qsizetype lineEnd = headerText.indexOf('\r');
    const QString firstLine =
        lineEnd < 0 ? QStringLiteral("<nothing>") : QString::fromLatin1(headerText.left(lineEnd + 1));
    return StatusMessage{QStringLiteral("The server returned the following response:\r\r") + firstLine,
                         QStringLiteral("Error Retrieving Data"), Icon::Critical};
}
