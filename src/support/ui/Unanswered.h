#pragma once
// A Ui port area's default answer: with nobody there to ask, the question gets
// the answer that changes nothing (No, Cancel, OK on a message) and is logged
// on the "tessell.ui" category, which is quiet unless it is switched on
// (QT_LOGGING_RULES="tessell.ui.info=true").
#include <QString>

void LogUnanswered(const char* call, const QString& what = QString());
