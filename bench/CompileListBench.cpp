// A build's look at 2,000 unchanged scripts: LoadCompileList plus
// CompileIfChanged on each (no compiler runs), beside the bare stat() system
// call on the same 2,000 files made directly in the same run. The goal is at
// most 1.1 times those calls. The `stat` program over the same files is timed
// too, for a looser view.
#include "console/ConsoleUi.h"

#include "build/CompileList.h"
#include "support/paths/Globals.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

#include <sys/stat.h>

namespace {

constexpr int kScripts = 2000;

struct Scripts {
    QTemporaryDir dir;
    QStringList logical;
    QStringList native;
    Scripts()
    {
        QDir(dir.path()).mkpath(QStringLiteral("compiler"));
        QDir(dir.path()).mkpath(QStringLiteral("entities"));
        g_baseDirectory = dir.path();
        for (int i = 0; i < kScripts; ++i) {
            const QString name = QStringLiteral("entities/creature%1.ves").arg(i, 4, 10, QLatin1Char('0'));
            QFile file(dir.path() + QLatin1Char('/') + name);
            file.open(QIODevice::WriteOnly);
            file.write("main()\n{\n}\n");
            logical << QString(name).replace(QLatin1Char('/'), QLatin1Char('\\'));
            native << file.fileName();
        }
        // Every script recorded as compiled as it is now.
        CConsoleUi ui;
        CCompileList list(ui);
        list.LoadCompileList();
        for (const QString& path : logical)
            list.RecordCompiled(path);
        list.SaveCompileList();
    }
};

Scripts& TheScripts()
{
    static Scripts scripts;
    return scripts;
}

double StatSeconds(const Scripts& scripts)
{
    QElapsedTimer timer;
    timer.start();
    QProcess stat;
    stat.setStandardOutputFile(QProcess::nullDevice());
    stat.start(QStringLiteral("stat"), scripts.native);
    stat.waitForFinished(-1);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    return stat.exitCode() == 0 ? seconds : -1;
}

// The bare system call on every file, as the goal's peer.
double StatCallSeconds(const Scripts& scripts)
{
    std::vector<QByteArray> paths;
    for (const QString& path : scripts.native)
        paths.push_back(QFile::encodeName(path));
    QElapsedTimer timer;
    timer.start();
    struct ::stat info;
    int found = 0;
    for (const QByteArray& path : paths)
        found += ::stat(path.constData(), &info) == 0;
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    return found == kScripts ? seconds : -1;
}

void BM_UnchangedCompileListOf2000Scripts(benchmark::State& state)
{
    Scripts& scripts = TheScripts();
    g_baseDirectory = scripts.dir.path();
    CConsoleUi ui;
    double ours = 0;
    double stat = 0;
    double statCalls = 0;
    int64_t runs = 0;
    int upToDate = 0;
    int compilerRuns = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        CCompileList list(ui);
        list.LoadCompileList();
        upToDate = 0;
        for (const QString& path : scripts.logical)
            upToDate += list.CompileIfChanged(path);
        compilerRuns += list.CompilerRuns();
        ours += double(timer.nsecsElapsed()) / 1e9;
        state.PauseTiming();
        stat += StatSeconds(scripts);
        statCalls += StatCallSeconds(scripts);
        state.ResumeTiming();
        ++runs;
    }
    if (upToDate != kScripts || compilerRuns != 0 || ui.messageCount != 0)
        state.SkipWithError("a script was not seen as unchanged");
    state.counters["ms_compile_list"] = ours / double(runs) * 1e3;
    state.counters["ms_stat_calls"] = statCalls / double(runs) * 1e3;
    state.counters["ratio_to_stat_calls"] = ours / statCalls;
    state.counters["goal_ratio_to_stat_calls"] = 1.1;
    state.counters["ms_stat"] = stat / double(runs) * 1e3;
    state.counters["ratio_to_stat"] = ours / stat;
}
BENCHMARK(BM_UnchangedCompileListOf2000Scripts)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20)
    ->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
