#pragma once

#include "storage/TextFile.h"

#include <QStringList>
#include <optional>

// With an error, items hold the entries read before it.
struct ItemListRead
{
    QStringList items;
    std::optional<FileError> error;
};

inline constexpr auto ItemListFileName = "list.ini";
inline constexpr auto ItemListErrorHeadline = QT_TRANSLATE_NOOP("FileError", "Error with List.ini File");
// No item number is longer; a longer line is no item number and is left out.
inline constexpr qsizetype ItemNumberLimit = 64;

// One item number per line, in list order. Empty lines are skipped; every other line is an
// entry exactly as it stands, blanks and duplicates included. A line longer than the limit is
// left out, and the error (EOVERFLOW) names its number; the lines after it are read.
ItemListRead loadItemList(const QString& path);
// What loadItemList reads from the file's bytes.
ItemListRead parseItemList(const QByteArray& bytes);
std::optional<FileError> saveItemList(const QString& path, const QStringList& items);
