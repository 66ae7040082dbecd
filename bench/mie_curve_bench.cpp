// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The Mie curve over Bild III for the largest drop in the bluest colour,
// 2000 µm at 430 nm (x = 14 612, 14 710 terms), at one value per device
// pixel of a 1920 and a 3840 pixel wide picture, on both cores.
#include "tavrin/wavemodel/model/mie_curve.h"

#include <benchmark/benchmark.h>

namespace {

using rb::tavrin::MiePaths;

void MieCurve2000Blue(benchmark::State &state)
{
    const rb::tavrin::MieCurveRequest r{rb::tavrin::WaveColour::Blue, 2000, rb::tavrin::MiePolarisation::Unpolarised,
                                        static_cast<MiePaths>(state.range(1)), static_cast<int>(state.range(0))};
    const std::atomic<bool> go{false};
    for (auto _ : state) benchmark::DoNotOptimize(rb::tavrin::MieCurve(r, go, 2));
}
BENCHMARK(MieCurve2000Blue)
    ->ArgNames({"px", "bowOnly"})
    ->Args({1920, 0})
    ->Args({3840, 0})
    ->Args({1920, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
