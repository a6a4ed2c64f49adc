#include "support/ui/Unanswered.h"

#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcUnanswered, "tessell.ui", QtWarningMsg)
}

void LogUnanswered(const char* call, const QString& what)
{
    if (what.isEmpty())
        qCInfo(lcUnanswered, "nobody answered %s", call);
    else
        qCInfo(lcUnanswered, "nobody answered %s: %s", call, qUtf8Printable(what));
}
