// A full build of Demo ("Recompile all scripts", as `tessell build --recompile`
// runs it: every script compiled, the lists written, the archive packed)
// beside running the compiler directly over the same ten scripts with the
// same command lines, one after the other, in the same run. The build's own
// work is small: at most 1.2 times.
#include "ChildRun.h"
#include "FramePeers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QStringList kScripts = {
    QStringLiteral("entities/wisp.ves"),
    QStringLiteral("questdata/Demo/scripts/screen/1-1.ves"), QStringLiteral("questdata/Demo/scripts/screen/2-1.ves"),
    QStringLiteral("questdata/Demo/scripts/screen/3-1.ves"), QStringLiteral("questdata/Demo/scripts/screen/1-2.ves"),
    QStringLiteral("questdata/Demo/scripts/screen/2-2.ves"), QStringLiteral("questdata/Demo/scripts/screen/3-2.ves"),
    QStringLiteral("questdata/Demo/scripts/group/0.ves"),    QStringLiteral("questdata/Demo/scripts/group/1.ves"),
    QStringLiteral("questdata/Demo/scripts/main/main.ves"),
};

// The compiled script's path: the amx folder beside the source.
QString OutputOf(const QString& source)
{
    const qsizetype slash = source.lastIndexOf(QLatin1Char('/'));
    return source.left(slash) + QStringLiteral("/amx") + source.mid(slash, source.size() - slash - 4)
        + QStringLiteral(".amx");
}

double CompilerAloneSeconds(const QString& base)
{
    double seconds = 0;
    for (const QString& script : kScripts) {
        const ChildRun run = RunChild(base + QStringLiteral("/compiler/sc"),
                                      {script, QStringLiteral("-o") + OutputOf(script),
                                       QStringLiteral("-ecompiler/errors.txt")},
                                      base, QStringLiteral("/dev/null"), QStringLiteral("2"));
        if (run.exitCode != 0 && run.exitCode != 1)
            return -1;
        seconds += run.seconds;
    }
    return seconds;
}

void BM_FullBuildOfDemo(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString base = dir.path();
    if (QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), QStringLiteral(TESSELL_SOURCE_DIR "/workspace/."), base})
            != 0
        || !QFile::copy(QStringLiteral(TESSELL_COMPILER), base + QStringLiteral("/compiler/sc"))) {
        state.SkipWithError("no base directory");
        return;
    }
    double ours = 0;
    int64_t runs = 0;
    for (auto _ : state) {
        const ChildRun build = RunChild(QStringLiteral(TESSELL_TOOL),
                                        {QStringLiteral("build"), QStringLiteral("--recompile"), QStringLiteral("Demo")},
                                        base, base + QStringLiteral("/build-output"));
        if (build.exitCode != 0) {
            state.SkipWithError("the build failed (see build-output)");
            return;
        }
        ours += build.seconds;
        ++runs;
    }
    double direct = 0;
    for (int i = 0; i < 3; ++i)
        direct += CompilerAloneSeconds(base);
    direct /= 3;
    if (direct <= 0) {
        state.SkipWithError("the compiler did not run");
        return;
    }
    state.counters["ms_full_build"] = ours / double(runs) * 1e3;
    state.counters["ms_compiler_alone"] = direct * 1e3;
    state.counters["ratio_to_compiler_alone"] = ours / double(runs) / direct;
    state.counters["goal_ratio_to_compiler_alone"] = 1.2;
}
BENCHMARK(BM_FullBuildOfDemo)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv);
}
