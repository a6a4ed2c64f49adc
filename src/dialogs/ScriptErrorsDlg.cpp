#include "dialogs/ScriptErrorsDlg.h"

#include "build/ScriptErrors.h"
#include "common/DialogResults.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CScriptErrorsDlg::CScriptErrorsDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Error(s) found in script"));
    auto* intro = new QLabel(QStringLiteral("One of you script files contains the following errors, your quest file "
                                            "cannot be compiled until these errors are fixed."),
                             this);
    intro->setWordWrap(true);
    auto* legend = new QLabel(QStringLiteral("Each entry in the list below shows the filename, the line number the "
                                             "error occurs on and the error type:"),
                              this);
    legend->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("1055"));
    m_list->setSortingEnabled(false);
    m_list->setToolTip(QStringLiteral("Errors which occurred when compiling this script"));
    m_list->setMinimumWidth(520);
    auto* edit = new QPushButton(QStringLiteral("&Edit Script"), this);
    edit->setObjectName(QStringLiteral("1053"));
    edit->setToolTip(QStringLiteral("Edit the script which has errors"));
    edit->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(edit);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(legend);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(edit, &QPushButton::clicked, this, [this] { done(kEditScript); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ReadErrorFile();
}

void CScriptErrorsDlg::ReadErrorFile()
{
    m_list->clear();
    m_list->addItems(ReadScriptErrors());
}
