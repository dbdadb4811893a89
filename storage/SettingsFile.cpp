#include "storage/SettingsFile.h"

#include "core/DecimalText.h"

#include <cerrno>

namespace {
// The number after a key that starts its line; the key's length is cut off blindly, so a key
// that does not start its line leaves text that is no number.
std::optional<FileError> readPart(const QString& line, qsizetype keyLength, int& part)
{
    const std::optional<DecimalText> number = DecimalText::parse(QStringView(line).mid(keyLength));
    if (!number) {
        return FileError::fromErrno(EINVAL);
    }
    const std::optional<int> value = number->floorToInt();
    if (!value) {
        return FileError::fromErrno(ERANGE);
    }
    part = *value;
    return std::nullopt;
}

QString fieldText(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("0") : text;
}

QString flagText(bool on)
{
    return on ? QStringLiteral("True") : QStringLiteral("False");
}
} // namespace

std::optional<int> wholeNumberDown(const QString& text)
{
    const std::optional<DecimalText> number = DecimalText::parse(text);
    return number ? number->floorToInt() : std::nullopt;
}

SettingsRead loadSettings(const QString& path)
{
    const FileBytes file = readFileBytes(path);
    if (file.error) {
        return {{}, file.error};
    }
    return parseSettings(file.bytes);
}

SettingsRead parseSettings(const QByteArray& bytes)
{
    SettingsRead read;
    for (const QString& line : textLines(bytes)) {
        // A line takes effect whole or not at all: the one that fails changes nothing.
        StoredSettings next = read.values;
        if (line.contains(u"=True") && line.contains(u"OpenWindow")) {
            next.popUpLog = true;
        }
        if (line.contains(u"PlayWave") && line.contains(u"=True")) {
            next.playSound = true;
        }
        if (line.contains(u'=') && line.contains(u"Hours")) {
            read.error = readPart(line, 6, next.interval.hours);
        }
        if (!read.error && line.contains(u"Minutes") && line.contains(u'=')) {
            read.error = readPart(line, 8, next.interval.minutes);
        }
        if (!read.error && line.contains(u"Seconds") && line.contains(u'=')) {
            read.error = readPart(line, 8, next.interval.seconds);
        }
        if (read.error) {
            break;
        }
        read.values = next;
    }
    return read;
}

std::optional<FileError> saveSettings(const QString& path, const SettingsTexts& texts)
{
    return writeTextFile(path, settingsLines(texts));
}

QStringList settingsLines(const SettingsTexts& texts)
{
    return {
        QStringLiteral("PlayWave=") + flagText(texts.playSound),
        QStringLiteral("OpenWindow=") + flagText(texts.popUpLog),
        QStringLiteral("Hours=") + fieldText(texts.hours),
        QStringLiteral("Minutes=") + fieldText(texts.minutes),
        QStringLiteral("Seconds=") + fieldText(texts.seconds),
    };
}
