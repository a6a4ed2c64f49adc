#include "quest/Quest.h"

#include "support/paths/QuestPaths.h"

CQuest::CQuest(CMessagePort& messages, CWindowPort& window, CQuestDialogPort& dialogs)
    : files(map, messages, window, dialogs), build(*this, messages), m_messages(messages)
{
}

void CQuest::ReadEntityList()
{
    entityList.ReadTreeFile(EntityListPath(), QLatin1String(kEntityListMissing), m_messages);
}

void CQuest::ReadSoundList()
{
    soundList.ReadTreeFile(SoundListPath(), QLatin1String(kSoundListMissing), m_messages);
}

void CQuest::ReadSheetList()
{
    sheetList.ReadTreeFile(SheetListPath(), QLatin1String(kSheetListMissing), m_messages);
}
