// Saving a screen when writing fails half-way, the folder is missing or a
// folder stands in place of the file: the previous screen file and preview
// stay byte for byte and the user sees the message.
#include "screens/ScreenFixture.h"
#include "support/io/TextFile.h"

#include <QFile>

namespace {

struct FullDisk {
    explicit FullDisk(qint64 bytes) { CTextWriter::FailWritesAfter(bytes); }
    ~FullDisk() { CTextWriter::FailWritesAfter(-1); }
};

const QString kScreenFile = QStringLiteral("questdata\\Q\\screens\\1-2.lnd");
const QString kBmp = QStringLiteral("questdata\\Q\\screens\\1-2.bmp");
const QString kScreenScript = QStringLiteral("questdata\\Q\\scripts\\screen\\1-2.ves");
const QByteArray kOldLnd = "1\r\n0\r\n0\r\nred\r\n\r\n0\r\n";
const QByteArray kOldBmp = "old preview\r\n";

TEST_F(ScreenTest, AScreenFileThatCannotBeWrittenKeepsTheOldFilesAndSaysSo)
{
    for (const char* mode : {"half-way", "missing folder", "folder in place"}) {
        SCOPED_TRACE(mode);
        ui.messages.clear();
        QDir(base.Path(QStringLiteral("questdata\\Q\\screens"))).removeRecursively();
        if (QLatin1String(mode) != QLatin1String("missing folder")) {
            base.Write(kBmp, kOldBmp);
            if (QLatin1String(mode) == QLatin1String("half-way"))
                base.Write(kScreenFile, kOldLnd);
            else
                base.Write(kScreenFile + QStringLiteral("\\inside"), kOldLnd);
        }
        Place("blue", 40, 40);
        ASSERT_EQ(screen->modified, 1);
        int result = 0;
        {
            FullDisk disk(QLatin1String(mode) == QLatin1String("half-way") ? 8 : -1);
            result = screen->Save();
        }
        EXPECT_EQ(result, 0);
        EXPECT_EQ(screen->modified, 1);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't Open LND file for saving"));
        EXPECT_EQ(ui.messages[0].caption, kScreenFile);
        if (QLatin1String(mode) == QLatin1String("half-way"))
            EXPECT_EQ(base.Read(kScreenFile), kOldLnd);
        else if (QLatin1String(mode) == QLatin1String("folder in place"))
            EXPECT_EQ(base.Read(kScreenFile + QStringLiteral("\\inside")), kOldLnd);
        if (QLatin1String(mode) != QLatin1String("missing folder"))
            EXPECT_EQ(base.Read(kBmp), kOldBmp); // the preview is not touched
        EXPECT_FALSE(base.Exists(kScreenScript));
    }
}

TEST_F(ScreenTest, APreviewThatCannotBeWrittenKeepsTheOldPreviewAndMakesNoScript)
{
    base.Write(kScreenFile, kOldLnd);
    base.Write(kBmp, kOldBmp);
    Place("blue", 40, 40);
    int result = 0;
    {
        // The screen file is a few dozen bytes, a preview some 70,000.
        FullDisk disk(1000);
        result = screen->Save();
    }
    EXPECT_EQ(result, 0); // the screen file itself was saved, the save as a whole failed
    EXPECT_NE(base.Read(kScreenFile), kOldLnd);
    EXPECT_EQ(base.Read(kBmp), kOldBmp);
    EXPECT_FALSE(base.Exists(kScreenScript));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't Open Image Preview file for saving"));
    EXPECT_EQ(ui.messages[0].caption, kBmp);

    // A folder in place of the preview: the same message, the folder untouched.
    ui.messages.clear();
    QFile::remove(base.Path(kBmp));
    base.Write(kBmp + QStringLiteral("\\inside"), kOldBmp);
    EXPECT_EQ(screen->Save(), 0);
    EXPECT_EQ(base.Read(kBmp + QStringLiteral("\\inside")), kOldBmp);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't Open Image Preview file for saving"));
}

} // namespace
