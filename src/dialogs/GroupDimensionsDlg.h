#pragma once
// "Edit Group's dimensions" (dialog 140): a group's corners in whole cells.
#include <QDialog>

class CGroup;
class QLineEdit;

class CGroupDimensionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGroupDimensionsDlg(CGroup* group, QWidget* parent = nullptr);
    int exec() override;
    void accept() override;

private:
    CGroup* m_group;
    QLineEdit* m_left;
    QLineEdit* m_top;
    QLineEdit* m_right;
    QLineEdit* m_bottom;
};
