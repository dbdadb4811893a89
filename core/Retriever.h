#pragma once

#include "core/AppState.h"
#include "core/MonitorPorts.h"

#include <QString>

class HttpTransfer;
class Messages;
class PageParser;
class QFile;

// Fetches the item page at CycleState::ItemUrl, stores its first part in the page file and
// feeds the file's lines to the parser. Waits sleep in a nested event loop, so Stop, clicks
// and timer ticks run meanwhile.
class Retriever final : public Retrieval
{
public:
    static constexpr qsizetype ChunkSize = 1024;
    static constexpr qint32 PageLimit = 12000;

    struct Ports
    {
        CycleState& cycle;
        HttpTransfer& transfer;
        PageParser& parser;
        Messages& messages;
        MonitorView& view;
        QString programFolder;
    };

    explicit Retriever(const Ports& ports);

    void RetrieveItemPage() override;
    void cancelTransfer() override;

private:
    // Sleeps in a nested event loop until the transfer reports progress.
    void waitForProgress();
    // Each returns false when a stop was requested meanwhile.
    bool waitForResponse();
    bool download(QFile& page);
    void readPage(QFile& page);

    Ports m_ports;
};
