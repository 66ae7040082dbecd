// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The turning point of the direction curve: the impact parameter whose
// neighbours leave the drop together, and so the rainbow angle for k
// reflections.
//
// D(b) = k·π + 2·(α − (k + 1)·β) turns where dα = (k + 1)·dβ; with
// sin α = b and sin β = b/n that gives cos²α = (n² − 1) / (k·(k + 2)).
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace rb::streu {

// The impact parameter of the turning point, in drop radii; nothing where
// the curve does not turn (n ≤ 1, or n too large for k).
inline std::optional<double> RainbowImpact(std::int16_t reflCount, double refrIndex)
{
    const double cos2 = (refrIndex * refrIndex - 1.0) / (double(reflCount) * (reflCount + 2));
    if (!(cos2 > 0.0) || !(cos2 < 1.0)) return std::nullopt;
    return std::sqrt(1.0 - cos2);
}

} // namespace rb::streu
