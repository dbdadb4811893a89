#pragma once

#include "core/Settings.h"
#include "storage/TextFile.h"

#include <QString>
#include <QStringList>
#include <optional>

// The alerts and the interval as the settings file holds them.
struct StoredSettings
{
    bool playSound = false;
    bool popUpLog = false;
    Interval interval;

    friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};

// With an error, values hold what the lines before the failing one set, and the defaults for
// everything else.
struct SettingsRead
{
    StoredSettings values;
    std::optional<FileError> error;
};

// The setup dialog's fields as the user left them: written as typed.
struct SettingsTexts
{
    bool playSound = false;
    bool popUpLog = false;
    QString hours;
    QString minutes;
    QString seconds;
};

inline constexpr auto SettingsFileName = "Setup.ini";
inline constexpr auto SettingsErrorHeadline = QT_TRANSLATE_NOOP("FileError", "Erro with Setup.ini File");

SettingsRead loadSettings(const QString& path);
std::optional<FileError> saveSettings(const QString& path, const SettingsTexts& texts);

// What loadSettings reads from the file's bytes, and the lines saveSettings writes.
SettingsRead parseSettings(const QByteArray& bytes);
QStringList settingsLines(const SettingsTexts& texts);

// A field's text as an interval part: the number rounded toward minus infinity ("2.7" is 2,
// "-1.5" is -2). Nothing for text that is no plain decimal number or does not fit an int.
std::optional<int> wholeNumberDown(const QString& text);
