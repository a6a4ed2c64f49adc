#pragma once
// "Sprite Properties" (dialog 164): a sprite's code, mask code, alpha and
// flags. OK checks the fields and writes them to the sprite; Escape leaves the
// sprite as it was; Delete ends with 5001 for the designer to delete it;
// Redefine edits its rectangle at once. The close box does nothing.
#include <QDialog>

#include <QByteArray>
#include <QString>

#include <cstdint>

class CDesignerSprite;
class CSheetDesigner;
class QCheckBox;
class QLineEdit;

class CSpritePropertiesDlg : public QDialog {
    Q_OBJECT
public:
    CSpritePropertiesDlg(CDesignerSprite* sprite, CSheetDesigner* designer, QWidget* parent = nullptr);

    // Without a sprite or a designer the dialog ends at once with the cancel result.
    int exec() override;
    void accept() override;

    // The dialog's copies of the sprite's values.
    QString code;
    QString maskCode;
    uint32_t alpha = 255;
    int32_t background = 0;
    int32_t onTop = 0;
    int32_t fill = 0;
    int32_t entity = 0;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Redefine();
    // The message with caption "Error"; the field (the code when none) gets the focus.
    void Error(const QString& text, QLineEdit* field = nullptr);

    CDesignerSprite* m_sprite;
    CSheetDesigner* m_designer;
    QLineEdit* m_code;
    QLineEdit* m_mask;
    QLineEdit* m_alpha;
    QCheckBox* m_background;
    QCheckBox* m_onTop;
    QCheckBox* m_fill;
    QCheckBox* m_entity;
};

// The longest code and mask code the dialog takes.
constexpr int kSpriteCodeChars = 17;

// A code as the dialog shows it: UTF-8, or its bytes as Latin-1 when they are
// not UTF-8.
QString ShownCode(const QByteArray& bytes);
// A typed code as the sheet file keeps it: UTF-8, cut to 32 bytes at a
// character, never inside one; the shown form of the old bytes gives them back
// unchanged.
QByteArray TypedCodeBytes(const QString& typed, const QByteArray& old);
