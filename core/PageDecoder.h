#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Turns the bytes of a page into text: by the charset the response declares in its
// Content-Type header or the page in a <meta> tag, else as UTF-8 when the bytes are valid
// UTF-8, else as Windows-1252, which every byte decodes in. A page cut off after its first
// part may end inside a UTF-8 letter, which does not make it invalid. NUL characters are left out.
QString decodePage(const QByteArray& body, QByteArrayView contentType = {}, bool cutOff = false);

// The charset named in a Content-Type value or in the page's markup, lower-cased; empty when none.
QByteArray declaredCharset(QByteArrayView text);
