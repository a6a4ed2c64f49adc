#pragma once
// Every text field of a dialog holds one line. A line edit takes no line break
// when typed, but pasted or preset text may carry one; it would end the field
// early in the file it is written to and shift every field after it, so the
// text is cut at its first CR, LF or NUL as soon as it arrives.
class QWidget;

// Keeps every line edit below the dialog to one line. Call once the fields are made.
void KeepFieldsToOneLine(QWidget* dialog);
