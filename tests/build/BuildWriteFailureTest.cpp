// The build's own files when writing fails half-way, the folder is missing or
// a folder stands in place of the file: the compile list, the lists for the
// engine and the quest archive keep their previous bytes.
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"

#include "build/CompileList.h"
#include "build/NameList.h"
#include "build/NameListExport.h"
#include "build/VirtualArchive.h"
#include "support/io/TextFile.h"
#include "support/paths/Globals.h"
#include "support/paths/QuestPaths.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

struct FullDisk {
    explicit FullDisk(qint64 bytes) { CTextWriter::FailWritesAfter(bytes); }
    ~FullDisk() { CTextWriter::FailWritesAfter(-1); }
};

TEST(BuildWriteFailureTest, TheCompileListStaysWholeAndTheMessageIsShownAndLogged)
{
    const QByteArray old = "entities\\bat.ves\r\n1\r\n2\r\n";
    for (const char* mode : {"half-way", "missing folder", "folder in place"}) {
        SCOPED_TRACE(mode);
        CTempBase base;
        CFakeUi ui;
        base.Write(CompileListPath(), old);
        CCompileList list(ui);
        ASSERT_EQ(list.LoadCompileList(), 1);
        list.RecordCompiled(QStringLiteral("entities\\rat.ves"));
        if (QLatin1String(mode) == QLatin1String("half-way")) {
            FullDisk disk(10);
            EXPECT_EQ(list.SaveCompileList(), 0);
            EXPECT_EQ(base.Read(CompileListPath()), old);
        } else if (QLatin1String(mode) == QLatin1String("missing folder")) {
            QDir(base.Path(QStringLiteral("compiler"))).removeRecursively();
            EXPECT_EQ(list.SaveCompileList(), 0);
        } else {
            QFile::remove(base.Path(CompileListPath()));
            base.Write(CompileListPath() + QStringLiteral("\\inside"), old);
            EXPECT_EQ(list.SaveCompileList(), 0);
            EXPECT_EQ(base.Read(CompileListPath() + QStringLiteral("\\inside")), old);
        }
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't Create compilelist.txt"));
        EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Error"));
        EXPECT_TRUE(base.Read(QStringLiteral("ErrorChk.txt")).endsWith("\r\nCouldn't Create compilelist.txt"));
    }
}

// The sheet and sound lists: the export returns 0 without a message of its
// own (the build stops), the old list stays, and it is not put into the archive.
TEST(BuildWriteFailureTest, TheListsForTheEngineStayWholeAndStayOutOfTheArchive)
{
    for (const char* mode : {"half-way", "missing folder", "folder in place"}) {
        for (const char* which : {"sheets", "sounds", "entities"}) {
            SCOPED_TRACE(std::string(mode) + ", " + which);
            if (QLatin1String(which) == QLatin1String("entities") && QLatin1String(mode) == QLatin1String("half-way"))
                continue; // its half-way failure is part of the whole build's test (tests/map)
            CTempBase base;
            g_questName = QStringLiteral("Forest");
            CFakeUi ui;
            const QString name = QLatin1String(which) == QLatin1String("sounds") ? QStringLiteral("soundlist")
                                                                                 : QLatin1String(which);
            const QString output = QStringLiteral("output\\temp\\") + name + QStringLiteral(".txt");
            base.Write(QStringLiteral("questdata\\Forest\\sheets.txt"), "forest\r\nforest\r\n");
            base.Write(QStringLiteral("questdata\\Forest\\soundlist.txt"), "theme.mid\r\ntheme.mid\r\n");
            base.Write(QStringLiteral("questdata\\Forest\\entitylist.txt"), "bat\r\nbat\r\n");
            base.Write(QStringLiteral("sprite sheets\\forest.spt"), "Forest\r\n");
            base.Write(QStringLiteral("sounds\\theme.mid"), "MThd");
            const QByteArray old = "old list\r\n";
            if (QLatin1String(mode) == QLatin1String("missing folder"))
                QDir(base.Path(QStringLiteral("output\\temp"))).removeRecursively();
            else if (QLatin1String(mode) == QLatin1String("folder in place"))
                base.Write(output + QStringLiteral("\\inside"), old);
            else
                base.Write(output, old);
            CVirtualArchive archive(QStringLiteral("output\\Forest.qst"));
            CNameList list;
            CCompileList compileList(ui);
            int result = 0;
            {
                FullDisk disk(QLatin1String(mode) == QLatin1String("half-way") ? 3 : -1);
                if (QLatin1String(which) == QLatin1String("sheets"))
                    result = ExportSheets(list, archive, ui);
                else if (QLatin1String(which) == QLatin1String("sounds"))
                    result = ExportSounds(list, archive, true, ui);
                else
                    result = ExportEntities(list, archive, compileList, ui);
            }
            EXPECT_EQ(result, 0);
            if (QLatin1String(mode) == QLatin1String("half-way"))
                EXPECT_EQ(base.Read(output), old);
            else if (QLatin1String(mode) == QLatin1String("folder in place"))
                EXPECT_EQ(base.Read(output + QStringLiteral("\\inside")), old);
            else
                EXPECT_FALSE(base.Exists(QStringLiteral("output\\temp")));
            for (const CArchiveFile* file : archive.Files())
                EXPECT_NE(file->sourcePath, output);
            // The build stops with a message that names the list.
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't create the list file for the engine"));
            EXPECT_EQ(ui.messages[0].caption, output);
            EXPECT_EQ(compileList.CompilerRuns(), 0);
        }
    }
}

// The archive is assembled in "tempQST" and renamed over the old one only
// when whole: when "tempQST" or the archive cannot be written, the previous
// archive stays byte for byte.
TEST(BuildWriteFailureTest, TheQuestArchiveStaysWholeWhenItCannotBeWritten)
{
    const QString qst = QStringLiteral("output\\Forest.qst");
    const QByteArray old = "Virtual Archive File~1~qss~0~0~3~old";
    for (const char* mode : {"tempQST cannot be made", "missing folder", "folder in place"}) {
        SCOPED_TRACE(mode);
        CTempBase base;
        base.Write(QStringLiteral("save\\Forest.qss"), QByteArray(5000, 'q'));
        CVirtualArchive archive(qst);
        ASSERT_TRUE(archive.AddFile(QStringLiteral("save\\Forest.qss"), QStringLiteral("qss"), 1));
        int expected = CVirtualArchive::ArchiveNotWritten;
        if (QLatin1String(mode) == QLatin1String("tempQST cannot be made")) {
            base.Write(qst, old);
            base.Write(QStringLiteral("tempQST\\inside"), "x");
            expected = CVirtualArchive::TempNotCreated;
        } else if (QLatin1String(mode) == QLatin1String("missing folder")) {
            QDir(base.Path(QStringLiteral("output"))).removeRecursively();
        } else {
            base.Write(qst + QStringLiteral("\\inside"), old);
        }
        EXPECT_EQ(archive.Build(), expected);
        if (QLatin1String(mode) == QLatin1String("tempQST cannot be made"))
            EXPECT_EQ(base.Read(qst), old);
        else if (QLatin1String(mode) == QLatin1String("folder in place"))
            EXPECT_EQ(base.Read(qst + QStringLiteral("\\inside")), old);
        else
            EXPECT_FALSE(base.Exists(QStringLiteral("output")));
        EXPECT_FALSE(QFileInfo(base.Path(QStringLiteral("tempQST"))).isFile());
    }
}

} // namespace
