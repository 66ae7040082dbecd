// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// Descartes' angle as the strip reads it: the scattering angle W of the ray
// whose neighbours leave with it, where the strip's marks crowd. For k
// internal reflections that ray enters at cos²α = (n² − 1)/(k·(k + 2)), on
// the side of the drop the sweep sends its rays in (the upper half, b < 0,
// for k = 1 and 5; the lower one for k = 2 and 3), so that W comes out as
// the sweep's rays give it.
#include "tavrin/raymodel/model/ray_model.h"

#include <cmath>

namespace rb::tavrin {

namespace {
// How far a neighbour of the Descartes ray enters nearer the axis, radians.
constexpr double kNeighbour = 0.02;
} // namespace

std::optional<RayModel::DescartesMark> RayModel::DescartesOnStrip() const
{
    if (!Traceable()) return std::nullopt;
    RayModel probe = *this; // n from the options, as the next ray will have it
    probe.SetRefractiveIndex();
    const double n = probe.refrIndex, k = reflCount;
    const double cos2 = (n * n - 1.0) / (k * (k + 2.0));
    if (!(cos2 > 0.0) || !(cos2 < 1.0)) return std::nullopt;
    const double side = reflCount == 1 || reflCount == 5 ? -1.0 : 1.0;
    const double alpha = std::acos(std::sqrt(cos2));
    const auto w = [&](double a) {
        probe.incAngle = side * a;
        probe.refrAngle = side * std::asin(std::sin(a) / n);
        return probe.ScatterAngle();
    };
    const double descartes = w(alpha);
    return DescartesMark{descartes, descartes > w(alpha - kNeighbour)};
}

} // namespace rb::tavrin
