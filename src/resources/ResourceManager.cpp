#include "resources/ResourceManager.h"

#include "resources/ResourceFiles.h"
#include "resources/ResourceHost.h"
#include "resources/SheetEntityImport.h"
#include "support/platform/LaunchEditor.h"
#include "support/paths/LogicalPath.h"
#include "support/ui/MessagePort.h"
#include "support/io/NativeFile.h"
#include "support/paths/QuestPaths.h"
#include "resources/ResourceManagerPort.h"

#include <QFileInfo>

namespace {

const char kError[] = "Error";

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
    // An entity script is expected to lie in "entities\" already: nothing is copied.
    const QString chosen = m_messages.ChooseOpenFile(QStringLiteral("*.ves"), QStringLiteral("entities\\*.ves"),
                                                     QStringLiteral("Script files (*.ves)|*.ves|All Files (*.*)|*.*||"));
    if (!chosen.isEmpty())
        treeList.AddFile(entry, folder, WithoutExtension(ChosenFileName(chosen)));
}

void CResourceManager::AddSheet(CTreeEntry* entry, CTreeComponent* folder)
{
    const QString chosen = m_messages.ChooseOpenFile(QStringLiteral("*.spt"), QStringLiteral("sprite sheets\\*.spt"),
                                                     QStringLiteral("Sheet files (*.spt)|*.spt|All Files (*.*)|*.*||"));
    if (chosen.isEmpty())
        return;
    const QString name = WithoutExtension(ChosenFileName(chosen));
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
        m_messages.MessageBox(QStringLiteral("Sound filename too long, please rename it to under 20 characters"),
                              QLatin1String(kError));
        return;
    }
    if (!CopyIntoResources(chosen, SoundPath(fileName))) {
        m_messages.MessageBox(QStringLiteral("Couldn't copy the selected Sound file"), QLatin1String(kError));
        return;
    }
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
    if (CTreeEntry* root = treeList.RootEntry())
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
