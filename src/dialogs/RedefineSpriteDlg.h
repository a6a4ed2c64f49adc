#pragma once
// "Redefine sprite's dimentions" (dialog 166): a sprite's rectangle as its
// top-left and bottom-right corners in sheet pixels. Every end but Cancel
// writes the four values back to the rectangle (designer units) at once;
// whether the corners are in order is not checked.
#include <QDialog>

#include <cstdint>

class QLineEdit;
struct CRect;

class CRedefineSpriteDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRedefineSpriteDlg(CRect* rectangle, QWidget* parent = nullptr);

    int exec() override;
    void accept() override;

    // The corners in sheet pixels.
    int32_t topLeftX = 0;
    int32_t topLeftY = 0;
    int32_t bottomRightX = 0;
    int32_t bottomRightY = 0;

private:
    CRect* m_rectangle;
    QLineEdit* m_fields[4];
};
