#include "ui/HistoryMessages.h"

#include <QCoreApplication>

namespace {
struct HistoryMessages
{
    Q_DECLARE_TR_FUNCTIONS(HistoryMessages)
};
} // namespace

QString historyErrorLine(const HistoryError& error)
{
    if (error.error.number == 0) {
        return error.error.description;
    }
    return HistoryMessages::tr("Error %1: %2").arg(error.error.number).arg(error.error.description);
}

QString historyAdvice(const HistoryError& error)
{
    QString retried =
        HistoryMessages::tr("Bidorra keeps the changes it sees and tries again at every round; monitoring goes on.");
    const QString leftAlone =
        HistoryMessages::tr("The file was left as it is, and monitoring goes on without a history.");
    switch (error.cause) {
    case HistoryError::Cause::Busy:
        return HistoryMessages::tr("Another program is using the file.") + u' ' + retried;
    case HistoryError::Cause::Full:
        return HistoryMessages::tr("The disk may be full: make room on it.") + u' ' + retried;
    case HistoryError::Cause::NoAccess:
        return HistoryMessages::tr("Make sure you may read and write the file and its folder.") + u' ' + retried;
    case HistoryError::Cause::Damaged:
        return leftAlone + u' ' +
               HistoryMessages::tr(
                   "To start a new history, end Bidorra and move the file out of the program folder or delete it.");
    case HistoryError::Cause::NewerLayout:
        return leftAlone + u' ' +
               HistoryMessages::tr(
                   "Use the newer version of Bidorra, or end Bidorra and move the file out of the program folder "
                   "to start a new history.");
    case HistoryError::Cause::NotRegular:
        return HistoryMessages::tr(
                   "Bidorra neither follows links nor writes to special files. Put the file itself in that place, "
                   "or remove what is there.") +
               u' ' + retried;
    case HistoryError::Cause::Replaced:
        return HistoryMessages::tr(
            "Bidorra made a new history.sqlite and goes on with it; the history starts again from here.");
    case HistoryError::Cause::Other:
        break;
    }
    return retried;
}

Message historyMessage(const HistoryError& error)
{
    const bool replaced = error.cause == HistoryError::Cause::Replaced;
    const QString title = replaced                                    ? HistoryMessages::tr("History File Made Again")
                          : error.step == HistoryError::Step::Opening ? HistoryMessages::tr("Error Opening File")
                                                                      : HistoryMessages::tr("Error Saving File");
    return {HistoryMessages::tr("Error with history.sqlite File") + QStringLiteral("\r\r") + historyErrorLine(error) +
                QStringLiteral("\r\r") + historyAdvice(error),
            title, replaced ? Message::Icon::Information : Message::Icon::Critical};
}
