#include "dialogs/GroupPropertiesDlg.h"

#include "build/NameList.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/GroupDimensionsDlg.h"
#include "quest/Group.h"
#include "support/io/TextCodec.h"
#include "support/paths/Globals.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/LaunchEditor.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CGroupPropertiesDlg::CGroupPropertiesDlg(CGroup* group, CGroupList* groups, CNameList* soundList, CMessagePort* ui,
                                         QWidget* parent)
    : QDialog(parent), m_group(group), m_groups(groups), m_soundList(soundList), m_ui(ui)
{
    setWindowTitle(QStringLiteral("Group Properties"));
    auto* edit = new QPushButton(QStringLiteral("&Edit Group"), this);
    edit->setObjectName(QStringLiteral("1009"));
    edit->setToolTip(QStringLiteral("Edit the group's dimensions"));
    auto* remove = new QPushButton(QStringLiteral("&Delete Group"), this);
    remove->setObjectName(QStringLiteral("1010"));
    remove->setToolTip(QStringLiteral("Remove the group"));
    auto* script = new QPushButton(QStringLiteral("&Edit Group's Script"), this);
    script->setObjectName(QStringLiteral("1011"));
    script->setToolTip(QStringLiteral("Edit this group's script file"));
    for (QPushButton* b : {edit, remove, script})
        b->setAutoDefault(false);
    auto* label = new QLabel(QStringLiteral("Group's music:"), this);
    m_music = new QComboBox(this);
    m_music->setObjectName(QStringLiteral("1021"));
    m_music->setToolTip(QStringLiteral("Select music to play in this group"));
    m_music->setMinimumContentsLength(20);
    label->setBuddy(m_music);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));

    auto* actions = new QHBoxLayout;
    actions->addWidget(edit);
    actions->addWidget(script);
    actions->addWidget(remove);
    auto* musicRow = new QHBoxLayout;
    musicRow->addWidget(label);
    musicRow->addWidget(m_music, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(actions);
    layout->addLayout(musicRow);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(edit, &QPushButton::clicked, this, &CGroupPropertiesDlg::EditGroup);
    connect(remove, &QPushButton::clicked, this, &CGroupPropertiesDlg::DeleteGroup);
    connect(script, &QPushButton::clicked, this, &CGroupPropertiesDlg::EditScript);
}

int CGroupPropertiesDlg::exec()
{
    if (!m_group || !m_soundList)
        return Rejected;
    return QDialog::exec();
}

void CGroupPropertiesDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        Initialise();
    }
    QDialog::showEvent(event);
}

void CGroupPropertiesDlg::Initialise()
{
    if (!m_group || !m_soundList)
        return;
    music = m_group->music;
    if (m_ui)
        m_soundList->ReadTreeFile(SoundListPath(), QLatin1String(kSoundListMissing), *m_ui);
    m_music->clear();
    // Each entry shows its name readably and keeps the name's own bytes.
    for (const QString& choice : m_soundList->MusicChoices())
        m_music->addItem(DisplayText(choice), choice);
    // The first entry that begins with the music name, in any case, as a
    // combo box's select-string finds it; none for no name.
    int selected = -1;
    if (!music.isEmpty())
        for (int i = 0; i < m_music->count() && selected < 0; ++i)
            if (m_music->itemData(i).toString().startsWith(music, Qt::CaseInsensitive))
                selected = i;
    m_music->setCurrentIndex(selected);
}

void CGroupPropertiesDlg::EditGroup()
{
    if (!m_group)
        return;
    CGroupDimensionsDlg dialog(m_group, this);
    dialog.exec();
}

void CGroupPropertiesDlg::DeleteGroup()
{
    if (!m_group || !m_groups)
        return;
    m_groups->Remove(m_group);
    m_group = nullptr; // gone with the list's node
    done(Accepted);
}

void CGroupPropertiesDlg::EditScript()
{
    if (!m_group)
        return;
    CDialogMessages messages(this);
    LaunchEditor(messages, GroupScriptPath(m_group->id));
}

void CGroupPropertiesDlg::accept()
{
    if (m_music->currentIndex() >= 0 && !m_music->currentText().isEmpty())
        music = m_music->currentData().toString();
    if (m_group)
        m_group->music = music;
    QDialog::accept();
}
