// A tree list read as a flat name list (CNameList::ReadTreeFile) and exported
// for the engine as the sheet and sound lists. Every file the exports put into
// the archive lies in its resource folder, and every name they write is one
// the list holds.
#include "FuzzBase.h"

#include "build/NameList.h"
#include "build/NameListExport.h"
#include "build/VirtualArchive.h"
#include "support/io/TextCodec.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString base = FuzzSetUp();
    static const bool prepared = [] {
        FuzzWrite(QStringLiteral("sprite sheets\\forest.spt"), QByteArray("Forest\r\n"));
        // A whole bitmap of one pixel: the build packs no bitmap cut short.
        QByteArray bitmap("BM\x3a\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\1\0\0\0\1\0\0\0\1\0\x18\0", 30);
        bitmap += QByteArray(24 + 4, '\0');
        FuzzWrite(QStringLiteral("sprite sheets\\forest.bmp"), bitmap);
        FuzzWrite(QStringLiteral("sounds\\theme.mid"), QByteArray("MThd"));
        return true;
    }();
    (void)prepared;
    FuzzWrite(QStringLiteral("questdata\\Fuzz\\sheets.txt"), data, size);
    FuzzWrite(QStringLiteral("questdata\\Fuzz\\soundlist.txt"), data, size);
    CFuzzUi ui;
    CNameList names;
    names.ReadTreeFile(SheetListPath(), QStringLiteral("Couldnt open sheets List"), ui);
    FuzzCheck(ui.messageCount == 0, "a list that opens shows nothing");
    for (const QString& name : names.Names()) {
        FuzzCheck(names.Contains(name), "every name is found");
        FuzzCheck(name.size() <= kResourceNameLength, "a name holds at most 32 characters");
    }
    names.MusicChoices();

    CVirtualArchive archive(QStringLiteral("output\\Fuzz.qst"));
    FuzzCheck(ExportSheets(names, archive, ui) == 1, "the sheet list is written");
    CNameList sounds;
    FuzzCheck(ExportSounds(sounds, archive, true, ui) == 1, "the sound list is written");
    for (const CArchiveFile* file : archive.Files())
        FuzzCheck(NativePath(file->sourcePath).startsWith(base + QLatin1Char('/')),
                  "the exports add only files below the base directory");
    QFile written(NativePath(QStringLiteral("output\\temp\\sheets.txt")));
    FuzzCheck(written.open(QIODevice::ReadOnly), "the sheet list can be read");
    for (const QByteArray& line : written.readAll().split('\n')) {
        const QByteArray name = line.endsWith('\r') ? line.chopped(1) : line;
        if (!name.isEmpty())
            FuzzCheck(names.Contains(DecodeText(name)), "the sheet list names only listed sheets");
    }
    return 0;
}
