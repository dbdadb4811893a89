#include "core/PageDecoder.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace {
// Only the start of a page is searched for a <meta> charset, as browsers do.
constexpr qsizetype MetaSearchLength = 1024;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five holes stay as Latin-1 has them.
constexpr std::array<char16_t, 32> Cp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(Cp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

// The text when the bytes are valid UTF-8; a letter cut in two by the end of a cut-off page
// still counts as valid.
std::optional<QString> fromUtf8(const QByteArray& bytes, bool cutOff)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError()) {
        return text;
    }
    for (qsizetype cut = 1; cutOff && cut <= 3 && cut < bytes.size(); ++cut) {
        QStringDecoder shorter(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        text = shorter.decode(QByteArrayView(bytes).chopped(cut));
        if (!shorter.hasError()) {
            return text;
        }
    }
    return std::nullopt;
}

bool isCharsetChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.' || c == ':';
}
} // namespace

QByteArray declaredCharset(QByteArrayView text)
{
    const QByteArray lower = text.toByteArray().toLower();
    qsizetype at = lower.indexOf("charset");
    while (at >= 0) {
        qsizetype i = at + 7;
        while (i < lower.size() && (lower[i] == ' ' || lower[i] == '\t')) {
            ++i;
        }
        if (i < lower.size() && lower[i] == '=') {
            ++i;
            while (i < lower.size() && (lower[i] == ' ' || lower[i] == '"' || lower[i] == '\'')) {
                ++i;
            }
            qsizetype end = i;
            while (end < lower.size() && isCharsetChar(lower[end])) {
                ++end;
            }
            if (end > i) {
                return lower.sliced(i, end - i);
            }
        }
        at = lower.indexOf("charset", at + 7);
    }
    return {};
}

namespace {
QString decodeBytes(const QByteArray& body, QByteArrayView contentType, bool cutOff)
{
    QByteArray charset = declaredCharset(contentType);
    if (charset.isEmpty()) {
        charset = declaredCharset(QByteArrayView(body).first(std::min(body.size(), MetaSearchLength)));
    }
    if (charset == "utf-8" || charset == "utf8") {
        // A page that says UTF-8 but is not still shows every byte.
        if (std::optional<QString> text = fromUtf8(body, cutOff)) {
            return *text;
        }
        return fromWindows1252(body);
    }
    // Labels that browsers read as Windows-1252 (Latin-1 included, since it is a subset).
    if (charset == "iso-8859-1" || charset == "latin1" || charset == "us-ascii" || charset == "windows-1252" ||
        charset == "cp1252" || charset == "ascii") {
        return fromWindows1252(body);
    }
    if (!charset.isEmpty()) {
        if (auto encoding = QStringConverter::encodingForName(charset.constData())) {
            QStringDecoder decoder(*encoding);
            return decoder.decode(body);
        }
    }
    if (std::optional<QString> text = fromUtf8(body, cutOff)) {
        return *text;
    }
    return fromWindows1252(body);
}
} // namespace

QString decodePage(const QByteArray& body, QByteArrayView contentType, bool cutOff)
{
    // A browser leaves NUL characters out of a page's text; so do we, and none reaches a cell.
    QString text = decodeBytes(body, contentType, cutOff);
    text.remove(QChar::Null);
    return text;
}
