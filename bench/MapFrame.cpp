// One frame of the map designer: a full view of 81 cells with previews and 10
// groups drawn into the back buffer and presented (the view keeps a copy of
// each presented frame), beside a plain copy of the back buffer's pixels in the
// same run. Mouse moves draw one such frame each. bench/compare prints the
// ratio against its goal.
#include "FramePeers.h"
#include "display/Display.h"
#include "display/PixelMemory.h"
#include "document/UiPort.h"
#include "map/MapDesigner.h"
#include "screens/PreviewWriter.h"
#include "support/paths/Globals.h"
#include "support/paths/QuestPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <QElapsedTimer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
constexpr int kWidth = 1024;
constexpr int kHeight = 768;

struct MapScene {
    QTemporaryDir base; // the previews' quest folder
    CUiPort ui;
    CQuest quest{ui, ui, ui};
    CMapDesigner designer{quest, ui, ui, ui};
    CDisplay display;
    QImage shown; // what the view keeps of each presented frame

    explicit MapScene(bool previews)
    {
        display.Initialise(nullptr, kWidth, kHeight);
        display.SetPresenter([this](const QImage& frame) { // as the view keeps it
            CopyIntoKept(frame, shown);
        });
        designer.display = &display;
        g_baseDirectory = base.path();
        g_questName = QStringLiteral("Bench");
        QDir(base.path()).mkpath(QStringLiteral("questdata/Bench/screens"));
        CSurface preview;
        preview.Create(128, 96);
        for (int r = 0; r < 9 && previews; ++r)
            for (int c = 0; c < 9; ++c) {
                for (int y = 0; y < 96; ++y)
                    for (int x = 0; x < 128; ++x) // some sky left out in key green
                        preview.SetPixel(x, y, y < 12 ? 0x07E0 : uint16_t((x * 31 + y * 7 + c * 1000 + r) & 0xF7DF));
                QFile file(base.path() + QStringLiteral("/questdata/Bench/screens/%1-%2.bmp").arg(c).arg(r));
                file.open(QIODevice::WriteOnly);
                file.write(PreviewFileBytes(preview));
                file.close();
                quest.files.LoadPreview(quest.map.Cell(c, r), c, r);
            }
        for (int g = 0; g < 10; ++g) {
            auto group = std::make_unique<CGroup>();
            group->left = (g % 5) * 256;
            group->top = (g / 5) * 384;
            group->right = group->left + 256;
            group->bottom = group->top + 384;
            group->id = g;
            quest.map.groups.Append(std::move(group));
        }
        quest.map.groups.selected = quest.map.groups.groups.Head();
        designer.draw(&display); // the previews read, as after the first frame
    }
};

// Times frames of the scene and, in the same run, a plain copy of as many
// 16-bit pixels as the back buffer holds; reports both and their ratio.
void TimeFrames(benchmark::State& state, MapScene& scene, double goal)
{
    const double frame = FrameNanoseconds(state, scene.designer, scene.display, scene.shown);
    state.counters["pixels"] = double(kWidth) * kHeight;
    ReportFrame(state, frame, PlainCopyNanoseconds(size_t(kWidth) * kHeight), goal);
}

// The goal: a frame in at most 2.5 times the plain copy.
void BM_MapFrame81Previews10Groups(benchmark::State& state)
{
    MapScene scene(true);
    TimeFrames(state, scene, 2.5);
}
BENCHMARK(BM_MapFrame81Previews10Groups)->Unit(benchmark::kMicrosecond)->UseRealTime()
    ->Repetitions(5)->ReportAggregatesOnly(true);

// For comparison: the same view over empty cells, each a framed block with its label.
void BM_MapFrame81EmptyCells10Groups(benchmark::State& state)
{
    MapScene scene(false);
    TimeFrames(state, scene, 0);
}
BENCHMARK(BM_MapFrame81EmptyCells10Groups)->Unit(benchmark::kMicrosecond)->UseRealTime()
    ->Repetitions(5)->ReportAggregatesOnly(true);
} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv);
}
