#pragma once

#include "platform/Messages.h"
#include "storage/TextFile.h"

#include <QLatin1String>

// Titles of the file-error message boxes: one for a file that could not be read, one for a
// file that could not be written (which the program reports and then carries on).
inline constexpr QLatin1String OpenFileErrorTitle("Error Opening File");
inline constexpr QLatin1String SaveFileErrorTitle("Error Saving File");

// Shows the file's headline and the error in a box with the critical icon.
void reportFileError(Messages& messages, const QString& headline, const QString& title, const FileError& error);
