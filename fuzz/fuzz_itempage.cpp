// Item pages as they come off the network: arbitrary bytes decoded and read for the values. A
// reading that fails is the reader's answer to a broken page; a crash, a hang, a sanitizer report
// or a broken promise (a NUL in the text included) is a finding.
//
// Input: a flags byte, a byte kept for older inputs, then, when flag 1 is set, a Content-Type
// value up to the first line feed; the rest is the body. Flag 2: the page counts as cut off.

#include "core/ItemPageReader.h"
#include "core/PageDecoder.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const quint8 flags = bytes.isEmpty() ? 0 : static_cast<quint8>(bytes[0]);
    QByteArray body = bytes.mid(2);
    QByteArray contentType;
    const qsizetype end = body.first(std::min<qsizetype>(body.size(), 128)).indexOf('\n');
    if ((flags & 1) && end >= 0) {
        contentType = body.first(end);
        body = body.sliced(end + 1);
    }
    const QString page = decodePage(body, contentType, flags & 2);
    check(!page.contains(QChar::Null));

    // A reading holds the values before its failure and none after; without a failure, all of them.
    const ItemPageReading reading = readItemPage(page);
    bool stopped = !reading.foundPriceLine;
    for (const std::optional<QString>& value : reading.values) {
        if (!value) {
            stopped = true;
        } else {
            check(!stopped && !value->contains(u'<'));
        }
    }
    check(reading.foundPriceLine ? stopped == reading.failure.has_value()
                                 : !reading.failure && reading.missingLabels.isEmpty());
    check(!reading.failure || !reading.failure->isEmpty());
    for (PageField field : reading.missingLabels) {
        check(reading.value(field) && reading.value(field)->isEmpty());
    }
    return 0;
}
