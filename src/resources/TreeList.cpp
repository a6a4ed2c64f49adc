#include "resources/TreeList.h"

#include "resources/TreeImages.h"
#include "support/io/FieldLine.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/platform/DiagnosticLog.h"
#include "support/ui/MessagePort.h"

#include <QStandardItem>
#include <QStandardItemModel>

#include <algorithm>
#include <vector>

namespace {

const char kOpenFailure[] = "Couldn't open Tree List";
const char kRefusalCaption[] = "Error";
const char kEmptyFileName[] = "A file in the tree list needs a name";
const char kBadCharacter[] = "A name in the tree list can't hold \\ or a line break";
const char kNameTooLong[] = "That name is too long for the tree list, which holds names of up to 127 bytes";
const char kPathTooLong[] = "That folder lies too deep for the tree list, which holds paths of up to 254 bytes";
const char kAlreadyThere[] = "\"%1\" is already in this folder";
const char kRootName[] = "\\";
constexpr int kLineBuffer = 256;


// Splits a path line: every "\" ends a folder component; text after the last
// "\" is a file component. False when the line breaks the format's limits.
bool SplitPathLine(const QByteArray& line, CTreeEntry& entry)
{
    if (line.size() > CTreeList::kMaxPathLine)
        return false;
    QByteArray current;
    for (char c : line) {
        if (c == '\\') {
            if (current.size() > CTreeList::kMaxComponent)
                return false;
            entry.AddComponent(DecodeText(current), 1);
            current.clear();
        } else {
            current += c;
        }
    }
    if (current.size() > CTreeList::kMaxComponent)
        return false;
    if (!current.isEmpty())
        entry.AddComponent(DecodeText(current), 0);
    return true;
}

// Items are matched by the name of the component they show, not by their text:
// two names whose bytes differ may look alike once shown.
bool ShowsName(const QStandardItem* item, const QString& name)
{
    const CTreeComponent* shown = CTreeList::ComponentOf(item);
    return shown ? shown->name == name : item->text() == name;
}

} // namespace

QString TreePathLine(const CTreeEntry& entry, int count)
{
    if (count < 0 || count > entry.components.Count())
        count = entry.components.Count();
    QString line;
    int i = 0;
    for (CTreeComponent* c : entry.components) {
        if (i == count)
            break;
        line += OneLineText(c->name);
        if (i < count - 1 || c->folder)
            line += QLatin1Char('\\');
        ++i;
    }
    return line;
}

CTreeList::CTreeList(CMessagePort& ui) : m_ui(ui), m_images(LoadTreeImages()) {}

CTreeList::~CTreeList() = default;

void CTreeList::ShowOpenFailure()
{
    m_ui.MessageBox(QLatin1String(kOpenFailure), m_fileName);
}

int CTreeList::Load(const QString& fileName)
{
    m_fileName = fileName;
    CTextReader file;
    if (!file.Open(fileName)) {
        ShowOpenFailure();
        return 0;
    }
    m_entries.Clear();
    m_rootEntry = nullptr;
    QByteArray line;
    for (qint64 start = file.Tell(); file.GetWholeLine(line, kLineBuffer); start = file.Tell()) {
        auto entry = std::make_unique<CTreeEntry>();
        const bool fits = SplitPathLine(line, *entry);
        if (entry->components.IsEmpty() && fits)
            continue; // an empty line is no entry and has no name line
        QByteArray nameLine;
        const bool hasNameLine = file.GetWholeLine(nameLine, kLineBuffer);
        // The tree cannot hold an entry too long for it, nor one with nothing
        // before a line break (a lone CR: a save would write an empty line,
        // which is no entry). Such an entry is not shown, and its two lines
        // are written back as they were, so the entries after it keep their
        // pairing and nothing of the file is lost.
        const bool unnamed = fits && TreePathLine(*entry).isEmpty();
        if (!fits || unnamed) {
            LogLine(QLatin1String(unnamed ? "Tree list line without a name, entry skipped: "
                                          : "Tree list line too long, entry skipped: ")
                    + m_fileName);
            entry = std::make_unique<CTreeEntry>();
            entry->keptLines = file.Span(start, file.Tell());
            if (!entry->keptLines.endsWith('\n'))
                entry->keptLines += '\n';
        }
        m_entries.Append(std::move(entry), "entry");
        if (!hasNameLine)
            break;
    }
    auto root = std::make_unique<CTreeEntry>();
    root->root = 1;
    root->AddComponent(QLatin1String(kRootName), 1);
    m_rootEntry = m_entries.Append(std::move(root), "root");
    return 1;
}

int CTreeList::Save()
{
    return Write(nullptr);
}

