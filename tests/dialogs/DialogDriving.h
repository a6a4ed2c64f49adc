#pragma once
// Driving a dialog as a person would in the dialog tests: its controls found
// by id, clicks, typing, and the dialogs' own message boxes recorded and
// answered.
#include "dialogs/DialogMessage.h"
#include "helpers/TempBase.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace dialogdriving {

// Records every message box a dialog shows and answers each from a queue
// (OK when it is empty).
struct Messages {
    QStringList texts;
    QStringList captions;
    std::vector<QMessageBox::StandardButtons> buttons;
    QList<int> answers;
    Messages()
    {
        SetMessageShower([this](QWidget*, const QString& text, const QString& caption, QMessageBox::StandardButtons b) {
            texts << text;
            captions << caption;
            buttons.push_back(b);
            return answers.isEmpty() ? int(QMessageBox::Ok) : answers.takeFirst();
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

// Clicks a check box on its indicator (a box stretched by its layout does not
// take clicks in its middle).
inline void Tick(QWidget& dialog, const char* id)
{
    QCheckBox* box = Control<QCheckBox>(dialog, id);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
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
        if (c.label) {
            EXPECT_EQ(QString::fromUtf8(c.label), Label(dialog, c.id)) << c.id;
        }
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

// An external editor that writes down the script it was started on, and
// that script once it has been written.
inline void InstallRecordingEditor(const CTempBase& base)
{
    base.Write(QStringLiteral("editor\\cgenie"), "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/../launched.tmp\"\n"
                                                 "mv \"$(dirname \"$0\")/../launched.tmp\" \"$(dirname \"$0\")/../launched.txt\"\n");
    QFile::setPermissions(base.Path(QStringLiteral("editor\\cgenie")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

inline QString LaunchedScript(const CTempBase& base)
{
    const QString path = base.Path(QStringLiteral("launched.txt"));
    (void)QTest::qWaitFor([&] { return QFile::exists(path); }, 10000);
    return QString::fromLocal8Bit(base.Read(QStringLiteral("launched.txt")));
}
} // namespace dialogdriving
