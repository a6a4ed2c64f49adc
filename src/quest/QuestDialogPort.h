#pragma once
// The part of the Ui port that asks about the quest as a whole: its name when
// it is made, and its properties. Without a person each dialog is cancelled
// (Unanswered.h).
#include "support/ui/Unanswered.h"

#include <QString>

struct QuestProperties;

class CQuestDialogPort {
public:
    virtual ~CQuestDialogPort() = default;

    // "Enter Quest Name" (dialog 138). False when cancelled.
    virtual bool AskQuestName([[maybe_unused]] QString& name)
    {
        LogUnanswered("AskQuestName");
        return false;
    }
    // Quest Properties (dialog 160); the values change only on OK. False when cancelled.
    virtual bool QuestPropertiesDialog([[maybe_unused]] QuestProperties& properties)
    {
        LogUnanswered("QuestPropertiesDialog");
        return false;
    }
};
