// A sheet added to the quest (sprite sheets\import.spt) whose entities are
// brought into the entity tree with the sounds their scripts play, as the
// sheet manager does with every sheet it adds. The tree files must stay pairs
// of whole lines and only name what lies in "entities\" and "sounds\".
#include "FuzzBase.h"

#include "build/NameList.h"
#include "resources/ResourceHost.h"
#include "resources/SheetEntityImport.h"
#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

namespace {

class CImportUi : public CFuzzUi {
public:
    int SheetEntitiesDialog(CSheetEntitiesImport& import) override
    {
        import.folder = QStringLiteral("Imported");
        import.Confirm();
        return AnswerOk;
    }
};

class CImportHost : public CResourceHost {
public:
    bool SwitchToSheetDesigner(const QString&) override { return false; }
    CNameList& EntityList() override { return entities; }
    CNameList& SoundList() override { return sounds; }
    CNameList entities;
    CNameList sounds;
};

// Every line of a tree file, each pair a path line ending in its name line.
void CheckTreeFile(const QString& path, bool entities)
{
    CTextReader file;
    FuzzCheck(file.Open(path), "the tree file stays readable");
    QByteArray pathLine, nameLine;
    while (file.GetWholeLine(pathLine, 256)) {
        FuzzCheck(file.GetWholeLine(nameLine, 256), "every entry has its name line");
        FuzzCheck(pathLine.endsWith(nameLine), "the name line ends the path line");
        if (nameLine.endsWith('\\'))
            continue;
        const QString name = DecodeText(nameLine);
        FuzzCheck(IsSafeFileName(name), "only plain names are added");
        FuzzCheck(IsLogicalFile(entities ? EntityScriptPath(name) : SoundPath(name)),
                  "every added name lies in its folder");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    static const bool written = [] {
        FuzzWrite(QStringLiteral("entities\\bat#.ves"), QByteArray("main()\r\n{\r\n  PlaySound(\"flap.wav\");\r\n}\r\n"));
        FuzzWrite(QStringLiteral("entities\\ghost.ves"), QByteArray("PlaySound(\"boo.wav\") PlaySound(\"x\")\r\n"));
        FuzzWrite(QStringLiteral("sounds\\flap.wav"), QByteArray("RIFF"));
        FuzzWrite(QStringLiteral("sounds\\boo.wav"), QByteArray("RIFF"));
        return true;
    }();
    (void)written;
    FuzzWrite(EntityListPath(), QByteArray("Known\\ghost\r\nghost\r\n"));
    FuzzWrite(SoundListPath(), QByteArray());
    FuzzWrite(QStringLiteral("sprite sheets\\import.spt"), data, size);
    CImportUi ui;
    CImportHost host;
    ImportSheetEntities(QStringLiteral("import"), ui, ui, host);
    CheckTreeFile(EntityListPath(), true);
    CheckTreeFile(SoundListPath(), false);
    return 0;
}
