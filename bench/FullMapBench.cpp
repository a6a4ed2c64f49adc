// A quest whose every cell holds a screen (256 x 256, Demo's screens copied
// across the map) in the map designer: from Open to the first frame drawn
// and presented, the first frame after a jump to any part of the map (the
// previews there not read yet), and what the process holds in memory with
// the quest open and after a tour of the map. These goals are plain bounds
// a person notices, not ratios: at most 0.5 s to the first frame, 20 ms to
// the first frame after a jump, 200 MB resident.
#include "DemoCopiedQuest.h"
#include "FramePeers.h"

#include "display/Display.h"
#include "document/UiPort.h"
#include "map/MapDesigner.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const DemoCopiedQuest& TheQuest()
{
    static DemoCopiedQuest quest(256, 256);
    return quest;
}

// The map designer as the editor holds it, drawing into a 1024 x 768 back buffer.
struct OpenMap {
    CUiPort ui;
    CQuest quest{ui, ui, ui};
    CMapDesigner designer{quest, ui, ui, ui};
    CDisplay display;
    OpenMap()
    {
        display.Initialise(nullptr, 1024, 768);
        designer.display = &display;
    }
    bool Open()
    {
        quest.files.LoadMapFile(QStringLiteral("save\\Full.qss"), QStringLiteral("Full"));
        designer.draw(&display);
        display.Present();
        return quest.map.ScreenCount() == kMapCellCount;
    }
};

void BM_FullMapOpenToFirstFrame(benchmark::State& state)
{
    const DemoCopiedQuest& full = TheQuest();
    if (!full.ready) {
        state.SkipWithError("the quest could not be made");
        return;
    }
    full.MakeCurrent();
    double seconds = 0;
    int64_t runs = 0;
    double resident = 0;
    for (auto _ : state) {
        auto map = std::make_unique<OpenMap>();
        QElapsedTimer timer;
        timer.start();
        const bool whole = map->Open();
        seconds += double(timer.nsecsElapsed()) / 1e9;
        ++runs;
        if (!whole) {
            state.SkipWithError("the quest did not open whole");
            return;
        }
        resident = ResidentKilobytes();
    }
    state.counters["ms_open_to_first_frame"] = seconds / double(runs) * 1e3;
    state.counters["goal_at_most_ms_open_to_first_frame"] = 500;
    state.counters["mb_resident_with_the_quest_open"] = resident / 1024;
    state.counters["goal_at_most_mb_resident_with_the_quest_open"] = 200;
}
BENCHMARK(BM_FullMapOpenToFirstFrame)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Jumps across the map, as a drag of the scroll bars' thumbs does: each to a
// place whose previews are not read yet (the reading ahead runs while the
// program is idle, and a benchmark never is), timed from the scroll to the
// frame presented there. The slowest jump of the run counts.
void BM_FullMapFirstFrameAfterAJump(benchmark::State& state)
{
    const DemoCopiedQuest& full = TheQuest();
    if (!full.ready) {
        state.SkipWithError("the quest could not be made");
        return;
    }
    full.MakeCurrent();
    OpenMap map;
    if (!map.Open()) {
        state.SkipWithError("the quest did not open whole");
        return;
    }
    std::vector<double> frames;
    uint32_t seed = 12345;
    for (auto _ : state) {
        seed = seed * 1103515245u + 12345u;
        const int x = int((seed >> 8) % uint32_t(CMapDesigner::kScrollLimitX));
        seed = seed * 1103515245u + 12345u;
        const int y = int((seed >> 8) % uint32_t(CMapDesigner::kScrollLimitY));
        map.designer.ScrollTo(x, map.designer.ScrollY());
        QElapsedTimer timer;
        timer.start();
        map.designer.onVScroll(SB_THUMBPOSITION, y); // clears, draws and presents
        frames.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(frames.begin(), frames.end());
    state.counters["ms_slowest_first_frame_after_a_jump"] = frames.back();
    state.counters["goal_at_most_ms_slowest_first_frame_after_a_jump"] = 20;
    state.counters["ms_median_first_frame_after_a_jump"] = frames[frames.size() / 2];
    // After the tour: the cache is as full as it gets.
    state.counters["mb_resident_after_the_tour"] = ResidentKilobytes() / 1024;
    state.counters["goal_at_most_mb_resident_after_the_tour"] = 200;
    state.counters["previews_kept"] = double(map.quest.map.previews.Count());
}
BENCHMARK(BM_FullMapFirstFrameAfterAJump)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(200)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv);
}
