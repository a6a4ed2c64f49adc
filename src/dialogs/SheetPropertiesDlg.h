#pragma once
// "Sprite Sheet Properties" (dialog 168): the sheet's title, at most 64
// characters and the 63 bytes the sheet file keeps; taken on OK.
#include <QDialog>
#include <QString>

class QLineEdit;

class CSheetPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSheetPropertiesDlg(const QString& title, QWidget* parent = nullptr);
    void accept() override;

    QString title;

private:
    QLineEdit* m_title;
};

constexpr int kSheetTitleChars = 64;
