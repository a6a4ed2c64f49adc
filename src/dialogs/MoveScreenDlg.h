#pragma once
// "Move/Copy Screen" (dialog 171): the cell a screen is moved or copied to.
#include <QDialog>

#include <cstdint>

class QLineEdit;

class CMoveScreenDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMoveScreenDlg(QWidget* parent = nullptr);
    void accept() override;

    // The destination cell, read on OK; 0 and 0 until then.
    uint32_t column = 0;
    uint32_t row = 0;

private:
    QLineEdit* m_column;
    QLineEdit* m_row;
};
