// Header texts, arbitrary or as the response parser hands them on, to the status handling:
// every status but 200 and 206 gets a message with a title and a text without NUL characters,
// and never a crash.

#include "core/HttpResponseParser.h"
#include "core/ResponseStatus.h"
#include "fuzz/FuzzCheck.h"

namespace {
const QString Url = QStringLiteral("http://127.0.0.1/aw-cgi/eBayISAPI.dll?ViewItem&item=1234");

void checkStatus(const QByteArray& headerText)
{
    const QString status = statusTextOf(headerText);
    check(status.size() <= 3);
    const std::optional<Message> message = statusMessageFor(headerText, Url);
    const bool pageFollows = status == u"200" || status == u"206";
    check(message.has_value() != pageFollows);
    if (!message) {
        return;
    }
    check(!message->title.isEmpty() && !message->text.isEmpty() && message->icon != Message::Icon::None);
    check(!message->text.contains(QChar::Null));
    if (status == u"404") {
        check(message->text.contains(Url));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    checkStatus(bytes);
    HttpResponseParser parser(64 * 1024, 0);
    parser.feed(bytes);
    if (parser.headerComplete()) {
        checkStatus(parser.headerText());
    }
    return 0;
}
