#include "resources/ResourceManager.h"

#include "resources/ResourceFiles.h"
#include "resources/ResourceHost.h"
#include "resources/ResourceManagerPort.h"
#include "resources/SheetEntityImport.h"
#include "support/io/NativeFile.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/LaunchEditor.h"
#include "support/ui/MessagePort.h"

#include "support/io/TextCodec.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char kError[] = "Error";
const char kUnshownEntries[] =
    "Some entries of this tree list are too long to be shown here; they are kept in the file as they are";
const char kNotInTree[] = "The tree list could not be read, so \"%1\" was not added to it";

// The file name of a chosen path, and that name without its extension.
QString ChosenFileName(const QString& chosen)
{
    return QFileInfo(chosen).fileName();
}

QString WithoutExtension(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? fileName.left(dot) : fileName;
}

} // namespace

CResourceManager::CResourceManager(const ResourceManagerKind& managerKind, CMessagePort& messages,
                                   CResourceManagerPort& ui, CResourceHost& host)
    : kind(managerKind), treeList(messages), treeCtrl(*this), m_messages(messages), m_ui(ui), m_host(host)
{
    treeList.SetImageOffset(kind.imageOffset);
    popups[0].AppendItem(QStringLiteral("Create New Folder..."), ID_NEW_FOLDER);
    popups[0].AppendItem(QStringLiteral("Add File to Folder..."), ID_ADD_FILE);
    popups[0].AppendItem(QStringLiteral("Remove this Folder"), ID_REMOVE_FOLDER);
    popups[1].AppendItem(kind.editFileText, ID_EDIT_FILE);
    popups[1].AppendItem(kind.removeFileText, ID_REMOVE_FILE);
    treeCtrl.folderPopup = &popups[0];
    treeCtrl.filePopup = &popups[1];
    treeCtrl.treeList = &treeList;
    treeCtrl.mode = kind.mode;
    if (kind.mode == ModeSheets)
        treeCtrl.owningDialog = this;
}

void CResourceManager::Initialise()
{
    treeList.Load(QuestFilePath(kind.treeFile)); // a failure leaves the tree empty
    treeList.SetTreeControl(&tree);
    treeList.FillTree(kind.titleLine);
    // Said once, as the manager opens: every later save keeps those entries.
    if (treeList.KeptEntryCount() > 0)
        m_messages.MessageBox(QLatin1String(kUnshownEntries), QStringLiteral("Warning"));
}

bool CResourceManager::MayAdd(CTreeEntry* entry, CTreeComponent* folder, const QString& name)
{
    const QString problem = treeList.AddProblem(entry, folder, name, 0);
    if (problem.isEmpty())
        return true;
    m_messages.MessageBox(problem, QLatin1String(kError));
    return false;
}

bool CResourceManager::MayCopy(const QString& chosen, const QString& destination)
{
    // A file of another quest's, or of the person's, is never replaced unasked.
    return !WouldReplaceOther(chosen, destination)
        || m_messages.MessageBox(QStringLiteral("%1 already exists and is not the chosen file. Replace it?")
                                     .arg(destination),
                                 QStringLiteral("Confirm"), CMessagePort::ButtonsYesNoDefaultNo)
               == CMessagePort::AnswerYes;
}

bool CResourceManager::CopyInto(const QString& chosen, const QString& destination, const char* failure)
{
    if (CopyIntoResources(chosen, destination))
        return true;
    m_messages.MessageBox(QLatin1String(failure), QLatin1String(kError));
    return false;
}

void CResourceManager::AddFileByMode(CTreeEntry* entry, CTreeComponent* folder)
{
    switch (kind.mode) {
    case ModeEntities:
        AddEntityScript(entry, folder);
        break;
    case ModeSheets:
        AddSheet(entry, folder);
        break;
    case ModeSounds:
        AddSound(entry, folder);
        break;
    }
}

void CResourceManager::AddEntityScript(CTreeEntry* entry, CTreeComponent* folder)
{
    const QString chosen = m_messages.ChooseOpenFile(QStringLiteral("*.ves"), QStringLiteral("entities\\*.ves"),
                                                     QStringLiteral("Script files (*.ves)|*.ves|All Files (*.*)|*.*||"));
    if (chosen.isEmpty())
        return;
    // The build compiles "entities\" + name + ".ves": a script chosen from
    // elsewhere is copied there.
    const QString name = WithoutExtension(ChosenFileName(chosen));
    const QString script = EntityScriptPath(name);
    if (!MayAdd(entry, folder, name) || !MayCopy(chosen, script)
        || !CopyInto(chosen, script, "Couldn't copy the selected script file"))
        return;
    treeList.AddFile(entry, folder, name);
}

void CResourceManager::AddSheet(CTreeEntry* entry, CTreeComponent* folder)
{
    const QString chosen = m_messages.ChooseOpenFile(QStringLiteral("*.spt"), QStringLiteral("sprite sheets\\*.spt"),
                                                     QStringLiteral("Sheet files (*.spt)|*.spt|All Files (*.*)|*.*||"));
    if (chosen.isEmpty())
        return;
    // A sheet chosen from elsewhere is copied into "sprite sheets\" with the
    // bitmap that lies beside it, both asked about before either is copied.
    const QString name = WithoutExtension(ChosenFileName(chosen));
    const QString bitmap = QFileInfo(chosen).dir().filePath(name + QStringLiteral(".bmp"));
    const bool hasBitmap = QFileInfo(bitmap).isFile();
    if (!MayAdd(entry, folder, name) || !MayCopy(chosen, SheetFilePath(name))
        || (hasBitmap && !MayCopy(bitmap, SheetBitmapPath(name))))
        return;
    if (!CopyInto(chosen, SheetFilePath(name), "Couldn't copy the selected SPT file")
        || (hasBitmap && !CopyInto(bitmap, SheetBitmapPath(name), "Couldn't copy the selected BMP file")))
        return;
    if (treeList.AddFile(entry, folder, name))
        ImportSheetEntities(name, m_messages, m_ui, m_host);
}

