#pragma once
// "Animated Sprite Properties" (dialog 167): the frames of one animation of
// the sheet designer, the sheet's sprites to add from, and the speed. Frames
// added or removed stay so however the dialog ends; the speed is taken on OK.
#include <QDialog>

class CSheetDesigner;
class CSpriteAnimation;
class QLineEdit;
class QListWidget;

class CAnimatedSpriteDlg : public QDialog {
    Q_OBJECT
public:
    CAnimatedSpriteDlg(CSpriteAnimation* animation, CSheetDesigner* designer, QWidget* parent = nullptr);

    // Without an animation or a designer the dialog ends at once.
    int exec() override;
    void accept() override;

private:
    void Add();
    void Remove();
    void RefillFrames();

    CSpriteAnimation* m_animation;
    CSheetDesigner* m_designer;
    QListWidget* m_frames;
    QListWidget* m_available;
    QLineEdit* m_speed;
};

// The speeds the dialog takes.
constexpr double kLowestSpeed = 0;
constexpr double kHighestSpeed = 99999;
