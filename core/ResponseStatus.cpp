#include "core/ResponseStatus.h"

#include <QCoreApplication>

namespace {
// Control characters of a status line shown as their pictures (U+2400 on), so that a NUL or an
// escape sequence neither cuts the message short nor disappears in it.
QString readable(QByteArrayView line)
{
    QString text = QString::fromLatin1(line);
    for (QChar& c : text) {
        if (c == u'\x7f') {
            c = QChar(0x2421);
        } else if (c < u' ' && c != u'\t') {
            c = QChar(0x2400 + c.unicode());
        }
    }
    return text;
}
} // namespace

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
        return Message{QCoreApplication::translate("ResponseStatus", "Nothing to download!"),
                       QCoreApplication::translate("ResponseStatus", "No Content"), Icon::Information};
    }
    if (status == u"401") {
        return Message{QCoreApplication::translate("ResponseStatus", "Authorization failed!"),
                       QCoreApplication::translate("ResponseStatus", "Unauthorized"), Icon::Critical};
    }
    if (status == u"404") {
        return Message{QCoreApplication::translate("ResponseStatus", "The file, \"%1\" was not found!").arg(url),
                       QCoreApplication::translate("ResponseStatus", "File Not Found"), Icon::Critical};
    }
    if (status == u"\r\n") {
        return Message{
            QCoreApplication::translate(
                "ResponseStatus", "Cannot establish connection.\r\rCheck your Internet connection and try again."),
            QCoreApplication::translate("ResponseStatus", "Cannot Establish Connection"), Icon::Warning};
    }
    // The first header line keeps its carriage return.
    const qsizetype lineEnd = headerText.indexOf('\r');
    const QString firstLine = lineEnd < 0 ? QCoreApplication::translate("ResponseStatus", "<nothing>")
                                          : readable(QByteArrayView(headerText).first(lineEnd)) + u'\r';
    return Message{QCoreApplication::translate("ResponseStatus", "The server returned the following response:\r\r") +
                       firstLine,
                   QCoreApplication::translate("ResponseStatus", "Error Retrieving Data"), Icon::Critical};
}
