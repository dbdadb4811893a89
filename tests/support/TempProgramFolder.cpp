#include "tests/support/TempProgramFolder.h"

#include <QFile>

TempProgramFolder::TempProgramFolder()
{
    Q_ASSERT(m_dir.isValid());
}

void TempProgramFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(m_dir.filePath(name));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

QByteArray TempProgramFolder::read(const QString& name) const
{
    QFile file(m_dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
