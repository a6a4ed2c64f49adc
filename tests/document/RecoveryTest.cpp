// Unsaved edits of a screen or sheet outlive the program when it ends
// without saving: the next opening offers them back.
#include "display/Display.h"
#include "document/QuestDoc.h"
#include "helpers/DecimalCommaLocale.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "sheets/SheetRecoveryFile.h"

#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {
const QString kRecoveredScreen = QStringLiteral("questdata\\Forest\\screens\\1-1.lnd");
const QString kScreenRecovery = QStringLiteral("recovery\\questdata\\Forest\\screens\\1-1.lnd");
const QString kSheetRecovery = QStringLiteral("recovery\\sprite sheets\\meadow.spt");

struct Recovery : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CDisplay display;
    CQuestDoc doc{ui};
    Recovery()
    {
        ui.nameAnswers = {QStringLiteral("Forest")};
        doc.StartCreateQuest();
        display.Initialise(nullptr, 1024, 768);
        doc.sheetDesigner->display = doc.screenDesigner->display = &display;
        QImage(64, 64, QImage::Format_RGB32).save(base.Path(QStringLiteral("sprite sheets\\meadow.bmp")), "BMP");
        // 25 sprites whose codes no sheet holds.
        QByteArray screen = "25\r\n";
        for (int i = 0; i < 25; ++i)
            screen += QByteArray::number(2 * i) + "\r\n20\r\nrock" + QByteArray::number(i) + "\r\n\r\n";
        original = screen + "0\r\n";
        base.Write(kRecoveredScreen, original);
    }
    QByteArray original;
    // Deletes the last sprite so many times: each is an edit.
    void DeleteSprites(int times)
    {
        doc.OpenScreenDesigner(1, 1);
        for (int i = 0; i < times; ++i)
            doc.OnAccelerator(QStringLiteral("T"));
    }
    int Sprites() const { return doc.screenDesigner->current->placedSprites.Count(); }
};
} // namespace

TEST_F(Recovery, EditsOfAProcessKilledUnsavedAreOfferedBackOnTheNextOpening)
{
    for (int answer : {CUiPort::AnswerYes, CUiPort::AnswerNo}) {
        SCOPED_TRACE(answer);
        int ready[2];
        ASSERT_EQ(0, pipe(ready));
        const pid_t editor = fork();
        ASSERT_NE(-1, editor);
        if (editor == 0) { // the editor: twenty edits, then it waits to be killed
            DeleteSprites(20);
            const char done = 1;
            if (write(ready[1], &done, 1) != 1)
                _exit(1);
            for (;;)
                pause();
        }
        char done = 0;
        EXPECT_EQ(1, read(ready[0], &done, 1));
        close(ready[0]);
        close(ready[1]);
        kill(editor, SIGKILL);
        int status = 0;
        ASSERT_EQ(editor, waitpid(editor, &status, 0));
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        ASSERT_TRUE(base.Exists(kScreenRecovery));
        const QString written = QFileInfo(base.Path(kScreenRecovery)).lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));

        ui.messages.clear();
        ui.messageAnswers = {answer};
        doc.OpenScreenDesigner(1, 1);
        ASSERT_EQ(1u, ui.messages.size());
        EXPECT_EQ(QStringLiteral("Unsaved changes to this screen from %1 were found. Restore them?").arg(written),
                  ui.messages[0].text);
        EXPECT_EQ(std::make_pair(QStringLiteral("Tessellmancery"), CUiPort::ButtonsYesNo),
                  std::make_pair(ui.messages[0].caption, ui.messages[0].buttons));
        if (answer == CUiPort::AnswerYes) { // unsaved edits again, one undo away from the file
            EXPECT_EQ(5, Sprites());
            EXPECT_EQ(1, doc.screenDesigner->current->modified);
            doc.OnAccelerator(QStringLiteral("Ctrl+Z"));
            EXPECT_EQ(25, Sprites());
            doc.OnAccelerator(QStringLiteral("Ctrl+Y"));
        } else { // gone for good
            EXPECT_EQ(25, Sprites());
            EXPECT_FALSE(base.Exists(kScreenRecovery));
        }
        ui.messageAnswers = {CUiPort::AnswerNo};
        doc.LeaveToMap();
        EXPECT_FALSE(base.Exists(kScreenRecovery)); // No to saving drops it
    }
}

