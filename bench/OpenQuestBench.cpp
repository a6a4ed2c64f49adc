// Opening a quest of 1,000 screens: the map file and every preview file read
// by the map designer, beside `wc -l` counting the lines of the same preview
// files in the same run. The goal is at most 1.5 times `wc -l`. The same
// quest as made on a case-insensitive system, its screens folder and preview
// files named in other letter case, is opened too (without a goal: every file
// is looked up ignoring case).
#include "ConsoleUi.h"

#include "display/Surface.h"
#include "map/MapDesigner.h"
#include "screens/PreviewWriter.h"
#include "support/Globals.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <utime.h>

namespace {

constexpr int kScreens = 1000;

struct Quest {
    QTemporaryDir dir;
    QStringList previews;
    explicit Quest(bool otherCase)
    {
        const QString screens =
            otherCase ? QStringLiteral("/questdata/Bench/Screens/") : QStringLiteral("/questdata/Bench/screens/");
        const QString extension = otherCase ? QStringLiteral(".BMP") : QStringLiteral(".bmp");
        QDir root(dir.path());
        root.mkpath(QStringLiteral("save"));
        root.mkpath(dir.path() + screens);
        CSurface small;
        small.Create(128, 96);
        QByteArray map = "Vantraglen Tessellmancery Map File\r\n" + QByteArray::number(kScreens) + "\r\n";
        for (int k = 0; k < kScreens; ++k) {
            const int column = k % 40;
            const int row = k / 40;
            // Every preview different, with values of every length.
            for (int y = 0; y < 96; ++y)
                for (int x = 0; x < 128; ++x)
                    small.SetPixel(x, y, uint16_t((x * 517 + y * 3 + k * 7919) & 0xFFFF));
            const QString path = dir.path() + screens + QStringLiteral("%1-%2").arg(column).arg(row) + extension;
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(PreviewFileBytes(small));
            previews << path;
            map += QByteArray::number(column) + "\r\n" + QByteArray::number(row) + "\r\n0\r\n";
        }
        map += "0\r\n160\r\n120\r\nBench\r\n0\r\n1\r\n";
        QFile file(dir.path() + QStringLiteral("/save/Bench.qss"));
        file.open(QIODevice::WriteOnly);
        file.write(map);
        // A quest made elsewhere was made long ago.
        if (otherCase) {
            const utimbuf longAgo{1577836800, 1577836800};
            for (const char* folder : {"/questdata", "/questdata/Bench", "/questdata/Bench/Screens"})
                utime(QFile::encodeName(dir.path() + QLatin1String(folder)).constData(), &longAgo);
        }
    }
};

Quest& TheQuest(bool otherCase)
{
    static Quest quest(false);
    static Quest inOtherCase(true);
    return otherCase ? inOtherCase : quest;
}

double WcSeconds(const QStringList& files)
{
    QElapsedTimer timer;
    timer.start();
    QProcess wc;
    wc.start(QStringLiteral("wc"), QStringList{QStringLiteral("-l")} + files);
    wc.waitForFinished(-1);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    if (!wc.readAllStandardOutput().contains(QByteArray::number(kScreens * 12288) + " total"))
        return -1;
    return seconds;
}

void OpenQuest(benchmark::State& state, bool otherCase, double goal)
{
    Quest& quest = TheQuest(otherCase);
    g_baseDirectory = quest.dir.path();
    CConsoleUi ui;
    CMapDesigner designer(ui);
    double ours = 0;
    int64_t runs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        designer.files.LoadMapFile(QStringLiteral("save\\Bench.qss"), QStringLiteral("Bench"));
        ours += double(timer.nsecsElapsed()) / 1e9;
        ++runs;
    }
    if (designer.map.ScreenCount() != kScreens || ui.messageCount != 0)
        state.SkipWithError("the quest did not open whole");
    double wc = 0;
    for (int i = 0; i < 5; ++i)
        wc += WcSeconds(quest.previews);
    wc /= 5;
    state.counters["ms_open"] = ours / double(runs) * 1e3;
    state.counters["ms_wc_l"] = wc * 1e3;
    state.counters["ratio_to_wc"] = (ours / double(runs)) / wc;
    if (goal > 0)
        state.counters["goal_ratio_to_wc"] = goal;
}
void BM_OpenQuestOf1000Screens(benchmark::State& state)
{
    OpenQuest(state, false, 1.5);
}
BENCHMARK(BM_OpenQuestOf1000Screens)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenQuestOf1000ScreensNamedInOtherCase(benchmark::State& state)
{
    OpenQuest(state, true, 0);
}
BENCHMARK(BM_OpenQuestOf1000ScreensNamedInOtherCase)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