void CResourceManager::AddSound(CTreeEntry* entry, CTreeComponent* folder)
{
    const QString chosen = m_messages.ChooseOpenFile(
        QStringLiteral("*.wav"), QStringLiteral("sounds\\*.wav"),
        QStringLiteral("WAV files (*.wav)|*.wav|MIDI files (*.mid)|*.mid|IT files (*.it)|*.it|MOD files "
                       "(*.mod)|*.mod|XM files (*.xm)|*.xm|SGT files (*.sgt)|*.sgt|All Files (*.*)|*.*||"));
    if (chosen.isEmpty())
        return;
    const QString fileName = ChosenFileName(chosen);
    if (!FitsSoundName(fileName)) {
        // The lists give a sound's name 19 bytes; a name in plain ASCII has
        // as many characters, any other letter takes two bytes or more.
        const bool plain = EncodeText(fileName).size() == fileName.size();
        m_messages.MessageBox(plain ? QStringLiteral("Sound filename too long, please rename it to under 20 characters")
                                    : QStringLiteral("Sound filename too long, please rename it to under 20 bytes "
                                                     "(a letter such as \u00e9 takes two)"),
                              QLatin1String(kError));
        return;
    }
    if (!MayAdd(entry, folder, fileName) || !MayCopy(chosen, SoundPath(fileName))
        || !CopyInto(chosen, SoundPath(fileName), "Couldn't copy the selected Sound file"))
        return;
    treeList.AddFile(entry, folder, fileName);
}

void CResourceManager::EditOrPlay(const CTreeComponent& file)
{
    switch (kind.mode) {
    case ModeEntities:
        LaunchEditor(m_messages, EntityScriptPath(file.name));
        break;
    case ModeSheets:
        if (treeCtrl.owningDialog)
            EditSheet(file.name);
        break;
    case ModeSounds:
        m_ui.PlaySound(SoundPath(file.name));
        break;
    }
}

void CResourceManager::EditSheet(const QString& sheetName)
{
    if (m_host.SwitchToSheetDesigner(sheetName))
        m_endResult = 0;
}

void CResourceManager::CreateNew()
{
    if (kind.mode == ModeEntities)
        CreateEntity();
    else if (kind.mode == ModeSheets)
        CreateSheet();
}

void CResourceManager::AddAtTopLevel(const QString& name)
{
    CTreeEntry* root = treeList.RootEntry();
    if (!root) {
        m_messages.MessageBox(QString::fromLatin1(kNotInTree).arg(DisplayText(name)), treeList.FileName());
        return;
    }
    // A file the tree lists already was replaced, as asked; it is not listed twice.
    if (!treeList.ListsFile(name))
        treeList.AddFile(root, root->components.Head(), name);
}

bool CResourceManager::MayReplace(const QString& path, const QString& question, const QString& caption)
{
    // A user's script or sheet is never wiped without a question.
    return !IsLogicalFile(path)
        || m_messages.MessageBox(question, caption, CMessagePort::ButtonsYesNoDefaultNo) == CMessagePort::AnswerYes;
}

void CResourceManager::CreateEntity()
{
    const QString caption = QStringLiteral("New Entity");
    QString name;
    if (!m_messages.AskName(caption, QStringLiteral("Enter name for entity:"), name))
        return;
    // The name becomes the script's file name in "entities\".
    if (!IsSafeFileName(name) || !CTreeList::IsUsableName(name, 0)) {
        m_messages.MessageBox(QStringLiteral("An entity's name is its script's file name: it can't be empty, \".\" or "
                                             "\"..\", nor hold \\ / : * ? \" < > | or control characters."),
                              caption);
        return;
    }
    const QString path = EntityScriptPath(name);
    if (!MayReplace(path, QStringLiteral("The entity script %1 already exists. Replace it with a new script?").arg(path),
                    caption))
        return;
    if (!WriteFromTemplate(path, TemplatePath(QStringLiteral("standardentity.txt")))) {
        m_messages.MessageBox(QStringLiteral("Couldn't Create entity file"), path);
        return;
    }
    AddAtTopLevel(name);
    LaunchEditor(m_messages, name + QStringLiteral(".ves"), QStringLiteral("entities"));
}

void CResourceManager::CreateSheet()
{
    const QString chosen =
        m_messages.ChooseOpenFile(QStringLiteral("*.bmp"), QString(), QStringLiteral("Bitmap files (*.bmp)|*.bmp||"));
    if (chosen.isEmpty())
        return;
    const QString fileName = ChosenFileName(chosen);
    const QString name = WithoutExtension(fileName);
    const QString sheetFile = SheetFilePath(name);
    if (!MayReplace(sheetFile,
                    QStringLiteral("The sheet %1 already exists. Replace it with an empty sheet?").arg(sheetFile),
                    QStringLiteral("Tessellmancery")))
        return;
    if (!CopyIntoResources(chosen, SheetFolderPath(fileName))) {
        m_messages.MessageBox(QStringLiteral("Couldn't copy the selected BMP file"), QLatin1String(kError));
        return;
    }
    if (!WriteFromTemplate(sheetFile, QString())) {
        m_messages.MessageBox(QStringLiteral("Couldn't Create SPT file"), QLatin1String(kError));
        return;
    }
    AddAtTopLevel(name);
    EditSheet(name);
}
