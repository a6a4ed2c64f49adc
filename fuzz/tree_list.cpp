// A resource tree list (questdata\Fuzz\entitylist.txt) as a manager dialog
// loads it, shows it in its tree control and saves it again. A list that is
// valid UTF-8 keeps its entries through a save and a second load.
#include "FuzzBase.h"

#include "resources/TreeList.h"

#include <QStandardItemModel>
#include <QStringDecoder>

namespace {

QStringList Paths(const CTreeList& list)
{
    QStringList paths;
    for (const CTreeEntry* entry : list.Entries())
        paths << (entry->root ? QStringLiteral("<root>") : TreePathLine(*entry));
    return paths;
}

bool IsUtf8(const uint8_t* data, size_t size)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    return !utf8.hasError();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    const QString file = QStringLiteral("questdata\\Fuzz\\entitylist.txt");
    FuzzWrite(file, data, size);
    // The lists are made once (their icons take long to load); every Load
    // starts them afresh.
    static CFuzzUi ui;
    static QStandardItemModel tree;
    static CTreeList list(ui);
    static CTreeList again(ui);
    list.SetTreeControl(&tree);
    FuzzCheck(list.Load(file) == 1, "a list that opens loads");
    list.FillTree(QStringLiteral("Entities"));
    FuzzCheck(list.RootEntry() != nullptr, "a loaded list has its root entry");
    FuzzCheck(list.Save() == 1, "a loaded list saves");
    const QStringList first = Paths(list);

    again.SetTreeControl(&tree);
    FuzzCheck(again.Load(file) == 1, "a saved list loads");
    if (IsUtf8(data, size))
        FuzzCheck(Paths(again) == first, "a saved list reads back the same");
    again.FillTree(QStringLiteral("Entities"));
    CTreeEntry* root = again.RootEntry();
    again.AddFolder(root, root->components.Head(), QStringLiteral("Added"));
    if (CTreeEntry* head = again.Entries().Head(); head && !head->root && head->components.Head())
        again.RemoveFolder(head, head->components.Head());
    return 0;
}
