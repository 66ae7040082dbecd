// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The wave-model window's sweep against the bare maths of its 61 311
// phasors, on the offscreen screen the Makefile configures (1920x1080).
#include "tavrin/wavemodel/form5.h"
#include "tavrin/wavemodel/model/wave_fan.h"
#include "tavrin/wavemodel/model/wave_runs.h"
#include "tavrin/navigation.h"
#include "common/widgets/vector_state.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <algorithm>

namespace {

using rb::tavrin::Form5;

Form5 &OpenWindow(bool figures)
{
    rb::tavrin::SetRunPace(0); // the maths and the drawing, not the pace for the eye
    Form5 &f = rb::tavrin::Navigation::Get().WaveForm();
    f.show();
    QTest::qWait(50);
    (figures ? f.Option3D4 : f.Option3D5)->click();
    return f;
}

double Milliseconds(const QElapsedTimer &t) { return t.nsecsElapsed() / 1e6; }

// The sweep as the user starts it, with its yields, readout and bars.
double Sweep(Form5 &f)
{
    QElapsedTimer t;
    t.start();
    f.Command2->click();
    return Milliseconds(t);
}

// The same 61 311 phasors and 191 amplitudes without any window: no
// drawing, no yield, no readout. The vector unit is put in its fast state
// first, as any hot maths loop of ours does.
double BareLoop(Form5 &f)
{
    rb::tavrin::WaveModel model = f.model;
    rb::ClearUpperVectorState();
    QElapsedTimer t;
    t.start();
    const std::vector<double> a = rb::tavrin::SweepAmplitudes(model);
    benchmark::DoNotOptimize(a.data());
    return Milliseconds(t);
}

// Figures off: the sweep and the bare loop, alternately in one run. The
// window's first sweep also lays out and first paints its readout; it is
// reported on its own.
void BM_WaveSweepFiguresOffVsBareLoop(benchmark::State &state)
{
    Form5 &f = OpenWindow(false);
    const double firstBare = BareLoop(f);
    const double firstSweep = Sweep(f);
    state.counters["first_sweep_ms"] = firstSweep;
    state.counters["first_ratio"] = firstSweep / firstBare;
    double sweep = 0, bare = 0;
    for (auto _ : state) {
        bare += BareLoop(f);
        sweep += Sweep(f);
    }
    const double n = double(state.iterations());
    state.counters["bare_loop_ms"] = bare / n;
    state.counters["sweep_ms"] = sweep / n;
    state.counters["ratio"] = sweep / bare;
    rb::tavrin::Navigation::Get().Reset();
}
BENCHMARK(BM_WaveSweepFiguresOffVsBareLoop)->Iterations(20)->Unit(benchmark::kMillisecond);

// Figures on: every ray drawn in Bild II, the chain in Bild I. A timer that
// fires on every pass of the event loop measures the longest time the
// window went without handling its events.
void BM_WaveSweepFiguresOn(benchmark::State &state)
{
    Form5 &f = OpenWindow(true);
    double sweep = 0, longestGap = 0, passes = 0;
    QElapsedTimer sincePass;
    QTimer pass;
    pass.setInterval(0);
    QObject::connect(&pass, &QTimer::timeout, [&] {
        if (f.RunsActive() == 0) return;
        if (sincePass.isValid()) longestGap = std::max(longestGap, Milliseconds(sincePass));
        sincePass.start();
        ++passes;
    });
    for (auto _ : state) {
        f.Command1->click();
        sincePass.invalidate();
        pass.start();
        sweep += Sweep(f);
        pass.stop();
    }
    const double n = double(state.iterations());
    state.counters["sweep_ms"] = sweep / n;
    state.counters["longest_gap_ms"] = longestGap;
    state.counters["event_passes"] = passes / n;
    rb::tavrin::Navigation::Get().Reset();
}
BENCHMARK(BM_WaveSweepFiguresOn)->Iterations(3)->Unit(benchmark::kMillisecond);

// Figures off: the whole-drop sweep against the fan of 321 rays,
// alternately in one run, for the finest fan the window makes (blue light,
// 2000 µm, about 15 000 rays per position).
void BM_WholeDropSweepFiguresOffVsFan(benchmark::State &state)
{
    Form5 &f = OpenWindow(false);
    f.Option3D3->click();
    f.VScroll1->setValue(2000);
    double fan = 0, whole = 0;
    for (auto _ : state) {
        f.Option3D6->click();
        fan += Sweep(f);
        f.Option3D7->click();
        whole += Sweep(f);
    }
    const double n = double(state.iterations());
    state.counters["fan_sweep_ms"] = fan / n;
    state.counters["whole_drop_sweep_ms"] = whole / n;
    state.counters["ratio"] = whole / fan;
    rb::tavrin::Navigation::Get().Reset();
}
BENCHMARK(BM_WholeDropSweepFiguresOffVsFan)->Iterations(10)->Unit(benchmark::kMillisecond);

// The sweep as it is watched: figures on, at the window's own pace, with
// the fan of 321 rays (0) and with the whole drop's finest fan (1). Each
// takes about half a minute.
void BM_WaveSweepPaced(benchmark::State &state)
{
    Form5 &f = OpenWindow(true);
    if (state.range(0) == 1) {
        f.Option3D7->click();
        f.Option3D3->click();
        f.VScroll1->setValue(2000);
    }
    rb::tavrin::SetRunPace(1);
    double sweep = 0;
    for (auto _ : state) {
        f.Command1->click();
        sweep += Sweep(f);
    }
    rb::tavrin::SetRunPace(0);
    state.counters["sweep_s"] = sweep / 1000 / double(state.iterations());
    rb::tavrin::Navigation::Get().Reset();
}
BENCHMARK(BM_WaveSweepPaced)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
