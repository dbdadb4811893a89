// Arbitrary settings files: whatever is read, saved the way Setup saves it, must read back the
// same. And fields typed as numbers must come back as the interval Setup's OK put in place.
// The first three lines of the input stand for the three fields.

#include "fuzz/FuzzCheck.h"
#include "storage/SettingsFile.h"

#include <utility>

namespace {
SettingsRead saveAndLoad(const SettingsTexts& texts)
{
    return parseSettings(textFileBytes(settingsLines(texts)));
}

void fieldsComeBack(const QByteArray& bytes)
{
    const QStringList lines = textLines(bytes);
    // The alerts from the input's length, so that every pair of them comes by.
    const SettingsTexts texts{bytes.size() % 2 == 1, bytes.size() % 3 == 1, lines.value(0), lines.value(1),
                              lines.value(2)};
    Interval typed;
    for (auto [text, part] : {std::pair{&texts.hours, &typed.hours}, std::pair{&texts.minutes, &typed.minutes},
                              std::pair{&texts.seconds, &typed.seconds}}) {
        const std::optional<int> number = wholeNumberDown(*text);
        if (!number && !text->isEmpty()) {
            return; // not a number: the file keeps it, and the next start says so
        }
        *part = number.value_or(0);
    }
    const SettingsRead again = saveAndLoad(texts);
    check(!again.error);
    check(again.values == (StoredSettings{texts.playSound, texts.popUpLog, typed}));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const SettingsRead read = parseSettings(bytes);
    const StoredSettings& values = read.values;
    const SettingsRead again =
        saveAndLoad({values.playSound, values.popUpLog, QString::number(values.interval.hours),
                     QString::number(values.interval.minutes), QString::number(values.interval.seconds)});
    check(!again.error);
    check(again.values == values);
    fieldsComeBack(bytes);
    return 0;
}
