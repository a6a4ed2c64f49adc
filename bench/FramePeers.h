#pragma once
// What the drawing benchmarks share: the plain copy of pixels they are
// measured against, the timing of a designer's frames, and the program around
// them (fonts and images need an application, under the offscreen platform).
#include "display/Display.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

// Nanoseconds of one plain copy of as many 16-bit pixels (the back buffer's by
// default), the mean of `repeats` copies.
inline double PlainCopyNanoseconds(size_t pixels = size_t(1024) * 768, int repeats = 200)
{
    std::vector<uint16_t> from(pixels, 0x1234);
    std::vector<uint16_t> to(pixels, 0);
    double copy = 0;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        std::memcpy(to.data(), from.data(), pixels * sizeof(uint16_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
        copy += double(timer.nsecsElapsed());
    }
    return copy / repeats;
}

// Nanoseconds of one of the designer's frames: drawn, presented and shown,
// the mean over the benchmark's iterations.
template <class Designer>
double FrameNanoseconds(benchmark::State& state, Designer& designer, CDisplay& display, const QImage& shown)
{
    double frames = 0;
    int64_t runs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        designer.draw(&display);
        display.Present();
        benchmark::DoNotOptimize(shown.constBits());
        frames += double(timer.nsecsElapsed());
        ++runs;
    }
    return frames / double(std::max<int64_t>(runs, 1));
}

// A frame beside the plain copy of the back buffer, and the goal when one is set.
inline void ReportFrame(benchmark::State& state, double frame, double copy, double goal)
{
    state.counters["us_frame"] = frame / 1e3;
    state.counters["us_memcpy"] = copy / 1e3;
    state.counters["ratio_to_copy"] = frame / copy;
    if (goal > 0)
        state.counters["goal_ratio_to_copy"] = goal;
}

inline int RunBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
