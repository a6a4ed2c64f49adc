#pragma once
// "Screen Properties" (dialog 130): what to do with one map cell's screen. It
// ends with a code the map designer acts on (3001 edit, 3002 delete, 3004 edit
// group, 3005 move, 3006 copy) or OK, and stores its "Screen is Inside" box
// into the cell on every way out but Delete and Cancel.
#include <QDialog>

class CMapCell;
class QCheckBox;

class CScreenPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    // The cell at (column, row) of the map.
    CScreenPropertiesDlg(CMapCell* cell, int column, int row, QWidget* parent = nullptr);

    // Without a cell the dialog ends at once with the cancel result.
    int exec() override;

private:
    // Stores the inside flag and ends with the code.
    void EndApplying(int code);
    void EditScript();
    void DeleteScreen();

    CMapCell* m_cell;
    int m_column;
    int m_row;
    QCheckBox* m_inside;
};
