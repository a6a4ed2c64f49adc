#include "resources/TreeList.h"

#include "resources/TreeImages.h"
#include "support/DiagnosticLog.h"
#include "support/FieldLine.h"
#include "support/TextCodec.h"
#include "support/TextFile.h"
#include "support/MessagePort.h"

#include <QStandardItem>
#include <QStandardItemModel>

#include <vector>

namespace {

const char kOpenFailure[] = "Couldn't open Tree List";
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

QString TreePathLine(const CTreeEntry& entry)
{
    QString line;
    const int count = entry.components.Count();
    int i = 0;
    for (CTreeComponent* c : entry.components) {
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
    while (file.GetWholeLine(line, kLineBuffer)) {
        auto entry = std::make_unique<CTreeEntry>();
        const bool fits = SplitPathLine(line, *entry);
        if (entry->components.IsEmpty() && fits)
            continue; // an empty line is no entry and has no name line
        QByteArray nameLine;
        const bool hasNameLine = file.GetWholeLine(nameLine, kLineBuffer);
        if (!fits) {
            // The format cannot hold this entry; it is dropped whole, name line
            // included, so the entries after it keep their pairing.
            LogLine(QStringLiteral("Tree list line too long, entry skipped: ") + m_fileName);
        } else if (TreePathLine(*entry).isEmpty()) {
            // Nothing of it before a line break (a lone CR): a save would write
            // an empty line, which is no entry. Dropped the same way.
            LogLine(QStringLiteral("Tree list line without a name, entry skipped: ") + m_fileName);
        } else {
            m_entries.Append(std::move(entry), "entry");
        }
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
    if (m_entries.IsEmpty())
        return 1;
    CTextWriter file;
    if (!file.Open(m_fileName)) {
        ShowOpenFailure();
        return 0;
    }
    for (CTreeEntry* entry : m_entries) {
        if (entry->root || entry->components.IsEmpty())
            continue;
        const CTreeComponent* last = entry->components.Tail();
        file.Line(TreePathLine(*entry));
        const QString name = OneLineText(last->name);
        file.Line(last->folder ? name + QLatin1Char('\\') : name);
    }
    if (!file.Commit()) {
        ShowOpenFailure();
        return 0;
    }
    return 1;
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

bool CTreeList::IsUsableName(const QString& name, int32_t isFolder)
{
    // An empty folder is written "\" and read back as one; an empty file would
    // leave an empty path line, which is no entry.
    if ((name.isEmpty() && !isFolder) || EncodeText(name).size() > kMaxComponent)
        return false;
    for (QChar c : name)
        if (c == QLatin1Char('\\') || c == QLatin1Char('\n') || c == QLatin1Char('\r') || c.unicode() == 0)
            return false;
    return true;
}

int CTreeList::AddEntry(CTreeEntry* entry, CTreeComponent* folder, const QString& name, int32_t isFolder)
{
    if (!entry)
        return 0;
    if (!IsUsableName(name, isFolder))
        return 0;
    auto fresh = std::make_unique<CTreeEntry>();
    const bool atRoot = !folder || entry->root || folder->name == QLatin1String(kRootName);
    if (!atRoot) {
        // The clicked folder is found by identity, so that a folder named like
        // one of its parents (A\A) gets the file, not the parent; a component
        // from elsewhere is found by name.
        int upTo = entry->PositionOf(folder);
        if (upTo < 0) {
            int i = 0;
            for (CTreeComponent* c : entry->components) {
                if (c->name == folder->name) {
                    upTo = i;
                    break;
                }
                ++i;
            }
        }
        if (upTo < 0)
            upTo = entry->components.Count() - 1;
        for (int i = 0; i <= upTo; ++i) {
            const CTreeComponent* c = entry->components.At(i);
            fresh->AddComponent(c->name, c->folder);
        }
    }
    fresh->AddComponent(name, isFolder);
    if (EncodeText(TreePathLine(*fresh)).size() > kMaxPathLine)
        return 0;
    CTreeEntry* added = m_entries.Append(std::move(fresh), "entry");
    Save();
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
    if (depth >= 0) {
        for (CTreeEntry* e : m_entries) {
            if (e->root)
                continue;
            const CTreeComponent* atDepth = e->components.At(depth);
            if (!atDepth || atDepth->name != name)
                continue;
            std::vector<CTreeComponent*> marked;
            for (int i = depth; i < e->components.Count(); ++i) {
                e->components.At(i)->removalMark = 1;
                marked.push_back(e->components.At(i));
            }
            for (CTreeComponent* c : marked)
                e->components.Remove(c);
        }
    }
    Save();
    FillTree(m_title);
}

void CTreeList::RemoveEntry(CTreeEntry* entry)
{
    // The root entry stands for the title line and must outlive every command.
    if (entry && entry != m_rootEntry)
        m_entries.Remove(entry);
    Save();
    FillTree(m_title);
}

CTreeComponent* CTreeList::ComponentOf(const QStandardItem* item)
{
    if (!item)
        return nullptr;
    return static_cast<CTreeComponent*>(item->data(kComponentRole).value<void*>());
}
