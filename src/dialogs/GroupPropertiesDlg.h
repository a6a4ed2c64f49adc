#pragma once
// "Group Properties" (dialog 139): a group's music, its dimensions, its script,
// or removing it.
#include <QDialog>
#include <QString>

class CGroup;
class CGroupList;
class CNameList;
class CMessagePort;
class QComboBox;

class CGroupPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    // The sound list is read again from the quest's soundlist.txt on opening;
    // `ui` shows the message when that file cannot be opened. "Delete Group"
    // removes the group from `groups`.
    CGroupPropertiesDlg(CGroup* group, CGroupList* groups, CNameList* soundList, CMessagePort* ui,
                        QWidget* parent = nullptr);

    // Without a group or a sound list the dialog ends at once with the cancel result.
    int exec() override;
    void accept() override;

    // The music chosen; the group's music when the dialog opened.
    QString music;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Initialise();
    void EditGroup();
    void DeleteGroup();
    void EditScript();

    CGroup* m_group;
    CGroupList* m_groups;
    CNameList* m_soundList;
    CMessagePort* m_ui;
    QComboBox* m_music;
    bool m_initialised = false;
};
