// Arbitrary settings files: whatever is read, saved the way Setup saves it, must read back the
// same.

#include "fuzz/FuzzCheck.h"
#include "storage/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const SettingsRead read = parseSettings(bytes);
    const StoredSettings& values = read.values;
    const SettingsRead again = parseSettings(textFileBytes(
        settingsLines({values.playSound, values.popUpLog, QString::number(values.interval.hours),
                       QString::number(values.interval.minutes), QString::number(values.interval.seconds)})));
    check(!again.error);
    check(again.values == values);
    return 0;
}
