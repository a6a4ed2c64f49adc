#include "resources/SheetEntityImport.h"

#include "build/NameList.h"
#include "resources/ResourceFiles.h"
#include "resources/ResourceHost.h"
#include "resources/ResourceManagerPort.h"
#include "resources/TreeList.h"
#include "support/io/FieldLine.h"
#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/DiagnosticLog.h"
#include "support/ui/MessagePort.h"

#include <algorithm>
#include <vector>

namespace {

// The sheet is read with a 32-byte buffer, the folder check with 200 bytes
// and the scripts with 128, as the engine's tools always did.
constexpr int kSheetBuffer = 32;
constexpr int kFolderBuffer = 200;
constexpr int kScriptBuffer = 128;

const char kEntityLog[] = "*** Couldnt open EntityList.txt ***";
const char kEntityOpenFailure[] = "Couldn't open entitylist.txt";

bool IsMarkerLine(const QByteArray& line)
{
    return LineHas(line, "[ENTITY]") || LineHas(line, "[BACKGROUND]");
}

// One entity script whose name ends in "#" stands for every code that agrees
// with it in all but the last character.
QString HashForm(const QString& name)
{
    qsizetype cut = name.isEmpty() ? 0 : 1;
    if (name.size() >= 2 && name.back().isLowSurrogate() && name[name.size() - 2].isHighSurrogate())
        cut = 2;
    return name.left(name.size() - cut) + QLatin1Char('#');
}

bool IsEntityName(const CNameList& entities, const QString& name)
{
    return entities.Contains(name) || entities.Contains(HashForm(name));
}

QString InFolder(const QString& folder, const QString& name)
{
    return folder.isEmpty() ? name : folder + QLatin1Char('\\') + name;
}

// The sound a script line plays: the text between its first two double quotes.
bool PlayedSound(const QByteArray& line, QString& sound)
{
    if (!LineHas(line, "PlaySound("))
        return false;
    const qsizetype open = line.indexOf('"');
    const qsizetype close = open < 0 ? -1 : line.indexOf('"', open + 1);
    if (close < 0)
        return false;
    sound = DecodeText(line.mid(open + 1, close - open - 1));
    return true;
}

} // namespace

void ImportSheetEntities(const QString& sheetName, CMessagePort& messages, CResourceManagerPort& ui,
                         CResourceHost& host)
{
    CTextReader sheet;
    if (!sheet.Open(SheetFilePath(sheetName))) {
        LogLine(QStringLiteral("*** Couldn't Open Sheet file to add Entities and Sound ***"));
        LogLine(sheetName);
        return;
    }
    CSheetEntitiesImport import(messages, host);
    QByteArray piece;
    while (sheet.GetLine(piece, kSheetBuffer)) {
        if (!LineHas(piece, "[ENTITY]"))
            continue;
        // The entity's name is its sprite's code: the block's next line that
        // is not a marker.
        QByteArray code;
        bool found = false;
        while (!found && sheet.GetLine(code, kSheetBuffer))
            found = !IsMarkerLine(code);
        if (!found)
            break;
        auto record = std::make_unique<CSheetEntityRecord>();
        record->name = DecodeText(StripLineFeed(code));
        import.records.Append(std::move(record), "SPTEntry");
    }
    if (import.records.IsEmpty())
        return;
    CNameList& entities = host.EntityList();
    entities.ReadTreeFile(EntityListPath(), QLatin1String(kEntityListMissing), messages);
    std::vector<CSheetEntityRecord*> found;
    for (CSheetEntityRecord* record : import.records) {
        record->found = IsEntityName(entities, record->name) ? 1 : 0;
        if (record->found)
            found.push_back(record);
    }
    for (CSheetEntityRecord* record : found)
        import.records.Remove(record);
    if (!import.records.IsEmpty())
        ui.SheetEntitiesDialog(import);
}

QStringList CSheetEntitiesImport::Names() const
{
    QStringList names;
    for (const CSheetEntityRecord* record : records)
        names << record->name;
    return names;
}

