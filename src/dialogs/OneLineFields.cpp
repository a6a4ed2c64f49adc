#include "dialogs/OneLineFields.h"

#include "support/io/FieldLine.h"

#include <QLineEdit>

void KeepFieldsToOneLine(QWidget* dialog)
{
    for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
        auto cut = [field](const QString& text) {
            const QString line = OneLineText(text);
            if (line.size() == text.size())
                return;
            const int cursor = qMin(field->cursorPosition(), int(line.size()));
            field->setText(line);
            field->setCursorPosition(cursor);
        };
        QObject::connect(field, &QLineEdit::textChanged, field, cut);
        cut(field->text());
    }
}
