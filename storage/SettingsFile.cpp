#include "storage/SettingsFile.h"

#include "core/DecimalText.h"
#include "core/ProgramFiles.h"

namespace {

struct WholeNumber
{
    std::optional<int> value;
    FileFailure failure = FileFailure::TypeMismatch;
};

WholeNumber parseWholeNumberDown(const QString& text)
{
    const std::optional<DecimalText> number = scanDecimal(text);
    if (!number) {
        return {std::nullopt, FileFailure::TypeMismatch};
    }
    const std::optional<int> value = number->floorToInt();
    return {value, value ? FileFailure::TypeMismatch : FileFailure::Overflow};
}

QString fieldText(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("0") : text;
}

} // namespace

std::optional<int> wholeNumberDown(const QString& text)
{
    return parseWholeNumberDown(text).value;
}

SettingsRead LoadSettings(const QString& programFolder)
{
    SettingsRead read;
    const TextRead file = readLines(ProgramFiles::path(programFolder, ProgramFiles::Settings));
    if (file.error) {
        read.error = file.error;
        return read;
    }
    // The key is found anywhere in the line, but its value is cut by position, so a key that
    // does not start its line leaves a value text that is no number.
    const auto number = [&read](const QString& line, qsizetype keyLength, int& target) {
        const WholeNumber parsed = parseWholeNumberDown(line.mid(keyLength));
        if (!parsed.value) {
            read.error = fileError(parsed.failure);
            return false;
        }
        target = *parsed.value;
        return true;
    };
    const QLatin1String equals("=");
    for (const QString& line : file.lines) {
        // A line takes effect whole or not at all: the one that fails leaves nothing behind.
        Settings next = read.values;
        if (line.contains(QLatin1String("=True")) && line.contains(QLatin1String("OpenWindow"))) {
            next.OpenWindow = true;
        }
        if (line.contains(QLatin1String("PlayWave")) && line.contains(QLatin1String("=True"))) {
            next.PlayWave = true;
        }
        if (line.contains(equals) && line.contains(QLatin1String("Hours")) && !number(line, 6, next.Hours)) {
            break;
        }
        if (line.contains(QLatin1String("Minutes")) && line.contains(equals) && !number(line, 8, next.Minutes)) {
            break;
        }
        if (line.contains(QLatin1String("Seconds")) && line.contains(equals) && !number(line, 8, next.Seconds)) {
            break;
        }
        read.values = next;
    }
    return read;
}

std::optional<FileError> SaveSettings(const QString& programFolder, bool playSound, bool popUpWindow,
                                      const QString& hours, const QString& minutes, const QString& seconds)
{
    const auto flag = [](bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); };
    const QStringList lines = {
        QStringLiteral("PlayWave=") + flag(playSound),   QStringLiteral("OpenWindow=") + flag(popUpWindow),
        QStringLiteral("Hours=") + fieldText(hours),     QStringLiteral("Minutes=") + fieldText(minutes),
        QStringLiteral("Seconds=") + fieldText(seconds),
    };
    return writeLines(ProgramFiles::path(programFolder, ProgramFiles::Settings), lines);
}
