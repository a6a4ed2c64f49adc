// The quest archive: Build of 200 files totalling about 100 MB, half of them
// scrambled, beside `cat` of the same files into one file, in the same run.
// The goal is at most 1.3 times `cat`.
#include "build/VirtualArchive.h"
#include "support/paths/Globals.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kFiles = 200;
constexpr qint64 kFileSize = 500 * 1024; // 200 x 500 KiB, about 100 MB

struct Files {
    QTemporaryDir dir;
    QStringList logical;
    QStringList native;
    Files()
    {
        QDir(dir.path()).mkpath(QStringLiteral("questdata/Bench/screens"));
        QDir(dir.path()).mkpath(QStringLiteral("output"));
        std::vector<char> bytes(static_cast<size_t>(kFileSize));
        uint32_t seed = 12345;
        for (int i = 0; i < kFiles; ++i) {
            for (char& b : bytes) {
                seed = seed * 1664525u + 1013904223u;
                b = char(seed >> 24);
            }
            const QString name = QStringLiteral("questdata/Bench/screens/%1-0.lnd").arg(i);
            QFile file(dir.path() + QLatin1Char('/') + name);
            file.open(QIODevice::WriteOnly);
            file.write(bytes.data(), qint64(bytes.size()));
            logical << QString(name).replace(QLatin1Char('/'), QLatin1Char('\\'));
            native << file.fileName();
        }
    }
};

Files& TheFiles()
{
    static Files files;
    return files;
}

double CatSeconds(const Files& files)
{
    const QString out = files.dir.path() + QStringLiteral("/output/cat.out");
    QElapsedTimer timer;
    timer.start();
    QProcess cat;
    cat.setStandardOutputFile(out, QIODevice::Truncate);
    cat.start(QStringLiteral("cat"), files.native);
    cat.waitForFinished(-1);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    if (QFile(out).size() != kFiles * kFileSize)
        return -1;
    return seconds;
}

void BM_ArchiveBuildOf200Files(benchmark::State& state)
{
    Files& files = TheFiles();
    g_baseDirectory = files.dir.path();
    double ours = 0;
    double cat = 0;
    int64_t runs = 0;
    int result = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        CVirtualArchive archive(QStringLiteral("output\\Bench.qst"));
        for (int i = 0; i < kFiles; ++i)
            archive.AddFile(files.logical[i], QStringLiteral("%1-0.lnd").arg(i), i % 2);
        result |= archive.Build();
        ours += double(timer.nsecsElapsed()) / 1e9;
        // The peer runs in the same iterations, so both see the same cache.
        state.PauseTiming();
        cat += CatSeconds(files);
        state.ResumeTiming();
        ++runs;
    }
    if (result != 0 || QFile(files.dir.path() + QStringLiteral("/output/Bench.qst")).size() < kFiles * kFileSize)
        state.SkipWithError("the archive was not written whole");
    state.counters["ms_build"] = ours / double(runs) * 1e3;
    state.counters["ms_cat"] = cat / double(runs) * 1e3;
    state.counters["ratio_to_cat"] = ours / cat;
    state.counters["goal_ratio_to_cat"] = 1.3;
}
BENCHMARK(BM_ArchiveBuildOf200Files)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8)
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