int CTreeList::Write(const std::function<int(const CTreeEntry&)>& written)
{
    if (m_entries.IsEmpty())
        return 1;
    CTextWriter file;
    if (!file.Open(m_fileName)) {
        ShowOpenFailure();
        return 0;
    }
    for (CTreeEntry* entry : m_entries) {
        if (entry->root)
            continue;
        if (!entry->keptLines.isEmpty()) {
            QByteArray lines = entry->keptLines;
            file.Raw(lines.replace("\n", "\r\n"));
            continue;
        }
        const int count = written ? written(*entry) : entry->components.Count();
        if (count <= 0)
            continue;
        const CTreeComponent* last = entry->components.At(count - 1);
        file.Line(TreePathLine(*entry, count));
        const QString name = OneLineText(last->name);
        file.Line(last->folder ? name + QLatin1Char('\\') : name);
    }
    if (!file.Commit()) {
        ShowOpenFailure();
        return 0;
    }
    return 1;
}

int CTreeList::KeptEntryCount() const
{
    int count = 0;
    for (const CTreeEntry* entry : m_entries)
        count += entry->keptLines.isEmpty() ? 0 : 1;
    return count;
}

void CTreeList::FillTree(const QString& title)
{
    m_title = title;
    if (!m_tree)
        return;
    m_titleIndex = QPersistentModelIndex();
    m_tree->removeRows(0, m_tree->rowCount());
    if (m_entries.IsEmpty())
        return;
    auto* titleItem = new QStandardItem(title);
    titleItem->setEditable(false);
    titleItem->setIcon(m_images[0]);
    titleItem->setData(0, kImageRole);
    m_tree->appendRow(titleItem);
    m_titleIndex = QPersistentModelIndex(titleItem->index());
    for (CTreeEntry* entry : m_entries)
        Merge(*entry);
}

QStandardItem* CTreeList::MakeItem(CTreeComponent& component, bool last)
{
    int image = 2;
    if (last && !component.folder) {
        image = 3 + m_imageOffset;
        if (component.name.toLower().contains(QLatin1String(".wav")))
            ++image;
    }
    auto* item = new QStandardItem(DisplayText(component.name));
    item->setEditable(false);
    if (image >= 0 && image < int(m_images.size()))
        item->setIcon(m_images[size_t(image)]);
    item->setData(image, kImageRole);
    item->setData(QVariant::fromValue(static_cast<void*>(&component)), kComponentRole);
    return item;
}

void CTreeList::Merge(CTreeEntry& entry)
{
    if (!m_tree || entry.root || entry.components.IsEmpty())
        return;
    QStandardItem* parent = nullptr; // null while at the top level
    bool searching = true;
    const int count = entry.components.Count();
    int position = 0;
    for (CTreeComponent* component : entry.components) {
        const bool last = position++ == count - 1;
        if (searching) {
            QStandardItem* match = nullptr;
            if (!parent) {
                // Top-level items after the title line; the title never matches.
                const bool titleHere = m_titleIndex.isValid() && m_titleIndex.model() == m_tree
                                       && !m_titleIndex.parent().isValid();
                for (int row = titleHere ? m_titleIndex.row() + 1 : 0; row < m_tree->rowCount() && !match; ++row)
                    if (ShowsName(m_tree->item(row), component->name))
                        match = m_tree->item(row);
            } else {
                for (int row = 0; row < parent->rowCount() && !match; ++row)
                    if (ShowsName(parent->child(row), component->name))
                        match = parent->child(row);
            }
            if (match) {
                if (last)
                    return; // already shown; the item keeps its first component
                parent = match;
                continue;
            }
            searching = false;
        }
        QStandardItem* item = MakeItem(*component, last);
        if (parent)
            parent->appendRow(item);
        else
            m_tree->appendRow(item);
        parent = item;
    }
}

QString CTreeList::NameProblem(const QString& name, int32_t isFolder)
{
    // An empty folder is written "\" and read back as one; an empty file would
    // leave an empty path line, which is no entry.
    if (name.isEmpty() && !isFolder)
        return QLatin1String(kEmptyFileName);
    for (QChar c : name)
        if (c == QLatin1Char('\\') || c == QLatin1Char('\n') || c == QLatin1Char('\r') || c.unicode() == 0)
            return QLatin1String(kBadCharacter);
    if (EncodeText(name).size() > kMaxComponent)
        return QLatin1String(kNameTooLong);
    return QString();
}

bool CTreeList::IsUsableName(const QString& name, int32_t isFolder)
{
    return NameProblem(name, isFolder).isEmpty();
}

bool CTreeList::Shows(const CTreeEntry& fresh) const
{
    // The tree shows one item per name in a folder, whatever the entries
    // that name it: an entry whose path, but for its last component, is the
    // folder's and whose next component bears the name is shown there.
    const int depth = fresh.components.Count() - 1;
    const QString& name = fresh.components.Tail()->name;
    for (const CTreeEntry* e : m_entries) {
        if (e->root || e->components.Count() <= depth)
            continue;
        bool inFolder = true;
        for (int i = 0; i < depth && inFolder; ++i)
            inFolder = e->components.At(i)->name == fresh.components.At(i)->name;
        if (inFolder && e->components.At(depth)->name == name)
            return true;
    }
    return false;
}

bool CTreeList::ListsFile(const QString& name) const
{
    for (const CTreeEntry* e : m_entries) {
        const CTreeComponent* last = e->root ? nullptr : e->components.Tail();
        if (last && !last->folder && last->name == name)
            return true;
    }
    return false;
}

