// Opening a quest of 1,000 screens: the map file and every preview file read
// by the map designer, beside `wc -l` counting the lines of the same preview
// files in the same run. The goal is at most 1.2 times `wc -l`. The same
// quest as made on a case-insensitive system, its screens folder and preview
// files named in other letter case, is opened too, at most 1.5 times (every
// file is looked up ignoring case).
#include "FramePeers.h"
#include "ThousandScreenQuest.h"
#include "console/ConsoleUi.h"

#include "quest/Quest.h"
#include "support/paths/Globals.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>

#include <benchmark/benchmark.h>

namespace {

ThousandScreenQuest& TheQuest(bool otherCase)
{
    static ThousandScreenQuest quest(false);
    static ThousandScreenQuest inOtherCase(true);
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
    ThousandScreenQuest& quest = TheQuest(otherCase);
    g_baseDirectory = quest.dir.path();
    CConsoleUi ui;
    CQuest opened(ui, ui, ui);
    double ours = 0;
    int64_t runs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        opened.files.LoadMapFile(QStringLiteral("save\\Bench.qss"), QStringLiteral("Bench"));
        ours += double(timer.nsecsElapsed()) / 1e9;
        ++runs;
    }
    if (opened.map.ScreenCount() != kScreens || ui.messageCount != 0)
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
    OpenQuest(state, false, 1.2);
}
BENCHMARK(BM_OpenQuestOf1000Screens)->Unit(benchmark::kMillisecond)->UseRealTime()
    ->Repetitions(5)->ReportAggregatesOnly(true);

void BM_OpenQuestOf1000ScreensNamedInOtherCase(benchmark::State& state)
{
    OpenQuest(state, true, 1.5);
}
BENCHMARK(BM_OpenQuestOf1000ScreensNamedInOtherCase)->Unit(benchmark::kMillisecond)->UseRealTime()
    ->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv);
}
