// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The ray model: one ray through the drop with five internal reflections and
// every partial ray, and the fast sweep for each number of reflections in
// the ray-model window, on the offscreen screen the Makefile configures
// (1920x1080).
#include "common/widgets/picture.h"
#include "tavrin/raymodel/form2.h"
#include "tavrin/navigation.h"

#include <QTest>
#include <benchmark/benchmark.h>

namespace {

using rb::tavrin::form2;
using rb::tavrin::Navigation;

// 17 segments on a full-HD surface with the scene's "Details" scale.
void BM_TraceRayK5(benchmark::State &state)
{
    rb::Picture scene;
    scene.resize(1920, 1080);
    scene.Scale(-2254, -1000, 3254, 3000);
    scene.show();
    QTest::qWait(20);
    rb::tavrin::RayModel model;
    model.reflCount = 5;
    model.showReflected = 1;
    model.SetRefractiveIndex();
    float b = -724.5f;
    for (auto _ : state) {
        model.curY = b;
        model.TraceRay(scene);
        b = b < -799 ? -724.5f : b - 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TraceRayK5)->Unit(benchmark::kMicrosecond);

// "schnell" in the window: clear the scene, then 134 (k = 1) or 80 rays,
// each with its dot on the strip.
void BM_FastSweep(benchmark::State &state)
{
    form2 &f = Navigation::Get().RayForm();
    QTest::qWait(50);
    f.model.reflCount = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) f.Command7_Click();
    Navigation::Get().Reset();
}
BENCHMARK(BM_FastSweep)->Arg(1)->Arg(2)->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond);

} // namespace
