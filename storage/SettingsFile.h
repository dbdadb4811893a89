#pragma once

#include "storage/TextFile.h"

#include <QLatin1String>
#include <QString>
#include <optional>

// The alert choices and the interval as the settings file gives them.
struct Settings
{
    bool PlayWave = false;
    bool OpenWindow = false;
    int Hours = 0;
    int Minutes = 0;
    int Seconds = 0;
};

// What a read produced. With an error, values holds what the lines before the failure set
// and the defaults for everything else.
struct SettingsRead
{
    Settings values;
    std::optional<FileError> error;
};

inline constexpr QLatin1String SettingsErrorHeadline("Erro with Setup.ini File");
// A read failure goes under OpenFileErrorTitle (FileMessages.h), a write failure under SaveFileErrorTitle.

SettingsRead LoadSettings(const QString& programFolder);

// Writes the five lines from the setup dialog's check boxes and time field texts, taken as typed.
std::optional<FileError> SaveSettings(const QString& programFolder, bool playSound, bool popUpWindow,
                                      const QString& hours, const QString& minutes, const QString& seconds);

// Converts a value text to a whole number, rounding toward minus infinity. Accepted: an
// optional sign, decimal digits with an optional fraction after a point ("2.7", "-1.5",
// ".5", "5."), and blanks (spaces, tabs) around it. No exponents, thousands separators or
// locale decimal commas, so a file reads the same everywhere. Empty when the text is not
// such a number or the result does not fit an int.
std::optional<int> wholeNumberDown(const QString& text);
