// The compile list compiler\compilelist.txt as a build loads it, then saved
// and loaded again: every entry keeps its time, and its path as the save
// writes it (up to a first line break, a lone CR).
#include "FuzzBase.h"

#include "build/CompileList.h"
#include "support/io/FieldLine.h"
#include "support/paths/QuestPaths.h"

#include <utility>
#include <vector>

namespace {

std::vector<std::pair<QString, uint64_t>> Entries(const CCompileList& list)
{
    std::vector<std::pair<QString, uint64_t>> entries;
    for (const CEntry* entry : list.Entries())
        entries.emplace_back(entry->sourcePath, entry->compiledAt);
    return entries;
}

// The entries as a save writes them: a path holding a lone CR is written up to
// it, and one with nothing before it is an empty line, which is no entry.
std::vector<std::pair<QString, uint64_t>> AsSaved(const std::vector<std::pair<QString, uint64_t>>& entries)
{
    std::vector<std::pair<QString, uint64_t>> saved;
    for (const auto& [path, time] : entries)
        if (const QString written = OneLineText(path); !written.isEmpty())
            saved.emplace_back(written, time);
    return saved;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    FuzzWrite(CompileListPath(), data, size);
    CFuzzUi ui;
    CCompileList list(ui);
    FuzzCheck(list.LoadCompileList() == 1, "a list that opens loads");
    const auto first = Entries(list);
    for (const auto& [path, time] : first)
        FuzzCheck(list.Find(path) != nullptr, "every path is found");
    FuzzCheck(list.SaveCompileList() == 1, "a loaded list saves");
    FuzzCheck(list.LoadCompileList() == 1, "a saved list loads");
    FuzzCheck(Entries(list) == AsSaved(first), "a saved list reads back the same");
    FuzzCheck(ui.messageCount == 0, "reading and writing a list shows nothing");
    return 0;
}
