#pragma once

#include "storage/TextFile.h"

#include <QLatin1String>
#include <QStringList>
#include <optional>

struct ItemListRead
{
    QStringList items;
    std::optional<FileError> error;
};

inline constexpr QLatin1String ItemListErrorHeadline("Error with List.ini File");

// The watched item numbers, one per line in list order. Empty lines are skipped; every other
// line is an entry exactly as it stands, blanks and duplicates included.
ItemListRead LoadItemList(const QString& programFolder);

std::optional<FileError> SaveItemList(const QString& programFolder, const QStringList& items);
