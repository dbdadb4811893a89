#include "storage/SettingsFile.h"

#include "core/ProgramFiles.h"

#include <algorithm>
#include <limits>

namespace {

struct WholeNumber
{
    std::optional<int> value;
    FileFailure failure = FileFailure::TypeMismatch;
};

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Works on the digits themselves rather than through a double, so that a long fraction such
// as 2.99999999999999999999 still rounds down to 2.
WholeNumber parseWholeNumberDown(const QString& text)
{
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && isBlank(text.at(i))) {
        ++i;
    }
    while (end > i && isBlank(text.at(end - 1))) {
        --end;
    }
    bool negative = false;
    if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    // Anything past this bound is out of range whatever the sign; stop counting there.
    constexpr qint64 beyond = qint64(std::numeric_limits<int>::max()) + 2;
    qint64 whole = 0;
    int digits = 0;
    while (i < end && isDigit(text.at(i))) {
        whole = std::min(beyond, whole * 10 + text.at(i).digitValue());
        ++digits;
        ++i;
    }
    bool fraction = false;
    if (i < end && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < end && isDigit(text.at(i))) {
            fraction = fraction || text.at(i) != QLatin1Char('0');
            ++digits;
            ++i;
        }
    }
    if (digits == 0 || i != end) {
        return {std::nullopt, FileFailure::TypeMismatch};
    }
    const qint64 value = negative ? -whole - (fraction ? 1 : 0) : whole;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return {std::nullopt, FileFailure::Overflow};
    }
    return {static_cast<int>(value), FileFailure::TypeMismatch};
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
