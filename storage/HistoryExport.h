#pragma once

#include "storage/HistoryScan.h"
#include "storage/HistoryStore.h"
#include "storage/SaveFile.h"

#include <QObject>
#include <QStringList>

// The header line and a row's line of the CSV after RFC 4180: every field in double quotes (a
// quote inside doubled), times in ISO 8601 in UTC.
QString historyCsvHeader();
QString historyCsvLine(const Observation& row);

// Writes one item's rows (every item's when the number is empty) to a CSV file, UTF-8 with
// lines ending in CR LF, reading and writing a slice at a time from the event loop, so memory
// stays small and the window responsive however many rows there are. The file takes its place
// only when whole; dropped before, the export leaves the old file as it was.
class HistoryExport : public QObject
{
    Q_OBJECT
public:
    HistoryExport(HistoryStore& store, const QString& itemNumber, const QString& path, QObject* parent = nullptr);

    void start();
    // Writes the rest at once: a save in progress completes when the program ends.
    void finishNow();
    qint64 total() const { return m_scan.total(); }
    qint64 done() const { return m_scan.done(); }

Q_SIGNALS:
    void progressed();
    // No error: the file is in place. Else the name of the file that failed and why.
    void finished(const QString& failedFile, const std::optional<FileError>& error);

private:
    void write(const QList<Observation>& rows);
    void scanned(const std::optional<HistoryError>& error);
    void fail(const QString& file, const FileError& error);

    HistoryScan m_scan;
    SaveFile m_file;
    QString m_fileName;
    bool m_failed = false;
};
