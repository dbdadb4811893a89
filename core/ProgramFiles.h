#pragma once

#include <QString>

// Names of the files the program keeps in its program folder.
namespace ProgramFiles {
inline constexpr auto Settings = "Setup.ini";
inline constexpr auto ItemList = "list.ini";
inline constexpr auto Page = "data.htm";
inline constexpr auto Sound = "Auction Sound.wav";
inline constexpr auto GridExport = "Grid Data.csv";
inline constexpr auto Help = "help/Bidorra_help.htm";

// The full path of a file in the program folder.
QString path(const QString& folder, const char* name);
} // namespace ProgramFiles
