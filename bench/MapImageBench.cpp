// A picture of a 1,000-screen map, as `tessell map-image` makes it: the map
// file and every preview read, the 5,120 x 2,400 picture drawn and encoded as
// PNG; beside reading the map file and the previews alone (what opening the
// quest costs) in the same run.
#include "FramePeers.h"
#include "ThousandScreenQuest.h"

#include "document/UiPort.h"
#include "quest/MapImage.h"
#include "quest/PreviewReader.h"
#include "quest/QuestFiles.h"
#include "quest/QuestMap.h"
#include "support/paths/Globals.h"
#include "support/paths/QuestPaths.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageWriter>

#include <benchmark/benchmark.h>

namespace {

bool OpenMap(CQuestMap& map, CUiPort& ui)
{
    CQuestFiles files(map, ui, ui, ui);
    files.LoadMapFile(QStringLiteral("save\\Bench.qss"), QStringLiteral("Bench"));
    return map.ScreenCount() == kScreens;
}

// The map file and every preview read with the map's reader, one at a time.
bool ReadPreviews(CQuestMap& map, CUiPort& ui)
{
    if (!OpenMap(map, ui))
        return false;
    CSurface preview;
    preview.Create(128, 96);
    for (int index = 0; index < kMapCellCount; ++index)
        if (map.CellAt(index).HoldsScreen())
            ReadPreviewFile(PreviewPath(index % kMapColumns, index / kMapColumns), preview);
    return true;
}

void BM_MapImageOf1000Screens(benchmark::State& state)
{
    ThousandScreenQuest quest(false);
    g_baseDirectory = quest.dir.path();
    CUiPort ui;
    double ours = 0;
    double drawing = 0;
    int64_t runs = 0;
    qint64 pngBytes = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        CQuestMap map;
        if (!OpenMap(map, ui)) {
            state.SkipWithError("the quest did not open whole");
            break;
        }
        const qint64 read = timer.nsecsElapsed();
        QString problem;
        const QImage picture = DrawMapImage(map, MapImageCells::Previews, ui, problem);
        drawing += double(timer.nsecsElapsed() - read) / 1e9;
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (picture.size() != QSize(40 * 128, 25 * 96) || !QImageWriter(&png, "png").write(picture)) {
            state.SkipWithError("no map image");
            break;
        }
        ours += double(timer.nsecsElapsed()) / 1e9;
        pngBytes = png.size();
        ++runs;
    }
    if (runs == 0)
        return;
    double reading = 0;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        CQuestMap map;
        ReadPreviews(map, ui);
        reading += double(timer.nsecsElapsed()) / 1e9;
    }
    reading /= 3;
    state.counters["ms_map_image"] = ours / double(runs) * 1e3;
    state.counters["ms_read_previews"] = reading * 1e3;
    state.counters["ratio_to_read_previews"] = (ours / double(runs)) / reading;
    state.counters["draw_share"] = drawing / ours;
    state.counters["png_kb"] = double(pngBytes) / 1024;
}
BENCHMARK(BM_MapImageOf1000Screens)->Unit(benchmark::kMillisecond)->UseRealTime()
    ->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv);
}
