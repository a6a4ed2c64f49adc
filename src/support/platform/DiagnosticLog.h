#pragma once
// The diagnostic log "ErrorChk.txt" in the base directory: a header written at
// every start, then one entry per call, each entry a newline followed by its
// text. Best effort: an entry that cannot be written is dropped.
#include <QString>

void InitLog();
void LogLine(const QString& text);
