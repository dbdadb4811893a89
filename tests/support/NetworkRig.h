#pragma once

#include "core/AppState.h"
#include "core/Monitor.h"
#include "core/PageParser.h"
#include "core/ResultsGrid.h"
#include "core/Retriever.h"
#include "platform/QtHttpTransfer.h"
#include "tests/support/Fakes.h"
#include "tests/support/ScriptedHttpServer.h"
#include "tests/support/TempProgramFolder.h"

#include <QNetworkAccessManager>
#include <chrono>

// The monitor with the real retrieval, parser and network stack, fetching from a local
// scripted server; windows, message boxes, sound, clock and connection are recording fakes.
struct NetworkRig
{
    explicit NetworkRig(std::chrono::milliseconds timeout = std::chrono::seconds(5));

    // One retrieval outside a cycle: item 1001 on row 1 of a three-row grid.
    void retrieve(const QString& url);
    QByteArray pageFile() const;
    bool pageFileExists() const;

    ScriptedHttpServer server;
    QNetworkAccessManager manager;
    QtHttpTransfer transfer;
    TempProgramFolder folder;
    AppState app;
    CycleState cycle;
    ResultsGrid grid;
    RecordingLog log;
    FakeClock clock;
    PageParser parser{cycle, grid, log, clock};
    RecordingMessages messages;
    RecordingView view;
    RecordingSound sound;
    ListItems items;
    FakeConnectionProbe probe;
    Retriever retriever{Retriever::Ports{cycle, transfer, parser, messages, view, folder.path()}};
    Monitor monitor{
        Monitor::Ports{app, cycle, grid, items, retriever, probe, clock, sound, view, folder.path(), server.host()}};
};
