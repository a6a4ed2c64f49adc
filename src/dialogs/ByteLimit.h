#pragma once
// A text field that stops at what its file keeps, counted in the bytes of the
// typed text's UTF-8: what is typed or pasted beyond that is cut at a
// character, never inside one, as the field's own length limit cuts it.
#include <QString>

class QLineEdit;

// Installs the limit on a field whose text is already set: a longer text
// already there is kept until it is edited (the dialog's check on OK, or its
// untouched bytes, decide about it).
void LimitToBytes(QLineEdit* field, int bytes);

// How many bytes a typed text takes in a file.
int TypedBytes(const QString& text);
