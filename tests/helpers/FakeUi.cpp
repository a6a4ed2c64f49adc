#include "helpers/FakeUi.h"

#include "quest/Group.h"
#include "resources/PopupMenu.h"
#include "resources/SheetEntityImport.h"
#include "sheets/DesignerSprite.h"
#include "support/io/TextCodec.h"

int CFakeUi::NextResult(int whenEmpty)
{
    if (dialogResults.empty())
        return whenEmpty;
    const int result = dialogResults.front();
    dialogResults.pop_front();
    return result;
}

int CFakeUi::MessageBox(const QString& text, const QString& caption, Buttons buttons)
{
    messages.push_back({text, caption, buttons});
    if (onMessage)
        onMessage(messages.back());
    if (buttons == ButtonsOk)
        return AnswerOk;
    if (messageAnswers.empty())
        return buttons == ButtonsYesNoCancel ? AnswerCancel : AnswerNo;
    const int answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

QString CFakeUi::ChooseOpenFile(const QString& defaultExtension, const QString& initialName, const QString& filter)
{
    calls << QStringLiteral("ChooseOpenFile(%1|%2|%3)").arg(defaultExtension, initialName, filter);
    if (fileAnswers.empty())
        return QString();
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

bool CFakeUi::AskQuestName(QString& name)
{
    calls << QStringLiteral("AskQuestName");
    if (nameAnswers.empty())
        return false;
    name = nameAnswers.front();
    nameAnswers.pop_front();
    return true;
}

bool CFakeUi::AskName(const QString& title, const QString& prompt, QString& name)
{
    calls << QStringLiteral("AskName(%1|%2)").arg(title, prompt);
    if (nameAnswers.empty())
        return false;
    name = nameAnswers.front();
    nameAnswers.pop_front();
    return true;
}

int CFakeUi::ScreenPropertiesDialog(CMapCell& cell, int column, int row)
{
    calls << QStringLiteral("ScreenProperties(%1,%2)").arg(column).arg(row);
    if (onScreenProperties)
        onScreenProperties(cell);
    return NextResult(AnswerCancel);
}

int CFakeUi::GroupPropertiesDialog(CGroup& group, CGroupList& groups, CNameList&)
{
    calls << QStringLiteral("GroupProperties(%1)").arg(group.id);
    if (onGroupProperties)
        onGroupProperties(group, groups);
    return NextResult(AnswerOk);
}

bool CFakeUi::MoveScreenDialog(int& column, int& row)
{
    calls << QStringLiteral("MoveScreen");
    if (cellAnswers.empty())
        return false;
    column = cellAnswers.front().first;
    row = cellAnswers.front().second;
    cellAnswers.pop_front();
    return true;
}

bool CFakeUi::QuestPropertiesDialog(QuestProperties& properties)
{
    calls << QStringLiteral("QuestProperties");
    if (!onQuestProperties)
        return false;
    onQuestProperties(properties);
    return true;
}

int CFakeUi::ScriptErrorsDialog()
{
    calls << QStringLiteral("ScriptErrors");
    return NextResult(AnswerOk);
}

void CFakeUi::Progress(const QString& step, int done, int total)
{
    calls << QStringLiteral("Progress(%1/%2 %3)").arg(done).arg(total).arg(step);
}

QStringList CFakeUi::MessageTexts() const
{
    QStringList texts;
    for (const RecordedMessage& m : messages)
        texts << m.text;
    return texts;
}

int CFakeUi::SpritePropertiesDialog(CDesignerSprite& sprite, CSheetDesigner& designer)
{
    calls << QStringLiteral("SpriteProperties(%1)").arg(DecodeText(sprite.code));
    if (onSpriteProperties)
        return onSpriteProperties(sprite, designer);
    return NextResult(AnswerCancel);
}

bool CFakeUi::RedefineSpriteDialog(CRect& rectangle)
{
    calls << QStringLiteral("RedefineSprite");
    return onRedefineSprite && onRedefineSprite(rectangle);
}

void CFakeUi::SpriteListDialog(CSheetDesigner& designer)
{
    calls << QStringLiteral("SpriteList");
    if (onSpriteList)
        onSpriteList(designer);
}

bool CFakeUi::SheetPropertiesDialog(QString& title)
{
    calls << QStringLiteral("SheetProperties(%1)").arg(title);
    if (titleAnswers.empty())
        return false;
    title = titleAnswers.front();
    titleAnswers.pop_front();
    return true;
}

void CFakeUi::AnimatedSpriteDialog(CSpriteAnimation& animation, CSheetDesigner& designer)
{
    calls << QStringLiteral("AnimatedSprite");
    if (onAnimatedSprite)
        onAnimatedSprite(animation, designer);
}

int CFakeUi::ResourceManagerDialog(CResourceManager& manager)
{
    calls << QStringLiteral("ResourceManagerDialog");
    return onResourceManager ? onResourceManager(manager) : AnswerCancel;
}

int CFakeUi::TrackPopup(const CPopupMenu& menu, int x, int y)
{
    QStringList texts;
    for (const CPopupMenu::Item& item : menu.Items())
        texts << QStringLiteral("%1=%2").arg(item.text).arg(item.command);
    calls << QStringLiteral("TrackPopup(%1,%2|%3)").arg(x).arg(y).arg(texts.join(QLatin1Char('|')));
    if (popupAnswers.empty())
        return 0;
    const int answer = popupAnswers.front();
    popupAnswers.pop_front();
    return answer;
}

int CFakeUi::SheetEntitiesDialog(CSheetEntitiesImport& import)
{
    calls << QStringLiteral("SheetEntitiesDialog(%1)").arg(import.Names().join(QLatin1Char(',')));
    return onSheetEntities ? onSheetEntities(import) : AnswerCancel;
}
