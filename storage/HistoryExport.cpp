#include "storage/HistoryExport.h"

namespace {
QString quoted(const QString& field)
{
    QString text = field;
    return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString csvLine(const QStringList& fields)
{
    QStringList quotedFields;
    quotedFields.reserve(fields.size());
    for (const QString& field : fields) {
        quotedFields << quoted(field);
    }
    return quotedFields.join(u',');
}
} // namespace

QStringList historyCsvLines(const QList<Observation>& rows)
{
    QStringList lines{csvLine({QStringLiteral("Time (UTC)"), QStringLiteral("Item #"), QStringLiteral("Price"),
                               QStringLiteral("Quantity"), QStringLiteral("Bids"), QStringLiteral("Time Left"),
                               QStringLiteral("Time Ends"), QStringLiteral("Seller"), QStringLiteral("High Bidder")})};
    lines.reserve(rows.size() + 1);
    for (const Observation& row : rows) {
        QStringList fields{row.time.toUTC().toString(Qt::ISODate), row.itemNumber};
        for (const std::optional<QString>& value : row.values) {
            fields << value.value_or(QString());
        }
        lines << csvLine(fields);
    }
    return lines;
}

std::optional<FileError> exportHistory(const QList<Observation>& rows, const QString& path)
{
    return writeTextFile(path, historyCsvLines(rows));
}
