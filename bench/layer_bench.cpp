// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The drawing layer: cost of one operation, and of yielding after every ray.
#include "common/widgets/event_loop.h"
#include "common/widgets/picture.h"

#include <QElapsedTimer>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

struct Surface {
    rb::Picture picture;
    Surface()
    {
        picture.resize(1920, 1080);
        picture.Scale(0, 0, 1920, 1080);
        picture.show();
        QTest::qWait(20);
    }
};

void BM_Line(benchmark::State &state)
{
    Surface s;
    double y = 0;
    for (auto _ : state) {
        s.picture.Line(100, y, 1800, 1080 - y); // a slanted, antialiased ray across the surface
        y = y > 1000 ? 0 : y + 7;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Line);

void BM_LineShort(benchmark::State &state)
{
    Surface s;
    double y = 0;
    for (auto _ : state) {
        s.picture.Line(100, y, 140, y + 25);
        y = y > 1000 ? 0 : y + 7;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LineShort);

void BM_PSet(benchmark::State &state)
{
    Surface s;
    s.picture.SetDrawWidth(2);
    double x = 0;
    for (auto _ : state) {
        s.picture.PSet(x, 500 + 300 * std::sin(x * 0.01));
        x = x > 1900 ? 0 : x + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PSet);

// A loop as long as a full wave-model sweep, drawing one line per ray, with
// and without yielding after each. Repaints are throttled to the display's
// pace, so yielding must cost little.
constexpr int kRays = 61311;

double RunRays(rb::Picture &p, bool yield)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kRays; ++i) {
        const double a = i * 0.001;
        p.Line(960, 540, 960 + 400 * std::cos(a), 540 + 400 * std::sin(a));
        if (yield) rb::DoEvents();
    }
    return t.nsecsElapsed() / 1e6;
}

void BM_DoEventsLoop(benchmark::State &state)
{
    Surface s;
    double withYield = 0, without = 0;
    for (auto _ : state) {
        without += RunRays(s.picture, false);
        withYield += RunRays(s.picture, true);
    }
    const double n = double(state.iterations());
    state.counters["without_ms"] = without / n;
    state.counters["with_DoEvents_ms"] = withYield / n;
    state.counters["ratio"] = withYield / without;
}
BENCHMARK(BM_DoEventsLoop)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
