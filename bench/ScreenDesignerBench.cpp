// The screen designer on a quest of 10 sheets of 256 x 256 and 9 screens of 200
// sprites each: one frame in double size with both palettes full, beside a
// plain copy of the back buffer; and Open at cell, beside reading the same
// files and decoding the same bitmaps with QImage. bench/compare prints each
// ratio against its goal.
#include "FramePeers.h"
#include "console/ConsoleUi.h"

#include "display/Display.h"
#include "display/PixelMemory.h"
#include "screens/ScreenDesigner.h"
#include "screens/ScreenDesignerPort.h"
#include "sheets/SheetFileWriter.h"
#include "support/paths/Globals.h"
#include "support/platform/Settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr int kSheets = 10;
constexpr int kSpritesPerScreen = 200;

struct DesignerQuest {
    QTemporaryDir dir;
    QStringList files;   // every file Open at cell reads
    QStringList bitmaps; // the sheets' bitmaps among them

    DesignerQuest()
    {
        QDir root(dir.path());
        for (const char* folder : {"questdata/Bench/screens", "questdata/Bench/scripts/screen", "sprite sheets"})
            root.mkpath(QLatin1String(folder));
        QByteArray list;
        for (int s = 0; s < kSheets; ++s) {
            const QString name = QStringLiteral("sheet%1").arg(s);
            QImage image(256, 256, QImage::Format_RGB32);
            image.fill(QColor(0, 255, 0));
            QPainter painter(&image);
            std::vector<SheetFileSprite> sprites;
            // 8 x 8 rows of 32 x 32 sprites: the first row fill tiles, the rest
            // background and entity sprites for the strip.
            for (int k = 0; k < 64; ++k) {
                const int x = (k % 8) * 32;
                const int y = (k / 8) * 32;
                painter.fillRect(x + 2, y + 2, 28, 28, QColor((k * 37 + s * 11) % 256, (k * 13) % 200, 40 + s * 20));
                SheetFileSprite sprite;
                sprite.code = "s" + QByteArray::number(s) + "_" + QByteArray::number(k);
                sprite.rect = {x, y, 32, 32};
                sprite.background = k % 5 != 4 ? 1 : 0;
                sprite.entity = k % 5 == 4 ? 1 : 0;
                sprite.fill = k < 8 ? 1 : 0;
                sprites.push_back(sprite);
            }
            painter.end();
            const QString base = dir.path() + QStringLiteral("/sprite sheets/") + name;
            image.save(base + QStringLiteral(".bmp"), "BMP");
            Write(base + QStringLiteral(".spt"), SheetFileBytes(QStringLiteral("Sheet %1").arg(s), sprites));
            bitmaps << base + QStringLiteral(".bmp");
            files << base + QStringLiteral(".bmp") << base + QStringLiteral(".spt");
            list += name.toLatin1() + "\r\n" + name.toLatin1() + "\r\n";
        }
        Write(dir.path() + QStringLiteral("/questdata/Bench/sheets.txt"), list);
        files << dir.path() + QStringLiteral("/questdata/Bench/sheets.txt");
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column) {
                QByteArray lnd = QByteArray::number(kSpritesPerScreen) + "\r\n";
                for (int k = 0; k < kSpritesPerScreen; ++k) {
                    const int s = (k + column) % kSheets;
                    const int sprite = 8 + k % 56;
                    lnd += QByteArray::number((k * 37) % 600) + "\r\n" + QByteArray::number((k * 53) % 440) + "\r\n"
                           + "s" + QByteArray::number(s) + "_" + QByteArray::number(sprite) + "\r\n"
                           + (sprite % 5 == 4 ? "guard\r\n" : "\r\n");
                }
                lnd += "0\r\n";
                const QString path =
                    dir.path() + QStringLiteral("/questdata/Bench/screens/%1-%2.lnd").arg(column).arg(row);
                Write(path, lnd);
                files << path;
            }
    }

    static void Write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
};

struct OpenDesigner {
    DesignerQuest quest;
    CConsoleUi ui;
    CDisplay display;
    CScreenDesignerPort screenWindow; // no window: its calls do nothing
    CScreenDesigner designer{ui, ui, screenWindow};
    QImage shown; // what the view keeps of each presented frame

    OpenDesigner()
    {
        g_baseDirectory = quest.dir.path();
        g_questName = QStringLiteral("Bench");
        display.Initialise(nullptr, 1024, 768);
        display.SetPresenter([this](const QImage& frame) {
            CopyIntoKept(frame, shown);
        });
        designer.display = &display;
        designer.doubleSize = 1;
        designer.stackAtBottom = 1;
        designer.OpenAtCell(1, 1);
    }
};

// The goal: a frame in at most 2.5 times the plain copy of the back buffer.
void BM_ScreenDesignerFrameDoubleSizeFullPalettes(benchmark::State& state)
{
    OpenDesigner scene;
    const double frame = FrameNanoseconds(state, scene.designer, scene.display, scene.shown);
    state.counters["sprites_on_strip"] = scene.designer.spritePalette->items.Count();
    state.counters["fill_tiles"] = scene.designer.fillPalette->items.Count();
    ReportFrame(state, frame, PlainCopyNanoseconds(), 2.5);
}
BENCHMARK(BM_ScreenDesignerFrameDoubleSizeFullPalettes)->Unit(benchmark::kMicrosecond)->UseRealTime()
    ->Repetitions(5)->ReportAggregatesOnly(true);

// The goal: Open at cell in at most 2 times reading its files and decoding the
// sheets' bitmaps with QImage.
void BM_ScreenDesignerOpenAtCell10Sheets9Screens(benchmark::State& state)
{
    OpenDesigner scene;
    double opens = 0;
    double reads = 0;
    int64_t runs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        scene.designer.OpenAtCell(1, 1);
        opens += double(timer.nsecsElapsed());
        timer.restart();
        qint64 bytes = 0;
        for (const QString& path : scene.quest.files) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            bytes += file.readAll().size();
        }
        for (const QString& path : scene.quest.bitmaps) {
            QImage image(path);
            bytes += image.sizeInBytes();
        }
        benchmark::DoNotOptimize(bytes);
        reads += double(timer.nsecsElapsed());
        ++runs;
    }
    const double n = double(std::max<int64_t>(runs, 1));
    state.counters["ms_open"] = opens / n / 1e6;
    state.counters["ms_read_and_decode"] = reads / n / 1e6;
    state.counters["ratio_to_read_and_decode"] = opens / reads;
    state.counters["goal_ratio_to_read_and_decode"] = 2;
}
BENCHMARK(BM_ScreenDesignerOpenAtCell10Sheets9Screens)->Unit(benchmark::kMillisecond)->UseRealTime()
    ->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true); // the designer's settings stay out of the user's
    return RunBenchmarks(argc, argv);
}
