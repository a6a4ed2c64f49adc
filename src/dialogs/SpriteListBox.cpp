#include "dialogs/SpriteListBox.h"

#include <QListWidget>

void FillSpriteList(QListWidget* list, const std::vector<SpriteLine>& lines)
{
    list->clear();
    for (const SpriteLine& line : lines) {
        auto* item = new QListWidgetItem(line.text, list);
        item->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(line.sprite)));
    }
}

CDesignerSprite* SelectedSprite(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    return reinterpret_cast<CDesignerSprite*>(selected.first()->data(Qt::UserRole).value<quintptr>());
}
