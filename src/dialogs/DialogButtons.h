#pragma once
// The OK and Cancel buttons every input dialog ends with, carrying the
// platform's control ids 1 and 2.
#include <QDialogButtonBox>

class QDialog;

QDialogButtonBox* OkCancelButtons(QDialog* dialog);
