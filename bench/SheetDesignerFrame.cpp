// One frame of the sheet designer on a 1024 x 1024 sheet cut into 1,000
// sprites: the ground, the sheet at double size, the status lines, every
// sprite's outline, the hovered sprite and the drag rectangle, drawn into the
// back buffer and presented (the view keeps a copy of each presented frame),
// beside a plain copy of the back buffer's pixels in the same run.
#include "display/Display.h"
#include "sheets/SheetDesigner.h"
#include "support/QuietUi.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kSheetSize = 1024;
constexpr int kSprites = 1000;

struct SheetScene {
    CQuietUi ui;
    CSheetDesigner designer{ui};
    CDisplay display;
    QImage shown; // what the view keeps of each presented frame

    SheetScene()
    {
        display.Initialise(nullptr, kWidth, kHeight);
        display.SetPresenter([this](const QImage& frame) { // as the view keeps it
            if (shown.size() != frame.size())
                shown = frame.copy();
            else
                std::memcpy(shown.bits(), frame.constBits(), size_t(frame.sizeInBytes()));
        });
        designer.display = &display;
        auto sheet = std::make_unique<CSurface>();
        sheet->Create(kSheetSize, kSheetSize);
        for (int y = 0; y < kSheetSize; ++y)
            for (int x = 0; x < kSheetSize; ++x)
                sheet->SetPixel(x, y, uint16_t((x * 31 + y * 7) & 0xFFFF));
        designer.surface = std::move(sheet);
        // A grid of 32 x 32 cells, each a sprite of its own size, in sheet order.
        for (int i = 0; i < kSprites; ++i) {
            auto sprite = std::make_unique<CDesignerSprite>();
            const int x = (i % 32) * 32;
            const int y = (i / 32) * 32;
            sprite->rectangle = DesignerRect(x, y, 16 + i % 17, 16 + i % 13);
            sprite->code = "sprite" + QByteArray::number(i);
            designer.sprites.Append(std::move(sprite), "sprite");
        }
        designer.hovered = designer.sprites.At(40);
        designer.drag = CRect{127, 127, 255, 191};
        designer.pointerX = 255;
        designer.pointerY = 191;
    }
};

// Times frames of the scene and, in the same run, a plain copy of as many
// 16-bit pixels as the back buffer holds; reports both and their ratio.
void BM_SheetDesignerFrame1024Sheet1000Sprites(benchmark::State& state)
{
    SheetScene scene;
    double frames = 0;
    int64_t runs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        scene.designer.draw(&scene.display);
        scene.display.Present();
        benchmark::DoNotOptimize(scene.shown.constBits());
        frames += double(timer.nsecsElapsed());
        ++runs;
    }
    std::vector<uint16_t> from(size_t(kWidth) * kHeight, 0x1234);
    std::vector<uint16_t> to(size_t(kWidth) * kHeight, 0);
    double copy = 0;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        std::memcpy(to.data(), from.data(), to.size() * sizeof(uint16_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
        copy += double(timer.nsecsElapsed());
    }
    copy /= 200;
    const double frame = frames / double(std::max<int64_t>(runs, 1));
    state.counters["pixels"] = double(kWidth) * kHeight;
    state.counters["us_frame"] = frame / 1e3;
    state.counters["us_memcpy"] = copy / 1e3;
    state.counters["ratio_to_copy"] = frame / copy;
    // The goal: a frame in at most 4 times the plain copy.
    state.counters["goal_ratio_to_copy"] = 4;
}
BENCHMARK(BM_SheetDesignerFrame1024Sheet1000Sprites)->Unit(benchmark::kMicrosecond)->UseRealTime();
} // namespace

int main(int argc, char** argv)
{
    // The status lines are drawn with the application's fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
