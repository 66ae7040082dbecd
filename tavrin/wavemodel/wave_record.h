// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// What the wave window remembers of Bild III since it was last cleared: each
// bar where it stands, with the settings it was computed for, and the theory
// curves drawn over the bars. The CSV table, the values written on Bild III
// and the screen readers' description all read this one record.
#pragma once

#include "tavrin/wavemodel/wave_table.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace rb::tavrin {

struct WaveRecord {
    // A sweep draws a few hundred bars. The record keeps at most this many
    // bars and as many curve points, so a window left sweeping for days
    // stops growing; later ones are drawn but not remembered.
    static constexpr std::size_t kMaxBars = 1000000;

    std::vector<WaveBar> bars; // oldest first
    std::vector<WaveCurvePoint> theory;
    std::size_t lastSweepFrom = 0; // the latest sweep's first bar

    void AddBar(WaveBar bar)
    {
        if (bars.size() < kMaxBars) bars.push_back(std::move(bar));
    }
    // Where the latest sweep's bars begin; its last bar when that sweep
    // added none. Only for a record with bars.
    std::size_t LatestSweepFrom() const { return std::min(lastSweepFrom, bars.size() - 1); }
};

} // namespace rb::tavrin
