#include "storage/FileMessages.h"

void reportFileError(Messages& messages, const QString& headline, const QString& title, const FileError& error)
{
    messages.show(fileErrorText(headline, error), title, Messages::Icon::Critical);
}
