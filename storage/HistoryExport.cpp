#include "storage/HistoryExport.h"

#include <QFileInfo>

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

QString historyCsvHeader()
{
    return csvLine({QStringLiteral("Time (UTC)"), QStringLiteral("Item #"), QStringLiteral("Price"),
                    QStringLiteral("Quantity"), QStringLiteral("Bids"), QStringLiteral("Time Left"),
                    QStringLiteral("Time Ends"), QStringLiteral("Seller"), QStringLiteral("High Bidder")});
}

QString historyCsvLine(const Observation& row)
{
    QStringList fields{row.time.toUTC().toString(Qt::ISODate), row.itemNumber};
    for (const std::optional<QString>& value : row.values) {
        fields << value.value_or(QString());
    }
    return csvLine(fields);
}

HistoryExport::HistoryExport(HistoryStore& store, const QString& itemNumber, const QString& path, QObject* parent)
    : QObject(parent), m_scan(store, itemNumber), m_file(path), m_fileName(QFileInfo(path).fileName())
{
    connect(&m_scan, &HistoryScan::rowsRead, this, &HistoryExport::write);
    connect(&m_scan, &HistoryScan::finished, this, &HistoryExport::scanned);
}

void HistoryExport::start()
{
    if (const auto error = m_file.open()) {
        fail(m_fileName, *error);
        return;
    }
    if (const auto error = m_file.write((historyCsvHeader() + QStringLiteral("\r\n")).toUtf8())) {
        fail(m_fileName, *error);
        return;
    }
    m_scan.start();
}

void HistoryExport::finishNow()
{
    m_scan.finishNow();
}

void HistoryExport::write(const QList<Observation>& rows)
{
    if (m_failed) {
        return;
    }
    QString lines;
    for (const Observation& row : rows) {
        lines += historyCsvLine(row);
        lines += QStringLiteral("\r\n");
    }
    if (const auto error = m_file.write(lines.toUtf8())) {
        fail(m_fileName, *error);
        return;
    }
    Q_EMIT progressed();
}

void HistoryExport::scanned(const std::optional<HistoryError>& error)
{
    if (m_failed) {
        return;
    }
    if (error) {
        fail(QLatin1String(HistoryFileName), error->error);
        return;
    }
    if (const auto committed = m_file.commit()) {
        fail(m_fileName, *committed);
        return;
    }
    Q_EMIT finished(QString(), std::nullopt);
}

void HistoryExport::fail(const QString& file, const FileError& error)
{
    m_failed = true;
    m_scan.stop();
    Q_EMIT finished(file, error);
}
