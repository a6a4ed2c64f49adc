#pragma once
// Driving a dialog as a person would in the dialog tests: its controls found
// by id, clicks, typing, and the dialogs' own message boxes recorded and
// answered.
#include "dialogs/DialogMessage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace dialogdriving {

// Records every message box a dialog shows and answers OK.
struct Messages {
    QStringList texts;
    QStringList captions;
    Messages()
    {
        SetMessageShower([this](QWidget*, const QString& text, const QString& caption, QMessageBox::StandardButtons) {
            texts << text;
            captions << caption;
            return int(QMessageBox::Ok);
        });
    }
    ~Messages() { SetMessageShower(nullptr); }
};

template <class T>
T* Control(QWidget& dialog, const char* id)
{
    T* control = dialog.findChild<T*>(QLatin1String(id));
    EXPECT_NE(nullptr, control) << id;
    return control;
}

inline void Click(QWidget& dialog, const char* id)
{
    QTest::mouseClick(Control<QPushButton>(dialog, id), Qt::LeftButton);
}

inline void Retype(QWidget& dialog, const char* id, const QString& text)
{
    QLineEdit* edit = Control<QLineEdit>(dialog, id);
    edit->clear();
    QTest::keyClicks(edit, text);
}

inline QString Text(QWidget& dialog, const char* id)
{
    return Control<QLineEdit>(dialog, id)->text();
}

// A control's tooltip, and a button's or box's label when it has one.
inline QString Tip(QWidget& dialog, const char* id)
{
    return Control<QWidget>(dialog, id)->toolTip();
}
inline QString Label(QWidget& dialog, const char* id)
{
    return Control<QAbstractButton>(dialog, id)->text();
}

// Checks a table of controls: id, label (none for an edit or list), tooltip.
struct ControlText {
    const char* id;
    const char* label;
    const char* tip;
};
template <size_t N>
void ExpectControls(QWidget& dialog, const ControlText (&controls)[N])
{
    for (const ControlText& c : controls) {
        if (c.label)
            EXPECT_EQ(QString::fromUtf8(c.label), Label(dialog, c.id)) << c.id;
        EXPECT_EQ(QString::fromUtf8(c.tip), Tip(dialog, c.id)) << c.id;
    }
}

inline QStringList Lines(QWidget& dialog, const char* id)
{
    QStringList lines;
    QListWidget* list = Control<QListWidget>(dialog, id);
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

inline void Select(QWidget& dialog, const char* id, int row)
{
    Control<QListWidget>(dialog, id)->setCurrentRow(row);
}

} // namespace dialogdriving
