#pragma once
// The OK and Cancel buttons every input dialog ends with, carrying the
// platform's control ids 1 and 2, and the dialogs' other push buttons.
#include <QDialogButtonBox>
#include <QString>

class QDialog;
class QPushButton;
class QWidget;

QDialogButtonBox* OkCancelButtons(QDialog* dialog);

// A push button found by its control id, with its tooltip; it never becomes
// the default button, so Return keeps meaning OK.
QPushButton* ActionButton(QWidget* parent, const QString& text, const char* id, const QString& tip);
