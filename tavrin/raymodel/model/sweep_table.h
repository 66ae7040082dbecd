// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The ranges of impact parameter that the continuous sweep runs through.
//
// Each range covers the rays that come back towards the strip for its number
// of internal reflections k, and stops short of the drop's edge (R = 800):
//   k = 1: b from −400 towards −800, the rays of the primary bow;
//   k = 2, 3: b from about 640 towards 800, the secondary bow and beyond;
//   k = 5: b from about −720 towards −800.
// The counter, its start, end and step are single precision, the counter
// grows by adding the step in single precision, and the loop runs while the
// counter has not passed the end: that fixes the exact impact parameters.
#pragma once

#include <optional>
#include <vector>

namespace rb::tavrin {

enum class SweepMode { Slow, Fast };

struct SweepRow {
    float start;
    float end;
    float step;
};

// The range for k = reflCount, or nothing for a k the sweep does not know.
std::optional<SweepRow> SweepRowFor(int reflCount, SweepMode mode);

// Every counter value of a range, in order.
std::vector<float> SweepCounters(const SweepRow &row);

} // namespace rb::tavrin
