#pragma once
// The entity information window (152): a modeless window beside the screen
// designer that shows the entity sprite picked on the screen, its type and
// coordinates, and takes a new name for it as it is typed.
#include <QDialog>

#include <functional>

class CPlacedSprite;
class QLabel;
class QLineEdit;

class CEntityInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CEntityInfoDlg(QWidget* parent = nullptr);

    // The placed entity and its screen's world offset, set before Show(true).
    // `nameChanged` is called whenever a typed name is taken, with the number
    // of the visit of the name field: it changes with each entity and each
    // time the field is left (or Return pressed in it).
    void SetEntity(CPlacedSprite* entity, int worldX, int worldY, const QString& type,
                   std::function<void(int visit)> nameChanged);
    // True fills in the coordinates and shows the window; false hides it.
    void Show(bool shown);

    CPlacedSprite* Entity() const { return m_entity; }

private:
    void NameEdited(const QString& text);

    CPlacedSprite* m_entity = nullptr;
    int m_worldX = 0;
    int m_worldY = 0;
    std::function<void(int visit)> m_nameChanged;
    int m_visit = 0;
    QLineEdit* m_name;
    QLabel* m_type;
    QLabel* m_screenCoordinates;
    QLabel* m_worldCoordinates;
};

// The longest name the window takes.
constexpr int kEntityNameLength = 19;
