// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A smooth step from 0 at t ≤ 0 to 1 at t ≥ 1 with every derivative 0 at
// both ends: a fan of rays faded in or out with it diffracts nothing of
// its own at its ends.
#pragma once

#include <cmath>

namespace rb::optics {

inline double SmoothStep(double t)
{
    if (t <= 0.0) return 0.0;
    if (t >= 1.0) return 1.0;
    return 1.0 / (1.0 + std::exp(1.0 / t - 1.0 / (1.0 - t)));
}

} // namespace rb::optics
