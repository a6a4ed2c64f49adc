// One frame of the sheet designer on a 1024 x 1024 sheet cut into 1,000
// sprites: the ground, the sheet at double size, the status lines, every
// sprite's outline, the hovered sprite and the drag rectangle, drawn into the
// back buffer and presented (the view keeps a copy of each presented frame),
// beside a plain copy of the back buffer's pixels in the same run.
#include "FramePeers.h"
#include "display/Display.h"
#include "display/PixelMemory.h"
#include "document/UiPort.h"
#include "sheets/SheetDesigner.h"

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
    CUiPort ui;
    CSheetDesigner designer{ui, ui, ui};
    CDisplay display;
    QImage shown; // what the view keeps of each presented frame

    SheetScene()
    {
        display.Initialise(nullptr, kWidth, kHeight);
        display.SetPresenter([this](const QImage& frame) { // as the view keeps it
            CopyIntoKept(frame, shown);
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
    const double frame = FrameNanoseconds(state, scene.designer, scene.display, scene.shown);
    state.counters["pixels"] = double(kWidth) * kHeight;
    // The goal: a frame in at most 4 times the plain copy.
    ReportFrame(state, frame, PlainCopyNanoseconds(size_t(kWidth) * kHeight), 4);
}
BENCHMARK(BM_SheetDesignerFrame1024Sheet1000Sprites)->Unit(benchmark::kMicrosecond)->UseRealTime()
    ->Repetitions(5)->ReportAggregatesOnly(true);
} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv);
}
