#include "core/Retriever.h"

#include "core/Failure.h"
#include "core/PageParser.h"
#include "core/ProgramFiles.h"
#include "core/ResponseStatus.h"
#include "platform/HttpTransfer.h"
#include "platform/Messages.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>

namespace {
const QString FileAccessError = QStringLiteral("Path/File access error");
const QString DeviceError = QStringLiteral("Device I/O error");

// One line of the page file: it ends at CR or CR LF, while a bare LF stays in the line.
// Bytes map to characters one to one.
QString readPageLine(QFile& file)
{
    QByteArray bytes;
    char c = 0;
    while (file.getChar(&c)) {
        if (c == '\r') {
            char next = 0;
            if (file.peek(&next, 1) == 1 && next == '\n') {
                file.getChar(&next);
            }
            break;
        }
        bytes += c;
    }
    if (file.error() != QFileDevice::NoError) {
        throw Failure(DeviceError);
    }
    return QString::fromLatin1(bytes);
}
} // namespace

Retriever::Retriever(const Ports& ports) : m_ports(ports) {}

void Retriever::RetrieveItemPage()
{
    CycleState& cycle = m_ports.cycle;
    HttpTransfer& transfer = m_ports.transfer;
    QFile page(ProgramFiles::path(m_ports.programFolder, ProgramFiles::Page));
    try {
        cycle.PageParsed = false;
        transfer.get(cycle.ItemUrl);
        if (waitForResponse()) {
            const QByteArray header = transfer.headerText();
            const std::optional<StatusMessage> message = statusMessageFor(statusTextOf(header), header, transfer.url());
            if (message) {
                m_ports.messages.show(message->text, message->title, message->icon);
            } else if (download(page)) {
                readPage(page);
            }
        }
    } catch (const Failure& failure) {
        cycle.AbortRequested = true;
        m_ports.messages.show(QStringLiteral("Error: ") + failure.description() + QStringLiteral(" occurred."),
                              QStringLiteral("Error Retrieving Data"), Messages::Icon::Critical);
    }
    // The closing steps, whatever happened above. Timer1 is switched off by the cycle on return.
    transfer.cancel();
    m_ports.view.setStatusText(QStringLiteral("Stopped"));
    page.close();
}

void Retriever::cancelTransfer()
{
    m_ports.transfer.cancel();
}

void Retriever::waitForProgress()
{
    QEventLoop loop;
    QObject::connect(&m_ports.transfer, &HttpTransfer::progressed, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Retriever::waitForResponse()
{
    while (m_ports.transfer.stillExecuting()) {
        waitForProgress();
        if (m_ports.cycle.AbortRequested) {
            return false;
        }
    }
    return true;
}

bool Retriever::download(QFile& page)
{
    // Written from its start without being emptied first; the cycle removes it after every item.
    if (!page.open(QIODevice::ReadWrite)) {
        throw Failure(FileAccessError);
    }
    HttpTransfer& transfer = m_ports.transfer;
    qint32 total = 0;
    QByteArray chunk;
    do {
        while (!transfer.chunkReady(ChunkSize)) {
            waitForProgress();
            if (m_ports.cycle.AbortRequested) {
                page.remove(); // a stopped download leaves no half page behind
                return false;
            }
        }
        chunk = transfer.chunk(ChunkSize);
        if (page.write(chunk) != chunk.size()) {
            throw Failure(DeviceError);
        }
        // Chunks that are already there come without a wait; Stop must still get its turn.
        QCoreApplication::processEvents();
        total += static_cast<qint32>(chunk.size());
        if (m_ports.cycle.AbortRequested) {
            page.remove();
            return false;
        }
    } while (chunk.size() >= 2 && total < PageLimit);
    if (!page.flush()) {
        throw Failure(DeviceError);
    }
    page.close();
    transfer.cancel(); // the rest of the page is never fetched
    return true;
}

void Retriever::readPage(QFile& page)
{
    if (!page.open(QIODevice::ReadOnly)) {
        throw Failure(FileAccessError);
    }
    while (!page.atEnd()) {
        m_ports.parser.ParsePageLine(readPageLine(page));
        if (m_ports.cycle.PageParsed.value_or(false)) {
            break;
        }
    }
    page.close();
}