void CTreeList::Refuse(const QString& why)
{
    m_ui.MessageBox(why, QLatin1String(kRefusalCaption));
}

std::unique_ptr<CTreeEntry> CTreeList::Compose(CTreeEntry& entry, CTreeComponent* folder, const QString& name,
                                               int32_t isFolder, QString& problem) const
{
    problem = NameProblem(name, isFolder);
    if (!problem.isEmpty())
        return nullptr;
    auto fresh = std::make_unique<CTreeEntry>();
    const bool atRoot = !folder || entry.root || folder->name == QLatin1String(kRootName);
    if (!atRoot) {
        // The clicked folder is found by identity, so that a folder named like
        // one of its parents (A\A) gets the file, not the parent; a component
        // from elsewhere is found by name.
        int upTo = entry.PositionOf(folder);
        if (upTo < 0) {
            int i = 0;
            for (CTreeComponent* c : entry.components) {
                if (c->name == folder->name) {
                    upTo = i;
                    break;
                }
                ++i;
            }
        }
        if (upTo < 0)
            upTo = entry.components.Count() - 1;
        for (int i = 0; i <= upTo; ++i) {
            const CTreeComponent* c = entry.components.At(i);
            fresh->AddComponent(c->name, c->folder);
        }
    }
    fresh->AddComponent(name, isFolder);
    if (EncodeText(TreePathLine(*fresh)).size() > kMaxPathLine)
        problem = QLatin1String(kPathTooLong);
    // A second item of the same name would never be shown, and a file listed
    // twice would go into the quest file twice.
    else if (Shows(*fresh))
        problem = QString::fromLatin1(kAlreadyThere).arg(DisplayText(name));
    return problem.isEmpty() ? std::move(fresh) : nullptr;
}

QString CTreeList::AddProblem(CTreeEntry* entry, CTreeComponent* folder, const QString& name, int32_t isFolder) const
{
    QString problem;
    if (entry)
        Compose(*entry, folder, name, isFolder, problem);
    return problem;
}

int CTreeList::AddEntry(CTreeEntry* entry, CTreeComponent* folder, const QString& name, int32_t isFolder)
{
    if (!entry)
        return 0;
    QString problem;
    std::unique_ptr<CTreeEntry> fresh = Compose(*entry, folder, name, isFolder, problem);
    if (!fresh) {
        Refuse(problem);
        return 0;
    }
    CTreeEntry* added = m_entries.Append(std::move(fresh), "entry");
    // The tree shows what the file holds: an entry the file did not take goes.
    if (!Save()) {
        m_entries.Remove(added);
        return 0;
    }
    Merge(*added);
    return 1;
}

int CTreeList::AddFile(CTreeEntry* entry, CTreeComponent* folder, const QString& name)
{
    return AddEntry(entry, folder, name, 0);
}

int CTreeList::AddFolder(CTreeEntry* entry, CTreeComponent* folder, const QString& name)
{
    return AddEntry(entry, folder, name, 1);
}

void CTreeList::RemoveFolder(CTreeEntry* entry, CTreeComponent* folder)
{
    if (!entry || !folder)
        return;
    int depth = entry->PositionOf(folder);
    if (depth < 0) {
        int i = 0;
        for (CTreeComponent* c : entry->components) {
            if (c->name == folder->name) {
                depth = i;
                break;
            }
            ++i;
        }
    }
    const QString name = folder->name; // the component itself may be cut below
    std::vector<CTreeEntry*> cut;
    if (depth >= 0) {
        for (CTreeEntry* e : m_entries) {
            const CTreeComponent* atDepth = e->root ? nullptr : e->components.At(depth);
            if (atDepth && atDepth->name == name)
                cut.push_back(e);
        }
    }
    // The file is written first: when it cannot be, the tree stays as the
    // file holds it.
    const auto written = [&cut, depth](const CTreeEntry& e) {
        return std::find(cut.begin(), cut.end(), &e) != cut.end() ? depth : e.components.Count();
    };
    if (!Write(written))
        return;
    for (CTreeEntry* e : cut) {
        std::vector<CTreeComponent*> marked;
        for (int i = depth; i < e->components.Count(); ++i) {
            e->components.At(i)->removalMark = 1;
            marked.push_back(e->components.At(i));
        }
        for (CTreeComponent* c : marked)
            e->components.Remove(c);
    }
    FillTree(m_title);
}

void CTreeList::RemoveEntry(CTreeEntry* entry)
{
    // The root entry stands for the title line and must outlive every command.
    const bool removable = entry && entry != m_rootEntry && m_entries.Contains(entry);
    const auto written = [entry, removable](const CTreeEntry& e) {
        return removable && &e == entry ? 0 : e.components.Count();
    };
    // The file is written first: when it cannot be, the entry stays, as in the file.
    if (!Write(written))
        return;
    if (removable)
        m_entries.Remove(entry);
    FillTree(m_title);
}

CTreeComponent* CTreeList::ComponentOf(const QStandardItem* item)
{
    if (!item)
        return nullptr;
    return static_cast<CTreeComponent*>(item->data(kComponentRole).value<void*>());
}
