#include "tests/support/NetworkRig.h"

#include "core/ProgramFiles.h"

NetworkRig::NetworkRig(std::chrono::milliseconds timeout) : transfer(manager, timeout)
{
    grid.ResetGrid();
}

void NetworkRig::retrieve(const QString& url)
{
    if (grid.rows() < 3) {
        grid.setRows(3);
        grid.setText(1, 0, QStringLiteral("1001"));
    }
    cycle.CurrentRow = 1;
    cycle.ItemUrl = url;
    retriever.RetrieveItemPage();
}

QByteArray NetworkRig::pageFile() const
{
    return folder.read(QString::fromLatin1(ProgramFiles::Page));
}

bool NetworkRig::pageFileExists() const
{
    return folder.exists(QString::fromLatin1(ProgramFiles::Page));
}
