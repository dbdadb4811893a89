#include "core/ProgramFiles.h"

QString ProgramFiles::path(const QString& folder, const char* name)
{
    return folder + QLatin1Char('/') + QString::fromLatin1(name);
}
