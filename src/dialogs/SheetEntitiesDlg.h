#pragma once
// "Sprite Sheet Contains Entities" (dialog 170): the entities of a sheet just
// added that the quest's entity tree lacks, the folder to add them to, and
// whether the sounds their scripts play come too. OK adds them while the
// dialog still stands, so its messages are shown over it.
#include <QDialog>

class CSheetEntitiesImport;
class QCheckBox;
class QLineEdit;
class QListWidget;

class CSheetEntitiesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSheetEntitiesDlg(CSheetEntitiesImport& import, QWidget* parent = nullptr);
    void accept() override;

private:
    CSheetEntitiesImport& m_import;
    QListWidget* m_entities;
    QCheckBox* m_addSounds;
    QLineEdit* m_folder;
};
