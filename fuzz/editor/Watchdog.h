#pragma once
// The monkey's hang watchdog: a thread of its own that ends the run, naming the
// last action, when the editor has not come back to the monkey for longer
// than the limit. The last action is also named when the run dies of a
// sanitizer report, a fatal signal or an abort.
#include <QByteArray>

// Starts the thread; a limit of 0 or less starts none.
void StartWatchdog(double limitSeconds);
// An action begins: the clock starts again and the line is kept for a report.
void WatchAction(const QByteArray& line);
// A long job (the build) reports a step: the clock starts again for the next.
void WatchNextStep();
// The monkey's own work (its checks) is not the editor's: the clock stands
// still until the next action.
void PauseWatch();
// The longest the editor kept the monkey waiting, and on which action.
double LongestWaitSeconds();
QByteArray LongestWaitAction();
