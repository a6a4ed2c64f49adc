#pragma once
// Every screen has a script: questdata\{quest}\scripts\screen\{x}-{y}.ves,
// made from the template "questdata\standardscreen.ves" when it is missing or
// empty. A script with content is never touched.
#include <QString>

// 1 when the screen has a script with content afterwards. A missing template
// fails quietly.
int EnsureScreenScript(int column, int row);
