// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// Lee's diagram, 128 drop sizes from 10 to 2000 µm in 40 bands, the sun's
// disc on, 1200 values across (the picture's width on a 1920 pixel screen):
// Mie, Airy and the whole drop's phasors, on one thread and on two. The processor time is that of the
// whole process, so its ratio to the wall time shows how much of two cores
// the diagram used.
#include "tavrin/sunlight/model/lee_diagram.h"

#include <benchmark/benchmark.h>

namespace {

void LeeDiagram(benchmark::State &state)
{
    rb::tavrin::SunBowRequest r;
    const rb::tavrin::BowTheory theories[] = {rb::tavrin::BowTheory::Mie, rb::tavrin::BowTheory::Airy,
                                              rb::tavrin::BowTheory::WholeDrop};
    r.theory = theories[state.range(0)];
    r.pixels = 1200;
    const std::atomic<bool> go{false};
    for (auto _ : state)
        benchmark::DoNotOptimize(rb::tavrin::ComputeLeeDiagram(r, go, static_cast<unsigned>(state.range(1))));
}
BENCHMARK(LeeDiagram)
    ->ArgNames({"theory", "threads"})
    ->Args({0, 1})
    ->Args({0, 2})
    ->Args({1, 1})
    ->Args({1, 2})
    ->Args({2, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(1);

} // namespace
