// `tessell check` and `tessell map-image` run as a person runs them, on Demo's
// screens copied over 1,000 cells (40 x 25) and over every cell of the map
// (256 x 256), so that the growth is seen:
//  - check of a quest whose scripts are all up to date, beside `cat` of every
//    file it reads (the map file, the compile list, each screen's three
//    files, the group and main scripts, the tree lists), to /dev/null: at most
//    1.3 times;
//  - map-image to PNG, beside reading the map file and every preview with the
//    map's own reader in this process: at most 3 times;
//  - the most memory either holds, under 300 MB.
#include "ChildRun.h"
#include "DemoCopiedQuest.h"
#include "FramePeers.h"

#include "build/CompileList.h"
#include "document/UiPort.h"
#include "quest/PreviewReader.h"
#include "quest/Quest.h"
#include "support/paths/QuestPaths.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

DemoCopiedQuest& QuestOf(int screens)
{
    static std::unique_ptr<DemoCopiedQuest> quest;
    static int made = 0;
    if (made != screens) {
        quest.reset(); // one at a time on disk
        quest = std::make_unique<DemoCopiedQuest>(screens == 1000 ? 40 : 256, screens == 1000 ? 25 : 256);
        made = screens;
        if (!quest->ready)
            return *quest;
        quest->MakeCurrent();
        // Every script the check would compile is up to date: compiled once,
        // as far as the compile list knows (the sources are Demo's).
        CUiPort ui;
        CQuest full(ui, ui, ui);
        full.files.LoadMapFile(MapFilePath(), QStringLiteral("Full"));
        full.ReadEntityList();
        CCompileList list(ui);
        list.LoadCompileList();
        for (const QString& name : full.entityList.Names())
            list.RecordCompiled(EntityScriptPath(name));
        for (int index = 0; index < kMapCellCount; ++index)
            if (full.map.CellAt(index).HoldsScreen())
                list.RecordCompiled(ScreenScriptPath(index % kMapColumns, index / kMapColumns));
        list.RecordCompiled(GroupScriptPath(0));
        list.RecordCompiled(MainScriptPath());
        list.SaveCompileList();
        for (const QString& logical : {CompileListPath(), GroupScriptPath(0), MainScriptPath(), EntityListPath(),
                                       SoundListPath(), SheetListPath()})
            quest->files << quest->dir.path() + QLatin1Char('/') + QString(logical).replace(QLatin1Char('\\'), QLatin1Char('/'));
    }
    quest->MakeCurrent();
    return *quest;
}

double CatSeconds(const DemoCopiedQuest& quest)
{
    // Too many names for one command line: xargs hands them to cat in turns.
    const QString list = quest.dir.path() + QStringLiteral("/files-read");
    QFile file(list);
    file.open(QIODevice::WriteOnly);
    for (const QString& name : quest.files)
        file.write(QFile::encodeName(name) + '\0');
    file.close();
    const ChildRun cat = RunChild(QStringLiteral("sh"),
                                  {QStringLiteral("-c"), QStringLiteral("xargs -0 cat < files-read > /dev/null")},
                                  quest.dir.path());
    return cat.exitCode == 0 ? cat.seconds : -1;
}

void BM_CheckUpToDate(benchmark::State& state)
{
    const int screens = int(state.range(0));
    DemoCopiedQuest& quest = QuestOf(screens);
    if (!quest.ready) {
        state.SkipWithError("the quest could not be made");
        return;
    }
    ChildRun check;
    double ours = 0, peak = 0;
    int64_t runs = 0;
    for (auto _ : state) {
        check = RunChild(QStringLiteral(TESSELL_TOOL), {QStringLiteral("check"), QStringLiteral("Full")}, quest.dir.path(),
                         quest.dir.path() + QStringLiteral("/check-output"));
        ours += check.seconds;
        peak = std::max(peak, check.peakKilobytes);
        ++runs;
    }
    // Demo has no problem; copied, neither has it.
    if (check.exitCode != 0) {
        state.SkipWithError("the check found problems (see check-output)");
        return;
    }
    double cat = 0;
    for (int i = 0; i < 3; ++i)
        cat += CatSeconds(quest);
    cat /= 3;
    state.counters["ms_check"] = ours / double(runs) * 1e3;
    state.counters["ms_cat_of_what_it_reads"] = cat * 1e3;
    state.counters["ratio_to_cat"] = ours / double(runs) / cat;
    state.counters["goal_ratio_to_cat"] = 1.3;
    state.counters["mb_check_peak_resident"] = peak / 1024;
    state.counters["goal_at_most_mb_check_peak_resident"] = 300;
}
BENCHMARK(BM_CheckUpToDate)->Arg(1000)->Arg(65536)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)
    ->Repetitions(5)->ReportAggregatesOnly(true);

// The map file and every preview read with the map's reader, one at a time.
double ReadPreviewsSeconds()
{
    QElapsedTimer timer;
    timer.start();
    CUiPort ui;
    CQuest full(ui, ui, ui);
    full.files.LoadMapFile(MapFilePath(), QStringLiteral("Full"));
    CSurface preview;
    preview.Create(kPreviewWidth, kPreviewHeight);
    for (int index = 0; index < kMapCellCount; ++index)
        if (full.map.CellAt(index).HoldsScreen())
            ReadPreviewFile(PreviewPath(index % kMapColumns, index / kMapColumns), preview);
    return double(timer.nsecsElapsed()) / 1e9;
}

void BM_MapImagePng(benchmark::State& state)
{
    const int screens = int(state.range(0));
    DemoCopiedQuest& quest = QuestOf(screens);
    if (!quest.ready) {
        state.SkipWithError("the quest could not be made");
        return;
    }
    ChildRun image;
    double ours = 0, peak = 0;
    int64_t runs = 0;
    for (auto _ : state) {
        image = RunChild(QStringLiteral(TESSELL_TOOL),
                         {QStringLiteral("map-image"), QStringLiteral("Full"), QStringLiteral("full.png")},
                         quest.dir.path());
        ours += image.seconds;
        peak = std::max(peak, image.peakKilobytes);
        ++runs;
    }
    if (image.exitCode != 0) {
        state.SkipWithError("no map image");
        return;
    }
    const double pngBytes = double(QFile(quest.dir.path() + QStringLiteral("/full.png")).size());
    QFile::remove(quest.dir.path() + QStringLiteral("/full.png"));
    double reading = 0;
    for (int i = 0; i < 3; ++i)
        reading += ReadPreviewsSeconds();
    reading /= 3;
    state.counters["ms_map_image"] = ours / double(runs) * 1e3;
    state.counters["ms_read_previews"] = reading * 1e3;
    state.counters["ratio_to_read_previews"] = ours / double(runs) / reading;
    state.counters["goal_ratio_to_read_previews"] = 3;
    state.counters["mb_map_image_peak_resident"] = peak / 1024;
    state.counters["goal_at_most_mb_map_image_peak_resident"] = 300;
    state.counters["mb_png"] = pngBytes / (1 << 20);
}
BENCHMARK(BM_MapImagePng)->Arg(1000)->Arg(65536)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)
    ->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv);
}
