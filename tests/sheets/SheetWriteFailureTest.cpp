// Writing a sheet file when writing fails half-way, the folder is missing or a
// folder stands in place of the file: the previous file stays byte for byte
// and the user sees the message.
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "sheets/SheetFileWriter.h"
#include "support/io/TextFile.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QString kSpt = QStringLiteral("sprite sheets\\forest.spt");
const QByteArray kOld = "Old\r\ntree\r\n0\r\n0\r\n8\r\n8\r\n\r\nFALSE\r\n255\r\n[EE]\r\n";

TEST(SheetWriteFailureTest, TheOldSheetFileStaysAndTheMessageIsShown)
{
    SheetFileSprite sprite;
    sprite.code = "rock";
    sprite.rect = {1, 2, 3, 4};
    for (const char* mode : {"half-way", "missing folder", "folder in place"}) {
        SCOPED_TRACE(mode);
        CTempBase base;
        CFakeUi ui;
        int result = 0;
        if (QLatin1String(mode) == QLatin1String("half-way")) {
            base.Write(kSpt, kOld);
            CTextWriter::FailWritesAfter(12);
            result = WriteSheetFile(QStringLiteral("forest"), QStringLiteral("New title"), {sprite}, ui);
            CTextWriter::FailWritesAfter(-1);
            EXPECT_EQ(base.Read(kSpt), kOld);
        } else if (QLatin1String(mode) == QLatin1String("missing folder")) {
            QDir(base.Path(QStringLiteral("sprite sheets"))).removeRecursively();
            result = WriteSheetFile(QStringLiteral("forest"), QStringLiteral("New title"), {sprite}, ui);
            EXPECT_FALSE(base.Exists(QStringLiteral("sprite sheets")));
        } else {
            base.Write(kSpt + QStringLiteral("\\inside"), kOld);
            result = WriteSheetFile(QStringLiteral("forest"), QStringLiteral("New title"), {sprite}, ui);
            EXPECT_EQ(base.Read(kSpt + QStringLiteral("\\inside")), kOld);
        }
        EXPECT_EQ(result, 0);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't open SPT file for writing"));
        EXPECT_EQ(ui.messages[0].caption, kSpt);
    }
}

} // namespace
