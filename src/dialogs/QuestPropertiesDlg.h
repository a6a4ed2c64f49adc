#pragma once
// "Quest Properties" (dialog 160): the player's start, the quest's full name
// and the two build flags. The quest's values change only on OK.
#include <QDialog>
#include <QString>

#include <cstdint>

struct QuestProperties;
class QCheckBox;
class QLineEdit;

class CQuestPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CQuestPropertiesDlg(QuestProperties* properties, QWidget* parent = nullptr);
    int exec() override;
    void accept() override;

    int32_t finalVersion = 0;
    int32_t includeSound = 1;
    QString fullName;
    int32_t startX = 0;
    int32_t startY = 0;

private:
    QuestProperties* m_properties;
    QLineEdit* m_startX;
    QLineEdit* m_startY;
    QCheckBox* m_finalVersion;
    QCheckBox* m_includeSound;
    QLineEdit* m_fullName;
};

// The longest full name the dialog takes.
constexpr int kFullNameLength = 80;
