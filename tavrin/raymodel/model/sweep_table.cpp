// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/raymodel/model/sweep_table.h"

namespace rb::tavrin {

std::optional<SweepRow> SweepRowFor(int reflCount, SweepMode mode)
{
    const bool slow = mode == SweepMode::Slow;
    switch (reflCount) {
    case 1:
        return SweepRow{-400.0f, -800.0f, -3.0f};
    case 2:
    case 3:
        // The fast sweep jitters every b by up to a step (sweep.cpp), so
        // its rays fill each step instead of repeating the same values.
        return SweepRow{slow ? 641.0f : 640.1f, 800.0f, 2.0f};
    case 5:
        return SweepRow{slow ? -724.5f : -720.09f, -800.0f, -1.0f};
    default:
        return std::nullopt;
    }
}

std::vector<float> SweepCounters(const SweepRow &row)
{
    std::vector<float> out;
    const auto inRange = [&row](float b) { return row.step < 0 ? b >= row.end : b <= row.end; };
    for (float b = row.start; inRange(b); b += row.step) out.push_back(b);
    return out;
}

} // namespace rb::tavrin
