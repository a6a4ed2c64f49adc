// The editor's start, from the program's start to its first drawn map frame of
// Demo, and the most memory it held by then, beside a minimal Qt program that
// shows a window of the same size once (bench/peers/FirstFrameWindow.cpp), in
// the same run, both under the offscreen platform: at most 1.5 times each,
// judged by the medians of five repetitions.
#include "ChildRun.h"
#include "FramePeers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_EditorStartToFirstMapFrameOfDemo(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString base = dir.path() + QStringLiteral("/base");
    QDir().mkpath(dir.path() + QStringLiteral("/config"));
    if (QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), QStringLiteral(TESSELL_SOURCE_DIR "/workspace"), base})
        != 0) {
        state.SkipWithError("no base directory");
        return;
    }
    // Both programs see the same environment (the offscreen platform, set for
    // every benchmark) with their settings kept in the temporary folder.
    setenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + QStringLiteral("/config")).constData(), 1);
    ChildRun editor, peer;
    for (auto _ : state) {
        setenv("TESSELL_FIRST_FRAME_OF", "save/Demo.qss", 1);
        editor = RunChild(QStringLiteral(TESSELL_EDITOR), {}, base);
        unsetenv("TESSELL_FIRST_FRAME_OF");
        peer = RunChild(QStringLiteral(TESSELL_FIRST_FRAME_WINDOW), {}, base);
        state.SetIterationTime(editor.seconds);
    }
    unsetenv("XDG_CONFIG_HOME");
    if (editor.exitCode != 0 || peer.exitCode != 0 || peer.seconds <= 0 || peer.peakKilobytes <= 0) {
        state.SkipWithError("a program did not end well");
        return;
    }
    state.counters["ms_editor_start"] = editor.seconds * 1e3;
    state.counters["ms_window_start"] = peer.seconds * 1e3;
    state.counters["ratio_to_window_start"] = editor.seconds / peer.seconds;
    state.counters["goal_ratio_to_window_start"] = 1.5;
    state.counters["mb_editor_resident"] = editor.peakKilobytes / 1024;
    state.counters["mb_window_resident"] = peer.peakKilobytes / 1024;
    state.counters["ratio_to_window_resident"] = editor.peakKilobytes / peer.peakKilobytes;
    state.counters["goal_ratio_to_window_resident"] = 1.5;
}
BENCHMARK(BM_EditorStartToFirstMapFrameOfDemo)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)
    ->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv);
}
