#pragma once

#include "platform/Messages.h"
#include "storage/HistoryStore.h"

#include <QString>

// "Error <number>: <description>", or the description alone for what the store found itself.
QString historyErrorLine(const HistoryError& error);
// What to do about it, in a sentence or two.
QString historyAdvice(const HistoryError& error);
// The box for a failure of the history file: what is wrong, then what to do.
Message historyMessage(const HistoryError& error);
