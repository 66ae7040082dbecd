// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A full redraw (clear, grid, curve) of each plot in its window at 1920x1080.
#include "prisma/form1.h"
#include "streu/form1.h"

#include <QScrollBar>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

void BM_StreuRedraw(benchmark::State &state)
{
    rb::streu::Form1 f;
    f.Form_Load();
    f.show();
    QTest::qWait(20);
    f.HScroll1->setValue(int(state.range(0)));
    for (auto _ : state) f.Picture1_Paint();
}
BENCHMARK(BM_StreuRedraw)->Arg(1)->Arg(15)->Unit(benchmark::kMillisecond);

void BM_PrismaRedraw(benchmark::State &state)
{
    rb::prisma::Form1 f;
    f.Form_Load();
    f.show();
    QTest::qWait(20);
    f.HScroll2->setValue(int(state.range(0)));
    for (auto _ : state) {
        f.Picture1->Cls();
        f.Picture1_Paint();
    }
}
BENCHMARK(BM_PrismaRedraw)->Arg(150)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
