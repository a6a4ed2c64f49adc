#pragma once
// A list box of sprites as the sheet designer's dialogs show them: one line
// per sprite, each line carrying its sprite.
#include "sheets/DesignerSprite.h"

#include <vector>

class QListWidget;

void FillSpriteList(QListWidget* list, const std::vector<SpriteLine>& lines);
// The sprite of the selected line, or none.
CDesignerSprite* SelectedSprite(const QListWidget* list);
