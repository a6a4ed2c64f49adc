// One frame of the map designer: a full view of 81 cells with previews and 10
// groups drawn into the back buffer and presented (the view keeps a copy of
// each presented frame), beside a plain copy of the back buffer's pixels in the
// same run. Mouse moves draw one such frame each.
#include "display/Display.h"
#include "map/MapDesigner.h"
#include "support/UiPort.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {
class CSilentUi : public CUiPort {
public:
    int MessageBox(const QString&, const QString&, Buttons) override { return AnswerOk; }
    void SetWindowTitle(const QString&) override {}
    void SetMenu(int) override {}
    void SetScrollPosition(ScrollBarKind, int) override {}
    QString ChooseOpenFile(const QString&, const QString&, const QString&) override { return QString(); }
    bool AskQuestName(QString&) override { return false; }
    bool AskName(const QString&, const QString&, QString&) override { return false; }
    void ShowAbout() override {}
    void Quit(int) override {}
    int ScreenPropertiesDialog(CMapCell&, int, int) override { return AnswerCancel; }
    int GroupPropertiesDialog(CGroup&, CGroupList&, CNameList&) override { return AnswerCancel; }
    bool MoveScreenDialog(int&, int&) override { return false; }
    bool QuestPropertiesDialog(QuestProperties&) override { return false; }
    int ScriptErrorsDialog() override { return AnswerOk; }
    void Progress(const QString&, int, int) override {}
};

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

struct MapScene {
    CSilentUi ui;
    CMapDesigner designer{&ui};
    CDisplay display;
    QImage shown; // what the view keeps of each presented frame

    explicit MapScene(bool previews)
    {
        display.Initialise(nullptr, kWidth, kHeight);
        display.SetPresenter([this](const QImage& frame) { // as the view keeps it
            if (shown.size() != frame.size())
                shown = frame.copy();
            else
                std::memcpy(shown.bits(), frame.constBits(), size_t(frame.sizeInBytes()));
        });
        designer.display = &display;
        for (int r = 0; r < 9 && previews; ++r)
            for (int c = 0; c < 9; ++c) {
                auto preview = std::make_unique<CSurface>();
                preview->Create(128, 96);
                preview->SetColourKey(kKeyGreen);
                for (int y = 0; y < 96; ++y)
                    for (int x = 0; x < 128; ++x) // some sky left out in key green
                        preview->SetPixel(x, y, y < 12 ? 0x07E0 : uint16_t((x * 31 + y * 7 + c * 1000 + r) & 0xF7DF));
                designer.map.Cell(c, r).preview = std::move(preview);
            }
        for (int g = 0; g < 10; ++g) {
            auto group = std::make_unique<CGroup>();
            group->left = (g % 5) * 256;
            group->top = (g / 5) * 384;
            group->right = group->left + 256;
            group->bottom = group->top + 384;
            group->id = g;
            designer.map.groups.Append(std::move(group));
        }
        designer.map.groups.selected = designer.map.groups.groups.Head();
    }
};

void BM_MapFrame(benchmark::State& state)
{
    MapScene scene(true);
    for (auto _ : state) {
        scene.designer.draw(&scene.display);
        scene.display.Present();
        benchmark::DoNotOptimize(scene.shown.constBits());
    }
}
BENCHMARK(BM_MapFrame)->Unit(benchmark::kMicrosecond);

// The same frame over empty cells: each one is a framed block with its label.
void BM_MapFrameEmptyCells(benchmark::State& state)
{
    MapScene scene(false);
    for (auto _ : state) {
        scene.designer.draw(&scene.display);
        scene.display.Present();
        benchmark::DoNotOptimize(scene.shown.constBits());
    }
}
BENCHMARK(BM_MapFrameEmptyCells)->Unit(benchmark::kMicrosecond);

void BM_PlainCopy(benchmark::State& state)
{
    std::vector<uint16_t> from(size_t(kWidth) * kHeight, 0x1234);
    std::vector<uint16_t> to(size_t(kWidth) * kHeight);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size() * sizeof(uint16_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time so the ratio can be printed after the table.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};
} // namespace

int main(int argc, char** argv)
{
    // Cell labels are drawn with the application's fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto copy = reporter.times.find("BM_PlainCopy");
    if (copy == reporter.times.end() || copy->second <= 0)
        return 0;
    for (const char* name : {"BM_MapFrame", "BM_MapFrameEmptyCells"}) {
        const auto frame = reporter.times.find(name);
        if (frame != reporter.times.end())
            std::printf("%s: %.1f us, plain copy of %d x %d pixels: %.1f us, ratio %.2f (goal: at most 8)\n", name,
                        frame->second, kWidth, kHeight, copy->second, frame->second / copy->second);
    }
    benchmark::Shutdown();
    return 0;
}
