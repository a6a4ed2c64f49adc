// Rendering one screen of 1,000 placed sprites and 50 fills from the sample
// sheet, beside copying the same number of pixels with memcpy: at most 2.5
// times.
#include "FramePeers.h"
#include "console/ConsoleUi.h"

#include "display/Display.h"
#include "screens/Screen.h"
#include "sheets/SheetLibrary.h"
#include "support/paths/Globals.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

void BM_RenderScreen1000Sprites50Fills(benchmark::State& state)
{
    QTemporaryDir dir;
    QDir root(dir.path());
    root.mkpath(QStringLiteral("sprite sheets"));
    root.mkpath(QStringLiteral("questdata/Bench"));
    for (const char* ext : {".bmp", ".spt"})
        QFile::copy(QStringLiteral(TESSELL_SOURCE_DIR "/workspace/sprite sheets/meadow") + QLatin1String(ext),
                    dir.path() + QStringLiteral("/sprite sheets/meadow") + QLatin1String(ext));
    QFile list(dir.path() + QStringLiteral("/questdata/Bench/sheets.txt"));
    list.open(QIODevice::WriteOnly);
    list.write("meadow\r\nmeadow\r\n");
    list.close();
    g_baseDirectory = dir.path();
    g_questName = QStringLiteral("Bench");

    CConsoleUi ui;
    CDisplay display;
    display.Initialise(nullptr, 1024, 768);
    CSheetLibrary library(&display, ui);
    CScreen screen(&display, &ui, &library);
    screen.Create();
    auto item = [&](const char* code) {
        CPlacedSprite p;
        p.code = code;
        p.sprite = library.FindSprite(p.code);
        p.sheet = library.FindSheetOf(p.sprite);
        return p;
    };
    const char* sprites[] = {"tree", "rock", "flowers", "pebble", "canopy", "grass", "wisp"};
    const char* fills[] = {"grassfill", "waterfill", "pathfill"};
    int64_t pixels = 320 * 240; // the white background
    uint32_t seed = 12345;
    auto next = [&seed](int n) { seed = seed * 1103515245u + 12345u; return int((seed >> 8) % uint32_t(n)); };
    for (int i = 0; i < 50; ++i) {
        const int x = next(260), y = next(180);
        const int w = 16 + next(120), h = 16 + next(90);
        screen.AddFill(item(fills[i % 3]), x, y, x + w, y + h);
        const CFill* f = screen.fills.Tail();
        pixels += int64_t(std::min(f->right, 320) - f->left) * (std::min(f->bottom, 240) - f->top);
    }
    for (int i = 0; i < 1000; ++i) {
        const CPlacedSprite p = item(sprites[i % 7]);
        screen.AddPlacedSprite(p, next(320) + 15 + p.Width(), next(240) + 15 + p.Height());
        pixels += int64_t(p.Width()) * p.Height();
    }
    if (screen.placedSprites.Count() != 1000 || screen.fills.Count() != 50 || ui.messageCount)
        state.SkipWithError("the screen could not be made");

    double render = 0;
    int64_t runs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        screen.Render();
        benchmark::DoNotOptimize(screen.preview->Pixel(0, 0));
        render += double(timer.nsecsElapsed());
        ++runs;
    }
    // The same number of 16-bit pixels copied as one block.
    const double copy = PlainCopyNanoseconds(size_t(pixels), 50);
    state.counters["pixels"] = double(pixels);
    state.counters["us_render"] = render / double(runs) / 1e3;
    state.counters["us_memcpy"] = copy / 1e3;
    state.counters["ratio_to_copy"] = (render / double(runs)) / copy;
    state.counters["goal_ratio_to_copy"] = 2.5;
}
BENCHMARK(BM_RenderScreen1000Sprites50Fills)->Unit(benchmark::kMicrosecond)->UseRealTime()
    ->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv);
}