bool CSheetEntitiesImport::EnsureFolderEntry(const QString& listPath, const QString& folderName, const char* logText,
                                             const char* message)
{
    CTextReader list;
    if (!list.Open(listPath)) {
        LogLine(QLatin1String(logText));
        LogLine(listPath);
        m_messages.MessageBox(QLatin1String(message), listPath);
        return false;
    }
    const QByteArray folderLine = EncodeText(folderName) + '\\';
    QByteArray piece;
    while (list.GetLine(piece, kFolderBuffer))
        if (StripLineFeed(piece) == folderLine)
            return true;
    const QString entry = folderName + QLatin1Char('\\');
    if (AppendTreeEntry(listPath, entry, entry))
        return true;
    LogLine(QLatin1String(logText));
    LogLine(listPath);
    m_messages.MessageBox(QLatin1String(message), listPath);
    return false;
}

void CSheetEntitiesImport::AddScriptSounds(const QString& scriptPath, const QString& folderName)
{
    CTextReader script;
    if (!script.Open(scriptPath))
        return;
    CNameList& sounds = m_host.SoundList();
    QByteArray piece;
    QString sound;
    while (script.GetLine(piece, kScriptBuffer)) {
        if (!PlayedSound(piece, sound) || !IsSafeFileName(sound) || !IsLogicalFile(SoundPath(sound)))
            continue;
        // Re-read after every append, so a sound played twice is added once.
        sounds.ReadTreeFile(SoundListPath(), QLatin1String(kSoundListMissing), m_messages);
        if (sounds.Contains(sound))
            continue;
        if (!AppendTreeEntry(SoundListPath(), InFolder(folderName, sound), sound))
            LogLine(QStringLiteral("*** Couldnt open SoundList.txt ***"));
    }
}

void CSheetEntitiesImport::Confirm()
{
    // A folder text of fewer than two characters counts as no folder; a longer
    // one is kept to what one component of a tree file holds (127 bytes), so
    // that the entries stay readable.
    const QString folderName =
        folder.size() < 2 ? QString() : DecodeText(TextFieldBytes(folder, CTreeList::kMaxComponent));
    if (!folderName.isEmpty()) {
        if (!EnsureFolderEntry(EntityListPath(), folderName, kEntityLog, kEntityOpenFailure))
            return;
        if (addSounds
            && !EnsureFolderEntry(SoundListPath(), folderName, "*** Couldnt open SoundList.txt ***",
                                  "Couldn't open soundlist.txt"))
            return;
    }
    CTreeFileAppender entityList;
    if (!entityList.Open(EntityListPath())) {
        // Nothing can be added; the person is told rather than left guessing.
        LogLine(QLatin1String(kEntityLog));
        LogLine(EntityListPath());
        m_messages.MessageBox(QLatin1String(kEntityOpenFailure), EntityListPath());
        return;
    }
    bool allFound = true;
    std::vector<CSheetEntityRecord*> work;
    for (CSheetEntityRecord* record : records)
        work.push_back(record);
    std::vector<CSheetEntityRecord*> dropped;
    for (CSheetEntityRecord* record : work) {
        if (std::find(dropped.begin(), dropped.end(), record) != dropped.end())
            continue;
        // A code that could name a file outside "entities\" names no script.
        const bool safe = IsSafeFileName(record->name);
        if (!safe || !IsLogicalFile(EntityScriptPath(record->name))) {
            const QString hashName = HashForm(record->name);
            if (!safe || !IsLogicalFile(EntityScriptPath(hashName))) {
                allFound = false;
                continue;
            }
            // One "#" script is added once for all the codes it stands for.
            for (CSheetEntityRecord* other : work)
                if (other != record && HashForm(other->name) == hashName)
                    dropped.push_back(other);
            record->name = hashName;
        }
        if (addSounds)
            AddScriptSounds(EntityScriptPath(record->name), folderName);
        entityList.Append(InFolder(folderName, record->name), record->name);
    }
    for (CSheetEntityRecord* record : dropped)
        records.Remove(record);
    if (!allFound)
        m_messages.MessageBox(QStringLiteral("Not all the entities on the sheet could be found, you\nmight want to add "
                                             "them to your entities\\ directory"),
                              QStringLiteral("Warning"));
}