TEST_F(Recovery, TheFileIsWrittenOnTheTwentiethEditOrWhenTheIntervalEndsAndGoesOnSave)
{
    const struct {
        int edits;
        int interval; // ms; 0 keeps the designer's own
        bool written;
    } rows[] = {{19, 0, false}, {20, 0, true}, {1, 20, true}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.edits);
        if (r.interval)
            doc.screenDesigner->recovery.SetInterval(r.interval);
        DeleteSprites(r.edits);
        QTest::qWait(r.interval ? 200 : 0);
        EXPECT_EQ(r.written, base.Exists(kScreenRecovery));
        EXPECT_EQ(original, base.Read(kRecoveredScreen)); // never over the user's file
        doc.OnAccelerator(QStringLiteral("Ctrl+S"));
        EXPECT_FALSE(base.Exists(kScreenRecovery));
        doc.LeaveToMap();
        doc.screenDesigner->recovery.SetInterval(CRecoveryKeeper::kIntervalMs);
        base.Write(kRecoveredScreen, original);
    }
}

TEST_F(Recovery, ARecoveryFileOlderThanTheScreenFileIsNotOffered)
{
    base.Write(kScreenRecovery, "1\r\n0\r\n0\r\nold\r\n\r\n0\r\n");
    QFile recovery(base.Path(kScreenRecovery));
    ASSERT_TRUE(recovery.open(QIODevice::ReadWrite));
    recovery.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    recovery.close();
    doc.OpenScreenDesigner(1, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(25, Sprites());
}

// The sheet's recovery file keeps what its sheet file cannot (the animations'
// frames as the designer holds them), with numbers in the C form.
TEST_F(Recovery, ASheetComesBackWholeUnderADecimalCommaLocale)
{
    const CDecimalCommaLocale& locale = CDecimalCommaLocale::Get();
    ASSERT_TRUE(locale.Ready()) << locale.Error().toStdString();
    CDecimalCommaScope comma;
    ASSERT_TRUE(comma.Active());
    doc.OpenSheetDesigner(QStringLiteral("meadow"));
    CSheetDesigner& sheet = *doc.sheetDesigner;
    int made = 0;
    ui.onSpriteProperties = [&made](CDesignerSprite& sprite, CSheetDesigner&) {
        sprite.code = "s" + QByteArray::number(++made);
        return int(CUiPort::AnswerOk);
    };
    for (int i = 0; i < 3; ++i) {
        sheet.drag = CRect{15 + 16 * i, 15, 31 + 16 * i, 31};
        doc.OnAccelerator(QStringLiteral("Ctrl+C"));
    }
    ui.onAnimatedSprite = [&sheet](CSpriteAnimation& animation, CSheetDesigner&) {
        animation.speed = 2.25f;
        animation.AddFrame(sheet.sprites.At(2));
        animation.AddFrame(sheet.sprites.At(0));
    };
    doc.OnAccelerator(QStringLiteral("Ctrl+A"));
    sheet.recovery.WriteNow();
    const QByteArray held = SheetRecoveryBytes(sheet.title, sheet.sprites, sheet.animations);
    EXPECT_TRUE(base.Read(kSheetRecovery).contains("\r\n2.250000\r\n2\r\n2\r\n0\r\n"));

    CFakeUi later;
    later.messageAnswers = {CUiPort::AnswerYes};
    CQuestDoc next(later);
    next.sheetDesigner->display = &display;
    next.OpenSheetDesigner(QStringLiteral("meadow"));
    ASSERT_EQ(1u, later.messages.size());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Unsaved changes to this sheet from \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d "
                                                  "were found\\. Restore them\\?$"))
                    .match(later.messages[0].text)
                    .hasMatch());
    EXPECT_EQ(held, SheetRecoveryBytes(next.sheetDesigner->title, next.sheetDesigner->sprites, next.sheetDesigner->animations));
    EXPECT_EQ(1, next.sheetDesigner->modified);
}
