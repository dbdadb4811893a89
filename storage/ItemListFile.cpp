#include "storage/ItemListFile.h"

#include <QCoreApplication>
#include <cerrno>

namespace {
// The numbers of the lines left out, the first few of them by number.
FileError overlongLines(const QList<int>& lines)
{
    constexpr qsizetype Named = 5;
    QStringList numbers;
    for (qsizetype i = 0; i < std::min(lines.size(), Named); ++i) {
        numbers << QString::number(lines[i]);
    }
    QString named = numbers.join(QStringLiteral(", "));
    if (lines.size() > Named) {
        named = QCoreApplication::translate("ItemListFile", "%1 and %2 more").arg(named).arg(lines.size() - Named);
    } else if (lines.size() > 1) {
        const QString last = numbers.takeLast();
        named = QCoreApplication::translate("ItemListFile", "%1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
    }
    const QString text =
        lines.size() == 1
            ? QCoreApplication::translate("ItemListFile", "line %1 is longer than %2 characters and was left out")
            : QCoreApplication::translate("ItemListFile", "lines %1 are longer than %2 characters and were left out");
    return {EOVERFLOW, text.arg(named).arg(ItemNumberLimit)};
}
} // namespace

ItemListRead loadItemList(const QString& path)
{
    const FileBytes file = readFileBytes(path);
    if (file.error) {
        return {{}, file.error};
    }
    return parseItemList(file.bytes);
}

ItemListRead parseItemList(const QByteArray& bytes)
{
    ItemListRead read;
    QList<int> overlong;
    const QStringList lines = textLines(bytes);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > ItemNumberLimit) {
            overlong << static_cast<int>(i + 1);
        } else if (!lines[i].isEmpty()) {
            read.items << lines[i];
        }
    }
    if (!overlong.isEmpty()) {
        read.error = overlongLines(overlong);
    }
    return read;
}

std::optional<FileError> saveItemList(const QString& path, const QStringList& items)
{
    return writeTextFile(path, items);
}
