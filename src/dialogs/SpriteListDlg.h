#pragma once
// "Sprite List" (dialog 165): every sprite of the sheet designer's sheet, with
// buttons to edit the selected sprite or its animation and to delete it.
#include <QDialog>

class CSheetDesigner;
class QListWidget;

class CSpriteListDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSpriteListDlg(CSheetDesigner* designer, QWidget* parent = nullptr);

    // Without a designer the dialog ends at once.
    int exec() override;

private:
    void Refill();
    void EditSprite();
    void EditAnimation();
    void DeleteSprite();

    CSheetDesigner* m_designer;
    QListWidget* m_list;
};
