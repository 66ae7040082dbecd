// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// One picture of the rainbow in sunlight: Mie theory or the whole drop's
// phasors in 40 bands, both bows and the sky between, one value per device
// pixel of a 1920 pixel wide picture, the sun's disc on, on both cores;
// 1000 and 2000 µm drops.
#include "tavrin/sunlight/model/sun_bow.h"

#include <benchmark/benchmark.h>

namespace {

void SunBowMie(benchmark::State &state)
{
    rb::tavrin::SunBowRequest r;
    r.diameterMicrons = static_cast<double>(state.range(0));
    r.pixels = 1920;
    const std::atomic<bool> go{false};
    for (auto _ : state) benchmark::DoNotOptimize(rb::tavrin::ComputeSunBow(r, go, 2));
}
BENCHMARK(SunBowMie)->ArgNames({"um"})->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

void SunBowWholeDrop(benchmark::State &state)
{
    rb::tavrin::SunBowRequest r;
    r.theory = rb::tavrin::BowTheory::WholeDrop;
    r.diameterMicrons = static_cast<double>(state.range(0));
    r.pixels = 1920;
    const std::atomic<bool> go{false};
    for (auto _ : state) benchmark::DoNotOptimize(rb::tavrin::ComputeSunBow(r, go, 2));
}
BENCHMARK(SunBowWholeDrop)->ArgNames({"um"})->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
