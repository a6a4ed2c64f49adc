// A build compiles the next script beside the one it waits for. What it shows,
// the compile list, the compiler's error file and the quest file must be those
// of the plain build that compiles each script in turn, whichever script fails.
#include "build/CompileList.h"
#include "document/QuestDoc.h"
#include "helpers/DecimalCommaLocale.h"
#include "helpers/FakeUi.h"
#include "helpers/FileBytes.h"
#include "helpers/TempBase.h"
#include "quest/Quest.h"
#include "support/platform/Settings.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QByteArray kErrors = "main()\r\n{\r\n    b = 2;\r\n}\r\n";            // undefined symbol
const QByteArray kWarnings = "main()\r\n{\r\n    new unused;\r\n}\r\n";       // a symbol never used
const QString kBat = QStringLiteral("entities\\bat.ves");
const QString kScreen00 = QStringLiteral("questdata\\Trail\\scripts\\screen\\0-0.ves");
const QString kScreen10 = QStringLiteral("questdata\\Trail\\scripts\\screen\\1-0.ves");
const QString kGroup0 = QStringLiteral("questdata\\Trail\\scripts\\group\\0.ves");
const QString kGroup1 = QStringLiteral("questdata\\Trail\\scripts\\group\\1.ves");
const QString kMain = QStringLiteral("questdata\\Trail\\scripts\\main\\main.ves");

struct Outcome {
    int result = -1;
    QStringList calls;
    QStringList messages;
    QByteArray compileList;
    QByteArray errors;
    QByteArray questFile;
    bool aheadErrorsLeft = false;
};

struct Case {
    const char* what;
    std::vector<std::pair<QString, QByteArray>> scripts; // written over the fixture's
};

Outcome Build(CTempBase& base, CFakeUi& ui, CQuest& quest, bool compilesAhead)
{
    quest.build.CompileList().compilesAhead = compilesAhead;
    quest.build.RecompileAllScripts(false);
    QFile::remove(base.Path(QStringLiteral("compiler\\errors.txt")));
    QFile::remove(base.Path(QStringLiteral("output\\Trail.qst")));
    ui.calls.clear();
    ui.messages.clear();
    Outcome outcome;
    outcome.result = quest.build.BuildQuest(true);
    outcome.calls = ui.calls;
    for (const RecordedMessage& m : ui.messages)
        outcome.messages << m.text + QLatin1Char('|') + m.caption;
    outcome.compileList = base.Read(QStringLiteral("compiler\\compilelist.txt"));
    outcome.errors = base.Read(QStringLiteral("compiler\\errors.txt"));
    outcome.questFile = base.Read(QStringLiteral("output\\Trail.qst"));
    outcome.aheadErrorsLeft = QFile::exists(base.Path(QStringLiteral("compiler\\errors-next-1.txt")))
                              || QFile::exists(base.Path(QStringLiteral("compiler\\errors-next-2.txt")));
    return outcome;
}

void ExpectSameAsOneAtATime(const Case& c)
{
    SCOPED_TRACE(c.what);
    CTempBase base;
    CFakeUi ui;
    CQuestDoc doc{ui};
    CQuest& quest = doc.quest;
    ASSERT_TRUE(CopyTree(QStringLiteral(TESSELL_FIXTURES_DIR "/trail"), base.root));
    for (const char* cell : {"0-0", "1-0"})
        base.Write(QStringLiteral("questdata\\Trail\\screens\\%1.bmp").arg(QLatin1String(cell)), WhitePreview());
    for (const auto& [script, text] : c.scripts)
        base.Write(script, text);
    quest.files.LoadMapFile(QStringLiteral("save\\Trail.qss"), QStringLiteral("Trail"));
    WriteSetting(QStringLiteral("options"), QStringLiteral("VGlocation"), QStringLiteral("none"));
    ui.dialogResults = {CUiPort::AnswerOk, CUiPort::AnswerOk, CUiPort::AnswerOk};

    Build(base, ui, quest, false); // the entity list is read: both builds count the same steps
    const Outcome plain = Build(base, ui, quest, false);
    const Outcome ahead = Build(base, ui, quest, true);
    EXPECT_EQ(plain.result, ahead.result);
    EXPECT_EQ(plain.calls, ahead.calls);
    EXPECT_EQ(plain.messages, ahead.messages);
    EXPECT_EQ(plain.compileList, ahead.compileList);
    EXPECT_EQ(plain.errors, ahead.errors);
    EXPECT_EQ(plain.questFile, ahead.questFile);
    EXPECT_FALSE(ahead.aheadErrorsLeft);
    // The cases are what they say: a failing script stops the build with its
    // errors shown.
    EXPECT_EQ(plain.result == 0, plain.calls.contains(QStringLiteral("ScriptErrors")));
}

const Case kCases[] = {
    {"every script clean", {}},
    {"warnings only", {{kScreen00, kWarnings}, {kMain, kWarnings}}},
    {"the first entity fails", {{kBat, kErrors}}},
    {"a screen in the middle fails", {{kScreen10, kErrors}}},
    {"the script before the failing one has warnings", {{kScreen10, kWarnings}, {kGroup0, kErrors}}},
    {"the last group fails", {{kGroup1, kErrors}}},
    {"the main script fails", {{kMain, kErrors}}},
    {"two fail, the first is shown", {{kScreen00, kErrors}, {kScreen10, kErrors}}},
};

} // namespace

TEST(CompilesAhead, ABuildShowsAndRecordsWhatOneAtATimeDoes)
{
    for (const Case& c : kCases)
        ExpectSameAsOneAtATime(c);
}

TEST(CompilesAhead, ABuildShowsAndRecordsWhatOneAtATimeDoesUnderADecimalComma)
{
    const CDecimalCommaLocale& locale = CDecimalCommaLocale::Get();
    ASSERT_TRUE(locale.Ready()) << locale.Error().toStdString();
    CDecimalCommaScope scope;
    ASSERT_TRUE(scope.Active());
    for (const Case& c : kCases)
        ExpectSameAsOneAtATime(c);
}
